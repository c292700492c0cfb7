// The editor's text widget: lazy colouring, the line-number margin, the caret's line and the
// pair highlighted at the caret.
#include "platform/editortextedit.h"
#include "platform/htmlhighlighter.h"
#include "platform/plaintexteditcontrol.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

using htmllexer::Kind;

namespace
{

class EditorTextEditTest : public ::testing::Test
{
protected:
    EditorTextEdit edit;
    PlainTextEditControl control{edit};

    EditorTextEditTest()
    {
        edit.resize(600, 300);
        edit.show();
    }

    void load(const QString &text)
    {
        control.setText(text);
        control.setModified(false);
        paint();
    }
    void paint() { edit.viewport()->grab(); }

    // The colour given to the character at `column` of `line`; nullopt when it has none.
    std::optional<QColor> colourAt(int line, int column) const
    {
        const QTextBlock block = edit.document()->findBlockByNumber(line);
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            if (column >= range.start && column < range.start + range.length)
                return range.format.foreground().color();
        return std::nullopt;
    }
    std::optional<QColor> colourOf(Kind kind) const { return edit.highlighter().colour(kind); }
    bool coloured(int line) const
    {
        return !edit.document()->findBlockByNumber(line).layout()->formats().isEmpty();
    }
};

QString manyLines(int count, const QString &line)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += line + "\r\n";
    return text;
}

} // namespace

TEST_F(EditorTextEditTest, ColoursOnlyWhatIsShownWithStatesFromAboveIt)
{
    // A comment opened on line 1 runs over 2000 lines; a script follows.
    load("<p class=\"a\">x &amp; y</p>\r\n<!-- open\r\n" + manyLines(2000, "<b>in</b>") +
         "-->\r\n<script>\r\nvar a = '<b>';\r\n</script>\r\n<style>p {}</style>");
    EXPECT_EQ(colourAt(0, 0), colourOf(Kind::Tag));
    EXPECT_EQ(colourAt(0, 3), colourOf(Kind::AttributeName));
    EXPECT_EQ(colourAt(0, 10), colourOf(Kind::AttributeValue));
    EXPECT_EQ(colourAt(0, 13), std::nullopt);
    EXPECT_EQ(colourAt(0, 16), colourOf(Kind::Entity));
    EXPECT_EQ(colourAt(2, 0), colourOf(Kind::Comment));
    EXPECT_FALSE(coloured(1500)) << "a block never shown gets no colours";

    edit.verticalScrollBar()->setValue(edit.verticalScrollBar()->maximum());
    paint();
    const int last = edit.document()->blockCount() - 1;
    EXPECT_EQ(colourAt(last - 4, 0), colourOf(Kind::Comment));
    EXPECT_EQ(colourAt(last - 2, 2), colourOf(Kind::Script));
    EXPECT_EQ(colourAt(last, 8), colourOf(Kind::Style));
    EXPECT_EQ(colourAt(last, 12), colourOf(Kind::Tag));
}

TEST_F(EditorTextEditTest, AnEditRecoloursTheLinesAfterIt)
{
    load(manyLines(40, "<b>x</b>"));
    ASSERT_EQ(colourAt(5, 0), colourOf(Kind::Tag));

    control.setSelection(0, 0);
    control.replaceSelection("<!--");
    paint();
    EXPECT_EQ(colourAt(0, 0), colourOf(Kind::Comment));
    EXPECT_EQ(colourAt(5, 0), colourOf(Kind::Comment)) << "the comment runs on";

    control.setSelection(control.lineIndex(3), 0);
    control.replaceSelection("-->");
    paint();
    EXPECT_EQ(colourAt(3, 0), colourOf(Kind::Comment));
    EXPECT_EQ(colourAt(3, 3), colourOf(Kind::Tag));
    EXPECT_EQ(colourAt(5, 0), colourOf(Kind::Tag));

    control.undo();
    control.undo();
    paint();
    EXPECT_EQ(colourAt(0, 0), colourOf(Kind::Tag));
    EXPECT_EQ(colourAt(5, 0), colourOf(Kind::Tag));
    EXPECT_FALSE(control.isModified());
}

