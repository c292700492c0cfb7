#include "editor/editormenus.h"

#include "platform/ioerror.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace
{

// One line of a menu tree. An entry is a submenu when the entry after it is one level
// deeper; a null name is a separator. Captions are UTF-8, shortcuts in portable text.
struct Entry {
    int depth;
    const char *name;
    const char *caption;
    const char *shortcut = nullptr;
    bool checkable = false;
};

constexpr Entry kSeparator1{1, nullptr, nullptr};
constexpr Entry kSeparator2{2, nullptr, nullptr};
constexpr Entry kSeparator3{3, nullptr, nullptr};

// The editor's menu bar. Within a submenu the items numbered in the editor language file
// keep the order of their numbers; the items captioned with tag names stand together.
const Entry kMenuBar[] = {
    {0, "Fichier1", "&Fichier"},
    {1, "Nouveau1", "&Nouveau"},
    {1, "OuvrirFichier1", "&Ouvrir fichier"},
    {1, "Enregistrer1", "&Enregistrer", "Ctrl+S"},
    {1, "Enregistrersous1", "En&registrer sous..."},
    {1, "Imprimer1", "&Imprimer", "Ctrl+P"},
    kSeparator1,
    {1, "OuvrirProjet1", "Ouvrir &Projet", "Ctrl+O"},
    {1, "FermerProjet1", "&Fermer Projet"},
    kSeparator1,
    {1, "Quitter1", "&Quitter"},

    {0, "Edition1", "&Edition"},
    {1, "Defaire1", "&Défaire", "Ctrl+Z"},
    kSeparator1,
    {1, "Toutslectionner1", "&Tout sélectionner", "Ctrl+A"},
    {1, "Couper1", "&Couper", "Ctrl+X"},
    {1, "Copier1", "Co&pier", "Ctrl+C"},
    {1, "Coller1", "C&oller", "Ctrl+V"},
    {1, "Toutsupprimer1", "Tout &supprimer"},
    kSeparator1,
    {1, "Viderlepressepapier1", "&Vider le presse papier"},
    {1, "Voirlhistoriquedupressepapier1", "Voir l'historique du presse-papier"},
    kSeparator1,
    {1, "chercher1", "C&hercher", "Ctrl+F11"},
    {1, "Occurencesuivante1", "Occu&rence suivante", "Ctrl+F12"},

    {0, "Html1", "&Html"},
    {1, "Caractres1", "&Caractères"},
    {2, "Transformationautomatique1", "&Transformation automatique", nullptr, true},
    kSeparator2,
    {2, "a1", "&a"},
    {3, "N18", "à"},
    {3, "N19", "á"},
    {3, "N20", "ä"},
    {3, "N21", "â"},
    {3, "N22", "æ"},
    {3, "N23", "å"},
    {3, "N24", "ã"},
    {3, "N25", "À"},
    {3, "N26", "Á"},
    {3, "N27", "Ä"},
    {3, "N28", "Â"},
    {3, "N29", "Æ"},
    {3, "N30", "Å"},
    {3, "N31", "Ã"},
    {2, "e1", "&e"},
    {3, "N10", "é"},
    {3, "N11", "è"},
    {3, "N12", "ë"},
    {3, "N13", "ê"},
    {3, "N15", "É"},
    {3, "N16", "È"},
    {3, "N14", "Ë"},
    {3, "N17", "Ê"},
    {2, "i1", "&i"},
    {3, "N32", "í"},
    {3, "N33", "ì"},
    {3, "N34", "ï"},
    {3, "N35", "î"},
    {3, "N36", "Í"},
    {3, "N37", "Ì"},
    {3, "N38", "Ï"},
    {3, "N39", "Î"},
    {2, "o1", "&o"},
    {3, "N40", "ó"},
    {3, "N41", "ò"},
    {3, "N42", "ö"},
    {3, "N43", "ô"},
    {3, "N44", "õ"},
    {3, "oe1", "oe"},
    {3, "N45", "Ó"},
    {3, "N46", "Ò"},
    {3, "N47", "Ö"},
    {3, "N48", "Ô"},
    {3, "N49", "Õ"},
    {3, "OE2", "OE"},
    {2, "u1", "&u"},
    {3, "N50", "ú"},
    {3, "N51", "ù"},
    {3, "N52", "ü"},
    {3, "N53", "û"},
    {3, "N54", "Ú"},
    {3, "N55", "Ù"},
    {3, "N56", "Ü"},
    {3, "N57", "Û"},
    {2, "c1", "&c"},
    {3, "N58", "ç"},
    {3, "N60", "¢"},
    {3, "N59", "Ç"},
    {2, "n9", "&n"},
    {3, "N61", "ñ"},
    {3, "N62", "Ñ"},
    {2, "y1", "&y"},
    {3, "N63", "ý"},
    {3, "N64", "ÿ"},
    {3, "N65", "Ý"},
    {2, "Autre1", "Au&tre"},
    {3, "N66", "<"},
    {3, "N67", ">"},
    {3, "Euro1", "Euro (€)"},
    {3, "N68", "~"},
    {3, "N69", "¡"},
    {3, "N70", "f"},
    {3, "N71", "ß"},
    {3, "N72", "«"},
    {3, "N73", "»"},
    {3, "N74", "£"},
    {3, "N75", "¥"},
    {3, "N76", "§"},
    {3, "N77", "Þ"},
    {3, "N78", "¿"},
    {3, "N79", "·"},
    {3, "N80", "¶"},
    {3, "N81", "¯"},
    {3, "N82", "©"},
    {3, "N83", "®"},
    {3, "N84", "¬"},
    {3, "N85", "¨"},
    {3, "N86", "¦"},
    {3, "N87", "¤"},
    {3, "N105", "&&"},
    {3, "N106", "\""},
    {3, "N107", "#"},
    {2, "Math1", "&Math"},
    {3, "N88", "¼"},
    {3, "N89", "½"},
    {3, "N90", "¾"},
    {3, "N91", "±"},
    {3, "N92", "×"},
    {3, "N93", "÷"},
    {3, "N94", "°"},
    {3, "N95", "¹"},
    {3, "N96", "²"},
    {3, "N97", "³"},
    {3, "N98", "µ"},
    {3, "N99", "\u00AD"},
    {3, "N100", "Ø"},
    {3, "N101", "ø"},
    {1, "Effets1", "&Effets"},
    {2, "Multimdia1", "&Multimédia"},
    {3, "SonNSetIE41", "Multimédia (NS et IE 4+)"},
    {3, "SonIE1", "Son (IE)"},
    {2, "Clignotant1", "&Clignotant (NS)"},
    {2, "MarqueeIE1", "&Marquee (IE)"},
    {1, "Feuilledestyle1", "&Feuille de style"},
    {2, "STYLE1", "<&STYLE>"},
    {2, "Link1", "&Link"},
    {2, "Span1", "&Span"},
    {1, "Fontes1", "F&ontes"},
    {2, "H11", "H1"},
    {2, "H21", "H2"},
    {2, "H31", "H3"},
    {2, "H41", "H4"},
    {2, "H51", "H5"},
    {2, "H61", "H6"},
    kSeparator2,
    {2, "Couleur1", "&Couleur"},
    {2, "Taille1", "&Taille"},
    {2, "Fonte1", "&Fonte"},
    {1, "Formulaires1", "Fo&rmulaires"},
    {2, "FORM1", "<FORM>"},
    kSeparator2,
    {2, "Airedesaisie1", "&Aire de saisie (textarea)"},
    {2, "BoutonAnnuler1", "&Bouton Annuler"},
    {2, "BoutonValider1", "Bouton &Valider"},
    {2, "Casecocher1", "&Case à cocher"},
    {2, "CaseRadio1", "Ca&se Radio"},
    {2, "CaseTexte1", "Case &Texte"},
    {2, "Entrecache1", "&Entrée cachée"},
    {2, "ImageValider1", "&Image Valider"},
    {2, "Menudroulant1", "&Menu déroulant"},
    {2, "Motdepasse1", "M&ot de passe"},
    {1, "Images1", "&Image"},
    {2, "Statiques1", "Statique", "F10"},
    {2, "Ractive1", "&Réactive"},
    {1, "Liens1", "&Liens"},
    {2, "Email1", "&E-mail"},
    {2, "Emailpardfaut1", "E-mail par &défaut"},
    {2, "Hypertexte1", "&Hypertexte (Ancrâge)"},
    {2, "Site1", "&Site"},
    {2, "Fichier2", "&Fichier"},
    {1, "Structures1", "&Structures"},
    {2, "DOCT1", "<!&DOCT...>"},
    {2, "BODY1", "<&BODY>"},
    {2, "HEAD1", "<&HEAD>"},
    {2, "HTML2", "<HTM&L>"},
    {2, "META1", "<&META>"},
    {2, "NOSCRIPT1", "<&NOSCRIPT>"},
    {2, "TITL1", "<&TITLE>"},
    kSeparator2,
    {2, "Frame1", "&Frame"},
    {3, "Frameset1", "&Frameset"},
    {3, "Frame2", "F&rame"},
    {3, "Noframes1", "Noframes"},
    {1, "Style2", "St&yle"},
    {2, "P1", "<P>"},
    {2, "BR1", "<BR>"},
    kSeparator2,
    {2, "Lignedesparation1", "&Ligne de séparation"},
    {2, "Listes1", "Li&stes"},
    {3, "Listes2", "&Listes"},
    kSeparator3,
    {3, "UL1", "<UL>"},
    {3, "OL1", "<OL>"},
    {3, "LI1", "<LI>"},
    {2, "Prformatage1", "&Préformatage"},
    {2, "Tabulation1", "&Tabulation"},
    {2, "Barr1", "&Barré"},
    {2, "Centr1", "&Centré"},
    {2, "Citation1", "C&itation"},
    {2, "Commentaire1", "Co&mmentaire"},
    {2, "Exemple1", "&Exemple"},
    {2, "Exposant1", "E&xposant"},
    {2, "Fonc1", "&Fonçé"},
    {2, "Gras1", "&Gras"},
    {2, "Gros1", "G&ros"},
    {2, "Indice1", "I&ndice"},
    {2, "Italique1", "It&alique"},
    {2, "Petit1", "&Petit"},
    {2, "Soulign1", "&Souligné"},
    {2, "Aligngauche1", "Aligné à gauche"},
    {2, "Aligndroite1", "Aligné à droite"},
    {1, "Tableau1", "&Tableau"},
    {2, "Tableau2", "&Tableau", "F9"},
    kSeparator2,
    {2, "TABLE1", "<TABLE>"},
    {2, "TD1", "<TD>"},
    {2, "TDALIGN1", "<TD ALIGN>"},
    {2, "TH1", "<TH>"},
    {2, "TR1", "<TR>"},
    {1, "Autres1", "&Autres"},
    {2, "ADRESS1", "<ADDRESS>"},
    {2, "Commentaires1", "&Commentaires"},
    {2, "Objet1", "&Objet"},
    {2, "Redirection1", "&Redirection"},

    {0, "Script1", "&Script"},
    {1, "Evenement1", "&Evénement"},
    {2, "onBlur1", "on&Blur"},
    {2, "onChange1", "on&Change"},
    {2, "onClick1", "onC&lick"},
    {2, "ondblclick1", "on&dblclick"},
    {2, "onFocus1", "on&Focus"},
    {2, "onmouseover1", "on&mouseover"},
    {2, "onmouseout1", "onm&ouseout"},
    {2, "onmousedown1", "onmouse&down"},
    {2, "onmouseup1", "onmouse&up"},
    {2, "onmousemove1", "onmousemo&ve"},
    {2, "onload1", "onload"},
    {2, "onSelect1", "on&Select"},
    {2, "onsubmit1", "onS&ubmit"},
    {2, "onunload1", "onunload"},
    {1, "Javascript1", "&Javascript"},
    {2, "SCRIPT2", "<SCRIPT>"},
    {2, "Function1", "&function()"},
    {2, "Exemple2", "&Exemple"},
    {3, "Nouvellefentre1", "&Nouvelle fenêtre"},
    {1, "VBScript1", "&VBScript"},
    {2, "SCRIPT3", "<SCRIPT>"},
    {2, "Function2", "&Function ()"},
    {2, "Procedure1", "&Procedure"},
    {1, "Java1", "&Java"},
    {2, "Applet1", "&Applet"},
    {2, "Paramtre1", "&Paramètre"},

    {0, "Commandes1", "&Commandes"},
    {1, "Insreruncodecouleur1", "&Insérer un code couleur"},
    {1, "Prvisualisation1", "&Prévisualisation", "F12"},
    {1, "Analyseurdecode1", "&Analyseur de code", "Ctrl+F9"},
    {1, "Coderlescaractresspciaux1", "&Coder les caractères spéciaux"},

    {0, "Fentres1", "Fe&nêtres"},
    {1, "Mosaque1", "&Mosaïque"},
    {2, "Horizontale1", "&Horizontale"},
    {2, "Verticale1", "&Verticale"},
    {1, "Cascade1", "&Cascade"},
    {1, "Rorganiserlesicnes1", "&Réorganiser les icônes"},
    {1, "Fermerlafentrecourante1", "&Fermer la fenêtre courante"},
    {1, "Fermertouteslesfentres1", "Fermer &toutes les fenêtres"},

    {0, "Options1", "&Options"},
    {1, "Modification1", "&Modification"},
    {1, "Barrepersonnelle1", "&Barre personnelle"},
    {2, "Visible1", "Visible", nullptr, true},
    kSeparator2,
    {2, "Bouton11", "Bouton 1"},
    {2, "Bouton21", "Bouton 2"},
    {2, "Bouton31", "Bouton 3"},
    {2, "Bouton41", "Bouton 4"},
    {2, "Bouton51", "Bouton 5"},
    {2, "Bouton61", "Bouton 6"},
    {2, "Bouton71", "Bouton 7"},
    {2, "Bouton81", "Bouton 8"},
    {2, "Bouton91", "Bouton 9"},
    {2, "Bouton101", "Bouton 10"},
    {2, "Bouton111", "Bouton 11"},
    {2, "Bouton121", "Bouton 12"},
    {2, "Bouton131", "Bouton 13"},
    {2, "Bouton141", "Bouton 14"},
    {2, "Bouton151", "Bouton 15"},
    {2, "Bouton161", "Bouton 16"},
    {2, "Bouton171", "Bouton 17"},
    {2, "Bouton181", "Bouton 18"},
    {2, "Bouton191", "Bouton 19"},

    {0, "Format1", "Fo&rmat"},
    {1, "Policesdecaractres1", "&Polices de caractères"},
    {1, "Colorationsyntaxique1", "&Coloration syntaxique", nullptr, true},
    {1, "Numrosdeligne1", "&Numéros de ligne", nullptr, true},

    {0, "Aide1", "&?"},
    {1, "Aide2", "&Aide", "Ctrl+F1"},
    {1, "VisiterleSite1", "&Visiter le site"},
    {1, "Mcrire1", "&M'écrire"},
    {1, "Aproposde1", "A &propos de..."},
};

// The context menu of the text (every entry one level below the menu itself).
const Entry kPopup[] = {
    {1, "Aide3", "Aide"},
    kSeparator1,
    {1, "Toutslectionner2", "Tout sélectionner"},
    kSeparator1,
    {1, "Couper2", "Couper"},
    {1, "Copier2", "Copier"},
    {1, "Coller2", "Coller"},
    kSeparator1,
    {1, "Toutsupprimer2", "Tout supprimer"},
};

// Editor language file numbers, applied in this order. Numbers shared by two items (the
// context menu repeats the Edition menu) label both.
struct Caption {
    int number;
    const char *name;
};

const Caption kCaptions[] = {
    {100, "Fichier1"},
    {110, "Nouveau1"},
    {120, "OuvrirFichier1"},
    {130, "Enregistrer1"},
    {140, "Enregistrersous1"},
    {150, "Imprimer1"},
    {170, "OuvrirProjet1"},
    {180, "FermerProjet1"},
    {190, "Quitter1"},
    {200, "Edition1"},
    {210, "Defaire1"},
    {220, "Toutslectionner1"},
    {230, "Couper1"},
    {240, "Copier1"},
    {250, "Coller1"},
    {220, "Toutslectionner2"},
    {230, "Couper2"},
    {240, "Copier2"},
    {250, "Coller2"},
    {260, "Toutsupprimer1"},
    {260, "Toutsupprimer2"},
    {270, "Viderlepressepapier1"},
    {271, "Voirlhistoriquedupressepapier1"},
    {280, "chercher1"},
    {290, "Occurencesuivante1"},
    {310, "Caractres1"},
    {311, "Transformationautomatique1"},
    {312, "Autre1"},
    {313, "Math1"},
    {320, "Effets1"},
    {321, "Multimdia1"},
    {32100, "SonNSetIE41"},
    {32101, "SonIE1"},
    {322, "Clignotant1"},
    {323, "MarqueeIE1"},
    {330, "Feuilledestyle1"},
    {331, "Link1"},
    {332, "Span1"},
    {340, "Fontes1"},
    {341, "Couleur1"},
    {342, "Taille1"},
    {343, "Fonte1"},
    {350, "Formulaires1"},
    {351, "Airedesaisie1"},
    {352, "BoutonAnnuler1"},
    {353, "BoutonValider1"},
    {354, "Casecocher1"},
    {355, "CaseRadio1"},
    {356, "CaseTexte1"},
    {357, "Entrecache1"},
    {358, "ImageValider1"},
    {359, "Menudroulant1"},
    {3510, "Motdepasse1"},
    {360, "Images1"},
    {361, "Statiques1"},
    {362, "Ractive1"},
    {370, "Liens1"},
    {371, "Email1"},
    {372, "Emailpardfaut1"},
    {373, "Hypertexte1"},
    {375, "Fichier2"},
    {374, "Site1"},
    {380, "Structures1"},
    {381, "Frame1"},
    {3811, "Frameset1"},
    {3812, "Frame2"},
    {3813, "Noframes1"},
    {390, "Style2"},
    {391, "Lignedesparation1"},
    {392, "Listes1"},
    {39210, "Listes2"},
    {393, "Prformatage1"},
    {394, "Tabulation1"},
    {395, "Barr1"},
    {396, "Centr1"},
    {397, "Citation1"},
    {398, "Commentaire1"},
    {399, "Exemple1"},
    {3910, "Exposant1"},
    {3911, "Fonc1"},
    {3912, "Gras1"},
    {3913, "Gros1"},
    {3914, "Indice1"},
    {3915, "Italique1"},
    {3916, "Petit1"},
    {3917, "Soulign1"},
    {3919, "Aligndroite1"},
    {3918, "Aligngauche1"},
    {3100, "Tableau1"},
    {3101, "Tableau2"},
    {3110, "Autres1"},
    {3111, "Commentaires1"},
    {3112, "Objet1"},
    {3113, "Redirection1"},
    {400, "Script1"},
    {410, "Evenement1"},
    {420, "Javascript1"},
    {421, "Exemple2"},
    {422, "Nouvellefentre1"},
    {430, "VBScript1"},
    {440, "Java1"},
    {441, "Paramtre1"},
    {500, "Commandes1"},
    {510, "Insreruncodecouleur1"},
    {520, "Prvisualisation1"},
    {530, "Analyseurdecode1"},
    {540, "Coderlescaractresspciaux1"},
    {600, "Fentres1"},
    {610, "Mosaque1"},
    {611, "Horizontale1"},
    {612, "Verticale1"},
    {620, "Cascade1"},
    {630, "Rorganiserlesicnes1"},
    {640, "Fermerlafentrecourante1"},
    {650, "Fermertouteslesfentres1"},
    {700, "Options1"},
    {710, "Modification1"},
    {720, "Barrepersonnelle1"},
    {721, "Visible1"},
    {800, "Format1"},
    {810, "Policesdecaractres1"},
    {820, "Colorationsyntaxique1"},
    {830, "Numrosdeligne1"},
    {900, "Aide1"},
    {910, "Aide2"},
    {910, "Aide3"},
    {920, "VisiterleSite1"},
    {930, "Mcrire1"},
    {940, "Aproposde1"},
};

// Builds the entries of `entries` that lie below `menu` (depth `depth`), starting at `at`;
// returns the index of the first entry that does not belong to it.
template <size_t N> size_t fillMenu(QMenu *menu, int depth, const Entry (&entries)[N], size_t at)
{
    while (at < N && entries[at].depth == depth) {
        const Entry &entry = entries[at];
        ++at;
        if (!entry.name) {
            menu->addSeparator();
            continue;
        }
        const QString name = QString::fromLatin1(entry.name);
        const QString caption = QString::fromUtf8(entry.caption);
        if (at < N && entries[at].depth > depth) {
            QMenu *submenu = menu->addMenu(caption);
            submenu->setObjectName(name);
            submenu->menuAction()->setObjectName(name);
            at = fillMenu(submenu, depth + 1, entries, at);
            continue;
        }
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        if (entry.shortcut)
            action->setShortcut(QKeySequence::fromString(QString::fromLatin1(entry.shortcut),
                                                         QKeySequence::PortableText));
        if (entry.checkable) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    return at;
}

QAction *findItem(const QMenu *menu, const QString &name)
{
    for (QAction *action : menu->actions()) {
        if (action->objectName() == name)
            return action;
        if (const QMenu *submenu = action->menu()) {
            if (QAction *found = findItem(submenu, name))
                return found;
        }
    }
    return nullptr;
}

void collectCommandItems(const QMenu *menu, QList<QAction *> &items)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator() || (action->objectName().isEmpty() && !action->menu()))
            continue;
        if (QMenu *submenu = action->menu())
            collectCommandItems(submenu, items);
        else
            items.append(action);
    }
}

} // namespace

