#pragma once

#include <QString>

// Qt's own texts (buttons of message boxes, the file, print, font and colour dialogs) in
// the language of the program's language files.

// The language code of a language file, from its name ("langue/francais.dlg" gives "fr");
// empty for a language Qt's texts are not looked up for (they stay in English).
QString qtLanguageOf(const QString &languageFile);

// Installs Qt's translations for the language of `languageFile` in the application,
// replacing those an earlier call installed; false when none is installed (a language
// without a code, or its translation file missing).
bool installQtTranslations(const QString &languageFile);
