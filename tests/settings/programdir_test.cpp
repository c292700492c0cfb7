#include "editor/helppreviewplan.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/supportfolders.h"
#include "settings/systemlanguage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

// The three places a program can find itself in: writable beside its data, installed for
// every user with a user folder not made yet, and installed with a user folder that already
// holds the user's own settings. The installed files are never written.
TEST(ProgramFolders, WritableInstalledFreshAndInstalledKnown)
{
    QTemporaryDir root;
    const QString installed = root.path() + "/share/brindel/";
    const QString user = root.path() + "/home/.local/share/brindel";
    write(installed + "brindel.sav", "[hauteur]=600\r\n");
    write(installed + "visualisateur.sav", "[fichier]=\r\n[drapeau]=0\r\n");

    struct Case {
        const char *name;
        bool writable;
        QByteArray userSettingsBefore; // empty: no user folder yet
        QString work;
        QByteArray userSettingsAfter;
    };
    const Case cases[] = {
        {"writable", true, "", installed, "(absent)"},
        {"installed, fresh", false, "", user + "/", "[hauteur]=600\r\n"},
        {"installed, known", false, "[hauteur]=777\r\n", user + "/", "[hauteur]=777\r\n"},
    };
    for (const Case &c : cases) {
        QDir(user).removeRecursively();
        if (!c.userSettingsBefore.isEmpty())
            write(user + "/brindel.sav", c.userSettingsBefore);
        const ProgramFolders folders = chooseProgramFolders(installed, user, c.writable);
        EXPECT_EQ(folders.work, c.work) << c.name;
        EXPECT_EQ(folders.data, installed) << c.name;
        if (folders.work != folders.data) {
            ASSERT_TRUE(prepareUserFolder(folders.work, folders.data)) << c.name;
            EXPECT_EQ(read(user + "/visualisateur.sav"), "[fichier]=\r\n[drapeau]=0\r\n") << c.name;
        }
        EXPECT_EQ(read(user + "/brindel.sav"), c.userSettingsAfter) << c.name;
        EXPECT_EQ(read(installed + "brindel.sav"), "[hauteur]=600\r\n") << c.name;
    }
}

TEST(ProgramFolders, InstalledDataIsFoundBesideTheProgramsFolder)
{
    QTemporaryDir root;
    const QString prefix = root.path();
    QDir().mkpath(prefix + "/inst/bin");
    QDir().mkpath(prefix + "/inst/share/brindel/langue");
    QDir().mkpath(prefix + "/build/bin");
    QDir().mkpath(prefix + "/portable/bin");
    QDir().mkpath(prefix + "/portable/langue");
    EXPECT_EQ(installedDataDirectory(prefix + "/inst/bin"), prefix + "/inst/share/brindel/");
    EXPECT_EQ(installedDataDirectory(prefix + "/build/bin"), prefix + "/build/bin/");
    EXPECT_EQ(installedDataDirectory(prefix + "/portable"), prefix + "/portable/");
}

TEST(ProgramFolders, FirstLanguageFollowsTheSystemLocale)
{
    const struct {
        const char *locale;
        const char *language;
    } cases[] = {
        {"fr_FR.UTF-8", "francais"}, {"fr_CA", "francais"}, {"fr", "francais"},
        {"C.UTF-8", "francais"},     {"POSIX", "francais"}, {"", "francais"},
        {"en_GB.UTF-8", "anglais"},  {"de_DE", "anglais"},  {"fy_NL", "anglais"},
        {"fr@latin", "francais"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(languageForLocale(c.locale), c.language) << c.locale;
}

TEST(ProgramFolders, MessagesLocaleReadsTheVariablesInTheLibrarysOrder)
{
    const char *names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArray saved[4];
    for (int i = 0; i < 4; ++i)
        saved[i] = qgetenv(names[i]);
    const struct {
        const char *values[4]; // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        const char *expected;
    } cases[] = {
        {{"", "", "", "de_DE.UTF-8"}, "de_DE.UTF-8"},
        {{"", "", "fr_BE", "de_DE"}, "fr_BE"},
        {{"", "C.UTF-8", "fr_BE", "de_DE"}, "C.UTF-8"},
        {{"fr:en", "", "", "en_US.UTF-8"}, "fr"},
        {{"en", "C", "", "fr_FR"}, "C"},
    };
    for (const auto &c : cases) {
        for (int i = 0; i < 4; ++i)
            qputenv(names[i], c.values[i]);
        EXPECT_EQ(systemMessagesLocale(), c.expected) << c.expected;
    }
    for (int i = 0; i < 4; ++i)
        qputenv(names[i], saved[i]);
}

TEST(ProgramFolders, HelpPageInTheUsersLanguageWhenTranslated)
{
    QTemporaryDir root;
    const QString aide = root.path() + "/aide/";
    write(aide + "aide.htm", "fr");
    write(aide + "balise.htm", "fr");
    write(aide + "en/aide.htm", "en");
    const struct {
        QString page;
        const char *code;
        QString expected;
    } cases[] = {
        {aide + "aide.htm#meta", "en", aide + "en/aide.htm#meta"},
        {aide + "aide.htm", "en", aide + "en/aide.htm"},
        {aide + "aide.htm#meta", "fr", aide + "aide.htm#meta"},
        {aide + "aide.htm", "", aide + "aide.htm"},
        {aide + "balise.htm#table", "en", aide + "balise.htm#table"}, // not translated
        {aide + "aide.htm", "de", aide + "aide.htm"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(localizedHelpPage(c.page, c.code), c.expected) << c.page.toStdString();
}

} // namespace
