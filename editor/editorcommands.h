#pragma once

#include "editor/tedition.h"

// Each feature adds its commands to the editor's command table, under the names of their
// menu items.
void addDocumentCommands(Tedition::CommandTable &table); // file, edit, window, format, help
