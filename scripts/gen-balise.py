#!/usr/bin/env python3
"""Writes data/aide/balise.htm, the tag reference opened by the editor's "Aide" on a selected tag.

The page has one anchor per element the code analyzer knows (its paired and empty element
lists), named after the element in lower case, with a French description, how the
element is closed, the attributes the analyzer accepts on it and a short example.

The element lists and the element-to-attribute table below mirror the analyzer's dictionary;
keep them in step with analyzer/ when the dictionary changes, then run:

    python3 scripts/gen-balise.py

The page is written in Windows-1252 with CR LF line ends, as the other data files. Every tag
of the page itself is written so that the analyzer accepts the page without a finding.
"""
import html
import pathlib
import sys

# Paired elements: the analyzer requires a closing tag.
PAIRED = """u b a s q p i h1 h2 h3 h4 h5 h6 tr ul td tt dl th ol em var map bdo big del dfn dir div
sub sup ins kbd xmp abbr font html body head pre cite code nobr form menu span strong style
table title script applet acronym tbody tfoot thead samp select small strike blink blockquote
button caption center address iframe legend comment fieldset frameset marquee noframes
noscript object optgroup textarea""".split()

# Empty elements: no closing tag; "</li>" and the like are unknown words to the analyzer.
# "dt" stands beside "dd".
EMPTY = """br li col dd hr img wbr area base meta bgsound colgroup embed input isindex label link
option param frame basefont dt""".split()

# Recognized attribute words (the analyzer's prefixes, without "=").
RECOGNIZED = set("""abbr accept-charset accept accesskey action align alink alt archive axis
background behavior bgcolor border bordercolordark bordercolorlight cellpadding cellspacing char
charoff charset checked cite class classid clear code codebase codetype color cols colspan compact
content coords data datetime declare defer dir direction disable disabled enctype face for frame
frameborder headers height hidden href hreflang hspace http-equiv id ismap label lang language link
longdesc loop marginheight marginwidth maxlength media method multiple name nohref noresize noshade
nowrap object olink onblur onclick ondbleclick onfocus onkeydown onkeypress onkeyup onload
onmousedown onmousemove onmouseout onmouseover onmouseup onreset onsubmit onunload profile prompt
readonly rel rev rows rowspan rules scheme scope scrollamount scrolldelay scrolling selected shape
size span src standby start style summary tabindex target text title type usemap valign value
valuetype version vlink vspace width""".split())

# Attributes recognized only with a value: a bare NOWRAP is an unknown word, NOWRAP="nowrap" is fine.
NEED_VALUE = set("checked compact declare defer disabled ismap multiple nohref nowrap readonly selected".split())

# Attributes whose value the analyzer checks.
CHECKED_VALUES = set("align bgcolor text link vlink alink color background language char".split())

# The analyzer's element-to-attribute table: the attributes each element accepts besides
# CLASS and ID. An empty list means CLASS and ID only. Elements missing here accept every
# recognized attribute.
ATTRIBUTES = {}
for elements, attrs in [
    ("a", "href accesskey charset lang name onblur onfocus rel rev tabindex type coords shape target"),
    ("abbr acronym cite kbd samp small strong tt u var", "title"),
    ("applet", "archive code codebase height hspace name object vspace width"),
    ("area", "alt coords href shape nohref onblur onfocus"),
    ("b big blink center code dd dfn dl dt fieldset i noframes noscript s span strike sub sup title wbr", ""),
    ("base", "href target"),
    ("basefont font", "color face size"),
    ("bdo", "dir lang"),
    ("bgsound", "loop src"),
    ("blockquote q", "cite"),
    ("body", "bgcolor text alink vlink link background"),
    ("br", "clear"),
    ("button", "name type value"),
    ("caption div h1 h2 h3 h4 h5 h6 legend", "align"),
    ("col", "align char charoff span valign width"),
    ("colgroup", "span width"),
    ("del ins", "cite datetime"),
    ("dir menu", "type compact"),
    ("embed", "src align height loop width"),
    ("form", "action method accept enctype onreset onsubmit target"),
    ("frame", "name noresize scrolling src frameborder longdesc marginheight marginwidth"),
    ("frameset", "cols rows onload onunload"),
    ("head", "profile"),
    ("hr", "align noshade size width color"),
    ("html", "version"),
    ("iframe", "frameborder height marginheight marginwidth scrolling src width align longdesc name"),
    ("img", "src border height width align hspace vspace longdesc ismap usemap alt"),
    ("input", "alt checked maxlength name size type value accept disabled usr tabindex usemap"),
    ("isindex", "prompt"),
    ("label", "for"),
    ("li", "type value compact"),
    ("link", "type rev rel href charset hreflang media"),
    ("map", "name"),
    ("marquee", "align behavior bgcolor direction height hspace loop scrollamount scrolldelay vspace width"),
    ("meta", "content name http-equiv scheme"),
    ("object", "archive classid codebase codetype data declare standby tabindex type align border "
               "height hspace vspace width usemap name"),
    ("ol", "compact start type value"),
    ("optgroup", "disabled label multiple name size tabindex"),
    ("option", "selected label value"),
    ("p", "align style title"),
    ("param", "type value valuetype name"),
    ("pre", "width"),
    ("script", "src type language defer"),
    ("select", "disabled multiple name size tabindex"),
    ("style", "type media title"),
    ("table", "bordercolordark bordercolorlight border cellpadding cellspacing width align bgcolor "
              "frame rules summary"),
    ("tbody tfoot thead", "align valign"),
    ("td th", "align colspan rowspan valign height bgcolor nowrap width char charoff abbr axis "
              "headers scope"),
    ("textarea", "accesskey cols rows disabled name readonly tabindex"),
    ("tr", "align valign bgcolor char charoff"),
    ("ul", "compact type value"),
]:
    for element in elements.split():
        ATTRIBUTES[element] = attrs.split()

