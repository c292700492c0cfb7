// The window menu's commands on the editor windows of the frame.
#include "app/tecran.h"

#include "app/mditiling.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStyle>

#include <algorithm>

void Tecran::fillWindowList(QMenu *menu)
{
    for (QAction *old : menu->actions()) {
        if (old->property("windowListEntry").toBool())
            delete old;
    }
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    menu->addSeparator()->setProperty("windowListEntry", true);
    int number = 1;
    for (QMdiSubWindow *window : windows) {
        QAction *entry =
            // The editor's own caption, without the frame's modified mark.
            menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(
                window->widget() ? window->widget()->windowTitle() : window->windowTitle()));
        entry->setProperty("windowListEntry", true);
        entry->setCheckable(true);
        entry->setChecked(window == m_mdi->activeSubWindow());
        connect(entry, &QAction::triggered, m_mdi,
                [this, window] { m_mdi->setActiveSubWindow(window); });
    }
}

void Tecran::tileWindows(QList<QRect> (*layout)(const QRect &, int))
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            windows.append(window);
    }
    const QList<QRect> rects = layout(m_mdi->viewport()->rect(), windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
    }
}

void Tecran::tileHorizontalCommand()
{
    tileWindows(tileHorizontally);
}

void Tecran::tileVerticalCommand()
{
    tileWindows(tileVertically);
}

void Tecran::cascadeCommand()
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            windows.append(window);
    }
    const QList<QRect> rects = cascade(m_mdi->viewport()->rect(), windows.size(), cascadeStep());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
        windows[i]->raise(); // the last one ends on top, each title bar visible
    }
}

int Tecran::cascadeStep() const
{
    // One title bar down and right, so that every title of the cascade shows.
    return std::max(16, m_mdi->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4);
}

void Tecran::arrangeIconsCommand()
{
    // Minimised windows line up along the bottom edge, left to right.
    int x = 0;
    const int bottom = m_mdi->viewport()->height();
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(x, bottom - window->height());
        x += window->width();
    }
}

void Tecran::closeAllCommand()
{
    // Each window asks its own question; one the user keeps open does not stop the others.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow *window : m_mdi->subWindowList())
        windows.append(window);
    for (const QPointer<QMdiSubWindow> &window : windows) {
        if (window)
            window->close();
    }
}
