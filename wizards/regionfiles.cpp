#include "wizards/regionfiles.h"

#include "platform/cp1252.h"
#include "platform/ioerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("fichiers", text);
}

void putInt(QByteArray &record, qsizetype at, qint32 value)
{
    qToLittleEndian<qint32>(value, record.data() + at);
}

qint32 getInt(QByteArrayView record, qsizetype at)
{
    return qFromLittleEndian<qint32>(record.data() + at);
}

// A text field: length byte then 255 bytes, the unused ones zero.
void putText(QByteArray &record, qsizetype at, const QString &text)
{
    const QByteArray bytes = regionrecords::storedText(text);
    record[at] = char(bytes.size());
    std::copy(bytes.begin(), bytes.end(), record.begin() + at + 1);
}

QString getText(QByteArrayView record, qsizetype at)
{
    const int length = quint8(record[at]);
    return cp1252::decode(record.sliced(at + 1, length));
}

// Link (256 bytes), text (256 bytes), flag (1 byte) and three zero bytes from `at`.
void putLink(QByteArray &record, qsizetype at, const RegionLink &link)
{
    putText(record, at, link.link);
    putText(record, at + 256, link.text);
    record[at + 512] = link.fileLink ? 1 : 0;
}

RegionLink getLink(QByteArrayView record, qsizetype at)
{
    return {getText(record, at), getText(record, at + 256), record[at + 512] != 0};
}

} // namespace

int PolyRegion::vertexCount() const
{
    int count = 0;
    while (count < kSlots && vertices[size_t(count)].x() != -1)
        ++count;
    return count;
}

namespace regionrecords
{

qsizetype recordSize(RegionShape shape)
{
    switch (shape) {
    case RegionShape::Rect:
        return kRectSize;
    case RegionShape::Circle:
        return kCircleSize;
    case RegionShape::Poly:
        break;
    }
    return kPolySize;
}

QString fileName(RegionShape shape)
{
    switch (shape) {
    case RegionShape::Rect:
        return QStringLiteral("rect.tmp");
    case RegionShape::Circle:
        return QStringLiteral("circle.tmp");
    case RegionShape::Poly:
        break;
    }
    return QStringLiteral("poly.tmp");
}

QByteArray storedText(const QString &text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = cp1252::code(text[i]);
        QByteArray piece;
        if (code >= 0) {
            piece = QByteArray(1, char(code));
        } else {
            char32_t point = text[i].unicode();
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                point = QChar::surrogateToUcs4(text[i], text[i + 1]);
                ++i;
            }
            piece = "&#" + QByteArray::number(quint32(point)) + ';';
        }
        if (out.size() + piece.size() > kTextBytes)
            break;
        out += piece;
    }
    return out;
}

QByteArray encode(const RectRegion &region)
{
    QByteArray record(kRectSize, '\0');
    putInt(record, 0, region.first.x());
    putInt(record, 4, region.first.y());
    putInt(record, 8, region.second.x());
    putInt(record, 12, region.second.y());
    putLink(record, 16, region.link);
    return record;
}

QByteArray encode(const CircleRegion &region)
{
    QByteArray record(kCircleSize, '\0');
    putInt(record, 0, region.centre.x());
    putInt(record, 4, region.centre.y());
    putInt(record, 8, region.radius);
    putLink(record, 12, region.link);
    return record;
}

QByteArray encode(const PolyRegion &region)
{
    QByteArray record(kPolySize, '\0');
    for (int i = 0; i < PolyRegion::kSlots; ++i) {
        putInt(record, 8 * i, region.vertices[size_t(i)].x());
        putInt(record, 8 * i + 4, region.vertices[size_t(i)].y());
    }
    putLink(record, 800, region.link);
    return record;
}

std::optional<RectRegion> decodeRect(QByteArrayView bytes)
{
    if (bytes.size() != kRectSize)
        return std::nullopt;
    return RectRegion{{getInt(bytes, 0), getInt(bytes, 4)},
                      {getInt(bytes, 8), getInt(bytes, 12)},
                      getLink(bytes, 16)};
}

std::optional<CircleRegion> decodeCircle(QByteArrayView bytes)
{
    if (bytes.size() != kCircleSize)
        return std::nullopt;
    return CircleRegion{{getInt(bytes, 0), getInt(bytes, 4)}, getInt(bytes, 8), getLink(bytes, 12)};
}

std::optional<PolyRegion> decodePoly(QByteArrayView bytes)
{
    if (bytes.size() != kPolySize)
        return std::nullopt;
    PolyRegion region;
    for (int i = 0; i < PolyRegion::kSlots; ++i)
        region.vertices[size_t(i)] = QPoint(getInt(bytes, 8 * i), getInt(bytes, 8 * i + 4));
    region.link = getLink(bytes, 800);
    return region;
}

} // namespace regionrecords

RegionFile::RegionFile(const QString &directory, RegionShape shape)
    : m_path(QDir(directory).filePath(regionrecords::fileName(shape))), m_shape(shape)
{
}

void RegionFile::write(int number, const QByteArray &record) const
{
    const qsizetype size = regionrecords::recordSize(m_shape);
    if (number < 1 || record.size() != size)
        throw IoError(tr("Enregistrement %1 invalide pour le fichier %2.").arg(number).arg(m_path));
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite))
        throw IoError(tr("Impossible d'écrire le fichier %1 : %2").arg(m_path, file.errorString()));
    const qint64 offset = qint64(number) * size;
    bool ok = true;
    // Records before this one that the file lacks (record 0 at least) are zero bytes.
    const qint64 held = file.size();
    if (held < offset)
        ok = file.seek(held) && file.write(QByteArray(offset - held, '\0')) == offset - held;
    ok = ok && file.seek(offset) && file.write(record) == size && file.flush();
    if (!ok)
        throw IoError(tr("Impossible d'écrire le fichier %1 : %2").arg(m_path, file.errorString()));
}

QByteArray RegionFile::read(int number) const
{
    const qsizetype size = regionrecords::recordSize(m_shape);
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            throw IoError(tr("Le fichier %1 est introuvable.").arg(m_path));
        throw IoError(tr("Impossible de lire le fichier %1 : %2").arg(m_path, file.errorString()));
    }
    const qint64 offset = qint64(number) * size;
    QByteArray record;
    if (number >= 1 && file.seek(offset))
        record = file.read(size);
    if (record.size() != size)
        throw IoError(
            tr("Le fichier %1 ne contient pas l'enregistrement %2.").arg(m_path).arg(number));
    return record;
}

void RegionFile::remove() const
{
    QFile::remove(m_path);
}
