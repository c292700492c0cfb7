#include "wizards/framecommands.h"

#include "app/appstate.h"
#include "editor/insertion.h"
#include "platform/modals.h"
#include "wizards/frames.h"
#include "wizards/tframes.h"
#include "wizards/tfrfich.h"

namespace
{

void insertFrameset(Tedition &editor)
{
    Tframes dialog(&editor);
    if (modals().execDialog(dialog) != QDialog::Accepted)
        return;
    const markup::Insertion insertion = wizards::framesetInsertion(dialog.columns(), dialog.size());
    insertSimple(editor.control(), insertion.text, insertion.caret);
}

void insertFrame(Tedition &editor)
{
    Tfr_fich dialog(appState().browserDirectory(), &editor);
    if (modals().execDialog(dialog) != QDialog::Accepted)
        return;
    const markup::Insertion insertion =
        wizards::frameInsertion(dialog.fileName(), dialog.frameName());
    insertSimple(editor.control(), insertion.text, insertion.caret);
}

} // namespace

void addFrameCommands(Tedition::CommandTable &table)
{
    table.insert(QStringLiteral("Frameset1"), insertFrameset);
    table.insert(QStringLiteral("Frame2"), insertFrame);
}
