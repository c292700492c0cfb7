#include "tests/editor/qstringprint.h"
#include "wizards/stylemarkup.h"

#include <gtest/gtest.h>

using namespace stylemarkup;

namespace
{

struct StyleCase {
    const char *name;
    QString text;
    const char *expected;
};

TEST(StyleMarkup, ColourCodesAndRules)
{
    const StyleCase cases[] = {
        {"all bars at 255, with #", colourCode(mixedColour(255, 255, 255), true), "#FFFFFF"},
        {"orange without #", colourCode(mixedColour(255, 128, 0), false), "FF8000"},
        {"blue", colourCode(mixedColour(0, 0, 1), false), "000001"},
        {"complement of black", colourCode(complement(0), false), "FFFFFF"},
        {"complement of orange", colourCode(complement(mixedColour(255, 128, 0)), false), "007FFF"},
        {"rule, built-in values, no colour",
         rule(defaultRuleSize(), defaultRuleWidth(), std::nullopt, "aucun"),
         "<HR SIZE=\"1\" WIDTH=\"90%\">"},
        {"rule, red, centred", rule("1", "90%", mixedColour(255, 0, 0), "center"),
         "<HR SIZE=\"1\" WIDTH=\"90%\" COLOR=\"#FF0000\" ALIGN=\"center\">"},
        {"rule, black colour, empty fields", rule("", "", 0u, ""),
         "<HR SIZE=\"\" WIDTH=\"\" COLOR=\"#000000\" ALIGN=\"\">"},
    };
    for (const StyleCase &c : cases)
        EXPECT_EQ(c.text, QString::fromUtf8(c.expected)) << c.name;
}

struct ListCase {
    bool bulleted;
    const char *count;
    QStringList lines;
    const char *errorNames;
};

TEST(StyleMarkup, ListsConvertTheirCountBeforeAnyLine)
{
    const ListCase cases[] = {
        {false, "2", {"<OL>", " <LI>", " <LI>", "</OL>"}, ""},
        {true, "1", {"<UL>", " <LI>", "</UL>"}, ""},
        {true, "0", {"<UL>", "</UL>"}, ""},
        {false, "-3", {"<OL>", "</OL>"}, ""},
        {true, "trois", {}, "« trois »"},
        {true, "", {}, "«  »"},
        {true, "10001", {}, "10000"},
        {true, "100000", {}, "10000"},
    };
    for (const ListCase &c : cases) {
        const List list = stylemarkup::list(c.bulleted, QString::fromUtf8(c.count));
        EXPECT_EQ(list.lines, c.lines) << c.count;
        EXPECT_EQ(list.caret, 13);
        if (*c.errorNames)
            EXPECT_TRUE(list.error.contains(QString::fromUtf8(c.errorNames))) << c.count;
        else
            EXPECT_TRUE(list.error.isEmpty()) << c.count;
    }
    EXPECT_EQ(stylemarkup::list(true, "10000").lines.size(), 10002);
}

} // namespace
