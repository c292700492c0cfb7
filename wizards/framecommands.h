#pragma once

#include "editor/tedition.h"

// The editor's frame commands: Frameset1 and Frame2.
void addFrameCommands(Tedition::CommandTable &table);
