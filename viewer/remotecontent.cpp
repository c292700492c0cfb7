#include "viewer/remotecontent.h"

bool RemoteContentBlocker::isRemote(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("ftp") || scheme == QLatin1String("ws") ||
           scheme == QLatin1String("wss");
}

void RemoteContentBlocker::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    // Called on the engine's input/output thread: only reads the flag.
    if (!m_allowed && isRemote(info.requestUrl()))
        info.block(true);
}