QAction *EditorMenus::action(const QString &name) const
{
    for (const QMenu *top : bar) {
        if (top->objectName() == name)
            return top->menuAction();
        if (QAction *found = findItem(top, name))
            return found;
    }
    return popup ? findItem(popup, name) : nullptr;
}

QMenu *EditorMenus::menu(const QString &name) const
{
    QAction *found = action(name);
    return found ? found->menu() : nullptr;
}

QList<QAction *> EditorMenus::commandItems() const
{
    QList<QAction *> items;
    for (const QMenu *top : bar)
        collectCommandItems(top, items);
    if (popup)
        collectCommandItems(popup, items);
    return items;
}

EditorMenus buildEditorMenus(QWidget *owner)
{
    EditorMenus menus;
    constexpr size_t count = std::size(kMenuBar);
    size_t at = 0;
    while (at < count) {
        const Entry &top = kMenuBar[at];
        auto *menu = new QMenu(QString::fromUtf8(top.caption), owner);
        menu->setObjectName(QString::fromLatin1(top.name));
        menu->menuAction()->setObjectName(menu->objectName());
        menus.bar.append(menu);
        at = fillMenu(menu, 1, kMenuBar, at + 1);
    }
    menus.popup = new QMenu(owner);
    menus.popup->setObjectName(QStringLiteral("popopmenu"));
    fillMenu(menus.popup, 1, kPopup, 0);
    return menus;
}

