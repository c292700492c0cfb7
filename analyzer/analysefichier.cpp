#include "analyzer/analysefichier.h"

#include "analyzer/textedocument.h"
#include "platform/documentfile.h"
#include "platform/ioerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("analyse", text);
}

constexpr qsizetype kBloc = 256 * 1024;
constexpr char kBom[] = "\xEF\xBB\xBF";

IoError fichierBinaire(const QString &nom)
{
    return IoError(tr("%1 n'est pas un fichier texte (il contient des octets nuls) : "
                      "l'éditeur ne l'ouvre pas.")
                       .arg(nom));
}

// Reads a file in pieces, without copying it where it can: the file is mapped one window at a
// time, so that at most one window is held whatever the file's size. A file that cannot be
// mapped (a pipe, a special file) is read in blocks into one buffer instead.
class Lecteur
{
public:
    explicit Lecteur(const QString &chemin) : m_fichier(chemin)
    {
        const QFileInfo info(chemin);
        if (info.isDir())
            throw IoError(tr("%1 est un répertoire, pas un fichier.").arg(chemin));
        if (!m_fichier.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            if (!info.exists())
                throw IoError(tr("Le fichier %1 est introuvable.").arg(chemin));
            throw erreur();
        }
        // Only a regular file of known size is mapped; /proc files tell a size of 0.
        m_taille = m_fichier.size();
        m_carte = !m_fichier.isSequential() && m_taille > 0;
    }

    ~Lecteur() { libereFenetre(); }
    Lecteur(const Lecteur &) = delete;
    Lecteur &operator=(const Lecteur &) = delete;

    // The next piece, empty at the end of the file.
    QByteArrayView suivant()
    {
        libereFenetre();
        if (m_carte && m_position < m_taille) {
            const qint64 taille = std::min<qint64>(kFenetreLecture, m_taille - m_position);
            m_fenetre = m_fichier.map(m_position, taille);
            if (m_fenetre) {
                m_position += taille;
                return QByteArrayView(m_fenetre, qsizetype(taille));
            }
            // Not mappable: the blocks are read from here on.
            m_carte = false;
            if (!m_fichier.seek(m_position))
                throw erreur();
        }
        if (m_carte)
            return {};
        if (m_bloc.empty())
            m_bloc.resize(std::size_t(kBloc));
        const qint64 lus = m_fichier.read(m_bloc.data(), kBloc);
        if (lus < 0)
            throw erreur();
        return QByteArrayView(m_bloc.data(), qsizetype(lus));
    }

    void recommence()
    {
        libereFenetre();
        m_position = 0;
        if (!m_carte && !m_fichier.seek(0))
            throw erreur();
    }

private:
    void libereFenetre()
    {
        if (m_fenetre) {
            m_fichier.unmap(m_fenetre);
            m_fenetre = nullptr;
        }
    }

    IoError erreur() const
    {
        return IoError(tr("Impossible de lire le fichier %1 : %2")
                           .arg(m_fichier.fileName(), m_fichier.errorString()));
    }

    QFile m_fichier;
    qint64 m_taille = 0;
    bool m_carte = false; // pieces are mapped windows
    qint64 m_position = 0;
    uchar *m_fenetre = nullptr;
    std::vector<char> m_bloc;
};

} // namespace

ResultatAnalyse analyseFichier(const QString &chemin, const EnvironnementAnalyse &environnement)
{
    Lecteur lecteur(chemin);

    // First reading: the encoding, the byte order mark, and no NUL byte near the start.
    ControleEncodage controle;
    QByteArray debut; // the first bytes, up to the size looked at for NUL bytes
    for (QByteArrayView bloc = lecteur.suivant(); !bloc.isEmpty(); bloc = lecteur.suivant()) {
        if (debut.size() < kBinarySniffSize)
            debut += bloc.first(std::min(bloc.size(), kBinarySniffSize - debut.size()));
        controle.ajoute(bloc);
    }
    if (looksBinary(debut))
        throw fichierBinaire(chemin);
    const EncodageDocument encodage = controle.encodage();
    qsizetype aSauter = encodage == EncodageDocument::Utf8 && debut.startsWith(kBom) ? 3 : 0;

    // Second reading: the text to the engine, up to its finding.
    lecteur.recommence();
    AnalyseFlux flux(encodage, environnement);
    for (QByteArrayView bloc = lecteur.suivant(); !bloc.isEmpty(); bloc = lecteur.suivant()) {
        const qsizetype saut = std::min(aSauter, bloc.size());
        aSauter -= saut;
        if (!flux.ajoute(bloc.sliced(saut)))
            return flux.resultat();
    }
    flux.ajoute({}, true);
    return flux.resultat();
}

ResultatAnalyse analyseDocument(QByteArrayView octets, const QString &nom,
                                const EnvironnementAnalyse &environnement)
{
    if (looksBinary(octets))
        throw fichierBinaire(nom);
    const EncodageDocument encodage = encodageDocument(octets);
    return analysecode(texteDocument(octets, encodage), encodage, environnement);
}
