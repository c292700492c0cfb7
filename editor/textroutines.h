#pragma once

#include <QString>
#include <QtGlobal>

// Small text routines shared by every command that writes colours or links into markup.

// Six upper-case hexadecimal digits: red, green, blue. `colour` holds red in its lowest byte,
// green in the next and blue in the third; higher bits are ignored. Callers add the "#".
QString couleurhexa(quint32 colour);

// The prefix that leads from the document's directory to `targetDir`, to be followed by a
// bare file name: empty, or "../" steps and directory names each ended by "/". All three
// arguments are "/" paths; a trailing separator on any of them is ignored (the root "/"
// stays the root). When the target is neither above nor below the document's directory, the path
// goes through the project directory; when that does not hold both, the result is empty.
QString cheminrelatif(const QString &documentDir, const QString &targetDir,
                      const QString &projectDir);
