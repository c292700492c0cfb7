#include "wizards/linkcommands.h"

#include "app/appstate.h"
#include "editor/insertion.h"
#include "platform/editorcontrol.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "wizards/links.h"
#include "wizards/tchoixfichier.h"
#include "wizards/tchoixsite.h"
#include "wizards/tmailenter.h"

namespace
{

void insert(Tedition &editor, const markup::Insertion &insertion)
{
    insertSimple(editor.control(), insertion.text, insertion.caret);
}

void insertSiteLink(Tedition &editor)
{
    TChoix_Site &dialog = TChoix_Site::instance();
    dialog.FormActivate();
    if (modals().execDialog(dialog) != QDialog::Accepted)
        return;
    insert(editor, wizards::siteLink(dialog.address(), dialog.linkText(), dialog.target()));
}

void insertMailLink(Tedition &editor)
{
    Tmail_enter dialog(&editor);
    if (modals().execDialog(dialog) != QDialog::Accepted)
        return;
    insert(editor, wizards::mailLink(dialog.address(), dialog.subject()));
}

void insertDefaultMail(Tedition &editor)
{
    // Read at each use: the options may have changed it since the last one.
    const QString address = lireparametre(QStringLiteral("mailpardefaut"), settingsFile());
    insertSimple(editor.control(), address, std::nullopt);
}

} // namespace

void insertFileLink(Tedition &editor)
{
    Tchoixfichier &dialog = Tchoixfichier::instance();
    AppState &state = appState();
    const bool projectOpen = state.projectOpen;
    if (projectOpen) {
        dialog.setProjectDirectory(state.projectDirectory);
        // The first file link after start-up or after a project was opened starts in the
        // project directory; later ones start where the user left the file dialog.
        if (state.projectDirectoryFlag) {
            dialog.setStartDirectory(state.projectDirectory);
            state.projectDirectoryFlag = false;
        }
    }
    dialog.FormActivate();
    const bool accepted = modals().execDialog(dialog) == QDialog::Accepted;

    // The case setting changes the dialog's field whatever the answer.
    const int nameCase = startupSettings().normeecriture;
    const QString prefix =
        wizards::applyNameCase(wizards::fileLinkPrefix(projectOpen, editor.fileName(),
                                                       dialog.chosenPath(), state.projectDirectory),
                               nameCase);
    dialog.setFileName(wizards::applyNameCase(dialog.fileName(), nameCase));
    if (!accepted)
        return;
    insert(editor, wizards::fileLink(prefix, dialog.fileName(), dialog.target()));
}

void addLinkCommands(Tedition::CommandTable &table)
{
    table.insert(QStringLiteral("Site1"), insertSiteLink);
    table.insert(QStringLiteral("Fichier2"), insertFileLink);
    table.insert(QStringLiteral("Email1"), insertMailLink);
    table.insert(QStringLiteral("Emailpardfaut1"), insertDefaultMail);
}
