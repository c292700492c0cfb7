#include "platform/documentfile.h"

#include "platform/atomicfile.h"
#include "platform/cp1252.h"
#include "platform/ioerror.h"
#include "platform/linebreaks.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("fichiers", text);
}

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

struct Utf8Scan {
    bool valid = true;
    bool ascii = true;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
Utf8Scan scanUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    Utf8Scan scan;
    while (p < end) {
        while (end - p >= 8) {
            quint64 word;
            std::memcpy(&word, p, sizeof word);
            if (word & 0x8080808080808080ULL)
                break;
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        scan.ascii = false;
        int following = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return {false, false};
        }
        if (end - p <= following || p[1] < low || p[1] > high)
            return {false, false};
        for (int i = 2; i <= following; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return {false, false};
        }
        p += following + 1;
    }
    return scan;
}

// The line end used by most line breaks; on a tie, the one met first.
LineEnd dominantLineEnd(QByteArrayView bytes)
{
    std::array<qsizetype, 3> count{};
    std::array<qsizetype, 3> first{-1, -1, -1};
    const auto note = [&](LineEnd end, qsizetype at) {
        const auto i = std::size_t(end);
        if (count[i]++ == 0)
            first[i] = at;
    };
    const char *data = bytes.data();
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            note(LineEnd::Lf, i);
        } else if (data[i] == '\r') {
            if (i + 1 < size && data[i + 1] == '\n') {
                note(LineEnd::CrLf, i);
                ++i;
            } else {
                note(LineEnd::Cr, i);
            }
        }
    }
    LineEnd best = LineEnd::CrLf;
    for (LineEnd end : {LineEnd::Lf, LineEnd::Cr}) {
        const auto i = std::size_t(end);
        const auto b = std::size_t(best);
        if (count[i] > count[b] || (count[i] == count[b] && count[i] > 0 && first[i] < first[b]))
            best = end;
    }
    return best;
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

QByteArray lineEndBytes(LineEnd end)
{
    switch (end) {
    case LineEnd::Lf:
        return QByteArrayLiteral("\n");
    case LineEnd::Cr:
        return QByteArrayLiteral("\r");
    case LineEnd::CrLf:
        break;
    }
    return QByteArrayLiteral("\r\n");
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
    const Utf8Scan scan = scanUtf8(bytes);
    if (scan.valid && !scan.ascii) {
        document.format.encoding = Encoding::Utf8;
        document.format.bom = bytes.startsWith(kUtf8Bom);
        document.text = QString::fromUtf8(document.format.bom ? bytes.sliced(3) : bytes);
    } else {
        document.text = cp1252::decode(bytes);
    }
    document.format.lineEnd = dominantLineEnd(bytes);
    document.text = linebreaks::toLf(std::move(document.text));
    return document;
}

QByteArray encodeDocument(QStringView text, const DocumentFormat &format)
{
    const bool utf8 = format.encoding == Encoding::Utf8;
    const QByteArray lineEnd = lineEndBytes(format.lineEnd);
    QByteArray out;
    out.reserve(text.size() + text.size() / 8 + 16);
    if (utf8 && format.bom)
        out += kUtf8Bom;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit == u'\r' || unit == u'\n') {
            out += lineEnd;
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
    return decodeDocument(bytes);
}

void saveDocument(const QString &path, QStringView text, const DocumentFormat &format)
{
    const QString target = saveTarget(path);
    if (QFileInfo(target).isDir()) {
        throw IoError(
            tr("%1 est un répertoire : le document ne peut pas y être enregistré.").arg(path));
    }
    const QByteArray bytes = encodeDocument(text, format);
    const QString temp = temporarySavePath(target);
    prepareTemporary(target, temp);
    try {
        writeFileAtomically(target, bytes, temp);
    } catch (const IoError &error) {
        throw IoError(tr("Le document %1 n'a pas été enregistré.\n%2").arg(path, error.message()));
    }
}
