// The main window as a user meets it: toolbar buttons, the window menu's close-all, the
// open dialog, save-as from a window opened through the frame, and where windows go.
#include "app/tecran.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class MainWindowCommands : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    std::unique_ptr<Tecran> tecran = std::make_unique<Tecran>();

    void SetUp() override
    {
        // The tip of the day has its own tests.
        ecrireparametre(QStringLiteral("non"), QStringLiteral("astuce"),
                        dir.file(QStringLiteral("brindel.sav")));
        tecran->show();
        QApplication::processEvents();
    }

    Tedition *openModified(const QString &name)
    {
        Tedition *editor = tecran->ouvredocument(dir.file(name));
        editor->memo1()->insertPlainText(QStringLiteral("texte"));
        QApplication::processEvents();
        return editor;
    }
};

TEST_F(MainWindowCommands, ToolbarPasteDoesNotDependOnTheContextMenu)
{
    Tedition *editor = tecran->ouvredocument(dir.file("a.htm"));
    QApplication::processEvents();
    // The context menu, opened while the clipboard was empty, left its paste item disabled.
    editor->command(QStringLiteral("Coller2"))->setEnabled(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("collé"));
    tecran->toolButton(QStringLiteral("ToolButton6"))->click();
    EXPECT_EQ(editor->memo1()->toPlainText(), QStringLiteral("collé"));
}

