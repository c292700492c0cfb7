#include "tests/support/testpictures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

namespace testpictures
{
namespace
{

// The specs are the tests' own: a library error here is a fault of the test itself.
[[noreturn]] void failTest(const char *what)
{
    std::fprintf(stderr, "test picture writer: %s\n", what);
    std::abort();
}

int channelsOf(int colourType)
{
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

// Rows packed at the bit depth: below 8 bits the first pixel takes the high bits, 16-bit
// samples are big-endian.
std::vector<std::vector<png_byte>> packedRows(const PngSpec &layout)
{
    const int channels = channelsOf(layout.colourType);
    const int perRow = layout.width * channels;
    std::vector<std::vector<png_byte>> rows(size_t(layout.height));
    for (int y = 0; y < layout.height; ++y) {
        std::vector<png_byte> &row = rows[size_t(y)];
        row.assign(size_t((perRow * layout.bitDepth + 7) / 8), 0);
        for (int i = 0; i < perRow; ++i) {
            const int value = layout.samples.value(y * perRow + i);
            if (layout.bitDepth == 16) {
                row[size_t(2 * i)] = png_byte(value >> 8);
                row[size_t(2 * i + 1)] = png_byte(value & 0xFF);
            } else if (layout.bitDepth == 8) {
                row[size_t(i)] = png_byte(value);
            } else {
                const int bit = i * layout.bitDepth;
                row[size_t(bit / 8)] |= png_byte(value << (8 - layout.bitDepth - bit % 8));
            }
        }
    }
    return rows;
}

void appendPng(png_structp png, png_bytep data, size_t count)
{
    static_cast<QByteArray *>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char *>(data), qsizetype(count));
}

void pngFailure(png_structp, png_const_charp message)
{
    failTest(message);
}

int appendGif(GifFileType *gif, const GifByteType *data, int count)
{
    static_cast<QByteArray *>(gif->UserData)
        ->append(reinterpret_cast<const char *>(data), qsizetype(count));
    return count;
}

ColorMapObject *gifMap(const QList<QRgb> &colours)
{
    if (colours.isEmpty())
        return nullptr;
    std::vector<GifColorType> entries;
    for (QRgb colour : colours)
        entries.push_back(
            {GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))});
    ColorMapObject *map = GifMakeMapObject(int(entries.size()), entries.data());
    if (!map)
        failTest("GIF colour maps need a power of two colours");
    return map;
}

void jpegFailure(j_common_ptr info)
{
    char message[JMSG_LENGTH_MAX];
    info->err->format_message(info, message);
    failTest(message);
}

} // namespace

