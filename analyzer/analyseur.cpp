#include "analyzer/analyseur.h"

#include "analyzer/dictionnaire.h"
#include "analyzer/memoireverdicts.h"
#include "analyzer/recherche.h"
#include "analyzer/textedocument.h"
#include "analyzer/tpile.h"
#include "platform/cp1252.h"

#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace
{

// How the engine reads the code units of one kind of input: the UTF-16 lines of a QString, or
// the bytes of a Windows-1252 or UTF-8 file. Every character that steers the scan is ASCII, and
// in UTF-8 no byte of a longer sequence is ASCII, so the scan itself is the same for all three.
struct UnitesUtf16 {
    using Unit = char16_t;
    static constexpr bool kLargeurFixe = true;
    static constexpr bool kCoupures = false; // each line comes alone
    static int largeur(Unit) { return 1; }
    static QString texte(std::u16string_view v)
    {
        return QString(reinterpret_cast<const QChar *>(v.data()), qsizetype(v.size()));
    }
};

struct Unites1252 {
    using Unit = char;
    static constexpr bool kLargeurFixe = true;
    static constexpr bool kCoupures = true; // lines come together, with their line breaks
    static int largeur(Unit) { return 1; }
    static QString texte(std::string_view v)
    {
        return cp1252::decode(QByteArrayView(v.data(), qsizetype(v.size())));
    }
};

struct UnitesUtf8 {
    using Unit = char;
    static constexpr bool kLargeurFixe = false;
    static constexpr bool kCoupures = true;
    // UTF-16 code units of the character a byte starts: none for a continuation byte, two for
    // the lead byte of a four-byte sequence.
    static int largeur(Unit u)
    {
        const uchar b = uchar(u);
        return (b & 0xC0) == 0x80 ? 0 : (b >= 0xF0 ? 2 : 1);
    }
    static QString texte(std::string_view v)
    {
        return decodeUtf8(QByteArrayView(v.data(), qsizetype(v.size())));
    }
};

// A to Z lowered, the rest of ASCII unchanged.
constexpr std::array<char, 128> kMinuscules = [] {
    std::array<char, 128> table{};
    for (int i = 0; i < 128; ++i)
        table[std::size_t(i)] = char(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
    return table;
}();

// One analysis run. Lines are fed in order; the run stops at the first finding.
template <class U> class Moteur
{
    using Unit = typename U::Unit;
    using Vue = std::basic_string_view<Unit>;

public:
    explicit Moteur(const EnvironnementAnalyse &environnement) : m_env(environnement)
    {
        // The verdict memory reads whole words from the word buffer: its room is allocated.
        m_mot.reserve(MemoireVerdicts::kRoom / sizeof(Unit) + 8);
    }

    // Scans text that starts at the start of a line: with line breaks (CR LF, LF or a lone
    // CR) in it when the units are bytes, one line or the start of one otherwise. False once a
    // finding is recorded. The last line need not end with a line break: finLigne() ends it.
    bool analyse(const Unit *d, qsizetype n)
    {
        m_d = d;
        m_n = n;
        m_debutMot = -1; // a word begun earlier lies in other text
        m_debut = 0;
        m_indexCompte = 0;
        m_compte = 0;
        m_ligneTerminee = false;
        qsizetype i = 0;
        while (i < n) {
            if (m_construct != Construct::Balise) {
                // Outside a tag only "<", "-" and "?" can change anything.
                if constexpr (U::kCoupures)
                    i = recherche::premier<'<', '-', '?', '\r', '\n'>(d, i, n);
                else
                    i = recherche::premier<'<', '-', '?'>(d, i, n);
                if (i == n)
                    break;
            } else {
                // The run goes into the word at once; the character that ends it is handled
                // here, as the next run would begin with it.
                const qsizetype fin = finDuMot(i);
                if (fin > i) {
                    ajouteAuMot(i, fin);
                    i = fin;
                    if (i == n)
                        break;
                }
            }
            if constexpr (U::kCoupures) {
                if (d[i] == '\r' || d[i] == '\n') {
                    i = coupure(i);
                    continue;
                }
            }
            if (!etapesCourantes(i))
                etapes(i);
            if (m_trouve)
                return false;
            ++i;
        }
        return true;
    }

    // Ends the line that the text scanned last ends with, when no line break ends it.
    void finLigne()
    {
        ++m_indexLigne;
        m_debutTerminee = m_debut;
        m_finTerminee = m_n;
        m_ligneTerminee = true;
    }

    // The last line ended in the text scanned last, as indexes into it; false when none.
    bool derniereLigneTerminee(qsizetype &debut, qsizetype &fin) const
    {
        debut = m_debutTerminee;
        fin = m_finTerminee;
        return m_ligneTerminee;
    }

    qsizetype lignesTerminees() const { return m_indexLigne; }

    // The result, given the number of lines and the length of the last line in UTF-16 units.
    ResultatAnalyse resultat(qsizetype nombreLignes, qsizetype longueurDerniere) const
    {
        ResultatAnalyse r;
        if (m_trouve) {
            r.ligne = m_ligneTrouvee + 1;
            r.colonne = m_positionTrouvee + 1;
            r.code = m_code;
            r.mot = m_motTrouve;
            return r;
        }
        r.code = m_fermetures < m_ouvertures ? codes::kNonReferme : codes::kAucun;
        r.ligne = nombreLignes;
        r.colonne = longueurDerniere + 1;
        return r;
    }

    static qsizetype longueur(const Unit *d, qsizetype n)
    {
        if constexpr (U::kLargeurFixe) {
            return n;
        } else {
            qsizetype total = 0;
            for (qsizetype i = 0; i < n; ++i)
                total += U::largeur(d[i]);
            return total;
        }
    }

private:
    // What the scan is inside. The in-tag flag is set exactly while the construct is a tag.
    enum class Construct { Aucune, Balise, Commentaire, Traitement };

    // Inside a tag, the run of characters from i that only step A concerns, where A only
    // appends them to the word: up to the next space outside quotes, "<", ">" or line break,
    // quotes included (each toggles the quoted state), but never the character before a ">",
    // which ends the tag, nor a ">" that the scan has reached with no character before it.
    // Returns the end of the run; the quoted state is that at its end.
    qsizetype finDuMot(qsizetype i)
    {
        const Unit *d = m_d;
        const qsizetype n = m_n;
        qsizetype fin = i;
        for (;;) {
            fin = m_guillemets ? arretEntreGuillemets(fin) : arretDansBalise(fin);
            if (fin == n)
                return n;
            const Unit c = d[fin];
            if (c == '>') {
                if (fin == i) {
                    ++fin; // an ordinary character here
                    continue;
                }
                return fin - 1;
            }
            if (c == '"' && !(fin + 1 < n && d[fin + 1] == '>')) {
                m_guillemets = !m_guillemets;
                ++fin;
                continue;
            }
            return fin;
        }
    }

    qsizetype arretDansBalise(qsizetype i) const
    {
        if constexpr (U::kCoupures)
            return recherche::premier<'"', ' ', '<', '>', '\r', '\n'>(m_d, i, m_n);
        else
            return recherche::premier<'"', ' ', '<', '>'>(m_d, i, m_n);
    }

    qsizetype arretEntreGuillemets(qsizetype i) const
    {
        if constexpr (U::kCoupures)
            return recherche::premier<'"', '<', '>', '\r', '\n'>(m_d, i, m_n);
        else
            return recherche::premier<'"', '<', '>'>(m_d, i, m_n);
    }

    // The line break at i ends the current line; returns the start of the next one.
    qsizetype coupure(qsizetype i)
    {
        m_debutTerminee = m_debut;
        m_finTerminee = i;
        m_ligneTerminee = true;
        ++m_indexLigne;
        if (m_d[i] == '\r' && i + 1 < m_n && m_d[i + 1] == '\n')
            ++i;
        m_debut = i + 1;
        m_indexCompte = m_debut;
        m_compte = 0;
        return m_debut;
    }

    // The steps for the three commonest characters the scan stops at, when no step but those
    // taken here concerns them: a tag's start, a space ending a word, the last character of a
    // tag. False, with nothing done, for any other character.
    bool etapesCourantes(qsizetype i)
    {
        const Unit c = m_d[i];
        const Unit suivant = i + 1 < m_n ? m_d[i + 1] : Unit(0);
        if (m_construct == Construct::Aucune) {
            if (c != '<' || suivant == '!' || suivant == '?' || suivant == '>')
                return false;
            m_construct = Construct::Balise;
            ++m_ouvertures;
            return true;
        }
        if (m_construct != Construct::Balise || c == '<' || c == '-')
            return false;
        if (suivant != '>') {
            if (c != ' ' || m_guillemets)
                return false;
            procedureS(i);
            m_mot.clear();
            return true;
        }
        etapeMot(i);
        procedureT(i);
        m_mot.clear();
        m_construct = Construct::Aucune;
        ++m_fermetures;
        return true;
    }

    // Step A, inside a tag: word gathering.
    void etapeMot(qsizetype i)
    {
        const Unit c = m_d[i];
        if (c == '"') {
            m_guillemets = !m_guillemets;
            ajouteAuMot(i, i + 1);
        } else if (c != ' ' || m_guillemets) {
            ajouteAuMot(i, i + 1);
        } else {
            procedureS(i);
            m_mot.clear();
        }
    }

    // The scan steps for the character at index i, in order; each sees the changes of the
    // steps before it, and all of them run even after one records a finding.
    void etapes(qsizetype i)
    {
        const Unit *d = m_d;
        const Unit c = d[i];
        const Unit suivant = i + 1 < m_n ? d[i + 1] : Unit(0);
        const Unit apres = i + 2 < m_n ? d[i + 2] : Unit(0);
        const Unit avant = i > m_debut ? d[i - 1] : Unit(0);

        // A. Word gathering.
        if (m_construct == Construct::Balise)
            etapeMot(i);

        if (c == '<') {
            // B. Tag start, also inside a tag (a second opening).
            if (suivant != '!' && suivant != '?' &&
                (m_construct == Construct::Aucune || m_construct == Construct::Balise)) {
                m_construct = Construct::Balise;
                ++m_ouvertures;
            }
            if (suivant == '!' && apres == '-') {
                if (m_construct == Construct::Commentaire) {
                    // C. Comment opened inside a comment.
                    avertissement(QStringLiteral(" - L: %1 , C: %2 : %3")
                                      .arg(m_indexLigne + 1)
                                      .arg(position(i))
                                      .arg(texte(5025)));
                } else {
                    // D. Comment start.
                    m_construct = Construct::Commentaire;
                    ++m_ouvertures;
                }
            }
            // E. Processing block start.
            if (suivant == '?' && m_construct != Construct::Traitement) {
                m_construct = Construct::Traitement;
                ++m_ouvertures;
            }
        }

        if (suivant == '>') {
            // F. Tag end.
            if (m_construct == Construct::Balise) {
                procedureT(i);
                m_mot.clear();
                m_construct = Construct::Aucune;
                ++m_fermetures;
            }
            if (c == '-' && avant == '-') {
                if (m_construct != Construct::Commentaire) {
                    // G. Comment end outside a comment.
                    const qsizetype l = m_indexLigne + 1;
                    const qsizetype p = position(i);
                    avertissement(QStringLiteral(" - L: %1 , C: %2 : %3 - L: %1 , C: %2")
                                      .arg(l)
                                      .arg(p)
                                      .arg(texte(5026)));
                } else {
                    // H. Comment end.
                    m_construct = Construct::Aucune;
                    ++m_fermetures;
                }
            }
            // I. Processing block end.
            if (c == '?' && m_construct == Construct::Traitement) {
                m_construct = Construct::Aucune;
                ++m_fermetures;
            }
        }
    }

    // A word ended by a space outside quotes.
    void procedureS(qsizetype i)
    {
        if (m_mot.empty())
            return;
        const Verdict verdict = juge();
        const auto [v, paire, seule] = verdict.classement;
        if (!paire && v != 1 && !seule)
            enregistre(v == 0 ? codes::kMotInconnu : v, m_mot, i);
        if (paire) {
            m_pile.empiler(m_mot, verdict.ligne);
            m_videCourant = false;
        }
        if (seule) {
            m_videCourant = true;
            m_nomVide = m_mot;
            m_ligneVide = verdict.ligne;
        }
        if (v != 1 || verdict.permis)
            return;
        if (m_videCourant && m_env.information)
            m_env.information(U::texte(m_nomVide));
        enregistre(codes::kNonPermis, m_mot, i);
    }

    // The last word of a tag, at the character before its ">".
    void procedureT(qsizetype i)
    {
        const Verdict verdict = juge();
        const auto [v, paire, seule] = verdict.classement;
        if (!paire && v != 1 && !seule)
            enregistre(v == 0 ? codes::kMotInconnu : v, m_mot, i);
        if (v == 1 && !verdict.permis)
            enregistre(codes::kNonPermis, m_mot, i);
        if (m_mot.empty())
            return;
        m_videCourant = false;
        if (m_mot.front() == '/') {
            const Vue x = Vue(m_mot).substr(1);
            if (m_pile.vide()) {
                // A closing tag with no element open is itself the finding, unless this step
                // already made one (an unknown closing word).
                if (!m_trouve)
                    enregistre(codes::kFermeture, m_mot, i);
                return;
            }
            const Vue sommet = m_pile.sommet();
            if (sommet == x) {
                m_pile.depiler();
            } else if (egauxSansCasse(sommet, x)) {
                avertissement(
                    QStringLiteral(" : %1 %2 %3").arg(U::texte(sommet), texte(5024), U::texte(x)));
                m_pile.depiler();
            } else {
                enregistre(codes::kFermeture, sommet, i);
            }
        } else if (!seule && v != 1 && paire) {
            m_pile.empiler(m_mot, verdict.ligne);
        }
    }

    // The dictionary key of a word: one byte per UTF-16 code unit of the word, written in
    // `tampon`, which only ever grows so that no call fills it first.
    static std::string_view preparecle(Vue mot, std::string &tampon)
    {
        // At most two key bytes per unit: a UTF-8 lead byte of four bytes gives two. Valid
        // UTF-8 never gives more key bytes than it has bytes, but the bytes are not trusted.
        if (tampon.size() < 2 * mot.size())
            tampon.resize(2 * mot.size());
        char *const debut = tampon.data();
        char *sortie = debut;
        const Unit *p = mot.data();
        const Unit *const fin = p + mot.size();
        for (; p != fin; ++p) {
            const auto u = static_cast<std::make_unsigned_t<Unit>>(*p);
            if (u < 0x80) {
                *sortie++ = kMinuscules[u];
            } else if constexpr (U::kLargeurFixe) {
                *sortie++ = dictionnaire::kHorsAscii;
            } else if ((u & 0xC0) != 0x80) {
                *sortie++ = dictionnaire::kHorsAscii;
                if (u >= 0xF0)
                    *sortie++ = dictionnaire::kHorsAscii;
            }
        }
        return std::string_view(debut, std::size_t(sortie - debut));
    }

    // Appends the units [debut, fin) of the text to the word, noting whether the word still
    // lies in one piece in the text.
    void ajouteAuMot(qsizetype debut, qsizetype fin)
    {
        if (m_mot.empty())
            m_debutMot = debut;
        else if (m_debutMot >= 0 && m_debutMot + qsizetype(m_mot.size()) != debut)
            m_debutMot = -1;
        m_mot.append(m_d + debut, std::size_t(fin - debut));
    }

    // What the dictionary says of the current word, for the element being read. The word is
    // read where it lies in the text when it can be: reading back the bytes just written to
    // the word buffer would wait for those writes to complete.
    Verdict juge()
    {
        constexpr qsizetype kLus = qsizetype(MemoireVerdicts::kRoom / sizeof(Unit));
        const Unit *mot =
            m_debutMot >= 0 && m_debutMot + kLus <= m_n ? m_d + m_debutMot : m_mot.data();
        return m_memoire.juge(mot, m_mot.size() * sizeof(Unit), ligneCourante(),
                              [this] { return preparecle(m_mot, m_tamponCle); });
    }

    // The row of the element whose attributes are being read: the empty element just named,
    // else the top of the stack (nothing open: every attribute is allowed).
    int ligneCourante() const
    {
        if (m_videCourant)
            return m_ligneVide;
        return m_pile.donneeSommet(dictionnaire::kToutPermis);
    }

    static bool egauxSansCasse(Vue a, Vue b)
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (minuscule(a[i]) != minuscule(b[i]))
                return false;
        }
        return true;
    }

    static Unit minuscule(Unit u) { return u >= 'A' && u <= 'Z' ? Unit(u - 'A' + 'a') : u; }

    // 1-based position of the character at index i of the current line, in UTF-16 units.
    qsizetype position(qsizetype i)
    {
        if constexpr (U::kLargeurFixe) {
            return i - m_debut + 1;
        } else {
            for (; m_indexCompte <= i; ++m_indexCompte)
                m_compte += U::largeur(m_d[m_indexCompte]);
            return m_compte;
        }
    }

    void enregistre(int code, Vue mot, qsizetype i)
    {
        m_trouve = true;
        m_code = code;
        m_motTrouve = U::texte(mot);
        m_ligneTrouvee = m_indexLigne;
        m_positionTrouvee = position(i);
    }

    // A warning line: text 5023 followed by `suite`.
    void avertissement(const QString &suite)
    {
        if (m_env.avertissement)
            m_env.avertissement(texte(5023) + suite);
    }

    const QString &texte(int numero)
    {
        std::optional<QString> &t = m_textes[std::size_t(numero - kPremierTexte)];
        if (!t)
            t = m_env.texte ? m_env.texte(numero) : QString();
        return *t;
    }

    static constexpr int kPremierTexte = 5023;

    const EnvironnementAnalyse &m_env;
    std::array<std::optional<QString>, 4> m_textes; // 5023 to 5026

    // The text being scanned.
    const Unit *m_d = nullptr;
    qsizetype m_debutMot = -1; // where the word lies whole in the text, or -1
    qsizetype m_n = 0;
    qsizetype m_debut = 0;       // start of the current line in it
    qsizetype m_indexLigne = 0;  // 0-based index of the current line in the document
    qsizetype m_indexCompte = 0; // UTF-8 positions: index up to which units are counted
    qsizetype m_compte = 0;      // units counted from the line start up to m_indexCompte
    // The last line ended in the text.
    bool m_ligneTerminee = false;
    qsizetype m_debutTerminee = 0;
    qsizetype m_finTerminee = 0;

    // Scan state.
    Construct m_construct = Construct::Aucune;
    bool m_guillemets = false; // inside a quoted value; changed only by quotes inside tags
    std::basic_string<Unit> m_mot;
    std::string m_tamponCle;    // holds the key of the current word
    bool m_videCourant = false; // an empty element's attributes are being read
    std::basic_string<Unit> m_nomVide;
    int m_ligneVide = dictionnaire::kToutPermis;
    MemoireVerdicts m_memoire;
    Tpile<Unit> m_pile;
    qsizetype m_ouvertures = 0;
    qsizetype m_fermetures = 0;

    // The finding.
    bool m_trouve = false;
    int m_code = codes::kAucun;
    QString m_motTrouve;
    qsizetype m_ligneTrouvee = 0;
    qsizetype m_positionTrouvee = 0;
};

