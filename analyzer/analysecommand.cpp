#include "analyzer/analysecommand.h"

#include "analyzer/analyseur.h"
#include "analyzer/journalanalyse.h"
#include "analyzer/sourceediteur.h"
#include "analyzer/tanalyseur.h"
#include "platform/atomicfile.h"
#include "platform/documentfile.h"
#include "platform/editorcontrol.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"

#include <QFile>

#include <algorithm>

namespace
{

QString readLog()
{
    // Windows-1252, or UTF-8 when the run met a character beyond it: the documents' rule.
    QString text = decodeDocument(readWholeFile(fichierAnalyse())).text;
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

void goToFinding(EditorControl &control, const ResultatAnalyse &result)
{
    const qsizetype lastLine = control.lineCount() - 1;
    const int line = int(std::clamp<qsizetype>(result.ligne - 1, 0, lastLine));
    const int start = control.lineIndex(line);
    const qsizetype length = control.line(line).size();
    const int column = int(std::clamp<qsizetype>(result.colonne - 1, 0, length));
    control.setSelection(start + column, 0);
}

} // namespace

void Tedition_Analyseurdecode1Click(EditorControl &control, QWidget *editor)
{
    Tanalyseur &report = Tanalyseur::instance();
    ResultatAnalyse result;
    const bool ran = guarded(editor, [&] {
        videanalyse();
        EnvironnementAnalyse environment;
        environment.texte = [](int number) { return texteDialogue(number); };
        environment.avertissement = [](const QString &line) { ecrireanalyse(line); };
        environment.information = [editor](const QString &text) { showInformation(editor, text); };
        SourceEditeur lines(control);
        result = analysecode(lines, environment);
        report.setPosition(result.ligne, result.colonne);
        report.setFindingShown(result.code != codes::kAucun);
        ecrireanalyse(ligneFinaleAnalyse(result, [](int number) { return texteDialogue(number); }));
        report.setLog(readLog());
    });
    QFile::remove(fichierAnalyse());
    if (!ran)
        return;
    report.FormActivate();
    modals().execDialog(report);
    if (report.goToFindingChosen())
        goToFinding(control, result);
}
