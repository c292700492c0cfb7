#include "platform/ioerror.h"
#include "settings/settingsstore.h"
#include "tests/support/tempprogramdir.h"
#include "tests/support/unprivileged.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

class SettingsStore : public ::testing::Test
{
protected:
    TempProgramDir dir{false};

    QString write(const QByteArray &bytes)
    {
        dir.writeBytes(QStringLiteral("test.sav"), bytes);
        return dir.file(QStringLiteral("test.sav"));
    }
    QByteArray content() const { return dir.readBytes(QStringLiteral("test.sav")); }
};

TEST_F(SettingsStore, ReadsTheValueAfterTheExactPrefix)
{
    const QString f = write("[menu1]=\r\n[astuce]=oui\r\n[bouton10]=dix\r\n[bouton1]=un\r\n"
                            "[chaine1]=<A HREF=\"x\">[y]=z</A>\r\n");
    EXPECT_EQ(lireparametre("menu1", f), QString()) << "prefix alone is the empty value";
    EXPECT_EQ(lireparametre("bouton1", f), "un") << "bouton1 must not match bouton10";
    EXPECT_EQ(lireparametre("bouton10", f), "dix");
    EXPECT_EQ(lireparametre("chaine1", f), "<A HREF=\"x\">[y]=z</A>");
    EXPECT_EQ(lireparametre("absent", f), kIndefini);
}

TEST_F(SettingsStore, MatchesCaseSensitivelyAtTheLineStartOnly)
{
    const QString f = write(" [astuce]=oui\r\n[Astuce]=oui\r\nx[astuce]=oui\r\n");
    EXPECT_EQ(lireparametre("astuce", f), kIndefini);
}

TEST_F(SettingsStore, FirstEmptyLineEndsTheSettings)
{
    const QString f = write("[a]=1\r\n\r\n[b]=2\r\n");
    EXPECT_EQ(lireparametre("a", f), "1");
    EXPECT_EQ(lireparametre("b", f), kIndefini);
    ecrireparametre("9", "b", f);
    EXPECT_EQ(content(), QByteArray("[a]=1\r\n\r\n[b]=2\r\n")) << "lines after the end survive";
}

TEST_F(SettingsStore, AcceptsLfAndLoneCrLineEnds)
{
    const QString f = write("[a]=1\n[b]=2\r[c]=3");
    EXPECT_EQ(lireparametre("a", f), "1");
    EXPECT_EQ(lireparametre("b", f), "2");
    EXPECT_EQ(lireparametre("c", f), "3");
}

TEST_F(SettingsStore, WriteReplacesEveryMatchingLineAndKeepsTheRest)
{
    const QString f = write("; comment\r\n[k]=old\r\n[other]=x\r\n[k]=older");
    ecrireparametre("new", "k", f);
    EXPECT_EQ(content(), QByteArray("; comment\r\n[k]=new\r\n[other]=x\r\n[k]=new\r\n"));
    EXPECT_EQ(lireparametre("k", f), "new");
    EXPECT_FALSE(QFileInfo::exists(f + "~"));
}

TEST_F(SettingsStore, WriteNeverAddsAKey)
{
    const QByteArray before("[a]=1\r\n[b]=2\r\n");
    const QString f = write(before);
    ecrireparametre("3", "c", f);
    EXPECT_EQ(content(), before);
}

TEST_F(SettingsStore, MissingFileThrowsAndCreatesNoCompanion)
{
    const QString f = dir.file("absent.sav");
    EXPECT_THROW(lireparametre("a", f), IoError);
    EXPECT_THROW(ecrireparametre("1", "a", f), IoError);
    EXPECT_FALSE(QFileInfo::exists(f + "~"));
}

TEST_F(SettingsStore, DirectoryInPlaceOfTheFileThrows)
{
    EXPECT_THROW(lireparametre("a", dir.path()), IoError);
}

