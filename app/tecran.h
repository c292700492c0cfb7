#pragma once

#include "editor/editorhost.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
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

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void creationmenu();
    void buildMenus();
    void buildToolBar();
    void buildPersonalBar();
    void buildStatusBar();
    void showMenusOf(QMdiSubWindow *window);
    void showEditorWindow(Tedition *editor);
    void runOnActiveEditor(const QString &command);
    void tileWindows(QList<QRect> (*layout)(const QRect &, int));
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
    QWidget *m_personalBar = nullptr;
    QWidget *m_browserPanel = nullptr;
    QLabel *m_freeSpace = nullptr;
    QList<QLabel *> m_panels;
    QTimer *m_clock = nullptr;
    QList<QMenu *> m_ownMenus;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_linkMenu = nullptr;
    bool m_closing = false;
};
