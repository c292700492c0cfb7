#include "app/appstate.h"
#include "app/startup.h"
#include "app/tecran.h"
#include "editor/tedition.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

class MainWindow : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};

    std::unique_ptr<Tecran> start()
    {
        set("astuce", "non"); // the tip of the day has its own tests
        auto tecran = std::make_unique<Tecran>();
        tecran->show();
        QApplication::processEvents();
        return tecran;
    }

    void set(const QString &key, const QString &value)
    {
        ecrireparametre(value, key, settingsFile());
    }
    QString get(const QString &key) { return lireparametre(key, settingsFile()); }

    QStringList menuBarTitles(Tecran &tecran)
    {
        QStringList titles;
        for (QAction *a : tecran.menuBar()->actions())
            titles << a->text();
        return titles;
    }
};

TEST_F(MainWindow, LabelsItsMenusAndHintsFromTheLanguageFile)
{
    auto tecran = start();
    EXPECT_EQ(tecran->windowTitle(), "Brindel 7.2");
    EXPECT_EQ(tecran->menu("File1")->title(), texteMenu1(100));
    EXPECT_EQ(tecran->action("FileExitItem")->text(), texteMenu1(150));
    EXPECT_EQ(tecran->action("HelpAboutItem")->text(), texteMenu1(340));
    EXPECT_EQ(tecran->action("Liensite1")->text(), texteMenu1(423));
    // The close-project button keeps the second of its two hints.
    const QString closeProject = texteMenu1(1140);
    EXPECT_EQ(tecran->toolButton("ToolButton33")->toolTip(), closeProject.section('|', 0, 0));
    EXPECT_NE(texteMenu1(406), texteMenu1(1140));
    const QString save = texteMenu1(400);
    EXPECT_EQ(tecran->toolButton("ToolButton2")->statusTip(),
              save.contains('|') ? save.section('|', 1) : save);
    EXPECT_EQ(menuBarTitles(*tecran), QStringList({texteMenu1(100), texteMenu1(300)}))
        << "the window menu is hidden while no editor window is open";
}

TEST_F(MainWindow, NoWidgetShowsAnUndefinedText)
{
    auto tecran = start();
    auto editor = tecran->ouvredocument(dir.file("page.htm"));
    ASSERT_NE(editor, nullptr);
    const QList<QObject *> objects = tecran->findChildren<QObject *>();
    for (QObject *object : objects) {
        QStringList texts;
        if (auto *a = qobject_cast<QAction *>(object))
            texts << a->text() << a->toolTip() << a->statusTip();
        else if (auto *w = qobject_cast<QWidget *>(object))
            texts << w->toolTip() << w->statusTip() << w->windowTitle();
        for (const QString &text : texts)
            EXPECT_FALSE(text.contains(kIndefini)) << object->objectName().toStdString();
    }
}

