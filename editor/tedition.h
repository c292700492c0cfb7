#pragma once

#include <QString>
#include <QWidget>

class EditorHost;
class QAction;
class QMenu;
class QPlainTextEdit;

// An editor window: one document in its text control `memo1`, with the editor's menus,
// which take the main window's place in the menu bar while this window is active.
class Tedition : public QWidget
{
    Q_OBJECT

public:
    explicit Tedition(EditorHost *host, QWidget *parent = nullptr);
    ~Tedition() override;

    // True when the editor command of that name is built (the main toolbar enables its
    // buttons from this).
    static bool providesCommand(const QString &name);

    // Opens `path` as this window's document; a missing file leaves the document empty.
    // Throws IoError when the file exists but cannot be read as a document.
    void openFile(const QString &path);

    QString fileName() const { return m_fileName; }
    QPlainTextEdit *memo1() const { return m_memo; }
    QList<QMenu *> menus() const { return m_menus; }
    QAction *command(const QString &name) const;

    // Runs the named command as if its menu item had been chosen; unknown or disabled
    // commands do nothing.
    void runCommand(const QString &name);

    void setAutoTransformChecked(bool checked);

    // Saves the document (save-as for an untitled one); false when nothing was saved.
    bool sauve();
    bool saveAs();

    // The close question: true when the window may close.
    bool FormCloseQuery();
    // The main window already asked: close without asking again.
    void approveClose() { m_closeApproved = true; }

    // The window became the active editor window.
    void FormActivate();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void refreshStatus();
    void writeDocument(const QString &path);

    EditorHost *m_host;
    QPlainTextEdit *m_memo;
    QList<QMenu *> m_menus;
    QString m_fileName;
    bool m_closeApproved = false;
};
