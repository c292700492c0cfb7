#include "editor/editorfont.h"

#include <QFontDatabase>

#include <algorithm>
#include <cstdlib>
#include <limits>

QFont designEditorFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    return font;
}

QFont fontFromRecord(const FontRecord &record, const QFont &base)
{
    QFont font = base;
    // The size of the most negative height does not fit an int: it becomes the largest one.
    if (record.height != 0)
        font.setPixelSize(int(
            std::min<qint64>(std::abs(qint64(record.height)), std::numeric_limits<int>::max())));
    if (record.pointSize > 0)
        font.setPointSize(record.pointSize);
    if (!record.name.isEmpty())
        font.setFamily(record.name);
    font.setBold(record.bold);
    font.setItalic(record.italic);
    font.setUnderline(record.underline);
    font.setStrikeOut(record.strikeOut);
    return font;
}

QColor colourFromRecord(const FontRecord &record)
{
    const quint32 value = quint32(record.colour);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

FontRecord recordFromFont(const QFont &font, const QColor &colour, int dotsPerInch)
{
    FontRecord record;
    record.colour = qint32(quint32(colour.red()) | (quint32(colour.green()) << 8) |
                           (quint32(colour.blue()) << 16));
    record.name = font.family().left(255);
    record.pointSize = font.pointSize() > 0 ? font.pointSize() : 0;
    record.height =
        font.pixelSize() > 0 ? -font.pixelSize() : characterHeight(record.pointSize, dotsPerInch);
    record.bold = font.bold();
    record.italic = font.italic();
    record.underline = font.underline();
    record.strikeOut = font.strikeOut();
    return record;
}