std::optional<QString> Tedition_creationmenu(const EditorMenus &menus)
{
    QStringList failures;

    // All captions are read before any is applied, so a language file that cannot be read
    // leaves every item with its design caption.
    QList<QPair<QAction *, QString>> captions;
    try {
        QHash<int, QString> texts;
        for (const Caption &caption : kCaptions) {
            auto found = texts.constFind(caption.number);
            if (found == texts.constEnd())
                found = texts.insert(caption.number, texteMenu2(caption.number));
            if (QAction *action = menus.action(QString::fromLatin1(caption.name)))
                captions.append({action, *found});
        }
        for (const auto &[action, text] : std::as_const(captions))
            action->setText(text);
    } catch (const IoError &error) {
        failures.append(error.message());
    }

    // Every mark is checked by design; only an explicit "0" clears it.
    try {
        const QString settings = settingsFile();
        const std::pair<const char *, const char *> marks[] = {
            {"Visible1", "barrevisible"},
            {"Transformationautomatique1", "auto"},
            {"Colorationsyntaxique1", "coloration"},
            {"Numrosdeligne1", "numeros"},
        };
        QList<QPair<QAction *, bool>> states;
        for (const auto &[item, key] : marks)
            if (QAction *action = menus.action(QString::fromLatin1(item)))
                states.append({action, lireparametre(QString::fromLatin1(key), settings) != u"0"});
        for (const auto &[action, checked] : std::as_const(states))
            action->setChecked(checked);
    } catch (const IoError &error) {
        failures.append(error.message());
    }

    if (failures.isEmpty())
        return std::nullopt;
    return failures.join(QLatin1Char('\n'));
}
