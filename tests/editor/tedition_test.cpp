#include "editor/fontrecord.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "tests/editor/editorwindowtest.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class EditorWindow : public EditorWindowTest
{
protected:
    // The window on `name`, shown.
    std::unique_ptr<Tedition> open(const QString &name)
    {
        auto editor = EditorWindowTest::open(name);
        editor->resize(400, 300);
        editor->show();
        return editor;
    }

    QString position(int line, int column)
    {
        return texteMenu1(601) + " : " + QString::number(line) + " - " + texteMenu1(602) + " : " +
               QString::number(column);
    }
};

TEST_F(EditorWindow, MissingEmptyOrShortFontFileGivesTheDesignFontSilently)
{
    for (const QByteArray &content : {QByteArray(), QByteArray("abcde")}) {
        dir.writeBytes("font.sav", content);
        auto editor = open("a.htm");
        EXPECT_TRUE(answers.messages.empty());
    }
    QFile::remove(dir.file("font.sav"));
    auto editor = open("a.htm");
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_TRUE(editor->memo1()->font().fixedPitch());
}

TEST_F(EditorWindow, FontFileRecordIsAppliedAndChoosingAFontWritesIt)
{
    FontRecord record;
    record.name = "DejaVu Sans";
    record.pointSize = 14;
    record.colour = 0x0000FF; // red
    record.italic = true;
    dir.writeBytes("font.sav", record.toBytes());
    auto editor = open("a.htm");
    EXPECT_EQ(editor->memo1()->font().family(), "DejaVu Sans");
    EXPECT_EQ(editor->memo1()->font().pointSize(), 14);
    EXPECT_TRUE(editor->memo1()->font().italic());
    EXPECT_EQ(editor->memo1()->palette().color(QPalette::Text), QColor(255, 0, 0));

    QFont chosen("DejaVu Serif", 12);
    chosen.setBold(true);
    answers.fontAnswers.push_back(chosen);
    editor->runCommand("Policesdecaractres1");
    const auto written = readFontRecord(dir.file("font.sav"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->name, "DejaVu Serif");
    EXPECT_EQ(written->pointSize, 12);
    EXPECT_EQ(written->height, characterHeight(12, editor->memo1()->logicalDpiY()))
        << "the character height goes with the size";
    EXPECT_LT(written->height, 0);
    EXPECT_TRUE(written->bold);
    EXPECT_EQ(written->colour, 0x0000FF) << "the colour is kept";

    answers.fontAnswers.push_back(std::nullopt); // cancelled: the current font is written
    editor->runCommand("Policesdecaractres1");
    EXPECT_EQ(readFontRecord(dir.file("font.sav"))->name, "DejaVu Serif");
}

TEST_F(EditorWindow, EveryByteSurvivesOpenAndSave)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n' && b != 0)
            all.append(char(b));
    }
    all.append("\r\nfin\r\n");
    dir.writeBytes("tout.htm", all);
    auto editor = open("tout.htm");
    editor->control().setSelection(0, 0);
    editor->control().replaceSelection("x");
    editor->control().undo();
    editor->control().setModified(true);
    ASSERT_TRUE(editor->sauve());
    EXPECT_EQ(dir.readBytes("tout.htm"), all);
    EXPECT_FALSE(editor->control().isModified());
    EXPECT_FALSE(editor->command("Enregistrer1")->isEnabled());
    EXPECT_FALSE(host.saveButton);
}

TEST_F(EditorWindow, UneditedDocumentsComeBackByteForByte)
{
    QByteArray everyByte; // bytes 1 to 255 where they fall: LF at 10, a lone CR at 13
    for (int b = 1; b < 256; ++b)
        everyByte.append(char(b));
    const QByteArray cases[] = {
        "a\r\nb\r\nc\nd",
        "a\rb\rc\r\nd\n",
        everyByte + "\r\nfin\r\n",
        // UTF-8 with U+2029, U+FDD0, U+FDD1 and U+2028 between the letters.
        "\xC3\xA9\xE2\x80\xA9x\r\n\xEF\xB7\x90y\n\xEF\xB7\x91z\xE2\x80\xA8\r\n",
    };
    for (const QByteArray &bytes : cases) {
        dir.writeBytes("page.htm", bytes);
        auto editor = open("page.htm");
        ASSERT_TRUE(editor->sauve());
        EXPECT_EQ(dir.readBytes("page.htm"), bytes) << bytes.toStdString();
    }
}

