#include "platform/picturecodecs.h"
#include "platform/pictures.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <vector>

#include <png.h>

// PNG through libpng. Every colour type (palette, grey, grey with alpha, 16-bit, tRNS,
// interlaced) is expanded to 8-bit RGBA. libpng leaves a failing call with longjmp, so the
// functions that set the jump point (pngStart, pngReadRows, pngWriteAll) hold only plain C
// data; their callers own the images and the row tables and free libpng's state.

namespace picturecodecs
{
namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("images", text);
}

// Text and profile chunks are small; a larger one is refused instead of inflated.
constexpr png_alloc_size_t kMaxChunkBytes = 8 * 1024 * 1024;

struct PngDecode {
    png_structp png;
    png_infop info;
    const unsigned char *data;
    size_t size;
    size_t position;
    bool rowsRead;
    char message[256];
};

struct PngEncode {
    png_structp png;
    png_infop info;
    unsigned char *out;
    size_t size;
    size_t capacity;
    char message[256];
};

[[noreturn]] void jumpOnError(png_structp png, png_const_charp message)
{
    auto *text = static_cast<char *>(png_get_error_ptr(png));
    std::strncpy(text, message ? message : "", 255);
    text[255] = '\0';
    png_longjmp(png, 1);
}

void stayQuiet(png_structp, png_const_charp) {}

void readFromMemory(png_structp png, png_bytep out, size_t count)
{
    auto *d = static_cast<PngDecode *>(png_get_io_ptr(png));
    if (count > d->size - d->position)
        png_error(png, "data ends early");
    std::memcpy(out, d->data + d->position, count);
    d->position += count;
}

void writeToMemory(png_structp png, png_bytep data, size_t count)
{
    auto *e = static_cast<PngEncode *>(png_get_io_ptr(png));
    if (count > e->capacity - e->size) {
        size_t capacity = e->capacity ? e->capacity : 65536;
        while (count > capacity - e->size)
            capacity *= 2;
        auto *grown = static_cast<unsigned char *>(std::realloc(e->out, capacity));
        if (!grown)
            png_error(png, "out of memory");
        e->out = grown;
        e->capacity = capacity;
    }
    std::memcpy(e->out + e->size, data, count);
    e->size += count;
}

void flushNothing(png_structp) {}

bool pngStart(PngDecode *d)
{
    d->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, d->message, jumpOnError, stayQuiet);
    if (!d->png)
        return false;
    d->info = png_create_info_struct(d->png);
    if (!d->info)
        return false;
    if (setjmp(png_jmpbuf(d->png)))
        return false;
    png_set_user_limits(d->png, kMaxPictureSide, kMaxPictureSide);
    png_set_chunk_malloc_max(d->png, kMaxChunkBytes);
    png_set_read_fn(d->png, d, readFromMemory);
    png_read_info(d->png, d->info);
    const int colourType = png_get_color_type(d->png, d->info);
    png_set_expand(d->png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(d->png);
    if (!(colourType & PNG_COLOR_MASK_COLOR))
        png_set_gray_to_rgb(d->png);
    if (!(colourType & PNG_COLOR_MASK_ALPHA) && !png_get_valid(d->png, d->info, PNG_INFO_tRNS))
        png_set_add_alpha(d->png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(d->png);
    png_read_update_info(d->png, d->info);
    return true;
}

bool pngReadRows(PngDecode *d, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(d->png)))
        return false;
    png_read_image(d->png, rows);
    d->rowsRead = true;
    png_read_end(d->png, nullptr);
    return true;
}

bool pngWriteAll(PngEncode *e, png_bytepp rows, unsigned width, unsigned height, bool alpha)
{
    e->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, e->message, jumpOnError, stayQuiet);
    if (!e->png)
        return false;
    e->info = png_create_info_struct(e->png);
    if (!e->info)
        return false;
    if (setjmp(png_jmpbuf(e->png)))
        return false;
    png_set_write_fn(e->png, e, writeToMemory, flushNothing);
    png_set_IHDR(e->png, e->info, width, height, 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(e->png, e->info);
    png_write_image(e->png, rows);
    png_write_end(e->png, nullptr);
    return true;
}

QString detail(const char *message)
{
    return QString::fromLatin1(message).trimmed();
}

} // namespace

QImage decodePng(QByteArrayView bytes, QString *reason)
{
    PngDecode d{};
    d.data = reinterpret_cast<const unsigned char *>(bytes.data());
    d.size = size_t(bytes.size());
    const auto destroy = [&d] { png_destroy_read_struct(&d.png, &d.info, nullptr); };
    if (!pngStart(&d)) {
        *reason = tr("ce n'est pas une image PNG lisible (%1)").arg(detail(d.message));
        destroy();
        return {};
    }
    const qint64 width = png_get_image_width(d.png, d.info);
    const qint64 height = png_get_image_height(d.png, d.info);
    if (!pictureSizeAllowed(width, height) ||
        png_get_rowbytes(d.png, d.info) != size_t(width) * 4) {
        *reason = tooLargeReason(width, height);
        destroy();
        return {};
    }
    QImage image(int(width), int(height), QImage::Format_RGBA8888);
    if (image.isNull()) {
        *reason = tr("mémoire insuffisante pour l'image");
        destroy();
        return {};
    }
    image.fill(Qt::transparent);
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < int(height); ++y)
        rows[size_t(y)] = image.scanLine(y);
    const bool complete = pngReadRows(&d, rows.data());
    destroy();
    // Damage after the last row (a missing end chunk) does not spoil the picture.
    if (!complete && !d.rowsRead) {
        *reason = tr("les données PNG sont endommagées (%1)").arg(detail(d.message));
        return {};
    }
    return image;
}

QByteArray encodePng(const QImage &image, QString *reason)
{
    const bool alpha = image.hasAlphaChannel();
    const QImage source =
        image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (source.isNull()) {
        *reason = tr("mémoire insuffisante pour l'image");
        return {};
    }
    std::vector<png_bytep> rows(size_t(source.height()));
    for (int y = 0; y < source.height(); ++y)
        rows[size_t(y)] = const_cast<png_bytep>(source.constScanLine(y));
    PngEncode e{};
    const bool written =
        pngWriteAll(&e, rows.data(), unsigned(source.width()), unsigned(source.height()), alpha);
    QByteArray bytes;
    if (written)
        bytes = QByteArray(reinterpret_cast<const char *>(e.out), qsizetype(e.size));
    else
        *reason = tr("l'encodage PNG a échoué (%1)").arg(detail(e.message));
    png_destroy_write_struct(&e.png, &e.info);
    std::free(e.out);
    return bytes;
}

} // namespace picturecodecs
