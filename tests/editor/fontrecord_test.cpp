#include "editor/fontrecord.h"
#include "tests/support/tempprogramdir.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

QByteArray sampleRecord()
{
    QByteArray bytes(FontRecord::kSize, '\0');
    bytes[0] = char(0x12); // colour 0x00563412: red 12, green 34, blue 56
    bytes[1] = char(0x34);
    bytes[2] = char(0x56);
    const QByteArray name("Courier New");
    bytes[4] = char(name.size());
    bytes.replace(5, name.size(), name);
    bytes[260] = 11;         // size 11 points
    bytes[264] = char(0xF1); // height -15
    bytes[265] = char(0xFF);
    bytes[266] = char(0xFF);
    bytes[267] = char(0xFF);
    bytes[268] = 1;
    bytes[271] = 1;
    return bytes;
}

TEST(FontRecord, ReadsEachFieldAtItsOffset)
{
    const auto record = FontRecord::fromBytes(sampleRecord());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->colour, 0x563412);
    EXPECT_EQ(record->name, "Courier New");
    EXPECT_EQ(record->pointSize, 11);
    EXPECT_EQ(record->height, -15);
    EXPECT_TRUE(record->bold);
    EXPECT_FALSE(record->italic);
    EXPECT_FALSE(record->underline);
    EXPECT_TRUE(record->strikeOut);
    EXPECT_EQ(record->toBytes(), sampleRecord()) << "writing gives back the same 272 bytes";
}

TEST(FontRecord, ShortOrOddRecordsNeverReadOutOfBounds)
{
    EXPECT_FALSE(FontRecord::fromBytes(QByteArray()));
    EXPECT_FALSE(FontRecord::fromBytes(QByteArray(5, 'x')));
    EXPECT_FALSE(FontRecord::fromBytes(QByteArray(271, 'x')));
    QByteArray longName(FontRecord::kSize, 'A');
    longName[4] = char(255); // a name running up to the size field
    const auto record = FontRecord::fromBytes(longName);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->name.size(), 255);
}

TEST(FontRecord, WritingKeepsLaterRecordsAndLongNamesAreCut)
{
    TempProgramDir dir(false);
    const QByteArray second(FontRecord::kSize, 'z');
    dir.writeBytes("font.sav", sampleRecord() + second);
    FontRecord record;
    record.name = QString(300, QLatin1Char('n'));
    record.pointSize = 9;
    writeFontRecord(dir.file("font.sav"), record);
    const QByteArray written = dir.readBytes("font.sav");
    ASSERT_EQ(written.size(), 2 * FontRecord::kSize);
    EXPECT_EQ(written.mid(FontRecord::kSize), second);
    const auto back = readFontRecord(dir.file("font.sav"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name.size(), 255);
    EXPECT_EQ(back->pointSize, 9);
    EXPECT_FALSE(readFontRecord(dir.file("absent.sav")));
}

TEST(FontRecord, CharacterHeightOfAPointSize)
{
    struct Case {
        qint32 points;
        int dotsPerInch;
        qint32 height;
    };
    const Case cases[] = {
        {8, 96, -11},
        {9, 96, -12},
        {10, 96, -13},
        {11, 96, -15},
        {12, 96, -16},
        {10, 72, -10},
        {10, 120, -17},
        {0, 96, 0},
        {-4, 96, 0},
        {12, 0, 0},
        {std::numeric_limits<qint32>::max(), 96, -std::numeric_limits<qint32>::max()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(characterHeight(c.points, c.dotsPerInch), c.height)
            << c.points << " points at " << c.dotsPerInch;
}

} // namespace
