#include "app/tecran.h"
#include "editor/helppreview.h"
#include "platform/editorcontrol.h"
#include "platform/ioerror.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace
{

using Step = LaunchPlan::Step;

} // namespace

void PrintTo(const LaunchPlan &plan, std::ostream *out)
{
    *out << "{step " << int(plan.step) << ", " << plan.program.toStdString() << ", "
         << plan.target.toStdString() << "}";
}

namespace
{

// Answers like ScriptedModals, except that every launch through the desktop fails.
class FailingLaunches final : public Modals
{
public:
    ScriptedModals inner;

    int execDialog(QDialog &d) override { return inner.execDialog(d); }
    QMessageBox::StandardButton message(QWidget *p, MessageKind k, const QString &t,
                                        const QString &x, QMessageBox::StandardButtons b) override
    {
        return inner.message(p, k, t, x, b);
    }
    std::optional<QString> inputText(QWidget *p, const QString &t, const QString &l,
                                     const QString &i) override
    {
        return inner.inputText(p, t, l, i);
    }
    QString openFileName(QWidget *p, FileRequest &r) override { return inner.openFileName(p, r); }
    QString saveFileName(QWidget *p, FileRequest &r) override { return inner.saveFileName(p, r); }
    QString directoryName(QWidget *p, const QString &c, const QString &d) override
    {
        return inner.directoryName(p, c, d);
    }
    std::optional<QColor> color(QWidget *p, const QColor &i) override { return inner.color(p, i); }
    std::optional<QFont> font(QWidget *p, const QFont &i) override { return inner.font(p, i); }
    bool printDialog(QWidget *p, QPrinter &printer) override
    {
        return inner.printDialog(p, printer);
    }
    bool openUrl(const QUrl &url) override
    {
        inner.openUrl(url);
        return false;
    }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        inner.startProgram(program, arguments);
        return false;
    }
};

TEST(HelpPreviewPlan, EachViewerSettingGivesItsBranch)
{
    const QString dir = "/opt/brindel/";
    const QString page = dir + "aide/aide.htm#meta";
    const QString doc = "/home/u/site/index.htm";
    const QString viewer = dir + "visualisateur";
    struct Case {
        QString visuhtml;
        QString otherProgram;
        LaunchPlan help;
        LaunchPlan preview;
    };
    const Case cases[] = {
        {"1", "", {Step::OwnViewer, viewer, page}, {Step::OwnViewer, viewer, doc}},
        {" 1 ", "", {Step::OwnViewer, viewer, page}, {Step::OwnViewer, viewer, doc}},
        {"2",
         "/usr/bin/autre",
         {Step::HelpNeedsOwnViewer, "", page},
         {Step::OpenWithDesktop, "", doc}},
        {"3",
         "/usr/bin/autre",
         {Step::HelpNeedsOwnViewer, "", page},
         {Step::StartProgram, "/usr/bin/autre", doc}},
        {"3", "", {Step::HelpNeedsOwnViewer, "", page}, {Step::NoProgramChosen, "", doc}},
        {"3", "   ", {Step::HelpNeedsOwnViewer, "", page}, {Step::NoProgramChosen, "", doc}},
        {"3", kIndefini, {Step::HelpNeedsOwnViewer, "", page}, {Step::NoProgramChosen, "", doc}},
        {"0", "/usr/bin/autre", {}, {}},
        {"", "", {}, {}},
        {kIndefini, "", {}, {}},
        {"12", "", {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.visuhtml.toStdString() + " / " + c.otherProgram.toStdString());
        EXPECT_EQ(helpPlan(c.visuhtml, dir, page), c.help);
        EXPECT_EQ(previewPlan(c.visuhtml, c.otherProgram, dir, doc), c.preview);
    }
}

TEST(HelpPreviewPlan, PagesAreBuiltUnderTheProgramDirectory)
{
    const QString dir = "/opt/brindel/";
    EXPECT_EQ(mainHelpPage(dir), "/opt/brindel/aide/aide.htm");
    EXPECT_EQ(mainHelpPage(dir, "erreur"), "/opt/brindel/aide/aide.htm#erreur");
    const std::pair<QString, QString> tags[] = {
        {"TABLE", "/opt/brindel/aide/balise.htm#table"},
        {"Td", "/opt/brindel/aide/balise.htm#td"},
        {" BLOCKQUOTE\r\n", "/opt/brindel/aide/balise.htm#blockquote"},
        {"  ", "/opt/brindel/aide/balise.htm"},
    };
    for (const auto &[selection, page] : tags)
        EXPECT_EQ(tagHelpPage(dir, selection), page);
}

class HelpPreview : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    std::optional<ScopedModals> scoped{std::in_place, answers};
    FakeHost host;

    void set(const QString &key, const QString &value)
    {
        ecrireparametre(value, key, settingsFile());
    }
    QString handedPage() { return lireparametre("fichier", dir.file("visualisateur.sav")); }
    QString handedFlag() { return lireparametre("drapeau", dir.file("visualisateur.sav")); }
    QString viewer() { return dir.file("visualisateur"); }

    std::unique_ptr<Tedition> open(const QString &path, const QByteArray &content = "<P>page</P>")
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        auto editor = std::make_unique<Tedition>(&host);
        editor->openFile(path);
        return editor;
    }

    void expectLaunches(const std::vector<ScriptedModals::Launch> &expected)
    {
        ASSERT_EQ(answers.launches.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(answers.launches[i].program, expected[i].program);
            EXPECT_EQ(answers.launches[i].arguments, expected[i].arguments);
        }
    }
};

