#pragma once

#include <QIcon>

// The 32 × 32 pictures of the new-file chooser, drawn by the program: 0 HTML page,
// 1 script, 2 style sheet, 3 channel, 4 site, 5 text.
QIcon newFileIcon(int index);
