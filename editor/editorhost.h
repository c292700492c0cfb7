#pragma once

#include <QString>

class QMenu;
class QWidget;
class Tedition;

// What an editor window asks of the main window that holds it: the shared status bar and
// save button, and the main window's own commands that the editor's menus repeat.
class EditorHost
{
public:
    virtual ~EditorHost() = default;

    // Status bar panels 1 (line and column) and 4 (text length).
    virtual void setStatusPanel(int panel, const QString &text) = 0;
    virtual void setSaveButtonEnabled(bool enabled) = 0;

    virtual void openFileCommand() = 0;
    // The new-file chooser.
    virtual void newFileCommand() = 0;
    virtual void quitCommand() = 0;
    virtual void tileHorizontalCommand() = 0;
    virtual void tileVerticalCommand() = 0;
    virtual void cascadeCommand() = 0;
    virtual void arrangeIconsCommand() = 0;
    virtual void closeAllCommand() = 0;
    // Projects: the chooser, then the file browser panel; closing asks every window in turn.
    // Closing may close the editor window that asked, once the command returns.
    virtual void openProjectCommand() = 0;
    virtual void closeProjectCommand() = 0;
    // The new-file chooser's site: the project chooser with its directory button; OK opens
    // the chosen directory as the project.
    virtual void newSiteCommand() = 0;
    virtual void visitSiteCommand() = 0;
    virtual void writeMailCommand() = 0;
    virtual void aboutCommand(QWidget *owner) = 0;

    // Opens an editor window on a new document that was never saved: captioned `caption`
    // (a default name such as "(defaut).htm"), with no file path, empty, marked modified and
    // with saving enabled. It saves as Windows-1252 with CR LF line ends. Null when no window
    // could be made.
    virtual Tedition *newUntitledDocument(const QString &caption) = 0;

    // Appends the list of open editor windows to a window menu about to open.
    virtual void fillWindowList(QMenu *menu) = 0;

    // The personal bar strip and the options dialog.
    virtual void setPersonalBarVisible(bool visible) = 0;
    virtual void optionsCommand(QWidget *owner) = 0;
};