TEST_F(HelpPreview, HelpOnEachViewerSetting)
{
    const QString page = mainHelpPage(dir.path(), "erreur");

    set("visuhtml", "1");
    afficheaide(page);
    expectLaunches({{viewer(), {page}}});
    EXPECT_EQ(handedPage(), page) << "the anchor is part of the handed page";
    EXPECT_EQ(handedFlag(), "1");
    EXPECT_TRUE(answers.messages.empty());

    for (const char *value : {"2", "3"}) {
        answers = {};
        ecrireparametre("0", "drapeau", dir.file("visualisateur.sav"));
        set("visuhtml", value);
        afficheaide(mainHelpPage(dir.path(), "meta"));
        EXPECT_TRUE(answers.launches.empty());
        EXPECT_TRUE(answers.openedUrls.empty());
        ASSERT_EQ(answers.messages.size(), 1u) << value;
        EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Warning);
        EXPECT_EQ(answers.messages[0].text, texteDialogue(5));
        EXPECT_EQ(handedFlag(), "0") << "nothing is handed over";
    }

    answers = {};
    set("visuhtml", "0");
    afficheaide(page);
    EXPECT_TRUE(answers.launches.empty());
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(HelpPreview, MissingHandOffFileIsRecreatedWithBothKeys)
{
    QFile::remove(dir.file("visualisateur.sav"));
    const QString page = mainHelpPage(dir.path());
    afficheaide(page);
    EXPECT_EQ(handedPage(), page);
    EXPECT_EQ(handedFlag(), "1");
    expectLaunches({{viewer(), {page}}});
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(HelpPreview, HandOffFileLackingAKeyGetsItAndKeepsItsOtherLines)
{
    dir.writeBytes("visualisateur.sav", "[drapeau]=0\r\n[autre]=garde\r\n");
    handOffPage("/p/a.htm#x", dir.file("visualisateur.sav"));
    EXPECT_EQ(handedPage(), "/p/a.htm#x");
    EXPECT_EQ(handedFlag(), "1");
    EXPECT_EQ(lireparametre("autre", dir.file("visualisateur.sav")), "garde");

    dir.writeBytes("visualisateur.sav", "\r\n");
    handOffPage("/p/b.htm", dir.file("visualisateur.sav"));
    EXPECT_EQ(handedPage(), "/p/b.htm");
    EXPECT_EQ(handedFlag(), "1");
}

TEST_F(HelpPreview, HandOffThatCannotBeWrittenStartsNoViewer)
{
    QFile::remove(dir.file("visualisateur.sav"));
    ASSERT_TRUE(QDir().mkpath(dir.file("visualisateur.sav")));
    EXPECT_THROW(handOffPage("/p/a.htm", dir.file("visualisateur.sav")), IoError);
    afficheaide(mainHelpPage(dir.path()));
    EXPECT_TRUE(answers.launches.empty());
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
    EXPECT_TRUE(answers.messages[0].text.contains("visualisateur.sav"));
}

TEST_F(HelpPreview, PreviewOnEachViewerSetting)
{
    auto editor = open(dir.file("site/index.htm"));
    const QString path = dir.file("site/index.htm");

    set("visuhtml", "1");
    editor->runCommand("Prvisualisation1");
    expectLaunches({{viewer(), {path}}});
    EXPECT_EQ(handedPage(), path);
    EXPECT_EQ(handedFlag(), "1");

    answers = {};
    set("visuhtml", "2");
    editor->runCommand("Prvisualisation1");
    EXPECT_TRUE(answers.launches.empty());
    ASSERT_EQ(answers.openedUrls.size(), 1u);
    EXPECT_EQ(answers.openedUrls[0], QUrl::fromLocalFile(path));

    answers = {};
    set("visuhtml", "3");
    set("cheminvisuhtml", "/usr/local/bin/mon navigateur");
    editor->runCommand("Prvisualisation1");
    expectLaunches({{"/usr/local/bin/mon navigateur", {path}}});
    EXPECT_TRUE(answers.openedUrls.empty());

    answers = {};
    set("visuhtml", "0");
    editor->runCommand("Prvisualisation1");
    EXPECT_TRUE(answers.launches.empty());
    EXPECT_TRUE(answers.openedUrls.empty());
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(HelpPreview, OtherProgramNotChosenIsSaidClearly)
{
    auto editor = open(dir.file("a.htm"));
    set("visuhtml", "3");
    for (const QString &program : {QString(), QString("  ")}) {
        answers = {};
        set("cheminvisuhtml", program);
        editor->runCommand("Prvisualisation1");
        EXPECT_TRUE(answers.launches.empty());
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Warning);
        EXPECT_TRUE(answers.messages[0].text.contains("Aucun programme"));
    }
}

TEST_F(HelpPreview, LaunchThatFailsIsReported)
{
    FailingLaunches failing;
    scoped.reset();
    ScopedModals replaced(failing);
    auto editor = open(dir.file("a.htm"));
    set("cheminvisuhtml", "/nulle/part/navigateur");
    for (const char *value : {"1", "2", "3"}) {
        failing.inner.messages.clear();
        set("visuhtml", value);
        editor->runCommand("Prvisualisation1");
        ASSERT_EQ(failing.inner.messages.size(), 1u) << value;
        EXPECT_EQ(failing.inner.messages[0].kind, Modals::MessageKind::Error);
        EXPECT_TRUE(failing.inner.messages[0].text.contains(
            value == QString("2") ? dir.file("a.htm") : QString("n'a pas pu")))
            << failing.inner.messages[0].text.toStdString();
    }
    EXPECT_EQ(failing.inner.launches.size() + failing.inner.openedUrls.size(), 3u);
}

TEST_F(HelpPreview, ModifiedDocumentIsSavedBeforeItIsShown)
{
    auto editor = open(dir.file("a.htm"), "ancien");
    editor->control().selectAll();
    editor->control().replaceSelection("nouveau");
    ASSERT_TRUE(editor->control().isModified());
    editor->runCommand("Prvisualisation1");
    EXPECT_EQ(dir.readBytes("a.htm"), QByteArray("nouveau"));
    EXPECT_FALSE(editor->control().isModified());
    expectLaunches({{viewer(), {dir.file("a.htm")}}});
}

TEST_F(HelpPreview, UntitledDocumentGoesThroughSaveAsAndCancellingStartsNothing)
{
    Tedition editor(&host);
    editor.control().replaceSelection("<P>neuf</P>");
    answers.saveAnswers.push_back(QString());
    editor.runCommand("Prvisualisation1");
    EXPECT_EQ(answers.fileRequests.size(), 1u);
    EXPECT_TRUE(answers.launches.empty());
    EXPECT_TRUE(answers.openedUrls.empty());
    EXPECT_EQ(handedFlag(), "0");
    EXPECT_EQ(handedPage(), "");

    answers.saveAnswers.push_back(dir.file("neuf.htm"));
    editor.runCommand("Prvisualisation1");
    EXPECT_EQ(dir.readBytes("neuf.htm"), QByteArray("<P>neuf</P>"));
    expectLaunches({{viewer(), {dir.file("neuf.htm")}}});
    EXPECT_EQ(handedPage(), dir.file("neuf.htm"));
}

TEST_F(HelpPreview, FailedSaveStartsNothing)
{
    auto editor = std::make_unique<Tedition>(&host);
    editor->openFile(dir.file("disparu/page.htm")); // its directory does not exist
    editor->control().replaceSelection("texte");
    editor->runCommand("Prvisualisation1");
    EXPECT_TRUE(answers.launches.empty());
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
    EXPECT_EQ(handedFlag(), "0");
}

TEST_F(HelpPreview, LongPathsPassWhole)
{
    const QString deep = dir.file(QString(120, 'r') + "/" + QString::fromUtf8("é").repeated(90) +
                                  "/ページ avec espaces.htm");
    ASSERT_GT(deep.size(), 255);
    auto editor = open(deep);
    editor->runCommand("Prvisualisation1");
    expectLaunches({{viewer(), {deep}}});
    EXPECT_EQ(handedPage(), deep);

    answers = {};
    const QString program = dir.file(QString(100, 'p') + "/" + QString(180, 'q'));
    set("visuhtml", "3");
    set("cheminvisuhtml", program);
    editor->runCommand("Prvisualisation1");
    expectLaunches({{program, {deep}}});
}

TEST_F(HelpPreview, RelativeDocumentNameIsHandedAsAnAbsolutePath)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    dir.writeBytes("rel.htm", "x");
    Tedition editor(&host);
    editor.openFile("rel.htm");
    editor.runCommand("Prvisualisation1");
    QDir::setCurrent(previous);
    expectLaunches({{viewer(), {dir.file("rel.htm")}}});
}

