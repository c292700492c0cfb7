#include "editor/markupcommands.h"

#include "editor/insertion.h"
#include "editor/textroutines.h"

namespace markup
{

namespace
{

constexpr int kNoCaret = -1;

struct Row {
    const char *name;
    Kind kind;
    // Simple: the text. Block: the lines, separated by '\n'.
    const char *text;
    int caret;
};

// The texts are inserted exactly as written here, letter case included. A lone "\r" becomes
// a line break in the editor.
constexpr Row kRows[] = {
    // Html > Effets
    {"Clignotant1", Kind::Simple, "<BLINK></BLINK>", 7},
    {"MarqueeIE1", Kind::Simple,
     "<MARQUEE WIDTH=\"50%\" SCROLLDELAY=\"0\" BEHAVIOR=ALTERNATE></MARQUEE>", 56},
    // Html > Feuille de style
    {"STYLE1", Kind::Block, "<STYLE TYPE=\"text/css\">\n <!--\n  \n// -->\n</STYLE>", 35},
    {"Link1", Kind::Simple, "<LINK REL=STYLESHEET HREF=\"\" TYPE=\"text/css\">", 27},
    {"Span1", Kind::Simple, "<SPAN STYLE=\"\"></SPAN>", 13},
    // Html > Fontes
    {"H11", Kind::Simple, "<H1></H1>", 4},
    {"H21", Kind::Simple, "<H2></H2>", 4},
    {"H31", Kind::Simple, "<H3></H3>", 4},
    {"H41", Kind::Simple, "<H4></H4>", 4},
    {"H51", Kind::Simple, "<H5></H5>", 4},
    {"H61", Kind::Simple, "<H6></H6>", 4},
    {"Taille1", Kind::Simple, "<FONT SIZE=\"3\"></FONT>", 15},
    // Html > Formulaires
    {"FORM1", Kind::Simple, "<FORM ACTION=\"\" METHOD=\"POST\"></FORM>", 30},
    {"BoutonAnnuler1", Kind::Simple, "<INPUT TYPE=\"RESET\">", kNoCaret},
    // Html > Liens
    {"Hypertexte1", Kind::Simple, "<A NAME=\"\"></A>", 9},
    // Html > Structures
    {"DOCT1", Kind::Simple, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">", kNoCaret},
    {"BODY1", Kind::Simple, "<BODY></BODY>", 6},
    {"HEAD1", Kind::Simple, "<HEAD></HEAD>", 6},
    {"HTML2", Kind::Simple, "<HTML></HTML>", 6},
    {"NOSCRIPT1", Kind::Simple, "<NOSCRIPT></NOSCRIPT>", 10},
    {"TITL1", Kind::Simple, "<TITLE></TITLE>", 7},
    {"Noframes1", Kind::Simple, "<NOFRAMES></NOFRAMES>", 10},
    // Html > Style
    {"P1", Kind::Simple, "<P></P>", 3},
    {"BR1", Kind::Simple, "<BR>", kNoCaret},
    {"UL1", Kind::Simple, "<UL>", kNoCaret},
    {"OL1", Kind::Simple, "<OL>", kNoCaret},
    {"LI1", Kind::Simple, "<LI>", kNoCaret},
    {"Prformatage1", Kind::Simple, "<PRE></PRE>", 5},
    {"Tabulation1", Kind::Simple, "&nbsp;", kNoCaret},
    {"Barr1", Kind::Simple, "<S></S>", 3},
    {"Centr1", Kind::Simple, "<DIV ALIGN=\"center\"></DIV>", 20},
    {"Citation1", Kind::Simple, "<BLOCKQUOTE></BLOCKQUOTE>", 12},
    {"Commentaire1", Kind::Simple, "<COMMENT></COMMENT>", 9},
    {"Exemple1", Kind::Simple, "<XMP></XMP>", 5},
    {"Exposant1", Kind::Simple, "<SUP></SUP>", 5},
    {"Fonc1", Kind::Simple, "<STRONG></STRONG>", 8},
    {"Gras1", Kind::Simple, "<B></B>", 3},
    {"Gros1", Kind::Simple, "<BIG></BIG>", 5},
    {"Indice1", Kind::Simple, "<SUB></SUB>", 5},
    {"Italique1", Kind::Simple, "<I></I>", 3},
    {"Petit1", Kind::Simple, "<SMALL></SMALL>", 7},
    {"Soulign1", Kind::Simple, "<U></U>", 3},
    {"Aligngauche1", Kind::Simple, "<DIV ALIGN=\"left\"></DIV>", 18},
    {"Aligndroite1", Kind::Simple, "<DIV ALIGN=\"right\"></DIV>", 19},
    // Html > Tableau
    {"TABLE1", Kind::Simple, "<TABLE>\r\r</TABLE>", 7},
    {"TD1", Kind::Simple, "<TD></TD>", 4},
    {"TDALIGN1", Kind::Simple, "<TD ALIGN=\"center\"></TD>", 19},
    {"TH1", Kind::Simple, "<TH></TH>", 4},
    {"TR1", Kind::Simple, "<TR></TR>", 4},
    // Html > Autres
    {"ADRESS1", Kind::Simple, "<ADDRESS></ADDRESS>", 9},
    {"Commentaires1", Kind::Simple, "<!--  -->", 5},
    {"Objet1", Kind::Simple, "<OBJECT></OBJECT>", 8},
    {"Redirection1", Kind::Simple, "<META http-equiv=\"refresh\" content=\"3;url=\">", 42},
    // Script > Evenement
    {"onBlur1", Kind::Simple, "onBlur=\"\"", 8},
    {"onChange1", Kind::Simple, "onChange=\"\"", 10},
    {"onClick1", Kind::Simple, "onClick=\"\"", 9},
    {"ondblclick1", Kind::Simple, "ondblclick=\"\"", 12},
    {"onFocus1", Kind::Simple, "onFocus=\"\"", 9},
    {"onmouseover1", Kind::Simple, "onmouseover=\"\"", 13},
    {"onmouseout1", Kind::Simple, "onmouseout=\"\"", 12},
    {"onmousedown1", Kind::Simple, "onmousedown=\"\"", 13},
    {"onmouseup1", Kind::Simple, "onmouseup=\"\"", 11},
    {"onmousemove1", Kind::Simple, "onmousemove=\"\"", 14},
    {"onload1", Kind::Simple, "onload=\"\"", 8},
    {"onSelect1", Kind::Simple, "onSelect=\"\"", 10},
    {"onsubmit1", Kind::Simple, "onSubmit=\"\"", 10},
    {"onunload1", Kind::Simple, "onunload=\"\"", 10},
    // Script > Javascript
    {"SCRIPT2", Kind::Block, "<SCRIPT LANGUAGE=\"Javascript\">\n <!--\n  \n// -->\n</SCRIPT>", 41},
    {"Function1", Kind::Block, "function ()\n {\n  \n }", 10},
    {"Nouvellefentre1", Kind::Block,
     "<SCRIPT LANGUAGE=\"Javascript\">\n"
     " <!--\n"
     " function Oimg(src,w,h)\n"
     " <!-- fenetre de taille w*h, chargement de la page a l adresse src -->\n"
     " {\n"
     " var name=\"popop\";\n"
     " size=\",width=\"+w+\",height=\"+h;\n"
     " browser=window.open(src,name,\"scrollbars=yes,resizable=no,toolbar=no,status=no,"
     "menubar=no,location=no,directories=no\"+size);\n"
     " }\n"
     "// -->\n"
     "</SCRIPT>",
     41},
    // Script > VBScript
    {"SCRIPT3", Kind::Block, "<SCRIPT LANGUAGE=\"VBscript\">\n <!--\n  \n// -->\n</SCRIPT>", 41},
    {"Function2", Kind::Block, "Function ()\n \n \nEnd Function", 10},
    {"Procedure1", Kind::Block, "Sub ()\n \n \nEnd Sub", 10},
    // Script > Java
    {"Paramtre1", Kind::Simple, "<PARAM NAME=\"\" VALUE=\"\">", kNoCaret},
};

std::vector<Command> buildCommands()
{
    std::vector<Command> commands;
    commands.reserve(std::size(kRows));
    for (const Row &row : kRows) {
        const QString text = QString::fromLatin1(row.text);
        commands.push_back(
            {QString::fromLatin1(row.name), row.kind,
             row.kind == Kind::Block ? text.split(QLatin1Char('\n')) : QStringList{text},
             row.caret == kNoCaret ? std::nullopt : std::optional<int>(row.caret)});
    }
    return commands;
}

} // namespace

const std::vector<Command> &fixedCommands()
{
    static const std::vector<Command> commands = buildCommands();
    return commands;
}

const Command *findFixedCommand(const QString &name)
{
    for (const Command &command : fixedCommands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

void run(const Command &command, EditorControl &control)
{
    if (command.kind == Kind::Block)
        insertBlock(control, command.lines, command.caret.value_or(0));
    else
        insertSimple(control, command.lines.constFirst(), command.caret);
}

Insertion fontColour(quint32 colour)
{
    const QString open =
        QStringLiteral("<FONT COLOR=\"#") + couleurhexa(colour) + QStringLiteral("\">");
    return {open + QStringLiteral("</FONT>"), int(open.size())};
}

Insertion fontFace(const QString &family)
{
    const QString open = QStringLiteral("<FONT FACE=\"") + family + QStringLiteral("\">");
    return {open + QStringLiteral("</FONT>"), int(open.size())};
}

} // namespace markup
