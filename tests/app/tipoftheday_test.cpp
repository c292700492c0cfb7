#include "app/tipoftheday.h"

#include <gtest/gtest.h>

TEST(TipOfTheDay, SettingGivesATipFromOneToFourteen)
{
    struct Case {
        const char *setting;
        int tip;
    };
    static const Case cases[] = {
        {"3", 3},  {"14", 14}, {"1", 1}, {"x", 1},        {"0", 1},
        {"15", 1}, {"-2", 1},  {"", 1},  {"indéfini", 1}, {" 7", 7},
    };
    for (const Case &c : cases)
        EXPECT_EQ(tipNumberFromSetting(QString::fromUtf8(c.setting)), c.tip) << c.setting;
}

TEST(TipOfTheDay, TipsFollowEachOtherAndComeRound)
{
    EXPECT_EQ(tipTextNumber(3), 3112);
    EXPECT_EQ(tipTextNumber(1), 3110);
    EXPECT_EQ(tipTextNumber(14), 3123);
    EXPECT_EQ(nextTipNumber(3), 4);
    EXPECT_EQ(nextTipNumber(13), 14);
    EXPECT_EQ(nextTipNumber(14), 1);
}
