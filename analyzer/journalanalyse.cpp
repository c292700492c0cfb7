#include "analyzer/journalanalyse.h"

#include "platform/cp1252.h"
#include "platform/ioerror.h"
#include "settings/programdir.h"

#include <QCoreApplication>
#include <QFile>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("analyse", text);
}

QByteArray ligneDuJournal(const QString &text)
{
    QByteArray octets;
    octets.reserve(text.size() + 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        const int code = cp1252::code(ch);
        if (code >= 0) {
            octets.append(char(code));
            continue;
        }
        char32_t point = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            point = QChar::surrogateToUcs4(ch, text.at(++i));
        octets.append("&#" + QByteArray::number(uint(point)) + ';');
    }
    octets.append("\r\n");
    return octets;
}

} // namespace

QString fichierAnalyse()
{
    return programDirectory() + QStringLiteral("analyse.log");
}

void videanalyse()
{
    const QString chemin = fichierAnalyse();
    QFile journal(chemin);
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw IoError(
            tr("Impossible de créer le fichier %1 : %2").arg(chemin, journal.errorString()));
}

void ecrireanalyse(const QString &text)
{
    const QString chemin = fichierAnalyse();
    QFile journal(chemin);
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly)) {
        if (!journal.exists())
            throw IoError(tr("Le fichier %1 est introuvable.").arg(chemin));
        throw IoError(
            tr("Impossible d'écrire le fichier %1 : %2").arg(chemin, journal.errorString()));
    }
    const QByteArray ligne = ligneDuJournal(text);
    if (journal.write(ligne) != ligne.size() || !journal.flush())
        throw IoError(
            tr("Impossible d'écrire le fichier %1 : %2").arg(chemin, journal.errorString()));
}

QString ligneFinaleAnalyse(const ResultatAnalyse &resultat,
                           const std::function<QString(int)> &texte)
{
    const int code = resultat.code;
    if (code == codes::kAucun)
        return texte(5006);
    if (code < codes::kFermeture || code > codes::kNonReferme)
        return QStringLiteral("Erreur : <%1> : %2").arg(resultat.mot).arg(code);
    // Texts 5010 to 5019 follow the codes 1 to 10.
    const QString sens = texte(5009 + code);
    if (code == codes::kNonPermis)
        return QStringLiteral("Erreur : ") + resultat.mot + QStringLiteral(" : ") + sens;
    return QStringLiteral("Erreur : <") + resultat.mot + QStringLiteral("> : ") + sens;
}
