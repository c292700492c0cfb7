#include "wizards/pictureconversion.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("images", text);
}

bool sameFile(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

// Decodes the source and checks the target is another file. Empty image with `error` set
// when the conversion cannot go on.
QImage sourcePicture(const QString &source, const QString &target, QString *error)
{
    if (sameFile(source, target)) {
        *error = tr("L'image %1 est déjà dans ce format : elle n'est pas convertie sur "
                    "elle-même.")
                     .arg(source);
        return {};
    }
    PictureResult picture = readPicture(source);
    if (!picture.ok()) {
        *error = picture.error;
        return {};
    }
    return picture.image;
}

} // namespace

QString convertedPath(const QString &source, const QString &extension)
{
    const QFileInfo info(source);
    const QString directory = info.path();
    const QString name = info.completeBaseName() + extension;
    return directory == QLatin1String("/") ? directory + name : directory + QLatin1Char('/') + name;
}

ConversionResult convertToJpeg(const QString &source, const QString &qualityText)
{
    ConversionResult result;
    bool numeric = false;
    const int quality = qualityText.trimmed().toInt(&numeric);
    if (!numeric || quality < 1 || quality > 100) {
        result.error =
            tr("La qualité JPEG doit être un nombre entier de 1 à 100 (« %1 »).").arg(qualityText);
        return result;
    }
    const QString target = convertedPath(source, QStringLiteral(".jpg"));
    const QImage image = sourcePicture(source, target, &result.error);
    if (image.isNull())
        return result;
    if (writeJpeg(image, target, quality, &result.error))
        result.written = target;
    return result;
}

ConversionResult convertToPng(const QString &source)
{
    ConversionResult result;
    const QString target = convertedPath(source, QStringLiteral(".png"));
    const QImage image = sourcePicture(source, target, &result.error);
    if (image.isNull())
        return result;
    if (writePng(image, target, &result.error))
        result.written = target;
    return result;
}
