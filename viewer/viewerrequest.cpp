#include "viewer/viewerrequest.h"

namespace
{

constexpr QByteArrayView kShow = "afficher";
constexpr QByteArrayView kRaise = "montrer";

} // namespace

QByteArray ViewerRequest::encode() const
{
    if (!showPage)
        return kRaise.toByteArray() + '\n';
    // A file URL keeps a '#' that belongs to the file name apart from the anchor.
    return kShow.toByteArray() + ' ' + page.toUrl().toEncoded() + '\n';
}

std::optional<ViewerRequest> ViewerRequest::decode(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line == kRaise)
        return raise();
    if (!line.startsWith(kShow) || line.size() < kShow.size() + 1 || line.at(kShow.size()) != ' ')
        return std::nullopt;
    const QByteArrayView encoded = line.sliced(kShow.size() + 1);
    if (encoded.isEmpty())
        return show({});
    const QUrl url = QUrl::fromEncoded(encoded.toByteArray(), QUrl::StrictMode);
    if (!url.isValid() || !url.isLocalFile())
        return std::nullopt;
    return show(PageAddress::fromUrl(url));
}
