#include "settings/languagefiles.h"

#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "settings/systemlanguage.h"

#include <QFileInfo>

StartupSettings &startupSettings()
{
    static StartupSettings settings;
    return settings;
}

QString resolveLanguagePath(const QString &configured, const QString &defaultPath)
{
    // A missing key reads as the "indéfini" marker, which is never a path.
    if (configured.isEmpty() || configured == kIndefini || !QFileInfo(configured).isFile())
        return defaultPath;
    return configured;
}

void lireDemarrage()
{
    StartupSettings &settings = startupSettings();
    const QString file = settingsFile();
    settings.normeecriture = lireentier(QStringLiteral("normeecriture"), file, 0);
    if (settings.normeecriture < 0 || settings.normeecriture > 2)
        settings.normeecriture = 0;
    settings.menu1 = resolveLanguagePath(lireparametre(QStringLiteral("menu1"), file),
                                         defaultLanguageFile(QStringLiteral("mn1")));
    settings.menu2 = resolveLanguagePath(lireparametre(QStringLiteral("menu2"), file),
                                         defaultLanguageFile(QStringLiteral("mn2")));
    settings.dialogue = resolveLanguagePath(lireparametre(QStringLiteral("dialogue"), file),
                                            defaultLanguageFile(QStringLiteral("dlg")));
}

QString texteMenu1(int number)
{
    return textedialogue(number, startupSettings().menu1);
}
QString texteMenu2(int number)
{
    return textedialogue(number, startupSettings().menu2);
}
QString texteDialogue(int number)
{
    return textedialogue(number, startupSettings().dialogue);
}
