// Prints how long the viewer takes to show its window and its first page from the start of
// the process, and to show a page the editor hands over while it runs.
#include "settings/settingsstore.h"
#include "viewer/browserengine.h"
#include "viewer/handoffwatcher.h"
#include "viewer/pagebrowser.h"
#include "viewer/tvisualisateur.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace
{

// Milliseconds since this process was started by the system.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Field 22 (start time in clock ticks since boot) comes after the command in parentheses.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startSeconds = fields.at(19).toDouble() / double(::sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9 - startSeconds) * 1e3;
}

void writePage(const QString &path, const QByteArray &title)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write("<html><head><title>" + title +
               "</title><style>h1{color:navy}</style></head><body>"
               "<h1>" +
               title + "</h1><form><input name=\"a\"><input type=\"submit\"></form>");
    for (int i = 0; i < 200; ++i)
        file.write("<p>Paragraphe de texte " + QByteArray::number(i) + "</p>");
    file.write("<script>document.title += ' *';</script></body></html>");
}

// Runs `action`, then waits for the page to finish loading; the time taken, in ms.
template <typename Action> double timeLoad(Tvisualisateur &window, Action action)
{
    QEventLoop loop;
    const auto connection = QObject::connect(
        window.browser()->page(), &QWebEnginePage::loadFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    action();
    loop.exec();
    QObject::disconnect(connection);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    const double mainAt = msSinceProcessStart();
    prepareBrowserEngine();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString handOff = dir.filePath(QStringLiteral("visualisateur.sav"));
    {
        QFile file(handOff);
        if (file.open(QIODevice::WriteOnly))
            file.write("[fichier]=\r\n[drapeau]=0\r\n");
    }
    const QString first = dir.filePath(QStringLiteral("premiere.htm"));
    const QString second = dir.filePath(QStringLiteral("seconde.htm"));
    writePage(first, "Premiere");
    writePage(second, "Seconde");

    Tvisualisateur window(handOff);
    window.handOffWatcher()->setPollInterval(0);
    double shownAt = 0;
    const double loadedAt = msSinceProcessStart() + timeLoad(window, [&] {
                                window.start(PageAddress{first, QString()});
                                window.show();
                                QApplication::processEvents();
                                shownAt = msSinceProcessStart();
                            });
    std::printf("programme chargé      : %7.0f ms après le lancement du processus\n", mainAt);
    std::printf("fenêtre affichée      : %7.0f ms après le lancement du processus\n", shownAt);
    std::printf("première page chargée: %7.0f ms après le lancement du processus\n", loadedAt);

    const auto handOver = [&](const QString &page) {
        ecrireparametre(page, QStringLiteral("fichier"), handOff);
        ecrireparametre(QStringLiteral("1"), QStringLiteral("drapeau"), handOff);
        window.handOffWatcher()->checkNow();
    };
    double bestSwitch = 1e9, bestSame = 1e9;
    for (int round = 0; round < 5; ++round) {
        bestSwitch =
            std::min(bestSwitch, timeLoad(window, [&] { handOver(round % 2 ? first : second); }));
        bestSame =
            std::min(bestSame, timeLoad(window, [&] { handOver(round % 2 ? first : second); }));
    }
    std::printf("autre page transmise  : %7.1f ms (meilleur de 5)\n", bestSwitch);
    std::printf("même page transmise   : %7.1f ms (meilleur de 5)\n", bestSame);
    return 0;
}
