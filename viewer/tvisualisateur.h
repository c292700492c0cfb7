#pragma once

#include "viewer/pageaddress.h"
#include "viewer/viewerrequest.h"

#include <QMainWindow>

#include <optional>

class HandOffWatcher;
class PageBrowser;
class QAction;
class QLabel;

// The viewer's one window: the page, back, forward and reload, the page's title in the
// caption and its address in the status line. It follows the hand-off file while it runs.
class Tvisualisateur : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tvisualisateur(const QString &handOffFile, QWidget *parent = nullptr);

    // The first page: the argument when the viewer was given one (even an empty one),
    // otherwise the page named in the hand-off file. A page waiting in the hand-off file is
    // taken either way, so it is not shown a second time.
    void start(const std::optional<PageAddress> &argument);

    void showPage(const PageAddress &page);

    // A request from a second start: come to the front and show its page, if any.
    void handleRequest(const ViewerRequest &request);

    PageBrowser *browser() const { return m_browser; }
    HandOffWatcher *handOffWatcher() const { return m_watcher; }
    QString addressText() const;

    QAction *Precedent1 = nullptr;
    QAction *Suivant1 = nullptr;
    QAction *Actualiser1 = nullptr;
    QAction *Contenudistant1 = nullptr;

private:
    void createActions();
    void followLink(const QUrl &href);
    void showHandedPage(const QString &page);
    void bringToFront();
    void updateChrome();

    PageBrowser *m_browser = nullptr;
    HandOffWatcher *m_watcher = nullptr;
    QLabel *m_address = nullptr;
    QString m_hoveredLink; // the address shown while the mouse is over a link
};
