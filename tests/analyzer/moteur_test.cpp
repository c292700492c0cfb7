#include "tests/analyzer/moteurtest.h"

#include "analyzer/sourceediteur.h"
#include "analyzer/textedocument.h"
#include "analyzer/tpile.h"
#include "platform/documentfile.h"
#include "platform/memoryeditorcontrol.h"

#include <gtest/gtest.h>

namespace
{

struct Cas {
    const char *nom;
    QStringList lignes;
    int code;
    QString mot;
    qsizetype ligne;
    qsizetype colonne;
    QStringList avertissements = {};
    QStringList informations = {};
};

void verifie(const Cas &cas)
{
    SCOPED_TRACE(cas.nom);
    const Passe passe = analyse(cas.lignes);
    EXPECT_EQ(passe.resultat.code, cas.code);
    EXPECT_EQ(passe.resultat.mot, cas.mot);
    EXPECT_EQ(passe.resultat.ligne, cas.ligne);
    EXPECT_EQ(passe.resultat.colonne, cas.colonne);
    EXPECT_EQ(passe.avertissements, cas.avertissements);
    EXPECT_EQ(passe.informations, cas.informations);
}

QString w1(int ligne, int position)
{
    return QStringLiteral("T5023 - L: %1 , C: %2 : T5025").arg(ligne).arg(position);
}

QString w2(int ligne, int position)
{
    return QStringLiteral("T5023 - L: %1 , C: %2 : T5026 - L: %1 , C: %2").arg(ligne).arg(position);
}

QString w3(const QString &sommet, const QString &fermeture)
{
    return QStringLiteral("T5023 : %1 T5024 %2").arg(sommet, fermeture);
}

TEST(Moteur, TagsAndAttributes)
{
    const Cas cas[] = {
        {"empty document", {}, 0, "", 0, 1},
        {"one empty line", {""}, 0, "", 1, 1},
        {"closed paragraph", {"<p>texte</p>"}, 0, "", 1, 13},
        {"open elements are not reported", {"<p>texte"}, 0, "", 1, 9},
        {"wrong closing tag", {"<b>x</i>"}, 1, "b", 1, 8},
        {"crossed nesting", {"<p><b></p></b>"}, 1, "b", 1, 10},
        {"unknown element", {"<foo>"}, 2, "foo", 1, 5},
        {"bare nowrap", {"<td nowrap>"}, 2, "nowrap", 1, 11},
        {"self-closing slash", {"<br/>"}, 2, "br/", 1, 5},
        {"slash after a space", {"<br />"}, 2, "/", 1, 6},
        {"unknown closing tag replaced by code 1", {"<b></xyz>"}, 1, "b", 1, 9},
        {"closing form of an empty element", {"<ul><li>a</li></ul>"}, 1, "ul", 1, 14},
        {"two spaces", {"<table  border=\"1\">x</table>"}, 0, "", 1, 29},
        {"a tab joins words", {"<table\tborder=\"1\">"}, 2, "table\tborder=\"1\"", 1, 18},
        {"single quotes do not protect spaces", {"<img alt='a b' src=\"x.gif\">"}, 2, "b'", 1, 16},
        {"double quotes protect spaces", {"<img alt=\"a b\" src=\"x.gif\">"}, 0, "", 1, 28},
        {"refused attribute inside an empty element's tag",
         {"<img onclick=\"f()\" src=\"a.gif\">"},
         3,
         "onclick=\"f()\"",
         1,
         20,
         {},
         {"img"}},
        {"refused last attribute of an empty element",
         {"<img src=\"a.gif\" onclick=\"f()\">"},
         3,
         "onclick=\"f()\"",
         1,
         31},
        {"refused attribute of a paired element",
         {"<body bgcolor=\"#FFFFFF\" onload=\"init()\">"},
         3,
         "onload=\"init()\"",
         1,
         40},
        {"colour", {"<font color=\"bleu\">"}, 4, "color=\"bleu\"", 1, 19},
        {"part of a colour name", {"<font color=\"blu\">x</font>"}, 0, "", 1, 27},
        {"accepted alignment", {"<p align=\"top\">x</p>"}, 0, "", 1, 21},
        {"alignment", {"<p align=\"haut\">"}, 5, "align=\"haut\"", 1, 16},
        {"background picture",
         {"<body background=\"fond.bmp\">"},
         6,
         "background=\"fond.bmp\"",
         1,
         28},
        {"colour name after #", {"<font color=\"#red\">"}, 7, "color=\"#red\"", 1, 19},
        {"char value", {"<td char=\"..\">"}, 8, "char=\"..\"", 1, 14},
        {"script language",
         {"<script language=\"javascript1.2\">"},
         9,
         "language=\"javascript1.2\"",
         1,
         33},
        {"definition term", {"<dl><dt>terme<dd>definition</dl>"}, 0, "", 1, 33},
        {"style on a paragraph", {"<p style=\"color:red\">x</p>"}, 0, "", 1, 27},
        {"style on a division", {"<div style=\"color:red\">"}, 3, "style=\"color:red\"", 1, 23},
        {"meta scheme", {"<meta name=\"x\" scheme=\"ISBN\">"}, 0, "", 1, 30},
        {"closing tag followed by a space is pushed", {"<tr><td>x</td ></tr>"}, 1, "/td", 1, 20},
    };
    for (const Cas &c : cas)
        verifie(c);
}

// A run remembers its verdicts on words: each must stay the verdict for that word as written
// and for the element it is read on.
TEST(Moteur, EveryWordIsJudgedForItsOwnElement)
{
    const Cas cas[] = {
        {"allowed on td, refused on b",
         {"<td align=\"left\"><b align=\"left\">"},
         3,
         "align=\"left\"",
         1,
         33},
        {"allowed on font, refused on p",
         {"<font color=\"red\"><p color=\"red\">"},
         3,
         "color=\"red\"",
         1,
         33},
        {"allowed on img, refused on br",
         {"<img alt=\"x\" ><br alt=\"x\" >"},
         3,
         "alt=\"x\"",
         1,
         27,
         {},
         {"br"}},
        {"same tag name in both cases", {"<TD><td></td></TD>"}, 0, "", 1, 19},
        {"words of 24 bytes differing in their last",
         {"<body bgcolor=\"mediumseagreen\"><body bgcolor=\"mediumseagreex\">"},
         4,
         "bgcolor=\"mediumseagreex\"",
         1,
         62},
        {"longer words differing in their last",
         {"<body bgcolor=\"mediumaquamarine\"><body bgcolor=\"mediumaquamarinx\">"},
         4,
         "bgcolor=\"mediumaquamarinx\"",
         1,
         66},
        {"words over two lines that differ after the line break",
         {"<td al", "ign=\"left\"><td al", "ign=\"lefx\">", "un texte assez long pour les lire"},
         5,
         "align=\"lefx\"",
         3,
         11},
        {"one word over two lines, then on one",
         {"<td al", "ign=\"left\"><b align=\"left\">"},
         3,
         "align=\"left\"",
         2,
         27},
    };
    for (const Cas &c : cas)
        verifie(c);
}

TEST(Moteur, NothingOpenOnTheStack)
{
    const Cas cas[] = {
        // A closing tag with nothing open is itself the finding.
        {"closing tag first", {"</p>"}, 1, "/p", 1, 4},
        {"one closing tag too many", {"<p></p></p>"}, 1, "/p", 1, 11},
        // A finding already made at the same character stands.
        {"unknown closing tag first", {"</xyz>"}, 2, "/xyz", 1, 6},
        // An attribute judged against an empty stack is judged against no element: allowed.
        {"tag starting with an attribute", {"<align=center>"}, 0, "", 1, 15},
        {"same tag inside b", {"<b><align=center>"}, 3, "align=center", 1, 17},
        {"first word an attribute followed by another", {"<align=left width=3>"}, 0, "", 1, 21},
    };
    for (const Cas &c : cas)
        verifie(c);
}

TEST(Moteur, CommentsAndProcessingBlocks)
{
    const Cas cas[] = {
        {"processing block", {"<?php echo 1; ?>"}, 0, "", 1, 17},
        {"comment", {"<!-- note -->"}, 0, "", 1, 14},
        {"tags inside a comment are not read", {"<!-- <foo> -->"}, 0, "", 1, 15},
        {"tags inside a processing block are not read", {"<? a <b> ?>"}, 0, "", 1, 12},
        {"comment over two lines", {"<!-- <foo>", "--> <p>"}, 0, "", 2, 8},
        {"shortest comment", {"<!-->x"}, 0, "", 1, 7},
        {"declarations are skipped", {"<!DOCTYPE html>"}, 0, "", 1, 16},
        {"comment in a comment", {"<!-- a <!-- b -->"}, 0, "", 1, 18, {w1(1, 8)}},
        {"comment end in text", {"a --> b"}, 0, "", 1, 8, {w2(1, 4)}},
        {"a processing block start turns a comment into a block",
         {"<!-- <? -->"},
         10,
         "",
         1,
         12,
         {w2(1, 10)}},
        {"comment end closing a tag: both steps run", {"<b-->"}, 2, "b--", 1, 5, {w2(1, 4)}},
    };
    for (const Cas &c : cas)
        verifie(c);
}

TEST(Moteur, TagsOverTwoLinesAndTheEndOfTheDocument)
{
    const Cas cas[] = {
        {"words joined at the break", {"<table", "border=\"1\">"}, 2, "tableborder=\"1\"", 2, 11},
        {"space before the break", {"<img ", "src=\"a.gif\">"}, 0, "", 2, 13},
        {"> first on a line closes nothing", {"<p", ">x"}, 10, "", 2, 3},
        {"open tag at the end", {"<p"}, 10, "", 1, 3},
        {"< inside a quoted value opens again", {"<b class=\"x<y\">"}, 10, "", 1, 16},
        {"open comment at the end", {"<p>", "<!-- x"}, 10, "", 2, 7},
        {"quote state outlives its tag",
         {"<p title=\"a>b\">", "<b class=x>"},
         2,
         "b class=x",
         2,
         11},
    };
    for (const Cas &c : cas)
        verifie(c);
}

TEST(Moteur, WarningsComeInDocumentOrder)
{
    verifie({"case only", {"<b>x</B>"}, 0, "", 1, 9, {w3("b", "B")}});
    verifie({"three kinds",
             {"a -->", "<!-- <!-- -->", "<I>x</i>"},
             0,
             "",
             3,
             9,
             {w2(1, 4), w1(2, 6), w3("I", "i")}});
}

TEST(Moteur, StopsAtTheFirstFinding)
{
    verifie({"later lines unread", {"<foo>", "<bar>", "a -->"}, 2, "foo", 1, 5});
    verifie({"rest of the line unread", {"<foo> --> <!-- <!--"}, 2, "foo", 1, 5});
    verifie({"one information box",
             {"<img onclick=\"x\" onblur=\"y\" >"},
             3,
             "onclick=\"x\"",
             1,
             18,
             {},
             {"img"}});
}

TEST(Moteur, ColumnsCountCharactersOfTheText)
{
    verifie({"accented letters", {"<p>été</i>"}, 1, "p", 1, 10});
    verifie({"character outside the basic plane", {"<p>\U0001F600</i>"}, 1, "p", 1, 9});
    verifie({"accented word", {"<fé>"}, 2, "fé", 1, 4});
    verifie({"accented last line", {"<p>", "àé"}, 0, "", 2, 3});
    verifie(
        {"warnings after accents", {"été --> <!-- <!--"}, 10, "", 1, 18, {w2(1, 6), w1(1, 14)}});
    verifie({"warning after a surrogate pair", {"\U0001F600 -->"}, 0, "", 1, 7, {w2(1, 5)}});
    // U+FEFF inside the text is a character like any other, also first in a line or a word.
    verifie({"zero width no-break space first",
             {QStringLiteral("\uFEFF<p>"), QStringLiteral("\uFEFF<\uFEFFfoo>")},
             2,
             QStringLiteral("\uFEFFfoo"),
             2,
             7});
}

TEST(Moteur, BytesThatAreNotUtf8DoNotBreakTheUtf8Scan)
{
    // Lead bytes without their continuation, inside a long word and at a line's end.
    const QByteArray octets = "<p " + QByteArray(1000, '\xF0') + "=1>\n<b\xF4\xE0\xC3>\n<i x=\xF0";
    const Passe passe = analyseOctets(octets, EncodageDocument::Utf8);
    EXPECT_EQ(passe.resultat.code, 2);
    EXPECT_EQ(passe.resultat.ligne, 1);
    EXPECT_EQ(passe.resultat.colonne, 2 * 1000 + 6);
}

TEST(Moteur, WarningTextsAreAskedOncePerRun)
{
    QStringList lignes;
    for (int i = 0; i < 50; ++i)
        lignes << "a --> <!-- <!-- --> <b></B>";
    const Passe passe = analyseLignes(lignes);
    EXPECT_EQ(passe.avertissements.size(), 150);
    EXPECT_EQ(passe.textesDemandes, 4);
}

TEST(Moteur, RunsWithoutAnyHostService)
{
    const ResultatAnalyse r =
        analysecode(QStringList{"a -->", "<img onclick=\"f()\" src=\"a.gif\">"}, {});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.ligne, 2);
}

