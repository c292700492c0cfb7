#pragma once

#include <QByteArray>

// An HTML page of about `megabytes` MB: UTF-8 with accents, CR LF line ends, lines of
// varied length as a hand-written page has, a style block and a script block in the head
// and more script blocks along the body.
inline QByteArray benchPage(int megabytes)
{
    const qsizetype target = qsizetype(megabytes) * 1024 * 1024;
    static const char *const kLines[] = {
        "<TABLE BORDER=\"1\" WIDTH=\"100%\">",
        "  <TR><TD ALIGN=\"center\">Cellule numéro %1</TD><TD>Données &eacute; è à "
        "&#231;</TD></TR>",
        "<P>Voici un paragraphe d'exemple, assez long pour qu'il soit coupé à l'écran lorsque la "
        "fenêtre est étroite : le texte continue encore un peu, ligne %1.</P>",
        "<A HREF=\"pages/page%1.htm\">Lien vers la page %1</A><BR><!-- lien %1 -->",
        "<SCRIPT>var n%1 = \"<b>%1</b>\"; if (n%1 < 3) { n%1++; }</SCRIPT>",
        "</TABLE>",
    };
    QByteArray page("<HTML>\r\n<HEAD><TITLE>Banc d'essai</TITLE>\r\n"
                    "<STYLE>\r\nbody { color: #000; }\r\nTD { padding: 2px; }\r\n</STYLE>\r\n"
                    "<SCRIPT LANGUAGE=\"JavaScript\">\r\nfunction f(a) { return a < 2; }\r\n"
                    "</SCRIPT>\r\n</HEAD>\r\n<BODY>\r\n");
    page.reserve(target + 1024);
    for (int i = 0; page.size() < target; ++i) {
        page += QByteArray(kLines[i % 6]).replace("%1", QByteArray::number(i));
        page += "\r\n";
    }
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}