class SourceListe : public SourceLignes
{
public:
    explicit SourceListe(const QStringList &lignes) : m_lignes(lignes) {}
    qsizetype nombreLignes() const override { return m_lignes.size(); }
    QStringView ligne(qsizetype index) override { return m_lignes.at(index); }

private:
    const QStringList &m_lignes;
};

} // namespace

// The bytes of a document in pieces: complete lines are scanned where they lie, and only a
// line cut by the end of a piece is gathered, in one buffer kept for the whole run.
class AnalyseFlux::Etat
{
public:
    virtual ~Etat() = default;
    virtual bool ajoute(QByteArrayView octets, bool dernier) = 0;
    virtual ResultatAnalyse resultat() const = 0;
};

namespace
{

template <class U> class EtatFlux : public AnalyseFlux::Etat
{
public:
    explicit EtatFlux(const EnvironnementAnalyse &environnement) : m_moteur(environnement) {}

    bool ajoute(QByteArrayView octets, bool dernier) override
    {
        const char *d = octets.data();
        const qsizetype n = octets.size();
        qsizetype i = 0;
        if (m_trouve)
            return false;
        if (m_crEnAttente && n > 0) {
            // The LF of a CR LF cut between two pieces.
            if (d[0] == '\n')
                i = 1;
            m_crEnAttente = false;
        }
        if (!m_reste.empty()) {
            // The end of the line cut by the end of the last piece.
            const qsizetype fin = recherche::premier<'\r', '\n'>(d, i, n);
            m_reste.append(d + i, std::size_t(fin - i));
            if (fin == n && !dernier)
                return true;
            const bool suite = ligneSansCoupure(m_reste.data(), qsizetype(m_reste.size()));
            m_reste.clear();
            if (!suite)
                return false;
            i = fin == n ? n : apresCoupure(d, fin, n, dernier);
        }
        // The complete lines of the piece, scanned where they lie.
        const qsizetype fin = apresDerniereCoupure(d, i, n);
        if (fin > i) {
            if (d[fin - 1] == '\r' && fin == n && !dernier)
                m_crEnAttente = true;
            m_trouve = !m_moteur.analyse(d + i, fin - i);
            if (m_trouve)
                return false;
            qsizetype debut = 0;
            qsizetype finLigne = 0;
            if (m_moteur.derniereLigneTerminee(debut, finLigne))
                m_longueurDerniere = Moteur<U>::longueur(d + i + debut, finLigne - debut);
            i = fin;
        }
        // The last line, when no line break ends the text, or the start of a line that the
        // next piece ends.
        if (i < n) {
            if (dernier)
                ligneSansCoupure(d + i, n - i);
            else
                m_reste.assign(d + i, std::size_t(n - i));
        }
        return !m_trouve;
    }

    ResultatAnalyse resultat() const override
    {
        return m_moteur.resultat(m_moteur.lignesTerminees(), m_longueurDerniere);
    }

private:
    // Scans a whole line that no line break ends.
    bool ligneSansCoupure(const char *d, qsizetype n)
    {
        m_trouve = !m_moteur.analyse(d, n);
        if (!m_trouve) {
            m_moteur.finLigne();
            m_longueurDerniere = Moteur<U>::longueur(d, n);
        }
        return !m_trouve;
    }

    // The index just after the last line break in [debut, n), or debut when there is none.
    static qsizetype apresDerniereCoupure(const char *d, qsizetype debut, qsizetype n)
    {
        if (debut >= n)
            return debut; // nothing to search, perhaps not even a buffer
        const char *p = d + debut;
        const std::size_t taille = std::size_t(n - debut);
        const void *lf = memrchr(p, '\n', taille);
        // A CR can only be the last line break after the last LF.
        const char *apresLf = lf ? static_cast<const char *>(lf) + 1 : p;
        const void *cr = memrchr(apresLf, '\r', std::size_t(p + taille - apresLf));
        const char *derniere = cr ? static_cast<const char *>(cr) : (lf ? apresLf - 1 : nullptr);
        return derniere ? qsizetype(derniere - d) + 1 : debut;
    }

    // The index after the line break at `fin`, noting a CR that may be the first half of a
    // CR LF cut by the end of the piece.
    qsizetype apresCoupure(const char *d, qsizetype fin, qsizetype n, bool dernier)
    {
        if (d[fin] == '\r') {
            if (fin + 1 < n && d[fin + 1] == '\n')
                return fin + 2;
            if (fin + 1 == n && !dernier)
                m_crEnAttente = true;
        }
        return fin + 1;
    }

    Moteur<U> m_moteur;
    std::string m_reste;
    bool m_crEnAttente = false;
    bool m_trouve = false;
    qsizetype m_longueurDerniere = 0;
};

} // namespace

