// The window menu's commands on the editor windows of the frame.
#include "app/tecran.h"

#include "app/mditiling.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

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
            menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()));
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
    m_mdi->cascadeSubWindows();
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
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (!window->close())
            return; // the user kept this document open: stop here, as with the main window
    }
}