# Per element: description, example (raw markup, escaped on output), Brindel command or "".
ELEMENTS = {
    "a": ("Ancre : un lien vers une autre page, un fichier, une adresse e-mail ou un endroit "
          "de la page (HREF), ou un point d'arrivée nommé dans la page (NAME).",
          '<A HREF="page2.htm">Page suivante</A>',
          "Html &gt; Liens (Site, Fichier, E-mail, Hypertexte) et le bouton Lien de la barre d'outils"),
    "abbr": ("Abréviation ; TITLE donne la forme développée, que le navigateur affiche en bulle.",
             '<ABBR TITLE="Société anonyme">SA</ABBR>', ""),
    "acronym": ("Acronyme (sigle qui se prononce comme un mot) ; TITLE donne sa signification.",
                '<ACRONYM TITLE="Organisation des Nations unies">ONU</ACRONYM>', ""),
    "address": ("Coordonnées de l'auteur ou du responsable de la page, en général en bas de page.",
                "<ADDRESS>Jean Dupont, 12 rue des Lilas, Lyon</ADDRESS>",
                "Html &gt; Autres &gt; &lt;ADDRESS&gt;"),
    "applet": ("Applet Java incluse dans la page : CODE donne la classe, HEIGHT et WIDTH la taille. "
               "Les paramètres de l'applet se placent entre les deux balises (PARAM).",
               '<APPLET CODE="Horloge.class" HEIGHT="100" WIDTH="200"></APPLET>',
               "Script &gt; Java &gt; Applet"),
    "area": ("Zone cliquable d'une image réactive, à l'intérieur de MAP : SHAPE donne la forme "
             "(rect, circle, poly), COORDS ses coordonnées en pixels, HREF le lien.",
             '<AREA HREF="nord.htm" SHAPE="rect" COORDS="10,10,50,40" ALT="Nord">',
             "Html &gt; Image &gt; Réactive (une ligne AREA par zone dessinée)"),
    "b": ("Texte en gras.", "<B>important</B>",
          "Html &gt; Style &gt; Gras et le bouton Gras de la barre d'outils"),
    "base": ("Adresse de base à partir de laquelle se résolvent les liens relatifs de la page, "
             "et cible par défaut des liens (TARGET). Se place dans HEAD.",
             '<BASE HREF="http://www.exemple.fr/">', ""),
    "basefont": ("Taille, couleur et police de base du texte de la page (ancienne balise, "
                 "remplacée par les feuilles de style).", '<BASEFONT SIZE="3">', ""),
    "bdo": ("Impose le sens d'écriture du texte qu'il contient : DIR=\"rtl\" de droite à gauche, "
            "DIR=\"ltr\" de gauche à droite.", '<BDO DIR="rtl">texte</BDO>', ""),
    "bgsound": ("Son joué en fond pendant l'affichage de la page (Internet Explorer) ; LOOP donne "
                "le nombre de lectures, \"infinite\" pour une lecture sans fin.",
                '<BGSOUND SRC="pluie.wav" LOOP="infinite">',
                "Html &gt; Effets &gt; Multimédia &gt; Son (IE)"),
    "big": ("Texte un peu plus grand que le texte qui l'entoure.", "<BIG>grand</BIG>",
            "Html &gt; Style &gt; Gros"),
    "blink": ("Texte clignotant (Netscape ; ignoré par les autres navigateurs).",
              "<BLINK>Nouveau !</BLINK>", "Html &gt; Effets &gt; Clignotant (NS)"),
    "blockquote": ("Citation longue, affichée en paragraphe retiré ; CITE peut donner l'adresse "
                   "de la source.", "<BLOCKQUOTE>Texte cité</BLOCKQUOTE>",
                   "Html &gt; Style &gt; Citation"),
    "body": ("Corps de la page : tout ce qui s'affiche. Ses attributs donnent la couleur du fond "
             "(BGCOLOR), du texte (TEXT), des liens (LINK, ALINK, VLINK) et l'image de fond "
             "(BACKGROUND).",
             '<BODY BGCOLOR="#FFFFFF" TEXT="#000000">',
             "Html &gt; Structures &gt; &lt;BODY&gt; ; la nouvelle page HTML (Fichier &gt; Nouveau) "
             "l'écrit avec les couleurs choisies"),
    "br": ("Retour à la ligne forcé. CLEAR=\"all\" fait passer le texte sous les images alignées.",
           "Première ligne<BR>Seconde ligne", "Html &gt; Style &gt; &lt;BR&gt;"),
    "button": ("Bouton de formulaire dont le contenu (texte, image) s'écrit entre les balises.",
               '<BUTTON TYPE="submit" NAME="envoi" VALUE="1">Envoyer</BUTTON>', ""),
    "caption": ("Légende d'un tableau, placée juste après la balise TABLE.",
                '<CAPTION ALIGN="top">Tarifs</CAPTION>', ""),
    "center": ("Centre son contenu (ancienne balise ; DIV ALIGN=\"center\" fait de même).",
               "<CENTER>Titre centré</CENTER>", ""),
    "cite": ("Titre d'une &#339;uvre ou référence à une source, en général en italique.",
             "<CITE>Les Misérables</CITE>", ""),
    "code": ("Fragment de code informatique, en police à chasse fixe.", "<CODE>x = x + 1</CODE>", ""),
    "col": ("Propriétés communes à une colonne de tableau (largeur, alignement), placé au début "
            "du tableau.", '<COL WIDTH="100" ALIGN="right">', ""),
    "colgroup": ("Groupe de colonnes d'un tableau ; SPAN donne le nombre de colonnes du groupe.",
                 '<COLGROUP SPAN="2" WIDTH="80">', ""),
    "comment": ("Commentaire (Internet Explorer) : le texte placé entre les balises ne s'affiche pas.",
                "<COMMENT>note pour moi</COMMENT>", "Html &gt; Style &gt; Commentaire"),
    "dd": ("Définition d'un terme, dans une liste de définitions DL.",
           "<DL><DD>Langage de description des pages web.</DL>", ""),
    "del": ("Texte supprimé lors d'une révision, en général barré ; DATETIME donne la date.",
            '<DEL DATETIME="2024-01-15">ancien prix</DEL>', ""),
    "dfn": ("Terme défini à cet endroit du texte.", "<DFN>HTML</DFN> est le langage des pages web.", ""),
    "dir": ("Liste de répertoire (ancienne forme de liste à puces courte).",
            "<DIR><LI>un<LI>deux</DIR>", ""),
    "div": ("Division : un bloc de contenu, par exemple pour l'aligner (ALIGN) ou lui appliquer "
            "un style.", '<DIV ALIGN="center">Texte centré</DIV>',
            "Html &gt; Style &gt; Centré, Aligné à droite, Aligné à gauche"),
    "dl": ("Liste de définitions : des termes (DT) suivis de leurs définitions (DD).",
           "<DL><DD>Première définition<DD>Seconde définition</DL>", ""),
    "dt": ("Terme d'une liste de définitions DL, suivi de sa définition DD.",
           "<DL><DT>HTML<DD>Langage des pages web.</DL>", ""),
    "em": ("Texte mis en valeur, en général en italique.", "<EM>vraiment</EM>", ""),
    "embed": ("Composant multimédia (vidéo, son, animation) joué dans la page par un module du "
              "navigateur ; HIDDEN=\"true\" cache le lecteur.",
              '<EMBED SRC="clip.avi" HEIGHT="46" WIDTH="150" ALIGN="center" HIDDEN="false">',
              "Html &gt; Effets &gt; Multimédia &gt; Multimédia (NS et IE 4+)"),
    "fieldset": ("Cadre qui regroupe des champs de formulaire ; sa légende est LEGEND.",
                 "<FIELDSET><LEGEND>Adresse</LEGEND>...</FIELDSET>", ""),
    "font": ("Police du texte : taille (SIZE, de 1 à 7 ou relative comme \"+1\"), couleur (COLOR), "
             "nom de la police (FACE).", '<FONT COLOR="#FF0000" SIZE="4">Attention</FONT>',
             "Html &gt; Fontes &gt; Taille, Couleur, Fonte et le bouton Couleur de la fonte"),
    "form": ("Formulaire : ACTION donne le programme qui reçoit les réponses, METHOD la façon de "
             "les envoyer (GET ou POST). Les champs se placent entre les balises.",
             '<FORM ACTION="envoi.php" METHOD="POST">...</FORM>',
             "Html &gt; Formulaires &gt; &lt;FORM&gt;"),
    "frame": ("Une frame d'un FRAMESET : SRC donne la page affichée, NAME le nom utilisé par "
              "TARGET dans les liens, NORESIZE interdit de la redimensionner.",
              '<FRAME SRC="menu.htm" NAME="menu">', "Html &gt; Structures &gt; Frame &gt; Frame"),
    "frameset": ("Découpe la fenêtre en frames, en colonnes (COLS) ou en lignes (ROWS) ; remplace "
                 "BODY dans une page à frames.", '<FRAMESET COLS="20%,*">...</FRAMESET>',
                 "Html &gt; Structures &gt; Frame &gt; Frameset, et Fichier &gt; Nouveau &gt; "
                 "Fichier HTML muni de frames"),
    "h1": ("Titre de niveau 1, le plus important.", "<H1>Titre principal</H1>",
           "Html &gt; Fontes &gt; H1 et le bouton Taille 1"),
    "h2": ("Titre de niveau 2.", "<H2>Chapitre</H2>", "Html &gt; Fontes &gt; H2 et le bouton Taille 2"),
    "h3": ("Titre de niveau 3.", "<H3>Section</H3>", "Html &gt; Fontes &gt; H3 et le bouton Taille 3"),
    "h4": ("Titre de niveau 4.", "<H4>Sous-section</H4>", "Html &gt; Fontes &gt; H4 et le bouton Taille 4"),
    "h5": ("Titre de niveau 5.", "<H5>Paragraphe titré</H5>",
           "Html &gt; Fontes &gt; H5 et le bouton Taille 5"),
    "h6": ("Titre de niveau 6, le plus petit.", "<H6>Note</H6>",
           "Html &gt; Fontes &gt; H6 et le bouton Taille 6"),
    "head": ("En-tête de la page : titre, balises META, feuilles de style et scripts. Rien de "
             "ce qu'il contient ne s'affiche dans la page.", "<HEAD><TITLE>Accueil</TITLE></HEAD>",
             "Html &gt; Structures &gt; &lt;HEAD&gt;"),
    "hr": ("Ligne de séparation horizontale : SIZE donne l'épaisseur, WIDTH la longueur, "
           "NOSHADE la rend pleine.", '<HR SIZE="1" WIDTH="90%">',
           "Html &gt; Style &gt; Ligne de séparation"),
    "html": ("Élément racine : toute la page se trouve entre &lt;HTML&gt; et &lt;/HTML&gt;.",
             "<HTML><HEAD>...</HEAD><BODY>...</BODY></HTML>",
             "Html &gt; Structures &gt; &lt;HTML&gt;"),
    "i": ("Texte en italique.", "<I>italique</I>",
          "Html &gt; Style &gt; Italique et le bouton Italique"),
    "iframe": ("Cadre flottant : une autre page affichée dans un rectangle de la page.",
               '<IFRAME SRC="meteo.htm" WIDTH="300" HEIGHT="200"></IFRAME>', ""),
    "img": ("Image : SRC donne le fichier, HEIGHT et WIDTH la taille en pixels, ALT le texte "
            "de substitution, BORDER le cadre, USEMAP la carte d'une image réactive.",
            '<IMG SRC="logo.gif" BORDER="0" HEIGHT="40" WIDTH="120" ALT="Logo">',
            "Html &gt; Image &gt; Statique (F10), Html &gt; Image &gt; Réactive et les boutons "
            "image de la barre d'outils"),
    "input": ("Champ de formulaire ; TYPE en donne la sorte : TEXT, PASSWORD, CHECKBOX, RADIO, "
              "HIDDEN, SUBMIT, RESET, IMAGE. SRC, qu'écrit Image Valider pour TYPE=\"IMAGE\", "
              "n'est pas permis par l'analyseur (code 3).",
              '<INPUT TYPE="TEXT" NAME="nom" SIZE="20">',
              "Html &gt; Formulaires (Case texte, Mot de passe, Case à cocher, Bouton radio, "
              "Entrée cachée, Bouton Valider, Bouton Annuler, Image Valider)"),
    "ins": ("Texte ajouté lors d'une révision, en général souligné.", "<INS>nouveau texte</INS>", ""),
    "isindex": ("Champ de recherche d'une ligne (ancienne balise) ; PROMPT donne le texte affiché "
                "devant.", '<ISINDEX PROMPT="Rechercher :">', ""),
    "kbd": ("Texte que l'utilisateur doit taper au clavier.", "Tapez <KBD>Ctrl+S</KBD>", ""),
    "label": ("Étiquette d'un champ de formulaire ; FOR donne l'ID du champ. Pour l'analyseur "
              "c'est un élément vide : n'écrivez pas &lt;/LABEL&gt;.",
              '<LABEL FOR="nom">Nom : <INPUT TYPE="TEXT" NAME="nom" ID="nom">', ""),
    "legend": ("Légende d'un groupe de champs FIELDSET.", "<LEGEND>Coordonnées</LEGEND>", ""),
    "li": ("Élément d'une liste UL, OL, DIR ou MENU. Pour l'analyseur c'est un élément vide : "
           "n'écrivez jamais &lt;/LI&gt;, l'élément suivant ou la fin de la liste termine le "
           "précédent.", "<UL><LI>Premier<LI>Second</UL>",
           "Html &gt; Style &gt; Listes &gt; &lt;LI&gt; et Listes..."),
    "link": ("Lien entre la page et une autre ressource, surtout une feuille de style externe "
             "(REL=\"stylesheet\"). Se place dans HEAD.",
             '<LINK REL="stylesheet" HREF="style.css" TYPE="text/css">',
             "Html &gt; Feuille de style &gt; Link"),
    "map": ("Carte d'une image réactive : NAME lui donne le nom que l'image cite dans USEMAP ; "
            "elle contient les zones AREA.", '<MAP NAME="plan">...</MAP>',
            "Html &gt; Image &gt; Réactive"),
    "marquee": ("Texte défilant (Internet Explorer) ; BEHAVIOR règle le mouvement (scroll, "
                "slide, alternate), SCROLLDELAY et SCROLLAMOUNT la vitesse.",
                '<MARQUEE WIDTH="50%" SCROLLDELAY="0" BEHAVIOR=ALTERNATE>Bienvenue</MARQUEE>',
                "Html &gt; Effets &gt; Texte défilant (IE)"),
    "menu": ("Liste de menu (ancienne forme de liste à puces).", "<MENU><LI>Ouvrir<LI>Fermer</MENU>", ""),
    "meta": ("Information sur la page pour les navigateurs et les moteurs de recherche (auteur, "
             "mots clés, description, jeu de caractères, redirection). Se place dans HEAD.",
             '<META NAME="author" CONTENT="Jean Dupont">',
             "Html &gt; Structures &gt; &lt;META&gt;, Html &gt; Autres &gt; Redirection, et les "
             "assistants de nouvelle page"),
    "nobr": ("Empêche tout retour à la ligne automatique dans le texte qu'il contient.",
             "<NOBR>ne pas couper cette ligne</NOBR>", ""),
    "noframes": ("Contenu affiché par les navigateurs qui ne savent pas afficher les frames.",
                 "<NOFRAMES>Votre navigateur ne sait pas afficher les frames.</NOFRAMES>",
                 "Html &gt; Structures &gt; Frame &gt; Noframes"),
    "noscript": ("Contenu affiché quand les scripts sont désactivés ou inconnus du navigateur.",
                 "<NOSCRIPT>Activez JavaScript pour voir ce menu.</NOSCRIPT>",
                 "Html &gt; Structures &gt; &lt;NOSCRIPT&gt;"),
    "object": ("Objet inclus dans la page : animation, vidéo, applet ou autre document ; DATA "
               "donne le fichier, TYPE sa sorte.",
               '<OBJECT DATA="anim.swf" TYPE="application/x-shockwave-flash" WIDTH="200" '
               'HEIGHT="100"></OBJECT>', "Html &gt; Autres &gt; Objet"),
    "ol": ("Liste numérotée ; TYPE choisit la numérotation (1, a, A, i, I), START le premier numéro.",
           '<OL START="1"><LI>un<LI>deux</OL>', "Html &gt; Style &gt; Listes"),
    "optgroup": ("Groupe d'options, avec un titre (LABEL), dans une liste SELECT.",
                 '<OPTGROUP LABEL="Fruits">...</OPTGROUP>', ""),
    "option": ("Un choix d'une liste SELECT ; SELECTED le présélectionne. Pour l'analyseur c'est "
               "un élément vide : n'écrivez pas &lt;/OPTION&gt;.",
               '<OPTION VALUE="fr" SELECTED="selected">France', ""),
    "p": ("Paragraphe ; ALIGN règle son alignement.", '<P ALIGN="justify">Texte du paragraphe.</P>',
          "Html &gt; Style &gt; &lt;P&gt;"),
    "param": ("Paramètre (NAME et VALUE) transmis à une applet ou à un objet, entre leurs balises.",
              '<PARAM NAME="couleur" VALUE="bleu">', "Script &gt; Java &gt; Paramètre"),
    "pre": ("Texte préformaté : affiché en chasse fixe avec ses espaces et ses retours à la "
            "ligne tels quels.", "<PRE>Nom     Prix</PRE>", "Html &gt; Style &gt; Préformaté"),
    "q": ("Citation courte dans le texte, entourée de guillemets par le navigateur.",
          "<Q>Je pense, donc je suis.</Q>", ""),
    "s": ("Texte barré.", "<S>barré</S>", "Html &gt; Style &gt; Barré"),
    "samp": ("Exemple de ce qu'affiche un programme.", "<SAMP>Fichier enregistré.</SAMP>", ""),
    "script": ("Script exécuté par le navigateur ; LANGUAGE donne le langage (javascript, "
               "vbscript, php), SRC un fichier de script externe.",
               '<SCRIPT LANGUAGE="Javascript">...</SCRIPT>',
               "Script &gt; JavaScript &gt; &lt;SCRIPT&gt; et Script &gt; VBScript &gt; &lt;SCRIPT&gt;"),
    "select": ("Liste de choix d'un formulaire (menu déroulant) ; SIZE donne le nombre de lignes "
               "visibles, MULTIPLE permet plusieurs choix. Contient les OPTION.",
               '<SELECT NAME="pays" SIZE="1"><OPTION VALUE="fr">France</SELECT>',
               "Html &gt; Formulaires &gt; Menu déroulant"),
    "small": ("Texte un peu plus petit que le texte qui l'entoure.", "<SMALL>petit</SMALL>",
              "Html &gt; Style &gt; Petit"),
    "span": ("Portion de texte sans effet propre, à laquelle on applique un style avec CLASS ou "
             "ID. La commande Span insère STYLE=\"\", que l'analyseur refuse dans SPAN (code 3).",
             '<SPAN CLASS="note">remarque</SPAN>', "Html &gt; Feuille de style &gt; Span"),
    "strike": ("Texte barré (ancienne forme de S).", "<STRIKE>barré</STRIKE>", ""),
    "strong": ("Texte fortement mis en valeur, en général en gras.", "<STRONG>très important</STRONG>",
               "Html &gt; Style &gt; Foncé"),
    "style": ("Feuille de style interne, dans HEAD ; ses règles s'écrivent entre les balises.",
              '<STYLE TYPE="text/css">...</STYLE>', "Html &gt; Feuille de style &gt; &lt;STYLE&gt;"),
    "sub": ("Texte en indice.", "H<SUB>2</SUB>O", "Html &gt; Style &gt; Indice"),
    "sup": ("Texte en exposant.", "m<SUP>2</SUP>", "Html &gt; Style &gt; Exposant"),
    "table": ("Tableau : lignes TR, cellules TD et TH. BORDER donne l'épaisseur du cadre, "
              "CELLPADDING la marge dans les cellules, CELLSPACING l'espace entre elles. HEIGHT, "
              "que l'assistant Tableau peut écrire, n'est pas permis par l'analyseur (code 3).",
              '<TABLE BORDER="1" WIDTH="60%">...</TABLE>',
              "Html &gt; Tableau &gt; Tableau (F9) et Html &gt; Tableau &gt; &lt;TABLE&gt;"),
    "tbody": ("Corps d'un tableau : le groupe de lignes principal.", '<TBODY ALIGN="center">...</TBODY>', ""),
    "td": ("Cellule d'un tableau, dans une ligne TR ; COLSPAN et ROWSPAN la font s'étendre sur "
           "plusieurs colonnes ou lignes.", '<TD ALIGN="center" VALIGN="top">cellule</TD>',
           "Html &gt; Tableau &gt; &lt;TD&gt; et &lt;TD ALIGN&gt;"),
    "textarea": ("Zone de saisie de plusieurs lignes ; ROWS et COLS en donnent la taille.",
                 '<TEXTAREA NAME="message" ROWS="4" COLS="30"></TEXTAREA>',
                 "Html &gt; Formulaires &gt; Aire de saisie (textarea)"),
    "tfoot": ("Pied d'un tableau : lignes de total ou de notes.", "<TFOOT>...</TFOOT>", ""),
    "th": ("Cellule d'en-tête d'un tableau, en gras et centrée.", '<TH COLSPAN="2">Total</TH>',
           "Html &gt; Tableau &gt; &lt;TH&gt;"),
    "thead": ("En-tête d'un tableau : lignes de titres des colonnes.", "<THEAD>...</THEAD>", ""),
    "title": ("Titre de la page, affiché dans la barre de titre du navigateur et dans les favoris. "
              "Se place dans HEAD.", "<TITLE>Ma page</TITLE>",
              "Html &gt; Structures &gt; &lt;TITLE&gt;"),
    "tr": ("Ligne d'un tableau ; contient les cellules TD et TH.", '<TR BGCOLOR="#E0E0E0">...</TR>',
           "Html &gt; Tableau &gt; &lt;TR&gt;"),
    "tt": ("Texte en police à chasse fixe, comme à la machine à écrire.", "<TT>fixe</TT>", ""),
    "u": ("Texte souligné.", "<U>souligné</U>",
          "Html &gt; Style &gt; Souligné et le bouton Souligné"),
    "ul": ("Liste à puces ; TYPE choisit la puce (disc, circle, square).",
           '<UL TYPE="square"><LI>un<LI>deux</UL>', "Html &gt; Style &gt; Listes"),
    "var": ("Nom de variable, dans un programme ou une formule.", "<VAR>x</VAR> = 2", ""),
    "wbr": ("Endroit où le navigateur peut couper un long mot s'il le faut (dans un NOBR).",
            "anticonstitution<WBR>nellement", ""),
    "xmp": ("Exemple : le texte entre les balises est affiché tel quel, balises comprises, en "
            "chasse fixe (ancienne balise ; préférez PRE).", "<XMP><B>affiché tel quel</B></XMP>",
            "Html &gt; Style &gt; Exemple"),
}


