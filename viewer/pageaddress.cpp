#include "viewer/pageaddress.h"

#include <QDir>
#include <QFileInfo>

namespace
{

QString absolutePath(const QString &path, const QString &baseDirectory)
{
    const QDir base(baseDirectory.isEmpty() ? QDir::currentPath() : baseDirectory);
    return QDir::cleanPath(base.absoluteFilePath(path));
}

PageAddress make(const QString &path, const QString &anchor, const QString &baseDirectory)
{
    if (path.isEmpty())
        return {};
    return {absolutePath(path, baseDirectory), anchor};
}

} // namespace

QUrl PageAddress::toUrl() const
{
    if (isEmpty())
        return {};
    QUrl url = QUrl::fromLocalFile(filePath);
    if (!anchor.isEmpty())
        url.setFragment(anchor, QUrl::DecodedMode);
    return url;
}

QString PageAddress::displayText() const
{
    return anchor.isEmpty() ? filePath : filePath + QLatin1Char('#') + anchor;
}

PageAddress PageAddress::parse(const QString &text, const QString &baseDirectory)
{
    if (text.isEmpty())
        return {};
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return fromUrl(QUrl(text));

    if (QFileInfo::exists(absolutePath(text, baseDirectory)))
        return make(text, QString(), baseDirectory);
    // From the last '#' backwards: the longest existing file name wins.
    for (qsizetype hash = text.lastIndexOf(QLatin1Char('#')); hash > 0;
         hash = text.lastIndexOf(QLatin1Char('#'), hash - 1)) {
        const QString path = text.left(hash);
        if (QFileInfo::exists(absolutePath(path, baseDirectory)))
            return make(path, text.mid(hash + 1), baseDirectory);
    }
    // Nothing exists: the first '#' starts the anchor, so the message names the page itself.
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return make(text, QString(), baseDirectory);
    return make(text.left(hash), text.mid(hash + 1), baseDirectory);
}

PageAddress PageAddress::fromUrl(const QUrl &url)
{
    if (!url.isLocalFile() || url.toLocalFile().isEmpty())
        return {};
    return {QDir::cleanPath(url.toLocalFile()), url.fragment(QUrl::FullyDecoded)};
}
