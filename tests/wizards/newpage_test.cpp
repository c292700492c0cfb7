#include "tests/editor/qstringprint.h"
#include "wizards/newpage.h"
#include "wizards/pagehead.h"

#include <gtest/gtest.h>

namespace
{

NewPageAnswers page(const char *title = "(Choisissez_un_titre)")
{
    NewPageAnswers a;
    a.title = QString::fromUtf8(title);
    a.projectDirectory = QStringLiteral("/home/moi/site");
    return a;
}

TEST(NewPage, NothingTickedIsTheNineteenFixedLines)
{
    const QStringList expected{
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">",
        " ",
        "<!-- " + brindelSiteAddress() + " -->",
        " ",
        "<HTML>",
        " ",
        "<HEAD>",
        "<TITLE>(Choisissez_un_titre)</TITLE>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=iso-8859-1\">",
        "<META NAME=\"generator\" CONTENT=\"Brindel 7.2\">",
        "</HEAD>",
        " ",
        "<BODY>",
        " ",
        " ",
        " ",
        "</BODY>",
        " ",
        "</HTML>",
    };
    // Filled but unticked meta fields write nothing.
    MetaAnswers meta;
    meta.author = QStringLiteral("Dupont");
    meta.year = QStringLiteral("2026");
    EXPECT_EQ(newPage(page(), meta), expected);
    EXPECT_EQ(newPageCaretLine(expected), 14) << "the middle blank line of the body";
}

TEST(NewPage, EverythingTickedIsTwentySixLinesInOrder)
{
    NewPageAnswers a = page("Accueil");
    a.colourTicked.fill(true);
    a.backgroundTicked = true;
    a.imagePath = QStringLiteral("/home/moi/site/images/fond.gif");
    MetaAnswers meta;
    meta.ticked.fill(true);
    meta.author = "A";
    meta.keywords = "K";
    meta.description = "D";
    meta.revisitDays = "7";
    meta.copyright = "C";
    meta.day = "01";
    meta.month = "02";
    meta.year = "2003";
    meta.language = "ang";
    meta.email = "jamais@exemple.fr";
    const QStringList expected{
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">",
        " ",
        "<!-- " + brindelSiteAddress() + " -->",
        " ",
        "<HTML>",
        " ",
        "<HEAD>",
        "<TITLE>Accueil</TITLE>",
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=iso-8859-1\">",
        "<META NAME=\"author\" CONTENT=\"A\">",
        "<META NAME=\"keywords\" CONTENT=\"K\">",
        "<META NAME=\"description\" CONTENT=\"D\">",
        "<META NAME=\"revisit-after\" CONTENT=\"7 days\">",
        "<META NAME=\"copyright\" CONTENT=\"C\">",
        "<META NAME=\"creation_date\" CONTENT=\"01/02/2003\">",
        "<META http-equiv=\"content_language\" CONTENT=\"ang\">",
        "<META NAME=\"generator\" CONTENT=\"Brindel 7.2\">",
        "</HEAD>",
        " ",
        "<BODY BACKGROUND=\"images/fond.gif\" BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" "
        "LINK=\"#0000FF\" ALINK=\"#FF0000\" VLINK=\"#800080\">",
        " ",
        " ",
        " ",
        "</BODY>",
        " ",
        "</HTML>",
    };
    const QStringList lines = newPage(a, meta);
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(newPageCaretLine(lines), 21);
    EXPECT_EQ(lines.at(newPageCaretLine(lines)), " ");
    EXPECT_EQ(lines.at(newPageCaretLine(lines) + 2), "</BODY>");
}

struct BodyCase {
    const char *what;
    NewPageAnswers answers;
    const char *expected;
};

class BodyLineTest : public testing::TestWithParam<BodyCase>
{
};

TEST_P(BodyLineTest, WritesTickedAttributesInOrder)
{
    EXPECT_EQ(bodyLine(GetParam().answers), QString::fromUtf8(GetParam().expected))
        << GetParam().what;
}

NewPageAnswers withColours(std::initializer_list<PageColour> ticks,
                           std::initializer_list<std::pair<PageColour, quint32>> colours = {})
{
    NewPageAnswers a = page();
    for (PageColour c : ticks)
        a.colourTicked[std::size_t(c)] = true;
    for (auto [c, value] : colours)
        a.colours[std::size_t(c)] = value;
    return a;
}

NewPageAnswers withImage(const char *image, const char *project, bool ticked = true)
{
    NewPageAnswers a = page();
    a.backgroundTicked = ticked;
    a.imagePath = QString::fromUtf8(image);
    a.projectDirectory = QString::fromUtf8(project);
    return a;
}

using C = PageColour;

INSTANTIATE_TEST_SUITE_P(
    Attributes, BodyLineTest,
    testing::Values(
        BodyCase{"nothing", page(), "<BODY>"},
        BodyCase{"the initial colours, never changed",
                 withColours({C::VisitedLink, C::ActiveLink, C::Link, C::Text, C::Background}),
                 "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" ALINK=\"#FF0000\" "
                 "VLINK=\"#800080\">"},
        BodyCase{"active links are ALINK", withColours({C::ActiveLink}),
                 "<BODY ALINK=\"#FF0000\">"},
        BodyCase{"visited links are VLINK",
                 withColours({C::VisitedLink}, {{C::VisitedLink, 0x563412}}),
                 "<BODY VLINK=\"#123456\">"},
        BodyCase{"an unticked colour stays out, however chosen",
                 withColours({C::Text}, {{C::Background, 0x00FF00}, {C::Text, 0x0000FF}}),
                 "<BODY TEXT=\"#FF0000\">"},
        BodyCase{"background first",
                 [] {
                     NewPageAnswers a = withImage("/home/moi/site/fond.jpg", "/home/moi/site");
                     a.colourTicked[std::size_t(C::Background)] = true;
                     return a;
                 }(),
                 "<BODY BACKGROUND=\"fond.jpg\" BGCOLOR=\"#FFFFFF\">"},
        BodyCase{"picture below the project", withImage("/w/site/images/fond.gif", "/w/site"),
                 "<BODY BACKGROUND=\"images/fond.gif\">"},
        BodyCase{"project = program directory, with its \"/\"",
                 withImage("/opt/brindel/images/fond.gif", "/opt/brindel/"),
                 "<BODY BACKGROUND=\"images/fond.gif\">"},
        BodyCase{"picture outside the project: bare name",
                 withImage("/autre/photos/été.png", "/w/site"), "<BODY BACKGROUND=\"été.png\">"},
        BodyCase{"picture above the project", withImage("/w/fond.gif", "/w/site"),
                 "<BODY BACKGROUND=\"../fond.gif\">"},
        BodyCase{"picture at the root", withImage("/fond.gif", "/"),
                 "<BODY BACKGROUND=\"fond.gif\">"},
        BodyCase{"no picture ever chosen", withImage("", "/w/site"), "<BODY BACKGROUND=\"\">"},
        BodyCase{"picture chosen, row unticked", withImage("/w/site/a.gif", "/w/site", false),
                 "<BODY>"}));

TEST(ChannelSkeleton, IsSeventeenLinesStartingWithTheDeclaration)
{
    const QStringList expected{
        "<?XML version=\"1.0\"?>",
        " ",
        " <CHANNEL HREF=\"\" BASE=\"\">",
        " <TITLE></TITLE>",
        " <ABSTRACT></ABSTRACT>",
        " <LOGO HREF=\"\" STYLE=\"image\"/>",
        " <LOGO HREF=\"\" STYLE=\"icon\"/>",
        " <SCHEDULE>",
        "  <INTERVALTIME DAY=\"1\"/>",
        "  <EARLIESTTIME DAY=\"1\"/>",
        "  <LASTTIME DAY=\"1\"/>",
        "  <ITEM HREF=\"\" LASTMOD=\"\">",
        "   <TITLE></TITLE>",
        "   <ABSTRACT></ABSTRACT>",
        "  </ITEM>",
        " </SCHEDULE>",
        " </CHANNEL>",
    };
    EXPECT_EQ(channelSkeleton(), expected);
}

} // namespace