TEST_F(MainWindow, ReadsItsSettingsAtCreation)
{
    set("hauteur", "500");
    set("largeur", "700");
    set("auto", "1");
    set("indentation", "1");
    set("barrevisible", "0");
    auto tecran = start();
    EXPECT_EQ(tecran->height(), 500);
    EXPECT_EQ(tecran->width(), 700);
    EXPECT_EQ(appState().autoTransform, 1);
    EXPECT_FALSE(appState().smartIndentation);
    EXPECT_FALSE(tecran->findChild<QWidget *>("Panel1")->isVisible());
    EXPECT_EQ(appState().projectDirectory, programDirectory());
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(MainWindow, DamagedNumbersGetDefaultsAndTheRestStillLoads)
{
    set("hauteur", "beaucoup");
    set("largeur", "");
    set("auto", "oui");
    set("barrevisible", "1");
    auto tecran = start();
    EXPECT_EQ(tecran->height(), 480);
    EXPECT_EQ(tecran->width(), 672);
    EXPECT_EQ(appState().autoTransform, 0);
    EXPECT_TRUE(tecran->findChild<QWidget *>("Panel1")->isVisible());
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(MainWindow, MissingLanguageFileGivesOneMessageAndAWorkingWindow)
{
    QFile::remove(dir.file("langue/francais.mn1"));
    lireDemarrage();
    auto tecran = start();
    EXPECT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(tecran->menu("File1")->title(), "&Fichier") << "design captions stay";
}

TEST_F(MainWindow, ClipboardHistoryIsEmptiedAtStartOnlyWhenAsked)
{
    dir.writeBytes("presse.sav", "ancien\r\n");
    set("presse", "0");
    start();
    EXPECT_EQ(dir.readBytes("presse.sav"), QByteArray("ancien\r\n"));
    set("presse", "1");
    start();
    EXPECT_TRUE(QFileInfo::exists(dir.file("presse.sav")));
    EXPECT_EQ(dir.readBytes("presse.sav"), QByteArray());
}

TEST_F(MainWindow, WritesItsSettingsAtShutdownInOrder)
{
    QDir().mkpath(dir.file("projet"));
    set("projet", dir.file("projet"));
    auto tecran = start();
    EXPECT_EQ(appState().projectDirectory, dir.file("projet"));
    appState().autoTransform = 1;
    tecran->resize(640, 470);
    EXPECT_TRUE(tecran->close());
    EXPECT_EQ(get("projet"), dir.file("projet"));
    EXPECT_EQ(get("auto"), "1");
    EXPECT_EQ(get("hauteur"), QString::number(tecran->height()));
    EXPECT_EQ(get("largeur"), QString::number(tecran->width()));
}

TEST_F(MainWindow, DeletedProjectDirectoryFallsBackToTheProgramDirectory)
{
    set("projet", dir.file("disparu"));
    auto tecran = start();
    EXPECT_EQ(appState().projectDirectory, programDirectory());
    tecran->close();
    EXPECT_EQ(get("projet"), programDirectory());
}

TEST_F(MainWindow, RefusedCloseQuestionKeepsEverythingOpenAndUnwritten)
{
    set("hauteur", "455");
    auto tecran = start();
    Tedition *editor = tecran->ouvredocument(dir.file("page.htm"));
    editor->memo1()->insertPlainText("modifié");
    tecran->resize(700, 520);
    answers.messageAnswers.push_back(QMessageBox::Cancel);
    EXPECT_FALSE(tecran->close());
    EXPECT_EQ(tecran->editors().size(), 1);
    EXPECT_EQ(get("hauteur"), "455");
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_TRUE(answers.messages[0].text.contains(dir.file("page.htm")));
}

TEST_F(MainWindow, CommandLineFileOpensOnceAsAnEmptyDocumentWhenMissing)
{
    auto tecran = start();
    const QString path = dir.file("nouveau.htm");
    openCommandLineFile(*tecran, {"brindel", path});
    ASSERT_EQ(tecran->editors().size(), 1);
    EXPECT_EQ(tecran->editors()[0]->windowTitle(), path);
    EXPECT_TRUE(tecran->editors()[0]->memo1()->toPlainText().isEmpty());
    tecran->activateWindow();
    tecran->mdiArea()->setActiveSubWindow(nullptr);
    QApplication::processEvents();
    EXPECT_EQ(tecran->editors().size(), 1) << "activation opens nothing more";
    openCommandLineFile(*tecran, {"brindel"});
    openCommandLineFile(*tecran, {"brindel", ""});
    EXPECT_EQ(tecran->editors().size(), 1);
}

TEST_F(MainWindow, EveryCommandLineArgumentOpensItsFile)
{
    auto tecran = start();
    dir.writeBytes("un.htm", "<P>un</P>");
    dir.writeBytes("deux.css", "p { }");
    openCommandLineFile(
        *tecran, {"brindel", dir.file("un.htm"), "", dir.file("deux.css"), dir.file("trois.txt")});
    QStringList titles;
    for (Tedition *editor : tecran->editors())
        titles << editor->windowTitle();
    titles.sort();
    QStringList expected = {dir.file("un.htm"), dir.file("deux.css"), dir.file("trois.txt")};
    expected.sort();
    EXPECT_EQ(titles, expected);
}

TEST_F(MainWindow, EditorMenusReplaceTheMainMenusWhileAnEditorIsActive)
{
    auto tecran = start();
    const QStringList own = menuBarTitles(*tecran);
    Tedition *editor = tecran->ouvredocument(dir.file("a.htm"));
    QApplication::processEvents();
    QStringList editorTitles;
    for (QMenu *m : editor->menus())
        editorTitles << m->title();
    EXPECT_EQ(menuBarTitles(*tecran), editorTitles);
    tecran->closeAllCommand();
    QApplication::processEvents();
    EXPECT_TRUE(tecran->editors().isEmpty());
    EXPECT_EQ(menuBarTitles(*tecran), own);
}

TEST_F(MainWindow, EditorCommandsDoNothingWithoutAnEditor)
{
    auto tecran = start();
    tecran->closeAllCommand();
    tecran->tileHorizontalCommand();
    tecran->tileVerticalCommand();
    tecran->cascadeCommand();
    tecran->arrangeIconsCommand();
    // The new-file and options buttons need no editor: their dialogs show, and are cancelled.
    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Rejected); });
    for (QToolButton *button : tecran->findChildren<QToolButton *>()) {
        // The open-project button asks for a project whether or not an editor is open.
        if (button->isEnabled() && !button->menu() && button->objectName() != "ToolButton1") {
            const int before = answers.unscripted;
            button->click();
            EXPECT_EQ(answers.unscripted, before) << button->objectName().toStdString();
        }
    }
    QApplication::processEvents();
    EXPECT_TRUE(tecran->editors().isEmpty());
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(answers.unscripted, 0);
    std::vector<QString> shown = answers.dialogsShown;
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<QString>{"Tchoix", "Toptions"}));
}

