#include "editor/clipboardhistory.h"
#include "editor/findcommands.h"
#include "editor/findstate.h"
#include "editor/tedition.h"
#include "editor/tsauvepapier.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/editor/fakehost.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class HistoryAndFind : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;

    HistoryAndFind()
    {
        Tedition::setClipboardHistoryHook(nullptr); // the history file
        findState() = {};
        QFile::remove(dir.file("presse.sav"));
    }

    std::unique_ptr<Tedition> open(const QString &text)
    {
        auto editor = std::make_unique<Tedition>(&host);
        editor->openFile(dir.file("page.htm"));
        editor->control().setText(text);
        editor->resize(400, 300);
        editor->show();
        editor->activateWindow();
        editor->memo1()->setFocus();
        return editor;
    }

    QByteArray history() const { return dir.readBytes("presse.sav"); }

    void answerFind(const QString &text)
    {
        answers.dialogs.push_back([text](QDialog &d) {
            d.findChild<QLineEdit *>("Edit1")->setText(text);
            d.findChild<QPushButton *>("Button1")->click();
            return d.result();
        });
    }
};

TEST_F(HistoryAndFind, KeysAndMenusOfCutAndCopyFillTheHistory)
{
    auto editor = open("un\r\ndeux\r\ntrois");
    QWidget *memo = editor->memo1();
    editor->control().setSelection(0, 0);
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(QFileInfo::exists(dir.file("presse.sav"))) << "nothing selected, nothing kept";

    editor->control().setSelection(0, editor->control().textLength());
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(history(), "un\r\ndeux\r\ntrois\r\n") << "three lines for a three-line copy";
    editor->control().setSelection(4, 4);
    QTest::keyClick(memo, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(editor->control().text(), "un\r\n\r\ntrois");
    editor->control().setSelection(6, 3);
    QTest::keyClick(memo, Qt::Key_Insert, Qt::ControlModifier);
    editor->control().setSelection(6, 2);
    QTest::keyClick(memo, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(editor->control().text(), "un\r\n\r\nois");
    editor->control().setSelection(0, 2);
    editor->runCommand("Copier2");
    EXPECT_EQ(history(), "un\r\ndeux\r\ntrois\r\ndeux\r\ntro\r\ntr\r\nun\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "un");

    // The viewer item follows the file as the edit menu opens.
    QMenu *edition = editor->menus()[1];
    QAction *viewer = editor->command("Voirlhistoriquedupressepapier1");
    Q_EMIT edition->aboutToShow();
    EXPECT_TRUE(viewer->isEnabled());
    dir.writeBytes("presse.sav", "\r\nligne");
    Q_EMIT edition->aboutToShow();
    EXPECT_TRUE(viewer->isEnabled()) << "a history starting with a line break is still one";
    QFile::remove(dir.file("presse.sav"));
    Q_EMIT edition->aboutToShow();
    EXPECT_FALSE(viewer->isEnabled());
    EXPECT_TRUE(answers.messages.empty());
}

TEST_F(HistoryAndFind, AHistoryThatCannotBeWrittenLeavesTheCutDone)
{
    QDir().mkpath(dir.file("presse.sav")); // a directory where the file should be
    auto editor = open("abc");
    editor->control().setSelection(0, 1);
    editor->refreshMenuStates();
    editor->runCommand("Couper1");
    EXPECT_EQ(editor->control().text(), "bc");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a");
    EXPECT_EQ(answers.messages.size(), 1u);
}

TEST_F(HistoryAndFind, ViewerShowsTheHistoryAndCopiesItsSelection)
{
    dir.writeBytes("presse.sav", "premier\r\nsecond\r\n");
    auto editor = open("abc");
    QGuiApplication::clipboard()->setText("avant");
    answers.dialogs.push_back([](QDialog &d) {
        d.show();
        auto *texte = d.findChild<QPlainTextEdit *>("texte");
        EXPECT_EQ(texte->toPlainText(), "premier\nsecond\n");
        QTextCursor cursor = texte->textCursor();
        cursor.setPosition(3);
        cursor.setPosition(13, QTextCursor::KeepAnchor);
        texte->setTextCursor(cursor);
        d.findChild<QPushButton *>("BitBtn1")->click();
        return d.result();
    });
    editor->runCommand("Voirlhistoriquedupressepapier1");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "mier\nsecon");
    EXPECT_EQ(history(), "premier\r\nsecond\r\n") << "the viewer's copy adds nothing";

    // Cancel copies nothing; each showing reads the file again.
    dir.writeBytes("presse.sav", "autre\r\n");
    answers.dialogs.push_back([](QDialog &d) {
        d.show();
        EXPECT_EQ(d.findChild<QPlainTextEdit *>("texte")->toPlainText(), "autre\n");
        d.findChild<QPushButton *>("BitBtn2")->click();
        return d.result();
    });
    editor->runCommand("Voirlhistoriquedupressepapier1");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "mier\nsecon");
    EXPECT_TRUE(answers.allAnswersUsed());
}

TEST_F(HistoryAndFind, FindThenNextOccurrencesThenTheEnd)
{
    ecrireparametre("table", "chercher", settingsFile());
    auto editor = open("<TABLE>\r\n<tr><td>table</td></tr>\r\n</Table>");
    auto other = open("pas ici");
    editor->control().setSelection(20, 0);
    QString preset;
    answers.dialogs.push_back([&](QDialog &d) {
        preset = d.findChild<QLineEdit *>("Edit1")->text();
        d.findChild<QLineEdit *>("Edit1")->setText("Table");
        d.findChild<QPushButton *>("Button1")->click();
        return d.result();
    });
    editor->runCommand("chercher1");
    EXPECT_EQ(preset, "table") << "the last text searched, from any earlier run";
    EXPECT_EQ(lireparametre("chercher", settingsFile()), "Table");
    EXPECT_EQ(editor->control().selStart(), 1) << "a new find starts at the top";
    EXPECT_EQ(editor->control().selectedText(), "TABLE");

    const int next[] = {17, 36};
    for (int at : next) {
        editor->runCommand("Occurencesuivante1");
        EXPECT_EQ(editor->control().selStart(), at);
        EXPECT_EQ(editor->control().selLength(), 5);
    }
    EXPECT_TRUE(answers.messages.empty());
    editor->runCommand("Occurencesuivante1");
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Information);
    EXPECT_EQ(answers.messages[0].text, "Fin de recherche de Table");
    EXPECT_EQ(editor->control().selStart(), 36) << "the selection stays on the last one";
    // After the end the next search starts over at the top, in any window.
    other->runCommand("Occurencesuivante1");
    EXPECT_EQ(answers.messages.size(), 2u);
    editor->runCommand("Occurencesuivante1");
    EXPECT_EQ(editor->control().selStart(), 1);
}

