#include "platform/documentfile.h"

#include "platform/atomicfile.h"
#include "platform/cp1252.h"
#include "platform/ioerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <array>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("fichiers", text);
}

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// Counts the line breaks of each style met while a text is decoded, and remembers the style
// of each, so that every line is written back with its own.
class LineEndTally
{
public:
    void note(LineEnd end, qsizetype at)
    {
        const auto i = std::size_t(end);
        if (m_count[i]++ == 0)
            m_first[i] = at;
        m_ends.push_back(end);
    }

    // The lines whose break is not `usual`.
    OtherLineEnds others(LineEnd usual) const
    {
        OtherLineEnds list;
        if (m_count[std::size_t(usual)] == qsizetype(m_ends.size()))
            return list;
        for (std::size_t line = 0; line < m_ends.size(); ++line) {
            if (m_ends[line] != usual)
                list.emplace_back(int(line), m_ends[line]);
        }
        return list;
    }

    // The style of most line breaks; on a tie, the one met first; CR LF when there is none.
    LineEnd dominant() const
    {
        LineEnd best = LineEnd::CrLf;
        for (LineEnd end : {LineEnd::Lf, LineEnd::Cr}) {
            const auto i = std::size_t(end);
            const auto b = std::size_t(best);
            if (m_count[i] > m_count[b] ||
                (m_count[i] == m_count[b] && m_count[i] > 0 && m_first[i] < m_first[b]))
                best = end;
        }
        return best;
    }

private:
    std::array<qsizetype, 3> m_count{};
    std::array<qsizetype, 3> m_first{-1, -1, -1};
    std::vector<LineEnd> m_ends;
};

// Asks the kernel to back a large buffer that is about to be filled with huge pages. Its
// first touch otherwise takes one page fault per 4 KB, which on some virtual machines costs
// more than decoding the text itself.
void preferHugePages(void *data, qsizetype bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr qsizetype kWorthIt = qsizetype(4) * 1024 * 1024;
    if (bytes < kWorthIt)
        return;
    const auto page = quintptr(::sysconf(_SC_PAGESIZE));
    const auto first = (quintptr(data) + page - 1) & ~(page - 1);
    const auto last = (quintptr(data) + quintptr(bytes)) & ~(page - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(bytes);
#endif
}

// True when the eight bytes at `p` are ASCII and none is CR or LF.
bool plainAscii(const uchar *p)
{
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHighs = 0x8080808080808080ULL;
    quint64 word;
    std::memcpy(&word, p, sizeof word);
    const auto hasByte = [&](uchar byte) {
        const quint64 x = word ^ (kOnes * byte);
        return ((x - kOnes) & ~x & kHighs) != 0;
    };
    return (word & kHighs) == 0 && !hasByte('\n') && !hasByte('\r');
}

// Decodes `bytes` into `text` in one pass, writing every line break as "\n" and tallying the
// line ends. ASCII is copied as it is; `decodeOther` decodes the character that starts with a
// byte of 0x80 or more, advancing `p` and `out`, and returns false on bytes it cannot read.
template <typename DecodeOther>
bool decodeLines(QByteArrayView bytes, QString &text, LineEndTally &ends, DecodeOther decodeOther)
{
    // A byte never gives more than one UTF-16 unit, so the text fits in bytes.size() units.
    text = QString(bytes.size(), Qt::Uninitialized);
    preferHugePages(text.data(), text.size() * qsizetype(sizeof(QChar)));
    char16_t *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    const auto *const start = reinterpret_cast<const uchar *>(bytes.data());
    const auto *const end = start + bytes.size();
    const uchar *p = start;
    while (p < end) {
        while (end - p >= 8 && plainAscii(p)) {
            for (int i = 0; i < 8; ++i)
                out[i] = p[i];
            p += 8;
            out += 8;
        }
        if (p == end)
            break;
        const uchar byte = *p;
        if (byte == '\n') {
            ends.note(LineEnd::Lf, p - start);
            *out++ = u'\n';
            ++p;
        } else if (byte == '\r') {
            const bool pair = p + 1 < end && p[1] == '\n';
            ends.note(pair ? LineEnd::CrLf : LineEnd::Cr, p - start);
            *out++ = u'\n';
            p += pair ? 2 : 1;
        } else if (byte < 0x80) {
            *out++ = byte;
            ++p;
        } else if (!decodeOther(p, end, out)) {
            return false;
        }
    }
    text.truncate(out - begin);
    return true;
}

// One character of strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool decodeUtf8Character(const uchar *&p, const uchar *end, char16_t *&out)
{
    const uchar lead = *p;
    int following = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    char32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        following = 1;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        following = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        following = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
        codePoint = lead & 0x07;
    } else {
        return false;
    }
    if (end - p <= following || p[1] < low || p[1] > high)
        return false;
    for (int i = 1; i <= following; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return false;
        codePoint = (codePoint << 6) | (p[i] & 0x3F);
    }
    p += following + 1;
    if (codePoint < 0x10000) {
        *out++ = char16_t(codePoint);
    } else {
        *out++ = QChar::highSurrogate(codePoint);
        *out++ = QChar::lowSurrogate(codePoint);
    }
    return true;
}