// A source that hands every line out of one reused buffer, as an editor adapter may.
class SourceTampon : public SourceLignes
{
public:
    explicit SourceTampon(QStringList lignes) : m_lignes(std::move(lignes)) {}
    qsizetype nombreLignes() const override { return m_lignes.size(); }
    QStringView ligne(qsizetype index) override
    {
        m_tampon.fill(u'#', 64);
        m_tampon.replace(0, m_lignes.at(index).size(), m_lignes.at(index));
        ++m_appels;
        return QStringView(m_tampon).first(m_lignes.at(index).size());
    }
    int appels() const { return m_appels; }

private:
    QStringList m_lignes;
    QString m_tampon;
    int m_appels = 0;
};

TEST(Moteur, LinesMayShareOneBuffer)
{
    SourceTampon source({"<table", "border=\"1\">", "<b>", "x"});
    const ResultatAnalyse r = analysecode(source, {});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.mot, "tableborder=\"1\"");
    EXPECT_EQ(source.appels(), 2); // nothing after the line of the finding

    SourceTampon ouvert({"<b>", "x</b", ">", "fin"});
    const ResultatAnalyse r2 = analysecode(ouvert, {});
    EXPECT_EQ(r2.code, 10);
    EXPECT_EQ(r2.ligne, 4);
    EXPECT_EQ(r2.colonne, 4);
}

