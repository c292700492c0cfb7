#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// Small picture files written with the reference libraries directly (not with the program's
// encoders), so the decoders are checked against files made independently of them.
namespace testpictures
{

// A PNG of any colour type and depth. `samples` holds the channel values of every pixel, row
// by row (one per pixel for grey and palette, two for grey + alpha, three for RGB, four for
// RGBA), at the file's bit depth; they are packed as the format wants.
struct PngSpec {
    int colourType; // PNG_COLOR_TYPE_*
    int bitDepth;
    int width, height;
    QList<int> samples;
    QList<QRgb> palette;   // palette images
    QList<int> trnsAlpha;  // palette images: alpha of the first entries
    QList<int> trnsColour; // grey (one value) or RGB (three values) made transparent
    bool interlaced = false;
};
QByteArray png(const PngSpec &layout);

// A GIF of one or more frames.
struct GifFrame {
    int left = 0, top = 0, width = 0, height = 0;
    QList<int> indexes = {}; // width × height, row by row
    QList<QRgb> localMap = {};
    int transparentIndex = -1;
    bool interlaced = false;
};
struct GifSpec {
    int width, height;
    QList<QRgb> globalMap; // empty: none
    QList<GifFrame> frames;
};
QByteArray gif(const GifSpec &layout);

// Cuts the first frame's local colour map down to `keptColours` (a power of two) in the bytes
// of a file made by gif() with no global map, no extension and a local map, leaving the pixel
// data as it was: the indexes beyond the kept colours then point past the map.
QByteArray gifWithLocalMapCut(const QByteArray &file, int keptColours);

// Takes the global colour map out of a file made by gif() with one, leaving the pixel data: the
// file then has no colour map at all (giflib's writer refuses to write one so).
QByteArray gifWithGlobalMapRemoved(const QByteArray &file);

// A JPEG of the image's pixels: grey (one channel), RGB, or CMYK with the Adobe marker, whose
// inks are stored inverted as that convention wants.
enum class JpegKind { Grey, Rgb, AdobeCmyk };
QByteArray jpeg(const QImage &image, JpegKind kind, int quality = 100, bool progressive = false);

} // namespace testpictures
