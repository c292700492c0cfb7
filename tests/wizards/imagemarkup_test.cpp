#include "wizards/imagemarkup.h"

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace
{

RegionLink url(const QString &link, const QString &text)
{
    return {link, text, false};
}

TEST(ImageMarkup, StaticImageTag)
{
    const struct {
        const char *name;
        StaticImage image;
        const char *expected;
    } cases[] = {
        {"defaults after a preview",
         {"", "logo.gif", true, "0", "40", "120", "logo.gif"},
         R"(<IMG SRC="logo.gif" BORDER="0" HEIGHT="40" WIDTH="120" ALT="logo.gif">)"},
        {"relative path, border 3",
         {"../img/", "a.png", true, "3", "", "", "A"},
         R"(<IMG SRC="../img/a.png" BORDER="3" ALT="A">)"},
        {"no border",
         {"", "a.png", false, "0", "10", "20", ""},
         R"(<IMG SRC="a.png" HEIGHT="10" WIDTH="20">)"},
        {"height without width",
         {"", "a.png", true, "0", "10", "", ""},
         R"(<IMG SRC="a.png" BORDER="0">)"},
        {"width without height", {"", "a.png", false, "", "", "20", ""}, R"(<IMG SRC="a.png">)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(staticImageTag(c.image), QString::fromUtf8(c.expected));
    }
}

TEST(ImageMarkup, CircleRadiusIsTheRoundedDistance)
{
    const struct {
        QPoint a, b;
        int radius;
    } cases[] = {
        {{0, 0}, {3, 4}, 5},     {{0, 0}, {1, 1}, 1},
        {{10, 10}, {10, 10}, 0}, {{0, 0}, {1, 2}, 2}, // 2.236
        {{5, 5}, {2, 1}, 5},     {{0, 0}, {-7, 0}, 7},
    };
    for (const auto &c : cases)
        EXPECT_EQ(circleRadius(c.a, c.b), c.radius) << c.b.x() << "," << c.b.y();
}

TEST(ImageMarkup, MapLines)
{
    PolyRegion triangle;
    triangle.vertices[0] = {1, 2};
    triangle.vertices[1] = {30, 2};
    triangle.vertices[2] = {15, 20};
    triangle.link = url("tri.htm", "T");
    PolyRegion empty;
    empty.link = url("vide.htm", "");
    PolyRegion full;
    for (int i = 0; i < PolyRegion::kSlots; ++i)
        full.vertices[size_t(i)] = {i, 2 * i};

    const MapImage plan{"", "plan.gif", "100", "200", "plan.gif", true, "0"};
    const struct {
        const char *name;
        MapImage image;
        MapRegions regions;
        int column;
        QString documentDir, projectDir;
        QStringList expected;
    } cases[] = {
        {"one rectangle",
         plan,
         {{{{10, 10}, {50, 40}, url("a.htm", "A")}}, {}, {}},
         0,
         "",
         "",
         {R"(<IMG SRC="plan.gif" HEIGHT="100" WIDTH="200" USEMAP="#plan.gif" BORDER="0">)",
          R"( <MAP NAME="plan.gif">)",
          R"( <AREA HREF="a.htm" SHAPE="rect" COORDS="10,10,50,40" ALT="A">)", " </MAP>"}},
        {"column 4, no border, no size, backward rectangle",
         {"img/", "p.gif", "", "", "carte", false, "0"},
         {{{{50, 40}, {10, 10}, url("b.htm", "B")}}, {}, {}},
         4,
         "",
         "",
         {R"(<IMG SRC="img/p.gif" USEMAP="#carte">)", R"(     <MAP NAME="carte">)",
          R"(     <AREA HREF="b.htm" SHAPE="rect" COORDS="50,40,10,10" ALT="B">)", "     </MAP>"}},
        {"every kind, last drawn first",
         plan,
         {{{{0, 0}, {1, 1}, url("r1", "1")}, {{2, 2}, {3, 3}, url("r2", "2")}},
          {{{0, 0}, 5, url("mailto:a@b.fr", "c1")}, {{9, 9}, 1, url("c2", "c2")}},
          {triangle, empty}},
         0,
         "",
         "",
         {R"(<IMG SRC="plan.gif" HEIGHT="100" WIDTH="200" USEMAP="#plan.gif" BORDER="0">)",
          R"( <MAP NAME="plan.gif">)", R"( <AREA HREF="r2" SHAPE="rect" COORDS="2,2,3,3" ALT="2">)",
          R"( <AREA HREF="r1" SHAPE="rect" COORDS="0,0,1,1" ALT="1">)",
          R"( <AREA HREF="c2" SHAPE="circle" COORDS="9,9,1" ALT="c2">)",
          R"( <AREA HREF="mailto:a@b.fr" SHAPE="circle" COORDS="0,0,5" ALT="c1">)",
          R"( <AREA HREF="vide.htm" SHAPE="poly" COORDS="" ALT="">)",
          R"( <AREA HREF="tri.htm" SHAPE="poly" COORDS="1,2,30,2,15,20" ALT="T">)", " </MAP>"}},
        {"file links: absolute made relative, relative kept",
         plan,
         {{{{0, 0}, {1, 1}, {"/site/pages/b.htm", "abs", true}},
           {{0, 0}, {1, 1}, {"page.htm", "rel", true}},
           {{0, 0}, {1, 1}, {"/site/img/c.htm", "projet", true}}},
          {},
          {}},
         0,
         "/site/pages",
         "/site",
         {R"(<IMG SRC="plan.gif" HEIGHT="100" WIDTH="200" USEMAP="#plan.gif" BORDER="0">)",
          R"( <MAP NAME="plan.gif">)",
          R"( <AREA HREF="../img/c.htm" SHAPE="rect" COORDS="0,0,1,1" ALT="projet">)",
          R"( <AREA HREF="page.htm" SHAPE="rect" COORDS="0,0,1,1" ALT="rel">)",
          R"( <AREA HREF="b.htm" SHAPE="rect" COORDS="0,0,1,1" ALT="abs">)", " </MAP>"}},
        {"no region, 100-vertex polygon",
         {"", "x.png", "5", "", "m", true, "2"},
         {{}, {}, {full}},
         1,
         "",
         "",
         {R"(<IMG SRC="x.png" USEMAP="#m" BORDER="2">)", R"(  <MAP NAME="m">)",
          QStringLiteral(R"(  <AREA HREF="" SHAPE="poly" COORDS="%1" ALT="">)")
              .arg(polyCoords(full)),
          "  </MAP>"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(imageMapLines(c.image, c.regions, c.column, c.documentDir, c.projectDir),
                  c.expected);
    }
    EXPECT_TRUE(polyCoords(full).startsWith("0,0,1,2,2,4,"));
    EXPECT_TRUE(polyCoords(full).endsWith(",99,198"));
}

} // namespace