TEST(Moteur, ReadsTheLinesOfAnEditorControl)
{
    struct Cas {
        const char *texte;
        qsizetype ligne;
        qsizetype colonne;
    };
    // A final line break starts no further line; an empty text has no line.
    const Cas cas[] = {{"", 0, 1},
                       {"<p>x</p>", 1, 9},
                       {"<p>\r\nx</p>\r\n", 2, 6},
                       {"<p>\n\n", 2, 1},
                       {"\r\n", 1, 1}};
    for (const Cas &c : cas) {
        MemoryEditorControl controle(QString::fromUtf8(c.texte));
        SourceEditeur source(controle);
        const ResultatAnalyse r = analysecode(source, {});
        EXPECT_EQ(r.code, 0) << c.texte;
        EXPECT_EQ(r.ligne, c.ligne) << c.texte;
        EXPECT_EQ(r.colonne, c.colonne) << c.texte;
    }
    MemoryEditorControl controle(QStringLiteral("<table>\r\n<tr><td>x</td></tr>\r\n</tabel>"));
    SourceEditeur source(controle);
    const ResultatAnalyse r = analysecode(source, {});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.mot, "table");
    EXPECT_EQ(r.ligne, 3);
    EXPECT_EQ(r.colonne, 8);
}

// Columns count UTF-16 units, as the editor's positions do: a character beyond the Basic
// Multilingual Plane takes two, and the caret put at a finding's column stands right after
// the character judged.
TEST(Moteur, ColumnsCountAsEditorPositions)
{
    const QString smile = QStringLiteral("\U0001F600");
    struct Cas {
        QString texte;
        qsizetype colonne;
    };
    const Cas cas[] = {
        {"<table>\r\n<tr><td>x</td></tr>\r\n" + smile + "</tabel>", 10},
        {"<table>\r\n<tr><td>" + smile + "</td></tr>\r\n" + smile + smile + "</tabel>", 12},
    };
    for (const Cas &c : cas) {
        MemoryEditorControl controle(c.texte);
        SourceEditeur source(controle);
        const ResultatAnalyse r = analysecode(source, {});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.ligne, 3);
        EXPECT_EQ(r.colonne, c.colonne);
        const int caret = controle.lineIndex(int(r.ligne) - 1) + int(r.colonne) - 1;
        EXPECT_EQ(controle.text().mid(caret - 7, 7), "</tabel") << c.texte.toStdString();
    }
}

