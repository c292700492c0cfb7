#pragma once

#include "app/generalhandler.h"
#include "editor/editorhost.h"

#include <QMainWindow>

class FileBrowserPanel;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class PersonalBar;
class Tedition;

// The main window: a frame of editor windows with the menus, the toolbar, the personal bar
// strip, the hidden file browser panel, the status bar and the clock.
class Tecran : public QMainWindow, public EditorHost
{
    Q_OBJECT

public:
    explicit Tecran(QWidget *parent = nullptr);
    ~Tecran() override;

    // Opens a new editor window on `fileName`; a missing file gives an empty document.
    Tedition *ouvredocument(const QString &fileName);

    Tedition *activeEditor() const;
    QList<Tedition *> editors() const;
    QMdiArea *mdiArea() const { return m_mdi; }
    PersonalBar *personalBar() const { return m_personalBar; }

    QString statusPanelText(int panel) const;
    QAction *action(const QString &name) const;
    QToolButton *toolButton(const QString &name) const;
    QMenu *menu(const QString &name) const;

    // Refreshes the free-space text, the date and the time (also done every 5 seconds).
    void refreshClock();

    // EditorHost
    void setStatusPanel(int panel, const QString &text) override;
    void setSaveButtonEnabled(bool enabled) override;
    void openFileCommand() override;
    void newFileCommand() override;
    Tedition *newUntitledDocument(const QString &caption) override;
    void quitCommand() override;
    void tileHorizontalCommand() override;
    void tileVerticalCommand() override;
    void cascadeCommand() override;
    void arrangeIconsCommand() override;
    void closeAllCommand() override;
    void visitSiteCommand() override;
    void writeMailCommand() override;
    void aboutCommand(QWidget *owner) override;
    void fillWindowList(QMenu *menu) override;
    void openProjectCommand() override;
    void newSiteCommand() override { openSiteProject(); }
    void closeProjectCommand() override;

    // Projects (app/tecranprojects.cpp). The file browser panel, hidden while no project is
    // open.
    FileBrowserPanel &browserPanel() const;
    // The new-file chooser's "Site" entry: the project chooser with its "Répertoire" button,
    // then, on OK, the panel on the new project. False when the chooser was cancelled.
    bool openSiteProject();
    void setPersonalBarVisible(bool visible) override;
    void optionsCommand(QWidget *owner) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void buildBrowserPanel();
    void bindProjectCommands();
    void showProject();
    void pointImageChooserAt(const QString &directory);
    void creationmenu();
    void buildMenus();
    void buildToolBar();
    void buildPersonalBar();
    void buildStatusBar();
    void showMenusOf(QMdiSubWindow *window);
    void showEditorWindow(Tedition *editor);
    void runOnActiveEditor(const QString &command);
    void tileWindows(QList<QRect> (*layout)(const QRect &, int));
    int cascadeStep() const;
    bool askEditorsToClose();
    void writeShutdownSettings();

    QAction *addAction(QMenu *menu, const QString &name, const QString &caption,
                       const QKeySequence &shortcut = QKeySequence());
    QToolButton *addToolButton(const QString &name, const QString &hint);
    void addEditorButton(const char *name, const char *hint, const char *editorCommand);
    void setHint(QAction *action, const QString &hint);
    void setHint(QWidget *widget, const QString &hint);

    QMdiArea *m_mdi = nullptr;
    QToolBar *m_toolBar = nullptr;
    PersonalBar *m_personalBar = nullptr;
    FileBrowserPanel *m_browserPanel = nullptr;
    QLabel *m_freeSpace = nullptr;
    QList<QLabel *> m_panels;
    QTimer *m_clock = nullptr;
    RepeatingHandler m_clockHandler; // a failing tick is shown once, not every 5 seconds
    QList<QMenu *> m_ownMenus;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_linkMenu = nullptr;
    bool m_closing = false;
    bool m_shown = false;
};
