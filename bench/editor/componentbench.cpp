// Measures the candidate text components for the editor with HTML colouring on, one
// component per run (so that resident memory is the component's own):
//   load     set the decoded text into the widget
//   paint    the first layout and paint after the load
//   key      one typed character, from the key press to the repainted view, at the start,
//            the middle and the end of the document (processor time, the mean of 100 keys,
//            each undone), and at the start its three parts: the key's handling, the events it
//            leaves (caret, pair highlighting), the repaint
//   rss      resident memory after the load, and its growth per document byte
// Usage: editor_components plain|qsci [size in MB ...]   (default 1 5 20); runs offscreen.
#include "bench/benchclock.h"
#include "bench/editor/benchcandidate.h"
#include "bench/editor/benchpage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The processor time of one typed character, split into the key's handling, the events it
// leaves behind (caret, pair highlighting) and the repaint of the view; in milliseconds.
struct KeyTimes {
    double key = 0;
    double events = 0;
    double paint = 0;
    double total() const { return key + events + paint; }
};

KeyTimes typeOneKey(Candidate &candidate, int position)
{
    constexpr int kKeys = 100;
    KeyTimes sum;
    for (int i = 0; i < kKeys; ++i) {
        candidate.moveCaret(position);
        QCoreApplication::processEvents();
        candidate.paintTarget->repaint();
        const double start = Clock::cpuNow();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(candidate.widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(candidate.widget, &release);
        const double keyed = Clock::cpuNow();
        QCoreApplication::processEvents();
        const double evented = Clock::cpuNow();
        // What the key left to paint is painted when the events are processed; a full
        // repaint only with BENCH_FULL_REPAINT=1.
        if (qEnvironmentVariableIntValue("BENCH_FULL_REPAINT") == 1)
            candidate.paintTarget->repaint();
        const double painted = Clock::cpuNow();
        sum.key += keyed - start;
        sum.events += evented - keyed;
        sum.paint += painted - evented;
        candidate.undo();
    }
    QCoreApplication::processEvents();
    return {sum.key / kKeys, sum.events / kKeys, sum.paint / kKeys};
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2 || (std::strcmp(argv[1], "plain") != 0 && std::strcmp(argv[1], "qsci") != 0)) {
        std::fprintf(stderr, "usage: editor_components plain|qsci [MB ...]\n");
        return 2;
    }
    const bool qsci = std::strcmp(argv[1], "qsci") == 0;
#ifndef BENCH_HAS_QSCI
    if (qsci) {
        std::fprintf(stderr, "built without the second component's library\n");
        return 2;
    }
#endif
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(std::max(1, std::atoi(argv[i])));
    if (sizes.empty())
        sizes = {1, 5, 20};

    std::printf("%-6s %5s | %7s %7s %8s | %9s %9s %9s | %16s | %7s %8s\n", argv[1], "MB", "load",
                "paint", "load.cpu", "key.start", "key.mid", "key.end", "start: key/ev/paint",
                "rss", "B/byte");
    std::printf("%-6s %5s | %7s %7s %8s | %9s %9s %9s | %16s | %7s %8s\n", "", "", "ms", "ms", "ms",
                "cpu ms", "cpu ms", "cpu ms", "cpu ms", "MB", "");
    for (int megabytes : sizes) {
        const QByteArray bytes = benchPage(megabytes);
        const QString text = QString::fromUtf8(bytes);
        Candidate candidate;
        const double before = residentMb();
#ifdef BENCH_HAS_QSCI
        std::unique_ptr<QObject> owner = qsci ? makeQsci(candidate) : makePlain(candidate);
#else
        std::unique_ptr<QObject> owner = makePlain(candidate);
#endif
        candidate.widget->resize(1000, 700);
        candidate.widget->show();
        QCoreApplication::processEvents();
        const Clock clock;
        candidate.setText(text);
        const double loadMs = clock.wallMs();
        const double loadCpu = clock.cpuMs();
        QCoreApplication::processEvents();
        candidate.paintTarget->repaint();
        const double paintMs = clock.wallMs() - loadMs;
        const double rss = residentMb();
        const int length = candidate.length();
        const KeyTimes keyStart = typeOneKey(candidate, 0);
        const KeyTimes keyMid = typeOneKey(candidate, length / 2);
        const KeyTimes keyEnd = typeOneKey(candidate, length);
        std::printf("%-6s %5d | %7.0f %7.0f %8.0f | %9.2f %9.2f %9.2f | %5.2f/%4.2f/%5.2f | "
                    "%7.0f %8.1f\n",
                    "", megabytes, loadMs, paintMs, loadCpu, keyStart.total(), keyMid.total(),
                    keyEnd.total(), keyStart.key, keyStart.events, keyStart.paint, rss,
                    (rss - before) * 1024 * 1024 / bytes.size());
        std::fflush(stdout);
    }
    return 0;
}
