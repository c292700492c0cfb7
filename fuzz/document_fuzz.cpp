// Document decoding and encoding on arbitrary bytes, and saving and loading them.
//
// The input is used twice:
// - as the bytes of a file: decoded, encoded again in the format it was read with, saved and
//   loaded. Its text must come back unchanged; so must its bytes when its line breaks are all
//   of one kind (a document with mixed breaks is saved with the kind used most).
// - as a text typed in the editor (UTF-16 code units, lone surrogates included), encoded in a
//   format chosen by the first byte: every character must be written as itself or, where the
//   encoding has no place for it, as its numeric reference; never dropped.

#include "fuzz/fuzzsupport.h"
#include "platform/cp1252.h"
#include "platform/documentfile.h"
#include "platform/ioerror.h"

#include <QCoreApplication>

namespace
{

// True when the line breaks of the bytes are all CR LF, all LF or all lone CR (or absent).
bool oneKindOfBreak(QByteArrayView bytes)
{
    bool crlf = false, lf = false, cr = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            lf = true;
        } else if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                crlf = true;
                ++i;
            } else {
                cr = true;
            }
        }
    }
    return int(crlf) + int(lf) + int(cr) <= 1;
}

QString describe(const DocumentFormat &format)
{
    return QStringLiteral("encoding %1 line end %2 bom %3")
        .arg(int(format.encoding))
        .arg(int(format.lineEnd))
        .arg(format.bom);
}

// What encoding a typed text must give, built one character at a time.
QByteArray expectedBytes(const QString &text, const DocumentFormat &format)
{
    const bool utf8 = format.encoding == Encoding::Utf8;
    const QByteArray lineEnd = format.lineEnd == LineEnd::Lf   ? QByteArray("\n")
                               : format.lineEnd == LineEnd::Cr ? QByteArray("\r")
                                                               : QByteArray("\r\n");
    QByteArray out = utf8 && format.bom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    const auto reference = [&](char32_t codePoint) {
        out += "&#" + QByteArray::number(quint32(codePoint)) + ';';
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += lineEnd;
        } else if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const QString pair = text.mid(i++, 2);
            if (utf8)
                out += pair.toUtf8();
            else
                reference(QChar::surrogateToUcs4(pair[0], pair[1]));
        } else if (ch.isSurrogate()) {
            reference(ch.unicode());
        } else if (utf8) {
            out += QString(ch).toUtf8();
        } else if (cp1252::canEncode(ch)) {
            out += char(cp1252::code(ch));
        } else {
            reference(ch.unicode());
        }
    }
    return out;
}

fuzz::ScratchDir *scratch;

void checkFileBytes(QByteArrayView bytes)
{
    const LoadedDocument document = decodeDocument(bytes);
    const QByteArray encoded = encodeDocument(document.text, document.format);
    const LoadedDocument again = decodeDocument(encoded);
    fuzz::require(again.text == document.text, "a document's text survives a save and a load");
    fuzz::require(again.format == document.format, "a document keeps its format",
                  describe(document.format) + QStringLiteral(" became ") + describe(again.format));
    if (oneKindOfBreak(bytes)) {
        fuzz::require(encoded == bytes, "a document's bytes come back unchanged",
                      describe(document.format));
    }

    const QString name = QStringLiteral("page.htm");
    const QString file = scratch->file(name);
    saveDocument(file, document.text, document.format);
    fuzz::require(scratch->read(name) == encoded, "saving writes the encoded bytes");
    try {
        const LoadedDocument loaded = loadDocument(file);
        fuzz::require(!looksBinary(encoded), "a binary file is refused");
        fuzz::require(loaded.text == document.text && loaded.format == document.format,
                      "loading the saved file gives the document back");
    } catch (const IoError &) {
        fuzz::require(looksBinary(encoded), "only a binary file is refused");
    }
}

void checkTypedText(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    const uchar choice = uchar(bytes[0]);
    DocumentFormat format;
    format.encoding = choice & 1 ? Encoding::Utf8 : Encoding::Windows1252;
    format.lineEnd = LineEnd((choice >> 1) % 3);
    format.bom = format.encoding == Encoding::Utf8 && (choice & 8);
    const QByteArrayView units = bytes.sliced(1);
    const QString text(reinterpret_cast<const QChar *>(units.data()), units.size() / 2);

    const QByteArray encoded = encodeDocument(text, format);
    fuzz::require(encoded == expectedBytes(text, format),
                  "each character is written as itself or as its numeric reference",
                  describe(format) + QStringLiteral(" text ") + fuzz::shown(text));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    scratch = new fuzz::ScratchDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytes(data, size);
    checkFileBytes(bytes);
    checkTypedText(bytes);
    return 0;
}
