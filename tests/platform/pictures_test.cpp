#include "platform/pictures.h"
#include "tests/support/tempprogramdir.h"
#include "tests/support/testpictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <png.h>

#include <functional>
#include <sys/stat.h>

namespace
{

using namespace testpictures;

struct Pixel {
    int x, y;
    QRgb colour;
};

struct DecodeCase {
    const char *name;
    std::function<QByteArray()> file;
    PictureFormat format;
    int width, height;
    QList<Pixel> pixels;
    int tolerance = 0; // lossy formats
};

QRgb transparentOf(QRgb colour)
{
    return colour & 0x00FFFFFFu;
}

constexpr QRgb kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kWhite = 0xFFFFFFFFu,
               kBlack = 0xFF000000u;

QImage quarters(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y,
                           y < size / 2 ? (x < size / 2 ? kRed : kGreen)
                                        : (x < size / 2 ? kBlue : qRgb(128, 128, 128)));
    return image;
}

QByteArray qtBmp(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The interlaced pictures: a value per pixel that differs in every row and column, so a row
// put in the wrong pass shows.
int ramp(int x, int y)
{
    return (x * 29 + y * 7) & 0xFF;
}

QList<int> interlacedRgb(int size)
{
    QList<int> samples;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            samples << ramp(x, y) << ramp(y, x) << (x + y);
    return samples;
}

QList<Pixel> interlacedRgbPixels(int size)
{
    QList<Pixel> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            pixels.append({x, y, qRgb(ramp(x, y), ramp(y, x), x + y)});
    return pixels;
}

const QList<DecodeCase> &decodeCases()
{
    static const QList<DecodeCase> cases = {
        {"png palette 8 bits",
         [] {
             return png({PNG_COLOR_TYPE_PALETTE,
                         8,
                         2,
                         2,
                         {0, 1, 2, 3},
                         {kRed, kGreen, kBlue, kWhite},
                         {},
                         {}});
         },
         PictureFormat::Png,
         2,
         2,
         {{0, 0, kRed}, {1, 0, kGreen}, {0, 1, kBlue}, {1, 1, kWhite}}},
        {"png palette 4 bits with tRNS",
         [] {
             return png(
                 {PNG_COLOR_TYPE_PALETTE, 4, 3, 1, {0, 1, 2}, {kRed, kGreen, kBlue}, {0, 128}, {}});
         },
         PictureFormat::Png,
         3,
         1,
         {{0, 0, transparentOf(kRed)}, {1, 0, qRgba(0, 255, 0, 128)}, {2, 0, kBlue}}},
        {"png grey 1 bit",
         [] {
             return png({PNG_COLOR_TYPE_GRAY, 1, 9, 1, {1, 0, 0, 0, 0, 0, 0, 0, 1}, {}, {}, {}});
         },
         PictureFormat::Png,
         9,
         1,
         {{0, 0, kWhite}, {1, 0, kBlack}, {8, 0, kWhite}}},
        {"png grey 2 bits",
         [] {
             return png({PNG_COLOR_TYPE_GRAY, 2, 4, 1, {0, 1, 2, 3}, {}, {}, {}});
         },
         PictureFormat::Png,
         4,
         1,
         {{0, 0, kBlack}, {1, 0, qRgb(85, 85, 85)}, {2, 0, qRgb(170, 170, 170)}, {3, 0, kWhite}}},
        {"png grey 8 bits with tRNS",
         [] {
             return png({PNG_COLOR_TYPE_GRAY, 8, 2, 1, {7, 200}, {}, {}, {7}});
         },
         PictureFormat::Png,
         2,
         1,
         {{0, 0, qRgba(7, 7, 7, 0)}, {1, 0, qRgb(200, 200, 200)}}},
        {"png grey and alpha",
         [] {
             return png({PNG_COLOR_TYPE_GRAY_ALPHA, 8, 2, 1, {10, 255, 90, 64}, {}, {}, {}});
         },
         PictureFormat::Png,
         2,
         1,
         {{0, 0, qRgb(10, 10, 10)}, {1, 0, qRgba(90, 90, 90, 64)}}},
        {"png grey 16 bits",
         [] {
             return png({PNG_COLOR_TYPE_GRAY, 16, 2, 1, {0xFFFF, 0x8080}, {}, {}, {}});
         },
         PictureFormat::Png,
         2,
         1,
         {{0, 0, kWhite}, {1, 0, qRgb(128, 128, 128)}}},
        {"png RGB 8 bits",
         [] {
             return png({PNG_COLOR_TYPE_RGB, 8, 2, 1, {1, 2, 3, 250, 251, 252}, {}, {}, {}});
         },
         PictureFormat::Png,
         2,
         1,
         {{0, 0, qRgb(1, 2, 3)}, {1, 0, qRgb(250, 251, 252)}}},
        {"png RGB 16 bits with tRNS",
         [] {
             return png({PNG_COLOR_TYPE_RGB,
                         16,
                         2,
                         1,
                         {0x1000, 0x2000, 0x3000, 0xFFFF, 0, 0x8080},
                         {},
                         {},
                         {0x1000, 0x2000, 0x3000}});
         },
         PictureFormat::Png,
         2,
         1,
         {{0, 0, qRgba(16, 32, 48, 0)}, {1, 0, qRgb(255, 0, 128)}}},
        {"png RGBA 8 bits",
         [] {
             return png({PNG_COLOR_TYPE_RGB_ALPHA, 8, 1, 1, {9, 8, 7, 6}, {}, {}, {}});
         },
         PictureFormat::Png,
         1,
         1,
         {{0, 0, qRgba(9, 8, 7, 6)}}},
        {"png RGBA 16 bits",
         [] {
             return png(
                 {PNG_COLOR_TYPE_RGB_ALPHA, 16, 1, 1, {0xFFFF, 0, 0x8080, 0x4040}, {}, {}, {}});
         },
         PictureFormat::Png,
         1,
         1,
         {{0, 0, qRgba(255, 0, 128, 64)}}},
        {"png interlaced",
         [] {
             PngSpec layout{PNG_COLOR_TYPE_RGB, 8, 9, 9, interlacedRgb(9), {}, {}, {}};
             layout.interlaced = true;
             return png(layout);
         },
         PictureFormat::Png, 9, 9, interlacedRgbPixels(9)},
        {"gif global map",
         [] {
             return gif({2, 2, {kRed, kGreen, kBlue, kWhite}, {{0, 0, 2, 2, {3, 2, 1, 0}}}});
         },
         PictureFormat::Gif,
         2,
         2,
         {{0, 0, kWhite}, {1, 0, kBlue}, {0, 1, kGreen}, {1, 1, kRed}}},
        {"gif transparency",
         [] {
             GifFrame frame{0, 0, 2, 1, {0, 1}};
             frame.transparentIndex = 1;
             return gif({2, 1, {kRed, kGreen}, {frame}});
         },
         PictureFormat::Gif,
         2,
         1,
         {{0, 0, kRed}, {1, 0, 0}}},
        {"gif interlaced",
         [] {
             GifFrame frame{0, 0, 1, 11};
             for (int y = 0; y < 11; ++y)
                 frame.indexes << y % 4;
             frame.interlaced = true;
             return gif({1, 11, {kRed, kGreen, kBlue, kWhite}, {frame}});
         },
         PictureFormat::Gif,
         1,
         11,
         {{0, 0, kRed},
          {0, 1, kGreen},
          {0, 2, kBlue},
          {0, 3, kWhite},
          {0, 4, kRed},
          {0, 7, kWhite},
          {0, 9, kGreen},
          {0, 10, kBlue}}},
        {"gif local map before the global one",
         [] {
             GifFrame frame{0, 0, 2, 1, {0, 1}};
             frame.localMap = {kBlue, kWhite};
             return gif({2, 1, {kRed, kGreen}, {frame}});
         },
         PictureFormat::Gif,
         2,
         1,
         {{0, 0, kBlue}, {1, 0, kWhite}}},
        {"gif frame inside the screen",
         [] {
             return gif({4, 4, {kRed, kGreen}, {{1, 2, 2, 1, {1, 1}}}});
         },
         PictureFormat::Gif,
         4,
         4,
         {{0, 0, 0}, {1, 2, kGreen}, {2, 2, kGreen}, {3, 2, 0}}},
        {"gif frame clipped to the screen",
         [] {
             return gif({2, 2, {kRed, kGreen}, {{1, 1, 3, 3, {1, 0, 0, 0, 0, 0, 0, 0, 0}}}});
         },
         PictureFormat::Gif,
         2,
         2,
         {{0, 0, 0}, {1, 1, kGreen}}},
        {"gif second frame ignored",
         [] {
             return gif({1, 1, {kRed, kGreen}, {{0, 0, 1, 1, {0}}, {0, 0, 1, 1, {1}}}});
         },
         PictureFormat::Gif,
         1,
         1,
         {{0, 0, kRed}}},
        {"gif without colour map",
         [] {
             return gifWithGlobalMapRemoved(
                 gif({3, 1, {kRed, kGreen, kBlue, kWhite}, {{0, 0, 3, 1, {0, 1, 3}}}}));
         },
         PictureFormat::Gif,
         3,
         1,
         {{0, 0, kBlack}, {1, 0, qRgb(1, 1, 1)}, {2, 0, qRgb(3, 3, 3)}}},
        {"gif index beyond the colour map",
         [] {
             GifFrame frame{0, 0, 4, 1, {0, 1, 2, 3}};
             frame.localMap = {kRed, kGreen, kBlue, kWhite};
             return gifWithLocalMapCut(gif({4, 1, {}, {frame}}), 2);
         },
         PictureFormat::Gif,
         4,
         1,
         {{0, 0, kRed}, {1, 0, kGreen}, {2, 0, kBlack}, {3, 0, kBlack}}},
        {"jpeg grey",
         [] { return jpeg(quarters(16), JpegKind::Grey); },
         PictureFormat::Jpeg,
         16,
         16,
         {{2, 2, kWhite}, {13, 13, qRgb(128, 128, 128)}},
         3},
        {"jpeg RGB",
         [] { return jpeg(quarters(16), JpegKind::Rgb); },
         PictureFormat::Jpeg,
         16,
         16,
         {{2, 2, kRed}, {13, 2, kGreen}, {2, 13, kBlue}, {13, 13, qRgb(128, 128, 128)}},
         6},
        {"jpeg progressive",
         [] { return jpeg(quarters(16), JpegKind::Rgb, 100, true); },
         PictureFormat::Jpeg,
         16,
         16,
         {{2, 2, kRed}, {13, 13, qRgb(128, 128, 128)}},
         6},
        {"jpeg Adobe CMYK",
         [] { return jpeg(quarters(16), JpegKind::AdobeCmyk); },
         PictureFormat::Jpeg,
         16,
         16,
         {{2, 2, kRed}, {13, 2, kGreen}, {2, 13, kBlue}, {13, 13, qRgb(128, 128, 128)}},
         6},
        {"bmp",
         [] { return qtBmp(quarters(4)); },
         PictureFormat::Bmp,
         4,
         4,
         {{0, 0, kRed}, {3, 0, kGreen}, {0, 3, kBlue}}},
    };
    return cases;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance && qAlpha(a) == qAlpha(b);
}

TEST(Pictures, EachColourTypeDecodesToItsKnownPixels)
{
    for (const DecodeCase &c : decodeCases()) {
        SCOPED_TRACE(c.name);
        const QByteArray file = c.file();
        EXPECT_EQ(pictureFormatOfSignature(file), c.format);
        const PictureResult result = decodePicture(file, c.format, QStringLiteral("essai"));
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        ASSERT_EQ(result.image.size(), QSize(c.width, c.height));
        const QImage image = result.image.convertToFormat(QImage::Format_ARGB32);
        for (const Pixel &p : c.pixels) {
            const QRgb seen = image.pixel(p.x, p.y);
            // Fully transparent pixels are compared on their alpha only when lossy.
            EXPECT_TRUE(near(seen, p.colour, c.tolerance))
                << "pixel " << p.x << "," << p.y << " = " << std::hex << seen << " instead of "
                << p.colour;
        }
    }
}

TEST(Pictures, ReadingGoesByExtensionThenBySignatureAndRefusesWhatIsNoPicture)
{
    TempProgramDir dir(false);
    const QByteArray gifFile = gif({2, 1, {kRed, kGreen}, {{0, 0, 2, 1, {0, 1}}}});
    const QByteArray pngFile = png({PNG_COLOR_TYPE_RGB, 8, 1, 1, {1, 2, 3}, {}, {}, {}});
    dir.writeBytes("plan.GIF", gifFile);
    dir.writeBytes("sans-extension", pngFile);
    dir.writeBytes("deguise.gif", pngFile);
    dir.writeBytes("vide.png", QByteArray());
    dir.writeBytes("texte.xyz", "bonjour");
    QDir(dir.path()).mkdir("dossier.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("tube.png")).constData(), 0600), 0);

    const struct {
        const char *name;
        bool ok;
        QSize size;
        const char *inMessage;
    } cases[] = {
        {"plan.GIF", true, {2, 1}, ""},
        {"sans-extension", true, {1, 1}, ""},
        {"deguise.gif", false, {}, "GIF"},
        {"vide.png", false, {}, "PNG"},
        {"texte.xyz", false, {}, "reconnue"},
        {"dossier.png", false, {}, "répertoire"},
        {"tube.png", false, {}, "fichier ordinaire"},
        {"absent.png", false, {}, "introuvable"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PictureResult result = readPicture(dir.file(c.name));
        EXPECT_EQ(result.ok(), c.ok) << result.error.toStdString();
        if (c.ok) {
            EXPECT_EQ(result.image.size(), c.size);
            continue;
        }
        EXPECT_TRUE(result.image.isNull());
        EXPECT_TRUE(result.error.contains(dir.file(c.name))) << result.error.toStdString();
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.inMessage)))
            << result.error.toStdString();
    }
}

