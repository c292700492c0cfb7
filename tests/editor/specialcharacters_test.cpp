#include "editor/specialcharacters.h"
#include "platform/cp1252.h"
#include "tests/editor/qstringprint.h"

#include <gtest/gtest.h>

#include <QSet>

namespace
{

using namespace specialchars;

TEST(TypingTable, TheTwentyFourCharactersGiveTheirReferences)
{
    const struct {
        char16_t typed;
        const char *inserted;
    } rows[] = {
        {u'à', "&#224;"}, {u'é', "&#233;"}, {u'è', "&#232;"}, {u'ç', "&#231;"}, {u'£', "&#163;"},
        {u'§', "&#167;"}, {u'|', "&#166;"}, {u'¨', "&#168;"}, {u'¤', "&#164;"}, {u'°', "&#176;"},
        {u'²', "&#178;"}, {u'µ', "&#181;"}, {u'ù', "&#249;"}, {u'ï', "&#239;"}, {u'ä', "&#228;"},
        {u'ê', "&#234;"}, {u'ë', "&#235;"}, {u'î', "&#238;"}, {u'ô', "&#244;"}, {u'ö', "&#246;"},
        {u'û', "&#251;"}, {u'ü', "&#252;"}, {u'â', "&#226;"}, {u'ƒ', "&#131;"},
    };
    QSet<char16_t> converted;
    for (const auto &row : rows) {
        EXPECT_EQ(typedReference(QChar(row.typed)), QString::fromLatin1(row.inserted))
            << "typed U+" << std::hex << int(row.typed);
        converted.insert(row.typed);
    }
    // Every other character of the code page, and a few beyond it, is typed as it is.
    for (int byte = 0; byte < 256; ++byte) {
        const QChar ch = cp1252::toUnicode(byte);
        if (!converted.contains(ch.unicode())) {
            EXPECT_TRUE(typedReference(ch).isEmpty()) << "byte " << byte;
        }
    }
    for (char16_t other : {u'→', u'α', u'\u0000'})
        EXPECT_TRUE(typedReference(QChar(other)).isEmpty());
}

TEST(EncodingTable, WholeLinesAreEncodedOnce)
{
    const struct {
        const char16_t *line;
        const char *encoded;
        int replaced;
    } rows[] = {
        {u"Noël à 5 € | § ð", "No&#235;l &#224; 5 € &#166; § ð", 3},
        {u"Þþ¶", "&#222;&#254;&#182;", 3},
        {u"&#233; reste tel quel", "&#233; reste tel quel", 0},
        // The six kept codes of the upper half: ¢ ¦ § soft hyphen ¸ ð.
        {u"¢¦§\u00AD¸ð", "¢¦§\u00AD¸ð", 0},
        // Codes 128 to 160 stay, the no-break space included; 161 and 255 are encoded.
        {u"€ƒœŒŠŸ\u00A0¡ÿ", "€ƒœŒŠŸ\u00A0&#161;&#255;", 2},
        // Characters beyond the code page stay as they are, surrogate pairs whole.
        {u"→ αβ 😀 é", "→ αβ 😀 &#233;", 1},
        {u"||", "&#166;&#166;", 2},
        {u"", "", 0},
    };
    for (const auto &row : rows) {
        const QString line = QString::fromUtf16(row.line);
        const QString expected = QString::fromUtf8(row.encoded);
        EXPECT_EQ(encodeLine(line), expected) << line.toStdString();
        QString out = QStringLiteral("avant ");
        EXPECT_EQ(appendEncodedLine(out, line), row.replaced) << line.toStdString();
        EXPECT_EQ(out, QStringLiteral("avant ") + expected) << "appends after what is there";
    }
}

TEST(EncodingTable, CodeOfEachByteOfTheCodePage)
{
    const QSet<int> kept = {162, 166, 167, 173, 184, 240};
    int encoded = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const int code = encodedCode(cp1252::toUnicode(byte));
        if (byte == '|') {
            EXPECT_EQ(code, 166);
        } else if (byte >= 161 && !kept.contains(byte)) {
            EXPECT_EQ(code, byte) << "byte " << byte;
            ++encoded;
        } else {
            EXPECT_EQ(code, -1) << "byte " << byte;
        }
    }
    EXPECT_EQ(encoded, 95 - 6);
}

TEST(References, DecimalWithoutLeadingZeros)
{
    EXPECT_EQ(reference(38), "&#38;");
    EXPECT_EQ(reference(128), "&#128;");
    EXPECT_EQ(reference(7), "&#7;");
}

} // namespace
