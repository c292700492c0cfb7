#pragma once

#include "analyzer/analyseur.h"

#include <QByteArrayView>
#include <QString>

// Bytes of a file mapped at a time: the reading's memory, whatever the file's size.
inline constexpr qsizetype kFenetreLecture = 256 * 1024;

// Analysis of a document file as the editor reads it (see textedocument.h), for the
// command-line checker. The file is read twice in windows of kFenetreLecture bytes mapped one
// at a time (in blocks when it cannot be mapped), never held whole: once to choose its
// encoding, then to hand its text to the engine, which stops reading at the first finding.
// Throws IoError naming the file when it is missing, a directory, unreadable, or a binary file
// (a NUL byte near its start), which the editor does not open either.
ResultatAnalyse analyseFichier(const QString &chemin, const EnvironnementAnalyse &environnement);

// The same on a document already read whole (standard input); `nom` names it in messages.
ResultatAnalyse analyseDocument(QByteArrayView octets, const QString &nom,
                                const EnvironnementAnalyse &environnement);
