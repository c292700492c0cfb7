#include "analyzer/dictionnaire.h"

#include <gtest/gtest.h>

namespace
{

struct CasMot {
    const char *mot;
    bool attendu;
};

TEST(Dictionnaire, BalisepaireAcceptsWholeItemsOnlyInAnyCase)
{
    const CasMot cas[] = {
        {"TABLE", true},    {"table", true},     {"/Table", true},  {"tab", false},
        {"abl", false},     {"/", false},        {"strike", true},  {"/strike", true},
        {"", true},         {"ode", false},      {"u", true},       {"/u", true},
        {"textarea", true}, {"/TEXTAREA", true}, {"br", false},     {"/br", false},
        {"b ", false},      {"//b", false},      {"b/", false},     {"blockquote", true},
        {"h7", false},      {"dt", false},       {"comment", true}, {"/optgroup", true},
    };
    for (const CasMot &c : cas)
        EXPECT_EQ(balisepaire(QString::fromUtf8(c.mot)), c.attendu) << c.mot;
}

TEST(Dictionnaire, BaliseseuleHasNoClosingForms)
{
    const CasMot cas[] = {
        {"br", true},   {"BR", true},  {"/br", false},     {"/li", false},
        {"br/", false}, {"", true},    {"basefont", true}, {"img", true},
        {"p", false},   {"dd", true},  {"dt", true},       {"colgroup", true},
        {"col", true},  {"co", false}, {"frame", true},    {"Frameset", false},
    };
    for (const CasMot &c : cas)
        EXPECT_EQ(baliseseule(QString::fromUtf8(c.mot)), c.attendu) << c.mot;
}

TEST(Dictionnaire, OnlyAsciiLettersAreLowered)
{
    // U+0130 (capital I with dot) lowers to "i" under full Unicode rules; here it is no letter.
    EXPECT_FALSE(balisepaire(QString::fromUtf8("\u0130")));
    EXPECT_FALSE(baliseseule(QString::fromUtf8("\u0130MG")));
    // U+212A (Kelvin sign) would lower to "k".
    EXPECT_EQ(verifieattribut(QString::fromUtf8("\u212Aolor=\"red\"")), 0);
    EXPECT_EQ(verifieattribut(QStringLiteral("BGCOLOR=\"RED\"")), 1);
}

struct CasAttribut {
    const char *mot;
    int code;
};

TEST(Dictionnaire, VerifieattributCodes)
{
    const CasAttribut cas[] = {
        // Colours: "#" and six characters in quotes, else a substring of the colour list.
        {"bgcolor=\"#FF0000\"", 1},
        {"bgcolor=\"#FFF\"", 4},
        {"bgcolor=\"Navy\"", 1},
        {"bgcolor=\"avy\"", 1},
        {"bgcolor=\"\"", 4},
        {"bgcolor=", 4},
        {"color=\"#00ff00\"", 1},
        {"text=\"#000000\"", 1},
        {"link=\"#zzzzzz\"", 1}, // the six characters are not checked
        {"vlink=x#123456x", 1},  // nor the quotes around them
        {"alink=red", 1},        // "r" is taken for the opening quote: "ed" is in "red"
        {"olink=\"blue green\"", 4},
        {"color=\"bleu\"", 4},
        {"color=\"blu\"", 1},
        {"color=\"een yel\"", 4},
        {"color=\"d silver t\"", 1}, // plain substring of the list text, spaces included
        {"color=\"#red\"", 7},       // a colour name written after "#"
        {"color=\"#NAVY\"", 7},
        {"color=\"#ace\"", 4},    // in "oldlace" but no whole colour name
        {"color=\"#orange\"", 1}, // "#" and six characters
        {"xbgcolor=\"red\"", 0},
        // Alignment: seven values, bare or in double quotes.
        {"align=\"middle\"", 1},
        {"align=MIDDLE", 1},
        {"ALIGN=\"Justify\"", 1},
        {"align=\"absmiddle\"", 5},
        {"align='left'", 5},
        {"align=\"top", 5},
        {"align=", 5},
        // Background picture type, anywhere in the value.
        {"background=\"fond.JPG\"", 1},
        {"background=\"fond.jpeg\"", 1},
        {"background=\"a.gif.txt\"", 1},
        {"background=\"fond.bmp\"", 6},
        {"background=", 6},
        // Script language.
        {"language=\"JavaScript\"", 1},
        {"language=\"php\"", 1},
        {"language=\"javascript1.2\"", 9},
        {"language=vbscript", 9}, // "v" is taken for the opening quote
        // "char" value of exactly one character, by word length.
        {"char=\".\"", 1},
        {"char=\"..\"", 8},
        {"char=...", 1},
        // Bare prefixes and the rest.
        {"noshade", 1},
        {"NORESIZE", 1},
        {"noshadeless", 1},
        {"bordercolordark=\"red\"", 1},
        {"nowrap", 0},
        {"nowrap=\"nowrap\"", 1},
        {"table", 0},
        {"href=\"a.htm\"", 1},
        {"accept-charset=x", 1},
        {"disable=1", 1},
        {"=", 0},
        {"", 0},
        // Added prefixes.
        {"style=\"color:red\"", 1},
        {"scheme=\"ISBN\"", 1},
        {"styles=x", 0},
    };
    for (const CasAttribut &c : cas)
        EXPECT_EQ(verifieattribut(QString::fromUtf8(c.mot)), c.code) << c.mot;
}

TEST(Dictionnaire, ColourChecksCountCharactersNotBytes)
{
    EXPECT_EQ(verifieattribut(QString::fromUtf8("bgcolor=\"#é12345\"")), 1);
    EXPECT_EQ(verifieattribut(QString::fromUtf8("char=\"é\"")), 1);
    EXPECT_EQ(verifieattribut(QString::fromUtf8("color=\"rédblue\"")), 4);
}

struct CasPermis {
    const char *attribut;
    const char *element;
    bool attendu;
};

TEST(Dictionnaire, AttributpermisSubstringRules)
{
    const CasPermis cas[] = {
        {"href=\"a.htm\"", "A", true},
        {"src=\"x.gif\"", "a", false},
        {"class=\"c\"", "b", true},
        {"id=x", "strike", true},
        {"value=\"middle\"", "b", true}, // contains "id"
        {"width=10", "span", true},      // "width" contains "id"
        {"border=1", "b", false},
        {"border=1", "blink", false},
        {"onload=\"f()\"", "body", false},
        {"onload=\"f()\"", "frameset", true},
        {"anything=1", "em", true}, // no row
        {"src=x", "", true},
        {"src=x", "/p", true},
        {"src=x", "IMG", true},
        {"alt=\"src\"", "a", false},
        {"title=\"x\"", "abbr", true},
        {"nowrap=\"nowrap\"", "td", true},
        {"bgcolor=red", "TR", true},
        {"href=\"x\"", "dt", false}, // "dt" has a row of its own: no attribute
        {"style=\"x\"", "p", true},
        {"style=\"x\"", "div", false},
        {"scheme=\"x\"", "meta", true},
        {"usr=1", "input", true},
        {"type=\"x\"", "html", false},
        {"version=\"x\"", "html", true},
    };
    for (const CasPermis &c : cas) {
        EXPECT_EQ(attributpermis(QString::fromUtf8(c.attribut), QString::fromUtf8(c.element)),
                  c.attendu)
            << c.attribut << " on " << c.element;
    }
}

TEST(Dictionnaire, EveryElementOfTheTableHasItsOwnRow)
{
    // An attribute that no row names and that holds neither "class" nor "id" is refused on
    // every element of the table, and accepted on the others.
    for (const char *element :
         {"a",      "abbr",     "var",      "applet",  "area",   "b",      "wbr",     "base",
          "font",   "bdo",      "bgsound",  "q",       "body",   "br",     "button",  "h6",
          "col",    "colgroup", "ins",      "menu",    "embed",  "form",   "frame",   "frameset",
          "head",   "hr",       "html",     "iframe",  "img",    "input",  "isindex", "label",
          "li",     "link",     "map",      "marquee", "meta",   "object", "ol",      "optgroup",
          "option", "p",        "param",    "pre",     "script", "select", "style",   "table",
          "thead",  "th",       "textarea", "tr",      "ul"})
        EXPECT_FALSE(attributpermis(QStringLiteral("zz=1"), QString::fromLatin1(element)))
            << element;
    for (const char *element : {"em", "xmp", "html5", "nobr", "address", "blockquote2"})
        EXPECT_TRUE(attributpermis(QStringLiteral("zz=1"), QString::fromLatin1(element)))
            << element;
}

} // namespace
