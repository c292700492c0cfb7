#pragma once

#include "editor/tedition.h"

// The commands whose dialogs choose a file: background sound, embedded media, applet and
// the image button of forms.
void addMediaCommands(Tedition::CommandTable &table);
