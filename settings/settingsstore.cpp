#include "settings/settingsstore.h"

#include "platform/atomicfile.h"
#include "platform/cp1252.h"
#include "platform/filelock.h"

#include <QFile>

const QString kIndefini = QStringLiteral("indéfini");

namespace
{

// Value escape. A line holds any Windows-1252 text except a line break, so a value that holds
// a CR or LF, a character outside the code page, or starts with the escape mark ESC (1B) is
// stored as ESC followed by the value with "\\" for a backslash, "\r" and "\n" for CR and LF,
// and "\u{hex}" for a character outside the code page. Every other value is stored as it
// stands, byte for byte, so files written by hand or by older versions read unchanged.
constexpr char16_t kEscapeMark = 0x1B;

bool needsEscape(const QString &value)
{
    if (value.startsWith(QChar(kEscapeMark)))
        return true;
    for (QChar ch : value) {
        if (ch == u'\r' || ch == u'\n' || !cp1252::canEncode(ch))
            return true;
    }
    return false;
}

QByteArray storedValue(const QString &value)
{
    if (!needsEscape(value))
        return cp1252::encode(value);
    QString escaped{QChar(kEscapeMark)};
    for (QChar ch : value) {
        if (ch == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (ch == u'\r')
            escaped += QStringLiteral("\\r");
        else if (ch == u'\n')
            escaped += QStringLiteral("\\n");
        else if (!cp1252::canEncode(ch))
            escaped += QStringLiteral("\\u{%1}").arg(ch.unicode(), 0, 16);
        else
            escaped += ch;
    }
    return cp1252::encode(escaped);
}

QString readValue(QByteArrayView stored)
{
    QString text = cp1252::decode(stored);
    if (!text.startsWith(QChar(kEscapeMark)))
        return text;
    QString value;
    value.reserve(text.size());
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\\' || i + 1 >= text.size()) {
            value += ch;
            continue;
        }
        const QChar next = text.at(++i);
        if (next == u'r') {
            value += u'\r';
        } else if (next == u'n') {
            value += u'\n';
        } else if (next == u'u' && i + 1 < text.size() && text.at(i + 1) == u'{') {
            const qsizetype close = text.indexOf(u'}', i + 2);
            bool ok = false;
            const uint code = close < 0 ? 0 : text.mid(i + 2, close - i - 2).toUInt(&ok, 16);
            if (ok && code <= 0xFFFF) {
                value += QChar(char16_t(code));
                i = close;
            } else {
                value += u'\\';
                value += next;
            }
        } else {
            value += next; // "\\" and any unknown pair keep the second character
        }
    }
    return value;
}

// Walks the lines of a file's bytes; CR LF, LF and a lone CR each end a line.
class LineReader
{
public:
    explicit LineReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool next(QByteArrayView &line)
    {
        if (m_pos >= m_bytes.size())
            return false;
        const char *data = m_bytes.constData();
        qsizetype end = m_pos;
        while (end < m_bytes.size() && data[end] != '\r' && data[end] != '\n')
            ++end;
        line = QByteArrayView(data + m_pos, end - m_pos);
        if (end < m_bytes.size()) {
            const bool carriageReturn = data[end] == '\r';
            ++end;
            if (carriageReturn && end < m_bytes.size() && data[end] == '\n')
                ++end;
        }
        m_pos = end;
        return true;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

QString findValue(const QByteArray &prefix, const QString &file)
{
    const QByteArray bytes = readWholeFile(file);
    LineReader reader(bytes);
    QByteArrayView line;
    while (reader.next(line) && !line.isEmpty()) {
        if (line.startsWith(prefix))
            return readValue(line.sliced(prefix.size()));
    }
    return kIndefini;
}

QByteArray keyPrefix(const QString &key)
{
    return "[" + cp1252::encode(key) + "]=";
}

} // namespace

QString lireparametre(const QString &key, const QString &file)
{
    return findValue(keyPrefix(key), file);
}

QString textedialogue(int number, const QString &file)
{
    return findValue(QByteArray::number(number) + "$", file);
}

void ecrireparametre(const QString &value, const QString &key, const QString &file)
{
    const QByteArray prefix = keyPrefix(key);
    // Another process (a second editor, the page viewer) may rewrite the same file: the lock
    // keeps its read-modify-write and ours apart, so neither loses the other's line.
    const FileLock lock(file);
    const QByteArray bytes = readWholeFile(file);
    const QByteArray stored = storedValue(value);

    QByteArray out;
    out.reserve(bytes.size() + stored.size() + 64);
    LineReader reader(bytes);
    QByteArrayView line;
    bool inSettings = true;
    while (reader.next(line)) {
        if (line.isEmpty())
            inSettings = false;
        if (inSettings && line.startsWith(prefix)) {
            out += prefix;
            out += stored;
        } else {
            out += line;
        }
        out += "\r\n";
    }
    writeFileAtomically(file, out, file + QLatin1Char('~'));
}

int lireentier(const QString &key, const QString &file, int fallback)
{
    bool ok = false;
    const int value = lireparametre(key, file).trimmed().toInt(&ok);
    return ok ? value : fallback;
}
