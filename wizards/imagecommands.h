#pragma once

#include "editor/tedition.h"

// The picture commands of the editor: Statiques1 (a static image) and Ractive1 (an image map).
void addImageCommands(Tedition::CommandTable &table);

void insertStaticImage(Tedition &editor);
void insertImageMap(Tedition &editor);
