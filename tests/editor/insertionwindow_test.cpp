#include "editor/editormenus.h"
#include "editor/insertioncommands.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"
#include "tests/editor/fakehost.h"
#include "tests/editor/qstringprint.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class InsertionWindow : public testing::Test
{
protected:
    std::unique_ptr<Tedition> newWindow(const QString &text, int start, int length = 0)
    {
        auto editor = std::make_unique<Tedition>(&host);
        editor->control().setText(text);
        editor->control().setSelection(start, length);
        return editor;
    }

    static QString widgetText(const Tedition &editor) { return editor.memo1()->toPlainText(); }

    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};
    FakeHost host;
};

struct WindowCase {
    const char *command;
    const char *before; // "|" marks the caret
    const char *after;  // "|" marks the caret; line breaks "\n"
};

// Through the real text widget, where a line break is one character but counts two in the
// control's positions.
const WindowCase kWindowCases[] = {
    {"Gras1", "ab\ncd|ef", "ab\ncd<B>|</B>ef"},
    {"DOCT1", "x\n|", "x\n<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">|"},
    {"TABLE1", "a\nb|", "a\nb<TABLE>|\n\n</TABLE>"},
    {"onsubmit1", "<FORM |>", "<FORM onSubmit=\"|\">"},
    {"STYLE1", "|", " <STYLE TYPE=\"text/css\">\n  <!--\n |  \n // -->\n </STYLE>\n"},
    {"Function1", "first\n    |xyz",
     "first\n     function |()\n      {\n       \n      }\n    xyz"},
    {"Procedure1", "a\n\nb|", "a\n\n  Sub ()\n |  \n   \n  End Sub\nb"},
};

TEST_F(InsertionWindow, CommandsRunFromTheMenusOnTheRealControl)
{
    for (const WindowCase &c : kWindowCases) {
        SCOPED_TRACE(c.command);
        QString before = QString::fromUtf8(c.before);
        const qsizetype caretBefore = before.indexOf(u'|');
        before.remove(caretBefore, 1);
        QString after = QString::fromUtf8(c.after);
        const qsizetype caretAfter = after.indexOf(u'|');
        after.remove(caretAfter, 1);

        // Control positions count each line break twice.
        const auto controlPosition = [](const QString &text, qsizetype pos) {
            return int(pos + text.left(pos).count(u'\n'));
        };
        auto editor = newWindow(before, controlPosition(before, caretBefore));
        editor->runCommand(QString::fromLatin1(c.command));
        EXPECT_EQ(widgetText(*editor), after);
        EXPECT_EQ(editor->control().selStart(), controlPosition(after, caretAfter));
        EXPECT_EQ(editor->control().selLength(), 0);
        EXPECT_EQ(editor->memo1()->textCursor().position(), caretAfter);
    }
}

TEST_F(InsertionWindow, ABlockInsertionIsUndoneInOneStep)
{
    auto editor = newWindow(QStringLiteral("ab\r\n  cd"), 6, 2);
    editor->runCommand(QStringLiteral("SCRIPT2"));
    EXPECT_EQ(editor->control().lineCount(), 7);
    editor->runCommand(QStringLiteral("Defaire1"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("ab\r\n  cd"));
}

TEST_F(InsertionWindow, FontColourComesFromTheColourDialog)
{
    auto editor = newWindow(QStringLiteral("ab"), 1);
    answers.colorAnswers.push_back(QColor(0x12, 0x34, 0x56));
    editor->runCommand(QStringLiteral("Couleur1"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("a<FONT COLOR=\"#123456\"></FONT>b"));
    EXPECT_EQ(editor->control().selStart(), 1 + 22);

    answers.colorAnswers.push_back(std::nullopt); // cancelled
    editor->control().setSelection(0, 1);
    editor->runCommand(QStringLiteral("Couleur1"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("a<FONT COLOR=\"#123456\"></FONT>b"));
    EXPECT_EQ(editor->control().selStart(), 0);
    EXPECT_EQ(editor->control().selLength(), 1);
    EXPECT_TRUE(answers.allAnswersUsed());
    EXPECT_EQ(answers.unscripted, 0);
}

TEST_F(InsertionWindow, FontFaceUsesOnlyTheFamilyName)
{
    auto editor = newWindow(QStringLiteral("ab"), 2);
    QFont chosen(QStringLiteral("Courier New"), 20);
    chosen.setBold(true);
    answers.fontAnswers.push_back(chosen);
    editor->runCommand(QStringLiteral("Fonte1"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("ab<FONT FACE=\"Courier New\"></FONT>"));
    EXPECT_EQ(editor->control().selStart(), 2 + 14 + 11);

    answers.fontAnswers.push_back(std::nullopt);
    editor->runCommand(QStringLiteral("Fonte1"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("ab<FONT FACE=\"Courier New\"></FONT>"));
    EXPECT_EQ(editor->control().selStart(), 2 + 14 + 11);
    EXPECT_TRUE(answers.allAnswersUsed());
}

TEST_F(InsertionWindow, EveryMenuItemRunsACommandOrIsDisabled)
{
    auto editor = newWindow(QString(), 0);
    const EditorMenus menus{editor->menus(), editor->contextMenu()};
    QSet<QString> items;
    for (QAction *item : menus.commandItems()) {
        const QString name = item->objectName();
        items.insert(name);
        if (!Tedition::providesCommand(name)) {
            EXPECT_FALSE(item->isEnabled()) << name.toStdString();
        }
    }
    // Every provided command has its menu item, and every insertion command is usable.
    for (const QString &name : Tedition::commands().keys())
        EXPECT_TRUE(items.contains(name)) << name.toStdString();
    for (const QString &name : insertionCommandNames()) {
        EXPECT_TRUE(Tedition::providesCommand(name)) << name.toStdString();
        EXPECT_TRUE(menus.action(name)->isEnabled()) << name.toStdString();
    }
    // Commands whose features come later stay visibly disabled.
    for (const char *later : {"Tableau2", "Applet1"})
        EXPECT_FALSE(menus.action(QString::fromLatin1(later))->isEnabled()) << later;
}

TEST_F(InsertionWindow, ContextHelpTakesTheCaptionOfTheHelpItem)
{
    auto editor = newWindow(QString(), 0);
    const EditorMenus menus{editor->menus(), editor->contextMenu()};
    EXPECT_EQ(menus.action(QStringLiteral("Aide3"))->text(), texteMenu2(910));
    EXPECT_EQ(menus.action(QStringLiteral("Aide2"))->text(), texteMenu2(910));
    EXPECT_EQ(menus.action(QStringLiteral("Html1"))->text(), QStringLiteral("&Html"));
}

TEST_F(InsertionWindow, AMissingLanguageFileStillGivesAWholeWindow)
{
    startupSettings().menu2 = dir.file(QStringLiteral("langue/absent.mn2"));
    auto editor = newWindow(QStringLiteral("abc"), 3);
    EXPECT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(editor->menus().size(), 9);
    const EditorMenus menus{editor->menus(), editor->contextMenu()};
    EXPECT_EQ(menus.action(QStringLiteral("Edition1"))->text(), QStringLiteral("&Edition"));
    editor->runCommand(QStringLiteral("Italique1"));
    EXPECT_EQ(editor->control().text(), QStringLiteral("abc<I></I>"));
}

} // namespace
