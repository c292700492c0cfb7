#include "editor/editorcommands.h"

#include "analyzer/analysecommand.h"
#include "editor/charactercommands.h"
#include "editor/editorhost.h"
#include "editor/findcommands.h"
#include "editor/helppreview.h"
#include "editor/insertioncommands.h"
#include "options/personalbarcommands.h"
#include "platform/editorcontrol.h"
#include "wizards/dialogcommands.h"
#include "wizards/framecommands.h"
#include "wizards/imagecommands.h"
#include "wizards/linkcommands.h"
#include "wizards/wizardcommands.h"

#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

namespace
{

// A checkable item of the Format menu: choosing it has already toggled this window's mark,
// which now says what the setting becomes. The setting is saved, then every editor window
// takes the new mark and shows its text accordingly.
void switchDisplayMark(Tedition &e, const QString &item, const QString &key)
{
    QAction *mark = e.command(item);
    const bool on = mark && mark->isChecked();
    try {
        ecrireparametre(on ? QStringLiteral("1") : QStringLiteral("0"), key, settingsFile());
    } catch (...) {
        if (mark)
            mark->setChecked(!on); // nothing changed: the mark says so too
        throw;
    }
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *editor = qobject_cast<Tedition *>(widget)) {
            if (QAction *other = editor->command(item))
                other->setChecked(on);
            editor->applyDisplayMarks();
        }
    }
}

} // namespace

const Tedition::CommandTable &Tedition::commands()
{
    static const CommandTable table = [] {
        CommandTable t;
        addDocumentCommands(t);
        addHelpPreviewCommands(t);
        addCharacterCommands(t);
        addLinkCommands(t);
        addFrameCommands(t);
        addWizardCommands(t);
        addHistoryFindCommands(t);
        addDialogCommands(t);
        addPersonalBarCommands(t);
        addImageCommands(t);
        addHistoryFindCommands(t);
        for (const QString &name : insertionCommandNames())
            t.insert(name, [name](Tedition &e) { runInsertionCommand(name, e.control(), &e); });
        return t;
    }();
    return table;
}

void addDocumentCommands(Tedition::CommandTable &t)
{
    // Fichier
    t.insert(QStringLiteral("Nouveau1"), [](Tedition &e) { e.host().newFileCommand(); });
    t.insert(QStringLiteral("OuvrirFichier1"), [](Tedition &e) { e.host().openFileCommand(); });
    t.insert(QStringLiteral("Enregistrer1"), [](Tedition &e) { e.sauve(); });
    t.insert(QStringLiteral("Enregistrersous1"), [](Tedition &e) { e.saveAs(); });
    t.insert(QStringLiteral("Imprimer1"), [](Tedition &e) { e.print(); });
    t.insert(QStringLiteral("OuvrirProjet1"), [](Tedition &e) { e.host().openProjectCommand(); });
    // May close this very window: nothing may touch it afterwards.
    t.insert(QStringLiteral("FermerProjet1"), [](Tedition &e) { e.host().closeProjectCommand(); });
    t.insert(QStringLiteral("Quitter1"), [](Tedition &e) { e.host().quitCommand(); });

    // Edition, and the same commands of the context menu
    t.insert(QStringLiteral("Defaire1"), [](Tedition &e) { e.control().undo(); });
    t.insert(QStringLiteral("Toutslectionner1"), [](Tedition &e) {
        e.control().selectAll();
        e.refreshMenuStates();
    });
    t.insert(QStringLiteral("Toutslectionner2"), [](Tedition &e) { e.control().selectAll(); });
    for (const char *name : {"Couper1", "Couper2"})
        t.insert(QString::fromLatin1(name), [](Tedition &e) { e.copyOrCut(true); });
    for (const char *name : {"Copier1", "Copier2"})
        t.insert(QString::fromLatin1(name), [](Tedition &e) { e.copyOrCut(false); });
    for (const char *name : {"Coller1", "Coller2"})
        t.insert(QString::fromLatin1(name), [](Tedition &e) { e.control().paste(); });
    for (const char *name : {"Toutsupprimer1", "Toutsupprimer2"}) {
        t.insert(QString::fromLatin1(name), [](Tedition &e) {
            e.control().deleteSelection();
            e.refreshMenuStates();
        });
    }
    t.insert(QStringLiteral("Viderlepressepapier1"), [](Tedition &e) { e.clearClipboard(); });

    // Fenêtres
    t.insert(QStringLiteral("Horizontale1"), [](Tedition &e) { e.host().tileHorizontalCommand(); });
    t.insert(QStringLiteral("Verticale1"), [](Tedition &e) { e.host().tileVerticalCommand(); });
    t.insert(QStringLiteral("Cascade1"), [](Tedition &e) { e.host().cascadeCommand(); });
    t.insert(QStringLiteral("Rorganiserlesicnes1"),
             [](Tedition &e) { e.host().arrangeIconsCommand(); });
    t.insert(QStringLiteral("Fermerlafentrecourante1"), [](Tedition &e) {
        QWidget *frame = e.parentWidget() ? e.parentWidget() : &e;
        frame->close();
    });
    t.insert(QStringLiteral("Fermertouteslesfentres1"),
             [](Tedition &e) { e.host().closeAllCommand(); });

    // Commandes
    t.insert(QStringLiteral("Analyseurdecode1"), [](Tedition &e) {
        Tedition_Analyseurdecode1Click(e.control(), &e);
        e.refreshStatus(); // the caret may have gone to the finding
    });

    // Format and ?
    t.insert(QStringLiteral("Policesdecaractres1"), [](Tedition &e) { e.chooseFont(); });
    t.insert(QStringLiteral("Colorationsyntaxique1"), [](Tedition &e) {
        switchDisplayMark(e, QStringLiteral("Colorationsyntaxique1"), QStringLiteral("coloration"));
    });
    t.insert(QStringLiteral("Numrosdeligne1"), [](Tedition &e) {
        switchDisplayMark(e, QStringLiteral("Numrosdeligne1"), QStringLiteral("numeros"));
    });
    t.insert(QStringLiteral("VisiterleSite1"), [](Tedition &e) { e.host().visitSiteCommand(); });
    t.insert(QStringLiteral("Mcrire1"), [](Tedition &e) { e.host().writeMailCommand(); });
    t.insert(QStringLiteral("Aproposde1"), [](Tedition &e) { e.host().aboutCommand(&e); });
}
