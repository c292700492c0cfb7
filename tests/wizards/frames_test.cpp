#include "analyzer/analyseur.h"
#include "editor/insertion.h"
#include "platform/memoryeditorcontrol.h"
#include "tests/editor/qstringprint.h"
#include "wizards/frames.h"

#include <gtest/gtest.h>

namespace
{

using wizards::FrameFile;
using wizards::FramesetAnswers;

// The frameset and frame commands, run on a document "ab|cd" (caret at 2).
struct InsertionCase {
    const char *label;
    markup::Insertion insertion;
    const char *document; // afterwards, "|" at the caret
};

const InsertionCase kInsertions[] = {
    {"columns", wizards::framesetInsertion(true, QStringLiteral("20%")),
     "ab<FRAMESET COLS=\"20%,*\">|</FRAMESET>cd"},
    {"rows, no size", wizards::framesetInsertion(false, QStringLiteral("aucune")),
     "ab<FRAMESET ROWS=\"aucune,*\">|</FRAMESET>cd"},
    {"typed size", wizards::framesetInsertion(false, QStringLiteral("120")),
     "ab<FRAMESET ROWS=\"120,*\">|</FRAMESET>cd"},
    {"empty size", wizards::framesetInsertion(true, QString()),
     "ab<FRAMESET COLS=\",*\">|</FRAMESET>cd"},
    {"frame", wizards::frameInsertion(QStringLiteral("menu.htm"), QStringLiteral("Frame")),
     "ab<FRAME SRC=\"menu.htm\" NAME=\"Frame\">|cd"},
    {"frame, empty fields", wizards::frameInsertion(QString(), QString()),
     "ab<FRAME SRC=\"\" NAME=\"\">|cd"},
};

TEST(FrameInsertions, LandBetweenTheTags)
{
    for (const InsertionCase &c : kInsertions) {
        SCOPED_TRACE(c.label);
        MemoryEditorControl control(QStringLiteral("abcd"));
        control.setSelection(2, 0);
        insertSimple(control, c.insertion.text, c.insertion.caret);
        QString expected = QString::fromUtf8(c.document);
        const int caret = int(expected.indexOf(u'|'));
        expected.remove(caret, 1);
        EXPECT_EQ(control.text(), expected);
        EXPECT_EQ(control.selStart(), caret);
    }
}

TEST(FrameInsertions, CaretFollowsTheSizeLength)
{
    // S + 20 + length of the size, whatever the size.
    for (const char *size : {"", "1", "20%", "aucune", "a much longer size"}) {
        const QString v = QString::fromUtf8(size);
        EXPECT_EQ(wizards::framesetInsertion(true, v).caret, 20 + v.size());
        EXPECT_EQ(wizards::framesetInsertion(false, v).caret, 20 + v.size());
    }
}

struct LineCase {
    const char *label;
    bool rows;
    const char *size;
    const char *border;
    const char *line;
};

const LineCase kFramesetLines[] = {
    {"columns, no border", false, "20%", "0", "<FRAMESET cols=\"20%,*\">"},
    {"columns, border 2", false, "20%", "2", "<FRAMESET cols=\"20%,*\" BORDER=\"2\">"},
    {"rows", true, "100", "1", "<FRAMESET rows=\"100,*\" BORDER=\"1\">"},
    {"border 00 is not 0", true, "10%", "00", "<FRAMESET rows=\"10%,*\" BORDER=\"00\">"},
    {"empty border", false, "10%", "", "<FRAMESET cols=\"10%,*\" BORDER=\"\">"},
};

TEST(FramesPage, FramesetLine)
{
    for (const LineCase &c : kFramesetLines) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(
            wizards::framesetLine(c.rows, QString::fromUtf8(c.size), QString::fromUtf8(c.border)),
            QString::fromUtf8(c.line));
    }
}

struct FrameCase {
    const char *label;
    const char *path;
    bool resizable;
    const char *browser;
    const char *project;
    const char *line;
};

const FrameCase kFrameLines[] = {
    {"file in the browser's directory", "/site/menu.htm", true, "/site", "/site",
     "<FRAME SRC=\"menu.htm\">"},
    {"file below it, fixed size", "/site/nav/menu.htm", false, "/site", "/site",
     "<FRAME SRC=\"nav/menu.htm\" NORESIZE>"},
    {"file above it", "/site/menu.htm", true, "/site/pages", "/site",
     "<FRAME SRC=\"../menu.htm\">"},
    {"through the project", "/site/nav/menu.htm", true, "/site/pages", "/site",
     "<FRAME SRC=\"../nav/menu.htm\">"},
    {"outside the project", "/ailleurs/menu.htm", true, "/site", "/site",
     "<FRAME SRC=\"menu.htm\">"},
    {"project given with its separator", "/prog/nav/menu.htm", true, "/prog/pages", "/prog/",
     "<FRAME SRC=\"../nav/menu.htm\">"},
    // Names typed without a full path are written as typed.
    {"bare name", "menu.htm", true, "/site/pages", "/site", "<FRAME SRC=\"menu.htm\">"},
    {"relative name", "nav/menu.htm", false, "/site/pages", "/site",
     "<FRAME SRC=\"nav/menu.htm\" NORESIZE>"},
    {"parent reference", "../menu.htm", true, "/site/pages", "/site",
     "<FRAME SRC=\"../menu.htm\">"},
    {"empty field", "", false, "/site/pages", "/site", "<FRAME SRC=\"\" NORESIZE>"},
    // Directories given with a trailing separator read as without; the root stays the root.
    {"browser at the root", "/site/menu.htm", true, "/", "/autre", "<FRAME SRC=\"site/menu.htm\">"},
    {"file at the root", "/menu.htm", true, "/site", "/site", "<FRAME SRC=\"../menu.htm\">"},
    {"browser given with its separator", "/site/nav/menu.htm", true, "/site/", "/site",
     "<FRAME SRC=\"nav/menu.htm\">"},
    {"address", "http://exemple.org/a.htm", true, "/site", "/site",
     "<FRAME SRC=\"http://exemple.org/a.htm\">"},
};

