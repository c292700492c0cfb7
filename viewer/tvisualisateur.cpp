#include "viewer/tvisualisateur.h"

#include "platform/modals.h"
#include "viewer/handoffwatcher.h"
#include "viewer/linktarget.h"
#include "viewer/pagebrowser.h"
#include "viewer/viewertexts.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QWebEngineHistory>

namespace
{

constexpr int kNoteMs = 10000;

} // namespace

Tvisualisateur::Tvisualisateur(const QString &handOffFile, QWidget *parent)
    : QMainWindow(parent), m_browser(new PageBrowser(this)),
      m_watcher(new HandOffWatcher(handOffFile, this)), m_address(new QLabel(this))
{
    setObjectName(QStringLiteral("Tvisualisateur"));
    setWindowTitle(viewertexts::kProgramName);
    resize(1000, 750);
    setCentralWidget(m_browser);
    createActions();

    m_address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(m_address, 1);
    // A note shown before the window is would otherwise be drawn over the address: the
    // status bar only hides widgets that are already visible.
    connect(statusBar(), &QStatusBar::messageChanged, m_address,
            [this](const QString &message) { m_address->setVisible(message.isEmpty()); });

    ViewerPage *page = m_browser->viewerPage();
    connect(page, &ViewerPage::linkClicked, this, &Tvisualisateur::followLink);
    connect(page, &ViewerPage::navigationRefused, this, [this](const QUrl &url) {
        statusBar()->showMessage(viewertexts::linkNotFollowed(url), kNoteMs);
    });
    connect(page, &QWebEnginePage::linkHovered, this, [this](const QString &link) {
        // Leaving a link takes its address away, not a note shown meanwhile.
        const QString shown = link.isEmpty() ? QString()
                                             : classifyLink(QUrl(link), m_browser->source())
                                                   .url.toDisplayString(QUrl::PreferLocalFile);
        if (shown.isEmpty()) {
            if (statusBar()->currentMessage() == m_hoveredLink)
                statusBar()->clearMessage();
        } else {
            statusBar()->showMessage(shown);
        }
        m_hoveredLink = shown;
    });
    connect(page, &QWebEnginePage::titleChanged, this, &Tvisualisateur::updateChrome);
    connect(page, &QWebEnginePage::loadFinished, this, &Tvisualisateur::updateChrome);
    connect(m_browser, &PageBrowser::sourceChanged, this, &Tvisualisateur::updateChrome);
    connect(m_watcher, &HandOffWatcher::pageHandedOver, this, &Tvisualisateur::showHandedPage);
    connect(m_watcher, &HandOffWatcher::unavailable, this,
            [this](const QString &message) { statusBar()->showMessage(message, kNoteMs); });
}

void Tvisualisateur::createActions()
{
    QToolBar *bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    Precedent1 = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                viewertexts::kPrecedent, m_browser, &QWebEngineView::back);
    Precedent1->setShortcut(QKeySequence::Back);
    Precedent1->setEnabled(false);
    Suivant1 = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), viewertexts::kSuivant,
                              m_browser, &QWebEngineView::forward);
    Suivant1->setShortcut(QKeySequence::Forward);
    Suivant1->setEnabled(false);
    Actualiser1 =
        bar->addAction(style()->standardIcon(QStyle::SP_BrowserReload), viewertexts::kActualiser,
                       this, [this] { showPage(PageAddress::fromUrl(m_browser->source())); });
    Actualiser1->setShortcut(QKeySequence::Refresh);

    bar->addSeparator();
    Contenudistant1 = bar->addAction(viewertexts::kContenuDistant);
    Contenudistant1->setObjectName(QStringLiteral("Contenudistant1"));
    Contenudistant1->setToolTip(viewertexts::kContenuDistantAide);
    Contenudistant1->setCheckable(true);
    connect(Contenudistant1, &QAction::toggled, this, [this](bool allowed) {
        m_browser->setRemoteContentAllowed(allowed);
        showPage(PageAddress::fromUrl(m_browser->source()));
    });
}

void Tvisualisateur::start(const std::optional<PageAddress> &argument)
{
    const std::optional<QString> handed = m_watcher->takeHandedPage();
    if (argument) {
        showPage(*argument);
        return;
    }
    const QString page = handed ? *handed : m_watcher->lastPage();
    showPage(PageAddress::parse(page, QFileInfo(m_watcher->file()).absolutePath()));
}

void Tvisualisateur::showPage(const PageAddress &page)
{
    m_browser->showPage(page);
    updateChrome();
}

void Tvisualisateur::handleRequest(const ViewerRequest &request)
{
    bringToFront();
    if (request.showPage)
        showPage(request.page);
}

void Tvisualisateur::showHandedPage(const QString &page)
{
    bringToFront();
    showPage(PageAddress::parse(page, QFileInfo(m_watcher->file()).absolutePath()));
}

void Tvisualisateur::bringToFront()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
    activateWindow();
}

void Tvisualisateur::followLink(const QUrl &href)
{
    const LinkTarget target = classifyLink(href, m_browser->source());
    switch (target.kind) {
    case LinkTarget::Kind::Page:
        showPage(PageAddress::fromUrl(target.url));
        return;
    case LinkTarget::Kind::LocalFile:
    case LinkTarget::Kind::Web:
    case LinkTarget::Kind::Mail:
        if (!modals().openUrl(target.url))
            statusBar()->showMessage(viewertexts::openFailed(target.url), kNoteMs);
        return;
    case LinkTarget::Kind::Unsupported:
        statusBar()->showMessage(viewertexts::linkNotFollowed(target.url), kNoteMs);
        return;
    }
}

QString Tvisualisateur::addressText() const
{
    return m_address->text();
}

void Tvisualisateur::updateChrome()
{
    const PageAddress shown = PageAddress::fromUrl(m_browser->source());
    m_address->setText(shown.displayText());
    // Without a title of its own a page is named by the engine after its address.
    QString title = m_browser->title();
    const QUrl loaded = m_browser->page()->url();
    if (title == loaded.toString() || title == loaded.toDisplayString() ||
        title == loaded.toString(QUrl::PreferLocalFile) || title == loaded.fileName())
        title.clear();
    setWindowTitle(viewertexts::windowCaption(title, shown.filePath));
    Precedent1->setEnabled(m_browser->history()->canGoBack());
    Suivant1->setEnabled(m_browser->history()->canGoForward());
}
