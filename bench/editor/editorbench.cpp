// Loads generated HTML documents (benchpage.h) into the editor control over the real text
// widget and prints what the editor does on every keystroke and command:
//   load      read + decode + set into the widget (and, apart, the first layout and paint)
//   status    one status-bar refresh: caret line, column and text length
//   insert    one simple insertion of a short tag at the start, middle and end
// Usage: editor_bench [size in MB ...]   (default 1 5 20); runs offscreen.
#include "bench/benchclock.h"
#include "bench/editor/benchpage.h"
#include "platform/documentfile.h"
#include "platform/editortextedit.h"
#include "platform/plaintexteditcontrol.h"

#include <QApplication>
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

double microseconds(qint64 nanoseconds, int count)
{
    return double(nanoseconds) / 1000.0 / count;
}

struct LoadTimes {
    double decodeMs;
    double setMs;
    double loadCpuMs;
    double paintMs;
};

struct Editor {
    EditorTextEdit edit;
    PlainTextEditControl control{edit};

    Editor()
    {
        edit.resize(1000, 700);
        edit.show();
        QCoreApplication::processEvents();
    }
};

LoadTimes load(Editor &editor, const QString &path)
{
    const Clock clock;
    const LoadedDocument document = loadDocument(path);
    const double decoded = clock.wallMs();
    editor.control.setText(document.text);
    editor.control.setModified(false);
    const double set = clock.wallMs();
    const double cpu = clock.cpuMs();
    QCoreApplication::processEvents();
    return {decoded, set - decoded, cpu, clock.wallMs() - set};
}

double statusRefresh(EditorControl &control, int caret)
{
    control.setSelection(caret, 0);
    constexpr int kCalls = 100000;
    volatile int sink = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kCalls; ++i) {
        const int start = control.selStart();
        const int line = control.lineFromChar(start);
        sink = sink + line + (start - control.lineIndex(line)) + control.textLength();
    }
    return microseconds(clock.nsecsElapsed(), kCalls);
}

double insertion(EditorControl &control, int position)
{
    constexpr int kInsertions = 300;
    qint64 total = 0;
    QElapsedTimer clock;
    for (int i = 0; i < kInsertions; ++i) {
        control.setSelection(position, 0);
        clock.start();
        control.replaceSelection(QStringLiteral("<B></B>"));
        total += clock.nsecsElapsed();
        control.undo();
    }
    QCoreApplication::processEvents();
    return microseconds(total, kInsertions);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::max(1, std::atoi(argv[i])));
    if (sizes.empty())
        sizes = {1, 5, 20};

    QTemporaryDir dir;
    std::printf("%5s %7s | %7s %7s %7s %8s %7s | %10s %10s | %9s %9s %9s\n", "size", "lines",
                "decode", "set", "load", "load.cpu", "paint", "status.mid", "status.end",
                "ins.start", "ins.mid", "ins.end");
    std::printf("%5s %7s | %7s %7s %7s %8s %7s | %10s %10s | %9s %9s %9s\n", "MB", "", "ms", "ms",
                "ms", "ms", "ms", "us", "us", "us", "us", "us");
    for (int megabytes : sizes) {
        const QString path = dir.filePath(QStringLiteral("page%1.htm").arg(megabytes));
        {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(benchPage(megabytes)) < 0) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        // The median of three loads, each into a fresh window as opening a file does.
        std::vector<LoadTimes> loads;
        std::unique_ptr<Editor> editor;
        for (int run = 0; run < 3; ++run) {
            editor.reset();
            editor = std::make_unique<Editor>();
            loads.push_back(load(*editor, path));
        }
        std::sort(loads.begin(), loads.end(), [](const LoadTimes &a, const LoadTimes &b) {
            return a.decodeMs + a.setMs < b.decodeMs + b.setMs;
        });
        const LoadTimes median = loads[1];

        EditorControl &control = editor->control;
        const int length = control.textLength();
        std::printf("%5d %7d | %7.1f %7.1f %7.1f %8.1f %7.1f | %10.2f %10.2f | %9.1f %9.1f %9.1f\n",
                    megabytes, control.lineCount(), median.decodeMs, median.setMs,
                    median.decodeMs + median.setMs, median.loadCpuMs, median.paintMs,
                    statusRefresh(control, length / 2), statusRefresh(control, length),
                    insertion(control, 0), insertion(control, length / 2),
                    insertion(control, length));
        std::fflush(stdout);
    }
    return 0;
}