TEST(FramesPage, FrameLine)
{
    for (const FrameCase &c : kFrameLines) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(wizards::frameLine({QString::fromUtf8(c.path), c.resizable},
                                     QString::fromUtf8(c.browser), QString::fromUtf8(c.project)),
                  QString::fromUtf8(c.line));
    }
}

TEST(FramesPage, BodyFollowsTheHead)
{
    FramesetAnswers answers;
    answers.rows = false;
    answers.size = QStringLiteral("20%");
    answers.border = QStringLiteral("0");
    answers.first = {QStringLiteral("/site/menu.htm"), true};
    answers.second = {QStringLiteral("/site/nav/page.htm"), false};
    answers.message = QStringLiteral("Pas de frames ici.\nVoyez menu.htm");
    const QStringList expected{
        " ",
        "<FRAMESET cols=\"20%,*\">",
        " ",
        "<FRAME SRC=\"menu.htm\">",
        "<FRAME SRC=\"nav/page.htm\" NORESIZE>",
        " ",
        "</FRAMESET>",
        " ",
        "<NOFRAMES>",
        "Pas de frames ici.",
        "Voyez menu.htm",
        "</NOFRAMES>",
        "</HTML>",
    };
    EXPECT_EQ(wizards::framesPageBody(answers, QStringLiteral("/site"), QStringLiteral("/site")),
              expected);

    answers.rows = true;
    answers.border = QStringLiteral("2");
    answers.message.clear();
    const QStringList rows = wizards::framesPageBody(answers, QStringLiteral("/site"), {});
    EXPECT_EQ(rows.at(1), QStringLiteral("<FRAMESET rows=\"20%,*\" BORDER=\"2\">"));
    // An empty message is one empty line; there is never a BODY.
    EXPECT_EQ(rows.mid(8, 3), (QStringList{"<NOFRAMES>", "", "</NOFRAMES>"}));
    EXPECT_FALSE(rows.join(u'\n').contains(QStringLiteral("BODY"), Qt::CaseInsensitive));
}

TEST(FramesPage, WholePageWithoutMetaTags)
{
    FramesetAnswers answers;
    answers.rows = true;
    answers.size = QStringLiteral("100");
    answers.border = QStringLiteral("2");
    answers.first = {QStringLiteral("/site/haut.htm"), false};
    answers.second = {QStringLiteral("/site/pages/bas.htm"), true};
    answers.message = QStringLiteral("Sans frames.");
    const QStringList page = wizards::framesPage(QStringLiteral("Mon site"), MetaAnswers(), answers,
                                                 QStringLiteral("/site"), QString());
    const QStringList expected{
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">",
        " ",
        page.at(2), // the site comment
        " ",
        "<HTML>",
        " ",
        "<HEAD>",
        "<TITLE>Mon site</TITLE>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=iso-8859-1\">",
        "<META NAME=\"generator\" CONTENT=\"Brindel 7.2\">",
        "</HEAD>",
        " ",
        "<FRAMESET rows=\"100,*\" BORDER=\"2\">",
        " ",
        "<FRAME SRC=\"haut.htm\" NORESIZE>",
        "<FRAME SRC=\"pages/bas.htm\">",
        " ",
        "</FRAMESET>",
        " ",
        "<NOFRAMES>",
        "Sans frames.",
        "</NOFRAMES>",
        "</HTML>",
    };
    EXPECT_EQ(page, expected);
    EXPECT_TRUE(page.at(2).startsWith(QStringLiteral("<!-- ")) &&
                page.at(2).endsWith(QStringLiteral(" -->")));
}

TEST(FramesPage, PagesPassTheAnalyzer)
{
    MetaAnswers meta;
    for (int row = 0; row < kMetaRowCount; ++row)
        meta.ticked[std::size_t(row)] = true;
    meta.author = QStringLiteral("Dupont");
    meta.keywords = QStringLiteral("frames, essai");
    meta.revisitDays = QStringLiteral("15");
    meta.year = QStringLiteral("2026");
    // Without a border: the analyzer's dictionary knows no BORDER on FRAMESET.
    for (bool rows : {false, true}) {
        for (const char *border : {"0"}) {
            FramesetAnswers answers;
            answers.rows = rows;
            answers.size = QStringLiteral("20%");
            answers.border = QString::fromLatin1(border);
            answers.first = {QStringLiteral("/site/menu.htm"), rows};
            answers.second = {QStringLiteral("page.htm"), !rows};
            answers.message = QStringLiteral("Une ligne\n\nune autre");
            const QStringList page = wizards::framesPage(QStringLiteral("Essai"), meta, answers,
                                                         QStringLiteral("/site"), QString());
            const ResultatAnalyse result = analysecode(page, {});
            EXPECT_EQ(result.code, codes::kAucun)
                << rows << border << " line " << result.ligne << " " << result.mot.toStdString();
        }
    }
}

TEST(FramesPage, MessageLines)
{
    const struct {
        const char *text;
        QStringList lines;
    } cases[] = {
        {"", {""}},
        {"une", {"une"}},
        {"une\ndeux", {"une", "deux"}},
        {"une\r\ndeux\r\n", {"une", "deux"}},
        {"une\n\ntrois", {"une", "", "trois"}},
        {"\n", {""}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wizards::textLines(QString::fromUtf8(c.text)), c.lines) << c.text;
}

} // namespace
