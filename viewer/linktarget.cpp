#include "viewer/linktarget.h"

#include "viewer/pagetext.h"

LinkTarget classifyLink(const QUrl &href, const QUrl &currentPage)
{
    const QUrl url = href.isRelative() ? currentPage.resolved(href) : href;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("ftp"))
        return {LinkTarget::Kind::Web, url};
    if (scheme == QLatin1String("mailto"))
        return {LinkTarget::Kind::Mail, url};
    if (!url.isLocalFile() || url.toLocalFile().isEmpty())
        return {LinkTarget::Kind::Unsupported, url};
    if (formatOf(url.toLocalFile()) == PageFormat::Other)
        return {LinkTarget::Kind::LocalFile, url};
    return {LinkTarget::Kind::Page, url};
}
