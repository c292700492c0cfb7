#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

// Reading and writing pictures: GIF (first frame), JPEG and PNG through their reference
// libraries, BMP through Qt's reader. Every failure is one French message naming the file;
// nothing here throws, and no input makes it allocate more than the bounds below allow.

struct PictureResult {
    QImage image;
    QString error; // French message naming the file; empty on success
    bool ok() const { return error.isEmpty() && !image.isNull(); }
};

enum class PictureFormat { Unknown, Gif, Jpeg, Png, Bmp };

// Largest picture accepted: its sides, and its pixels at four bytes each. Checked from the
// file's header, before the pixels are allocated.
constexpr int kMaxPictureSide = 16384;
constexpr qint64 kMaxPictureBytes = qint64(256) * 1024 * 1024;

// True when a picture of this size stays within the bounds.
bool pictureSizeAllowed(qint64 width, qint64 height);

// The decoder of a file name's extension (".gif", ".jpg", ".jpeg", ".png", ".bmp", any case),
// or Unknown.
PictureFormat pictureFormatOfName(const QString &path);

// The format the first bytes announce, or Unknown.
PictureFormat pictureFormatOfSignature(QByteArrayView bytes);

// Reads a picture file. The extension chooses the decoder; a name without a known extension
// goes by the file's first bytes. A directory, a FIFO or any other non-regular file is refused
// without being opened for reading.
PictureResult readPicture(const QString &path);

// Decodes bytes already in memory; `fileName` only names the file in messages.
PictureResult decodePicture(QByteArrayView bytes, PictureFormat format, const QString &fileName);

// Encoders. The file is replaced in one step: a failed encode or write leaves the old one.
// JPEG flattens transparency onto white; `quality` must be 1 to 100. PNG keeps transparency.
bool writeJpeg(const QImage &image, const QString &path, int quality, QString *error);
bool writePng(const QImage &image, const QString &path, QString *error);

// The same encoders into memory (empty with `error` set on failure).
QByteArray encodeJpeg(const QImage &image, int quality, const QString &fileName, QString *error);
QByteArray encodePng(const QImage &image, const QString &fileName, QString *error);
