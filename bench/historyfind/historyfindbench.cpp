// Prints the time the clipboard history viewer takes to show a large history, and the time
// the find command takes to reach a match at the end of a large document.
//   viewer  Tsauve_papier shown on a presse.sav of the given size (read, decode, display)
//   find    EditorControl::find over the text widget, the only match in the last line
//   append  one more entry appended to that history
// Usage: historyfind_bench [size in MB ...]   (default 20); runs offscreen.
#include "bench/benchclock.h"
#include "editor/clipboardhistory.h"
#include "editor/tsauvepapier.h"
#include "platform/editortextedit.h"
#include "platform/plaintexteditcontrol.h"
#include "settings/languagefiles.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

// Text of about `megabytes` MB made of cut and copied pieces of pages: lines of varied
// length, a few accents, CR LF line ends.
QByteArray generateText(int megabytes)
{
    const qsizetype target = qsizetype(megabytes) * 1024 * 1024;
    static const char *const kLines[] = {
        "<TR><TD ALIGN=\"center\">Cellule num\xE9ro %1</TD></TR>",
        "<P>Un paragraphe copi\xE9 d'une page, assez long pour remplir la largeur de la fen\xEAtre "
        "du visualiseur, num\xE9ro %1.</P>",
        "<A HREF=\"pages/page%1.htm\">Lien %1</A><BR>",
        "",
    };
    QByteArray text;
    text.reserve(target + 256);
    for (int i = 0; text.size() < target; ++i) {
        text += QByteArray(kLines[i % 4]).replace("%1", QByteArray::number(i));
        text += "\r\n";
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes << 20;

    QTemporaryDir home;
    qputenv("BRINDEL_HOME", QFile::encodeName(home.path()));
    // The viewer's caption is a numbered text: give it a language file of its own, so that no
    // error box waits for an answer.
    const QString texts = home.filePath(QStringLiteral("essai.dlg"));
    {
        QFile file(texts);
        file.open(QIODevice::WriteOnly);
        file.write("3900$Historique du presse-papiers\r\n");
    }
    startupSettings().dialogue = texts;
    for (int megabytes : sizes) {
        const QByteArray text = generateText(megabytes);
        {
            QFile file(clipboardHistoryFile());
            file.open(QIODevice::WriteOnly);
            file.write(text);
        }
        Tsauve_papier viewer;
        Clock show;
        viewer.show();
        QApplication::processEvents();
        const double viewerWall = show.wallMs();
        const double viewerCpu = show.cpuMs();
        const int lines = viewer.texte()->blockCount();
        viewer.hide();

        Clock append;
        appendClipboardHistory(clipboardHistoryFile(), QStringLiteral("<B>gras</B>"));
        const double appendMs = append.wallMs();

        EditorTextEdit edit;
        PlainTextEditControl control(edit);
        control.setText(QString::fromLatin1(text) + QStringLiteral("<FIN-DU-DOCUMENT>"));
        Clock find;
        const int at = control.find(QStringLiteral("fin-du-document"), 0);
        const double findWall = find.wallMs();
        const double findCpu = find.cpuMs();

        std::printf("%3d MB  viewer %8.1f ms (cpu %8.1f, %d lines)  find %7.1f ms (cpu %7.1f, at "
                    "%d of %d)  append %6.2f ms\n",
                    megabytes, viewerWall, viewerCpu, lines, findWall, findCpu, at,
                    control.textLength(), appendMs);
    }
    return 0;
}
