// Inserts the largest tables the table wizard accepts into a real text widget holding a
// page, and prints how long the insertion and its undo take:
//   1000 rows x 10 columns, 10 x 1000, 100 x 100 (10000 cells each, about 60000 lines),
// with smart indentation off and on.
// Usage: table_bench; runs offscreen.
#include "bench/benchclock.h"
#include "platform/plaintexteditcontrol.h"
#include "wizards/tablemarkup.h"
#include "wizards/wizardtext.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QString page;
    for (int i = 0; i < 2000; ++i)
        page += QStringLiteral("<P>Une ligne de texte de la page numéro %1.</P>\r\n").arg(i);

    const std::pair<int, int> sizes[] = {
        {wizardcount::kMaxRows, wizardcount::kMaxCells / wizardcount::kMaxRows},
        {wizardcount::kMaxCells / wizardcount::kMaxColumns, wizardcount::kMaxColumns},
        {100, 100}};
    std::printf("%-12s %-6s %8s %12s %12s %12s\n", "size", "indent", "lines", "insert ms",
                "insert cpu", "undo ms");
    for (const auto &[rows, columns] : sizes) {
        for (bool smart : {false, true}) {
            QPlainTextEdit widget;
            PlainTextEditControl control(widget);
            control.setText(page);
            control.setSelection(control.lineIndex(1000) + 4, 0);
            tablemarkup::CellTexts cells;
            cells.setText(1, 1, QStringLiteral("premier"));
            const int before = control.lineCount();
            Clock clock;
            tablemarkup::insertTable(control, tablemarkup::Table(), rows, columns, cells, smart);
            const double insertMs = clock.wallMs();
            const double insertCpu = clock.cpuMs();
            const int added = control.lineCount() - before;
            Clock undo;
            control.undo();
            std::printf("%4d x %-5d %-6s %8d %12.1f %12.1f %12.1f\n", rows, columns,
                        smart ? "on" : "off", added, insertMs, insertCpu, undo.wallMs());
        }
    }
    return 0;
}
