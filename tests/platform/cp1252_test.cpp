#include "platform/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(cp1252::canEncodeAll(text));
    EXPECT_EQ(cp1252::encode(text), all);
}

TEST(Cp1252, MapsTheHighControlsToTheirCharacters)
{
    EXPECT_EQ(cp1252::toUnicode(0x80), QChar(0x20AC));
    EXPECT_EQ(cp1252::toUnicode(0x9C), QChar(0x0153));
    EXPECT_EQ(cp1252::code(QChar(0x0153)), 156);
    EXPECT_EQ(cp1252::code(QChar(0x0192)), 131);
    EXPECT_EQ(cp1252::code(QChar(0x00E9)), 233);
    EXPECT_EQ(cp1252::code(QChar(0x03A9)), -1);
    EXPECT_EQ(cp1252::encode(QStringLiteral("aΩb")), QByteArray("a?b"));
}
