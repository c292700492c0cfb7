#include "wizards/framecommands.h"

#include "editor/insertion.h"
#include "platform/modals.h"
#include "wizards/frames.h"
#include "wizards/tframes.h"

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

} // namespace

void addFrameCommands(Tedition::CommandTable &table)
{
    table.insert(QStringLiteral("Frameset1"), insertFrameset);
}
