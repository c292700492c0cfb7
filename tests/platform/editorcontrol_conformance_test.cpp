// One suite of behaviours run against both editor controls: the one over the text widget
// and the one in memory. Whatever a command sees through EditorControl must be the same.
#include "platform/editortextedit.h"
#include "platform/memoryeditorcontrol.h"
#include "platform/plaintexteditcontrol.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace
{

struct MemoryHarness {
    MemoryEditorControl control;

    void type(QChar ch) { control.typeCharacter(ch); }
    void setClipboard(const QString &text) { control.setClipboardText(text); }
};

struct WidgetHarness {
    EditorTextEdit edit;
    PlainTextEditControl control{edit};

    void type(QChar ch)
    {
        QKeyEvent press(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(&edit, &press);
    }
    void setClipboard(const QString &text) { QGuiApplication::clipboard()->setText(text); }
};

template <typename Harness> class EditorControlConformance : public ::testing::Test
{
protected:
    Harness harness;
    EditorControl &control = harness.control;

    // Sets the text and starts from an unmodified document, as after loading.
    void load(const QString &text)
    {
        control.setText(text);
        control.setModified(false);
    }
};

using Harnesses = ::testing::Types<MemoryHarness, WidgetHarness>;
class HarnessNames
{
public:
    template <typename T> static std::string GetName(int)
    {
        return std::is_same_v<T, MemoryHarness> ? "Memory" : "Widget";
    }
};
TYPED_TEST_SUITE(EditorControlConformance, Harnesses, HarnessNames);

// Line starts computed from the CR LF text itself, independently of the control.
std::vector<int> lineStartsOf(const QString &crlfText)
{
    std::vector<int> starts{0};
    for (int i = 0; i + 1 < crlfText.size(); ++i) {
        if (crlfText[i] == '\r' && crlfText[i + 1] == '\n')
            starts.push_back(i + 2);
    }
    return starts;
}

TYPED_TEST(EditorControlConformance, StartsAsOneEmptyUnmodifiedLine)
{
    EditorControl &c = this->control;
    EXPECT_EQ(c.text(), QString());
    EXPECT_EQ(c.textLength(), 0);
    EXPECT_EQ(c.lineCount(), 1);
    EXPECT_EQ(c.lineIndex(0), 0);
    EXPECT_EQ(c.lineFromChar(0), 0);
    EXPECT_EQ(c.selStart(), 0);
    EXPECT_FALSE(c.isModified());
}

TYPED_TEST(EditorControlConformance, LineBreakCountsTwoPositions)
{
    EditorControl &c = this->control;
    this->load("ab\nc");
    EXPECT_EQ(c.text(), "ab\r\nc");
    EXPECT_EQ(c.textLength(), 5);
    EXPECT_EQ(c.lineCount(), 2);
    EXPECT_EQ(c.lineIndex(1), 4);
    EXPECT_EQ(c.lineIndex(2), -1);
    EXPECT_EQ(c.lineIndex(-1), -1);
    EXPECT_EQ(c.line(0), "ab");
    EXPECT_EQ(c.line(1), "c");
    EXPECT_EQ(c.line(2), QString());
}

TYPED_TEST(EditorControlConformance, SetTextAcceptsEveryLineBreakStyle)
{
    EditorControl &c = this->control;
    c.setText("xyz");
    c.setSelection(1, 2);
    this->load("a\r\nb\rc\nd\r\r\n");
    EXPECT_EQ(c.text(), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(c.lineCount(), 6);
    EXPECT_EQ(c.line(5), QString()) << "a trailing break leaves an empty last line";
    this->load("\n\r\r\nx\r\n");
    EXPECT_EQ(c.text(), "\r\n\r\n\r\nx\r\n") << "leading and consecutive breaks";
    EXPECT_EQ(c.selStart(), 0);
    EXPECT_EQ(c.selLength(), 0);
}

TYPED_TEST(EditorControlConformance, LineFromCharAtLineEndsAndBeyond)
{
    EditorControl &c = this->control;
    this->load("ab\r\n\r\nxyz"); // "ab" 0-1, break 2-3; "" 4, break 4-5; "xyz" 6-8, end 9
    const struct {
        int pos;
        int line;
    } cases[] = {{0, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 1}, {6, 2}, {8, 2}, {9, 2}, {500, 2}, {-5, 0}};
    for (const auto &k : cases)
        EXPECT_EQ(c.lineFromChar(k.pos), k.line) << "position " << k.pos;
}

TYPED_TEST(EditorControlConformance, LinePositionsAgreeWithTheTextEverywhere)
{
    EditorControl &c = this->control;
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QString(i % 7 == 3 ? 0 : i % 13 + 1, QChar('a' + i % 26)) + "\r\n";
    text += "tail";
    this->load(text);
    ASSERT_EQ(c.text(), text);
    const std::vector<int> starts = lineStartsOf(text);
    ASSERT_EQ(c.lineCount(), int(starts.size()));
    int line = 0;
    for (int pos = 0; pos <= text.size(); ++pos) {
        if (line + 1 < int(starts.size()) && pos >= starts[line + 1])
            ++line;
        ASSERT_EQ(c.lineFromChar(pos), line) << "position " << pos;
    }
    for (int i = 0; i < int(starts.size()); ++i)
        ASSERT_EQ(c.lineIndex(i), starts[i]) << "line " << i;
}

TYPED_TEST(EditorControlConformance, SelectionIsClampedAndSnappedOutOfLineBreaks)
{
    EditorControl &c = this->control;
    this->load("ab\r\ncd\r\nef"); // length 10
    const struct {
        int start, length;
        int selStart, selLength;
        const char *selected;
    } cases[] = {
        {1, 5, 1, 5, "b\r\ncd"}, {3, 0, 2, 0, ""},    {3, 2, 2, 2, "\r\n"}, {0, 3, 0, 2, "ab"},
        {8, 50, 8, 2, "ef"},     {-3, 2, 0, 2, "ab"}, {1, -4, 1, 0, ""},    {99, 1, 10, 0, ""},
    };
    for (const auto &k : cases) {
        c.setSelection(k.start, k.length);
        EXPECT_EQ(c.selStart(), k.selStart) << k.start << "," << k.length;
        EXPECT_EQ(c.selLength(), k.selLength) << k.start << "," << k.length;
        EXPECT_EQ(c.selectedText(), QString(k.selected)) << k.start << "," << k.length;
    }
    c.selectAll();
    EXPECT_EQ(c.selStart(), 0);
    EXPECT_EQ(c.selLength(), 10);
    EXPECT_FALSE(c.isModified()) << "selecting is not a change";
}

TYPED_TEST(EditorControlConformance, ReplaceSelectionTurnsEveryBreakIntoALineBreak)
{
    const struct {
        const char *inserted;
        const char *text;
        int caret;
    } cases[] = {
        {"x\r\ny", "ax\r\nyc", 5},         {"x\ny", "ax\r\nyc", 5},
        {"x\ry", "ax\r\nyc", 5},           {"<TABLE>\r\r</TABLE>", "a<TABLE>\r\n\r\n</TABLE>c", 20},
        {"\r\n\n\r", "a\r\n\r\n\r\nc", 7}, {"", "ac", 1},
    };
    for (const auto &k : cases) {
        this->load("abc");
        this->control.setSelection(1, 1);
        this->control.replaceSelection(k.inserted);
        EXPECT_EQ(this->control.text(), QString(k.text)) << k.inserted;
        EXPECT_EQ(this->control.selStart(), k.caret) << k.inserted;
        EXPECT_EQ(this->control.selLength(), 0) << k.inserted;
        EXPECT_TRUE(this->control.isModified()) << k.inserted;
    }
}

TYPED_TEST(EditorControlConformance, ReplaceAcrossLinesJoinsThem)
{
    EditorControl &c = this->control;
    this->load("one\r\ntwo\r\nthree");
    c.setSelection(2, 7); // "e\r\ntwo\r" snapped to "e\r\ntwo"
    c.replaceSelection("<B></B>");
    EXPECT_EQ(c.text(), "on<B></B>\r\nthree");
    EXPECT_EQ(c.selStart(), 9);
    EXPECT_EQ(c.lineCount(), 2);
}

TYPED_TEST(EditorControlConformance, EmptyReplacementOfTheCaretChangesNothing)
{
    EditorControl &c = this->control;
    this->load("abc");
    c.setSelection(1, 0);
    c.replaceSelection(QString());
    c.deleteSelection();
    EXPECT_FALSE(c.isModified());
    c.undo();
    EXPECT_EQ(c.text(), "abc") << "there was nothing to undo";
}

TYPED_TEST(EditorControlConformance, InsertLineBeforeAnIndexKeepsTheSelectionOnItsText)
{
    const struct {
        const char *start;
        int caret;
        int index;
        const char *line;
        const char *text;
        int caretAfter;
    } cases[] = {
        {"one\r\ntwo", 6, 0, "x", "x\r\none\r\ntwo", 9},
        {"one\r\ntwo", 6, 1, "x", "one\r\nx\r\ntwo", 9},
        {"one\r\ntwo", 5, 1, "x", "one\r\nx\r\ntwo", 8},
        {"one\r\ntwo", 6, 2, "x", "one\r\ntwo\r\nx", 6},
        {"one\r\ntwo", 8, 2, "x", "one\r\ntwo\r\nx", 11},
        {"one\r\ntwo", 6, 99, "x", "one\r\ntwo\r\nx", 6},
        {"one\r\ntwo", 2, -4, "x", "x\r\none\r\ntwo", 5},
        {"one\r\ntwo", 6, 1, "a\rb", "one\r\na\r\nb\r\ntwo", 12},
        {"one\r\ntwo", 1, 1, "", "one\r\n\r\ntwo", 1},
        {"", 0, 0, "x", "x\r\n", 3},
        {"", 0, 1, "x", "\r\nx", 3},
    };
    for (const auto &k : cases) {
        this->load(k.start);
        this->control.setSelection(k.caret, 0);
        this->control.insertLine(k.index, k.line);
        EXPECT_EQ(this->control.text(), QString(k.text)) << k.start << " @" << k.index;
        EXPECT_EQ(this->control.selStart(), k.caretAfter) << k.start << " @" << k.index;
        EXPECT_TRUE(this->control.isModified());
    }
}

TYPED_TEST(EditorControlConformance, InsertLineInsideASelectionWidensIt)
{
    EditorControl &c = this->control;
    this->load("one\r\ntwo");
    c.setSelection(1, 6); // "ne\r\ntw"
    c.insertLine(1, "x");
    EXPECT_EQ(c.selStart(), 1);
    EXPECT_EQ(c.selectedText(), "ne\r\nx\r\ntw");
}

TYPED_TEST(EditorControlConformance, ModifiedFlagFollowsChangesAndSaves)
{
    EditorControl &c = this->control;
    c.setText("abc");
    EXPECT_TRUE(c.isModified()) << "replacing the whole text is a change";
    c.setModified(false);
    c.selectAll();
    c.deleteSelection();
    EXPECT_TRUE(c.isModified());
    EXPECT_EQ(c.text(), QString());
    c.setModified(false);
    c.setModified(true);
    EXPECT_TRUE(c.isModified());
}

TYPED_TEST(EditorControlConformance, EditBlockIsUndoneInOneStep)
{
    EditorControl &c = this->control;
    this->load("abc");
    c.setSelection(1, 0);
    {
        EditBlock block(c);
        c.insertLine(0, "1");
        {
            EditBlock nested(c);
            c.insertLine(0, "2");
        }
        c.replaceSelection("X");
        c.setSelection(0, 0);
    }
    EXPECT_EQ(c.text(), "2\r\n1\r\naXbc");
    c.undo();
    EXPECT_EQ(c.text(), "abc");
    EXPECT_FALSE(c.isModified()) << "back to the text as loaded";
}

// Undo puts the caret back where it stood before the change, wherever the change was made
// (above the caret, at it, in a block of several changes), never at the start of the text.
TYPED_TEST(EditorControlConformance, UndoPutsTheCaretBackWhereTheChangeWas)
{
    EditorControl &c = this->control;
    struct Change {
        const char *name;
        void (*apply)(EditorControl &);
    };
    const Change changes[] = {
        {"replace at the caret", [](EditorControl &e) { e.replaceSelection("XY"); }},
        {"line above the caret", [](EditorControl &e) { e.insertLine(0, "Z"); }},
        {"line below the caret", [](EditorControl &e) { e.insertLine(3, "Z"); }},
        {"block of changes",
         [](EditorControl &e) {
             EditBlock block(e);
             e.insertLine(1, "Q");
             e.replaceSelection("W");
             e.setSelection(0, 0);
         }},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        this->load("ab\r\ncd\r\nef");
        c.setSelection(5, 0); // between "c" and "d"
        change.apply(c);
        ASSERT_NE(c.text(), "ab\r\ncd\r\nef");
        c.undo();
        EXPECT_EQ(c.text(), "ab\r\ncd\r\nef");
        EXPECT_EQ(c.selStart(), 5);
        EXPECT_EQ(c.selLength(), 0);
    }
}

TYPED_TEST(EditorControlConformance, EachChangeOutsideABlockIsItsOwnUndoStep)
{
    EditorControl &c = this->control;
    this->load("abc");
    c.setSelection(3, 0);
    c.replaceSelection("d");
    c.replaceSelection("e");
    c.insertLine(1, "f");
    c.undo();
    EXPECT_EQ(c.text(), "abcde");
    c.undo();
    EXPECT_EQ(c.text(), "abcd") << "adjacent insertions must not merge";
    EXPECT_TRUE(c.isModified());
    c.undo();
    EXPECT_EQ(c.text(), "abc");
    EXPECT_FALSE(c.isModified());
    c.undo();
    EXPECT_EQ(c.text(), "abc") << "the loaded text is not undoable";
}

TYPED_TEST(EditorControlConformance, UndoPastASaveLeavesTheDocumentModified)
{
    EditorControl &c = this->control;
    this->load("abc");
    c.setSelection(0, 0);
    c.replaceSelection("1");
    c.setModified(false); // saved here
    c.undo();
    EXPECT_EQ(c.text(), "abc");
    EXPECT_TRUE(c.isModified()) << "the text no longer matches the saved file";
    c.replaceSelection("2");
    EXPECT_TRUE(c.isModified());
}

TYPED_TEST(EditorControlConformance, KeyHookMayCancelATypedCharacter)
{
    EditorControl &c = this->control;
    this->load("ab");
    c.setSelection(1, 0);
    QString seen;
    c.setKeyHook([&](QChar ch) {
        seen += ch;
        if (ch != QChar(0xE9))
            return false;
        c.replaceSelection("&#233;");
        return true;
    });
    this->harness.type(QChar(0xE9));
    this->harness.type('x');
    EXPECT_EQ(c.text(), "a&#233;xb");
    EXPECT_EQ(c.selStart(), 8);
    EXPECT_EQ(seen, QString(QChar(0xE9)) + "x");

    c.setKeyHook({});
    this->harness.type(QChar(0xE9));
    EXPECT_EQ(c.text(), "a&#233;x\u00E9b");
}

TYPED_TEST(EditorControlConformance, CutCopyAndPasteGoThroughTheClipboard)
{
    EditorControl &c = this->control;
    this->load("ab\r\ncd");
    this->harness.setClipboard("old");
    c.setSelection(1, 0);
    c.copy();
    c.cut();
    c.paste();
    EXPECT_EQ(c.text(), "aoldb\r\ncd") << "cut and copy without a selection keep the clipboard";

    c.setSelection(4, 4); // "b\r\nc"
    c.copy();
    EXPECT_FALSE(c.text().isEmpty());
    c.setSelection(c.textLength(), 0);
    c.paste();
    EXPECT_EQ(c.text(), "aoldb\r\ncdb\r\nc");

    c.setSelection(0, 4);
    c.cut();
    EXPECT_EQ(c.text(), "b\r\ncdb\r\nc");
    c.setSelection(0, 1);
    c.paste();
    EXPECT_EQ(c.text(), "aold\r\ncdb\r\nc") << "paste replaces the selection";
    EXPECT_EQ(c.selStart(), 4);

    this->harness.setClipboard(QString());
    c.setSelection(0, 4);
    c.paste();
    EXPECT_EQ(c.text(), "aold\r\ncdb\r\nc") << "an empty clipboard pastes nothing";
}

TYPED_TEST(EditorControlConformance, FindGoesForwardIgnoringCaseAndCountsBreaksTwice)
{
    EditorControl &c = this->control;
    // Positions: "<HTML>" 0-5, CR LF 6-7, "<table>" 8-14, CR LF 15-16, "Été été" 17-23,
    // CR LF 24-25, "a" 26 + no-break space 27 + "b" 28.
    this->load(QStringLiteral("<HTML>\r\n<table>\r\nÉté été\r\na") + QChar::Nbsp +
               QStringLiteral("b"));
    c.setSelection(3, 2);
    struct Case {
        const char *text;
        int from;
        int expected;
    };
    static const Case cases[] = {
        {"html", 0, 1},  // inside a word, any case
        {"html", 1, 1},  // a match at `from` counts
        {"html", 2, -1}, // forward only
        {"TABLE", 0, 9}, // after one line break, which counts two
        {"table", 6, 9}, // from the CR of a line break
        {"table", 7, 9}, // from between CR and LF: the end of the line before
        {"été", 0, 17},  // accented capitals match small letters
        {"ÉTÉ", 18, 21},   {"<", 10, -1}, {"a b", 0, 26}, // a no-break space is found as a space
        {">\r\n<", 0, -1},                                // a line break is never found
        {"", 0, -1},       {"b", 29, -1},                 // past the end
        {"b", 28, 28},                                    // the last character
        {"<html>", -5, 0},                                // a negative start is the top
    };
    for (const Case &k : cases) {
        EXPECT_EQ(c.find(QString::fromUtf8(k.text), k.from), k.expected)
            << k.text << " from " << k.from;
    }
    EXPECT_EQ(c.selStart(), 3) << "finding selects nothing";
    EXPECT_EQ(c.selLength(), 2);
    EXPECT_FALSE(c.isModified());
}

} // namespace

namespace
{

TYPED_TEST(EditorControlConformance, LinesKeepTheirOwnEndsThroughEditsElsewhere)
{
    EditorControl &c = this->control;
    this->load("zero\r\none\r\ntwo\r\nthree\r\nfour");
    const OtherLineEnds loaded{{1, LineEnd::Lf}, {2, LineEnd::Cr}};
    c.setOtherLineEnds(loaded);
    EXPECT_EQ(c.otherLineEnds(), loaded);
    EXPECT_EQ(c.text(), "zero\r\none\r\ntwo\r\nthree\r\nfour") << "the text itself is unchanged";

    c.setSelection(c.lineIndex(3) + 2, 0); // typing on another line changes nothing
    c.replaceSelection("xy");
    EXPECT_EQ(c.otherLineEnds(), loaded);

    c.setSelection(2, 0); // two breaks typed inside line 0: lines below move down by two
    c.replaceSelection("A\r\nB\nC");
    EXPECT_EQ(c.otherLineEnds(), (OtherLineEnds{{3, LineEnd::Lf}, {4, LineEnd::Cr}}));

    c.insertLine(3, "inserted"); // a whole line above "one": "one" keeps its own end
    EXPECT_EQ(c.line(4), "one");
    EXPECT_EQ(c.otherLineEnds(), (OtherLineEnds{{4, LineEnd::Lf}, {5, LineEnd::Cr}}));

    c.insertLine(0, "first\r\nsecond"); // at the top, two lines
    EXPECT_EQ(c.otherLineEnds(), (OtherLineEnds{{6, LineEnd::Lf}, {7, LineEnd::Cr}}));

    // Joining "one" with "two": the joined line keeps the end of "one".
    c.setSelection(c.lineIndex(6) + 3, 2);
    c.deleteSelection();
    EXPECT_EQ(c.line(6), "onetwo");
    EXPECT_EQ(c.otherLineEnds(), (OtherLineEnds{{6, LineEnd::Lf}}));

    this->load("x\r\ny");
    EXPECT_TRUE(c.otherLineEnds().empty()) << "a new text forgets the old ends";
}

TYPED_TEST(EditorControlConformance, ParagraphLikeCharactersStayCharacters)
{
    EditorControl &c = this->control;
    for (const char16_t code : {u'\u2028', u'\u2029', u'\uFDD0', u'\uFDD1'}) {
        const QChar ch(code);
        const QString text = QString("a") + ch + "b\r\nc";
        this->load(text);
        EXPECT_EQ(c.lineCount(), 2) << int(code);
        EXPECT_EQ(c.textLength(), 6);
        EXPECT_EQ(c.line(0), QString("a") + ch + "b");
        EXPECT_EQ(c.text(), text);
        c.setSelection(1, 1);
        EXPECT_EQ(c.selectedText(), QString(ch));

        // Put in by a command, and next to a typed replacement character.
        c.setSelection(c.textLength(), 0);
        c.replaceSelection(QString(ch) + QChar(0xFFFD) + "\r\n" + ch);
        c.insertLine(0, QString(ch) + "top");
        EXPECT_EQ(c.text(), QString(ch) + "top\r\n" + text + ch + QChar(0xFFFD) + "\r\n" + ch)
            << int(code);
        EXPECT_EQ(c.lineCount(), 4);
        c.undo();
        c.undo();
        EXPECT_EQ(c.text(), text);
    }
}

} // namespace

// A character beyond the Basic Multilingual Plane is two UTF-16 units and takes two
// positions, as it takes two columns in the code analyzer's findings.
TYPED_TEST(EditorControlConformance, CharactersBeyondTheBasicPlaneTakeTwoPositions)
{
    EditorControl &c = this->control;
    const QString smile = QStringLiteral("\U0001F600");
    ASSERT_EQ(smile.size(), 2);
    // "<p>" 0-2, smile 3-4, "</p>" 5-8, CR LF 9-10, "a" 11, smile 12-13, "b" 14.
    this->load("<p>" + smile + "</p>\r\na" + smile + "b");
    EXPECT_EQ(c.textLength(), 15);
    EXPECT_EQ(c.lineIndex(1), 11);
    EXPECT_EQ(c.line(1), "a" + smile + "b");
    EXPECT_EQ(c.lineFromChar(14), 1);

    c.setSelection(12, 2);
    EXPECT_EQ(c.selectedText(), smile);
    c.replaceSelection("xy");
    EXPECT_EQ(c.text(), "<p>" + smile + "</p>\r\naxyb");
    EXPECT_EQ(c.selStart(), 14);

    EXPECT_EQ(c.find("</P>", 0), 5);
    EXPECT_EQ(c.find(smile, 0), 3);

    c.setSelection(5, 0);
    this->harness.type('z');
    EXPECT_EQ(c.line(0), "<p>" + smile + "z</p>");
    EXPECT_EQ(c.selStart(), 6);
    c.undo();
    c.undo();
    EXPECT_EQ(c.text(), "<p>" + smile + "</p>\r\na" + smile + "b");
    EXPECT_FALSE(c.isModified());
}
