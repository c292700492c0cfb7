// Documents handed to the engine in pieces, as a file is read in blocks: the run must be that
// of the whole document, wherever the pieces cut it.

#include "tests/analyzer/moteurtest.h"

#include "analyzer/analysefichier.h"
#include "analyzer/textedocument.h"
#include "platform/ioerror.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

const QByteArray kDocuments[] = {
    "",
    "\r\n",
    "<p>x</p>",
    "<p>x</p>\r\n<b>y</B>\r\n",
    "<p>\r<table\nborder=\"1\">\r\n",                            // a tag over a lone CR and an LF
    "a -->\r\n<!-- <!-- x -->\n<p\r",                            // warnings, then a tag left open
    "<p>\xC3\xA9t\xC3\xA9 --> <\xC3\xA9>\r\n<b>fin",             // UTF-8 cut anywhere, a finding
    "<p>\xE9t\xE9\r\n\r\n<img src=\"a.gif\" onclick=\"f()\">\n", // Windows-1252
    "<p\r\n\r\n\r\n>x</p>\r",
};

Passe parMorceaux(const QByteArray &document, qsizetype taille)
{
    Passe passe;
    EnvironnementAnalyse environnement;
    environnement.texte = [](int numero) { return QStringLiteral("T%1").arg(numero); };
    environnement.avertissement = [&](const QString &ligne) { passe.avertissements.append(ligne); };
    environnement.information = [&](const QString &texte) { passe.informations.append(texte); };
    AnalyseFlux flux(encodageDocument(document), environnement);
    for (qsizetype debut = 0; debut < document.size(); debut += taille) {
        flux.ajoute({}); // an empty piece changes nothing
        if (!flux.ajoute(QByteArrayView(document).sliced(debut).first(
                std::min(taille, document.size() - debut))))
            break;
    }
    flux.ajoute({}, true);
    passe.resultat = flux.resultat();
    return passe;
}

TEST(AnalyseFlux, PiecesOfAnySizeGiveTheRunOfTheWholeDocument)
{
    for (const QByteArray &document : kDocuments) {
        SCOPED_TRACE(document.toHex().constData());
        const Passe entier = analyseOctets(document, encodageDocument(document));
        for (qsizetype taille : {1, 2, 3, 5, 64}) {
            SCOPED_TRACE(taille);
            attendMemesPasses(entier, parMorceaux(document, taille), "pieces");
        }
    }
}

// Short documents drawn from the characters that steer the scan, element and attribute words,
// and accented letters: every way of handing them over must give the same run.
TEST(AnalyseFlux, RandomDocumentsAgreeOnEveryPath)
{
    const QStringList pieces = {
        "<",  ">",     "-",       "!",          "?",      "\"",        " ",
        "\r", "\n",    "\r\n",    "b",          "/b",     "p",         "img",
        "=",  "src=1", "é",       "\U0001F600", "<!--",   "-->",       "<?",
        "?>", "B",     "align=x", "td",         "nowrap", "onclick=1", QStringLiteral("\uFEFF")};
    QRandomGenerator aleatoire(20260805);
    for (int essai = 0; essai < 3000; ++essai) {
        QString texte;
        const int longueur = int(aleatoire.bounded(1, 30));
        for (int i = 0; i < longueur; ++i)
            texte += pieces.at(aleatoire.bounded(qsizetype(pieces.size())));
        const QByteArray utf8 = texte.toUtf8();
        SCOPED_TRACE(utf8.toHex().constData());
        const Passe lignes = analyseLignes(lignesDocument(utf8));
        const EncodageDocument encodage = encodageDocument(utf8);
        const QByteArray corps = texteDocument(utf8, encodage).toByteArray();
        attendMemesPasses(lignes, analyseOctets(corps, encodage), "bytes");
        attendMemesPasses(lignes, parMorceaux(corps, aleatoire.bounded(1, 8)), "pieces");
        if (cp1252::canEncodeAll(texte)) {
            const QByteArray ansi = cp1252::encode(texte);
            attendMemesPasses(lignes, analyseOctets(ansi, EncodageDocument::Windows1252), "1252");
        }
        if (::testing::Test::HasFailure())
            break;
    }
}

