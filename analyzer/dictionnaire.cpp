#include "analyzer/dictionnaire.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace
{

// Equality of two short words, compared in place rather than through a library call.
inline bool egaux(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// Index of the first "=" of a word, or npos.
inline std::size_t premierEgal(std::string_view w)
{
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] == '=')
            return i;
    }
    return std::string_view::npos;
}

// A set of words answering "which entry is this whole word" with one hash and one comparison.
// Open addressing over a power-of-two table at most a quarter full.
class TableMots
{
public:
    explicit TableMots(std::vector<std::string_view> mots) : m_mots(std::move(mots))
    {
        std::size_t taille = 16;
        while (taille < 4 * m_mots.size())
            taille *= 2;
        m_cases.assign(taille, -1);
        m_masque = taille - 1;
        for (std::size_t i = 0; i < m_mots.size(); ++i) {
            std::size_t c = hache(m_mots[i]) & m_masque;
            while (m_cases[c] >= 0)
                c = (c + 1) & m_masque;
            m_cases[c] = int(i);
        }
    }

    // Index of the entry equal to `mot`, or -1.
    int indice(std::string_view mot) const
    {
        for (std::size_t c = hache(mot) & m_masque;; c = (c + 1) & m_masque) {
            const int i = m_cases[c];
            if (i < 0 || egaux(m_mots[std::size_t(i)], mot))
                return i;
        }
    }

    bool contient(std::string_view mot) const { return indice(mot) >= 0; }

private:
    static std::size_t hache(std::string_view mot)
    {
        std::uint32_t h = 2166136261u;
        const char *p = mot.data();
        const char *const fin = p + mot.size();
        for (; p != fin; ++p)
            h = (h ^ std::uint8_t(*p)) * 16777619u;
        return h;
    }

    std::vector<std::string_view> m_mots;
    std::vector<int> m_cases;
    std::size_t m_masque = 0;
};

// The paired elements; each name is an item together with its closing form "/" + name.
constexpr std::string_view kNomsPaires =
    "u b a s q p i h1 h2 h3 h4 h5 h6 tr ul td tt dl th ol em var map bdo big del dfn dir div sub "
    "sup "
    "ins kbd xmp abbr font html body head pre cite code nobr form menu span strong style table "
    "title "
    "script applet acronym tbody tfoot thead samp select small strike blink blockquote button "
    "caption center address iframe legend comment fieldset frameset marquee noframes noscript "
    "object "
    "optgroup textarea ";

// The empty elements. "dt" stands beside "dd": both may be written without a closing tag.
constexpr std::string_view kListeSeules =
    "br li col dd hr img wbr area base meta bgsound colgroup embed input isindex label link option "
    "param frame basefont dt ";

// The colour list, as one text: each name preceded by a space, with a space after the last.
constexpr std::string_view kListeCouleurs =
    " aqua aquamarine black blue fuchsia grey gray green lime maroon magenta navy goldenrod khaki "
    "orange orchid salmon seagreen slateblue slategray turquoise violet olive purple red silver "
    "teal "
    "white yellow aliceblue antiquewhite azured pink beige bisque blanchedalmond blueviolet brown "
    "burlywood cadetblue chartreuse chocolate coral cornflowerblue cornsilk crimson cyan darkblue "
    "darkcyan darkgoldenrod darkgray darkgreen darkkhaki darkmagenta darkolivegreen darkorange "
    "darkorchid darkred darksalmon darkseagreen darkslateblue darkslategray darkturquoise "
    "darkviolet "
    "deeppink skyblue deepskyblue dimgray dodgerblue firebrick floralwhite forestgreen gainsboro "
    "ghostwhite gold greenyellow honeydew hotpink indianred indigo ivory lavender lavenderblush "
    "lawgreen lemonchiffon lightblue lightcoral lightcyan lightgoldenrodyellow lightgreen "
    "lightgrey "
    "lightpink lightsalmon lightseagreen lightskyblue lightslategray lightsteelblue lightyellow "
    "mediumaquamarine mediumblue mediumorchid mediumpurple mediumseagreen mediumslateblue "
    "mediumspringgreen mediumturquoise mediumvioletred midnightblue mintcream mistyrose moccasin "
    "navajowhite oldlace olivedrab orangered palegoldenrod palegreen paleturquoise palevioletred "
    "papayawhip peachpuff peru plum powderblue rosybrown royalblue saddlebrown sandybrown seashell "
    "sienna snow springgreen steelblue tan thistle tomato wheat whitesmoke yellowgreen ";

