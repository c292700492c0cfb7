#pragma once

#include <QStringList>

class Tecran;

// Makes sure brindel.sav is there (recreated from the built-in defaults when missing) and
// runs the start-up step. False, after one message naming the directory, when the program
// directory cannot hold its settings.
bool prepareSettings();

// Opens the file named by each command-line argument, in their order (empty ones skipped).
// Called once, at start.
void openCommandLineFile(Tecran &tecran, const QStringList &arguments);

// Program entry: the start-up step, the splash window, the main window, the event loop.
int runBrindel(int argc, char **argv);
