#include "platform/picturecodecs.h"
#include "platform/pictures.h"

#include <QCoreApplication>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

// JPEG through libjpeg. libjpeg leaves a failing call through its error handler, which here
// jumps back with longjmp. The functions that set the jump point (jpegStart, jpegReadRows,
// jpegWriteAll) therefore hold only plain C data: no object with a destructor lives in them
// or in anything the jump skips. Their callers own the images and free libjpeg's state.

namespace picturecodecs
{
namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("images", text);
}

// Progressive files may carry any number of scans, each a pass over the whole picture; a
// real file has about ten.
constexpr int kMaxScans = 256;
// Working memory libjpeg may take for one picture, beside the picture itself.
constexpr long kMaxWorkingMemory = 512L * 1024 * 1024;

struct JpegErrors {
    jpeg_error_mgr manager; // first: libjpeg's pointer to it is a pointer to the whole
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpOnError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<JpegErrors *>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (corrupt data that libjpeg works around, data ending early) are not printed.
void stayQuiet(j_common_ptr) {}

void limitScans(j_common_ptr info)
{
    if (!info->is_decompressor)
        return;
    auto *decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) {
        auto *errors = reinterpret_cast<JpegErrors *>(info->err);
        std::snprintf(errors->message, sizeof errors->message, "more than %d scans", kMaxScans);
        std::longjmp(errors->jump, 1);
    }
}

void installErrors(jpeg_common_struct *info, JpegErrors *errors)
{
    info->err = jpeg_std_error(&errors->manager);
    errors->manager.error_exit = jumpOnError;
    errors->manager.output_message = stayQuiet;
    errors->message[0] = '\0';
}

struct JpegDecode {
    jpeg_decompress_struct info;
    JpegErrors errors;
    jpeg_progress_mgr progress;
    bool created;
    bool adobe;
    int rows;
};

bool jpegStart(JpegDecode *d, const unsigned char *data, unsigned long size)
{
    installErrors(reinterpret_cast<j_common_ptr>(&d->info), &d->errors);
    if (setjmp(d->errors.jump))
        return false;
    jpeg_create_decompress(&d->info);
    d->created = true;
    d->info.mem->max_memory_to_use = kMaxWorkingMemory;
    d->progress.progress_monitor = limitScans;
    d->info.progress = &d->progress;
    jpeg_mem_src(&d->info, data, size);
    jpeg_read_header(&d->info, TRUE);
    switch (d->info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        d->info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d->info.out_color_space = JCS_CMYK;
        break;
    default:
        d->info.out_color_space = JCS_RGB;
        break;
    }
    d->adobe = d->info.saw_Adobe_marker;
    return true;
}

// One decoded row into 32-bit pixels. Adobe's CMYK files store every ink inverted.
void convertRow(const JSAMPLE *in, QRgb *out, unsigned width, J_COLOR_SPACE space, bool adobe)
{
    for (unsigned x = 0; x < width; ++x) {
        if (space == JCS_GRAYSCALE) {
            out[x] = qRgb(in[x], in[x], in[x]);
        } else if (space == JCS_CMYK) {
            const JSAMPLE *p = in + 4 * x;
            int c = p[0], m = p[1], y = p[2], k = p[3];
            if (!adobe) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
        } else {
            const JSAMPLE *p = in + 3 * x;
            out[x] = qRgb(p[0], p[1], p[2]);
        }
    }
}

// Decodes into `bits`; d->rows counts the rows done, also when an error stops the decoding.
bool jpegReadRows(JpegDecode *d, unsigned char *bits, long stride)
{
    if (setjmp(d->errors.jump))
        return false;
    jpeg_start_decompress(&d->info);
    const unsigned width = d->info.output_width;
    JSAMPARRAY row =
        d->info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&d->info), JPOOL_IMAGE,
                                  width * unsigned(d->info.output_components), 1);
    while (d->info.output_scanline < d->info.output_height) {
        const unsigned y = d->info.output_scanline;
        if (jpeg_read_scanlines(&d->info, row, 1) != 1)
            break;
        convertRow(row[0], reinterpret_cast<QRgb *>(bits + long(y) * stride), width,
                   d->info.out_color_space, d->adobe);
        ++d->rows;
    }
    jpeg_finish_decompress(&d->info);
    return true;
}

