#include "editor/textroutines.h"
#include "tests/editor/qstringprint.h"

#include <gtest/gtest.h>

namespace
{

struct ColourCase {
    quint32 colour;
    const char *code;
};

class CouleurhexaTest : public testing::TestWithParam<ColourCase>
{
};

TEST_P(CouleurhexaTest, WritesRedGreenBlue)
{
    EXPECT_EQ(couleurhexa(GetParam().colour), QLatin1String(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(
    Colours, CouleurhexaTest,
    testing::Values(ColourCase{0x000000, "000000"}, ColourCase{0xFFFFFF, "FFFFFF"},
                    ColourCase{0x0000FF, "FF0000"}, // red in the low byte
                    ColourCase{0x00FF00, "00FF00"}, ColourCase{0xFF0000, "0000FF"},
                    ColourCase{0x123456, "563412"}, ColourCase{0x0080FF, "FF8000"},
                    ColourCase{0x0A0B0C, "0C0B0A"},
                    // Only the low 24 bits count.
                    ColourCase{0xFF123456, "563412"}, ColourCase{0x80000000, "000000"}));

struct PathCase {
    const char *document;
    const char *target;
    const char *project;
    const char *expected;
};

class CheminrelatifTest : public testing::TestWithParam<PathCase>
{
};

TEST_P(CheminrelatifTest, LeadsFromDocumentToTarget)
{
    const PathCase &c = GetParam();
    EXPECT_EQ(cheminrelatif(QString::fromUtf8(c.document), QString::fromUtf8(c.target),
                            QString::fromUtf8(c.project)),
              QString::fromUtf8(c.expected))
        << c.document << " -> " << c.target << " via " << c.project;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CheminrelatifTest,
    testing::Values(
        // The target is the document's own directory.
        PathCase{"/site/pages", "/site/pages", "/autre", ""},
        PathCase{"/site/pages", "/site/pages", "", ""},
        // The target is an ancestor of the document's directory.
        PathCase{"/site/pages", "/site", "", "../"},
        PathCase{"/site/pages/a", "/site", "/autre", "../../"},
        // The target lies below the document's directory.
        PathCase{"/site", "/site/img/icons", "", "img/icons/"},
        PathCase{"/site", "/site/img", "/site", "img/"},
        // Neither: the path goes through the project directory.
        PathCase{"/site/pages", "/site/img", "/site", "../img/"},
        PathCase{"/site/pages", "/site/img", "/site/", "../img/"}, // trailing separator
        PathCase{"/site/pages/a", "/site/img/b", "/site", "../../img/b/"},
        PathCase{"/site/pages", "/site/img", "/autre", ""},
        PathCase{"/site/pages", "/autre/img", "", ""},
        // Names that merely begin alike are different directories: "/site" holds neither
        // "/site2/img" nor "/sitex".
        PathCase{"/site", "/site2/img", "/autre", ""},
        PathCase{"/w/site", "/w/site2/img", "/w", "../site2/img/"},
        PathCase{"/w/site2/img", "/w/site", "/w", "../../site/"},
        PathCase{"/w/sitex/a", "/w/site", "/w", "../../site/"},
        // Letter case counts.
        PathCase{"/Site/pages", "/site", "", ""},
        // Non-ASCII directory names pass whole.
        PathCase{"/été", "/été/images", "", "images/"},
        // A trailing separator on any directory reads like none: the program directory
        // standing in for the project directory keeps its "/".
        PathCase{"/opt/brindel/", "/opt/brindel/images", "/opt/brindel/", "images/"},
        PathCase{"/site/", "/site/", "/site/", ""}, PathCase{"/site/pages/", "/site/", "", "../"},
        PathCase{"/site/pages", "/site/img/", "/site/", "../img/"},
        PathCase{"/site//", "/site/img//", "", "img/"},
        // The root is a directory like any other, above every other one.
        PathCase{"/", "/site/img", "", "site/img/"}, PathCase{"/site/pages", "/", "", "../../"},
        PathCase{"/", "/", "/", ""}, PathCase{"/a/b", "/c/d", "/", "../../c/d/"},
        // No image chosen: an empty target gives an empty prefix.
        PathCase{"/site", "", "/site", ""}));

} // namespace
