// Runs "Coder les caractères spéciaux" on generated HTML documents in a real editor window
// and prints how long it takes, step by step, best of three runs (each on a fresh window):
//   encode    every line of the control encoded, in memory
//   enc+write the pass that encodes every line and writes the work file remplace.sav (with its
//             creation); measured whole, as subtracting two separate runs' times can go negative
//   read      the work file read back and checked against what was written
//   reload    the changed lines put into the window, in one undo step
//   command   the whole command as the menu runs it (wall and processor time)
//   undo      taking the reload back
// Two kinds of document: Windows-1252 text, and UTF-8 text holding characters that
// Windows-1252 cannot hold (the work file is then written in UTF-8).
// Usage: encodeall_bench [size in MB ...]   (default 1 5 20); runs offscreen.
#include "bench/benchclock.h"
#include "editor/charactercommands.h"
#include "editor/editorhost.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace
{

// Answers the information box at once; nothing else may be asked.
class SilentModals final : public Modals
{
public:
    int informations = 0;
    int unexpected = 0;

    int execDialog(QDialog &) override { return ++unexpected, 0; }
    QMessageBox::StandardButton message(QWidget *, MessageKind kind, const QString &,
                                        const QString &text, QMessageBox::StandardButtons) override
    {
        if (kind == MessageKind::Information)
            ++informations;
        else
            std::fprintf(stderr, "message: %s\n", qPrintable(text)), ++unexpected;
        return QMessageBox::Ok;
    }
    std::optional<QString> inputText(QWidget *, const QString &, const QString &,
                                     const QString &) override
    {
        return ++unexpected, std::nullopt;
    }
    QString openFileName(QWidget *, FileRequest &) override { return ++unexpected, QString(); }
    QString saveFileName(QWidget *, FileRequest &) override { return ++unexpected, QString(); }
    QString directoryName(QWidget *, const QString &, const QString &) override
    {
        return ++unexpected, QString();
    }
    std::optional<QColor> color(QWidget *, const QColor &) override
    {
        return ++unexpected, std::nullopt;
    }
    std::optional<QFont> font(QWidget *, const QFont &) override
    {
        return ++unexpected, std::nullopt;
    }
    bool printDialog(QWidget *, QPrinter &) override { return ++unexpected, false; }
    bool openUrl(const QUrl &) override { return ++unexpected, false; }
    bool startProgram(const QString &, const QStringList &) override { return ++unexpected, false; }
};

class NoHost final : public EditorHost
{
public:
    void setStatusPanel(int, const QString &) override {}
    void setSaveButtonEnabled(bool) override {}
    void openFileCommand() override {}
    void newFileCommand() override {}
    Tedition *newUntitledDocument(const QString &) override { return nullptr; }
    void quitCommand() override {}
    void tileHorizontalCommand() override {}
    void tileVerticalCommand() override {}
    void cascadeCommand() override {}
    void arrangeIconsCommand() override {}
    void closeAllCommand() override {}
    void openProjectCommand() override {}
    void newSiteCommand() override {}
    void closeProjectCommand() override {}
    void visitSiteCommand() override {}
    void writeMailCommand() override {}
    void aboutCommand(QWidget *) override {}
    void fillWindowList(QMenu *) override {}
    void setPersonalBarVisible(bool) override {}
    void optionsCommand(QWidget *) override {}
};

// An HTML page of about `megabytes` MB with French accents, signs and vertical bars on
// most lines, CR LF line ends; `beyondCodePage` adds characters that Windows-1252 lacks.
QString generatePage(int megabytes, bool beyondCodePage)
{
    const qsizetype target = qsizetype(megabytes) * 1024 * 1024;
    const QString lines[] = {
        QStringLiteral("<TABLE BORDER=\"1\" WIDTH=\"100%\">"),
        QStringLiteral("  <TR><TD ALIGN=\"center\">Cellule numéro %1</TD><TD>Données é è à ç | "
                       "5 € § ° ²</TD></TR>"),
        QStringLiteral("<P>Voici un paragraphe d'exemple, assez long pour qu'il soit coupé à "
                       "l'écran lorsque la fenêtre est étroite : le texte continue, ligne %1.</P>"),
        QStringLiteral("<A HREF=\"pages/page%1.htm\">Lien vers la page %1</A><BR>"),
        QString(),
        beyondCodePage ? QStringLiteral("<P>Flèche → et grec αβγ, ligne %1</P>")
                       : QStringLiteral("</TABLE>"),
    };
    QString page =
        QStringLiteral("<HTML>\r\n<HEAD><TITLE>Banc d'essai</TITLE></HEAD>\r\n<BODY>\r\n");
    page.reserve(target + 1024);
    for (int i = 0; page.size() < target; ++i) {
        page += QString(lines[i % 6]).replace(QLatin1String("%1"), QString::number(i));
        page += QLatin1String("\r\n");
    }
    page += QStringLiteral("</BODY>\r\n</HTML>");
    return page;
}

// The best of the times taken, and the last one.
struct Best {
    double best = 1e300;
    double last = 0;
    void take(double ms)
    {
        last = ms;
        best = std::min(best, ms);
    }
};

// A program directory of its own, holding the settings and language files installed beside
// the benchmark, so that the work file lands there.
void copyInstalledFiles(const QString &to)
{
    const QString from = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QFile::copy(from + QStringLiteral("brindel.sav"), to + QStringLiteral("brindel.sav"));
    QDir().mkpath(to + QStringLiteral("langue"));
    QDirIterator it(from + QStringLiteral("langue"), QDir::Files);
    while (it.hasNext()) {
        const QString source = it.next();
        QFile::copy(source, to + QStringLiteral("langue/") + it.fileName());
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir programDir;
    qputenv("BRINDEL_HOME", QFile::encodeName(programDir.path()));
    QApplication app(argc, argv);
    copyInstalledFiles(programDir.path() + QLatin1Char('/'));
    lireDemarrage();

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::max(1, std::atoi(argv[i])));
    if (sizes.empty())
        sizes = {1, 5, 20};

    SilentModals answers;
    ScopedModals scoped(answers);
    NoHost host;

    std::printf("%5s %-7s %7s | %7s %9s %7s %7s | %8s %8s | %7s | %s\n", "size", "kind", "lines",
                "encode", "enc+write", "read", "reload", "command", "cmd.cpu", "undo", "result");
    std::printf("%5s %-7s %7s | %7s %9s %7s %7s | %8s %8s | %7s |\n", "MB", "", "", "ms", "ms",
                "ms", "ms", "ms", "ms", "ms");
    const QString workFile = programDir.filePath(QStringLiteral("essai.sav"));
    for (int megabytes : sizes) {
        for (bool beyond : {false, true}) {
            const QString page = generatePage(megabytes, beyond);
            // A window showing the page, as after opening it.
            const auto open = [&] {
                auto window = std::make_unique<Tedition>(&host);
                window->resize(1000, 700);
                window->show();
                window->control().setText(page);
                window->control().setModified(false);
                QCoreApplication::processEvents();
                return window;
            };
            Best encode, write, read, reload, command, commandCpu, undo;
            bool ok = true;
            int lines = 0;
            for (int run = 0; run < 3; ++run) {
                {
                    // The steps one by one.
                    auto window = open();
                    EditorControl &control = window->control();
                    lines = control.lineCount();
                    Clock encodeClock;
                    const EncodedDocument inMemory = encodeLines(control);
                    encode.take(encodeClock.wallMs());
                    Clock passClock;
                    const EncodedDocument encoded = codecaracteres(control, workFile);
                    write.take(passClock.wallMs());
                    Clock readClock;
                    relireremplace(workFile, encoded);
                    read.take(readClock.wallMs());
                    QFile::remove(workFile);
                    Clock reloadClock;
                    reloadDocument(control, *window->memo1(), encoded);
                    reload.take(reloadClock.wallMs());
                    ok = ok && inMemory.text == encoded.text && control.text() != page;
                    Clock undoClock;
                    control.undo();
                    undo.take(undoClock.wallMs());
                    ok = ok && control.text() == page;
                }
                {
                    // The command.
                    auto window = open();
                    const int before = answers.informations;
                    Clock commandClock;
                    window->runCommand(QStringLiteral("Coderlescaractresspciaux1"));
                    command.take(commandClock.wallMs());
                    commandCpu.take(commandClock.cpuMs());
                    ok = ok && answers.informations == before + 1 && answers.unexpected == 0 &&
                         window->control().text() != page &&
                         !QFile::exists(programDir.filePath(QStringLiteral("remplace.sav")));
                }
            }
            std::printf("%5d %-7s %7d | %7.1f %9.1f %7.1f %7.1f | %8.1f %8.1f | %7.1f | %s\n",
                        megabytes, beyond ? "utf-8" : "cp1252", lines, encode.best, write.best,
                        read.best, reload.best, command.best, commandCpu.best, undo.best,
                        ok ? "ok" : "FAILED");
            std::fflush(stdout);
        }
    }
    return 0;
}