TEST_F(EditorTextEditTest, ColouringAndNumbersCanBeSwitchedOff)
{
    load(manyLines(1200, "<i>x</i>"));
    ASSERT_TRUE(coloured(0));
    const int width = edit.lineNumberAreaWidth();
    EXPECT_GT(width, 0);
    EXPECT_TRUE(edit.lineNumberArea()->isVisible());
    EXPECT_EQ(edit.viewport()->geometry().left() - edit.contentsRect().left(), width);

    edit.setColouring(false);
    paint();
    EXPECT_FALSE(coloured(0));
    edit.setLineNumbers(false);
    EXPECT_FALSE(edit.lineNumberArea()->isVisible());
    EXPECT_EQ(edit.viewport()->geometry().left(), edit.contentsRect().left());

    edit.setColouring(true);
    edit.setLineNumbers(true);
    paint();
    EXPECT_TRUE(coloured(0));
    EXPECT_EQ(edit.lineNumberAreaWidth(), width);

    // The margin widens with the number of digits of the line count.
    load(manyLines(5, "a"));
    EXPECT_LT(edit.lineNumberAreaWidth(), width);
}

TEST_F(EditorTextEditTest, PairFollowsACaretMoveAtOnceAndTypingOncePaused)
{
    load("<div>ab</div>");
    QCoreApplication::processEvents();
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(7);
    edit.setTextCursor(cursor);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.extraSelections().size(), 3) << "a moved caret: line and pair at once";

    // A space typed just after "<div>" leaves the caret outside any tag: the pair goes once
    // typing has paused, not within the keystroke's own events.
    cursor.setPosition(5);
    edit.setTextCursor(cursor);
    QCoreApplication::processEvents();
    ASSERT_EQ(edit.extraSelections().size(), 3);
    QTest::keyClick(&edit, Qt::Key_Space);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit.extraSelections().size(), 3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return edit.extraSelections().size() == 1; }, 2000));
}

TEST_F(EditorTextEditTest, HighlightsThePairAtTheCaret)
{
    // Line 0: "<div>" 0-4, "<b>" 5-7, "ab" 8-9, "</b>" 10-13, a comment holding "</div>"
    // 14-28, "</div>" 29-34. Line 1 starts at document position 36.
    load("<div><b>ab</b><!-- </div> --></div>\r\n<div>(f[1])<br/></DIV>");
    const int line1 = 36;
    struct Case {
        int caret; // document position (a line break counts one)
        QList<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {0, {{0, 4}, {29, 5}}},  // before "<div": its end tag, the one in the comment skipped
        {3, {{0, 4}, {29, 5}}},  // inside the start tag
        {5, {{5, 2}, {10, 3}}},  // between "<div>" and "<b>": the tag after the caret
        {8, {{5, 2}, {10, 3}}},  // just after "<b>"
        {11, {{5, 2}, {10, 3}}}, // inside "</b>"
        {32, {{0, 4}, {29, 5}}}, // inside the last "</div>"
        {9, {}},                 // text
        {21, {}},                // inside the comment: not a tag
        {line1 + 5, {{line1 + 5, 1}, {line1 + 10, 1}}},  // "(" and ")"
        {line1 + 8, {{line1 + 7, 1}, {line1 + 9, 1}}},   // just after "[": "[" and "]"
        {line1 + 13, {}},                                // "<br/>" closes itself
        {line1 + 18, {{line1 + 0, 4}, {line1 + 16, 5}}}, // "</DIV>" whatever the case
    };
    for (const Case &c : cases) {
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(c.caret);
        edit.setTextCursor(cursor);
        EXPECT_EQ(edit.matchedRanges(), c.expected) << "caret " << c.caret;
        // The caret's line is marked, and one more selection per highlighted range.
        EXPECT_EQ(edit.extraSelections().size(), 1 + c.expected.size());
    }
}

TEST_F(EditorTextEditTest, ColoursStandOutOnLightAndDarkBackgrounds)
{
    // Contrast ratio of two colours, from their relative luminance.
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const auto contrast = [&](const QColor &a, const QColor &b) {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    for (const QColor &base : {QColor(Qt::white), QColor(0x2a, 0x2a, 0x2a)}) {
        QPalette palette = edit.palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, base.lightness() < 128 ? Qt::white : Qt::black);
        edit.setPalette(palette);
        for (Kind kind : {Kind::Tag, Kind::AttributeName, Kind::AttributeValue, Kind::Comment,
                          Kind::Entity, Kind::Script, Kind::Style}) {
            const QColor colour = edit.highlighter().colour(kind);
            EXPECT_GE(contrast(colour, base), 4.0)
                << colour.name().toStdString() << " on " << base.name().toStdString();
        }
    }
}