def known_elements():
    names = set(PAIRED) | set(EMPTY)
    missing = names - set(ELEMENTS)
    extra = set(ELEMENTS) - names
    if missing or extra:
        sys.exit("gen-balise: descriptions missing for %s, unknown elements %s"
                 % (sorted(missing), sorted(extra)))
    return sorted(names)


def closing_text(name):
    up = name.upper()
    if name in PAIRED:
        return "obligatoire, chaque &lt;%s&gt; se ferme par &lt;/%s&gt;." % (up, up)
    return ("aucune, c'est un élément vide. L'analyseur ne connaît pas "
            "&lt;/%s&gt; et le signale comme mot inconnu (code 2)." % up)


def attribute_label(attr):
    label = attr.upper()
    if attr in NEED_VALUE:
        label += '="%s"' % attr
    return label


def attributes_text(name):
    if name not in ATTRIBUTES:
        return ("cet élément n'a pas de liste propre dans le dictionnaire : l'analyseur y "
                "accepte tout attribut reconnu (voir <A HREF=\"#attributs\">les attributs "
                "reconnus</A>).")
    own = [a for a in ATTRIBUTES[name] if a != "usr"]
    if not own:
        return "aucun attribut propre ; seuls CLASS et ID, acceptés partout, sont permis."
    known = [a for a in own if a in RECOGNIZED]
    unknown = [a for a in own if a not in RECOGNIZED]
    text = ", ".join(attribute_label(a) for a in known) + " ; plus CLASS et ID, acceptés partout."
    if unknown:
        text += (" %s figure dans la liste de l'élément mais n'est pas un attribut reconnu : "
                 "l'analyseur le signale comme mot inconnu (code 2)."
                 % " et ".join(a.upper() for a in unknown))
    if any(a in CHECKED_VALUES for a in known):
        text += ' Certaines valeurs sont <A HREF="#valeurs">contrôlées</A>.'
    return text


