#include "settings/systemlanguage.h"

#include "settings/supportfolders.h"

#include <QFileInfo>
#include <QRegularExpression>

QString languageForLocale(const QString &localeName)
{
    // "fr_FR.UTF-8@euro": the language code is what comes before the territory, the
    // encoding and the variant.
    static const QRegularExpression separators(QStringLiteral("[_.@-]"));
    const QString code = localeName.trimmed().section(separators, 0, 0).toLower();
    // French speakers, and the C locale which names no language, get the program's own
    // French; every other language gets English.
    if (code.isEmpty() || code == QLatin1String("fr") || code == QLatin1String("c") ||
        code == QLatin1String("posix"))
        return QStringLiteral("francais");
    return QStringLiteral("anglais");
}

QString systemMessagesLocale()
{
    // The order the C library follows for the language of messages: LC_ALL, LC_MESSAGES,
    // LANG, and LANGUAGE's first entry before them unless the locale is C.
    QString locale;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty())
            break;
    }
    const bool plainC = locale.isEmpty() || locale == QLatin1String("C") ||
                        locale.startsWith(QLatin1String("C.")) || locale == QLatin1String("POSIX");
    const QString language = qEnvironmentVariable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    return !plainC && !language.isEmpty() ? language : locale;
}

QString defaultLanguageFile(const QString &extension)
{
    // Until the user chooses language files, the language follows the system's.
    const QString name = QStringLiteral("langue/") + languageForLocale(systemMessagesLocale()) +
                         QLatin1Char('.') + extension;
    const QString file = supportFile(name);
    return QFileInfo::exists(file) ? file
                                   : supportFile(QStringLiteral("langue/francais.") + extension);
}
