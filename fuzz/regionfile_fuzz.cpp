// The image-map region records on arbitrary bytes.
//
// Decoding any bytes stays inside them; a decoded record written to its file and read back
// gives the same record, and its bytes encode again unchanged.

#include "fuzz/fuzzsupport.h"
#include "wizards/regionfiles.h"

#include <optional>

namespace
{

fuzz::ScratchDir *scratch;

template <typename Region>
void roundTrip(QByteArrayView bytes, RegionShape shape,
               std::optional<Region> (*decode)(QByteArrayView))
{
    const qsizetype size = regionrecords::recordSize(shape);
    fuzz::require(!decode(bytes.first(std::min(bytes.size(), size - 1))),
                  "a short record does not decode");
    if (bytes.size() < size)
        return;
    const std::optional<Region> region = decode(bytes.first(size));
    fuzz::require(region.has_value(), "a record of the right size decodes");
    const QByteArray record = regionrecords::encode(*region);
    fuzz::require(record.size() == size, "an encoded record has the record size");
    const RegionFile file(scratch->file(QString()), shape);
    const int number = 1 + quint8(bytes[0]) % 8;
    file.write(number, record);
    const QByteArray read = file.read(number);
    fuzz::require(read == record, "a written record reads back byte for byte");
    const std::optional<Region> again = decode(read);
    fuzz::require(again && *again == *region, "a written record reads back as the same region");
    fuzz::require(regionrecords::encode(*again) == record, "encoding is stable");
    file.remove();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    scratch = new fuzz::ScratchDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytes(data, size);
    roundTrip<RectRegion>(bytes, RegionShape::Rect, regionrecords::decodeRect);
    roundTrip<CircleRegion>(bytes, RegionShape::Circle, regionrecords::decodeCircle);
    roundTrip<PolyRegion>(bytes, RegionShape::Poly, regionrecords::decodePoly);
    return 0;
}
