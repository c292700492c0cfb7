#pragma once

#include "viewer/pageaddress.h"
#include "viewer/pageloader.h"

#include <QTextBrowser>

// The page area. Local pages are read and decoded by the viewer's own rules instead of the
// charset their markup declares; a page that cannot be read shows a message page. Links are
// not followed here: the window decides where each one goes.
class PageBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit PageBrowser(QWidget *parent = nullptr);

    // Shows the page at its anchor. The page is read again even when it is the one shown, so
    // a page saved again by the editor shows its new content.
    void showPage(const PageAddress &page);

    // The problem of the last page read, PageProblem::None when it showed.
    PageProblem lastProblem() const { return m_lastProblem; }

    QVariant loadResource(int type, const QUrl &name) override;

private:
    PageProblem m_lastProblem = PageProblem::None;
};
