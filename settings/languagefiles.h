#pragma once

#include <QString>

// Settings read once when the program starts and held until it ends: the file-name case
// for generated markup and the three language files.
struct StartupSettings {
    int normeecriture = 0; // 0 as the file system gives them, 1 lower case, 2 upper case
    QString menu1;         // main-window language file
    QString menu2;         // editor-window language file
    QString dialogue;      // dialog language file
};

StartupSettings &startupSettings();

// The start-up step: reads normeecriture and resolves the three language paths from
// brindel.sav, each falling back to its default file under langue/.
void lireDemarrage();

// The configured path when it names an existing file, the default path otherwise.
QString resolveLanguagePath(const QString &configured, const QString &defaultPath);

// Numbered texts of the three language files.
QString texteMenu1(int number);
QString texteMenu2(int number);
QString texteDialogue(int number);