QByteArray png(const PngSpec &layout)
{
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngFailure, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, appendPng, nullptr);
    png_set_IHDR(png, info, png_uint_32(layout.width), png_uint_32(layout.height), layout.bitDepth,
                 layout.colourType, layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (QRgb colour : layout.palette)
        palette.push_back(
            {png_byte(qRed(colour)), png_byte(qGreen(colour)), png_byte(qBlue(colour))});
    if (!palette.empty())
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    std::vector<png_byte> alphas(layout.trnsAlpha.begin(), layout.trnsAlpha.end());
    png_color_16 transparent{};
    if (layout.trnsColour.size() == 1)
        transparent.gray = png_uint_16(layout.trnsColour[0]);
    if (layout.trnsColour.size() == 3) {
        transparent.red = png_uint_16(layout.trnsColour[0]);
        transparent.green = png_uint_16(layout.trnsColour[1]);
        transparent.blue = png_uint_16(layout.trnsColour[2]);
    }
    if (!alphas.empty() || !layout.trnsColour.isEmpty())
        png_set_tRNS(png, info, alphas.empty() ? nullptr : alphas.data(), int(alphas.size()),
                     layout.trnsColour.isEmpty() ? nullptr : &transparent);
    std::vector<std::vector<png_byte>> rows = packedRows(layout);
    std::vector<png_bytep> pointers;
    for (auto &row : rows)
        pointers.push_back(row.data());
    png_write_info(png, info);
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

QByteArray gif(const GifSpec &layout)
{
    QByteArray out;
    int error = 0;
    GifFileType *file = EGifOpen(&out, appendGif, &error);
    if (!file)
        failTest("EGifOpen");
    EGifSetGifVersion(file, true);
    ColorMapObject *global = gifMap(layout.globalMap);
    if (EGifPutScreenDesc(file, layout.width, layout.height, 8, 0, global) == GIF_ERROR)
        failTest("EGifPutScreenDesc");
    GifFreeMapObject(global);
    for (const GifFrame &frame : layout.frames) {
        if (frame.transparentIndex >= 0) {
            GraphicsControlBlock control{};
            control.DisposalMode = DISPOSAL_UNSPECIFIED;
            control.TransparentColor = frame.transparentIndex;
            GifByteType block[4];
            const size_t length = EGifGCBToExtension(&control, block);
            EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, int(length), block);
        }
        ColorMapObject *local = gifMap(frame.localMap);
        if (EGifPutImageDesc(file, frame.left, frame.top, frame.width, frame.height,
                             frame.interlaced, local) == GIF_ERROR)
            failTest("EGifPutImageDesc");
        GifFreeMapObject(local);
        std::vector<int> order;
        if (frame.interlaced) {
            const int passes[4][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
            for (const auto &pass : passes)
                for (int y = pass[0]; y < frame.height; y += pass[1])
                    order.push_back(y);
        } else {
            for (int y = 0; y < frame.height; ++y)
                order.push_back(y);
        }
        std::vector<GifPixelType> line(size_t(frame.width));
        for (int y : order) {
            for (int x = 0; x < frame.width; ++x)
                line[size_t(x)] = GifPixelType(frame.indexes.value(y * frame.width + x));
            if (EGifPutLine(file, line.data(), frame.width) == GIF_ERROR)
                failTest("EGifPutLine");
        }
    }
    if (EGifCloseFile(file, &error) == GIF_ERROR)
        failTest("EGifCloseFile");
    return out;
}

QByteArray gifWithLocalMapCut(const QByteArray &file, int keptColours)
{
    // Header (6) and screen descriptor (7), then the image separator and its 9 bytes, the
    // last of which gives the local map's size.
    const int packed = 13 + 9;
    const int colours = 1 << ((quint8(file[packed]) & 7) + 1);
    int bits = 0;
    while ((2 << bits) < keptColours)
        ++bits;
    QByteArray cut = file;
    cut[packed] = char((quint8(file[packed]) & ~7) | bits);
    cut.remove(packed + 1 + 3 * keptColours, 3 * (colours - keptColours));
    return cut;
}

QByteArray gifWithGlobalMapRemoved(const QByteArray &file)
{
    const int packed = 10;
    const int colours = 1 << ((quint8(file[packed]) & 7) + 1);
    QByteArray cut = file;
    cut[packed] = char(quint8(file[packed]) & 0x70);
    cut.remove(13, 3 * colours);
    return cut;
}

QByteArray jpeg(const QImage &image, JpegKind kind, int quality, bool progressive)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = jpegFailure;
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(source.width());
    info.image_height = JDIMENSION(source.height());
    info.input_components = kind == JpegKind::Grey ? 1 : kind == JpegKind::Rgb ? 3 : 4;
    info.in_color_space = kind == JpegKind::Grey  ? JCS_GRAYSCALE
                          : kind == JpegKind::Rgb ? JCS_RGB
                                                  : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(source.width() * info.input_components));
    while (info.next_scanline < info.image_height) {
        const auto *in =
            reinterpret_cast<const QRgb *>(source.constScanLine(int(info.next_scanline)));
        for (int x = 0; x < source.width(); ++x) {
            const int r = qRed(in[x]), g = qGreen(in[x]), b = qBlue(in[x]);
            if (kind == JpegKind::Grey) {
                row[size_t(x)] = JSAMPLE(r);
            } else if (kind == JpegKind::Rgb) {
                row[size_t(3 * x)] = JSAMPLE(r);
                row[size_t(3 * x + 1)] = JSAMPLE(g);
                row[size_t(3 * x + 2)] = JSAMPLE(b);
            } else {
                // Inverted inks: black ink K = 255 − max; the other three scaled against it.
                const int most = std::max({r, g, b});
                JSAMPLE *out = &row[size_t(4 * x)];
                out[0] = JSAMPLE(most ? r * 255 / most : 0);
                out[1] = JSAMPLE(most ? g * 255 / most : 0);
                out[2] = JSAMPLE(most ? b * 255 / most : 0);
                out[3] = JSAMPLE(most);
            }
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

} // namespace testpictures
