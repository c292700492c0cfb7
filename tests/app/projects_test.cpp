#include "app/appstate.h"
#include "app/filebrowserpanel.h"
#include "app/tastuce.h"
#include "app/tecran.h"
#include "app/tprojet.h"
#include "editor/tedition.h"
#include "platform/filechooser.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class Projects : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    QString site = dir.file("site");

    Projects()
    {
        QDir().mkpath(site + "/pages");
        set("astuce", "non");
        appState() = AppState();
    }

    std::unique_ptr<Tecran> start()
    {
        auto tecran = std::make_unique<Tecran>();
        Tprojet::createInstance(tecran.get());
        tecran->show();
        QApplication::processEvents();
        return tecran;
    }

    void set(const QString &key, const QString &value)
    {
        ecrireparametre(value, key, settingsFile());
    }

    void touch(const QString &path, const QByteArray &bytes = QByteArray())
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Answers the project chooser: shows it, moves it to `directory`, presses `button`.
    void chooseInProject(const QString &directory, const char *button = "OKBtn")
    {
        answers.dialogs.push_back([directory, button](QDialog &d) {
            d.show();
            static_cast<Tprojet &>(d).setDirectory(directory);
            d.findChild<QPushButton *>(button)->click();
            return d.result();
        });
    }
};

TEST_F(Projects, OpeningShowsTheProjectInThePanelAndCancellingChangesNothing)
{
    touch(site + "/index.htm");
    auto tecran = start();
    FileBrowserPanel &panel = tecran->browserPanel();
    EXPECT_FALSE(panel.isVisible()) << "hidden at start";
    appState().projectDirectoryFlag = false;

    chooseInProject(site, "CancelBtn");
    tecran->action("Ouvrirprojet1")->trigger();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(appState().projectDirectoryFlag);
    EXPECT_EQ(appState().projectDirectory, programDirectory());

    chooseInProject(site + "/");
    tecran->toolButton("ToolButton1")->click();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(appState().projectOpen);
    EXPECT_TRUE(appState().projectDirectoryFlag);
    EXPECT_EQ(appState().projectDirectory, site);
    EXPECT_EQ(appState().browserDirectory(), site);
    EXPECT_EQ(panel.findChild<QLabel *>("Label1")->text(), site);
    EXPECT_EQ(panel.chooser().fileNames(), QStringList{"index.htm"});
    EXPECT_EQ(
        Tprojet::instance().findChild<QPushButton *>("BitBtn1")->isVisibleTo(&Tprojet::instance()),
        false);
    EXPECT_EQ(answers.dialogsShown, (std::vector<QString>{"Tprojet", "Tprojet"}));

    // A project directory deleted meanwhile: the chooser starts in the program directory.
    QDir(site).removeRecursively();
    QString startedIn;
    answers.dialogs.push_back([&](QDialog &d) {
        startedIn = static_cast<Tprojet &>(d).directory();
        return int(QDialog::Rejected);
    });
    tecran->action("Ouvrirprojet1")->trigger();
    EXPECT_EQ(startedIn + "/", programDirectory());
}

TEST_F(Projects, FileListShowsEditableFilesWhateverTheirNames)
{
    for (const char *name : {"a b.htm", "Été.HTML", "page.php3", "notes.TXT", "style.css",
                             "image.png", ".cache.htm", "script.js", "sans extension"})
        touch(site + "/" + QString::fromUtf8(name));
    QDir().mkpath(site + "/dossier.htm");
    auto tecran = start();
    chooseInProject(site);
    tecran->action("Ouvrirprojet1")->trigger();
    QStringList names = tecran->browserPanel().chooser().fileNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"a b.htm", "notes.TXT", "page.php3", "script.js", "style.css",
                                  QString::fromUtf8("Été.HTML")}));

    // A double-click opens the file under its full path.
    Q_EMIT tecran->browserPanel().chooser().fileActivated(site + "/a b.htm");
    ASSERT_EQ(tecran->editors().size(), 1);
    EXPECT_EQ(tecran->editors()[0]->windowTitle(), site + "/a b.htm");
}

