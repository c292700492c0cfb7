#include "app/toolbaricons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace
{

constexpr int kSize = 24;
const QColor kInk(0x22, 0x2a, 0x38);
const QColor kPaper(0xfb, 0xfb, 0xf6);
const QColor kBlue(0x2b, 0x5f, 0xb3);
const QColor kGold(0xe0, 0xa8, 0x2e);
const QColor kRed(0xc4, 0x3b, 0x32);
const QColor kGreen(0x2f, 0x8f, 0x4e);

void page(QPainter &p, QRectF r)
{
    drawPageOutline(p, r, 5, kInk, kPaper);
}

void folder(QPainter &p)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kGold);
    QPainterPath path;
    path.moveTo(2, 6);
    path.lineTo(9, 6);
    path.lineTo(11, 8);
    path.lineTo(21, 8);
    path.lineTo(21, 19);
    path.lineTo(2, 19);
    path.closeSubpath();
    p.drawPath(path);
}

void letters(QPainter &p, const QString &text, int pixelSize, bool bold, bool italic,
             bool underline, const QColor &colour = kInk)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

void cross(QPainter &p, QPointF centre, qreal half)
{
    p.setPen(QPen(kRed, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
}

void picture(QPainter &p)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0xcf, 0xe4, 0xf7));
    p.drawRect(QRectF(2.5, 4.5, 19, 15));
    p.setBrush(kGreen);
    QPainterPath hill;
    hill.moveTo(3, 19);
    hill.lineTo(9, 11);
    hill.lineTo(13, 16);
    hill.lineTo(16, 13);
    hill.lineTo(21, 19);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.drawPath(hill);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(17, 8.5), 2, 2);
}

using Painter = std::function<void(QPainter &)>;

const QHash<QString, Painter> &painters()
{
    static const QHash<QString, Painter> table = {
        {QStringLiteral("ToolButton9"),
         [](QPainter &p) {
             page(p, QRectF(4.5, 2.5, 14, 19));
             p.setPen(QPen(kGold, 2));
             p.drawLine(QPointF(17, 14), QPointF(17, 22));
             p.drawLine(QPointF(13, 18), QPointF(21, 18));
         }},
        {QStringLiteral("ToolButton1"), [](QPainter &p) { folder(p); }},
        {QStringLiteral("ToolButton33"),
         [](QPainter &p) {
             folder(p);
             cross(p, QPointF(17, 16), 3.5);
         }},
        {QStringLiteral("ToolButton2"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 1.2));
             p.setBrush(kBlue);
             p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(7, 3.5, 10, 6));
             p.drawRect(QRectF(6.5, 13, 11, 7.5));
         }},
        {QStringLiteral("ToolButton10"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 1.2));
             p.setBrush(kPaper);
             p.drawRect(QRectF(2.5, 4.5, 19, 15));
             p.setBrush(kBlue);
             p.drawRect(QRectF(2.5, 4.5, 19, 4));
             cross(p, QPointF(12, 14.5), 3);
         }},
        {QStringLiteral("ToolButton4"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(7, 18), 3, 3);
             p.drawEllipse(QPointF(17, 18), 3, 3);
             p.drawLine(QPointF(9, 16), QPointF(16, 3));
             p.drawLine(QPointF(15, 16), QPointF(8, 3));
         }},
        {QStringLiteral("ToolButton5"),
         [](QPainter &p) {
             page(p, QRectF(3.5, 2.5, 11, 14));
             page(p, QRectF(9.5, 7.5, 11, 14));
         }},
        {QStringLiteral("ToolButton6"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 1.2));
             p.setBrush(QColor(0xb0, 0x7b, 0x4a));
             p.drawRoundedRect(QRectF(4.5, 4.5, 15, 17), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(7.5, 7.5, 9, 11));
             p.setBrush(kInk);
             p.drawRect(QRectF(9, 2.5, 6, 3));
         }},
        {QStringLiteral("ToolButton13"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 1.4));
             p.setBrush(kPaper);
             QPainterPath eye;
             eye.moveTo(2, 12);
             eye.quadTo(12, 2, 22, 12);
             eye.quadTo(12, 22, 2, 12);
             p.drawPath(eye);
             p.setBrush(kBlue);
             p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
         }},
        {QStringLiteral("ToolButton8"),
         [](QPainter &p) {
             page(p, QRectF(3.5, 2.5, 14, 19));
             p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawPolyline(QPolygonF({QPointF(8, 14), QPointF(12, 18), QPointF(21, 7)}));
         }},
        {QStringLiteral("ToolButton23"),
         [](QPainter &p) { letters(p, "B", 17, true, false, false); }},
        {QStringLiteral("ToolButton22"),
         [](QPainter &p) { letters(p, "U", 16, false, false, true); }},
        {QStringLiteral("ToolButton21"),
         [](QPainter &p) { letters(p, "I", 17, false, true, false); }},
        {QStringLiteral("ToolButton26"),
         [](QPainter &p) {
             letters(p, "A", 15, true, false, false);
             p.fillRect(QRectF(4, 19, 16, 3), kRed);
         }},
        {QStringLiteral("ToolButton25"),
         [](QPainter &p) {
             p.setPen(QPen(kInk, 1.2));
             p.setBrush(kPaper);
             p.drawRect(QRectF(2.5, 5.5, 19, 13));
             p.drawPolyline(QPolygonF({QPointF(2.5, 5.5), QPointF(12, 13), QPointF(21.5, 5.5)}));
         }},
        {QStringLiteral("ToolButton27"),
         [](QPainter &p) {
             p.setPen(QPen(kBlue, 2.2));
             p.setBrush(Qt::NoBrush);
             p.drawRoundedRect(QRectF(2, 8, 11, 8), 4, 4);
             p.drawRoundedRect(QRectF(11, 8, 11, 8), 4, 4);
         }},
        {QStringLiteral("ToolButton30"), [](QPainter &p) { picture(p); }},
        {QStringLiteral("ToolButton31"),
         [](QPainter &p) {
             picture(p);
             p.setPen(QPen(kRed, 1.4, Qt::DashLine));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(5.5, 8.5, 9, 8));
         }},
        {QStringLiteral("ToolButton29"),
         [](QPainter &p) {
             const QColor swatches[] = {kRed, kGreen, kBlue, kGold};
             for (int i = 0; i < 4; ++i)
                 p.fillRect(QRectF(2 + (i % 2) * 6, 3 + (i / 2) * 6, 6, 6), swatches[i]);
             letters(p, "#", 13, true, false, false);
         }},
    };
    return table;
}

} // namespace

void drawPageOutline(QPainter &p, QRectF r, qreal corner, const QColor &ink, const QColor &paper)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - corner, r.top());
    path.lineTo(r.right(), r.top() + corner);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(ink, 1.2));
    p.setBrush(paper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - corner, r.top()), QPointF(r.right() - corner, r.top() + corner));
    p.drawLine(QPointF(r.right() - corner, r.top() + corner), QPointF(r.right(), r.top() + corner));
}

QIcon toolBarIcon(const QString &button)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const auto found = painters().constFind(button);
    if (found != painters().constEnd()) {
        (*found)(p);
    } else if (button.startsWith(QLatin1String("ToolButton"))) {
        // Heading sizes: ToolButton15 to ToolButton20 are H1 to H6.
        const int level = button.mid(10).toInt() - 14;
        letters(p, QStringLiteral("H%1").arg(level), 12, true, false, false, kBlue);
    }
    p.end();
    return QIcon(pixmap);
}
