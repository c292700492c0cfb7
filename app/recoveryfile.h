#pragma once

#include "platform/documentfile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The file that keeps a modified document's text in the recovery folder until it is saved
// or closed: a short header (the document's path and caption, its encoding) and the text in
// UTF-8 with each line's own break, so that nothing the document holds is lost on the way.

struct RecoveredDocument {
    QString path;            // the document's file; empty for an untitled document
    QString caption;         // its window title
    LoadedDocument document; // the text and the format to save it in
};

QByteArray recoveryBytes(const QString &path, const QString &caption, QStringView text,
                         const DocumentFormat &format);

// Nothing when the bytes are not a recovery file (damaged, or of another kind).
std::optional<RecoveredDocument> readRecovery(QByteArrayView bytes);