def entry(name):
    description, example, command = ELEMENTS[name]
    lines = [
        '<H3><A NAME="%s">%s</A></H3>' % (name, name.upper()),
        "<P>%s</P>" % description,
        "<P><B>Fermeture :</B> %s<BR>" % closing_text(name),
        "<B>Attributs :</B> %s<BR>" % attributes_text(name),
        "<B>Exemple :</B> <TT>%s</TT>" % html.escape(example, quote=False),
    ]
    if command:
        lines[-1] += "<BR>"
        lines.append("<B>Dans Brindel :</B> %s" % command)
    lines[-1] += "</P>"
    lines.append('<P><A HREF="#index">Retour à l\'index</A></P>')
    return lines


def index_lines(names):
    lines = ['<H2><A NAME="index">Index des balises</A></H2>', "<P>"]
    groups = {}
    for name in names:
        groups.setdefault(name[0], []).append(name)
    letters = sorted(groups)
    for i, letter in enumerate(letters):
        links = " ".join('<A HREF="#%s">%s</A>' % (n, n.upper()) for n in groups[letter])
        end = "<BR>" if i + 1 < len(letters) else ""
        lines.append("<B>%s</B> : %s%s" % (letter.upper(), links, end))
    lines.append("</P>")
    return lines


HEADER = """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">
<HTML>
<HEAD>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=ISO-8859-1">
<META NAME="generator" CONTENT="Brindel 7.2">
<TITLE>Brindel - Les balises HTML</TITLE>
</HEAD>
<BODY>
<H1>Les balises HTML</H1>
<P>Cette page décrit chaque balise que connaît l'analyseur de code de Brindel (Commandes &gt;
Analyseur de code, Ctrl+F9) : ce qu'elle fait, si elle se ferme, les attributs que l'analyseur
y accepte, un exemple et, s'il y a lieu, la commande de Brindel qui l'insère. Pour ouvrir
directement la fiche d'une balise depuis l'éditeur, sélectionnez son nom seul (par exemple
TABLE, sans &lt; ni &gt;), cliquez avec le bouton droit et choisissez Aide.</P>
<P>Le <A HREF="aide.htm">manuel de Brindel</A> explique l'analyseur en détail, à la section
<A HREF="aide.htm#erreur">Analyseur de code</A>.</P>"""

