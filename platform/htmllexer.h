#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Splits HTML source into the kinds of text the editor colours, one line at a time.
//
// A line is lexed from the state the previous line ended in (kStartState for the first
// line) and returns the state it ends in, so that an editor can lex only the lines it shows
// and keep one small number per line. The lexer never fails: any text gives spans.
namespace htmllexer
{

enum class Kind : unsigned char {
    Text,           // character data
    Tag,            // "<", the element name, "/", ">" of a start or end tag; <!...> and <?...?>
    AttributeName,  // an attribute name inside a tag
    AttributeValue, // "=" and the value after it, quoted or not
    Comment,        // <!-- ... -->
    Entity,         // &name; &#123; &#x7B; (the ";" may be missing)
    Script,         // the content of a SCRIPT element
    Style,          // the content of a STYLE element
};

struct Span {
    int start;
    int length;
    Kind kind;
    bool operator==(const Span &) const = default;
};

// The state before the first line. Every state fits in 0..255.
constexpr int kStartState = 0;

// Lexes `line` (without its line break) from `state`; appends the spans of every kind but
// Text to `spans` when it is given (adjacent characters of one kind form one span) and
// returns the state at the end of the line.
int lexLine(QStringView line, int state, QList<Span> *spans = nullptr);

// Where the partner of the delimiter at or just before `column` in a line stands: a bracket
// ( ) [ ] { } or a tag's "<" / ">". Tags are matched by name in `matchTag`.
struct TagAt {
    int start = -1; // position of "<"
    int end = -1;   // position after ">" (or the end of the line when the tag goes on)
    QString name;   // lower case; empty when there is no tag
    bool closing = false;
    bool selfClosing = false;
};

// The start or end tag whose text holds `column` (from "<" to ">", both included), or one
// with an empty name.
TagAt tagAt(QStringView line, int column);

// Every start and end tag named `name` (lower case) in `line`, in order; comments are
// skipped from `state` on, as lexLine sees them.
struct TagMark {
    int start;
    int length; // "<" up to the end of the name
    bool closing;
};
QList<TagMark> tagsNamed(QStringView line, int state, const QString &name);

// The position in `line` of the bracket that pairs with the one at `column`, searching only
// this line; -1 when there is none or `column` holds no bracket.
int matchBracketInLine(QStringView line, int column);

} // namespace htmllexer
