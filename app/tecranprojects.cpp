// The main window's projects: the file browser panel and the open and close commands.
#include "app/appstate.h"
#include "app/filebrowserpanel.h"
#include "app/projectpaths.h"
#include "app/tecran.h"
#include "app/tprojet.h"
#include "editor/tedition.h"
#include "platform/modals.h"
#include "settings/programdir.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QToolButton>

void Tecran::buildBrowserPanel()
{
    m_browserPanel = new FileBrowserPanel(this);
    m_freeSpace = m_browserPanel->freeSpaceLabel();
    m_browserPanel->hide();
    connect(m_browserPanel, &FileBrowserPanel::openRequested, this,
            [this](const QString &path) { ouvredocument(path); });
}

void Tecran::bindProjectCommands()
{
    for (const char *name : {"Ouvrirprojet1", "Fermerprojet1"}) {
        QAction *item = action(QString::fromLatin1(name));
        item->setEnabled(true);
        connect(item, &QAction::triggered, this,
                name[0] == 'O' ? &Tecran::openProjectCommand : &Tecran::closeProjectCommand);
    }
    QToolButton *open = toolButton(QStringLiteral("ToolButton1"));
    open->setEnabled(true);
    connect(open, &QToolButton::clicked, this, &Tecran::openProjectCommand);
    QToolButton *close = toolButton(QStringLiteral("ToolButton33"));
    close->setEnabled(true);
    connect(close, &QToolButton::clicked, this, &Tecran::closeProjectCommand);
}

FileBrowserPanel &Tecran::browserPanel() const
{
    return *m_browserPanel;
}

void Tecran::pointImageChooserAt(const QString &directory)
{
    // The image chooser's file list starts in the project at its next use.
    Q_UNUSED(directory);
    appState().imageChooserAtProject = true;
}

void Tecran::openProjectCommand()
{
    const QString start = projectStartDirectory(appState().projectDirectory, programDirectory());
    Tprojet &chooser = Tprojet::instance();
    chooser.setDirectory(start);
    pointImageChooserAt(start);
    chooser.setCreateButtonVisible(false);
    if (modals().execDialog(chooser) == QDialog::Accepted)
        showProject();
}

bool Tecran::openSiteProject()
{
    Tprojet &chooser = Tprojet::instance();
    chooser.setDirectory(projectStartDirectory(appState().projectDirectory, programDirectory()));
    chooser.setCreateButtonVisible(true);
    if (modals().execDialog(chooser) != QDialog::Accepted)
        return false;
    showProject();
    return true;
}

void Tecran::showProject()
{
    m_browserPanel->setDirectory(appState().projectDirectory);
    m_browserPanel->show();
    appState().projectOpen = true;
    appState().projectDirectoryFlag = true;
}

void Tecran::closeProjectCommand()
{
    m_browserPanel->hide();
    appState().projectOpen = false;
    // The menu item stays off for the rest of the run; the button and the editor item do not.
    action(QStringLiteral("Fermerprojet1"))->setEnabled(false);
    // Every window is asked in turn; one kept open does not stop the others being asked.
    QList<QPointer<QMdiSubWindow>> windows;
    for (QMdiSubWindow *window : m_mdi->subWindowList())
        windows.append(window);
    for (const QPointer<QMdiSubWindow> &window : windows) {
        if (window)
            window->close();
    }
}
