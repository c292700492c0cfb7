#pragma once

#include <QString>

// The directory that holds the settings and work files, with its trailing "/": the folder
// named by the environment variable BRINDEL_HOME when set; else the folder of the installed
// data when the program may write there, the user's own folder otherwise
// (settings/supportfolders.h).
QString programDirectory();

// Program directory + "brindel.sav".
QString settingsFile();

// Program directory + "visualisateur.sav".
QString viewerHandOffFile();
