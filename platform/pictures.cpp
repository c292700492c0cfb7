#include "platform/pictures.h"

#include "platform/atomicfile.h"
#include "platform/ioerror.h"
#include "platform/picturecodecs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("images", text);
}

// No picture within the bounds needs a larger file (an uncompressed BMP of the largest size
// is about the bound itself).
constexpr qint64 kMaxFileBytes = kMaxPictureBytes + 16 * 1024 * 1024;

// Reads a regular file whole. The kind of file is checked on the opened descriptor, so a
// FIFO or device put in the file's place never blocks the read.
bool readPictureFile(const QString &path, QByteArray *bytes, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int reason = errno;
        if (reason == ENOENT || reason == ENOTDIR)
            *error = tr("Le fichier image %1 est introuvable.").arg(path);
        else
            *error = tr("Impossible d'ouvrir l'image %1 : %2.")
                         .arg(path, QString::fromLocal8Bit(std::strerror(reason)));
        return false;
    }
    struct stat status {
    };
    bool ok = ::fstat(fd, &status) == 0;
    if (ok && S_ISDIR(status.st_mode)) {
        *error = tr("%1 est un répertoire, pas une image.").arg(path);
        ok = false;
    } else if (ok && !S_ISREG(status.st_mode)) {
        *error = tr("%1 n'est pas un fichier ordinaire : ce ne peut pas être une image.").arg(path);
        ok = false;
    } else if (ok && status.st_size > kMaxFileBytes) {
        *error = tr("Le fichier %1 est trop gros pour être une image acceptée.").arg(path);
        ok = false;
    }
    if (ok) {
        bytes->resize(qsizetype(status.st_size));
        qsizetype done = 0;
        while (done < bytes->size()) {
            const ssize_t count = ::read(fd, bytes->data() + done, size_t(bytes->size() - done));
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                *error = tr("Impossible de lire l'image %1 : %2.")
                             .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
                ok = false;
                break;
            }
            if (count == 0)
                break; // the file shrank while being read: what is there is decoded
            done += count;
        }
        bytes->truncate(done);
    }
    ::close(fd);
    return ok;
}

} // namespace

namespace picturecodecs
{

QString tooLargeReason(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        return tr("l'image n'a aucun pixel (%1 × %2)").arg(width).arg(height);
    return tr("l'image mesure %1 × %2 pixels, au-delà de ce qui est accepté (%3 pixels de côté "
              "et %4 Mo de pixels au plus)")
        .arg(width)
        .arg(height)
        .arg(kMaxPictureSide)
        .arg(kMaxPictureBytes / (1024 * 1024));
}

QImage decodeBmp(QByteArrayView bytes, QString *reason)
{
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    // Only the bitmap reader: Qt would otherwise hand other formats to their own plugins.
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(int(kMaxPictureBytes / (1024 * 1024)));
    const QSize size = reader.size();
    if (!bytes.startsWith("BM") || !size.isValid()) {
        *reason = tr("ce n'est pas une image BMP lisible");
        return {};
    }
    if (!pictureSizeAllowed(size.width(), size.height())) {
        *reason = tooLargeReason(size.width(), size.height());
        return {};
    }
    QImage image;
    if (!reader.read(&image) || image.isNull() ||
        !pictureSizeAllowed(image.width(), image.height())) {
        *reason = tr("les données BMP sont endommagées");
        return {};
    }
    return image;
}

} // namespace picturecodecs

bool pictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height * 4 <= kMaxPictureBytes;
}

PictureFormat pictureFormatOfName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("gif"))
        return PictureFormat::Gif;
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return PictureFormat::Jpeg;
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("bmp"))
        return PictureFormat::Bmp;
    return PictureFormat::Unknown;
}

PictureFormat pictureFormatOfSignature(QByteArrayView bytes)
{
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return PictureFormat::Gif;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return PictureFormat::Jpeg;
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return PictureFormat::Png;
    if (bytes.startsWith("BM"))
        return PictureFormat::Bmp;
    return PictureFormat::Unknown;
}

PictureResult decodePicture(QByteArrayView bytes, PictureFormat format, const QString &fileName)
{
    QString reason;
    QImage image;
    switch (format) {
    case PictureFormat::Gif:
        image = picturecodecs::decodeGif(bytes, &reason);
        break;
    case PictureFormat::Jpeg:
        image = picturecodecs::decodeJpeg(bytes, &reason);
        break;
    case PictureFormat::Png:
        image = picturecodecs::decodePng(bytes, &reason);
        break;
    case PictureFormat::Bmp:
        image = picturecodecs::decodeBmp(bytes, &reason);
        break;
    case PictureFormat::Unknown:
        return {QImage(), tr("Le fichier %1 n'est pas une image reconnue (GIF, JPEG, PNG ou BMP).")
                              .arg(fileName)};
    }
    if (image.isNull()) {
        if (reason.isEmpty())
            reason = tr("image illisible");
        return {QImage(), tr("Impossible de lire l'image %1 : %2.").arg(fileName, reason)};
    }
    return {image, QString()};
}

PictureResult readPicture(const QString &path)
{
    QByteArray bytes;
    QString error;
    if (!readPictureFile(path, &bytes, &error))
        return {QImage(), error};
    PictureFormat format = pictureFormatOfName(path);
    if (format == PictureFormat::Unknown)
        format = pictureFormatOfSignature(bytes);
    return decodePicture(bytes, format, path);
}

QByteArray encodeJpeg(const QImage &image, int quality, const QString &fileName, QString *error)
{
    QString reason;
    if (image.isNull()) {
        reason = tr("aucune image à enregistrer");
    } else if (quality < 1 || quality > 100) {
        *error = tr("La qualité JPEG doit être comprise entre 1 et 100 (valeur donnée : %1).")
                     .arg(quality);
        return {};
    } else {
        QByteArray bytes = picturecodecs::encodeJpeg(image, quality, &reason);
        if (!bytes.isEmpty())
            return bytes;
    }
    *error = tr("Impossible d'enregistrer l'image %1 : %2.").arg(fileName, reason);
    return {};
}

QByteArray encodePng(const QImage &image, const QString &fileName, QString *error)
{
    QString reason = tr("aucune image à enregistrer");
    if (!image.isNull()) {
        QByteArray bytes = picturecodecs::encodePng(image, &reason);
        if (!bytes.isEmpty())
            return bytes;
    }
    *error = tr("Impossible d'enregistrer l'image %1 : %2.").arg(fileName, reason);
    return {};
}

namespace
{

bool replaceFile(const QByteArray &bytes, const QString &path, QString *error)
{
    if (bytes.isEmpty())
        return false;
    try {
        writeFileAtomically(path, bytes, path + QLatin1Char('~'));
    } catch (const IoError &failure) {
        *error = failure.message();
        return false;
    }
    return true;
}

} // namespace

bool writeJpeg(const QImage &image, const QString &path, int quality, QString *error)
{
    QString message;
    const bool written = replaceFile(encodeJpeg(image, quality, path, &message), path, &message);
    if (error)
        *error = written ? QString() : message;
    return written;
}

bool writePng(const QImage &image, const QString &path, QString *error)
{
    QString message;
    const bool written = replaceFile(encodePng(image, path, &message), path, &message);
    if (error)
        *error = written ? QString() : message;
    return written;
}
