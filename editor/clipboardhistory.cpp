#include "editor/clipboardhistory.h"

#include "platform/atomicfile.h"
#include "platform/cp1252.h"
#include "platform/documentfile.h"
#include "platform/ioerror.h"
#include "settings/programdir.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("fichiers", text);
}

bool isAscii(const QString &text)
{
    for (QChar ch : text) {
        if (ch.unicode() >= 0x80)
            return false;
    }
    return true;
}

QByteArray encoded(const QString &text, Encoding encoding)
{
    DocumentFormat format;
    format.encoding = encoding;
    format.lineEnd = LineEnd::CrLf;
    return encodeDocument(text, format);
}

// The existing history, or nothing when there is no file yet (or a device stands in its
// place, which has nothing to read back).
QByteArray existingBytes(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && (info.isFile() || info.isDir()) ? readWholeFile(path) : QByteArray();
}

void appendBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw IoError(tr("Impossible d'écrire le fichier %1 : %2").arg(path, file.errorString()));
    const qint64 before = file.size();
    if (file.write(bytes) == bytes.size() && file.flush())
        return;
    const QString reason = file.errorString();
    file.unsetError();
    file.resize(before); // a part of an entry would run into the next one
    throw IoError(tr("Impossible d'écrire le fichier %1 : %2").arg(path, reason));
}

} // namespace

QString clipboardHistoryFile()
{
    return programDirectory() + QStringLiteral("presse.sav");
}

void appendClipboardHistory(const QString &path, const QString &entry)
{
    const QString text = entry + QStringLiteral("\r\n");
    // ASCII reads the same in both encodings: no need to look at the file.
    if (isAscii(text)) {
        appendBytes(path, encoded(text, Encoding::Windows1252));
        return;
    }
    const QByteArray old = existingBytes(path);
    const LoadedDocument history = decodeDocument(old);
    if (history.format.encoding == Encoding::Utf8) {
        appendBytes(path, encoded(text, Encoding::Utf8));
        return;
    }
    if (cp1252::canEncodeAll(text)) {
        appendBytes(path, encoded(text, Encoding::Windows1252));
        return;
    }
    if (isAscii(history.text)) {
        // Nothing to convert: the UTF-8 entry makes the whole file UTF-8.
        appendBytes(path, encoded(text, Encoding::Utf8));
        return;
    }
    // Windows-1252 history and an entry that code page cannot hold: the whole file becomes
    // UTF-8, in one replacement, so that no character of either is lost.
    writeFileAtomically(path, encoded(history.text + text, Encoding::Utf8),
                        temporarySavePath(path));
}

bool clipboardHistoryHasEntries(const QString &path)
{
    return QFileInfo(path).size() > 0;
}

QString readClipboardHistory(const QString &path)
{
    return decodeDocument(existingBytes(path)).text;
}
