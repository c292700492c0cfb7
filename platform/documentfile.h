#pragma once

#include "platform/filestamp.h"
#include "platform/lineend.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Documents on disk. A file that is valid UTF-8 and holds more than plain ASCII is edited
// and saved as UTF-8; anything else as Windows-1252, where every byte value loads and saves
// back unchanged. A document keeps the line ends it was loaded with, each line its own.

enum class Encoding { Windows1252, Utf8 };

// How a document is written back. The defaults are those of a new document.
struct DocumentFormat {
    Encoding encoding = Encoding::Windows1252;
    LineEnd lineEnd = LineEnd::CrLf; // the usual break: most lines of the file end so
    bool bom = false;                // UTF-8 only: the file starts with a byte order mark
    OtherLineEnds otherLineEnds;     // lines that end otherwise, as the file had them

    bool operator==(const DocumentFormat &) const = default;
};

struct LoadedDocument {
    QString text; // line breaks as "\n", ready for the text widget
    DocumentFormat format;
    FileStamp stamp; // the file as it was read
};

// Larger files are refused: they would not fit the editor's memory comfortably.
inline constexpr qint64 kMaxDocumentSize = qint64(256) * 1024 * 1024;

// The first bytes of a file looked at to tell a binary file from a text.
inline constexpr qsizetype kBinarySniffSize = 8 * 1024;

// Reads a document. Throws IoError with a message for the user when the path is missing, a
// directory or not a regular file, cannot be read, is too large, or is a binary file.
LoadedDocument loadDocument(const QString &path);

// Writes `text` (line breaks in any style; the breaks of lines listed in
// format.otherLineEnds as listed, every other one in format.lineEnd) in `format`, replacing the
// file in one step through a temporary file beside it. A symbolic link is followed, and an existing
// file keeps its permissions. Throws IoError saying why when the save fails; the old file is then
// untouched.
// Returns the stamp of the file as written.
FileStamp saveDocument(const QString &path, QStringView text, const DocumentFormat &format);

// The steps of loading and saving, without the file system.
LoadedDocument decodeDocument(QByteArrayView bytes);
QByteArray encodeDocument(QStringView text, const DocumentFormat &format);

// True when a NUL byte occurs among the first kBinarySniffSize bytes. Text documents never
// hold one, while images, archives, executables and UTF-16 files hold some near their start.
bool looksBinary(QByteArrayView bytes);

// True for the documents whose characters beyond Windows-1252 are written as numeric
// references: HTML pages, where a reference means the character itself. In a script, a style
// sheet or a text a reference would change the content, so those are written in UTF-8.
bool keepsNumericReferences(const QString &path);

// The encoding `text` is saved in at `path`: `current`, except that a Windows-1252 document
// that is not an HTML page and holds a character Windows-1252 cannot hold goes to UTF-8.
Encoding savingEncoding(const QString &path, QStringView text, Encoding current);

// True when the user may write the file at `path` itself, as a direct write would need (a
// missing file counts as writable: saving creates it). A file the user may not write is
// never replaced by renaming over it, even in a directory the user may write.
bool fileWritable(const QString &path);

// The temporary file a save of `path` writes before renaming it over `path`.
QString temporarySavePath(const QString &path);