TEST_F(EditorWindow, ATypedLineBreakTakesTheUsualEndAndOtherLinesKeepTheirs)
{
    dir.writeBytes("page.htm", "a\r\nb\r\nc\nd");
    auto editor = open("page.htm");
    editor->control().setSelection(1, 0); // end of "a"
    QTest::keyClick(editor->memo1(), Qt::Key_Return);
    editor->control().setSelection(editor->control().lineIndex(3) + 1, 0); // end of "c"
    QTest::keyClick(editor->memo1(), Qt::Key_X);
    ASSERT_TRUE(editor->sauve());
    EXPECT_EQ(dir.readBytes("page.htm"), QByteArray("a\r\n\r\nb\r\ncx\nd"));
}

TEST_F(EditorWindow, FailedSaveKeepsTheDocumentModifiedAndSaysWhy)
{
    // Saving into a directory that no longer exists fails for every user, root included.
    auto editor = open("disparu/page.htm");
    editor->control().replaceSelection("texte");
    EXPECT_FALSE(editor->sauve());
    EXPECT_TRUE(editor->control().isModified());
    EXPECT_TRUE(editor->command("Enregistrer1")->isEnabled());
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
    EXPECT_TRUE(answers.messages[0].text.contains("disparu"));
}

TEST_F(EditorWindow, SaveAsProposesTheKindOfADefaultName)
{
    struct Case {
        const char *caption;
        const char *suffix;
        int filter;
    };
    const Case cases[] = {{"(defaut).css", "css", 3},
                          {"(defaut).txt", "txt", 6},
                          {"(defaut).htm", "htm", 1},
                          {"(defaut).js", "js", 2}};
    for (const Case &c : cases) {
        Tedition editor(&host);
        editor.setWindowTitle(c.caption);
        answers.saveAnswers.push_back(QString());
        EXPECT_FALSE(editor.saveAs());
        const Modals::FileRequest &request = answers.fileRequests.back();
        EXPECT_EQ(request.defaultSuffix, c.suffix);
        const QStringList filters = request.filter.split(";;");
        ASSERT_EQ(filters.size(), 7);
        EXPECT_EQ(request.selectedFilter, filters[c.filter - 1]) << c.caption;
    }
    Tedition other(&host);
    other.setWindowTitle("page.htm");
    answers.saveAnswers.push_back(QString());
    other.saveAs();
    EXPECT_EQ(answers.fileRequests.back().defaultSuffix, "html");
}

TEST_F(EditorWindow, SaveAsElsewhereShowsTheFileNameAndSavesThere)
{
    auto editor = open("a.htm");
    editor->control().replaceSelection("<P>");
    QDir().mkpath(dir.file("ailleurs"));
    answers.saveAnswers.push_back(dir.file("ailleurs/b.htm"));
    ASSERT_TRUE(editor->saveAs());
    EXPECT_EQ(editor->windowTitle(), "b.htm");
    EXPECT_EQ(editor->fileName(), dir.file("ailleurs/b.htm"));
    editor->control().replaceSelection("x");
    EXPECT_TRUE(editor->sauve());
    EXPECT_EQ(dir.readBytes("ailleurs/b.htm"), QByteArray("<P>x"));
    EXPECT_FALSE(QFileInfo::exists(dir.file("a.htm")));
}

TEST_F(EditorWindow, CloseQuestionPaths)
{
    // Not modified: closes without a question.
    {
        auto editor = open("a.htm");
        EXPECT_TRUE(editor->FormCloseQuery());
        EXPECT_TRUE(answers.messages.empty());
    }
    // Untitled and modified: the question names text 805.
    Tedition untitled(&host);
    untitled.control().replaceSelection("texte");
    answers.messageAnswers.push_back(QMessageBox::Cancel);
    EXPECT_FALSE(untitled.FormCloseQuery());
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_TRUE(answers.messages[0].text.contains(texteDialogue(805)));
    // Yes, then save-as cancelled: the window stays open and nothing is lost.
    answers.messageAnswers.push_back(QMessageBox::Yes);
    answers.saveAnswers.push_back(QString());
    EXPECT_FALSE(untitled.FormCloseQuery());
    EXPECT_EQ(untitled.control().text(), "texte");
    // Yes, then a save that works: it may close.
    answers.messageAnswers.push_back(QMessageBox::Yes);
    answers.saveAnswers.push_back(dir.file("sauve.htm"));
    EXPECT_TRUE(untitled.FormCloseQuery());
    EXPECT_EQ(dir.readBytes("sauve.htm"), QByteArray("texte"));
    // No: closes without saving.
    auto editor = open("b.htm");
    editor->control().replaceSelection("perdu");
    answers.messageAnswers.push_back(QMessageBox::No);
    EXPECT_TRUE(editor->FormCloseQuery());
    EXPECT_FALSE(QFileInfo::exists(dir.file("b.htm")));
}