TEST(Moteur, LineBreaksOfAFile)
{
    // CR LF, LF and a lone CR each end a line; a break at the very end starts no line.
    const QByteArray octets = "<p>\r\nx\ny\r<b\r\n\r";
    Passe passe = analyseOctets(octets, EncodageDocument::Windows1252);
    EXPECT_EQ(passe.resultat.code, 10);
    EXPECT_EQ(passe.resultat.ligne, 5);
    EXPECT_EQ(passe.resultat.colonne, 1);
    passe = analyseOctets("<p>x</p>\n", EncodageDocument::Utf8);
    EXPECT_EQ(passe.resultat.ligne, 1);
    EXPECT_EQ(passe.resultat.colonne, 9);
    passe = analyseOctets("", EncodageDocument::Utf8);
    EXPECT_EQ(passe.resultat.ligne, 0);
    EXPECT_EQ(passe.resultat.colonne, 1);
}

TEST(TexteDocument, ChoosesTheEncodingTheEditorChooses)
{
    const QByteArray cas[] = {
        "",
        "ascii <p>",
        "\xC3\xA9t\xC3\xA9",
        "\xE9t\xE9",
        "\xEF\xBB\xBF<p>",
        "\xEF\xBB\xBF",
        "\xC0\x80",         // overlong
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xF0\x9F\x98\x80", // outside the basic plane
        "abcdefgh\xC3",     // cut short
        "abcdefghijklmnop\xE2\x82\xAC",
        "\xE2\x82",
        "\x80",
    };
    for (const QByteArray &octets : cas) {
        const bool utf8 = decodeDocument(octets).format.encoding == Encoding::Utf8;
        EXPECT_EQ(encodageDocument(octets) == EncodageDocument::Utf8, utf8)
            << octets.toHex().constData();
        const QString texte = decodeDocument(octets).text;
        EXPECT_EQ(lignesDocument(octets).join(u'\n'),
                  texte.endsWith(u'\n') ? texte.chopped(1) : texte)
            << octets.toHex().constData();
    }
}

TEST(TexteDocument, OnlyTheFirstByteOrderMarkIsNotText)
{
    const QByteArray marque = "\xEF\xBB\xBF";
    EXPECT_EQ(lignesDocument(marque + marque + "x\n" + marque + "y"),
              QStringList({QStringLiteral("\uFEFFx"), QStringLiteral("\uFEFFy")}));
    EXPECT_EQ(texteDocument(marque + "x", EncodageDocument::Utf8), "x");
    EXPECT_EQ(decodeUtf8(marque), QStringLiteral("\uFEFF"));
}

TEST(Tpile, KeepsNamesAsWrittenAndStaysEmptyWhenEmpty)
{
    Tpile<char16_t> pile;
    pile.initpile();
    EXPECT_TRUE(pile.sommet().empty());
    pile.depiler();
    EXPECT_EQ(pile.nombre(), 0);
    pile.empiler(u"Table");
    pile.empiler(u"td");
    EXPECT_EQ(pile.sommet(), u"td");
    pile.depiler();
    EXPECT_EQ(pile.sommet(), u"Table");
    EXPECT_EQ(pile.nombre(), 1);
    pile.empiler(u"b");
    pile.initpile();
    EXPECT_EQ(pile.nombre(), 0);
}

} // namespace
