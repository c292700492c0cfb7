// A U+FEFF character right after a UTF-8 file's byte order mark is text like any other: the
// document keeps it through a load and a save. (Qt's plain UTF-8 decoding drops EF BB BF at
// the start of whatever it is given, so the character after the mark was once lost.)

#include "platform/documentfile.h"

#include <gtest/gtest.h>

namespace
{

TEST(ByteOrderMark, ACharacterAfterTheMarkSurvivesLoadAndSave)
{
    const QByteArray mark("\xEF\xBB\xBF");
    const struct {
        QByteArray bytes;
        qsizetype marksInText;
    } cases[] = {
        {mark + mark + "x\r\n", 1},
        {mark + mark, 1},
        {mark + mark + mark + "\xC3\xA9", 2},
        {mark + "x" + mark, 1},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.bytes.toHex().constData());
        const LoadedDocument document = decodeDocument(k.bytes);
        EXPECT_EQ(document.format.encoding, Encoding::Utf8);
        EXPECT_TRUE(document.format.bom);
        EXPECT_EQ(document.text.count(QChar(0xFEFF)), k.marksInText);
        EXPECT_EQ(encodeDocument(document.text, document.format), k.bytes);
    }
}

} // namespace