struct JpegEncode {
    jpeg_compress_struct info;
    JpegErrors errors;
    bool created;
    unsigned char *out;
    unsigned long size;
};

bool jpegWriteAll(JpegEncode *e, const unsigned char *bits, long stride, int width, int height,
                  int quality)
{
    installErrors(reinterpret_cast<j_common_ptr>(&e->info), &e->errors);
    if (setjmp(e->errors.jump))
        return false;
    jpeg_create_compress(&e->info);
    e->created = true;
    jpeg_mem_dest(&e->info, &e->out, &e->size);
    e->info.image_width = JDIMENSION(width);
    e->info.image_height = JDIMENSION(height);
    e->info.input_components = 3;
    e->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e->info);
    jpeg_set_quality(&e->info, quality, TRUE);
    jpeg_start_compress(&e->info, TRUE);
    while (e->info.next_scanline < e->info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(bits + long(e->info.next_scanline) * stride);
        jpeg_write_scanlines(&e->info, &row, 1);
    }
    jpeg_finish_compress(&e->info);
    return true;
}

QString detail(const JpegErrors &errors)
{
    return QString::fromLatin1(errors.message).trimmed();
}

// Transparency laid over white, in the three-byte form the encoder takes.
QImage flattenedOnWhite(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage flat(source.size(), QImage::Format_RGB888);
    if (flat.isNull())
        return flat;
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = flat.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const int alpha = qAlpha(in[x]);
            const auto over = [alpha](int c) { return (c * alpha + 255 * (255 - alpha)) / 255; };
            out[3 * x] = uchar(over(qRed(in[x])));
            out[3 * x + 1] = uchar(over(qGreen(in[x])));
            out[3 * x + 2] = uchar(over(qBlue(in[x])));
        }
    }
    return flat;
}

} // namespace

QImage decodeJpeg(QByteArrayView bytes, QString *reason)
{
    JpegDecode d{};
    const auto destroy = [&d] {
        if (d.created)
            jpeg_destroy_decompress(&d.info);
    };
    if (!jpegStart(&d, reinterpret_cast<const unsigned char *>(bytes.data()),
                   static_cast<unsigned long>(bytes.size()))) {
        *reason = tr("ce n'est pas une image JPEG lisible (%1)").arg(detail(d.errors));
        destroy();
        return {};
    }
    const qint64 width = d.info.image_width;
    const qint64 height = d.info.image_height;
    if (!pictureSizeAllowed(width, height)) {
        *reason = tooLargeReason(width, height);
        destroy();
        return {};
    }
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) {
        *reason = tr("mémoire insuffisante pour l'image");
        destroy();
        return {};
    }
    image.fill(Qt::white);
    const bool complete = jpegReadRows(&d, image.bits(), long(image.bytesPerLine()));
    destroy();
    // Data ending early or damaged further on: the rows decoded so far are shown.
    if (!complete && d.rows == 0) {
        *reason = tr("les données JPEG sont endommagées (%1)").arg(detail(d.errors));
        return {};
    }
    return image;
}

QByteArray encodeJpeg(const QImage &image, int quality, QString *reason)
{
    const QImage flat = flattenedOnWhite(image);
    if (flat.isNull()) {
        *reason = tr("mémoire insuffisante pour l'image");
        return {};
    }
    JpegEncode e{};
    const bool written = jpegWriteAll(&e, flat.constBits(), long(flat.bytesPerLine()), flat.width(),
                                      flat.height(), quality);
    QByteArray bytes;
    if (written)
        bytes = QByteArray(reinterpret_cast<const char *>(e.out), qsizetype(e.size));
    else
        *reason = tr("l'encodage JPEG a échoué (%1)").arg(detail(e.errors));
    if (e.created)
        jpeg_destroy_compress(&e.info);
    std::free(e.out);
    return bytes;
}

} // namespace picturecodecs
