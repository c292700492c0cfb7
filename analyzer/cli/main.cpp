// brindel-analyse: checks HTML files with the code analyzer, for scripts and CI.

#include "analyzer/cli/verificateur.h"
#include "platform/ioerror.h"

#include <QCoreApplication>

#include <cstdio>

namespace
{

enum Sortie { kSansErreur = 0, kErreurTrouvee = 1, kEchec = 2 };

void message(const QString &texte)
{
    std::fprintf(stderr, "brindel-analyse : %s\n", texte.toUtf8().constData());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QString erreur;
    const std::optional<OptionsVerification> options =
        litOptions(application.arguments().mid(1), erreur);
    if (!options) {
        message(erreur);
        std::fputs("Essayez « brindel-analyse --help ».\n", stderr);
        return kEchec;
    }
    if (options->aide) {
        std::fputs(texteAide().toUtf8().constData(), stdout);
        return kSansErreur;
    }

    QHash<int, QString> textes;
    try {
        textes = textesAnalyse(cheminDialogue(options->dialogue));
    } catch (const IoError &e) {
        message(e.message());
        return kEchec;
    }

    Verificateur verificateur(std::move(textes), options->json, stdout);
    int sortie = kSansErreur;
    for (const QString &fichier : options->fichiers) {
        try {
            if (verificateur.verifie(fichier) != 0 && sortie == kSansErreur)
                sortie = kErreurTrouvee;
        } catch (const IoError &e) {
            std::fflush(stdout);
            message(e.message());
            sortie = kEchec;
        }
    }
    return sortie;
}