QImage wideLine()
{
    QImage image(kMaxPictureSide + 1, 1, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// Headers announcing a picture beyond the bounds are refused before any pixel is allocated.
TEST(Pictures, OversizedHeadersAreRefused)
{
    const struct {
        const char *name;
        QByteArray file;
        PictureFormat format;
    } cases[] = {
        {"gif wider than the side bound", gif({16385, 1, {kRed, kGreen}, {{0, 0, 1, 1, {0}}}}),
         PictureFormat::Gif},
        {"gif over the pixel bound", gif({8192, 8193, {kRed, kGreen}, {{0, 0, 1, 1, {0}}}}),
         PictureFormat::Gif},
        {"png taller than the side bound", png({PNG_COLOR_TYPE_GRAY, 1, 1, 16385, {}, {}, {}, {}}),
         PictureFormat::Png},
        {"jpeg wider than the side bound", jpeg(wideLine(), JpegKind::Grey, 50),
         PictureFormat::Jpeg},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const PictureResult result = decodePicture(c.file, c.format, QStringLiteral("grand.img"));
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.error.contains(QStringLiteral("grand.img")));
    }
    EXPECT_TRUE(pictureSizeAllowed(16384, 4096));
    EXPECT_FALSE(pictureSizeAllowed(16384, 4097));
    EXPECT_FALSE(pictureSizeAllowed(16385, 1));
    EXPECT_FALSE(pictureSizeAllowed(0, 10));
}

TEST(Pictures, JpegDataEndingEarlyShowsWhatWasDecoded)
{
    // A red top half, then noise: most of the file is the noise, so a cut lands in the rows.
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(kRed);
    for (int y = 32; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgb((x * 97 + y * 31) & 0xFF, (x * y * 13) & 0xFF, (x ^ y) * 4));
    const QByteArray whole = jpeg(image, JpegKind::Rgb, 90);
    const PictureResult cut = decodePicture(whole.left(whole.size() * 2 / 3), PictureFormat::Jpeg,
                                            QStringLiteral("coupe.jpg"));
    ASSERT_TRUE(cut.ok()) << cut.error.toStdString();
    EXPECT_EQ(cut.image.size(), QSize(64, 64));
    EXPECT_TRUE(near(cut.image.pixel(1, 1), kRed, 6));
    // Only its header: nothing decoded, a message.
    EXPECT_FALSE(decodePicture(whole.left(200), PictureFormat::Jpeg, "t.jpg").ok());
}

TEST(Pictures, EncodersRoundTripAndRefuseBadRequests)
{
    TempProgramDir dir(false);
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgba(x * 6, y * 8, (x * y) & 0xFF, (x + y) % 3 ? 255 : 0));

    QString error;
    ASSERT_TRUE(writePng(image, dir.file("a.png"), &error)) << error.toStdString();
    const PictureResult back = readPicture(dir.file("a.png"));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.image.convertToFormat(QImage::Format_ARGB32), image);

    // JPEG: transparency over white; a lower quality gives a smaller file.
    ASSERT_TRUE(writeJpeg(image, dir.file("a10.jpg"), 10, &error)) << error.toStdString();
    ASSERT_TRUE(writeJpeg(image, dir.file("a90.jpg"), 90, &error));
    EXPECT_LT(QFileInfo(dir.file("a10.jpg")).size(), QFileInfo(dir.file("a90.jpg")).size());
    QImage opaque(8, 8, QImage::Format_ARGB32);
    opaque.fill(Qt::transparent);
    ASSERT_TRUE(writeJpeg(opaque, dir.file("blanc.jpg"), 90, &error));
    EXPECT_TRUE(near(readPicture(dir.file("blanc.jpg")).image.pixel(4, 4), kWhite, 2));

    // Refusals leave the existing file as it was.
    dir.writeBytes("garde.jpg", "ancien");
    for (int quality : {0, 101, -5}) {
        EXPECT_FALSE(writeJpeg(image, dir.file("garde.jpg"), quality, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("entre 1 et 100"))) << error.toStdString();
    }
    EXPECT_FALSE(writePng(QImage(), dir.file("garde.jpg"), &error));
    EXPECT_TRUE(error.contains(dir.file("garde.jpg")));
    EXPECT_EQ(dir.readBytes("garde.jpg"), QByteArray("ancien"));
    EXPECT_FALSE(writePng(image, dir.file("absent/x.png"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
