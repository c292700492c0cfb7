#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <atomic>

// Keeps a local page from fetching anything over the network (pictures, style sheets,
// scripts, frames) until the user allows it for the session: a page being written should
// not call out to the Internet behind the author's back.
class RemoteContentBlocker : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setAllowed(bool allowed) { m_allowed = allowed; }
    bool allowed() const { return m_allowed; }

    static bool isRemote(const QUrl &url);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    std::atomic<bool> m_allowed{false};
};
