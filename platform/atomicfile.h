#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Replaces a file by new content without ever leaving it half-written: the bytes go to
// `tempPath` first (flushed to disk), which is then renamed over `path` in one step.
// Throws IoError naming the file when any step fails; the old file is then untouched and
// the temporary file is removed.
void writeFileAtomically(const QString &path, const QByteArray &content, const QString &tempPath);

// Reads a whole file; throws IoError naming it when it is missing, a directory or unreadable.
QByteArray readWholeFile(const QString &path);

// Whether the file `path` holds exactly `expected`; throws IoError, as readWholeFile does,
// when it cannot be read.
bool fileHolds(const QString &path, QByteArrayView expected);
