#pragma once

#include <QWidget>

class FileChooser;
class QLabel;
class QMenu;
class QPushButton;

// The file browser panel on the main window's left edge, shown while a project is open: the
// current directory's path, its editable files and the directory tree. A double-click on a
// file asks for it to be opened; the panel folds down to a narrow strip and back.
class FileBrowserPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kExpandedWidth = 177;
    static constexpr int kCollapsedWidth = 19;

    explicit FileBrowserPanel(QWidget *parent = nullptr);
    ~FileBrowserPanel() override;

    FileChooser &chooser() const { return *m_chooser; }
    QLabel *freeSpaceLabel() const { return m_freeSpace; }
    QMenu *directoryMenu() const { return m_menu; }

    // Points the directory tree, and so the file list, at `path`.
    void setDirectory(const QString &path);
    QString directory() const;

    // "<" folds the panel and names the project in the main window's caption; ">" undoes it.
    void Button2Click();
    void Button1Click();
    bool isCollapsed() const;

    // Creates a sub-directory of the current directory and moves into it.
    void Crerunnouveaurpertoire1Click();

    // Sets the context menu's caption from the main-window language file.
    void creationmenu();

Q_SIGNALS:
    // A file of the list was double-clicked: open it.
    void openRequested(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FileChooser *m_chooser;
    QLabel *m_freeSpace;
    QPushButton *m_collapse;
    QPushButton *m_expand;
    QWidget *m_contents;
    QMenu *m_menu;
};