TEST_F(MainWindowCommands, CloseAllAsksEveryWindowAndKeepsOnlyTheRefused)
{
    openModified("un.htm");
    openModified("deux.htm");
    openModified("trois.htm");
    answers.messageAnswers = {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Cancel};
    tecran->action(QStringLiteral("Fermertouteslesfentres1"))->trigger();
    QApplication::processEvents();
    ASSERT_EQ(answers.messages.size(), 3u) << "each window asks its own question";
    QStringList kept;
    for (Tedition *editor : tecran->editors())
        kept << QFileInfo(editor->fileName()).fileName();
    EXPECT_EQ(kept, QStringList({"un.htm", "trois.htm"}));
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(MainWindowCommands, SaveButtonGoesOffWithTheLastWindow)
{
    openModified("a.htm");
    QToolButton *save = tecran->toolButton(QStringLiteral("ToolButton2"));
    EXPECT_TRUE(save->isEnabled());
    answers.messageAnswers = {QMessageBox::No};
    tecran->closeAllCommand();
    QApplication::processEvents();
    ASSERT_TRUE(tecran->editors().isEmpty());
    EXPECT_FALSE(save->isEnabled());
}

TEST_F(MainWindowCommands, OpenDialogTakesANewNameAsANewDocument)
{
    const QString path = dir.file("nouvelle.htm");
    answers.openAnswers.push_back(path);
    tecran->action(QStringLiteral("Ouvrirfichier1"))->trigger();
    ASSERT_EQ(answers.fileRequests.size(), 1u);
    EXPECT_TRUE(answers.fileRequests[0].acceptNewName);
    EXPECT_TRUE(answers.fileRequests[0].filter.endsWith("(*)"))
        << "every file, with or without a dot";
    ASSERT_EQ(tecran->editors().size(), 1);
    EXPECT_EQ(tecran->editors()[0]->fileName(), path);
    EXPECT_TRUE(tecran->editors()[0]->memo1()->toPlainText().isEmpty());
}

TEST_F(MainWindowCommands, SaveAsProposesTheFilterChosenLastInThisWindow)
{
    Tedition *editor = openModified("page.htm");
    Tedition *other = openModified("autre.htm");
    answers.saveAnswers.push_back(dir.file("script.js"));
    answers.filterChoices.push_back(2);
    ASSERT_TRUE(editor->saveAs());
    const QStringList filters = answers.fileRequests.back().filter.split(";;");
    ASSERT_EQ(filters.size(), 7);
    EXPECT_EQ(answers.fileRequests.back().selectedFilter, filters[0]) << "first time: HTML";

    answers.saveAnswers.push_back(QString());
    editor->saveAs();
    EXPECT_EQ(answers.fileRequests.back().selectedFilter, filters[1]) << "the one chosen";
    answers.saveAnswers.push_back(QString());
    other->saveAs();
    EXPECT_EQ(answers.fileRequests.back().selectedFilter, filters[0]) << "each window its own";
}

// Windows as the user sees them: inside the frame, cascaded at a size to work in, the
// maximised state kept for the next start, unsaved changes marked in the title.
class MainWindowPlacement : public MainWindowCommands
{
protected:
    QRect frameArea() const { return tecran->mdiArea()->viewport()->rect(); }

    QList<QMdiSubWindow *> windows() const { return tecran->mdiArea()->subWindowList(); }
};

TEST_F(MainWindowPlacement, NewWindowsOpenInsideTheFrameEachAtItsCascadePlace)
{
    tecran->resize(900, 700);
    QApplication::processEvents();
    QList<QPoint> corners;
    for (int i = 0; i < 9; ++i) {
        tecran->ouvredocument(dir.file(QStringLiteral("p%1.htm").arg(i)));
        QMdiSubWindow *window = windows().constLast();
        EXPECT_TRUE(frameArea().contains(window->geometry())) << "window " << i;
        if (!corners.contains(window->geometry().topLeft()))
            corners.append(window->geometry().topLeft());
    }
    EXPECT_GE(corners.size(), 3) << "new windows do not all cover each other";
    EXPECT_NE(windows()[0]->geometry().topLeft(), windows()[1]->geometry().topLeft());
}

TEST_F(MainWindowPlacement, CascadeGivesWindowsTwoThirdsOfTheFrame)
{
    tecran->resize(1000, 760);
    QApplication::processEvents();
    for (int i = 0; i < 3; ++i)
        tecran->ouvredocument(dir.file(QStringLiteral("p%1.htm").arg(i)));
    tecran->action(QStringLiteral("Cascade1"))->trigger();
    const QRect area = frameArea();
    QPoint previous(-1, -1);
    for (QMdiSubWindow *window : windows()) {
        EXPECT_EQ(window->size(), QSize(area.width() * 2 / 3, area.height() * 2 / 3));
        EXPECT_TRUE(area.contains(window->geometry()));
        EXPECT_GT(window->y(), previous.y()) << "each title bar shows";
        previous = window->pos();
    }
}

TEST_F(MainWindowPlacement, MaximisedStateIsKeptApartFromTheNormalSize)
{
    ecrireparametre(QStringLiteral("500"), QStringLiteral("hauteur"), settingsFile());
    ecrireparametre(QStringLiteral("700"), QStringLiteral("largeur"), settingsFile());
    ecrireparametre(QStringLiteral("1"), QStringLiteral("maximise"), settingsFile());
    auto maximised = std::make_unique<Tecran>();
    maximised->show();
    QApplication::processEvents();
    EXPECT_TRUE(maximised->isMaximized());
    EXPECT_TRUE(maximised->close());
    EXPECT_EQ(lireparametre(QStringLiteral("maximise"), settingsFile()), "1");
    EXPECT_EQ(lireparametre(QStringLiteral("hauteur"), settingsFile()), "500");
    EXPECT_EQ(lireparametre(QStringLiteral("largeur"), settingsFile()), "700");

    // The fixture's window, started before: normal at first, maximised by the user.
    tecran->showNormal();
    tecran->resize(640, 470);
    QApplication::processEvents();
    const QSize normal = tecran->size();
    tecran->showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(tecran->isMaximized());
    ASSERT_NE(tecran->size(), normal);
    EXPECT_TRUE(tecran->close());
    EXPECT_EQ(lireparametre(QStringLiteral("hauteur"), settingsFile()),
              QString::number(normal.height()));
    EXPECT_EQ(lireparametre(QStringLiteral("largeur"), settingsFile()),
              QString::number(normal.width()));
    EXPECT_EQ(lireparametre(QStringLiteral("maximise"), settingsFile()), "1");

    // Opened maximised, put back to its normal size by the user: not maximised next time.
    auto plain = std::make_unique<Tecran>();
    plain->show();
    QApplication::processEvents();
    ASSERT_TRUE(plain->isMaximized());
    plain->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(plain->close());
    EXPECT_EQ(lireparametre(QStringLiteral("maximise"), settingsFile()), "0");
}

TEST_F(MainWindowPlacement, UnsavedChangesAreMarkedInTheTitleOnly)
{
    const QString path = dir.file("page.htm");
    Tedition *editor = tecran->ouvredocument(path);
    QMdiSubWindow *window = windows().constFirst();
    EXPECT_EQ(window->windowTitle(), "[*]" + path) << "Qt shows \"*\" in place of [*]";
    EXPECT_FALSE(window->isWindowModified());
    editor->memo1()->insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(editor->windowTitle(), path) << "the caption itself carries no mark";
    ASSERT_TRUE(editor->sauve());
    EXPECT_FALSE(window->isWindowModified());

    editor->setWindowTitle(QStringLiteral("a[*]b.htm"));
    EXPECT_EQ(window->windowTitle(), "[*]a[*][*]b.htm") << "a [*] of the name shows as it is";
    QMenu list;
    tecran->fillWindowList(&list);
    EXPECT_EQ(list.actions().constLast()->text(), "&1 a[*]b.htm");
}

} // namespace
