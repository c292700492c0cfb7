#pragma once

#include "viewer/pageaddress.h"
#include "viewer/pageloader.h"

#include <QWebEnginePage>
#include <QWebEngineView>

class QWebEngineProfile;
class RemoteContentBlocker;

// The browser page of the viewer. Links the user clicks are not followed here: the window
// decides where each one goes. Anchors inside the page shown are left to the engine.
class ViewerPage : public QWebEnginePage
{
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

Q_SIGNALS:
    void linkClicked(const QUrl &url);
    void navigationRefused(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};

// The page area: a real browser engine, so forms, style sheets and scripts show as a visitor
// sees them. Pages decode by their own charset declaration, Windows-1252 without one.
// A page that cannot be read shows a French message page instead.
class PageBrowser : public QWebEngineView
{
    Q_OBJECT
public:
    explicit PageBrowser(QWidget *parent = nullptr);
    ~PageBrowser() override;

    // Shows the page at its anchor. The page is read again even when it is the one shown, so
    // a page saved again by the editor shows its new content at the same scroll position.
    void showPage(const PageAddress &page);

    // The address shown: the page asked for, or the one the engine moved to.
    QUrl source() const { return m_source; }

    // The problem of the last page asked for, PageProblem::None when it could be loaded.
    PageProblem lastProblem() const { return m_lastProblem; }

    ViewerPage *viewerPage() const { return m_page; }

    // Pictures, style sheets and scripts from the network: refused unless allowed.
    void setRemoteContentAllowed(bool allowed);
    bool remoteContentAllowed() const;

Q_SIGNALS:
    void sourceChanged(const QUrl &url);

private:
    void setSource(const QUrl &url);
    void scrollToAnchor(const QString &anchor);

    QWebEngineProfile *m_profile;
    RemoteContentBlocker *m_blocker;
    ViewerPage *m_page;
    QUrl m_source;
    QString m_pendingAnchor; // scrolled to once the reloaded page has finished loading
    PageProblem m_lastProblem = PageProblem::None;
};