bool decodeWindows1252Character(const uchar *&p, const uchar *, char16_t *&out)
{
    static const std::array<char16_t, 128> kHighHalf = [] {
        std::array<char16_t, 128> table{};
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            table[byte - 0x80] = cp1252::toUnicode(uchar(byte)).unicode();
        return table;
    }();
    *out++ = kHighHalf[*p++ - 0x80];
    return true;
}

void appendReference(QByteArray &out, char32_t codePoint)
{
    out += "&#";
    out += QByteArray::number(quint32(codePoint));
    out += ';';
}

void appendUtf8(QByteArray &out, char32_t cp)
{
    if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

QByteArrayView lineEndBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::Lf:
        return "\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::CrLf:
        break;
    }
    return "\r\n";
}

// The file a save really replaces: the target of a symbolic link, so the link survives.
QString saveTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

// Creates the temporary file with the permissions of the file it will replace, so that the
// rename does not change them. A temporary path that is a symbolic link is left alone.
void prepareTemporary(const QString &target, const QString &temp)
{
    struct stat existing {
    };
    if (::stat(QFile::encodeName(target).constData(), &existing) != 0)
        return;
    const QByteArray tempName = QFile::encodeName(temp);
    struct stat old {
    };
    if (::lstat(tempName.constData(), &old) == 0) {
        if (S_ISLNK(old.st_mode))
            return;
        ::unlink(tempName.constData());
    }
    const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    ::fchmod(fd, existing.st_mode & 07777);
    ::close(fd);
}

} // namespace

bool looksBinary(QByteArrayView bytes)
{
    return bytes.first(std::min(bytes.size(), kBinarySniffSize)).contains('\0');
}

LoadedDocument decodeDocument(QByteArrayView bytes)
{
    LoadedDocument document;
    LineEndTally ends;
    const bool bom = bytes.startsWith(kUtf8Bom);
    bool ascii = true;
    const auto utf8 = [&ascii](const uchar *&p, const uchar *end, char16_t *&out) {
        ascii = false;
        return decodeUtf8Character(p, end, out);
    };
    if (decodeLines(bom ? bytes.sliced(3) : bytes, document.text, ends, utf8)) {
        // Plain ASCII reads the same in both encodings and stays Windows-1252.
        document.format.encoding = bom || !ascii ? Encoding::Utf8 : Encoding::Windows1252;
        document.format.bom = bom;
    } else {
        ends = {};
        decodeLines(bytes, document.text, ends, decodeWindows1252Character);
    }
    document.format.lineEnd = ends.dominant();
    document.format.otherLineEnds = ends.others(document.format.lineEnd);
    return document;
}

