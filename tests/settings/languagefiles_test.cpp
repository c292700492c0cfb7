#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/support/tempprogramdir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace
{

TEST(LanguageFiles, EmptyOrMissingPathsFallBackToTheDefaults)
{
    TempProgramDir dir;
    const QString own = dir.file("mien.mn1");
    dir.writeBytes("mien.mn1", "100$&Mon fichier\r\n");
    ecrireparametre(own, "menu1", settingsFile());
    ecrireparametre(dir.file("absent.mn2"), "menu2", settingsFile());
    ecrireparametre(QString(), "dialogue", settingsFile());
    ecrireparametre("2", "normeecriture", settingsFile());
    lireDemarrage();
    EXPECT_EQ(startupSettings().menu1, own);
    EXPECT_EQ(startupSettings().menu2, dir.file("langue/francais.mn2"));
    EXPECT_EQ(startupSettings().dialogue, dir.file("langue/francais.dlg"));
    EXPECT_EQ(startupSettings().normeecriture, 2);
    EXPECT_EQ(texteMenu1(100), "&Mon fichier");
}

TEST(LanguageFiles, ADirectoryIsNotALanguageFile)
{
    TempProgramDir dir;
    EXPECT_EQ(resolveLanguagePath(dir.path(), "defaut"), "defaut");
    // Even when a file of that name stands in the current directory.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    dir.writeBytes(kIndefini, "100$piège\r\n");
    EXPECT_EQ(resolveLanguagePath(kIndefini, "defaut"), "defaut");
    QDir::setCurrent(previous);
}

TEST(LanguageFiles, BadCaseSettingGivesFileSystemCase)
{
    TempProgramDir dir;
    ecrireparametre("deux", "normeecriture", settingsFile());
    lireDemarrage();
    EXPECT_EQ(startupSettings().normeecriture, 0);
    ecrireparametre("7", "normeecriture", settingsFile());
    lireDemarrage();
    EXPECT_EQ(startupSettings().normeecriture, 0);
}

TEST(LanguageFiles, AnEmptyLineHidesTheTextsAfterIt)
{
    TempProgramDir dir;
    dir.writeBytes("t.dlg", "1$OK\r\n\r\n2$Annuler\r\n");
    EXPECT_EQ(textedialogue(1, dir.file("t.dlg")), "OK");
    EXPECT_EQ(textedialogue(2, dir.file("t.dlg")), kIndefini);
}

TEST(ProgramDirectory, FollowsBrindelHomeWithATrailingSeparator)
{
    TempProgramDir dir;
    EXPECT_EQ(programDirectory(), dir.path());
    EXPECT_TRUE(settingsFile().endsWith("/brindel.sav"));
    EXPECT_EQ(QDir(programDirectory()).absolutePath() + "/", dir.path());
}

} // namespace
