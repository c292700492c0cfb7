#include "platform/htmllexer.h"

#include <algorithm>
#include <cctype>

namespace htmllexer
{
namespace
{

// What the lexer is in the middle of; the low four bits of a state.
enum Mode : int {
    Data = 0,
    InComment = 1,
    InTag = 2,
    AfterEquals = 3,
    InDoubleQuoted = 4,
    InSingleQuoted = 5,
    InScript = 6,
    InStyle = 7,
    InDeclaration = 8,
};

// Bits 4-5 of a state: the raw-text element whose start tag is being read, entered at ">".
enum Raw : int { NoRaw = 0, RawScript = 1, RawStyle = 2 };

int makeState(int mode, int raw = NoRaw)
{
    return mode | (raw << 4);
}

bool isNameStart(QChar c)
{
    return c.isLetter();
}
bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

bool startsWithNoCase(QStringView text, int at, QStringView word)
{
    return text.size() - at >= word.size() &&
           text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// Collects spans, joining adjacent characters of one kind.
class Spans
{
public:
    explicit Spans(QList<Span> *out) : m_out(out) {}
    void add(int start, int length, Kind kind)
    {
        if (!m_out || length <= 0 || kind == Kind::Text)
            return;
        if (!m_out->isEmpty()) {
            Span &last = m_out->last();
            if (last.kind == kind && last.start + last.length == start) {
                last.length += length;
                return;
            }
        }
        m_out->append({start, length, kind});
    }

private:
    QList<Span> *m_out;
};

// The length of an entity or character reference at `at` ("&" included), or 0.
int referenceLength(QStringView line, int at)
{
    int i = at + 1;
    const int n = int(line.size());
    if (i < n && line[i] == u'#') {
        ++i;
        const bool hex = i < n && (line[i] == u'x' || line[i] == u'X');
        if (hex)
            ++i;
        const int digits = i;
        while (i < n && (hex ? isxdigit(line[i].toLatin1()) && line[i].unicode() < 128
                             : line[i].isDigit() && line[i].unicode() < 128))
            ++i;
        if (i == digits)
            return 0;
    } else {
        if (i >= n || !line[i].isLetter() || line[i].unicode() >= 128)
            return 0;
        while (i < n && line[i].isLetterOrNumber() && line[i].unicode() < 128)
            ++i;
    }
    if (i < n && line[i] == u';')
        ++i;
    return i - at;
}

// Reads the tag opening at `at` ("<" then a name, or "</" then a name); returns its length
// up to the end of the name, or 0 when it is no tag. Sets `raw` for SCRIPT and STYLE.
int tagOpening(QStringView line, int at, int *raw, bool *closing, QString *name = nullptr)
{
    const int n = int(line.size());
    int i = at + 1;
    *closing = i < n && line[i] == u'/';
    if (*closing)
        ++i;
    if (i >= n || !isNameStart(line[i]))
        return 0;
    const int nameStart = i;
    while (i < n && isNameChar(line[i]))
        ++i;
    const QStringView tagName = line.mid(nameStart, i - nameStart);
    *raw = NoRaw;
    if (!*closing) {
        if (tagName.compare(u"script", Qt::CaseInsensitive) == 0)
            *raw = RawScript;
        else if (tagName.compare(u"style", Qt::CaseInsensitive) == 0)
            *raw = RawStyle;
    }
    if (name)
        *name = tagName.toString().toLower();
    return i - at;
}

} // namespace

int lexLine(QStringView line, int state, QList<Span> *spans)
{
    Spans out(spans);
    int mode = state & 0xF;
    int raw = (state >> 4) & 0x3;
    const int n = int(line.size());
    int i = 0;
    // The run from i through the first `terminator` as `kind`, or to the line's end when the
    // line does not hold it; once the terminator is met the scan goes on in `after`.
    const auto runThrough = [&](QStringView terminator, Kind kind, int after) {
        const int end = int(line.indexOf(terminator, i));
        const int stop = end < 0 ? n : end + int(terminator.size());
        out.add(i, stop - i, kind);
        i = stop;
        if (end >= 0)
            mode = after;
    };
    while (i < n) {
        const QChar c = line[i];
        switch (mode) {
        case InScript:
        case InStyle: {
            // Raw text runs up to its own end tag, whatever it holds.
            const QStringView endTag = mode == InScript ? u"</script" : u"</style";
            int end = i;
            while (end < n && !startsWithNoCase(line, end, endTag))
                ++end;
            out.add(i, end - i, mode == InScript ? Kind::Script : Kind::Style);
            i = end;
            if (i < n)
                mode = Data;
            break;
        }
        case InComment:
            runThrough(u"-->", Kind::Comment, Data);
            break;
        case InDeclaration:
            runThrough(u">", Kind::Tag, Data);
            break;
        case InDoubleQuoted:
            runThrough(u"\"", Kind::AttributeValue, InTag);
            break;
        case InSingleQuoted:
            runThrough(u"'", Kind::AttributeValue, InTag);
            break;
        case AfterEquals:
            if (c.isSpace()) {
                ++i;
            } else if (c == u'"' || c == u'\'') {
                out.add(i, 1, Kind::AttributeValue);
                mode = c == u'"' ? InDoubleQuoted : InSingleQuoted;
                ++i;
            } else if (c == u'>') {
                mode = InTag; // the tag ends here: read ">" as a tag's end
            } else {
                int end = i;
                while (end < n && !line[end].isSpace() && line[end] != u'>')
                    ++end;
                out.add(i, end - i, Kind::AttributeValue);
                i = end;
                mode = InTag;
            }
            break;
        case InTag:
            if (c.isSpace()) {
                ++i;
            } else if (c == u'>') {
                out.add(i, 1, Kind::Tag);
                ++i;
                mode = raw == RawScript ? InScript : raw == RawStyle ? InStyle : Data;
                raw = NoRaw;
            } else if (c == u'/' && i + 1 < n && line[i + 1] == u'>') {
                out.add(i, 2, Kind::Tag);
                i += 2;
                mode = Data;
                raw = NoRaw;
            } else if (c == u'=') {
                out.add(i, 1, Kind::AttributeValue);
                ++i;
                mode = AfterEquals;
            } else if (c == u'<') {
                mode = Data; // an unclosed tag: the next one begins
            } else {
                int end = i + 1;
                while (end < n && !line[end].isSpace() && line[end] != u'>' && line[end] != u'=' &&
                       line[end] != u'<' &&
                       !(line[end] == u'/' && end + 1 < n && line[end + 1] == u'>'))
                    ++end;
                out.add(i, end - i, Kind::AttributeName);
                i = end;
            }
            break;
        default: // Data
            if (c == u'<') {
                if (startsWithNoCase(line, i, u"<!--")) {
                    out.add(i, 4, Kind::Comment);
                    i += 4;
                    mode = InComment;
                    break;
                }
                if (i + 1 < n && (line[i + 1] == u'!' || line[i + 1] == u'?')) {
                    out.add(i, 2, Kind::Tag);
                    i += 2;
                    mode = InDeclaration;
                    break;
                }
                bool closing = false;
                int tagRaw = NoRaw;
                const int length = tagOpening(line, i, &tagRaw, &closing);
                if (length > 0) {
                    out.add(i, length, Kind::Tag);
                    i += length;
                    mode = InTag;
                    raw = tagRaw;
                    break;
                }
                ++i;
            } else if (c == u'&') {
                const int length = referenceLength(line, i);
                out.add(i, std::max(length, 1), length > 0 ? Kind::Entity : Kind::Text);
                i += std::max(length, 1);
            } else {
                ++i;
            }
            break;
        }
    }
    return makeState(mode, mode == InTag || mode == AfterEquals || mode == InDoubleQuoted ||
                                   mode == InSingleQuoted
                               ? raw
                               : NoRaw);
}

TagAt tagAt(QStringView line, int column)
{
    TagAt result;
    const int n = int(line.size());
    if (column < 0 || column >= n)
        return result;
    int open = column;
    while (open >= 0 && line[open] != u'<' && (open == column || line[open] != u'>'))
        --open;
    if (open < 0 || line[open] != u'<')
        return result;
    int raw = NoRaw;
    bool closing = false;
    QString name;
    const int length = tagOpening(line, open, &raw, &closing, &name);
    if (length == 0)
        return result;
    int end = int(line.indexOf(u'>', open + length));
    if (end >= 0 && end < column)
        return result;
    result.start = open;
    result.end = end < 0 ? n : end + 1;
    result.name = name;
    result.closing = closing;
    result.selfClosing = end > 0 && line[end - 1] == u'/';
    return result;
}

QList<TagMark> tagsNamed(QStringView line, int state, const QString &name)
{
    QList<Span> spans;
    lexLine(line, state, &spans);
    QList<TagMark> marks;
    for (const Span &span : spans) {
        if (span.kind != Kind::Tag)
            continue;
        for (int i = span.start; i < span.start + span.length; ++i) {
            if (line[i] != u'<')
                continue;
            int raw = NoRaw;
            bool closing = false;
            QString tagName;
            const int length = tagOpening(line, i, &raw, &closing, &tagName);
            if (length > 0 && tagName == name)
                marks.append({i, length, closing});
        }
    }
    return marks;
}

int matchBracketInLine(QStringView line, int column)
{
    static const QStringView kOpen = u"([{";
    static const QStringView kClose = u")]}";
    if (column < 0 || column >= line.size())
        return -1;
    const QChar c = line[column];
    const qsizetype opening = kOpen.indexOf(c);
    const qsizetype closing = kClose.indexOf(c);
    if (opening < 0 && closing < 0)
        return -1;
    const QChar partner = opening >= 0 ? kClose[opening] : kOpen[closing];
    const int step = opening >= 0 ? 1 : -1;
    int depth = 0;
    for (int i = column; i >= 0 && i < line.size(); i += step) {
        if (line[i] == c)
            ++depth;
        else if (line[i] == partner && --depth == 0)
            return i;
    }
    return -1;
}

} // namespace htmllexer