QByteArray encodeDocument(QStringView text, const DocumentFormat &format)
{
    const bool utf8 = format.encoding == Encoding::Utf8;
    const QByteArrayView usualEnd = lineEndBytes(format.lineEnd);
    // The break of each line: the usual one, or the one listed for that line.
    int line = 0;
    auto other = format.otherLineEnds.cbegin();
    const auto otherEnd = format.otherLineEnds.cend();
    const auto breakOfLine = [&]() -> QByteArrayView {
        while (other != otherEnd && other->first < line)
            ++other;
        const bool own = other != otherEnd && other->first == line;
        ++line;
        return own ? lineEndBytes(other->second) : usualEnd;
    };
    QByteArray out;
    out.reserve(text.size() + text.size() / 8 + 16);
    if (utf8 && format.bom)
        out += kUtf8Bom;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit == u'\r' || unit == u'\n') {
            out.append(breakOfLine());
            if (unit == u'\r' && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (unit < 0x80) {
            out += char(unit);
            continue;
        }
        char32_t codePoint = unit;
        const bool lone = QChar::isSurrogate(unit);
        if (QChar::isHighSurrogate(unit) && i + 1 < size && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(unit, text[++i].unicode());
        } else if (lone) {
            appendReference(out, codePoint); // half a pair has no encoding at all
            continue;
        }
        if (utf8) {
            appendUtf8(out, codePoint);
            continue;
        }
        const int code = codePoint <= 0xFFFF ? cp1252::code(QChar(char16_t(codePoint))) : -1;
        if (code >= 0)
            out += char(code);
        else
            appendReference(out, codePoint);
    }
    return out;
}

bool keepsNumericReferences(const QString &path)
{
    static const QStringList kPages{QStringLiteral("htm"), QStringLiteral("html"),
                                    QStringLiteral("shtml"), QStringLiteral("xhtml")};
    return kPages.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

Encoding savingEncoding(const QString &path, QStringView text, Encoding current)
{
    if (current == Encoding::Utf8 || keepsNumericReferences(path) || cp1252::canEncodeAll(text))
        return current;
    return Encoding::Utf8;
}

bool fileWritable(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {
    };
    if (::stat(name.constData(), &info) != 0)
        return true;
    return ::access(name.constData(), W_OK) == 0;
}

QString temporarySavePath(const QString &path)
{
    const QFileInfo info(path);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".brindel~");
}

LoadedDocument loadDocument(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile()) {
        throw IoError(
            tr("%1 n'est pas un fichier ordinaire : il ne peut pas être ouvert dans l'éditeur.")
                .arg(path));
    }
    if (info.isFile() && info.size() > kMaxDocumentSize) {
        throw IoError(tr("Le fichier %1 est trop volumineux pour l'éditeur (%2 Mo, au plus %3 Mo).")
                          .arg(path, QString::number(info.size() / (1024 * 1024)),
                               QString::number(kMaxDocumentSize / (1024 * 1024))));
    }
    const QByteArray bytes = readWholeFile(path);
    if (looksBinary(bytes)) {
        throw IoError(tr("Le fichier %1 n'est pas un fichier texte (il contient des octets nuls) : "
                         "il ne peut pas être ouvert dans l'éditeur.")
                          .arg(path));
    }
    LoadedDocument document = decodeDocument(bytes);
    document.stamp = FileStamp::of(path, bytes);
    return document;
}

FileStamp saveDocument(const QString &path, QStringView text, const DocumentFormat &format)
{
    const QString target = saveTarget(path);
    if (QFileInfo(target).isDir()) {
        throw IoError(
            tr("%1 est un répertoire : le document ne peut pas y être enregistré.").arg(path));
    }
    if (!fileWritable(target)) {
        throw IoError(tr("Le document %1 n'a pas été enregistré : le fichier est en lecture "
                         "seule (vous n'avez pas le droit de le modifier).")
                          .arg(path));
    }
    const QByteArray bytes = encodeDocument(text, format);
    const QString temp = temporarySavePath(target);
    prepareTemporary(target, temp);
    try {
        writeFileAtomically(target, bytes, temp);
    } catch (const IoError &error) {
        // The temporary file is ours (made just above or by the failed write): never leave it.
        const QFileInfo left(temp);
        if (left.exists() && !left.isSymLink())
            QFile::remove(temp);
        throw IoError(tr("Le document %1 n'a pas été enregistré.\n%2").arg(path, error.message()));
    }
    return FileStamp::of(path, bytes);
}
