#include "editor/insertion.h"
#include "editor/markupcommands.h"
#include "platform/memoryeditorcontrol.h"
#include "tests/editor/qstringprint.h"

#include <QSet>

#include <gtest/gtest.h>

#include <set>

namespace
{

constexpr int kAfterText = -1;

struct SimpleCase {
    const char *name;
    const char *text; // as the document holds it afterwards, line breaks CR LF
    int caret;        // from the insertion point; kAfterText: just after the text
};

// Every fixed command that replaces the selection.
const SimpleCase kSimpleCases[] = {
    {"Clignotant1", "<BLINK></BLINK>", 7},
    {"MarqueeIE1", "<MARQUEE WIDTH=\"50%\" SCROLLDELAY=\"0\" BEHAVIOR=ALTERNATE></MARQUEE>", 56},
    {"Link1", "<LINK REL=STYLESHEET HREF=\"\" TYPE=\"text/css\">", 27},
    {"Span1", "<SPAN STYLE=\"\"></SPAN>", 13},
    {"H11", "<H1></H1>", 4},
    {"H21", "<H2></H2>", 4},
    {"H31", "<H3></H3>", 4},
    {"H41", "<H4></H4>", 4},
    {"H51", "<H5></H5>", 4},
    {"H61", "<H6></H6>", 4},
    {"Taille1", "<FONT SIZE=\"3\"></FONT>", 15},
    {"FORM1", "<FORM ACTION=\"\" METHOD=\"POST\"></FORM>", 30},
    {"BoutonAnnuler1", "<INPUT TYPE=\"RESET\">", kAfterText},
    {"Hypertexte1", "<A NAME=\"\"></A>", 9},
    {"DOCT1", "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">", kAfterText},
    {"BODY1", "<BODY></BODY>", 6},
    {"HEAD1", "<HEAD></HEAD>", 6},
    {"HTML2", "<HTML></HTML>", 6},
    {"NOSCRIPT1", "<NOSCRIPT></NOSCRIPT>", 10},
    {"TITL1", "<TITLE></TITLE>", 7},
    {"Noframes1", "<NOFRAMES></NOFRAMES>", 10},
    {"P1", "<P></P>", 3},
    {"BR1", "<BR>", kAfterText},
    {"UL1", "<UL>", kAfterText},
    {"OL1", "<OL>", kAfterText},
    {"LI1", "<LI>", kAfterText},
    {"Prformatage1", "<PRE></PRE>", 5},
    {"Tabulation1", "&nbsp;", kAfterText},
    {"Aligndroite1", "<DIV ALIGN=\"right\"></DIV>", 19},
    {"Aligngauche1", "<DIV ALIGN=\"left\"></DIV>", 18},
    {"Barr1", "<S></S>", 3},
    {"Centr1", "<DIV ALIGN=\"center\"></DIV>", 20},
    {"Citation1", "<BLOCKQUOTE></BLOCKQUOTE>", 12},
    {"Commentaire1", "<COMMENT></COMMENT>", 9},
    {"Exemple1", "<XMP></XMP>", 5},
    {"Exposant1", "<SUP></SUP>", 5},
    {"Fonc1", "<STRONG></STRONG>", 8},
    {"Gras1", "<B></B>", 3},
    {"Gros1", "<BIG></BIG>", 5},
    {"Indice1", "<SUB></SUB>", 5},
    {"Italique1", "<I></I>", 3},
    {"Petit1", "<SMALL></SMALL>", 7},
    {"Soulign1", "<U></U>", 3},
    {"TABLE1", "<TABLE>\r\n\r\n</TABLE>", 7},
    {"TD1", "<TD></TD>", 4},
    {"TDALIGN1", "<TD ALIGN=\"center\"></TD>", 19},
    {"TH1", "<TH></TH>", 4},
    {"TR1", "<TR></TR>", 4},
    {"ADRESS1", "<ADDRESS></ADDRESS>", 9},
    {"Commentaires1", "<!--  -->", 5},
    {"Objet1", "<OBJECT></OBJECT>", 8},
    {"Redirection1", "<META http-equiv=\"refresh\" content=\"3;url=\">", 42},
    {"onBlur1", "onBlur=\"\"", 8},
    {"onChange1", "onChange=\"\"", 10},
    {"onClick1", "onClick=\"\"", 9},
    {"ondblclick1", "ondblclick=\"\"", 12},
    {"onFocus1", "onFocus=\"\"", 9},
    {"onmouseover1", "onmouseover=\"\"", 13},
    {"onmouseout1", "onmouseout=\"\"", 12},
    {"onmousedown1", "onmousedown=\"\"", 13},
    {"onmouseup1", "onmouseup=\"\"", 11},
    {"onmousemove1", "onmousemove=\"\"", 14},
    {"onload1", "onload=\"\"", 8},
    {"onSelect1", "onSelect=\"\"", 10},
    {"onsubmit1", "onSubmit=\"\"", 10},
    {"onunload1", "onunload=\"\"", 10},
    {"Paramtre1", "<PARAM NAME=\"\" VALUE=\"\">", kAfterText},
};

struct BlockCase {
    const char *name;
    const char *lines; // as inserted at column 0 (one space of indentation), '\n' between lines
    int caret;
    int landingLine; // where the caret lands, counted in the inserted block
    int landingColumn;
};

const BlockCase kBlockCases[] = {
    {"STYLE1", " <STYLE TYPE=\"text/css\">\n  <!--\n   \n // -->\n </STYLE>", 35, 2, 1},
    {"SCRIPT2", " <SCRIPT LANGUAGE=\"Javascript\">\n  <!--\n   \n // -->\n </SCRIPT>", 41, 2, 0},
    {"SCRIPT3", " <SCRIPT LANGUAGE=\"VBscript\">\n  <!--\n   \n // -->\n </SCRIPT>", 41, 2, 2},
    {"Function1", " function ()\n  {\n   \n  }", 10, 0, 10},
    {"Function2", " Function ()\n  \n  \n End Function", 10, 0, 10},
    {"Procedure1", " Sub ()\n  \n  \n End Sub", 10, 1, 1},
    {"Nouvellefentre1",
     " <SCRIPT LANGUAGE=\"Javascript\">\n"
     "  <!--\n"
     "  function Oimg(src,w,h)\n"
     "  <!-- fenetre de taille w*h, chargement de la page a l adresse src -->\n"
     "  {\n"
     "  var name=\"popop\";\n"
     "  size=\",width=\"+w+\",height=\"+h;\n"
     "  browser=window.open(src,name,\"scrollbars=yes,resizable=no,toolbar=no,status=no,menubar="
     "no,location=no,directories=no\"+size);\n"
     "  }\n"
     " // -->\n"
     " </SCRIPT>",
     41, 2, 0},
};

QString crlf(const char *lines)
{
    return QString::fromLatin1(lines).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void runCommand(const char *name, EditorControl &control)
{
    const markup::Command *command = markup::findFixedCommand(QString::fromLatin1(name));
    ASSERT_NE(command, nullptr) << name;
    markup::run(*command, control);
}

int caretLine(const EditorControl &control)
{
    return control.lineFromChar(control.selStart());
}
int caretColumn(const EditorControl &control)
{
    return control.selStart() - control.lineIndex(caretLine(control));
}

TEST(FixedCommands, EveryCommandOfTheMenusIsInTheTable)
{
    std::set<QString> expected;
    for (const SimpleCase &c : kSimpleCases)
        expected.insert(QString::fromLatin1(c.name));
    for (const BlockCase &c : kBlockCases)
        expected.insert(QString::fromLatin1(c.name));
    std::set<QString> actual;
    for (const markup::Command &command : markup::fixedCommands())
        EXPECT_TRUE(actual.insert(command.name).second) << "twice: " << command.name.toStdString();
    EXPECT_EQ(actual, expected);
}

TEST(FixedCommands, SimpleCommandsReplaceTheSelectionAndPlaceTheCaret)
{
    for (const SimpleCase &c : kSimpleCases) {
        SCOPED_TRACE(c.name);
        MemoryEditorControl control(QStringLiteral("ab\r\nxyz"));
        control.setSelection(5, 1); // the "y"
        runCommand(c.name, control);
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(control.text(), QStringLiteral("ab\r\nx") + text + QStringLiteral("z"));
        EXPECT_EQ(control.selStart(), 5 + (c.caret == kAfterText ? int(text.size()) : c.caret));
        EXPECT_EQ(control.selLength(), 0);
    }
}

TEST(FixedCommands, BlockCommandsInsertIndentedLinesAboveTheCaretLine)
{
    for (const BlockCase &c : kBlockCases) {
        SCOPED_TRACE(c.name);
        MemoryEditorControl control(QStringLiteral("xyz"));
        runCommand(c.name, control);
        EXPECT_EQ(control.text(), crlf(c.lines) + QStringLiteral("\r\nxyz"));
        EXPECT_EQ(control.selStart(), c.caret);
        EXPECT_EQ(caretLine(control), c.landingLine);
        EXPECT_EQ(caretColumn(control), c.landingColumn);
    }
}

TEST(FixedCommands, EachCommandIsOneUndoStep)
{
    for (const markup::Command &command : markup::fixedCommands()) {
        SCOPED_TRACE(command.name.toStdString());
        MemoryEditorControl control(QStringLiteral("  ab\r\ncd"));
        control.setSelection(3, 4); // "b", the line break and "c"
        markup::run(command, control);
        EXPECT_NE(control.text(), QStringLiteral("  ab\r\ncd"));
        control.undo();
        EXPECT_EQ(control.text(), QStringLiteral("  ab\r\ncd"));
        EXPECT_FALSE(control.isModified());
    }
}

TEST(FixedCommands, BoldReplacesTheSelectedLetters)
{
    MemoryEditorControl control(QStringLiteral("abc"));
    control.selectAll();
    runCommand("Gras1", control);
    EXPECT_EQ(control.text(), QStringLiteral("<B></B>"));
    EXPECT_EQ(control.selStart(), 3);
}

TEST(FixedCommands, TableTextBecomesThreeLines)
{
    MemoryEditorControl control;
    runCommand("TABLE1", control);
    ASSERT_EQ(control.lineCount(), 3);
    EXPECT_EQ(control.line(0), QStringLiteral("<TABLE>"));
    EXPECT_EQ(control.line(1), QString());
    EXPECT_EQ(control.line(2), QStringLiteral("</TABLE>"));
    EXPECT_EQ(control.selStart(), 7);
    EXPECT_EQ(control.textLength(), 19);
}

TEST(BlockInsertion, InAnEmptyDocumentKeepsTheEmptyLineBelow)
{
    MemoryEditorControl control;
    runCommand("STYLE1", control);
    EXPECT_EQ(control.text(), QStringLiteral(" <STYLE TYPE=\"text/css\">\r\n  <!--\r\n   \r\n // "
                                             "-->\r\n </STYLE>\r\n"));
    EXPECT_EQ(control.lineCount(), 6);
    EXPECT_EQ(control.selStart(), 35);
}

TEST(BlockInsertion, AtColumnFourIndentsByFiveSpaces)
{
    MemoryEditorControl control(QStringLiteral("first\r\n    xyz\r\nlast"));
    control.setSelection(11, 0); // line 1, column 4
    runCommand("Function1", control);
    EXPECT_EQ(control.text(), QStringLiteral("first\r\n"
                                             "     function ()\r\n"
                                             "      {\r\n"
                                             "       \r\n"
                                             "      }\r\n"
                                             "    xyz\r\n"
                                             "last"));
    EXPECT_EQ(control.selStart(), 11 + 10);
    EXPECT_EQ(control.selLength(), 0);
}

TEST(BlockInsertion, GoesAboveTheLineOfTheSelectionStartAndKeepsTheSelectedText)
{
    MemoryEditorControl control(QStringLiteral("ab\r\ncd\r\nef"));
    control.setSelection(5, 4); // from "d" on line 1 to "e" on line 2
    insertBlock(control, {QStringLiteral("X"), QStringLiteral("Y")}, 1);
    EXPECT_EQ(control.text(), QStringLiteral("ab\r\n  X\r\n  Y\r\ncd\r\nef"));
    EXPECT_EQ(control.selStart(), 6);
    EXPECT_EQ(control.selLength(), 0);
}

TEST(BlockInsertion, CountsATabAsOneColumn)
{
    MemoryEditorControl control(QStringLiteral("\tx"));
    control.setSelection(1, 0);
    insertBlock(control, {QStringLiteral("L")}, 0);
    EXPECT_EQ(control.text(), QStringLiteral("  L\r\n\tx"));
}

TEST(Insertion, CaretBeyondTheTextEndStopsAtTheEnd)
{
    MemoryEditorControl simple;
    insertSimple(simple, QStringLiteral("ab"), 10);
    EXPECT_EQ(simple.selStart(), 2);

    MemoryEditorControl block(QStringLiteral("x"));
    insertBlock(block, {QStringLiteral("L")}, 1000);
    EXPECT_EQ(block.selStart(), block.textLength());
}

TEST(Insertion, WithoutCaretOffsetTheCaretFollowsTheText)
{
    MemoryEditorControl control(QStringLiteral("abcd"));
    control.setSelection(1, 2);
    insertSimple(control, QStringLiteral("1\r2"), std::nullopt);
    EXPECT_EQ(control.text(), QStringLiteral("a1\r\n2d"));
    EXPECT_EQ(control.selStart(), 5);
}

TEST(DialogMarkup, FontColourAndFace)
{
    const markup::Insertion colour = markup::fontColour(0x0000FF);
    EXPECT_EQ(colour.text, QStringLiteral("<FONT COLOR=\"#FF0000\"></FONT>"));
    EXPECT_EQ(colour.caret, 22);

    const markup::Insertion face = markup::fontFace(QStringLiteral("Arial"));
    EXPECT_EQ(face.text, QStringLiteral("<FONT FACE=\"Arial\"></FONT>"));
    EXPECT_EQ(face.caret, 14 + 5);
}

} // namespace