TEST_F(MainWindow, ClosingAnEditorEmptiesItsStatusPanels)
{
    auto tecran = start();
    tecran->ouvredocument(dir.file("a.htm"));
    QApplication::processEvents();
    EXPECT_FALSE(tecran->statusPanelText(1).isEmpty());
    tecran->closeAllCommand();
    QApplication::processEvents();
    EXPECT_TRUE(tecran->statusPanelText(1).isEmpty());
    EXPECT_TRUE(tecran->statusPanelText(4).isEmpty());
}

TEST_F(MainWindow, ClockPanelsAreFilled)
{
    auto tecran = start();
    tecran->refreshClock();
    EXPECT_FALSE(tecran->statusPanelText(2).isEmpty());
    EXPECT_TRUE(tecran->statusPanelText(3).contains(':'));
    const QString freeSpace = tecran->findChild<QLabel *>("Label2")->text();
    EXPECT_TRUE(freeSpace.startsWith(texteMenu1(600) + " : "));
    EXPECT_TRUE(freeSpace.endsWith(" " + texteMenu1(604)));
}

TEST_F(MainWindow, OpenDialogStartsInTheProjectDirectory)
{
    dir.writeBytes("choisi.htm", "<P>bonjour</P>\r\n");
    auto tecran = start();
    answers.openAnswers.push_back(dir.file("choisi.htm"));
    tecran->action("Ouvrirfichier1")->trigger();
    ASSERT_EQ(answers.fileRequests.size(), 1u);
    EXPECT_EQ(answers.fileRequests[0].directory, appState().projectDirectory);
    EXPECT_TRUE(answers.fileRequests[0].filter.startsWith("Fichier Web"));
    ASSERT_EQ(tecran->editors().size(), 1);
    EXPECT_EQ(tecran->editors()[0]->memo1()->toPlainText(), "<P>bonjour</P>\n");
}

TEST_F(MainWindow, SiteAndMailGoThroughTheDesktop)
{
    auto tecran = start();
    tecran->action("VisiterleSite1")->trigger();
    tecran->action("Mcrire1")->trigger();
    ASSERT_EQ(answers.openedUrls.size(), 2u);
    EXPECT_EQ(answers.openedUrls[0].scheme(), "https");
    EXPECT_EQ(answers.openedUrls[1].scheme(), "mailto");
    EXPECT_TRUE(answers.openedUrls[1].toString().endsWith("?subject=A propos de Brindel 7.2"));
    answers.dialogs.push_back([](QDialog &) { return int(QDialog::Accepted); });
    tecran->action("HelpAboutItem")->trigger();
    EXPECT_EQ(answers.dialogsShown, std::vector<QString>{"TAboutBox"});
}

TEST(StartUp, MissingSettingsFileIsRecreatedFromTheDefaults)
{
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped(answers);
    QFile::remove(dir.file("brindel.sav"));
    EXPECT_TRUE(prepareSettings());
    EXPECT_EQ(lireparametre("astuce", dir.file("brindel.sav")), "oui");
    EXPECT_TRUE(answers.messages.empty());
}

TEST(StartUp, UnwritableProgramDirectoryGivesOneMessageNamingIt)
{
    TempProgramDir dir;
    QFile::remove(dir.file("brindel.sav"));
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    // Without the rights that ignore permissions, in a child process when running as root.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ScriptedModals answers;
        ScopedModals scoped(answers);
        const bool prepared = prepareSettings();
        const bool named = answers.messages.size() == 1 &&
                           answers.messages[0].text.contains(QDir::toNativeSeparators(dir.path()));
        ::_exit(!prepared && named ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
