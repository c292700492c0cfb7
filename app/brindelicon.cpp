#include "app/brindelicon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace
{

// Colours of the program picture (app/brindelpicture.cpp).
const QColor kSkyTop(0x12, 0x3a, 0x7a);
const QColor kSkyBottom(0x05, 0x16, 0x3a);
const QColor kCream(0xf4, 0xf1, 0xe6);
const QColor kOrange(0xff, 0xc8, 0x57);

// The parts of the drawing in a square of side 1.
struct IconShapes {
    QRectF ground{0.03, 0.03, 0.94, 0.94};
    qreal corner = 0.18;
    QPainterPath letter; // the "B", fitted in its box
    QRectF bar{0.22, 0.78, 0.56, 0.08};
};

IconShapes iconShapes()
{
    IconShapes shapes;
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setBold(true);
    serif.setPixelSize(100);
    QPainterPath glyph;
    glyph.addText(0, 0, serif, QStringLiteral("B"));
    const QRectF bounds = glyph.boundingRect();
    const QRectF box(0.22, 0.14, 0.56, 0.58);
    // Fitted by height, centred across; a missing font leaves an empty path, not a crash.
    if (bounds.height() > 0) {
        const qreal scale = box.height() / bounds.height();
        QTransform fit;
        fit.translate(box.center().x() - bounds.center().x() * scale,
                      box.top() - bounds.top() * scale);
        fit.scale(scale, scale);
        shapes.letter = fit.map(glyph);
    }
    return shapes;
}

QString number(qreal value)
{
    return QString::number(value, 'f', 2);
}

// SVG path data of `path`, drawn at scale `size`.
QString svgPathData(const QPainterPath &path, qreal size)
{
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = number(e.x * size) + QLatin1Char(' ') + number(e.y * size);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            parts << QStringLiteral("M") + point;
            break;
        case QPainterPath::LineToElement:
            parts << QStringLiteral("L") + point;
            break;
        case QPainterPath::CurveToElement:
            parts << QStringLiteral("C") + point;
            break;
        case QPainterPath::CurveToDataElement:
            parts << point;
            break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QImage brindelIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const IconShapes shapes = iconShapes();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size, size);
    QLinearGradient sky(shapes.ground.topLeft(), shapes.ground.bottomRight());
    sky.setColorAt(0.0, kSkyTop);
    sky.setColorAt(1.0, kSkyBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(shapes.ground, shapes.corner, shapes.corner);
    p.setBrush(kCream);
    p.drawPath(shapes.letter);
    p.setBrush(kOrange);
    const qreal round = shapes.bar.height() / 2;
    p.drawRoundedRect(shapes.bar, round, round);
    return image;
}

QByteArray brindelIconSvg(int size)
{
    const IconShapes shapes = iconShapes();
    const auto scaled = [size](qreal v) { return number(v * size); };
    const QRectF &g = shapes.ground;
    const QRectF &b = shapes.bar;
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
               .arg(size);
    svg += QStringLiteral("  <defs><linearGradient id=\"sky\" gradientUnits=\"userSpaceOnUse\" "
                          "x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\">"
                          "<stop offset=\"0\" stop-color=\"%5\"/><stop offset=\"1\" "
                          "stop-color=\"%6\"/></linearGradient></defs>\n")
               .arg(scaled(g.left()), scaled(g.top()), scaled(g.right()), scaled(g.bottom()),
                    kSkyTop.name(), kSkyBottom.name());
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                          "fill=\"url(#sky)\"/>\n")
               .arg(scaled(g.left()), scaled(g.top()), scaled(g.width()), scaled(g.height()),
                    scaled(shapes.corner));
    svg += QStringLiteral("  <path fill=\"%1\" fill-rule=\"nonzero\" d=\"%2\"/>\n")
               .arg(kCream.name(), svgPathData(shapes.letter, size));
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                          "fill=\"%6\"/>\n")
               .arg(scaled(b.left()), scaled(b.top()), scaled(b.width()), scaled(b.height()),
                    scaled(b.height() / 2), kOrange.name());
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}
