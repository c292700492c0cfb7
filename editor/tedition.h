#pragma once

#include "platform/documentfile.h"
#include "platform/editortextedit.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class EditorHost;
class EditorControl;
class PlainTextEditControl;
class QAction;
class QKeyEvent;
class QMenu;
class QPlainTextEdit;

// An editor window: one document in its text control `memo1`, with the editor's menus,
// which take the main window's place in the menu bar while this window is active.
//
// Commands are registered by the name of their menu item (`Gras1`, `Enregistrer1`) in one
// table shared by every window (editor/editorcommands.cpp): once the menus are built, every
// item with a command runs it on its window, and every other item is disabled until its
// feature exists.
class Tedition : public QWidget
{
    Q_OBJECT

public:
    using Command = std::function<void(Tedition &)>;
    using CommandTable = QHash<QString, Command>;

    static const CommandTable &commands();

    explicit Tedition(EditorHost *host, QWidget *parent = nullptr);
    ~Tedition() override;

    // True when the editor command of that name is built (the main toolbar enables its
    // buttons from this).
    static bool providesCommand(const QString &name);

    // Opens `path` as this window's document; a missing file leaves the document empty.
    // Throws IoError when the file exists but cannot be read as a document.
    void openFile(const QString &path);

    // Makes this window a new document that was never saved: caption `caption`, no file
    // path, the format of new documents, marked modified with saving enabled.
    void startUntitled(const QString &caption);

    QString fileName() const { return m_fileName; }
    QPlainTextEdit *memo1() const { return m_memo; }
    EditorControl &control() const;
    EditorHost &host() const { return *m_host; }
    QList<QMenu *> menus() const { return m_menus; }
    QMenu *contextMenu() const { return m_contextMenu; }
    QAction *command(const QString &name) const;

    // Runs the named command as if its menu item had been chosen; unknown or disabled
    // commands do nothing.
    void runCommand(const QString &name);
    // Runs the named command whatever the state its menu item was left in (the main
    // toolbar's buttons keep their own state); unknown commands do nothing.
    void execute(const QString &name);

    void setAutoTransformChecked(bool checked);

    // Saves the document (save-as for an untitled one); false when nothing was saved.
    bool sauve();
    bool saveAs();
    void print();

    // The close question: true when the window may close.
    bool FormCloseQuery();
    // The main window already asked: close without asking again.
    void approveClose() { m_closeApproved = true; }

    // The window became the active editor window.
    void FormActivate();

    // When the file changed on disk since it was read or saved here and the document holds
    // no edit, offers to read it again (asked once per change).
    void checkFileOnDisk();
    // The file exists and the user may not write it: saving offers another name.
    bool isReadOnly() const { return m_readOnly; }

    // Counts the changes of the text; equal counts mean nothing changed in between.
    quint64 editCount() const { return m_edits; }
    // How the document would be saved now (encoding, line ends).
    DocumentFormat documentFormat() const;
    // Puts text kept from an earlier run in place of the document's, modified, under
    // `caption` when the document has no file.
    void takeRecoveredText(const LoadedDocument &recovered, const QString &caption);

Q_SIGNALS:
    // The document was written to its file (or read afresh from it).
    void documentSaved();

public:
    // Status panels 1 and 4 of the main window, and the edit menu states.
    void refreshStatus();
    void refreshPosition();
    void refreshMenuStates();

    // Cut and copy of the edit menus hand the clipboard text to this hook; by default, and
    // again when given an empty function, it appends the text to the clipboard history.
    static void setClipboardHistoryHook(std::function<void(const QString &)> hook);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildMenus();
    void Tedition_creationmenu();
    void bindMenus();
    void applyFontFile();
    void enableCommand(const char *name, bool enabled);
    void markSaved();
    // Sets the caption: the document's name, with " [lecture seule]" for a read-only file.
    void setCaption(const QString &name);
    // Before saving over the file: true when it is unchanged since it was read or saved
    // here, or when the user chose to replace the other program's changes.
    bool confirmOverwrite();
    bool offerSaveAsForReadOnly();
    bool cutOrCopyKey(QKeyEvent *key);

public:
    // Commands of the file, edit and format menus (editor/editorcommands.cpp).
    void chooseFont();
    // Colouring and line numbers of memo1 as the Format menu's two marks say.
    void applyDisplayMarks();
    void copyOrCut(bool cut);
    void clearClipboard();

private:
    EditorHost *m_host;
    EditorTextEdit *m_memo;
    std::unique_ptr<PlainTextEditControl> m_control;
    QList<QMenu *> m_menus;
    QMenu *m_contextMenu = nullptr;
    QString m_fileName;
    DocumentFormat m_format;
    FileStamp m_stamp; // the file as this window last read or wrote it
    bool m_readOnly = false;
    bool m_checkingDisk = false;
    quint64 m_edits = 0;
    QString m_saveSuffix = QStringLiteral("html");
    int m_saveFilter = 1;
    QString m_positionWords[3]; // texts 601, 602 and 603 of the main-window language file
    bool m_closeApproved = false;
};
