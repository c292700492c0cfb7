#include "editor/helppreview.h"

#include "editor/helppreviewplan.h"
#include "platform/editorcontrol.h"
#include "platform/guarded.h"
#include "platform/ioerror.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/qttranslations.h"
#include "settings/settingsstore.h"
#include "settings/supportfolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("HelpPreview", text);
}

// Dialog text 5, or the same advice in our own words when the language file cannot give it.
QString ownViewerOnlyText()
{
    QString text;
    try {
        text = texteDialogue(5);
    } catch (const IoError &) {
    }
    if (text.isEmpty() || text == kIndefini)
        text = tr("L'aide ne s'affiche que dans le visualisateur interne. Choisissez-le dans "
                  "Options > Modification, onglet Visualisateur HTML.");
    return text;
}

void startProgram(QWidget *parent, const QString &program, const QString &argument)
{
    if (!modals().startProgram(program, {argument}))
        showError(parent, tr("Le programme « %1 » n'a pas pu être lancé.").arg(program));
}

// Throws IoError when the hand-off file cannot be written; the viewer is then not started.
void carryOut(const LaunchPlan &plan, QWidget *parent)
{
    switch (plan.step) {
    case LaunchPlan::Step::Nothing:
        return;
    case LaunchPlan::Step::OwnViewer:
        handOffPage(plan.target, viewerHandOffFile());
        startProgram(parent, viewerToStart(QCoreApplication::applicationDirPath(), plan.program),
                     plan.target);
        return;
    case LaunchPlan::Step::OpenWithDesktop:
        if (!modals().openUrl(QUrl::fromLocalFile(plan.target)))
            showError(parent,
                      tr("Aucun programme du système n'a pu ouvrir « %1 ».").arg(plan.target));
        return;
    case LaunchPlan::Step::StartProgram:
        startProgram(parent, plan.program, plan.target);
        return;
    case LaunchPlan::Step::HelpNeedsOwnViewer:
        showWarning(parent, ownViewerOnlyText());
        return;
    case LaunchPlan::Step::NoProgramChosen:
        showWarning(parent, tr("Aucun programme n'est choisi pour la prévisualisation. "
                               "Indiquez-le dans Options > Modification, onglet Visualisateur "
                               "HTML, ou choisissez un autre mode de visualisation."));
        return;
    }
}

} // namespace

namespace
{

// The page in the language of the dialog language file, when it has been translated.
QString inUserLanguage(const QString &page)
{
    return localizedHelpPage(page, qtLanguageOf(startupSettings().dialogue));
}

} // namespace

void afficheaide(const QString &requested, QWidget *parent)
{
    const QString page = inUserLanguage(requested);
    guarded(parent, [&] {
        const QString visuhtml = lireparametre(QStringLiteral("visuhtml"), settingsFile());
        carryOut(helpPlan(visuhtml, programDirectory(), page), parent);
    });
}

void previewDocument(Tedition &editor)
{
    // A document that was not saved (save-as cancelled, write failed) is not shown: the file
    // on disk would not be what the user sees.
    if (!editor.sauve())
        return;
    guarded(&editor, [&] {
        const QString settings = settingsFile();
        const QString visuhtml = lireparametre(QStringLiteral("visuhtml"), settings);
        const QString otherProgram = lireparametre(QStringLiteral("cheminvisuhtml"), settings);
        // A viewer runs in its own directory: hand it the document's absolute path.
        const QString document = QFileInfo(editor.fileName()).absoluteFilePath();
        carryOut(previewPlan(visuhtml, otherProgram, programDirectory(), document), &editor);
    });
}

void helpOnSelectedTag(Tedition &editor)
{
    EditorControl &control = editor.control();
    if (control.selLength() == 0)
        return;
    control.copy(); // the system clipboard only, not the clipboard history
    const QString page =
        inUserLanguage(tagHelpPage(supportRoot(QStringLiteral("aide")), control.selectedText()));
    if (guarded(&editor, [&] { handOffPage(page, viewerHandOffFile()); }))
        afficheaide(page, &editor);
}

void addHelpPreviewCommands(Tedition::CommandTable &t)
{
    t.insert(QStringLiteral("Prvisualisation1"), previewDocument);
    t.insert(QStringLiteral("Aide2"), [](Tedition &e) {
        afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide"))), &e);
    });
    t.insert(QStringLiteral("Aide3"), helpOnSelectedTag);
}
