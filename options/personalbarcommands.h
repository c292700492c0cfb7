#pragma once

#include "editor/tedition.h"

// The editor's Options menu: Modification1 (the options dialog), Visible1 (shows or hides the
// personal bar) and Bouton11 ... Bouton191 (the texts of the personal buttons).
void addPersonalBarCommands(Tedition::CommandTable &table);

// "Bouton11" ... "Bouton191": the editor command of personal button `number`.
QString personalButtonCommand(int number);
