#pragma once

#include "editor/tedition.h"

// The commands of the table, form field, sound, media, applet, colour, rule and list
// dialogs, named after their menu items: each shows its dialog, reads the answers, builds
// the text with the family's generator and inserts it as one undo step.
void addDialogCommands(Tedition::CommandTable &table);