// Recognized attribute prefixes that end with "=". "style=" and "scheme=" are there so that
// the rows of the element table that name them ("p", "style", "meta") can take effect.
constexpr std::string_view kPrefixesEgal =
    "abbr= accept-charset= accept= accesskey= action= align= alink= alt= archive= axis= "
    "background= "
    "behavior= bgcolor= border= cellpadding= cellspacing= char= charoff= charset= checked= cite= "
    "class= classid= clear= code= codebase= codetype= color= cols= colspan= compact= content= "
    "coords= data= datetime= declare= defer= dir= direction= disable= disabled= enctype= face= "
    "for= "
    "frame= frameborder= headers= height= hidden= href= hreflang= hspace= http-equiv= id= ismap= "
    "label= lang= language= link= longdesc= loop= marginheight= marginwidth= maxlength= media= "
    "method= multiple= name= nohref= nowrap= object= olink= onblur= onclick= ondbleclick= onfocus= "
    "onkeydown= onkeypress= onkeyup= onload= onmousedown= onmousemove= onmouseout= onmouseover= "
    "onmouseup= onreset= onsubmit= onunload= profile= prompt= readonly= rel= rev= rows= rowspan= "
    "rules= scope= scrollamount= scrolldelay= scrolling= selected= shape= size= span= src= "
    "standby= "
    "start= summary= tabindex= target= text= title= type= usemap= valign= value= valuetype= "
    "version= "
    "vlink= vspace= width= "
    // Added to the recognized list (see above).
    "style= scheme=";

// Recognized attribute prefixes without "=": the word only has to begin with them.
constexpr std::string_view kPrefixesNus[] = {"bordercolordark", "bordercolorlight", "noresize",
                                             "noshade"};

constexpr std::string_view kAlignements[] = {"bottom", "top",     "left",  "right",
                                             "center", "justify", "middle"};

constexpr std::string_view kTypesImage[] = {".gif", ".jpg", ".png", ".jpeg"};

// The element table: the attributes each element accepts besides "class" and "id", as
// space-separated names. An empty attribute list: the element accepts none of its own.
struct Ligne {
    std::string_view elements;
    std::string_view attributs;
};

constexpr Ligne kTableElements[] = {
    {"a",
     "href accesskey charset lang name onblur onfocus rel rev tabindex type coords shape target"},
    {"abbr acronym cite kbd samp small strong tt u var", "title"},
    {"applet", "archive code codebase height hspace name object vspace width"},
    {"area", "alt coords href shape nohref onblur onfocus"},
    {"b big blink center code dd dfn dl dt fieldset i noframes noscript s span strike sub sup "
     "title wbr",
     ""},
    {"base", "href target"},
    {"basefont font", "color face size"},
    {"bdo", "dir lang"},
    {"bgsound", "loop src"},
    {"blockquote q", "cite"},
    {"body", "bgcolor text alink vlink link background"},
    {"br", "clear"},
    {"button", "name type value"},
    {"caption div h1 h2 h3 h4 h5 h6 legend", "align"},
    {"col", "align char charoff span valign width"},
    {"colgroup", "span width"},
    {"del ins", "cite datetime"},
    {"dir menu", "type compact"},
    {"embed", "src align height loop width"},
    {"form", "action method accept enctype onreset onsubmit target"},
    {"frame", "name noresize scrolling src frameborder longdesc marginheight marginwidth"},
    {"frameset", "cols rows onload onunload"},
    {"head", "profile"},
    {"hr", "align noshade size width color"},
    {"html", "version"},
    {"iframe",
     "frameborder height marginheight marginwidth scrolling src width align longdesc name"},
    {"img", "src border height width align hspace vspace longdesc ismap usemap alt"},
    {"input", "alt checked maxlength name size type value accept disabled usr tabindex usemap"},
    {"isindex", "prompt"},
    {"label", "for"},
    {"li", "type value compact"},
    {"link", "type rev rel href charset hreflang media"},
    {"map", "name"},
    {"marquee",
     "align behavior bgcolor direction height hspace loop scrollamount scrolldelay vspace width"},
    {"meta", "content name http-equiv scheme"},
    {"object", "archive classid codebase codetype data declare standby tabindex type align border "
               "height hspace vspace width usemap name"},
    {"ol", "compact start type value"},
    {"optgroup", "disabled label multiple name size tabindex"},
    {"option", "selected label value"},
    {"p", "align style title"},
    {"param", "type value valuetype name"},
    {"pre", "width"},
    {"script", "src type language defer"},
    {"select", "disabled multiple name size tabindex"},
    {"style", "type media title"},
    {"table", "bordercolordark bordercolorlight border cellpadding cellspacing width align bgcolor "
              "frame rules summary"},
    {"tbody tfoot thead", "align valign"},
    {"td th", "align colspan rowspan valign height bgcolor nowrap width char charoff abbr axis "
              "headers scope"},
    {"textarea", "accesskey cols rows disabled name readonly tabindex"},
    {"tr", "align valign bgcolor char charoff"},
    {"ul", "compact type value"}};

