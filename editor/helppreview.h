#pragma once

#include "editor/helppreviewplan.h"
#include "editor/tedition.h"

#include <QString>

class QWidget;

// Shows the help page `page` (a full path, possibly followed by "#" and an anchor) in the
// viewer chosen in the options; any window or dialog may call it from its help command.
// Whatever goes wrong is told to the user in a message box over `parent`; nothing is thrown.
// A dialog's help button: afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide")), "erreur"), this).
void afficheaide(const QString &page, QWidget *parent = nullptr);

// Saves the editor's document (save-as for an untitled one) and shows it in the chosen
// viewer. A document that was not saved is not shown.
void previewDocument(Tedition &editor);

// Looks up the selected tag name in the tag reference page.
void helpOnSelectedTag(Tedition &editor);

// The help and preview commands of the editor: Prvisualisation1, Aide2 and Aide3.
void addHelpPreviewCommands(Tedition::CommandTable &table);
