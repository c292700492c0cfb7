#include "platform/filechooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>

namespace
{

QString cleanDirectory(const QString &path)
{
    QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (clean.isEmpty())
        clean = QStringLiteral("/");
    if (!clean.startsWith(QLatin1Char('/')))
        clean = QDir::cleanPath(QDir::current().absoluteFilePath(clean));
    return clean;
}

// File systems the kernel provides for itself, not places where the user keeps files.
bool isPseudoFileSystem(const QByteArray &type)
{
    static const QList<QByteArray> pseudo = {
        "proc",       "sysfs",    "devpts",  "devtmpfs",   "cgroup",      "cgroup2",
        "pstore",     "debugfs",  "tracefs", "mqueue",     "hugetlbfs",   "fusectl",
        "bpf",        "configfs", "autofs",  "securityfs", "binfmt_misc", "efivarfs",
        "nsfs",       "squashfs", "ramfs",   "rpc_pipefs", "selinuxfs",   "fuse.gvfsd-fuse",
        "fuse.portal"};
    return pseudo.contains(type);
}

} // namespace

FileChooser::FileChooser(QWidget *parent)
    : QWidget(parent), m_drives(new QComboBox(this)), m_tree(new QTreeView(this)),
      m_label(new QLabel(this)), m_files(new QListWidget(this)), m_filters(new QComboBox(this)),
      m_model(new QFileSystemModel(this)), m_watcher(new QFileSystemWatcher(this))
{
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    m_tree->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_label->setObjectName(QStringLiteral("DirectoryLabel"));
    m_files->setObjectName(QStringLiteral("FileListBox1"));
    m_filters->setObjectName(QStringLiteral("FilterComboBox1"));

    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QStringLiteral("/"));
    m_model->setReadOnly(true);
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label, 0, 0, 1, 2);
    layout->addWidget(m_tree, 1, 0);
    layout->addWidget(m_files, 1, 1);
    layout->addWidget(m_drives, 2, 0);
    layout->addWidget(m_filters, 2, 1);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onTreeCurrentChanged(current); });
    connect(m_drives, &QComboBox::activated, this, [this](int row) { onVolumeChosen(row); });
    connect(m_filters, &QComboBox::activated, this, [this](int row) { onFilterChosen(row); });
    connect(m_files, &QListWidget::currentRowChanged, this,
            [this](int row) { onFileRowChanged(row); });
    connect(m_files, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        Q_EMIT fileActivated(joinPath(m_directory, item->text()));
    });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { fillFiles(); });

    fillVolumes();
    setDirectory(QDir::homePath());
}

QListView *FileChooser::fileList() const
{
    return m_files;
}

QStringList FileChooser::volumes()
{
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || isPseudoFileSystem(volume.fileSystemType()))
            continue;
        const QString root = cleanDirectory(volume.rootPath());
        if (!roots.contains(root))
            roots.append(root);
    }
    return roots;
}

QString FileChooser::joinPath(const QString &directory, const QString &name)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}

void FileChooser::fillVolumes()
{
    const QSignalBlocker blocker(m_drives);
    m_drives->clear();
    for (const QString &root : volumes())
        m_drives->addItem(root, root);
}

void FileChooser::setDirectory(const QString &path)
{
    QString directory = cleanDirectory(path);
    // A directory that went away or was never there gives its nearest existing parent.
    while (directory != QLatin1String("/") && !QFileInfo(directory).isDir())
        directory = cleanDirectory(directory + QStringLiteral("/.."));
    const bool changed = directory != m_directory;
    m_directory = directory;
    m_label->setText(QDir::toNativeSeparators(m_directory));
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_watcher->addPath(m_directory);

    // The volume holding the directory: the longest root that starts its path.
    int best = -1;
    qsizetype bestLength = -1;
    for (int row = 0; row < m_drives->count(); ++row) {
        const QString root = m_drives->itemData(row).toString();
        const bool inside = root == QLatin1String("/") || m_directory == root ||
                            m_directory.startsWith(root + QLatin1Char('/'));
        if (inside && root.size() > bestLength) {
            best = row;
            bestLength = root.size();
        }
    }
    {
        const QSignalBlocker blocker(m_drives);
        m_drives->setCurrentIndex(best);
    }
    showDirectoryInTree();
    fillFiles();
    if (changed)
        Q_EMIT directoryChanged(m_directory);
}

void FileChooser::showDirectoryInTree()
{
    const QModelIndex index = m_model->index(m_directory);
    if (!index.isValid())
        return;
    m_updating = true;
    m_tree->setCurrentIndex(index);
    m_tree->expand(index);
    m_tree->scrollTo(index);
    m_updating = false;
}

void FileChooser::onTreeCurrentChanged(const QModelIndex &index)
{
    if (m_updating || !index.isValid())
        return;
    setDirectory(m_model->filePath(index));
}

void FileChooser::onVolumeChosen(int row)
{
    if (row >= 0)
        setDirectory(m_drives->itemData(row).toString());
}

void FileChooser::setMask(const QString &mask)
{
    m_mask = FileMask(mask);
    if (m_edit)
        m_edit->setText(mask);
    fillFiles();
}

void FileChooser::setFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    {
        const QSignalBlocker blocker(m_filters);
        m_filters->clear();
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            m_filters->addItem(parts[i], parts[i + 1]);
    }
    if (m_filters->count() > 0) {
        m_filters->setCurrentIndex(0);
        setMask(m_filters->itemData(0).toString());
    }
}

void FileChooser::onFilterChosen(int row)
{
    if (row >= 0)
        setMask(m_filters->itemData(row).toString());
}

void FileChooser::bindEdit(QLineEdit *edit)
{
    m_edit = edit;
    if (m_edit)
        m_edit->setText(m_mask.text());
}

void FileChooser::fillFiles()
{
    const QString selected = selectedFileName();
    const QSignalBlocker blocker(m_files);
    m_files->clear();
    const QFileInfoList entries =
        QDir(m_directory)
            .entryInfoList(QDir::Files | QDir::System,
                           QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo &entry : entries) {
        if (m_mask.matches(entry.fileName()))
            m_files->addItem(entry.fileName());
    }
    if (!selected.isEmpty()) {
        const QList<QListWidgetItem *> found = m_files->findItems(selected, Qt::MatchExactly);
        if (!found.isEmpty())
            m_files->setCurrentItem(found.first());
    }
}

QStringList FileChooser::fileNames() const
{
    QStringList names;
    for (int row = 0; row < m_files->count(); ++row)
        names.append(m_files->item(row)->text());
    return names;
}

QString FileChooser::selectedFileName() const
{
    const QListWidgetItem *item = m_files->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QString FileChooser::selectedFilePath() const
{
    const QString name = selectedFileName();
    return name.isEmpty() ? QString() : joinPath(m_directory, name);
}

bool FileChooser::selectFile(const QString &name)
{
    const QList<QListWidgetItem *> found = m_files->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    m_files->setCurrentItem(found.first());
    found.first()->setSelected(true);
    return true;
}

void FileChooser::onFileRowChanged(int row)
{
    if (row < 0)
        return;
    const QString name = m_files->item(row)->text();
    if (m_edit)
        m_edit->setText(name);
    Q_EMIT fileSelected(joinPath(m_directory, name));
}

void FileChooser::refresh()
{
    fillVolumes();
    setDirectory(m_directory);
}

void FileChooser::setPartsVisible(bool drives, bool tree, bool label, bool files, bool filters)
{
    m_drives->setVisible(drives);
    m_tree->setVisible(tree);
    m_label->setVisible(label);
    m_files->setVisible(files);
    m_filters->setVisible(filters);
}
