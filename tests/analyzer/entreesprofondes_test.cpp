// Inputs that would break an engine built on recursion, on per-character allocations or on
// copies of the document: deep nesting, one huge line, a huge word and a million lines.

#include "tests/analyzer/moteurtest.h"

#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace
{

// Peak resident memory of the process, in bytes, since the last reset; nullopt where the
// system does not let the process reset it.
class PointeMemoire
{
public:
    PointeMemoire() { m_disponible = remet(); }

    std::optional<qint64> croissance() const
    {
        if (!m_disponible)
            return std::nullopt;
        return pointe() - m_depart;
    }

private:
    bool remet()
    {
        QFile effacement(QStringLiteral("/proc/self/clear_refs"));
        if (!effacement.open(QIODevice::WriteOnly) || effacement.write("5") != 1)
            return false;
        effacement.close();
        m_depart = pointe();
        return m_depart > 0;
    }

    static qint64 pointe()
    {
        QFile etat(QStringLiteral("/proc/self/status"));
        if (!etat.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray &ligne : etat.readAll().split('\n')) {
            if (ligne.startsWith("VmHWM:"))
                return ligne.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
        return 0;
    }

    bool m_disponible = false;
    qint64 m_depart = 0;
};

TEST(EntreesProfondes, HundredThousandNestedTagsOnOneLine)
{
    const int profondeur = 100000;
    const QString ligne = QStringLiteral("<i>") + QStringLiteral("<b>").repeated(profondeur) +
                          QStringLiteral("</b>").repeated(profondeur) + QStringLiteral("</u>");
    // Every <b> is closed again, so the last closing tag meets the very first element.
    const Passe passe = analyse({ligne});
    EXPECT_EQ(passe.resultat.code, 1);
    EXPECT_EQ(passe.resultat.mot, "i");
    EXPECT_EQ(passe.resultat.ligne, 1);
    EXPECT_EQ(passe.resultat.colonne, ligne.size());

    // Left open, they are no finding: only constructs are counted at the end.
    const Passe ouverts = analyseLignes({QStringLiteral("<b>").repeated(profondeur)});
    EXPECT_EQ(ouverts.resultat.code, 0);
    EXPECT_EQ(ouverts.resultat.colonne, 3 * profondeur + 1);
}

// Paragraphs of text with a few inline tags, all on one line, in one table.
QByteArray ligneDeCinquanteMo()
{
    const QByteArray motif =
        "<p class=\"texte\">Le ruisseau descend la colline entre les prés, passe sous le vieux "
        "pont de pierre et rejoint la rivière au pied du village ; les enfants y pêchent des "
        "<b>truites</b> au printemps et les anciens racontent qu'il débordait chaque hiver "
        "jusqu'à la place de l'église, <a href=\"histoire.htm\">comme le montrent</a> les "
        "marques gravées sur le mur du lavoir.</p><!-- paragraphe -->";
    const qsizetype taille = 50 * 1024 * 1024;
    QByteArray ligne;
    ligne.reserve(taille + 16);
    ligne += "<table><tr><td>";
    while (ligne.size() + motif.size() < taille)
        ligne += motif;
    ligne += "</td></tr></tabel>"; // the finding is at the very end
    return ligne;
}

TEST(EntreesProfondes, FiftyMegabytesOnOneLine)
{
    const QByteArray ligne = ligneDeCinquanteMo();
    PointeMemoire memoire;
    const Passe passe = analyseOctets(ligne, EncodageDocument::Utf8);
    // The bytes are read where they lie: no copy of the document.
    if (const auto croissance = memoire.croissance()) {
        EXPECT_LT(*croissance, ligne.size() / 4);
    }
    const QString texte = QString::fromUtf8(ligne);
    EXPECT_EQ(passe.resultat.code, 1);
    EXPECT_EQ(passe.resultat.mot, "table");
    EXPECT_EQ(passe.resultat.ligne, 1);
    EXPECT_EQ(passe.resultat.colonne, texte.size());

    // The same line handed over as text.
    const Passe lignes = analyseLignes({texte});
    EXPECT_EQ(lignes.resultat.code, 1);
    EXPECT_EQ(lignes.resultat.colonne, texte.size());
}

TEST(EntreesProfondes, OneWordOfTenMegabytes)
{
    QByteArray mot(10 * 1024 * 1024, 'a');
    const Passe passe = analyseOctets("<" + mot + ">", EncodageDocument::Utf8);
    EXPECT_EQ(passe.resultat.code, 2);
    EXPECT_EQ(passe.resultat.mot.size(), mot.size());
    EXPECT_EQ(passe.resultat.colonne, mot.size() + 2);
}

TEST(EntreesProfondes, AMillionEmptyLines)
{
    const int nombre = 1000000;
    const Passe passe = analyseLignes(QStringList(nombre, QString()));
    EXPECT_EQ(passe.resultat.code, 0);
    EXPECT_EQ(passe.resultat.ligne, nombre);
    EXPECT_EQ(passe.resultat.colonne, 1);

    for (const QByteArray &fin : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        const Passe octets = analyseOctets(fin.repeated(nombre), EncodageDocument::Windows1252);
        EXPECT_EQ(octets.resultat.ligne, nombre) << fin.toHex().constData();
        EXPECT_EQ(octets.resultat.colonne, 1);
    }

    // A tag left open over all of them, then closed on the last line.
    const Passe ouvert = analyseOctets("<p\n" + QByteArray("\n").repeated(nombre) + "x=1>",
                                       EncodageDocument::Windows1252);
    EXPECT_EQ(ouvert.resultat.code, 2);
    EXPECT_EQ(ouvert.resultat.mot, "px=1");
    EXPECT_EQ(ouvert.resultat.ligne, nombre + 2);
}

} // namespace