TEST_F(Projects, SubdirectoriesFromThePanelAndFromTheChooser)
{
    auto tecran = start();
    chooseInProject(site);
    tecran->action("Ouvrirprojet1")->trigger();
    FileBrowserPanel &panel = tecran->browserPanel();

    struct Case {
        const char *name;
        bool created;
    };
    const Case cases[] = {{"images", true}, {"a/b", false}, {"..", false}, {"pages", false}};
    for (const Case &c : cases) {
        answers = {};
        panel.setDirectory(site);
        answers.inputAnswers.push_back(QString::fromUtf8(c.name));
        panel.directoryMenu()->actions().first()->trigger();
        if (c.created) {
            EXPECT_TRUE(QFileInfo(site + "/" + c.name).isDir());
            EXPECT_EQ(panel.directory(), site + "/" + c.name) << "moves into the new directory";
            EXPECT_TRUE(answers.messages.empty());
        } else {
            EXPECT_EQ(panel.directory(), site) << c.name;
            ASSERT_EQ(answers.messages.size(), 1u) << c.name;
            EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
            EXPECT_EQ(answers.messages[0].text, texteDialogue(5003));
        }
    }
    EXPECT_FALSE(QFileInfo::exists(site + "/a")) << "a name with a separator creates nothing";

    // The chooser's "Répertoire": created, then OK; a failure closes it without OK.
    answers = {};
    answers.inputAnswers.push_back(QStringLiteral("nouveau"));
    answers.dialogs.push_back([&](QDialog &d) {
        d.show();
        auto &chooser = static_cast<Tprojet &>(d);
        chooser.setDirectory(site);
        EXPECT_TRUE(d.findChild<QPushButton *>("BitBtn1")->isVisible());
        d.findChild<QPushButton *>("BitBtn1")->click();
        d.findChild<QPushButton *>("OKBtn")->click();
        return d.result();
    });
    EXPECT_TRUE(tecran->openSiteProject());
    EXPECT_EQ(appState().projectDirectory, site + "/nouveau");
    EXPECT_EQ(tecran->browserPanel().directory(), site + "/nouveau");

    answers = {};
    answers.inputAnswers.push_back(QStringLiteral("nouveau"));
    answers.dialogs.push_back([&](QDialog &d) {
        d.show();
        static_cast<Tprojet &>(d).setDirectory(site);
        d.findChild<QPushButton *>("BitBtn1")->click(); // already exists
        return d.result();
    });
    EXPECT_FALSE(tecran->openSiteProject());
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].text, texteDialogue(5003));
    EXPECT_EQ(appState().projectDirectory, site + "/nouveau");
}

TEST_F(Projects, ClosingAsksEveryWindowAndGoesOnAfterACancel)
{
    auto tecran = start();
    chooseInProject(site);
    tecran->action("Ouvrirprojet1")->trigger();
    Tedition *first = tecran->ouvredocument(site + "/un.htm");
    Tedition *second = tecran->ouvredocument(site + "/deux.htm");
    first->memo1()->insertPlainText("un");
    second->memo1()->insertPlainText("deux");
    answers.messageAnswers = {QMessageBox::Cancel, QMessageBox::No};
    tecran->action("Fermerprojet1")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(answers.messages.size(), 2u) << "both windows are asked";
    ASSERT_EQ(tecran->editors().size(), 1);
    EXPECT_EQ(tecran->editors()[0], first);
    EXPECT_FALSE(tecran->browserPanel().isVisible());
    EXPECT_FALSE(appState().projectOpen);
    EXPECT_FALSE(tecran->action("Fermerprojet1")->isEnabled()) << "off for the rest of the run";
    EXPECT_TRUE(tecran->toolButton("ToolButton33")->isEnabled());

    // The editor's own item closes that very window.
    answers = {};
    answers.messageAnswers = {QMessageBox::No};
    first->command("FermerProjet1")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(tecran->editors().isEmpty());
    EXPECT_EQ(answers.messages.size(), 1u);
}

TEST_F(Projects, CollapsingNamesTheProjectInTheCaption)
{
    auto tecran = start();
    chooseInProject(site);
    tecran->action("Ouvrirprojet1")->trigger();
    FileBrowserPanel &panel = tecran->browserPanel();
    panel.findChild<QPushButton *>("Button2")->click();
    EXPECT_EQ(tecran->windowTitle(), "Brindel 7.2 - " + site);
    EXPECT_EQ(panel.width(), FileBrowserPanel::kCollapsedWidth);
    EXPECT_TRUE(panel.findChild<QPushButton *>("Button1")->isVisible());
    panel.findChild<QPushButton *>("Button1")->click();
    EXPECT_EQ(tecran->windowTitle(), "Brindel 7.2");
    EXPECT_EQ(panel.width(), FileBrowserPanel::kExpandedWidth);
    EXPECT_FALSE(panel.findChild<QPushButton *>("Button1")->isVisible());
}

