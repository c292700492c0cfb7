#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdio>
#include <optional>

// The command line of brindel-analyse.
struct OptionsVerification {
    QString dialogue; // dialog language file named by --dialogue, or empty
    bool json = false;
    bool aide = false;
    QStringList fichiers;
};

// Reads the arguments (without the program name); nullopt with a message on a usage error.
std::optional<OptionsVerification> litOptions(const QStringList &arguments, QString &erreur);

QString texteAide();

// The dialog language file: the one named on the command line, else the `dialogue` key of
// brindel.sav when it names an existing file, else langue/francais.dlg of the program directory.
QString cheminDialogue(const QString &option);

// The dialog texts that the log can hold, read once. Throws IoError when the file is unreadable.
QHash<int, QString> textesAnalyse(const QString &fichierDialogue);

// A JSON string literal, quotes included, in UTF-8.
QByteArray chaineJson(QStringView texte);

// Checks files one after the other and prints each one's log to `sortie`.
class Verificateur
{
public:
    Verificateur(QHash<int, QString> textes, bool json, FILE *sortie);

    // Analyses one file ("-": standard input) and prints its log; returns its finding code.
    // Throws IoError when the file cannot be read: before printing anything when it cannot
    // be opened, after the warnings met so far when reading fails midway.
    int verifie(const QString &fichier);

private:
    QString texte(int numero) const;
    void ecrit(const QByteArray &octets);

    QHash<int, QString> m_textes;
    bool m_json;
    FILE *m_sortie;
};
