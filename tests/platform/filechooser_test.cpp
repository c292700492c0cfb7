#include "platform/filechooser.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class FileChooserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *name : {"a.htm", "B.HTML", "c.txt", ".cache.htm", "README", "d é.htm"})
            touch(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("images")));
        touch(dir.filePath(QStringLiteral("images/logo.gif")));
    }

    QTemporaryDir dir;
};

TEST_F(FileChooserTest, ListsTheFilesTheMaskTakesAndFollowsTheFilterList)
{
    FileChooser chooser;
    QLineEdit edit;
    chooser.bindEdit(&edit);
    chooser.setDirectory(dir.path());
    chooser.setFilter(QStringLiteral("Fichiers HTML (*.htm)|*.htm|Tous les fichiers|*.*"));

    EXPECT_EQ(chooser.fileNames(), (QStringList{QStringLiteral("a.htm"), QStringLiteral("B.HTML"),
                                                QString::fromUtf8("d é.htm")}));
    EXPECT_EQ(edit.text(), QStringLiteral("*.htm"));
    EXPECT_EQ(chooser.filterList()->count(), 2);

    chooser.filterList()->setCurrentIndex(1);
    Q_EMIT chooser.filterList()->activated(1);
    EXPECT_EQ(chooser.mask(), QStringLiteral("*.*"));
    EXPECT_EQ(
        chooser.fileNames(),
        (QStringList{QStringLiteral("a.htm"), QStringLiteral("B.HTML"), QStringLiteral("c.txt"),
                     QString::fromUtf8("d é.htm"), QStringLiteral("README")}));
}

TEST_F(FileChooserTest, SelectionGivesTheBareNameToTheEditAndTheWholePath)
{
    FileChooser chooser;
    QLineEdit edit;
    chooser.bindEdit(&edit);
    chooser.setDirectory(dir.path() + QStringLiteral("/"));
    chooser.setMask(QStringLiteral("*.htm"));
    QSignalSpy selected(&chooser, &FileChooser::fileSelected);

    EXPECT_TRUE(chooser.selectedFileName().isEmpty());
    ASSERT_TRUE(chooser.selectFile(QStringLiteral("B.HTML")));
    EXPECT_EQ(edit.text(), QStringLiteral("B.HTML"));
    EXPECT_EQ(chooser.selectedFilePath(), dir.path() + QStringLiteral("/B.HTML"));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toString(), dir.path() + QStringLiteral("/B.HTML"));
    EXPECT_FALSE(chooser.selectFile(QStringLiteral("c.txt")));
}

TEST_F(FileChooserTest, DirectoryChangesReachTheLabelTheListAndTheSignal)
{
    FileChooser chooser;
    chooser.setMask(QStringLiteral("*.gif"));
    QSignalSpy changed(&chooser, &FileChooser::directoryChanged);
    chooser.setDirectory(dir.filePath(QStringLiteral("images")));

    EXPECT_EQ(chooser.directory(), dir.filePath(QStringLiteral("images")));
    EXPECT_EQ(chooser.directoryLabel()->text(), dir.filePath(QStringLiteral("images")));
    EXPECT_EQ(chooser.fileNames(), QStringList{QStringLiteral("logo.gif")});
    EXPECT_EQ(changed.count(), 1);

    // A directory that vanished gives its nearest existing parent.
    chooser.setDirectory(dir.filePath(QStringLiteral("images/gone/deeper")));
    EXPECT_EQ(chooser.directory(), dir.filePath(QStringLiteral("images")));
    EXPECT_EQ(changed.count(), 1);

    // A file created meanwhile shows once the lists are read again.
    touch(dir.filePath(QStringLiteral("images/new.GIF")));
    chooser.refresh();
    EXPECT_EQ(chooser.fileNames(),
              (QStringList{QStringLiteral("logo.gif"), QStringLiteral("new.GIF")}));
}

TEST(FileChooserPaths, RootIsNeverDoubledAndVolumesStartAtRoot)
{
    EXPECT_EQ(FileChooser::joinPath(QStringLiteral("/"), QStringLiteral("etc")),
              QStringLiteral("/etc"));
    EXPECT_EQ(FileChooser::joinPath(QStringLiteral("/site"), QStringLiteral("a.htm")),
              QStringLiteral("/site/a.htm"));
    const QStringList volumes = FileChooser::volumes();
    ASSERT_FALSE(volumes.isEmpty());
    EXPECT_EQ(volumes.first(), QStringLiteral("/"));
    EXPECT_FALSE(volumes.contains(QStringLiteral("/proc")));

    FileChooser chooser;
    chooser.setDirectory(QStringLiteral("/"));
    EXPECT_EQ(chooser.directory(), QStringLiteral("/"));
    EXPECT_EQ(chooser.driveList()->currentText(), QStringLiteral("/"));
}

} // namespace
