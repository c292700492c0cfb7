// The analyzer engine on arbitrary bytes, read as the command-line checker reads a file:
// decoded as UTF-8 when valid and not plain ASCII, else as Windows-1252, and split into lines
// at CR LF, LF or a lone CR.
//
// The engine runs twice, once straight on the bytes (brindel-analyse) and once on the decoded
// lines (the editor), and both runs must agree on the result and on every warning with a plain
// character-by-character scan (referenceanalyzer.h). The lines must also be those of the
// document as the editor loads it.

#include "analyzer/analyseur.h"
#include "analyzer/textedocument.h"
#include "fuzz/fuzzsupport.h"
#include "fuzz/referenceanalyzer.h"
#include "platform/documentfile.h"

#include <QCoreApplication>

namespace
{

struct Run {
    ResultatAnalyse resultat;
    QStringList log; // warnings and information boxes, in order
};

EnvironnementAnalyse environment(Run &run)
{
    EnvironnementAnalyse env;
    env.texte = [](int number) { return QStringLiteral("T%1").arg(number); };
    env.avertissement = [&run](const QString &line) { run.log << line; };
    env.information = [&run](const QString &text) { run.log << QStringLiteral("info: ") + text; };
    return env;
}

QString describe(const Run &run)
{
    return QStringLiteral("ligne %1 colonne %2 code %3 mot %4, %5 log lines")
        .arg(run.resultat.ligne)
        .arg(run.resultat.colonne)
        .arg(run.resultat.code)
        .arg(fuzz::shown(run.resultat.mot))
        .arg(run.log.size());
}

bool sameRun(const Run &a, const Run &b)
{
    return a.resultat.ligne == b.resultat.ligne && a.resultat.colonne == b.resultat.colonne &&
           a.resultat.code == b.resultat.code && a.resultat.mot == b.resultat.mot && a.log == b.log;
}

// The editor's lines of a loaded document: its text split at its breaks, where a break at the
// very end starts no further line.
QStringList editorLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytes(data, size);
    const EncodageDocument encodage = encodageDocument(bytes);

    Run onBytes;
    onBytes.resultat = analysecode(texteDocument(bytes, encodage), encodage, environment(onBytes));

    const QStringList lines = lignesDocument(bytes);
    Run onLines;
    onLines.resultat = analysecode(lines, environment(onLines));

    fuzz::require(sameRun(onBytes, onLines), "the analysis of the bytes equals that of the lines",
                  QStringLiteral("bytes: %1\nlines: %2").arg(describe(onBytes), describe(onLines)));
    Run reference;
    reference.resultat = ReferenceAnalyzer(environment(reference)).run(lines);
    fuzz::require(sameRun(onLines, reference), "the engine follows the scan steps",
                  QStringLiteral("engine:    %1\nreference: %2\n")
                          .arg(describe(onLines), describe(reference)) +
                      onLines.log.join(u'\n') + QStringLiteral("\n---\n") +
                      reference.log.join(u'\n'));
    fuzz::require(onBytes.resultat.code >= 0 && onBytes.resultat.code <= 10,
                  "the finding code is one of the known codes");
    if (onBytes.resultat.code == codes::kAucun || onBytes.resultat.code == codes::kNonReferme) {
        fuzz::require(onBytes.resultat.ligne == lines.size(),
                      "a run without finding ends on the last line");
    } else {
        fuzz::require(onBytes.resultat.ligne >= 1 && onBytes.resultat.ligne <= lines.size(),
                      "a finding names a line of the document");
        const QString &line = lines[onBytes.resultat.ligne - 1];
        fuzz::require(onBytes.resultat.colonne >= 2 && onBytes.resultat.colonne <= line.size() + 1,
                      "a finding names a column of its line");
    }

    const LoadedDocument document = decodeDocument(bytes);
    fuzz::require((document.format.encoding == Encoding::Utf8) ==
                      (encodage == EncodageDocument::Utf8),
                  "the analyzer and the editor choose the same encoding");
    fuzz::require(editorLines(document.text) == lines,
                  "the analyzer reads the lines the editor loads");
    return 0;
}