NOTES = """<H2><A NAME="attributs">Comment l'analyseur lit les attributs</A></H2>
<UL>
<LI>Un attribut est <B>reconnu</B> quand son nom fait partie de la liste de l'analyseur (les
attributs de HTML 4 et quelques extensions). Un mot inconnu dans une balise est signalé avec
le code 2. Les attributs %s n'en font pas partie.
<LI>La plupart des attributs doivent avoir une valeur : écrivez NOWRAP="nowrap" ou
CHECKED="checked" et non NOWRAP seul. Seuls NOSHADE, NORESIZE, BORDERCOLORDARK et
BORDERCOLORLIGHT peuvent s'écrire seuls.
<LI>Chaque balise de la liste de l'analyseur a ses attributs propres, donnés dans sa fiche.
Un attribut reconnu mais absent de cette liste est signalé avec le code 3 (attribut non
permis). Les balises sans liste propre acceptent tout attribut reconnu.
<LI>CLASS et ID sont acceptés sur toutes les balises. L'analyseur cherche le nom permis
n'importe où dans le mot entier, valeur comprise : un mot qui contient « class » ou « id »
est toujours accepté (WIDTH, HIDDEN, VALUE="middle"...).
<LI>Séparez les attributs par des espaces, mettez les valeurs entre guillemets doubles
("...") et gardez chaque balise sur une seule ligne.
</UL>
<H2><A NAME="valeurs">Valeurs contrôlées</A></H2>
<TABLE BORDER="1" CELLPADDING="4" CELLSPACING="0">
<TR><TH ALIGN="left">Attributs</TH><TH ALIGN="left">Valeur acceptée</TH><TH ALIGN="left">Sinon</TH></TR>
<TR><TD VALIGN="top">BGCOLOR, COLOR, TEXT, LINK, ALINK, VLINK</TD><TD>un code de six caractères
précédé de # entre guillemets ("#FF8000"), ou un nom de couleur anglais connu ("navy",
"silver", "darkred"...)</TD><TD VALIGN="top">code 4</TD></TR>
<TR><TD VALIGN="top">ALIGN</TD><TD>bottom, top, left, right, center, justify ou middle, avec ou
sans guillemets doubles</TD><TD VALIGN="top">code 5</TD></TR>
<TR><TD VALIGN="top">BACKGROUND</TD><TD>une image .gif, .jpg, .jpeg ou .png</TD>
<TD VALIGN="top">code 6</TD></TR>
<TR><TD VALIGN="top">LANGUAGE</TD><TD>javascript, vbscript ou php (majuscules permises)</TD>
<TD VALIGN="top">code 9</TD></TR>
<TR><TD VALIGN="top">CHAR</TD><TD>un seul caractère entre guillemets (CHAR=".")</TD>
<TD VALIGN="top">code 8</TD></TR>
</TABLE>"""

