#include "editor/specialcharacters.h"

#include "platform/cp1252.h"

#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace specialchars
{
namespace
{

// The characters converted while typing. Each gives the reference of its own code, except
// the vertical bar, which gives that of the broken bar.
constexpr std::array<char16_t, 24> kTyped = {u'à', u'é', u'è', u'ç', u'£', u'§', u'|', u'¨',
                                             u'¤', u'°', u'²', u'µ', u'ù', u'ï', u'ä', u'ê',
                                             u'ë', u'î', u'ô', u'ö', u'û', u'ü', u'â', u'ƒ'};

constexpr int kBrokenBar = 166;

// Codes of the upper half of Latin-1 that the whole-document encoding leaves as they are.
constexpr bool keptByEncoding(char16_t u)
{
    return u == 162 || u == 166 || u == 167 || u == 173 || u == 184 || u == 240;
}

// Menu order of the "Caractères" submenus. Items captioned "oe", "OE", "~", "f", "Euro (€)"
// and "&" insert œ, Œ, the small tilde of code 152, ƒ, € and the ampersand. N77, captioned
// "Þ", inserts that capital letter, as its caption shows.
// clang-format off
constexpr CharacterItem kItems[] = {
    // &a
    {"N18", u'à'}, {"N19", u'á'}, {"N20", u'ä'}, {"N21", u'â'}, {"N22", u'æ'}, {"N23", u'å'},
    {"N24", u'ã'}, {"N25", u'À'}, {"N26", u'Á'}, {"N27", u'Ä'}, {"N28", u'Â'}, {"N29", u'Æ'},
    {"N30", u'Å'}, {"N31", u'Ã'},
    // &e
    {"N10", u'é'}, {"N11", u'è'}, {"N12", u'ë'}, {"N13", u'ê'}, {"N15", u'É'}, {"N16", u'È'},
    {"N14", u'Ë'}, {"N17", u'Ê'},
    // &i
    {"N32", u'í'}, {"N33", u'ì'}, {"N34", u'ï'}, {"N35", u'î'}, {"N36", u'Í'}, {"N37", u'Ì'},
    {"N38", u'Ï'}, {"N39", u'Î'},
    // &o
    {"N40", u'ó'}, {"N41", u'ò'}, {"N42", u'ö'}, {"N43", u'ô'}, {"N44", u'õ'}, {"oe1", u'œ'},
    {"N45", u'Ó'}, {"N46", u'Ò'}, {"N47", u'Ö'}, {"N48", u'Ô'}, {"N49", u'Õ'}, {"OE2", u'Œ'},
    // &u
    {"N50", u'ú'}, {"N51", u'ù'}, {"N52", u'ü'}, {"N53", u'û'}, {"N54", u'Ú'}, {"N55", u'Ù'},
    {"N56", u'Ü'}, {"N57", u'Û'},
    // &c, &n, &y
    {"N58", u'ç'}, {"N60", u'¢'}, {"N59", u'Ç'}, {"N61", u'ñ'}, {"N62", u'Ñ'}, {"N63", u'ý'},
    {"N64", u'ÿ'}, {"N65", u'Ý'},
    // Au&tre
    {"N66", u'<'}, {"N67", u'>'}, {"Euro1", u'€'}, {"N68", u'˜'}, {"N69", u'¡'}, {"N70", u'ƒ'},
    {"N71", u'ß'}, {"N72", u'«'}, {"N73", u'»'}, {"N74", u'£'}, {"N75", u'¥'}, {"N76", u'§'},
    {"N77", u'Þ'}, {"N78", u'¿'}, {"N79", u'·'}, {"N80", u'¶'}, {"N81", u'¯'}, {"N82", u'©'},
    {"N83", u'®'}, {"N84", u'¬'}, {"N85", u'¨'}, {"N86", u'¦'}, {"N87", u'¤'}, {"N105", u'&'},
    {"N106", u'"'}, {"N107", u'#'},
    // &Math
    {"N88", u'¼'}, {"N89", u'½'}, {"N90", u'¾'}, {"N91", u'±'}, {"N92", u'×'}, {"N93", u'÷'},
    {"N94", u'°'}, {"N95", u'¹'}, {"N96", u'²'}, {"N97", u'³'}, {"N98", u'µ'}, {"N99", u'\u00AD'},
    {"N100", u'Ø'}, {"N101", u'ø'},
};
// clang-format on

// Index of the first unit of [from, size) that the encoding may change: the vertical bar or
// a unit above U+00A0; size when there is none. Eight units at a time where the processor
// compares vectors: most of a page is ASCII.
qsizetype nextCandidate(const char16_t *units, qsizetype from, qsizetype size)
{
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i bar = _mm_set1_epi16(short(u'|'));
    const __m128i highest = _mm_set1_epi16(0xA0);
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= size; i += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i));
        // Unsigned saturation leaves 0 exactly in the lanes at or below U+00A0.
        const __m128i low = _mm_cmpeq_epi16(_mm_subs_epu16(block, highest), zero);
        const unsigned found = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(block, bar))) |
                               (~unsigned(_mm_movemask_epi8(low)) & 0xFFFFu);
        if (found)
            return i + std::countr_zero(found) / 2;
    }
#endif
    for (; i < size; ++i) {
        if (units[i] == u'|' || units[i] > 0xA0)
            return i;
    }
    return size;
}

void appendReference(QString &out, int code)
{
    out += QLatin1String("&#");
    out += QString::number(code);
    out += QLatin1Char(';');
}

} // namespace

QString reference(int code)
{
    QString text;
    appendReference(text, code);
    return text;
}

QString typedReference(QChar typed)
{
    const char16_t u = typed.unicode();
    for (char16_t candidate : kTyped) {
        if (candidate == u)
            return reference(u == u'|' ? kBrokenBar : cp1252::code(typed));
    }
    return QString();
}

int encodedCode(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u == u'|')
        return kBrokenBar;
    if (u >= 161 && u <= 255 && !keptByEncoding(u))
        return u; // the upper half of Windows-1252 coincides with Latin-1
    return -1;
}

qsizetype appendEncodedLine(QString &out, QStringView line)
{
    // Runs of copied characters go over in one append; a line without special characters
    // costs a single scan and a single copy.
    const char16_t *units = line.utf16();
    const qsizetype size = line.size();
    qsizetype replaced = 0;
    qsizetype runStart = 0;
    for (qsizetype i = nextCandidate(units, 0, size); i < size;
         i = nextCandidate(units, i + 1, size)) {
        const int code = encodedCode(QChar(units[i]));
        if (code < 0)
            continue;
        out += line.sliced(runStart, i - runStart);
        // Every encoded code has three digits: build the reference without a number
        // conversion.
        const QChar digits[] = {QLatin1Char('&'),         QLatin1Char('#'),
                                QChar(u'0' + code / 100), QChar(u'0' + code / 10 % 10),
                                QChar(u'0' + code % 10),  QLatin1Char(';')};
        out.append(digits, 6);
        runStart = i + 1;
        ++replaced;
    }
    out += line.sliced(runStart);
    return replaced;
}

QString encodeLine(QStringView line)
{
    QString out;
    out.reserve(line.size());
    appendEncodedLine(out, line);
    return out;
}

std::span<const CharacterItem> characterItems()
{
    return kItems;
}

QString itemReference(const CharacterItem &item)
{
    return reference(cp1252::code(QChar(item.character)));
}

} // namespace specialchars
