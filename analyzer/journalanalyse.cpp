#include "analyzer/journalanalyse.h"

#include "platform/atomicfile.h"
#include "platform/cp1252.h"
#include "platform/documentfile.h"
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

bool fitsCodePage(const QString &text)
{
    for (QChar ch : text) {
        if (cp1252::code(ch) < 0)
            return false;
    }
    return true;
}

QByteArray ligneUtf8(const QString &text)
{
    DocumentFormat utf8;
    utf8.encoding = Encoding::Utf8;
    return encodeDocument(text, utf8) + "\r\n";
}

// What the last write left in the log, so that each line does not read the whole file
// again to learn its encoding: the log's path, its size and whether it is UTF-8.
struct EtatJournal {
    QString chemin;
    qint64 taille = -1;
    bool utf8 = false;
};

EtatJournal &etat()
{
    static EtatJournal journal;
    return journal;
}

// Whether the log at `chemin`, of `taille` bytes, is written in UTF-8: known from the last
// write when the file has not changed since, read by the documents' rule otherwise.
bool journalUtf8(const QString &chemin, qint64 taille)
{
    if (etat().chemin == chemin && etat().taille == taille)
        return etat().utf8;
    return taille > 0 && decodeDocument(readWholeFile(chemin)).format.encoding == Encoding::Utf8;
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
    etat() = EtatJournal{chemin, 0, false};
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
    const qint64 taille = journal.size();
    const bool utf8 = journalUtf8(chemin, taille);
    if (!utf8 && !fitsCodePage(text)) {
        // A character beyond Windows-1252: the whole log goes to UTF-8, so that the report
        // shows the characters the document holds.
        journal.close();
        const QByteArray converti =
            ligneUtf8(cp1252::decode(readWholeFile(chemin))).chopped(2) + ligneUtf8(text);
        writeFileAtomically(chemin, converti, chemin + QLatin1Char('~'));
        etat() = EtatJournal{chemin, converti.size(), true};
        return;
    }
    const QByteArray ligne = utf8 ? ligneUtf8(text) : ligneDuJournal(text);
    if (journal.write(ligne) != ligne.size() || !journal.flush())
        throw IoError(
            tr("Impossible d'écrire le fichier %1 : %2").arg(chemin, journal.errorString()));
    etat() = EtatJournal{chemin, taille + ligne.size(), utf8};
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
