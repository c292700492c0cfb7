#include "analyzer/cli/verificateur.h"

#include "analyzer/analysefichier.h"
#include "analyzer/analyseur.h"
#include "analyzer/journalanalyse.h"
#include "platform/atomicfile.h"
#include "platform/ioerror.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "settings/systemlanguage.h"

#include <QCoreApplication>
#include <QFile>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("brindel-analyse", text);
}

QByteArray litEntreeStandard()
{
    QFile entree;
    if (!entree.open(stdin, QIODevice::ReadOnly))
        throw IoError(tr("Impossible de lire l'entrée standard : %1").arg(entree.errorString()));
    QByteArray octets = entree.readAll();
    if (entree.error() != QFileDevice::NoError)
        throw IoError(tr("Impossible de lire l'entrée standard : %1").arg(entree.errorString()));
    return octets;
}

// The numbers of every dialog text that a log line can hold.
constexpr int kNumerosTextes[] = {5006, 5010, 5011, 5012, 5013, 5014, 5015, 5016,
                                  5017, 5018, 5019, 5023, 5024, 5025, 5026};

} // namespace

std::optional<OptionsVerification> litOptions(const QStringList &arguments, QString &erreur)
{
    OptionsVerification options;
    bool finOptions = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (finOptions || argument == QLatin1String("-") || !argument.startsWith(u'-')) {
            options.fichiers.append(argument);
        } else if (argument == QLatin1String("--")) {
            finOptions = true;
        } else if (argument == QLatin1String("--json")) {
            options.json = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.aide = true;
        } else if (argument == QLatin1String("--dialogue")) {
            if (i + 1 == arguments.size()) {
                erreur = tr("l'option --dialogue attend un nom de fichier");
                return std::nullopt;
            }
            options.dialogue = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--dialogue="))) {
            options.dialogue = argument.sliced(11);
        } else {
            erreur = tr("option inconnue : %1").arg(argument);
            return std::nullopt;
        }
    }
    if (options.fichiers.isEmpty() && !options.aide) {
        erreur = tr("aucun fichier à analyser");
        return std::nullopt;
    }
    return options;
}

QString texteAide()
{
    return tr(
        "Utilisation : brindel-analyse [--dialogue FICHIER] [--json] FICHIER...\n"
        "Analyse le code HTML de chaque FICHIER comme l'analyseur de code de l'éditeur et\n"
        "affiche son journal : les avertissements, puis la ligne finale qui nomme la\n"
        "première erreur trouvée avec sa ligne et sa colonne. « - » lit l'entrée standard.\n"
        "\n"
        "  --dialogue FICHIER  lit les textes des messages dans ce fichier de langue\n"
        "                      (par défaut, celui des réglages du programme)\n"
        "  --json              écrit un objet JSON par fichier, sur une ligne\n"
        "  --help              affiche cette aide\n"
        "\n"
        "Code de sortie : 0 si aucun fichier ne contient d'erreur, 1 si au moins un\n"
        "fichier en contient une, 2 pour une erreur d'utilisation ou un fichier illisible.\n");
}

QString cheminDialogue(const QString &option)
{
    if (!option.isEmpty())
        return option;
    QString configure;
    try {
        configure = lireparametre(QStringLiteral("dialogue"), settingsFile());
    } catch (const IoError &) {
        // No settings file: the default language file.
    }
    return resolveLanguagePath(configure, defaultLanguageFile(QStringLiteral("dlg")));
}

QHash<int, QString> textesAnalyse(const QString &fichierDialogue)
{
    // textedialogue reads a directory as an empty file; a language file must be a file.
    readWholeFile(fichierDialogue);
    QHash<int, QString> textes;
    for (int numero : kNumerosTextes)
        textes.insert(numero, textedialogue(numero, fichierDialogue));
    return textes;
}

QByteArray chaineJson(QStringView texte)
{
    QByteArray json;
    json.reserve(texte.size() + 2);
    json.append('"');
    const QByteArray utf8 = texte.toUtf8();
    for (char ch : utf8) {
        switch (ch) {
        case '"':
            json.append("\\\"");
            break;
        case '\\':
            json.append("\\\\");
            break;
        case '\n':
            json.append("\\n");
            break;
        case '\r':
            json.append("\\r");
            break;
        case '\t':
            json.append("\\t");
            break;
        default:
            if (uchar(ch) < 0x20) {
                static const char hexa[] = "0123456789abcdef";
                json.append("\\u00");
                json.append(hexa[uchar(ch) >> 4]);
                json.append(hexa[uchar(ch) & 0xF]);
            } else {
                json.append(ch);
            }
        }
    }
    json.append('"');
    return json;
}

Verificateur::Verificateur(QHash<int, QString> textes, bool json, FILE *sortie)
    : m_textes(std::move(textes)), m_json(json), m_sortie(sortie)
{
}

QString Verificateur::texte(int numero) const
{
    return m_textes.value(numero, kIndefini);
}

void Verificateur::ecrit(const QByteArray &octets)
{
    std::fwrite(octets.constData(), 1, std::size_t(octets.size()), m_sortie);
}

int Verificateur::verifie(const QString &fichier)
{
    // Text output streams each warning as met; JSON gathers the log for the object's end.
    const QByteArray prefixe = fichier.toUtf8();
    QByteArray journalJson;
    EnvironnementAnalyse environnement;
    environnement.texte = [this](int numero) { return texte(numero); };
    environnement.avertissement = [&](const QString &ligne) {
        if (m_json) {
            if (!journalJson.isEmpty())
                journalJson.append(", ");
            journalJson.append(chaineJson(ligne));
        } else {
            ecrit(prefixe + ": " + ligne.toUtf8() + '\n');
        }
    };
    const ResultatAnalyse resultat =
        fichier == QLatin1String("-")
            ? analyseDocument(litEntreeStandard(), tr("L'entrée standard"), environnement)
            : analyseFichier(fichier, environnement);
    const QString finale =
        ligneFinaleAnalyse(resultat, [this](int numero) { return texte(numero); });

    if (m_json) {
        if (!journalJson.isEmpty())
            journalJson.append(", ");
        journalJson.append(chaineJson(finale));
        ecrit("{\"file\": " + chaineJson(fichier) +
              ", \"ligne\": " + QByteArray::number(resultat.ligne) +
              ", \"colonne\": " + QByteArray::number(resultat.colonne) +
              ", \"code\": " + QByteArray::number(resultat.code) +
              ", \"mot\": " + chaineJson(resultat.mot) + ", \"log\": [" + journalJson + "]}\n");
    } else {
        ecrit(prefixe + ':' + QByteArray::number(resultat.ligne) + ':' +
              QByteArray::number(resultat.colonne) + ": " + finale.toUtf8() + '\n');
    }
    return resultat.code;
}