TEST_F(SettingsStore, WriteUnderAReadOnlyDirectoryFailsAndKeepsTheOldFile)
{
    const QByteArray before("[a]=1\r\n");
    const QString f = write(before);
    QFile::setPermissions(f, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const bool refused = withoutPrivileges([&] {
        try {
            ecrireparametre("2", "a", f);
        } catch (const IoError &error) {
            return error.message().contains(f) || error.message().contains(f + "~");
        }
        return false;
    });
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(refused) << "the write must fail with a message naming the file";
    EXPECT_EQ(content(), before);
    EXPECT_FALSE(QFileInfo::exists(f + "~"));
}

TEST_F(SettingsStore, TwoProcessesRewritingOneFileKeepEachOthersLines)
{
    const QString f = write("[premier]=0\r\n[second]=0\r\n[autre]=garde\r\n");
    constexpr int kWrites = 500;
    // Each child changes its own key kWrites times and exits 1 at the first error.
    auto spawn = [&](const char *key) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            int status = 0;
            try {
                for (int i = 1; i <= kWrites; ++i)
                    ecrireparametre(QString::number(i), QString::fromLatin1(key), f);
            } catch (const IoError &error) {
                std::fprintf(stderr, "%s\n", qPrintable(error.message()));
                status = 1;
            }
            ::_exit(status);
        }
        return pid;
    };
    const pid_t children[] = {spawn("premier"), spawn("second")};
    for (pid_t child : children) {
        ASSERT_GT(child, 0);
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a write failed";
    }
    EXPECT_EQ(lireparametre("premier", f), QString::number(kWrites));
    EXPECT_EQ(lireparametre("second", f), QString::number(kWrites));
    EXPECT_EQ(lireparametre("autre", f), "garde");
    EXPECT_FALSE(QFileInfo::exists(f + "~"));
}

TEST_F(SettingsStore, FullDiskLeavesTheOldFileIntact)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    // The companion of /dev/full's parent cannot be created, so point the store at a file whose
    // companion is /dev/full itself: a symbolic link named "x~" to it.
    const QByteArray before("[a]=1\r\n");
    const QString f = write(before);
    ASSERT_TRUE(QFile::link("/dev/full", f + "~"));
    EXPECT_THROW(ecrireparametre(QString(100000, 'x'), "a", f), IoError);
    EXPECT_EQ(content(), before);
}

TEST_F(SettingsStore, AwkwardValuesReadBackExactly)
{
    const QString f = write("[v]=\r\n[after]=kept\r\n");
    const QStringList values = {
        QString(),
        QStringLiteral("<A HREF=\"page.htm#x\">[lien]=ici</A>"),
        QStringLiteral("ligne 1\r\nligne 2\nligne 3\r"),
        QStringLiteral("\\n n'est pas un saut de ligne"),
        QStringLiteral("\x1b commence par la marque"),
        QStringLiteral("été € œ Ÿ"),
        QStringLiteral("hors du jeu : Ω ← 😀"),
        QStringLiteral("  espaces autour  "),
        QStringLiteral("\\u{41} pas un échappement"),
    };
    for (const QString &value : values) {
        ecrireparametre(value, "v", f);
        EXPECT_EQ(lireparametre("v", f), value);
        EXPECT_EQ(lireparametre("after", f), "kept");
    }
}

TEST_F(SettingsStore, PlainValuesAreStoredByteForByte)
{
    const QString f = write("[v]=\r\n");
    ecrireparametre(QStringLiteral("indéfini €"), "v", f);
    EXPECT_EQ(content(), QByteArray("[v]=ind\xe9"
                                    "fini \x80\r\n"));
}

TEST_F(SettingsStore, NumberedTextsMatchTheWholeNumber)
{
    const QString f = write("50$cinquante\r\n12$douze\r\n5$cinq\r\n1$un\r\n");
    EXPECT_EQ(textedialogue(5, f), "cinq");
    EXPECT_EQ(textedialogue(1, f), "un");
    EXPECT_EQ(textedialogue(12, f), "douze");
    EXPECT_EQ(textedialogue(7, f), kIndefini);
}

TEST_F(SettingsStore, NumericKeysFallBackWhenMissingOrNotANumber)
{
    const QString f = write("[hauteur]=abc\r\n[largeur]= 640 \r\n[auto]=\r\n");
    EXPECT_EQ(lireentier("hauteur", f, 480), 480);
    EXPECT_EQ(lireentier("largeur", f, 480), 640);
    EXPECT_EQ(lireentier("auto", f, 0), 0);
    EXPECT_EQ(lireentier("numastuce", f, 3110), 3110);
}

TEST_F(SettingsStore, DamagedFilesNeverCrash)
{
    const QList<QByteArray> damaged = {QByteArray(),           QByteArray("\r\n"),
                                       QByteArray(5000, '\0'), QByteArray("[a]=\xff\xfe\x81\x8d"),
                                       QByteArray("[a"),       QByteArray("\xef\xbb\xbf[a]=1")};
    for (const QByteArray &bytes : damaged) {
        const QString f = write(bytes);
        EXPECT_NO_THROW(lireparametre("a", f));
        EXPECT_NO_THROW(ecrireparametre("x", "a", f));
        EXPECT_NO_THROW(textedialogue(1, f));
    }
}

} // namespace
