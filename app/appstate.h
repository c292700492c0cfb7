#pragma once

#include <QString>

// Process-wide state held by the main window and read by many commands.
struct AppState {
    QString projectDirectory; // with no trailing separator unless it is the program directory
    bool projectOpen = false; // the file browser panel is visible
    int autoTransform = 0;    // automatic transformation of typed characters: on when 1
    bool smartIndentation = true;
};

AppState &appState();
