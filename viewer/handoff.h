#pragma once

#include <QString>

#include <optional>

// The hand-off file (visualisateur.sav) through which the editor names the page to show:
// `fichier` holds the page, `drapeau` turns to "1" when a new page is handed over.
// Both functions throw IoError when the file is missing or cannot be rewritten.
namespace handoff
{

// When `drapeau` is "1": sets it back to "0" and returns `fichier` as it stands after the
// reset, so a page written meanwhile is not missed. Otherwise nothing is changed.
std::optional<QString> take(const QString &file);

// The page in `fichier`; empty when the key is missing.
QString page(const QString &file);

} // namespace handoff
