#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

// The decoders and encoders behind pictures.h. Each returns a null image (or empty bytes) with
// a French reason that does not name the file; pictures.cpp adds the name.
namespace picturecodecs
{

QImage decodeGif(QByteArrayView bytes, QString *reason);
QImage decodeJpeg(QByteArrayView bytes, QString *reason);
QImage decodePng(QByteArrayView bytes, QString *reason);
QImage decodeBmp(QByteArrayView bytes, QString *reason);

QByteArray encodeJpeg(const QImage &image, int quality, QString *reason);
QByteArray encodePng(const QImage &image, QString *reason);

// The reason given for a picture beyond the size bounds.
QString tooLargeReason(qint64 width, qint64 height);

} // namespace picturecodecs