TEST_F(HistoryAndFind, FindStartsOverAfterNothingFoundAndCancelKeepsTheText)
{
    ecrireparametre("", "chercher", settingsFile());
    auto editor = open("<HTML>html");
    answerFind("html");
    editor->runCommand("chercher1");
    editor->runCommand("Occurencesuivante1");
    editor->runCommand("Occurencesuivante1"); // end
    editor->runCommand("Occurencesuivante1");
    EXPECT_EQ(editor->control().selStart(), 1) << "the match at the top is not skipped";

    answers = {};
    answers.dialogs.push_back([](QDialog &d) {
        d.findChild<QLineEdit *>("Edit1")->setText("autre");
        d.findChild<QPushButton *>("Button2")->click();
        return d.result();
    });
    editor->runCommand("chercher1");
    EXPECT_EQ(findState().text, "html");
    EXPECT_EQ(lireparametre("chercher", settingsFile()), "html");
}

TEST_F(HistoryAndFind, NothingToFindBeforeAnySearchAndNoUndefinedPreset)
{
    QByteArray settings = dir.readBytes("brindel.sav");
    settings.replace("[chercher]=\r\n", "");
    dir.writeBytes("brindel.sav", settings);
    auto editor = open("abc");
    editor->runCommand("Occurencesuivante1");
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].text, "Fin de recherche de ");
    QString preset = "?";
    answers.dialogs.push_back([&](QDialog &d) {
        preset = d.findChild<QLineEdit *>("Edit1")->text();
        return int(QDialog::Rejected);
    });
    editor->runCommand("chercher1");
    EXPECT_EQ(preset, "");
}

TEST_F(HistoryAndFind, DialogsTakeTheirTextsFromTheLanguageFile)
{
    QByteArray bytes;
    for (int n = 1; n < 6000; ++n)
        bytes += QByteArray::number(n) + "$#" + QByteArray::number(n) + "\r\n";
    dir.writeBytes("langue/essai.dlg", bytes);
    startupSettings().dialogue = dir.file("langue/essai.dlg");

    Ttrouvedialog find;
    EXPECT_EQ(find.windowTitle(), "#200");
    EXPECT_EQ(find.findChild<QPushButton *>("Button1")->text(), "#201");
    EXPECT_EQ(find.findChild<QPushButton *>("Button2")->text(), "#202");
    Tsauve_papier viewer;
    viewer.show();
    EXPECT_EQ(viewer.windowTitle(), "#3900");
}

} // namespace