// Words of a space-separated list.
std::vector<std::string_view> mots(std::string_view liste)
{
    std::vector<std::string_view> resultat;
    while (!liste.empty()) {
        const std::size_t espace = std::min(liste.find(' '), liste.size());
        if (espace > 0)
            resultat.push_back(liste.substr(0, espace));
        liste.remove_prefix(std::min(espace + 1, liste.size()));
    }
    return resultat;
}

// Kinds of the prefixes whose value is checked; every other prefix accepts any value.
enum class Verification { Aucune, Couleur, Alignement, ImageFond, Langage, Char };

Verification verificationDe(std::string_view prefixe)
{
    for (std::string_view couleur :
         {"bgcolor=", "text=", "link=", "vlink=", "alink=", "olink=", "color="}) {
        if (prefixe == couleur)
            return Verification::Couleur;
    }
    if (prefixe == "align=")
        return Verification::Alignement;
    if (prefixe == "background=")
        return Verification::ImageFond;
    if (prefixe == "language=")
        return Verification::Langage;
    if (prefixe == "char=")
        return Verification::Char;
    return Verification::Aucune;
}

std::vector<Verification> verificationsDe(const std::vector<std::string_view> &prefixes)
{
    std::vector<Verification> liste;
    for (std::string_view prefixe : prefixes)
        liste.push_back(verificationDe(prefixe));
    return liste;
}

// The items of both element lists: each paired name, its closing form, each empty name.
std::vector<std::string> itemsBalises()
{
    std::vector<std::string> items;
    for (std::string_view nom : mots(kNomsPaires)) {
        items.emplace_back(nom);
        items.push_back("/" + std::string(nom));
    }
    for (std::string_view nom : mots(kListeSeules))
        items.emplace_back(nom);
    return items;
}

// The attribute names of one row of the element table, grouped by first letter so that each
// position of a word is compared only with the names that begin with its letter.
class AttributsPropres
{
public:
    explicit AttributsPropres(std::string_view liste) : m_noms(mots(liste))
    {
        std::stable_sort(m_noms.begin(), m_noms.end(),
                         [](std::string_view a, std::string_view b) { return a[0] < b[0]; });
        m_groupes.fill({0, 0});
        for (std::size_t i = 0; i < m_noms.size(); ++i) {
            Groupe &groupe = m_groupes[std::uint8_t(m_noms[i].front())];
            if (groupe.fin == groupe.debut)
                groupe.debut = std::uint8_t(i);
            groupe.fin = std::uint8_t(i + 1);
        }
    }

    // True when one of the names occurs anywhere in `a`.
    bool unDansLeMot(std::string_view a) const
    {
        const char *p = a.data();
        const std::size_t n = a.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t c = std::uint8_t(p[i]);
            if (c >= 128)
                continue;
            const Groupe groupe = m_groupes[c];
            for (std::uint8_t k = groupe.debut; k < groupe.fin; ++k) {
                const std::string_view nom = m_noms[k];
                if (nom.size() <= n - i && egaux(nom, std::string_view(p + i, nom.size())))
                    return true;
            }
        }
        return false;
    }