TEST_F(HelpPreview, SelectedTagOpensItsReferencePage)
{
    int historyEntries = 0;
    Tedition::setClipboardHistoryHook([&](const QString &) { ++historyEntries; });
    auto editor = open(dir.file("a.htm"), "<TABLE BORDER=\"1\">");
    editor->control().setSelection(1, 5);
    ASSERT_TRUE(editor->command("Aide3")->isEnabled());
    editor->runCommand("Aide3");
    const QString page = dir.path() + "aide/balise.htm#table";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "TABLE");
    EXPECT_EQ(historyEntries, 0) << "help on a tag keeps no clipboard history";
    EXPECT_EQ(handedPage(), page);
    EXPECT_EQ(handedFlag(), "1");
    expectLaunches({{viewer(), {page}}});

    // Another viewer setting: the page is still handed over, and the warning shown.
    answers = {};
    set("visuhtml", "2");
    editor->control().setSelection(7, 6);
    editor->runCommand("Aide3");
    EXPECT_EQ(handedPage(), dir.path() + "aide/balise.htm#border");
    EXPECT_TRUE(answers.launches.empty());
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].text, texteDialogue(5));

    // Without a selection there is nothing to look up.
    answers = {};
    editor->control().setSelection(3, 0);
    editor->runCommand("Aide3");
    EXPECT_TRUE(answers.messages.empty());
    Tedition::setClipboardHistoryHook({});
}

