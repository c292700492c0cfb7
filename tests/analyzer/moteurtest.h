#pragma once

#include "analyzer/analyseur.h"
#include "platform/cp1252.h"

#include <QStringList>

#include <gtest/gtest.h>

// Runs of the engine for tests: texts "T" + number stand for the dialog texts, so warning
// lines can be compared whole.
struct Passe {
    ResultatAnalyse resultat;
    QStringList avertissements;
    QStringList informations;
    int textesDemandes = 0;
};

inline Passe analyseLignes(const QStringList &lignes)
{
    Passe passe;
    EnvironnementAnalyse environnement;
    environnement.texte = [&](int numero) {
        ++passe.textesDemandes;
        return QStringLiteral("T%1").arg(numero);
    };
    environnement.avertissement = [&](const QString &ligne) { passe.avertissements.append(ligne); };
    environnement.information = [&](const QString &texte) { passe.informations.append(texte); };
    passe.resultat = analysecode(lignes, environnement);
    return passe;
}

inline Passe analyseOctets(QByteArrayView octets, EncodageDocument encodage)
{
    Passe passe;
    EnvironnementAnalyse environnement;
    environnement.texte = [](int numero) { return QStringLiteral("T%1").arg(numero); };
    environnement.avertissement = [&](const QString &ligne) { passe.avertissements.append(ligne); };
    environnement.information = [&](const QString &texte) { passe.informations.append(texte); };
    passe.resultat = analysecode(octets, encodage, environnement);
    return passe;
}

inline void attendMemesPasses(const Passe &a, const Passe &b, const char *chemin)
{
    EXPECT_EQ(a.resultat.code, b.resultat.code) << chemin;
    EXPECT_EQ(a.resultat.mot, b.resultat.mot) << chemin;
    EXPECT_EQ(a.resultat.ligne, b.resultat.ligne) << chemin;
    EXPECT_EQ(a.resultat.colonne, b.resultat.colonne) << chemin;
    EXPECT_EQ(a.avertissements, b.avertissements) << chemin;
    EXPECT_EQ(a.informations, b.informations) << chemin;
}

// Analyses the lines as the editor hands them over, then the same document as file bytes in
// UTF-8 and, when it can hold the text, in Windows-1252: every way must give the same run.
inline Passe analyse(const QStringList &lignes)
{
    const Passe passe = analyseLignes(lignes);
    // Every line ends with a line break, which starts no further line.
    QString texte;
    for (const QString &ligne : lignes)
        texte += ligne + QStringLiteral("\r\n");
    attendMemesPasses(passe, analyseOctets(texte.toUtf8(), EncodageDocument::Utf8), "UTF-8");
    if (cp1252::canEncodeAll(texte)) {
        attendMemesPasses(passe,
                          analyseOctets(cp1252::encode(texte), EncodageDocument::Windows1252),
                          "Windows-1252");
    }
    return passe;
}
