// What only the control over the text widget can get wrong: the widget's own
// conversions, wrapped lines and input methods.
#include "platform/editortextedit.h"
#include "platform/plaintexteditcontrol.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace
{

class WidgetControl : public ::testing::Test
{
protected:
    EditorTextEdit edit;
    PlainTextEditControl control{edit};
};

TEST_F(WidgetControl, WrappedLinesAreStillOneLogicalLine)
{
    edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit.resize(120, 200);
    edit.show();
    control.setText(QString(2000, 'w') + "\r\nsecond");
    QCoreApplication::processEvents();
    ASSERT_GT(edit.document()->firstBlock().layout()->lineCount(), 1) << "the line must wrap";
    EXPECT_EQ(control.lineCount(), 2);
    EXPECT_EQ(control.lineFromChar(1500), 0);
    EXPECT_EQ(control.lineIndex(1), 2002);
    control.setSelection(2004, 0);
    EXPECT_EQ(control.lineFromChar(control.selStart()), 1);
}

TEST_F(WidgetControl, CharactersTheWidgetWouldRewriteComeBackUnchanged)
{
    const QString awkward = QString("a") + QChar(0xA0) + "b" + QChar(0x2028) + "c" + QChar(0) +
                            "d\te" + QChar(0xD83D) + QChar(0xDE00);
    control.setText(awkward + "\r\n" + awkward);
    EXPECT_EQ(control.text(), awkward + "\r\n" + awkward);
    EXPECT_EQ(control.line(1), awkward);
    control.setSelection(0, int(awkward.size()) + 2);
    EXPECT_EQ(control.selectedText(), awkward + "\r\n");

    control.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), awkward + "\n");
    edit.selectAll();
    edit.copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), awkward + "\n" + awkward)
        << "the widget's own copy keeps no-break spaces";
}

TEST_F(WidgetControl, KeyHookSeesInputMethodCommits)
{
    control.setText("ab");
    control.setSelection(1, 0);
    control.setKeyHook([this](QChar ch) {
        if (ch != QChar(0xE0))
            return false;
        control.replaceSelection("&#224;");
        return true;
    });
    QInputMethodEvent accent(QString(), {});
    accent.setCommitString(QString(QChar(0xE0)));
    QCoreApplication::sendEvent(&edit, &accent);
    QInputMethodEvent plain(QString(), {});
    plain.setCommitString("o");
    QCoreApplication::sendEvent(&edit, &plain);
    EXPECT_EQ(control.text(), "a&#224;ob");
}

TEST_F(WidgetControl, AdapterFollowsTheWidgetCaret)
{
    control.setText("one\r\ntwo\r\nthree");
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(9); // after the "t" of "three", selecting backwards
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    EXPECT_EQ(control.selStart(), 6);
    EXPECT_EQ(control.selLength(), 5);
    EXPECT_EQ(control.selectedText(), "wo\r\nt");
}

} // namespace