FOOTER = """<HR>
<P><A HREF="#index">Index des balises</A> - <A HREF="aide.htm">Manuel de Brindel</A></P>
</BODY>
</HTML>"""


def main():
    names = known_elements()
    unrecognized = [a for a in ("style", "onchange", "onselect", "ondblclick") if a not in RECOGNIZED]
    notes = NOTES % (", ".join(a.upper() for a in unrecognized[:-1]) + " et " + unrecognized[-1].upper())
    lines = HEADER.split("\n") + index_lines(names) + notes.split("\n")
    lines.append('<H2><A NAME="fiches">Les balises de A à Z</A></H2>')
    for name in names:
        lines += entry(name)
    lines += FOOTER.split("\n")
    data = ("\r\n".join(lines) + "\r\n").encode("cp1252")
    # Bytes 0x80 to 0x9F differ between ISO-8859-1 and Windows-1252; the page declares the former.
    if any(0x80 <= b <= 0x9F for b in data):
        sys.exit("gen-balise: the page holds a character outside ISO-8859-1")
    out = pathlib.Path(__file__).resolve().parent.parent / "data" / "aide" / "balise.htm"
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_bytes(data)
    print("%s: %d balises, %d octets" % (out, len(names), len(data)))


if __name__ == "__main__":
    main()
