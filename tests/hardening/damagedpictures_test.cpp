// Damaged, truncated and foreign picture files: each gives a picture or one message naming the
// file, never a crash; what cannot be a picture is always refused.

#include "platform/pictures.h"
#include "tests/support/tempprogramdir.h"
#include "tests/support/testpictures.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <png.h>

namespace
{

using namespace testpictures;

struct Sample {
    const char *name;
    QByteArray bytes;
};

QList<Sample> samples()
{
    QImage photo(48, 40, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 5, y * 6, (x ^ y) * 4));
    GifFrame frame{0, 0, 4, 12};
    for (int i = 0; i < 48; ++i)
        frame.indexes << i % 4;
    frame.interlaced = true;
    frame.transparentIndex = 2;
    PngSpec interlaced{
        PNG_COLOR_TYPE_PALETTE, 2, 12, 10, {}, {0xFF000000, 0xFFFFFFFF, 0xFF00FF00}, {0, 100}, {}};
    for (int i = 0; i < 120; ++i)
        interlaced.samples << i % 3;
    interlaced.interlaced = true;
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        photo.save(&buffer, "BMP");
    }
    return {
        {"plan.gif", gif({4, 12, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}, {frame}})},
        {"photo.jpg", jpeg(photo, JpegKind::Rgb, 80)},
        {"progressif.jpg", jpeg(photo, JpegKind::Rgb, 80, true)},
        {"encre.jpg", jpeg(photo, JpegKind::AdobeCmyk, 80)},
        {"palette.png", png(interlaced)},
        {"photo.bmp", bmp},
    };
}

void expectPictureOrMessage(const QString &path, const char *what)
{
    SCOPED_TRACE(what);
    const PictureResult result = readPicture(path);
    if (result.ok()) {
        EXPECT_TRUE(pictureSizeAllowed(result.image.width(), result.image.height()));
        return;
    }
    EXPECT_TRUE(result.image.isNull());
    EXPECT_TRUE(result.error.contains(path)) << result.error.toStdString();
}

// Every file cut at many lengths and with bytes changed at many places.
TEST(DamagedPictures, CutsAndFlippedBytesGiveAPictureOrAMessage)
{
    TempProgramDir dir(false);
    QRandomGenerator random(20261208);
    for (const Sample &sample : samples()) {
        SCOPED_TRACE(sample.name);
        const QString path = dir.file(sample.name);
        const qsizetype step = std::max<qsizetype>(1, sample.bytes.size() / 60);
        for (qsizetype cut = 0; cut < sample.bytes.size(); cut += step) {
            dir.writeBytes(sample.name, sample.bytes.left(cut));
            expectPictureOrMessage(path, "cut");
        }
        for (int round = 0; round < 80; ++round) {
            QByteArray damaged = sample.bytes;
            for (int flips = 0; flips < 1 + round % 4; ++flips)
                damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
            dir.writeBytes(sample.name, damaged);
            expectPictureOrMessage(path, "flipped");
        }
        dir.writeBytes(sample.name, sample.bytes);
        EXPECT_TRUE(readPicture(path).ok()) << "the undamaged sample reads";
    }
}

TEST(DamagedPictures, ForeignAndEmptyDataIsRefused)
{
    TempProgramDir dir(false);
    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &b : noise)
        b = char(random.bounded(256));
    const QList<Sample> files = samples();
    for (const char *extension : {"gif", "jpg", "png", "bmp"}) {
        for (const auto &[label, bytes] :
             {std::pair{"vide", QByteArray()}, std::pair{"bruit", noise},
              std::pair{"texte", QByteArray("<HTML><BODY>page</BODY></HTML>\r\n")},
              std::pair{"entete", files[4].bytes.left(33)}}) {
            const QString name = QStringLiteral("%1.%2").arg(label, extension);
            dir.writeBytes(name, bytes);
            const PictureResult result = readPicture(dir.file(name));
            EXPECT_FALSE(result.ok()) << name.toStdString();
            EXPECT_TRUE(result.error.contains(dir.file(name))) << result.error.toStdString();
        }
    }
}

// A GIF of 16390 × 9 handed to the BMP decoder: no other format's reader takes it instead.
TEST(DamagedPictures, TheBitmapReaderReadsOnlyBitmaps)
{
    const QByteArray wideGif = QByteArray::fromBase64(
        "R0lGODlhBkAJAPEAAAAGAAkAQAIN/////yH5BAEAAAEALAAAAAAGAAkAQAINRDRmqJexXg==");
    for (PictureFormat format : {PictureFormat::Gif, PictureFormat::Bmp})
        EXPECT_FALSE(decodePicture(wideGif, format, QStringLiteral("large.img")).ok());
    const QList<Sample> files = samples();
    EXPECT_FALSE(decodePicture(files[0].bytes, PictureFormat::Bmp, "plan.gif").ok());
    EXPECT_FALSE(decodePicture(files[4].bytes, PictureFormat::Bmp, "palette.png").ok());
}

} // namespace