private:
    struct Groupe {
        std::uint8_t debut;
        std::uint8_t fin;
    };

    std::vector<std::string_view> m_noms;
    std::array<Groupe, 128> m_groupes{}; // the names of m_noms beginning with each ASCII byte
};

using Element = std::pair<std::string_view, AttributsPropres>;

std::vector<Element> construitElements()
{
    std::vector<Element> liste;
    for (const Ligne &ligne : kTableElements) {
        for (std::string_view element : mots(ligne.elements))
            liste.emplace_back(element, AttributsPropres(ligne.attributs));
    }
    return liste;
}

template <class Liste, class Vue> std::vector<std::string_view> vues(const Liste &liste, Vue vue)
{
    std::vector<std::string_view> resultat;
    for (const auto &item : liste)
        resultat.push_back(vue(item));
    return resultat;
}

// The dictionary's lookup structures, built once on first use. Members are declared in the
// order they are built: some tables hold views into the storage declared before them.
struct Tables {
    // Items of listepaires first, then those of listeseules.
    const std::vector<std::string> items = itemsBalises();
    const TableMots balises{vues(items, [](const std::string &s) { return std::string_view(s); })};
    const int nombrePaires = int(2 * mots(kNomsPaires).size());
    const TableMots couleurs{mots(kListeCouleurs)};
    const std::vector<std::string_view> listePrefixes = mots(kPrefixesEgal);
    const TableMots prefixes{listePrefixes};
    const std::vector<Verification> verifications = verificationsDe(listePrefixes); // by index
    const std::vector<Element> lignes = construitElements();
    const TableMots elements{vues(lignes, [](const Element &e) { return e.first; })};
};

// Building the tables stays out of line, so that the lookups' frequent calls of tables() are
// a test of the guard and a load.
[[gnu::noinline]] const Tables &construitTables()
{
    static const Tables instance;
    return instance;
}

inline const Tables &tables()
{
    static const Tables &instance = construitTables();
    return instance;
}

// Which list holds a non-empty word: 1 paired, 2 empty, 0 neither.
int listeDe(const Tables &t, std::string_view w)
{
    const int indice = t.balises.indice(w);
    if (indice < 0)
        return 0;
    return indice < t.nombrePaires ? 1 : 2;
}

// verifieattribut for a word holding "=". Every prefix with "=" holds no other "=", so the
// word begins with such a prefix exactly when its text up to its first "=" is that prefix.
int verifieAvecEgal(const Tables &t, std::string_view w, std::size_t egal);

// verifieattribut for a word without "=": only the bare prefixes can match.
int verifieSansEgal(std::string_view w)
{
    for (std::string_view prefixe : kPrefixesNus) {
        if (w.starts_with(prefixe))
            return 1;
    }
    return 0;
}

// True when the word holds "class" or "id" anywhere.
bool contientUniversel(std::string_view a)
{
    const char *p = a.data();
    const std::size_t n = a.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (p[i] == 'i' && p[i + 1] == 'd')
            return true;
        if (p[i] == 'c' && i + 5 <= n && std::string_view(p + i, 5) == "class")
            return true;
    }
    return false;
}

// The value of a checked attribute: from index `debut` to the next double quote or the end.
std::string_view valeurJusquAuGuillemet(std::string_view w, std::size_t debut)
{
    if (debut >= w.size())
        return {};
    const std::string_view reste = w.substr(debut);
    return reste.substr(0, reste.find('"'));
}

int verifieCouleur(std::string_view w, std::size_t n)
{
    const Tables &t = tables();
    // The character after the prefix is taken for the opening quote, whatever it is.
    if (w.size() == n + 9 && w[n + 1] == '#')
        return 1;
    const std::string_view valeur = valeurJusquAuGuillemet(w, n + 1);
    if (valeur.size() > 1 && valeur.front() == '#' && t.couleurs.contient(valeur.substr(1)))
        return codes::kCouleurDiese;
    // Any part of the list is accepted; a whole name, by far the most common value, is known
    // without searching the list.
    if (!valeur.empty() &&
        (t.couleurs.contient(valeur) || kListeCouleurs.find(valeur) != std::string::npos))
        return 1;
    return codes::kCouleur;
}

