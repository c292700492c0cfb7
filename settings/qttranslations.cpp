#include "settings/qttranslations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace
{

struct LanguageName {
    const char *name; // the language file's base name, lower case, without accents
    const char *code;
};

constexpr LanguageName kLanguages[] = {
    {"francais", "fr"},  {"french", "fr"},    {"anglais", "en"},     {"english", "en"},
    {"allemand", "de"},  {"deutsch", "de"},   {"espagnol", "es"},    {"espanol", "es"},
    {"italien", "it"},   {"italiano", "it"},  {"neerlandais", "nl"}, {"nederlands", "nl"},
    {"portugais", "pt"}, {"portugues", "pt"},
};

// Lower case without the accents a French or Spanish name may carry ("Français", "Español").
QString plainName(const QString &name)
{
    QString plain;
    for (QChar c : name.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c.toLower());
    }
    return plain;
}

std::unique_ptr<QTranslator> &installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

QString qtLanguageOf(const QString &languageFile)
{
    const QString name = plainName(QFileInfo(languageFile).completeBaseName());
    for (const LanguageName &language : kLanguages) {
        if (name == QLatin1String(language.name))
            return QString::fromLatin1(language.code);
    }
    return QString();
}

bool installQtTranslations(const QString &languageFile)
{
    if (installed()) {
        QCoreApplication::removeTranslator(installed().get());
        installed().reset();
    }
    const QString code = qtLanguageOf(languageFile);
    // English is the language Qt's texts are written in: nothing to load.
    if (code.isEmpty() || code == QLatin1String("en"))
        return false;
    auto translator = std::make_unique<QTranslator>();
    // "qt_xx" gathers the translations of every Qt module the program uses.
    if (!translator->load(QStringLiteral("qt_") + code,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    return true;
}
