#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QPoint>
#include <QString>

#include <array>
#include <optional>

// The image-map regions on their way from the region editor to the map command: three files
// of fixed-size records beside the program. Integers are 32-bit little-endian; a text is one
// length byte and 255 bytes of Windows-1252; then a file-link flag byte and three zero bytes.
// Regions are records 1, 2, ... at offset number × size; record 0 is never used.

// The link of a region and its alternative text, as the user gave them.
struct RegionLink {
    QString link;
    QString text;
    bool fileLink = false; // the link names a local file
    bool operator==(const RegionLink &) const = default;
};

struct RectRegion {
    QPoint first, second; // the corners as clicked, not reordered
    RegionLink link;
    bool operator==(const RectRegion &) const = default;
};

struct CircleRegion {
    QPoint centre;
    qint32 radius = 0;
    RegionLink link;
    bool operator==(const CircleRegion &) const = default;
};

struct PolyRegion {
    static constexpr int kSlots = 100;
    static constexpr QPoint kUnset{-1, -1};
    std::array<QPoint, kSlots> vertices;
    RegionLink link;
    PolyRegion() { vertices.fill(kUnset); }
    // The vertices up to the first slot whose x is -1.
    int vertexCount() const;
    bool operator==(const PolyRegion &) const = default;
};

enum class RegionShape { Rect, Circle, Poly };

namespace regionrecords
{

constexpr int kTextBytes = 255;
constexpr qsizetype kRectSize = 532;
constexpr qsizetype kCircleSize = 528;
constexpr qsizetype kPolySize = 1316;

qsizetype recordSize(RegionShape shape);
// "rect.tmp", "circle.tmp", "poly.tmp".
QString fileName(RegionShape shape);

// A text as stored: Windows-1252, every character the code page lacks written as its numeric
// reference ("&#261;"), cut to 255 bytes without splitting a reference.
QByteArray storedText(const QString &text);

QByteArray encode(const RectRegion &region);
QByteArray encode(const CircleRegion &region);
QByteArray encode(const PolyRegion &region);

// Decoders of one record's bytes; nothing when the size is not the record size. A length
// byte is taken as it stands (0 to 255).
std::optional<RectRegion> decodeRect(QByteArrayView bytes);
std::optional<CircleRegion> decodeCircle(QByteArrayView bytes);
std::optional<PolyRegion> decodePoly(QByteArrayView bytes);

} // namespace regionrecords

// One region file. Each call opens the file, does its work and closes it; failures throw
// IoError naming the file.
class RegionFile
{
public:
    RegionFile(const QString &directory, RegionShape shape);

    QString path() const { return m_path; }
    RegionShape shape() const { return m_shape; }

    // Writes record `number` (1 or more): the file is created when missing, and the space
    // of any record before it that the file does not hold yet is zero-filled. Costs one
    // record's bytes whatever the number.
    void write(int number, const QByteArray &record) const;
    // Reads record `number`; throws when the file is missing or does not hold it.
    QByteArray read(int number) const;
    // Deletes the file; nothing when it is not there.
    void remove() const;

private:
    QString m_path;
    RegionShape m_shape;
};