ResultatAnalyse analysecode(SourceLignes &lignes, const EnvironnementAnalyse &environnement)
{
    Moteur<UnitesUtf16> moteur(environnement);
    const qsizetype nombre = lignes.nombreLignes();
    qsizetype longueurDerniere = 0;
    for (qsizetype index = 0; index < nombre; ++index) {
        const QStringView ligne = lignes.ligne(index);
        if (!moteur.analyse(ligne.utf16(), ligne.size()))
            break;
        moteur.finLigne();
        longueurDerniere = ligne.size();
    }
    return moteur.resultat(nombre, longueurDerniere);
}

ResultatAnalyse analysecode(const QStringList &lignes, const EnvironnementAnalyse &environnement)
{
    SourceListe source(lignes);
    return analysecode(source, environnement);
}

AnalyseFlux::AnalyseFlux(EncodageDocument encodage, const EnvironnementAnalyse &environnement)
{
    if (encodage == EncodageDocument::Utf8)
        m_etat = std::make_unique<EtatFlux<UnitesUtf8>>(environnement);
    else
        m_etat = std::make_unique<EtatFlux<Unites1252>>(environnement);
}

AnalyseFlux::~AnalyseFlux() = default;

bool AnalyseFlux::ajoute(QByteArrayView octets, bool dernier)
{
    return m_etat->ajoute(octets, dernier);
}

ResultatAnalyse AnalyseFlux::resultat() const
{
    return m_etat->resultat();
}

ResultatAnalyse analysecode(QByteArrayView document, EncodageDocument encodage,
                            const EnvironnementAnalyse &environnement)
{
    AnalyseFlux flux(encodage, environnement);
    flux.ajoute(document, true);
    return flux.resultat();
}
