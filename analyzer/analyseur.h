#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <memory>

// The code analyzer engine: one pass over the lines of a document that checks every word of
// every tag against the dictionary, stops at the first finding and reports it.

// Finding codes of the engine itself; the dictionary's attribute checks add 4 to 9.
namespace codes
{
inline constexpr int kAucun = 0;
inline constexpr int kFermeture = 1;   // a closing tag does not close the open element
inline constexpr int kMotInconnu = 2;  // neither an element nor a recognized attribute
inline constexpr int kNonPermis = 3;   // attribute not allowed on its element
inline constexpr int kNonReferme = 10; // more constructs opened than closed
} // namespace codes

struct ResultatAnalyse {
    qsizetype ligne = 0;   // 1-based line of the finding, or the number of lines
    qsizetype colonne = 1; // caret column just after the character judged, or after the end
    int code = codes::kAucun;
    QString mot; // the word of the finding as written; for code 1 the open element's name
};

// What a run needs from its host.
struct EnvironnementAnalyse {
    // Dialog language text by number (the editor passes texteDialogue). Each number used by
    // the warnings is asked for at most once per run.
    std::function<QString(int)> texte;
    // Receives each warning line at the moment the scan meets it, in document order.
    std::function<void(const QString &)> avertissement;
    // The information box shown before an attribute of an empty element is refused in the
    // middle of its tag; the text is the element's name. The run waits for it to return.
    std::function<void(const QString &)> information;
};

// The lines of a document, read one at a time and in order, so that a host can hand its lines
// over without building a copy of the whole text.
class SourceLignes
{
public:
    virtual ~SourceLignes() = default;
    virtual qsizetype nombreLignes() const = 0;
    // The line of `index`, without its line break. The view must stay valid until the next
    // call of ligne().
    virtual QStringView ligne(qsizetype index) = 0;
};

ResultatAnalyse analysecode(SourceLignes &lignes, const EnvironnementAnalyse &environnement);
ResultatAnalyse analysecode(const QStringList &lignes, const EnvironnementAnalyse &environnement);

enum class EncodageDocument { Windows1252, Utf8 };

// The same analysis straight on the bytes of a document file, without decoding it first: lines
// end at CR LF, LF or a lone CR, and a line break at the very end starts no further line.
// Columns count UTF-16 code units, as the editor counts the decoded text, so the result is
// that of the decoded lines. `document` must be valid UTF-8 when Utf8 is given.
ResultatAnalyse analysecode(QByteArrayView document, EncodageDocument encodage,
                            const EnvironnementAnalyse &environnement);

// The same analysis on the bytes of a document handed over in pieces of any size, as a file
// is read, so that the document need not be held whole: only a line that a piece cuts is
// gathered. The environment must outlive the object.
class AnalyseFlux
{
public:
    AnalyseFlux(EncodageDocument encodage, const EnvironnementAnalyse &environnement);
    ~AnalyseFlux();
    AnalyseFlux(const AnalyseFlux &) = delete;
    AnalyseFlux &operator=(const AnalyseFlux &) = delete;

    // Hands over the next bytes; `dernier` for the last piece, which may be empty. False
    // once the run has its finding: the rest of the document is not needed.
    bool ajoute(QByteArrayView octets, bool dernier = false);

    // The result of the run; the document ends with the last piece given.
    ResultatAnalyse resultat() const;

    class Etat;

private:
    std::unique_ptr<Etat> m_etat;
};