// A dialog language file in which text n reads "#n".
void useNumberedDialogTexts(const TempProgramDir &dir)
{
    QByteArray bytes;
    for (int n = 1; n < 6000; ++n)
        bytes += QByteArray::number(n) + "$#" + QByteArray::number(n) + "\r\n";
    dir.writeBytes("langue/essai.dlg", bytes);
    startupSettings().dialogue = dir.file("langue/essai.dlg");
}

TEST_F(Projects, ChooserAndTipTakeTheirTextsFromTheLanguageFile)
{
    useNumberedDialogTexts(dir);
    Tprojet chooser;
    chooser.show();
    EXPECT_EQ(chooser.windowTitle(), "#3600");
    EXPECT_EQ(chooser.findChild<QPushButton *>("OKBtn")->text(), "#1");
    EXPECT_EQ(chooser.findChild<QPushButton *>("CancelBtn")->text(), "#2");
    EXPECT_EQ(chooser.findChild<QPushButton *>("HelpBtn")->text(), "#3");
    EXPECT_EQ(chooser.findChild<QPushButton *>("BitBtn1")->text(), "#3601");

    set("numastuce", "3");
    TAstuce tip;
    EXPECT_EQ(tip.windowTitle(), "#3100");
    EXPECT_EQ(tip.findChild<QLabel *>("Label1")->text(), "#3101");
    EXPECT_EQ(tip.findChild<QPushButton *>("BitBtn2")->text(), "#3102");
    EXPECT_EQ(tip.findChild<QPushButton *>("BitBtn1")->text(), "#3103");
    EXPECT_EQ(tip.findChild<QPushButton *>("BitBtn3")->text(), "#3104");
    EXPECT_EQ(tip.tipText(), "#3112");
}

TEST_F(Projects, TipShowsAtStartAndFermerKeepsTheNextNumber)
{
    struct Case {
        const char *setting;
        int nextClicks;
        int shownText; // after the clicks
        const char *written;
    };
    const Case cases[] = {
        {"3", 2, 3114, "6"},
        {"14", 0, 3123, "1"},
        {"x", 0, 3110, "2"},
        {"15", 0, 3110, "2"},
    };
    for (const Case &c : cases) {
        set("astuce", "oui");
        set("numastuce", c.setting);
        QString shown;
        answers = {};
        answers.dialogs.push_back([&](QDialog &d) {
            for (int i = 0; i < c.nextClicks; ++i)
                d.findChild<QPushButton *>("BitBtn2")->click();
            shown = static_cast<TAstuce &>(d).tipText();
            d.findChild<QPushButton *>("BitBtn1")->click();
            return d.result();
        });
        auto tecran = std::make_unique<Tecran>();
        TAstuce::createInstance(tecran.get());
        tecran->show();
        QApplication::processEvents();
        EXPECT_EQ(answers.dialogsShown, std::vector<QString>{"TAstuce"}) << c.setting;
        EXPECT_EQ(shown, texteDialogue(c.shownText)) << c.setting;
        EXPECT_EQ(lireparametre("numastuce", settingsFile()), c.written) << c.setting;
        EXPECT_TRUE(answers.messages.empty());
    }

    // "Astuce suivante" and the close box keep nothing; "non" shows nothing.
    set("numastuce", "5");
    answers = {};
    answers.dialogs.push_back([](QDialog &d) {
        d.findChild<QPushButton *>("BitBtn2")->click();
        d.reject();
        return d.result();
    });
    {
        auto tecran = std::make_unique<Tecran>();
        TAstuce::createInstance(tecran.get());
        tecran->show();
        QApplication::processEvents();
    }
    EXPECT_EQ(lireparametre("numastuce", settingsFile()), "5");
    set("astuce", "non");
    answers = {};
    auto tecran = std::make_unique<Tecran>();
    tecran->show();
    QApplication::processEvents();
    EXPECT_TRUE(answers.dialogsShown.empty());
}

} // namespace
