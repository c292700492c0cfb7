// Times the code analyzer on generated HTML 4 pages without findings and on deep inputs:
//   file        end to end as brindel-analyse runs: read the file in blocks to choose its
//               encoding, read it again and analyse its bytes
//   lines       the editor's way: the decoded lines handed over as QStrings (analysis only)
//   byte loop   a minimal loop over the same bytes that only tracks "<", ">" and quotes,
//               the floor any checker has to pay
// and the peak memory of the end-to-end run per input byte. Each figure is the best of three
// runs, in wall-clock and processor time (on a busy machine the second shows the work itself).
// Usage: analyzer_bench [size in MB ...]   (default 1 5 20 50)

#include "analyzer/analysefichier.h"
#include "analyzer/analyseur.h"
#include "analyzer/textedocument.h"
#include "platform/atomicfile.h"
#include "platform/cp1252.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace
{

// A hand-written-looking page: head with meta tags, then sections of headings, paragraphs,
// tables, fonts, images, links, forms, lists, comments and processing blocks, in upper and
// lower case, with accented letters, lines ended by CR LF. UTF-8.
QByteArray genererPage(qsizetype taille)
{
    static const char *const kSection[] = {
        "<!-- Section %1 : présentation -->",
        "<H2 ALIGN=\"center\">Chapitre %1 : un été à la campagne</H2>",
        "<p align=\"justify\">Voici un paragraphe où l'on parle de <b>café</b>, de <i>crème "
        "brûlée</i> et de <a href=\"page%1.htm\" target=\"_blank\">la suite de l'histoire</a>, "
        "avec assez de texte pour ressembler à une vraie page écrite à la main.</p>",
        "<TABLE BORDER=\"1\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"100%\" "
        "BGCOLOR=\"silver\">",
        "  <TR VALIGN=\"top\"><TD ALIGN=\"left\" WIDTH=\"30%\"><FONT FACE=\"Arial\" SIZE=\"2\" "
        "COLOR=\"navy\">Cellule %1</FONT></TD><td bgcolor=\"#FFCC00\">Données é è à ç "
        "%1</td></TR>",
        "</TABLE>",
        "<IMG SRC=\"images/photo%1.jpg\" WIDTH=\"120\" HEIGHT=\"80\" BORDER=\"0\" ALT=\"Photo "
        "du jour\"><BR>",
        "<form action=\"envoi.php\" method=\"post\"><input type=\"text\" name=\"nom%1\" "
        "size=\"20\" maxlength=\"40\"> <input type=\"submit\" value=\"Envoyer\"></form>",
        "<ul><li>premier point<li>second point</ul>",
        "<?php echo $compteur + %1; ?>",
        "<HR SIZE=\"1\" NOSHADE>",
        "",
    };
    QByteArray page = "<HTML>\r\n<HEAD>\r\n<TITLE>Banc d'essai de l'analyseur</TITLE>\r\n"
                      "<META NAME=\"description\" CONTENT=\"Une page générée\">\r\n</HEAD>\r\n"
                      "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\">\r\n";
    const QByteArray fin = "<CENTER><SMALL>Pied de page</SMALL></CENTER>\r\n</BODY>\r\n</HTML>\r\n";
    page.reserve(taille + 4096);
    for (int i = 0; page.size() + fin.size() < taille; ++i) {
        for (const char *ligne : kSection) {
            page += QByteArray(ligne).replace("%1", QByteArray::number(i));
            page += "\r\n";
        }
    }
    page += fin;
    return page;
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Mesure {
    double murMs = 1e300;
    double cpuMs = 1e300;
};

// Best of three runs of `travail`.
Mesure mesure(const std::function<void()> &travail)
{
    Mesure m;
    for (int essai = 0; essai < 3; ++essai) {
        QElapsedTimer mur;
        const double cpu = cpuMs();
        mur.start();
        travail();
        m.murMs = std::min(m.murMs, double(mur.nsecsElapsed()) / 1e6);
        m.cpuMs = std::min(m.cpuMs, cpuMs() - cpu);
    }
    return m;
}

double megaoctets(qsizetype octets)
{
    return double(octets) / (1024.0 * 1024.0);
}

void affiche(const char *quoi, qsizetype octets, const Mesure &m)
{
    std::printf("  %-34s %9.1f ms %8.1f MB/s   (processeur %9.1f ms %8.1f MB/s)\n", quoi, m.murMs,
                megaoctets(octets) / (m.murMs / 1e3), m.cpuMs,
                megaoctets(octets) / (m.cpuMs / 1e3));
}

// The floor: one pass that only follows tags and quotes, as any checker must.
qsizetype boucleMinimale(QByteArrayView octets)
{
    bool balise = false;
    bool guillemets = false;
    qsizetype balises = 0;
    for (const char c : octets) {
        if (c == '<') {
            balise = true;
        } else if (balise) {
            if (c == '"')
                guillemets = !guillemets;
            else if (c == '>' && !guillemets) {
                balise = false;
                ++balises;
            }
        }
    }
    return balises;
}

qint64 memoireKo(const char *champ)
{
    QFile etat(QStringLiteral("/proc/self/status"));
    if (!etat.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &ligne : etat.readAll().split('\n')) {
        if (ligne.startsWith(champ))
            return ligne.mid(qsizetype(std::strlen(champ)))
                .trimmed()
                .split(' ')
                .value(0)
                .toLongLong();
    }
    return -1;
}

// Peak resident memory added by `travail`, in bytes; -1 when it cannot be measured.
qint64 pointeMemoire(const std::function<void()> &travail)
{
    QFile effacement(QStringLiteral("/proc/self/clear_refs"));
    if (!effacement.open(QIODevice::WriteOnly) || effacement.write("5") != 1)
        return -1;
    effacement.close();
    const qint64 depart = memoireKo("VmRSS:");
    travail();
    return (memoireKo("VmHWM:") - depart) * 1024;
}

void verifieSansErreur(const ResultatAnalyse &r, const char *quoi)
{
    if (r.code != 0) {
        std::fprintf(stderr, "%s : code %d, mot %s, ligne %lld, colonne %lld\n", quoi, r.code,
                     r.mot.toUtf8().constData(), qlonglong(r.ligne), qlonglong(r.colonne));
        std::exit(1);
    }
}

void bancPage(const QTemporaryDir &dossier, int mo)
{
    const QString chemin = dossier.filePath(QStringLiteral("page%1.htm").arg(mo));
    qsizetype taille = 0;
    {
        const QByteArray page = genererPage(qsizetype(mo) * 1024 * 1024);
        taille = page.size();
        QFile fichier(chemin);
        if (!fichier.open(QIODevice::WriteOnly) || fichier.write(page) != page.size()) {
            std::fprintf(stderr, "impossible d'écrire %s\n", qPrintable(chemin));
            std::exit(1);
        }
    }
    std::printf("Page de %d Mo (%lld octets, UTF-8, CR LF)\n", mo, qlonglong(taille));

    ResultatAnalyse resultat;
    const qint64 pointe =
        pointeMemoire([&] { resultat = analyseFichier(chemin, EnvironnementAnalyse{}); });
    verifieSansErreur(resultat, "page");
    affiche("fichier (lecture + encodage + analyse)", taille,
            mesure([&] { resultat = analyseFichier(chemin, EnvironnementAnalyse{}); }));

    const QByteArray octets = readWholeFile(chemin);
    affiche("analyse seule des octets", taille, mesure([&] {
                resultat = analysecode(texteDocument(octets, EncodageDocument::Utf8),
                                       EncodageDocument::Utf8, EnvironnementAnalyse{});
            }));
    const QByteArray ansi = cp1252::encode(QString::fromUtf8(octets));
    affiche("analyse seule, même page en 1252", ansi.size(), mesure([&] {
                resultat = analysecode(ansi, EncodageDocument::Windows1252, EnvironnementAnalyse{});
            }));
    verifieSansErreur(resultat, "page 1252");

    qsizetype balises = 0;
    const Mesure boucle = mesure([&] { balises = boucleMinimale(octets); });
    affiche("boucle minimale (<, >, guillemets)", taille, boucle);

    const QStringList lignes = lignesDocument(octets);
    const Mesure editeur = mesure([&] { resultat = analysecode(lignes, EnvironnementAnalyse{}); });
    verifieSansErreur(resultat, "lignes");
    affiche("lignes QString (chemin de l'éditeur)", taille, editeur);

    const Mesure fichier =
        mesure([&] { resultat = analyseFichier(chemin, EnvironnementAnalyse{}); });
    std::printf("  rapport fichier / boucle minimale : %.2f (processeur %.2f) ; %lld balises\n",
                fichier.murMs / boucle.murMs, fichier.cpuMs / boucle.cpuMs, qlonglong(balises));
    if (pointe >= 0) {
        std::printf("  mémoire de pointe du chemin fichier : %.1f Mo, %.2f octets par octet lu\n",
                    megaoctets(pointe), double(pointe) / double(taille));
    }
    QFile::remove(chemin);
}

void bancProfond(const char *quoi, const QByteArray &octets)
{
    ResultatAnalyse resultat;
    const Mesure m = mesure([&] {
        resultat = analysecode(octets, EncodageDocument::Windows1252, EnvironnementAnalyse{});
    });
    affiche(quoi, octets.size(), m);
    std::printf("  %-34s code %d, ligne %lld, colonne %lld\n", "", resultat.code,
                qlonglong(resultat.ligne), qlonglong(resultat.colonne));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QList<int> tailles;
    for (int i = 1; i < argc; ++i) {
        bool ok = false;
        const int mo = QByteArray(argv[i]).toInt(&ok);
        if (!ok || mo <= 0) {
            std::fprintf(stderr, "Utilisation : analyzer_bench [taille en Mo ...]\n");
            return 2;
        }
        tailles.append(mo);
    }
    if (tailles.isEmpty())
        tailles = {1, 5, 20, 50};

    QTemporaryDir dossier;
    for (int mo : tailles)
        bancPage(dossier, mo);

    std::printf("Entrées profondes\n");
    bancProfond("100 000 <b> imbriqués, une ligne", "<i>" + QByteArray("<b>").repeated(100000) +
                                                        QByteArray("</b>").repeated(100000) +
                                                        "</i>");
    bancProfond("50 Mo sur une seule ligne", genererPage(50 * 1024 * 1024).replace("\r\n", " "));
    bancProfond("1 000 000 lignes vides", QByteArray("\r\n").repeated(1000000));
    return 0;
}