TEST_F(EditorWindow, StatusShowsLogicalLineColumnAndLength)
{
    auto editor = open("a.htm");
    editor->refreshStatus();
    EXPECT_EQ(host.panels[1], position(1, 1));
    editor->control().replaceSelection("un\r\ndeux\r\n");
    editor->control().replaceSelection("ab");
    editor->refreshStatus();
    EXPECT_EQ(host.panels[1], position(3, 3));
    editor->control().setText("ab\r\nc");
    editor->refreshStatus();
    EXPECT_EQ(host.panels[4], "5 " + texteMenu1(603));

    // A long line wrapped on screen is still one line.
    editor->control().setText(QString(2000, 'x') + "\r\nz");
    editor->control().setSelection(1500, 0);
    editor->refreshStatus();
    EXPECT_EQ(host.panels[1], position(1, 1501));
    editor->control().setSelection(2003, 0);
    editor->refreshStatus();
    EXPECT_EQ(host.panels[1], position(2, 2));
}

TEST_F(EditorWindow, TypingRefreshesTheStatusAndEnablesSaving)
{
    auto editor = open("a.htm");
    EXPECT_FALSE(editor->command("Enregistrer1")->isEnabled());
    QTest::keyClicks(editor->memo1(), "abc");
    EXPECT_EQ(host.panels[1], position(1, 4));
    EXPECT_EQ(host.panels[4], "3 " + texteMenu1(603));
    EXPECT_TRUE(editor->command("Enregistrer1")->isEnabled());
    EXPECT_TRUE(host.saveButton);
}

TEST_F(EditorWindow, EditCommandsFollowTheSelectionAndTheClipboard)
{
    QStringList history;
    Tedition::setClipboardHistoryHook([&](const QString &text) { history << text; });
    auto editor = open("a.htm");
    editor->control().setText("bonjour monde");
    editor->control().setSelection(0, 7);
    editor->refreshMenuStates();
    EXPECT_TRUE(editor->command("Copier1")->isEnabled());
    editor->runCommand("Copier1");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "bonjour");
    editor->control().setSelection(8, 5);
    editor->runCommand("Couper1");
    EXPECT_EQ(editor->control().text(), "bonjour ");
    EXPECT_EQ(history, QStringList({"bonjour", "monde"}));
    EXPECT_FALSE(editor->command("Copier1")->isEnabled()) << "nothing is selected any more";
    EXPECT_TRUE(editor->command("Coller1")->isEnabled());
    editor->runCommand("Viderlepressepapier1");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    EXPECT_FALSE(editor->command("Coller1")->isEnabled());
    editor->runCommand("Toutslectionner1");
    editor->runCommand("Toutsupprimer1");
    EXPECT_EQ(editor->control().text(), "");
    editor->runCommand("Defaire1");
    EXPECT_EQ(editor->control().text(), "bonjour ");
    Tedition::setClipboardHistoryHook(nullptr);
}

TEST_F(EditorWindow, PrintsEachLineToTheChosenPrinter)
{
    auto editor = open("a.htm");
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines << QStringLiteral("ligne %1 <P>texte</P>").arg(i);
    editor->control().setText(lines.join("\r\n"));
    const QString pdf = dir.file("sortie.pdf");
    answers.printAnswers.push_back([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    editor->runCommand("Imprimer1");
    const QByteArray bytes = dir.readBytes("sortie.pdf");
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(
        bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type/Page"), 2)
        << "150 lines take more than one page";
    answers.printAnswers.push_back([](QPrinter &) { return false; });
    editor->runCommand("Imprimer1"); // cancelled: nothing happens
}

TEST_F(EditorWindow, MenuItemsOfTheMainWindowReachTheHost)
{
    auto editor = open("a.htm");
    editor->runCommand("Nouveau1");
    editor->runCommand("Quitter1");
    editor->runCommand("Cascade1");
    editor->runCommand("Aproposde1");
    editor->runCommand("OuvrirProjet1");
    editor->runCommand("FermerProjet1");
    EXPECT_EQ(host.calls,
              QStringList({"new", "quit", "cascade", "about", "openProject", "closeProject"}));
    EXPECT_EQ(editor->command("OuvrirProjet1")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_TRUE(Tedition::providesCommand("Enregistrer1"));
    EXPECT_TRUE(Tedition::providesCommand("Nouveau1"));
}

TEST_F(EditorWindow, CaptionsComeFromTheEditorLanguageFile)
{
    auto editor = open("a.htm");
    EXPECT_EQ(editor->command("Enregistrer1")->text(), texteMenu2(130));
    EXPECT_EQ(editor->command("Aide3")->text(), texteMenu2(910));
    EXPECT_EQ(editor->command("Toutsupprimer2")->text(), texteMenu2(260));
}

} // namespace
