#include "app/brindelpicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap brindelPicture(const QSize &size)
{
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));

    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(0x12, 0x3a, 0x7a));
    sky.setColorAt(1.0, QColor(0x05, 0x16, 0x3a));
    p.fillRect(area, sky);

    // A ribbon of angle brackets across the picture: markup, drawn lightly.
    QPainterPath wave;
    wave.moveTo(0, area.height() * 0.72);
    wave.cubicTo(area.width() * 0.3, area.height() * 0.55, area.width() * 0.6, area.height() * 0.9,
                 area.width(), area.height() * 0.68);
    p.setPen(QPen(QColor(255, 255, 255, 40), area.height() * 0.08));
    p.drawPath(wave);

    QFont glyphs(QStringLiteral("DejaVu Sans Mono"));
    glyphs.setPixelSize(int(area.height() * 0.09));
    p.setFont(glyphs);
    p.setPen(QColor(255, 255, 255, 60));
    p.drawText(area.adjusted(12, 8, -12, -8), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("<HTML>\n<BODY>\n</BODY>\n</HTML>"));

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(int(area.height() * 0.2));
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xf4, 0xf1, 0xe6));
    const QRectF titleArea(area.left() + area.width() * 0.08, area.height() * 0.3,
                           area.width() * 0.84, area.height() * 0.25);
    p.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brindel"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(int(area.height() * 0.06));
    p.setFont(subtitle);
    p.setPen(QColor(0xff, 0xc8, 0x57));
    p.drawText(QRectF(titleArea.left(), titleArea.bottom(), titleArea.width(), area.height() * 0.1),
               Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Éditeur HTML  ·  version 7.2"));
    return picture;
}
