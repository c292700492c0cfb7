#pragma once

#include <QString>

// The directory that holds the program's support files, with its trailing "/": the
// directory of the executable, unless the environment variable BRINDEL_HOME names another.
QString programDirectory();

// Program directory + "brindel.sav".
QString settingsFile();

// Program directory + "visualisateur.sav".
QString viewerHandOffFile();
