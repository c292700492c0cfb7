#pragma once

#include <QString>

// The language of the system, which the program speaks until the user chooses language
// files.

// The language files' base name for a system locale name ("fr_FR.UTF-8" gives "francais",
// "de_DE" gives "anglais"): French for French and for the C locale, English otherwise.
QString languageForLocale(const QString &localeName);

// The system's locale name for messages, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
QString systemMessagesLocale();

// The language file of the system's language with that extension ("mn1", "mn2", "dlg"),
// from the user's langue/ folder when it holds one, else from the installed one.
QString defaultLanguageFile(const QString &extension);