TEST_F(HelpPreview, EditorHelpOpensTheManual)
{
    auto editor = open(dir.file("a.htm"));
    EXPECT_EQ(editor->command("Prvisualisation1")->shortcut(), QKeySequence(Qt::Key_F12));
    editor->runCommand("Aide2");
    expectLaunches({{viewer(), {dir.path() + "aide/aide.htm"}}});
    EXPECT_EQ(handedPage(), dir.path() + "aide/aide.htm");
}

TEST_F(HelpPreview, MainWindowHelpAndPreviewButtonWork)
{
    set("astuce", "non");
    Tecran tecran;
    tecran.show();
    QApplication::processEvents();
    QAction *help = tecran.action("Aide1");
    ASSERT_TRUE(help);
    ASSERT_TRUE(help->isEnabled());
    help->trigger();
    expectLaunches({{viewer(), {dir.path() + "aide/aide.htm"}}});

    answers = {};
    QToolButton *preview = tecran.toolButton("ToolButton13");
    ASSERT_TRUE(preview->isEnabled());
    preview->click(); // no editor window: nothing
    EXPECT_TRUE(answers.launches.empty());
    tecran.ouvredocument(dir.file("b.htm"));
    QApplication::processEvents();
    preview->click();
    expectLaunches({{viewer(), {dir.file("b.htm")}}});
    EXPECT_TRUE(QFileInfo::exists(dir.file("b.htm"))) << "saved before it is shown";
}

} // namespace