int verifieAlignement(std::string_view reste)
{
    if (reste.size() >= 2 && reste.front() == '"' && reste.back() == '"')
        reste = reste.substr(1, reste.size() - 2);
    for (std::string_view valeur : kAlignements) {
        if (reste == valeur)
            return 1;
    }
    return codes::kAlignement;
}

int verifieImageFond(std::string_view w)
{
    const std::string_view valeur = valeurJusquAuGuillemet(w, 12);
    for (std::string_view type : kTypesImage) {
        if (valeur.find(type) != std::string_view::npos)
            return 1;
    }
    return codes::kImageFond;
}

int verifieLangage(std::string_view w)
{
    const std::string_view valeur = valeurJusquAuGuillemet(w, 10);
    if (valeur == "javascript" || valeur == "vbscript" || valeur == "php")
        return 1;
    return codes::kLangage;
}

int verifieAvecEgal(const Tables &t, std::string_view w, std::size_t egal)
{
    const std::size_t n = egal + 1;
    const int indice = t.prefixes.indice(w.substr(0, n));
    if (indice < 0)
        return verifieSansEgal(w);
    switch (t.verifications[std::size_t(indice)]) {
    case Verification::Couleur:
        return verifieCouleur(w, n);
    case Verification::Alignement:
        return verifieAlignement(w.substr(n));
    case Verification::ImageFond:
        return verifieImageFond(w);
    case Verification::Langage:
        return verifieLangage(w);
    case Verification::Char:
        return w.size() == 8 ? 1 : codes::kChar;
    case Verification::Aucune:
        break;
    }
    return 1;
}

} // namespace

namespace dictionnaire
{

void cle(QStringView word, std::string &key)
{
    key.resize(std::size_t(word.size()));
    const char16_t *unites = word.utf16();
    for (qsizetype i = 0; i < word.size(); ++i)
        key[std::size_t(i)] = cleUnite(unites[i]);
}

bool balisepaire(std::string_view key)
{
    return key.empty() || listeDe(tables(), key) == 1;
}

bool baliseseule(std::string_view key)
{
    return key.empty() || listeDe(tables(), key) == 2;
}

int verifieattribut(std::string_view w)
{
    const std::size_t egal = premierEgal(w);
    return egal == std::string_view::npos ? verifieSansEgal(w) : verifieAvecEgal(tables(), w, egal);
}

Classement classe(std::string_view w)
{
    if (w.empty())
        return {0, true, true};
    const Tables &t = tables();
    const std::size_t egal = premierEgal(w);
    // No item of the element lists holds "=".
    if (egal != std::string_view::npos)
        return {verifieAvecEgal(t, w, egal), false, false};
    const int liste = listeDe(t, w);
    return {verifieSansEgal(w), liste == 1, liste == 2};
}

int ligneElement(std::string_view e)
{
    const int indice = tables().elements.indice(e);
    return indice < 0 ? kToutPermis : indice;
}

bool attributpermis(std::string_view a, int ligne)
{
    if (ligne == kToutPermis || contientUniversel(a))
        return true;
    return tables().lignes[std::size_t(ligne)].second.unDansLeMot(a);
}

bool attributpermis(std::string_view a, std::string_view e)
{
    return attributpermis(a, ligneElement(e));
}

} // namespace dictionnaire

namespace
{

std::string cleDe(const QString &word)
{
    std::string key;
    dictionnaire::cle(word, key);
    return key;
}

} // namespace

bool balisepaire(const QString &word)
{
    return dictionnaire::balisepaire(cleDe(word));
}

bool baliseseule(const QString &word)
{
    return dictionnaire::baliseseule(cleDe(word));
}

int verifieattribut(const QString &word)
{
    return dictionnaire::verifieattribut(cleDe(word));
}

bool attributpermis(const QString &attributeWord, const QString &element)
{
    return dictionnaire::attributpermis(cleDe(attributeWord), cleDe(element));
}