TEST(AnalyseFlux, EncodingChosenPieceByPiece)
{
    const QByteArray cas[] = {"ascii",    "\xC3\xA9",         "\xE9",         "\xE2\x82\xAC x",
                              "\xE2\x82", "\xF0\x9F\x98\x80", "\xED\xA0\x80", "abcdefghij\xC3"};
    for (const QByteArray &octets : cas) {
        ControleEncodage controle;
        for (char octet : octets)
            controle.ajoute(QByteArrayView(&octet, 1));
        EXPECT_EQ(controle.encodage(), encodageDocument(octets)) << octets.toHex().constData();
    }
}

class AnalyseFichier : public ::testing::Test
{
protected:
    QString ecrit(const QString &nom, const QByteArray &octets)
    {
        QFile fichier(m_dossier.filePath(nom));
        EXPECT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(octets);
        return fichier.fileName();
    }

    QTemporaryDir m_dossier;
};

Passe passeFichier(const QString &chemin)
{
    Passe fichier;
    EnvironnementAnalyse environnement;
    environnement.texte = [](int numero) { return QStringLiteral("T%1").arg(numero); };
    environnement.avertissement = [&](const QString &ligne) {
        fichier.avertissements.append(ligne);
    };
    fichier.resultat = analyseFichier(chemin, environnement);
    return fichier;
}

// Rows of a table up to `taille` bytes, then filling.
QByteArray lignesJusqua(QByteArray octets, qsizetype taille)
{
    const QByteArray rangee = "<tr><td>caf\xC3\xA9</td></tr>\r\n";
    while (octets.size() + rangee.size() < taille)
        octets += rangee;
    return octets + QByteArray(taille - octets.size(), 'x');
}

TEST_F(AnalyseFichier, WindowsOfTheFileGiveTheRunOfTheWholeDocument)
{
    // Lines cut by the windows, a CR LF split between two windows, a long line over several
    // windows, then a finding; the same document with its last line ended, and a document
    // that ends with a window.
    QByteArray octets = lignesJusqua("\xEF\xBB\xBF<table>\r\n", kFenetreLecture - 1);
    octets += "\r\n<p>" + QByteArray(2 * kFenetreLecture + 5, 'x') +
              "</p>\r\n<!-- <!-- -->\r\n</tabel>\r\n<b>\xF0\x9F\x98\x80";
    const QByteArray documents[] = {octets, octets + "\r\n",
                                    lignesJusqua("<b>\r\n", 2 * kFenetreLecture)};
    for (const QByteArray &document : documents) {
        const Passe entier = analyseOctets(texteDocument(document, encodageDocument(document)),
                                           encodageDocument(document));
        attendMemesPasses(entier, passeFichier(ecrit("page.htm", document)), "file");
    }
    EXPECT_EQ(passeFichier(ecrit("page.htm", octets)).resultat.code, 1);
}

TEST_F(AnalyseFichier, FileThatCannotBeMappedIsReadInBlocks)
{
    // A file of the kernel tells a size of 0 and cannot be mapped: it is read to its end.
    const QString chemin = QStringLiteral("/proc/version");
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "no /proc/version";
    const QByteArray document = fichier.readAll();
    ASSERT_FALSE(document.isEmpty());
    attendMemesPasses(analyseOctets(document, encodageDocument(document)), passeFichier(chemin),
                      "proc");
}

TEST_F(AnalyseFichier, WhatTheEditorWouldNotOpenIsAnError)
{
    EXPECT_THROW(analyseFichier(m_dossier.filePath("absent.htm"), {}), IoError);
    EXPECT_THROW(analyseFichier(m_dossier.path(), {}), IoError);
    EXPECT_THROW(analyseFichier(ecrit("image.gif", QByteArray("GIF89a\0\0", 8)), {}), IoError);
    EXPECT_THROW(analyseDocument(QByteArray("<p>\0", 4), "-", {}), IoError);
    // A NUL byte past the first 8 KB is text.
    const ResultatAnalyse r =
        analyseFichier(ecrit("nul.htm", QByteArray(9000, 'a') + QByteArray("\0<foo>", 6)), {});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.colonne, 9006);
    EXPECT_EQ(analyseFichier(ecrit("marque.htm", "\xEF\xBB\xBF"), {}).ligne, 0);
}

} // namespace
