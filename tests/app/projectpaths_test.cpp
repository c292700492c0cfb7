#include "app/appstate.h"
#include "app/projectpaths.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ProjectPaths, SubdirectoryNameIsOnePathComponent)
{
    struct Case {
        const char *directory;
        const char *name;
        const char *expected; // "" = refused
    };
    static const Case cases[] = {
        {"/home/site", "images", "/home/site/images"},
        {"/home/site/", "images", "/home/site/images"},
        {"/", "images", "/images"}, // the root keeps a single separator
        {"//", "images", "/images"},
        {"/home/site", "a/b", ""},
        {"/home/site", "/", ""},
        {"/home/site", "..", ""},
        {"/home/site", ".", ""},
        {"/home/site", "", ""},
        {"/home/site", "...", "/home/site/..."},
        {"/home/site", ".cache", "/home/site/.cache"},
        {"/home/site", "a b é", "/home/site/a b é"},
        {"/home/site", "a\\b", "/home/site/a\\b"}, // a backslash is an ordinary character here
    };
    for (const Case &c : cases) {
        EXPECT_EQ(subdirectoryPath(QString::fromUtf8(c.directory), QString::fromUtf8(c.name)),
                  QString::fromUtf8(c.expected))
            << c.directory << " + " << c.name;
    }
    EXPECT_EQ(subdirectoryPath("/home", QStringLiteral("a") + QChar(0) + QStringLiteral("b")),
              QString());
}

TEST(ProjectPaths, DirectoriesHaveOneFormWithoutTrailingSeparator)
{
    EXPECT_EQ(normaliseDirectory("/home/site/"), "/home/site");
    EXPECT_EQ(normaliseDirectory("/home//site/./a/.."), "/home/site");
    EXPECT_EQ(normaliseDirectory("/"), "/");
    EXPECT_EQ(normaliseDirectory(""), "");
}

TEST(ProjectPaths, ChooserStartsInTheProjectOrTheProgramDirectory)
{
    QTemporaryDir project;
    QTemporaryDir program;
    const QString programDir = program.path() + QLatin1Char('/');
    EXPECT_EQ(projectStartDirectory(project.path() + "/", programDir), project.path());
    EXPECT_EQ(projectStartDirectory(project.path() + "/disparu", programDir), program.path());
    EXPECT_EQ(projectStartDirectory(QString(), programDir), program.path());
    QFile file(project.path() + "/page.htm");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(projectStartDirectory(file.fileName(), programDir), program.path())
        << "a file is not a project directory";
}

TEST(ProjectPaths, BrowserDirectoryFollowsTheProjectUntilTheBrowserSetsIt)
{
    AppState state;
    state.projectDirectory = "/home/site/";
    EXPECT_EQ(state.browserDirectory(), "/home/site");
    state.setBrowserDirectory("/home/site/pages");
    state.projectDirectory = "/ailleurs";
    EXPECT_EQ(state.browserDirectory(), "/home/site/pages");
    state.setBrowserDirectory(QString());
    EXPECT_EQ(state.browserDirectory(), "/ailleurs");
    EXPECT_TRUE(AppState().projectDirectoryFlag) << "set at start";
}

TEST(ProjectPaths, CollapsedCaptionNamesTheProject)
{
    EXPECT_EQ(collapsedCaption("/home/site"), "Brindel 7.2 - /home/site");
}
