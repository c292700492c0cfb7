#include "options/buttonglyph.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

ButtonPicture readButtonPicture(const QString &path)
{
    ButtonPicture picture;
    QImageReader reader(path);
    if (!reader.read(&picture.image) || picture.image.isNull()) {
        picture.image = QImage();
        picture.error = QStringLiteral("L'image « %1 » ne peut pas être lue.")
                            .arg(QDir::toNativeSeparators(path));
    }
    return picture;
}

bool isButtonPictureSize(const QImage &image)
{
    return image.width() == 16 && image.height() == 16;
}

QImage transparentGlyph(const QImage &image)
{
    if (image.isNull())
        return image;
    QImage glyph = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = glyph.pixel(0, glyph.height() - 1);
    for (int y = 0; y < glyph.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(glyph.scanLine(y));
        for (int x = 0; x < glyph.width(); ++x) {
            if (line[x] == background)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return glyph;
}

QIcon glyphIcon(const QImage &image)
{
    return QIcon(QPixmap::fromImage(transparentGlyph(image)));
}
