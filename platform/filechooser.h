#pragma once

#include "platform/filemask.h"

#include <QString>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QModelIndex;
class QTreeView;

// The file-choosing controls that the dialogs bind together: the list of mounted volumes,
// the directory tree with a label showing the current directory, the list of the current
// directory's files that match a mask, and the list of filters that sets the mask. A bound
// line edit shows the mask and receives the name of the file selected in the list.
//
// The parts sit in a default layout; a dialog may move any of them into its own layout.
// Paths use "/" and carry no trailing separator, except the root "/".
class FileChooser : public QWidget
{
    Q_OBJECT

public:
    explicit FileChooser(QWidget *parent = nullptr);

    QComboBox *driveList() const { return m_drives; }   // DriveComboBox1
    QTreeView *directoryTree() const { return m_tree; } // DirectoryListBox1
    QLabel *directoryLabel() const { return m_label; }  // the current directory
    QListView *fileList() const;                        // FileListBox1
    QComboBox *filterList() const { return m_filters; } // FilterComboBox1

    void setDirectory(const QString &path);
    QString directory() const { return m_directory; }

    void setMask(const QString &mask);
    QString mask() const { return m_mask.text(); }

    // "Description|*.a;*.b|Description|*.c": one entry per pair; the first one sets the mask.
    void setFilter(const QString &pipeFilter);

    void bindEdit(QLineEdit *edit);

    // The file selected in the list: its bare name, and its full path; empty when none.
    QString selectedFileName() const;
    QString selectedFilePath() const;
    // Selects a file of the current directory by name; false when the list has none so named.
    bool selectFile(const QString &name);

    // The names the file list shows, in order.
    QStringList fileNames() const;

    // Reads the volumes, the tree and the file list again.
    void refresh();

    void setPartsVisible(bool drives, bool tree, bool label, bool files, bool filters);

    // The mounted volumes worth offering: real file systems, "/" first.
    static QStringList volumes();

    // `directory` + "/" + `name`, without doubling the separator at the root.
    static QString joinPath(const QString &directory, const QString &name);

Q_SIGNALS:
    void directoryChanged(const QString &path);
    void fileSelected(const QString &path);  // a file became the list's selection
    void fileActivated(const QString &path); // a file was double-clicked

private:
    void fillVolumes();
    void fillFiles();
    void showDirectoryInTree();
    void onTreeCurrentChanged(const QModelIndex &index);
    void onVolumeChosen(int row);
    void onFilterChosen(int row);
    void onFileRowChanged(int row);

    QComboBox *m_drives;
    QTreeView *m_tree;
    QLabel *m_label;
    QListWidget *m_files;
    QComboBox *m_filters;
    QFileSystemModel *m_model;
    QFileSystemWatcher *m_watcher;
    QLineEdit *m_edit = nullptr;
    QString m_directory;
    FileMask m_mask{QStringLiteral("*.*")};
    bool m_updating = false;
};
