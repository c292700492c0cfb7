#include "platform/picturecodecs.h"
#include "platform/pictures.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

// GIF pictures: the first frame of the file, drawn on its logical screen, which starts fully
// transparent. giflib reports errors by return value, so no jump crosses this code.

namespace picturecodecs
{
namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("images", text);
}

struct MemoryInput {
    const GifByteType *data;
    size_t size;
    size_t position;
};

int readFromMemory(GifFileType *gif, GifByteType *out, int wanted)
{
    auto *input = static_cast<MemoryInput *>(gif->UserData);
    const size_t count = std::min(size_t(std::max(wanted, 0)), input->size - input->position);
    std::memcpy(out, input->data + input->position, count);
    input->position += count;
    return int(count);
}

// The 256 colours of an index: the frame's map, else the file's, else a grey ramp. Indexes
// beyond the map's colours draw black; the transparent index draws nothing.
void buildPalette(const ColorMapObject *map, int transparentIndex, QRgb palette[256])
{
    for (int i = 0; i < 256; ++i)
        palette[i] = map ? qRgb(0, 0, 0) : qRgb(i, i, i);
    if (map && map->Colors) {
        const int count = std::clamp(map->ColorCount, 0, 256);
        for (int i = 0; i < count; ++i)
            palette[i] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    }
    if (transparentIndex >= 0 && transparentIndex < 256)
        palette[transparentIndex] = qRgba(0, 0, 0, 0);
}

// Skips the sub-blocks of an extension, keeping the transparent index of a graphic control
// block. False when the data ends inside it.
bool readExtension(GifFileType *gif, int *transparentIndex)
{
    int code = 0;
    GifByteType *block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        return false;
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4) {
        GraphicsControlBlock control;
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            *transparentIndex = control.TransparentColor;
    }
    while (block) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

struct FrameRows {
    int top, count;
};

// The rows of a frame in the order they are stored: four passes when interlaced.
std::vector<FrameRows> storageOrder(bool interlaced)
{
    if (!interlaced)
        return {{0, 1}};
    return {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
}

} // namespace

QImage decodeGif(QByteArrayView bytes, QString *reason)
{
    MemoryInput input{reinterpret_cast<const GifByteType *>(bytes.data()), size_t(bytes.size()), 0};
    int openError = 0;
    GifFileType *gif = DGifOpen(&input, readFromMemory, &openError);
    if (!gif) {
        *reason = openError == D_GIF_ERR_NOT_GIF_FILE ? tr("ce n'est pas une image GIF")
                                                      : tr("l'en-tête GIF est illisible");
        return {};
    }
    auto close = qScopeGuard([gif] {
        int closeError = 0;
        DGifCloseFile(gif, &closeError);
    });

    int transparentIndex = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) {
            *reason = tr("les données GIF s'arrêtent avant la première image");
            return {};
        }
        if (type == TERMINATE_RECORD_TYPE) {
            *reason = tr("le fichier GIF ne contient aucune image");
            return {};
        }
        if (type == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif, &transparentIndex)) {
                *reason = tr("les données GIF s'arrêtent avant la première image");
                return {};
            }
            continue;
        }
        if (type == IMAGE_DESC_RECORD_TYPE)
            break;
        *reason = tr("les données GIF sont endommagées");
        return {};
    }
    if (DGifGetImageDesc(gif) == GIF_ERROR) {
        *reason = tr("la description de la première image GIF est illisible");
        return {};
    }

    const GifImageDesc &frame = gif->Image;
    // A file that gives no screen size takes the extent of its first frame.
    const qint64 width = gif->SWidth > 0 ? gif->SWidth : qint64(frame.Left) + frame.Width;
    const qint64 height = gif->SHeight > 0 ? gif->SHeight : qint64(frame.Top) + frame.Height;
    if (!pictureSizeAllowed(width, height)) {
        *reason = tooLargeReason(width, height);
        return {};
    }
    QImage image(int(width), int(height), QImage::Format_ARGB32);
    if (image.isNull()) {
        *reason = tr("mémoire insuffisante pour l'image");
        return {};
    }
    image.fill(Qt::transparent);

    QRgb palette[256];
    buildPalette(frame.ColorMap ? frame.ColorMap : gif->SColorMap, transparentIndex, palette);

    // The frame is clipped to the screen; its rows below the screen need not be decoded when
    // they come last.
    const int frameWidth = std::max(frame.Width, 0);
    const int frameHeight = std::max(frame.Height, 0);
    const int firstColumn = std::clamp<qint64>(frame.Left, 0, width);
    const int lastColumn = std::clamp<qint64>(qint64(frame.Left) + frameWidth, 0, width);
    std::vector<GifPixelType> line(size_t(std::max(frameWidth, 1)));
    int decodedRows = 0;
    bool complete = true;
    for (const FrameRows &pass : storageOrder(frame.Interlace)) {
        if (frameWidth == 0)
            break;
        for (int row = pass.top; row < frameHeight && complete; row += pass.count) {
            const qint64 y = qint64(frame.Top) + row;
            if (!frame.Interlace && y >= height)
                break;
            if (DGifGetLine(gif, line.data(), frameWidth) == GIF_ERROR) {
                complete = false;
                break;
            }
            ++decodedRows;
            if (y < 0 || y >= height)
                continue;
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
            for (int x = firstColumn; x < lastColumn; ++x) {
                const QRgb colour = palette[line[size_t(x - frame.Left)]];
                if (qAlpha(colour))
                    out[x] = colour;
            }
        }
    }
    // Data ending inside the frame shows the rows decoded so far.
    if (decodedRows == 0 && frameHeight > 0 && frameWidth > 0) {
        *reason = tr("les données de la première image GIF sont illisibles");
        return {};
    }
    return image;
}

} // namespace picturecodecs
