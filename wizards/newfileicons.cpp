#include "wizards/newfileicons.h"

#include "app/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{

constexpr int kSize = 32;
const QColor kInk(0x22, 0x2a, 0x38);
const QColor kPaper(0xfb, 0xfb, 0xf6);

void page(QPainter &p)
{
    const QRectF r(5.5, 2.5, 21, 27);
    drawPageOutline(p, r, 6, kInk, kPaper);
    // A few lines of text on the page.
    p.setPen(QPen(QColor(0xa0, 0xa8, 0xb4), 1));
    for (int y = 10; y <= 14; y += 4)
        p.drawLine(QPointF(9, y), QPointF(21, y));
}

// A coloured band across the page holding the kind's short name.
void band(QPainter &p, const QString &text, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(2, 17, 28, 11), 2, 2);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(text.size() > 3 ? 7 : 8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 17, 28, 11), Qt::AlignCenter, text);
}

void globe(QPainter &p)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(0x8c, 0xc4, 0xf0));
    p.drawEllipse(QRectF(4.5, 4.5, 23, 23));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(10.5, 4.5, 11, 23));
    p.drawLine(QPointF(4.5, 16), QPointF(27.5, 16));
    p.drawLine(QPointF(16, 4.5), QPointF(16, 27.5));
    p.drawLine(QPointF(7, 10), QPointF(25, 10));
    p.drawLine(QPointF(7, 22), QPointF(25, 22));
}

} // namespace

QIcon newFileIcon(int index)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0:
        page(p);
        band(p, QStringLiteral("HTML"), QColor(0x2b, 0x5f, 0xb3));
        break;
    case 1:
        page(p);
        band(p, QStringLiteral("JS"), QColor(0xc9, 0x8a, 0x10));
        break;
    case 2:
        page(p);
        band(p, QStringLiteral("CSS"), QColor(0x2f, 0x8f, 0x4e));
        break;
    case 3:
        page(p);
        band(p, QStringLiteral("CDF"), QColor(0xc4, 0x3b, 0x32));
        break;
    case 4:
        globe(p);
        break;
    default:
        page(p);
        band(p, QStringLiteral("TXT"), QColor(0x6a, 0x70, 0x7a));
        break;
    }
    p.end();
    return QIcon(pixmap);
}
