#pragma once

#include <QString>

// brindel.sav and visualisateur.sav as installed, built into the program so that a missing
// file can be made again.

// Writes the built-in content of `name` ("brindel.sav" or "visualisateur.sav") to `path`
// when no file is there. Throws IoError when it cannot be written.
void recreateIfMissing(const QString &name, const QString &path);
