#pragma once

#include "editor/tedition.h"

// The editor commands that ask through the wizards' dialogs.
void addWizardCommands(Tedition::CommandTable &table);
