#include "platform/ioerror.h"
#include "tests/support/tempprogramdir.h"
#include "wizards/regionfiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace
{

using namespace regionrecords;

// Expected bytes built from the layout table: zero everywhere but the given fields.
class Golden
{
public:
    explicit Golden(qsizetype size) : m_bytes(size, '\0') {}
    Golden &integer(qsizetype at, qint32 value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes[at + i] = char((quint32(value) >> (8 * i)) & 0xFF);
        return *this;
    }
    Golden &text(qsizetype at, const QByteArray &bytes)
    {
        m_bytes[at] = char(bytes.size());
        m_bytes.replace(at + 1, bytes.size(), bytes);
        return *this;
    }
    Golden &byte(qsizetype at, char value)
    {
        m_bytes[at] = value;
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

TEST(RegionRecords, GoldenBytesOfEachFile)
{
    const RectRegion rect{{10, 10}, {50, 40}, {"a.htm", "A", false}};
    EXPECT_EQ(encode(rect), Golden(532)
                                .integer(0, 10)
                                .integer(4, 10)
                                .integer(8, 50)
                                .integer(12, 40)
                                .text(16, "a.htm")
                                .text(272, "A")
                                .bytes());

    const CircleRegion circle{{-1, 300}, 70000, {"/site/b.htm", "Bé", true}};
    EXPECT_EQ(encode(circle), Golden(528)
                                  .integer(0, -1)
                                  .integer(4, 300)
                                  .integer(8, 70000)
                                  .text(12, "/site/b.htm")
                                  .text(268, "B\xE9")
                                  .byte(524, 1)
                                  .bytes());

    PolyRegion poly;
    poly.vertices[0] = {1, 2};
    poly.vertices[1] = {3, 4};
    poly.link = {"mailto:x@y.fr", "", false};
    Golden expected(1316);
    expected.integer(0, 1).integer(4, 2).integer(8, 3).integer(12, 4);
    for (int slot = 2; slot < 100; ++slot)
        expected.integer(8 * slot, -1).integer(8 * slot + 4, -1);
    expected.text(800, "mailto:x@y.fr");
    EXPECT_EQ(encode(poly), expected.bytes());
    EXPECT_EQ(poly.vertexCount(), 2);

    EXPECT_EQ(decodeRect(encode(rect)), rect);
    EXPECT_EQ(decodeCircle(encode(circle)), circle);
    EXPECT_EQ(decodePoly(encode(poly)), poly);
    EXPECT_FALSE(decodeRect(encode(circle)));
    EXPECT_FALSE(decodePoly(QByteArray(1315, '\0')));
}

TEST(RegionRecords, TextsAreWindows1252WithReferencesCutAt255Bytes)
{
    const QString a250(250, QLatin1Char('a'));
    const struct {
        const char *name;
        QString text;
        QByteArray stored;
    } cases[] = {
        {"plain", "Plan du site", "Plan du site"},
        {"code page", QString::fromUtf8("€ é œ"), "\x80 \xE9 \x9C"},
        {"beyond the code page", QString::fromUtf8("ą→"), "&#261;&#8594;"},
        {"beyond the basic plane", QString::fromUtf8("x😀"), "x&#128512;"},
        {"cut at 255", QString(300, QLatin1Char('b')), QByteArray(255, 'b')},
        {"reference not split", a250 + QString::fromUtf8("ą"), a250.toLatin1()},
        {"reference fits exactly", a250.left(249) + QString::fromUtf8("ą"),
         a250.left(249).toLatin1() + "&#261;"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(storedText(c.text), c.stored);
        const RectRegion region{{0, 0}, {1, 1}, {c.text, c.text, false}};
        const auto back = decodeRect(encode(region));
        ASSERT_TRUE(back);
        EXPECT_EQ(storedText(back->link.link), c.stored);
        EXPECT_LE(back->link.text.size(), 255);
    }
}

TEST(RegionFiles, RecordsGoAtTheirNumberAndMissingOnesAreErrors)
{
    TempProgramDir dir(false);
    const RegionFile file(dir.path(), RegionShape::Rect);
    EXPECT_EQ(file.path(), dir.file("rect.tmp"));
    EXPECT_THROW(file.read(1), IoError);

    const RectRegion first{{1, 1}, {2, 2}, {"un", "1", false}};
    const RectRegion third{{3, 3}, {4, 4}, {"trois", "3", true}};
    file.write(1, encode(first));
    EXPECT_EQ(dir.readBytes("rect.tmp"), QByteArray(532, '\0') + encode(first));
    file.write(3, encode(third));
    EXPECT_EQ(dir.readBytes("rect.tmp").size(), 4 * 532);
    EXPECT_EQ(dir.readBytes("rect.tmp").mid(2 * 532, 532), QByteArray(532, '\0'));
    EXPECT_EQ(decodeRect(file.read(3)), third);
    // An existing file is overwritten from record 1, the rest kept.
    file.write(1, encode(third));
    EXPECT_EQ(decodeRect(file.read(1)), third);
    EXPECT_EQ(dir.readBytes("rect.tmp").size(), 4 * 532);

    EXPECT_THROW(file.read(4), IoError);
    EXPECT_THROW(file.read(0), IoError);
    EXPECT_THROW(file.write(0, encode(first)), IoError);
    EXPECT_THROW(file.write(1, QByteArray(10, 'x')), IoError);
    file.remove();
    EXPECT_FALSE(QFile::exists(dir.file("rect.tmp")));
    file.remove();

    // A directory where the file should be: a clear error.
    QDir(dir.path()).mkdir("poly.tmp");
    const RegionFile blocked(dir.path(), RegionShape::Poly);
    try {
        blocked.write(1, encode(PolyRegion()));
        FAIL() << "written into a directory";
    } catch (const IoError &error) {
        EXPECT_TRUE(error.message().contains(dir.file("poly.tmp")));
    }
}

} // namespace
