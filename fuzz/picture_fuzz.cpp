// Any bytes through each picture decoder.
//
// Every decoder gives either an error message and no picture, or a picture of the size its
// header announces, within the size bounds. A decoded PNG encoded again and decoded once more
// keeps every pixel.

#include "fuzz/fuzzsupport.h"
#include "platform/pictures.h"

#include <QGuiApplication>

namespace
{

quint32 littleEndian16(QByteArrayView bytes, qsizetype at)
{
    return quint8(bytes[at]) | quint32(quint8(bytes[at + 1])) << 8;
}

quint32 bigEndian32(QByteArrayView bytes, qsizetype at)
{
    return quint32(quint8(bytes[at])) << 24 | quint32(quint8(bytes[at + 1])) << 16 |
           quint32(quint8(bytes[at + 2])) << 8 | quint8(bytes[at + 3]);
}

// The size a header announces, where it stands at a fixed place; an empty size elsewhere.
QSize announcedSize(QByteArrayView bytes, PictureFormat format)
{
    if (format == PictureFormat::Gif && bytes.size() >= 10 && littleEndian16(bytes, 6) > 0 &&
        littleEndian16(bytes, 8) > 0)
        return QSize(int(littleEndian16(bytes, 6)), int(littleEndian16(bytes, 8)));
    if (format == PictureFormat::Png && bytes.size() >= 24)
        return QSize(int(bigEndian32(bytes, 16)), int(bigEndian32(bytes, 20)));
    return QSize();
}

QImage asArgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytes(data, size);
    const QString name = QStringLiteral("essai.img");
    for (PictureFormat format :
         {PictureFormat::Gif, PictureFormat::Jpeg, PictureFormat::Png, PictureFormat::Bmp}) {
        const PictureResult result = decodePicture(bytes, format, name);
        if (!result.ok()) {
            fuzz::require(result.image.isNull() && result.error.contains(name),
                          "a failure gives no picture and a message naming the file", result.error);
            continue;
        }
        const QSize size = result.image.size();
        fuzz::require(pictureSizeAllowed(size.width(), size.height()),
                      "a decoded picture stays within the bounds");
        const QSize announced = announcedSize(bytes, format);
        fuzz::require(!announced.isValid() || announced == size,
                      "a picture has the size its header announces");
        if (format != PictureFormat::Png)
            continue;
        QString error;
        const QByteArray encoded = encodePng(result.image, name, &error);
        fuzz::require(!encoded.isEmpty(), "a decoded PNG can be encoded again", error);
        const PictureResult again = decodePicture(encoded, PictureFormat::Png, name);
        fuzz::require(again.ok() && asArgb(again.image) == asArgb(result.image),
                      "PNG decode, encode and decode keeps every pixel");
    }
    return 0;
}
