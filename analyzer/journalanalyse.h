#pragma once

#include "analyzer/analyseur.h"

#include <QString>

#include <functional>

// The analysis log: program directory + "analyse.log", Windows-1252 lines ended by CR LF,
// holding the warnings of one run followed by its final line.

QString fichierAnalyse();

// Creates the log empty, replacing any earlier content. Throws IoError when it cannot.
void videanalyse();

// Appends one line to the log, which must exist. A character that Windows-1252 cannot hold is
// written as its numeric character reference. Throws IoError when the file cannot be opened or
// written.
void ecrireanalyse(const QString &text);

// The final line of the log for a result: the text of no finding, or "Erreur : " with the word
// and the text of the finding code, from the dialog texts given by `texte` (texteDialogue).
QString ligneFinaleAnalyse(const ResultatAnalyse &resultat,
                           const std::function<QString(int)> &texte);
