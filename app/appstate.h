#pragma once

#include <QString>

// Process-wide state held by the main window and read by many commands.
struct AppState {
    QString projectDirectory; // with no trailing separator unless it is the program directory
    bool projectOpen = false; // the file browser panel is visible
    // Set at start and each time a project is opened; the first file link made while a
    // project is open starts its file dialog in the project directory and clears it.
    bool projectDirectoryFlag = true;
    // Set at start (and may be set again when a project is opened): the next static image
    // made while a project is open starts its chooser in the project directory, and clears it.
    bool imageChooserAtProject = true;
    int autoTransform = 0; // automatic transformation of typed characters: on when 1
    bool smartIndentation = true;

    // The current directory of the main window's file browser, whether or not its panel is
    // shown: "/" separators, no trailing "/" (the root is "/"). Until the browser exists it is
    // the project directory in that form.
    QString browserDirectory() const;
    // Called by the file browser whenever its current directory changes; an empty path hands
    // the answer back to the project directory (the browser is gone).
    void setBrowserDirectory(const QString &directory) { m_browserDirectory = directory; }

private:
    QString m_browserDirectory;
};

AppState &appState();
