#include "platform/htmllexer.h"

#include <gtest/gtest.h>

using htmllexer::Kind;

namespace
{

// One letter per character: . text, T tag, A attribute name, V value, C comment,
// E entity, S script, Y style.
char letter(Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return '.';
    case Kind::Tag:
        return 'T';
    case Kind::AttributeName:
        return 'A';
    case Kind::AttributeValue:
        return 'V';
    case Kind::Comment:
        return 'C';
    case Kind::Entity:
        return 'E';
    case Kind::Script:
        return 'S';
    case Kind::Style:
        return 'Y';
    }
    return '?';
}

// Lexes the lines one after the other, as an editor does, and gives the letters of every
// line joined by "|".
std::string kinds(const QStringList &lines)
{
    std::string result;
    int state = htmllexer::kStartState;
    for (const QString &line : lines) {
        QList<htmllexer::Span> spans;
        state = htmllexer::lexLine(line, state, &spans);
        std::string letters(size_t(line.size()), '.');
        int previousEnd = 0;
        for (const htmllexer::Span &span : spans) {
            EXPECT_GE(span.start, previousEnd) << "spans in order, apart";
            EXPECT_GT(span.length, 0);
            previousEnd = span.start + span.length;
            for (int i = span.start; i < previousEnd; ++i)
                letters[size_t(i)] = letter(span.kind);
        }
        EXPECT_LE(previousEnd, line.size());
        // The state alone is the same whether spans are asked for or not.
        if (!result.empty())
            result += '|';
        result += letters;
    }
    return result;
}

} // namespace

TEST(HtmlLexer, ColoursEveryKindOfText)
{
    struct Case {
        QStringList lines;
        std::string expected;
    };
    const Case cases[] = {
        {{"plain text"}, ".........."},
        {{"<b>x</b>"}, "TTT.TTTT"},
        {{"<A HREF=\"a.htm\">"}, "TT.AAAAVVVVVVVVT"},
        {{"<td align='c' nowrap>"}, "TTT.AAAAAVVVV.AAAAAAT"},
        {{"<img src=x.gif alt = y>"}, "TTTT.AAAVVVVVV.AAA.V.VT"},
        {{"<br/>"}, "TTTTT"},
        {{"a &eacute; &#233; &#xE9; &nbsp b"}, "..EEEEEEEE.EEEEEE.EEEEEE.EEEEE.."},
        {{"& &# &#x; &;"}, "............"},
        {{"<!-- a <b> -->c"}, "CCCCCCCCCCCCCC."},
        {{"<!DOCTYPE html>x"}, "TTTTTTTTTTTTTTT."},
        {{"a < b <3"}, "........"},
        // A tag, a value and a comment that go on over the next line.
        {{"<p", "class=\"x", "y\">z"}, "TT|AAAAAVVV|VVT."},
        {{"<!-- a", "b --> <i>"}, "CCCCCC|CCCCC.TTT"},
        // Script and style content, up to their end tags whatever case and content.
        {{"<script>if (a<b) x=\"</b>\";</SCRIPT>"}, "TTTTTTTTSSSSSSSSSSSSSSSSSSTTTTTTTTT"},
        {{"<SCRIPT LANGUAGE=\"js\">", "var s = '<p>';", "</script><b>"},
         "TTTTTTT.AAAAAAAAVVVVVT|SSSSSSSSSSSSSS|TTTTTTTTTTTT"},
        {{"<style>", "p { color: red }", "</style>"}, "TTTTTTT|YYYYYYYYYYYYYYYY|TTTTTTTT"},
        // An end tag named script does not start script content; a script start tag
        // that closes itself neither.
        {{"</script>a<b>"}, "TTTTTTTTT.TTT"},
        {{"<script/>a"}, "TTTTTTTTT."},
        // A character beyond the Basic Multilingual Plane takes two positions.
        {{"<a title=\"\U0001F600\">&amp;"}, "TT.AAAAAVVVVVTEEEEE"},
        {{"<p>\U0001F600&lt;</p>"}, "TTT..EEEETTTT"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(kinds(c.lines), c.expected) << c.lines.join(u'|').toStdString();
}

TEST(HtmlLexer, EndStateDoesNotDependOnAskingForSpans)
{
    const QStringList lines = {"<script type='x'", ">a",   "b</script><!--", "x", "-->",
                               "<style",           "a=b>", "c</style>"};
    int withSpans = htmllexer::kStartState;
    int without = htmllexer::kStartState;
    for (const QString &line : lines) {
        QList<htmllexer::Span> spans;
        withSpans = htmllexer::lexLine(line, withSpans, &spans);
        without = htmllexer::lexLine(line, without);
        EXPECT_EQ(withSpans, without) << line.toStdString();
        EXPECT_GE(without, 0);
        EXPECT_LE(without, 255);
    }
    EXPECT_EQ(without, htmllexer::kStartState);
}

TEST(HtmlLexer, FindsTheTagAtAColumnAndTagsByName)
{
    struct Case {
        const char *line;
        int column;
        const char *name; // empty: no tag
        int start;
        int end;
        bool closing;
        bool selfClosing;
    };
    const Case cases[] = {
        {"a<TD align=x>b", 1, "td", 1, 13, false, false},
        {"a<TD align=x>b", 12, "td", 1, 13, false, false},
        {"a<TD align=x>b", 13, "", -1, -1, false, false},
        {"a<TD align=x>b", 0, "", -1, -1, false, false},
        {"x</b>", 3, "b", 1, 5, true, false},
        {"<br/>", 2, "br", 0, 5, false, true},
        {"<p class=", 5, "p", 0, 9, false, false},
        {"<!-- -->", 2, "", -1, -1, false, false},
        {"< b>", 2, "", -1, -1, false, false},
    };
    for (const Case &c : cases) {
        const htmllexer::TagAt tag = htmllexer::tagAt(QString::fromUtf8(c.line), c.column);
        SCOPED_TRACE(std::string(c.line) + " @" + std::to_string(c.column));
        EXPECT_EQ(tag.name, QString::fromUtf8(c.name));
        EXPECT_EQ(tag.start, c.start);
        EXPECT_EQ(tag.end, c.end);
        if (tag.start >= 0) {
            EXPECT_EQ(tag.closing, c.closing);
            EXPECT_EQ(tag.selfClosing, c.selfClosing);
        }
    }

    const QString line = "<b>a</B><!-- <b> --><bb><b x=1>";
    const QList<htmllexer::TagMark> marks = htmllexer::tagsNamed(line, htmllexer::kStartState, "b");
    ASSERT_EQ(marks.size(), 3);
    EXPECT_EQ(marks[0].start, 0);
    EXPECT_FALSE(marks[0].closing);
    EXPECT_EQ(marks[1].start, 4);
    EXPECT_EQ(marks[1].length, 3);
    EXPECT_TRUE(marks[1].closing);
    EXPECT_EQ(marks[2].start, 24);
}

TEST(HtmlLexer, MatchesBracketsWithinALine)
{
    struct Case {
        const char *line;
        int column;
        int expected;
    };
    const Case cases[] = {
        {"f(a[1], (b))", 1, 11},
        {"f(a[1], (b))", 11, 1},
        {"f(a[1], (b))", 3, 5},
        {"f(a[1], (b))", 8, 10},
        {"{ ( }", 0, 4},
        {"(()", 0, -1},
        {"a", 0, -1},
        {"()", 5, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(htmllexer::matchBracketInLine(QString::fromUtf8(c.line), c.column), c.expected)
            << c.line << " @" << c.column;
}
