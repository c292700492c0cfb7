#include "viewer/pagebrowser.h"

#include "viewer/remotecontent.h"

#include <QJsonDocument>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace
{

// Stands for "no page named" in the address, so the message page has one like any other.
const QUrl kNoPage(QStringLiteral("visualisateur:aucune-page"));

bool sameDocument(const QUrl &a, const QUrl &b)
{
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

} // namespace

bool ViewerPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (type == NavigationTypeLinkClicked) {
        // An anchor of the page shown stays with the engine, so it enters the history.
        if (isMainFrame && url.hasFragment() && sameDocument(url, this->url()))
            return true;
        // Frames of a frameset page follow their own local links.
        if (!isMainFrame && url.isLocalFile())
            return true;
        Q_EMIT linkClicked(url);
        return false;
    }
    if (isMainFrame && RemoteContentBlocker::isRemote(url)) {
        // A script or a form sending the page to the network: refused in the preview.
        Q_EMIT navigationRefused(url);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

PageBrowser::PageBrowser(QWidget *parent)
    : QWebEngineView(parent), m_profile(new QWebEngineProfile(this)),
      m_blocker(new RemoteContentBlocker(this)), m_page(new ViewerPage(m_profile, this))
{
    m_profile->setUrlRequestInterceptor(m_blocker);
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    QWebEngineSettings *settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    // Pages written with the editor are Windows-1252 unless they declare another charset.
    settings->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    setPage(m_page);

    connect(m_page, &QWebEnginePage::urlChanged, this, [this](const QUrl &url) {
        // Message pages are set as markup: their address stays the one asked for.
        if (url.isLocalFile())
            setSource(url);
    });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool) {
        if (!m_pendingAnchor.isEmpty()) {
            scrollToAnchor(m_pendingAnchor);
            m_pendingAnchor.clear();
        }
    });
}

PageBrowser::~PageBrowser()
{
    // The page uses the profile: it must go first.
    setPage(nullptr);
    delete m_page;
}

void PageBrowser::setRemoteContentAllowed(bool allowed)
{
    m_blocker->setAllowed(allowed);
    m_page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, allowed);
}

bool PageBrowser::remoteContentAllowed() const
{
    return m_blocker->allowed();
}

void PageBrowser::setSource(const QUrl &url)
{
    if (url == m_source)
        return;
    m_source = url;
    Q_EMIT sourceChanged(url);
}

void PageBrowser::showPage(const PageAddress &page)
{
    const QUrl url = page.isEmpty() ? kNoPage : page.toUrl();
    const PageCheck check = checkPage(page.filePath);
    m_lastProblem = check.problem;
    m_pendingAnchor.clear();
    if (check.problem != PageProblem::None) {
        setSource(url);
        m_page->setHtml(check.messagePage, page.isEmpty() ? QUrl() : url);
        return;
    }
    if (!m_source.isEmpty() && sameDocument(m_source, url) && m_page->url().isLocalFile()) {
        // The same page handed again: read it again where the reader was, no new history
        // entry; an anchor asked for is scrolled to once it has loaded.
        m_pendingAnchor = page.anchor;
        setSource(url);
        m_page->triggerAction(QWebEnginePage::ReloadAndBypassCache);
        return;
    }
    setSource(url);
    m_page->load(url);
}

void PageBrowser::scrollToAnchor(const QString &anchor)
{
    const QString name =
        QString::fromUtf8(
            QJsonDocument::fromVariant(QVariantList{anchor}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1);
    m_page->runJavaScript(QStringLiteral("(function(n){var e=document.getElementById(n)||"
                                         "document.getElementsByName(n)[0];"
                                         "if(e)e.scrollIntoView();})(%1);")
                              .arg(name));
}
