#include "analyzer/tanalyseur.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace
{

class AnalysisReport : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;
    Tedition editor{&host};

    // Runs the command and answers the report window with OK (or "Aller à l'erreur").
    void run(const QString &text, bool goToFinding = false)
    {
        editor.control().setText(text);
        editor.control().setSelection(0, 0);
        answers.dialogs.push_back([goToFinding](QDialog &dialog) {
            if (goToFinding)
                dialog.findChild<QPushButton *>("BoutonAllerErreur")->click();
            return int(QDialog::Accepted);
        });
        editor.runCommand("Analyseurdecode1");
    }

    Tanalyseur &report() { return Tanalyseur::instance(); }
};

TEST_F(AnalysisReport, CleanDocumentShowsItsEndAndTheNoFindingLine)
{
    run("<P>a</P>\r\nabc\r\n");
    EXPECT_EQ(answers.dialogsShown, std::vector<QString>{"Tanalyseur"});
    EXPECT_EQ(report().ligneText(), "2");
    EXPECT_EQ(report().colonneText(), "4");
    EXPECT_EQ(report().logText(), texteDialogue(5006));
    EXPECT_FALSE(QFileInfo::exists(dir.file("analyse.log"))) << "the log is deleted";
    EXPECT_EQ(report().windowTitle(), texteDialogue(1000));
}

TEST_F(AnalysisReport, FindingLineNamesTheWordAndItsMeaning)
{
    run("<b>x</i>");
    EXPECT_EQ(report().ligneText(), "1");
    EXPECT_EQ(report().colonneText(), "8");
    EXPECT_EQ(report().logText(), "Erreur : <b> : " + texteDialogue(5010));

    run("<img src=\"a.gif\" border=0 hspace=2 onclick=\"f()\">");
    EXPECT_EQ(report().logText(), "Erreur : onclick=\"f()\" : " + texteDialogue(5012));
}

TEST_F(AnalysisReport, WarningsComeBeforeTheFinalLineAndEachRunStartsAfresh)
{
    run("<b>x</B>");
    const QStringList lines = report().logText().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(texteDialogue(5023)));
    EXPECT_EQ(lines[1], texteDialogue(5006));
    run("<P>ok</P>");
    EXPECT_EQ(report().logText(), texteDialogue(5006));
}

TEST_F(AnalysisReport, GoToFindingPutsTheCaretOnTheReportedColumn)
{
    run("<P>a</P>\r\n<b>x</i>", true);
    const int line = editor.control().lineFromChar(editor.control().selStart());
    EXPECT_EQ(line, 1);
    EXPECT_EQ(editor.control().selStart() - editor.control().lineIndex(line) + 1,
              report().colonneText().toInt());
    EXPECT_EQ(editor.control().selLength(), 0);

    run("<P>a</P>\r\n<b>x</i>", false);
    EXPECT_EQ(editor.control().selStart(), 0) << "OK leaves the caret where it was";
}

// What a user meets in the window: "Aller à l'erreur" only when there is an error, the
// status bar following the caret it moves, long lines wrapped, the document's characters.
TEST_F(AnalysisReport, WindowOffersWhatTheRunFound)
{
    std::vector<bool> goToOffered;
    const auto runAndLook = [&](const QString &text, bool goTo) {
        editor.control().setText(text);
        editor.control().setSelection(0, 0);
        answers.dialogs.push_back([&goToOffered, goTo](QDialog &dialog) {
            auto *button = dialog.findChild<QPushButton *>("BoutonAllerErreur");
            goToOffered.push_back(button->isEnabled());
            if (goTo)
                button->click();
            return int(QDialog::Accepted);
        });
        editor.runCommand("Analyseurdecode1");
    };
    runAndLook("<P>a</P>", false);
    runAndLook("<P>a</P>\r\n<b>x</i>", true);
    EXPECT_EQ(goToOffered, (std::vector<bool>{false, true}));
    const QString shown = host.panels[1];
    editor.refreshPosition();
    EXPECT_EQ(shown, host.panels[1]) << "the status bar shows where the caret went";
    EXPECT_TRUE(shown.contains(" 2 ")) << shown.toStdString();

    runAndLook(QStringLiteral("<\u03A9X=\"1\">"), false);
    EXPECT_TRUE(report().logText().contains(QStringLiteral("\u03A9X"))) << "not &#937;";
    EXPECT_FALSE(report().logText().contains("&#"));

    runAndLook("<IMG SRC=\"a.gif\" ONCLICK=\"f(" + QString(200, QLatin1Char('a')) + ")\">", false);
    ASSERT_TRUE(report().logText().startsWith("Erreur : ONCLICK="));
    report().resize(502, 282);
    report().show();
    QApplication::processEvents();
    auto *memo = report().findChild<QPlainTextEdit *>("Memo1");
    EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0) << "the long line wraps";
    EXPECT_GE(memo->document()->lineCount(), 3) << "over several lines";
    report().hide();
}

TEST_F(AnalysisReport, HelpButtonOpensTheAnalyzerPageInTheViewer)
{
    editor.control().setText("<P>a</P>");
    answers.dialogs.push_back([](QDialog &dialog) {
        dialog.findChild<QPushButton *>("BitBtn3")->click();
        return int(QDialog::Accepted);
    });
    editor.runCommand("Analyseurdecode1");
    ASSERT_EQ(answers.launches.size(), 1u);
    ASSERT_EQ(answers.launches[0].arguments.size(), 1);
    EXPECT_TRUE(answers.launches[0].arguments[0].endsWith("aide/aide.htm#erreur"));
    EXPECT_EQ(lireparametre("drapeau", dir.file("visualisateur.sav")), "1");
}

TEST_F(AnalysisReport, UnwritableLogGivesAMessageAndNoWindow)
{
    QDir().mkpath(dir.file("analyse.log")); // a directory where the log should be
    editor.control().setText("<P>a</P>");
    editor.runCommand("Analyseurdecode1");
    EXPECT_TRUE(answers.dialogsShown.empty());
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
}

TEST_F(AnalysisReport, EmptyElementInformationBoxGoesThroughTheModalService)
{
    run("<BR HREF=\"x\" CLEAR=\"all\">");
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Information);
    EXPECT_EQ(answers.messages[0].text.toLower(), "br");
    EXPECT_TRUE(report().logText().startsWith("Erreur : HREF=\"x\" : "));
}

} // namespace
