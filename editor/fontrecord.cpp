#include "editor/fontrecord.h"

#include "platform/atomicfile.h"
#include "platform/cp1252.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace
{

constexpr int kColour = 0;
constexpr int kName = 4;
constexpr int kNameBytes = 256;
constexpr int kPointSize = 260;
constexpr int kHeight = 264;
constexpr int kBold = 268;
constexpr int kItalic = 269;
constexpr int kUnderline = 270;
constexpr int kStrikeOut = 271;

qint32 readInt(const char *record, int offset)
{
    return qFromLittleEndian<qint32>(record + offset);
}

void writeInt(char *record, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, record + offset);
}

} // namespace

std::optional<FontRecord> FontRecord::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < kSize)
        return std::nullopt;
    const char *record = bytes.constData();
    FontRecord font;
    font.colour = readInt(record, kColour);
    const int length = static_cast<unsigned char>(record[kName]);
    font.name = cp1252::decode(QByteArrayView(record + kName + 1, length));
    font.pointSize = readInt(record, kPointSize);
    font.height = readInt(record, kHeight);
    font.bold = record[kBold] != 0;
    font.italic = record[kItalic] != 0;
    font.underline = record[kUnderline] != 0;
    font.strikeOut = record[kStrikeOut] != 0;
    return font;
}

QByteArray FontRecord::toBytes() const
{
    QByteArray bytes(kSize, '\0');
    char *record = bytes.data();
    writeInt(record, kColour, colour);
    const QByteArray encoded = cp1252::encode(name).left(kNameBytes - 1);
    record[kName] = char(encoded.size());
    std::copy(encoded.begin(), encoded.end(), record + kName + 1);
    writeInt(record, kPointSize, pointSize);
    writeInt(record, kHeight, height);
    record[kBold] = bold ? 1 : 0;
    record[kItalic] = italic ? 1 : 0;
    record[kUnderline] = underline ? 1 : 0;
    record[kStrikeOut] = strikeOut ? 1 : 0;
    return bytes;
}

qint32 characterHeight(qint32 pointSize, int dotsPerInch)
{
    if (pointSize <= 0 || dotsPerInch <= 0)
        return 0;
    const qint64 scaled = qint64(pointSize) * dotsPerInch;
    return -qint32(std::min<qint64>((scaled + 36) / 72, std::numeric_limits<qint32>::max()));
}

std::optional<FontRecord> readFontRecord(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return FontRecord::fromBytes(file.read(FontRecord::kSize));
}

void writeFontRecord(const QString &path, const FontRecord &record)
{
    QByteArray content = record.toBytes();
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) {
        const QByteArray old = existing.readAll();
        if (old.size() > FontRecord::kSize)
            content += old.mid(FontRecord::kSize);
    }
    writeFileAtomically(path, content, path + QLatin1Char('~'));
}
