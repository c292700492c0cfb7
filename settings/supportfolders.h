#pragma once

#include <QString>

// Where the program's support files live (programDirectory() in settings/programdir.h gives
// the first of the two folders).
//
// The program directory holds the settings and work files (brindel.sav, visualisateur.sav,
// the clipboard history, recovery copies...). It is the folder of the installed data when
// that folder is writable (a build tree, a portable copy, BRINDEL_HOME); otherwise (a copy
// installed for every user) it is the user's own folder, made on first use and given the
// installed settings files to start from.
//
// The data directory holds what is installed and only read: language files and help pages.
// A file of the same relative name in the program directory is preferred, so a user may keep
// their own copy.

// The two folders, each with its trailing "/".
struct ProgramFolders {
    QString work; // settings and work files
    QString data; // installed language files and help pages
};

// The decision alone: `installed` is the folder of the installed data, `userFolder` the
// user's own; `installedWritable` says whether the program may write beside its data.
ProgramFolders chooseProgramFolders(const QString &installed, const QString &userFolder,
                                    bool installedWritable);

// Where the data of a program started from `executableDir` is installed: the folder
// ../share/brindel/ beside a bin/ folder when it holds the language files, the executable's
// own folder otherwise (a build tree, a portable copy). Trailing "/".
QString installedDataDirectory(const QString &executableDir);

// Gives `userFolder` the settings files it lacks, copied from `installed` (brindel.sav,
// visualisateur.sav). Makes the folder. False when it cannot be made.
bool prepareUserFolder(const QString &userFolder, const QString &installed);

// The directory of the installed language files and help pages, trailing "/" (the same as
// programDirectory() when the program writes beside its data).
QString dataDirectory();

// The folder to read `relative` from: the program directory when it holds that file or
// folder, the data directory otherwise.
QString supportRoot(const QString &relative);

// supportRoot(relative) + relative.
QString supportFile(const QString &relative);
