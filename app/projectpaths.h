#pragma once

#include <QString>

// Paths of the project directory and of the file browser, in one form: "/" separators,
// no "." or ".." steps, no trailing "/" except for the root "/" itself.

// `path` in that form; an empty path stays empty.
QString normaliseDirectory(const QString &path);

// The directory a project chooser starts in: the project directory when it names an existing
// directory, the program directory otherwise.
QString projectStartDirectory(const QString &projectDirectory, const QString &programDirectory);

// The path of a new sub-directory `name` of `directory`, or an empty text when `name` is not
// one path component: empty, ".", "..", or holding a "/" or a NUL. The root gives "/name".
QString subdirectoryPath(const QString &directory, const QString &name);

// Files the file browser lists: the editable kinds, matched without regard to case.
QString browserFileMask();

// The main window's caption while the file browser panel is collapsed.
QString collapsedCaption(const QString &projectDirectory);
