#pragma once

#include "editor/tedition.h"

// The editor's link commands: Site1, Fichier2, Email1 and Emailpardfaut1.
void addLinkCommands(Tedition::CommandTable &table);

// The file link command on `editor`: the file dialog, then a link written relative to the
// document while a project is open.
void insertFileLink(Tedition &editor);
