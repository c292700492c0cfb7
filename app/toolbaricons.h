#pragma once

#include <QIcon>
#include <QString>

// The main toolbar's pictures, drawn by the program so that they look the same on every
// desktop, whatever its icon theme. `button` is the toolbar button's name.
QIcon toolBarIcon(const QString &button);
