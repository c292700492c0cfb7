#include "editor/insertion.h"

#include "platform/editorcontrol.h"

#include <algorithm>

namespace
{

void placeCaret(EditorControl &control, int start, int offset)
{
    const qint64 target = std::min<qint64>(qint64(start) + offset, control.textLength());
    control.setSelection(int(target), 0);
}

} // namespace

void insertSimple(EditorControl &control, const QString &text, std::optional<int> caret)
{
    EditBlock step(control);
    const int start = control.selStart();
    control.replaceSelection(text);
    if (caret)
        placeCaret(control, start, *caret);
}

void insertBlock(EditorControl &control, const QStringList &lines, int caret)
{
    EditBlock step(control);
    const int start = control.selStart();
    const int line = control.lineFromChar(start);
    const int column =
        std::clamp(start - control.lineIndex(line), 0, int(control.line(line).size()));
    const QString prefix(column + 1, QLatin1Char(' '));
    for (int i = 0; i < lines.size(); ++i)
        control.insertLine(line + i, prefix + lines.at(i));
    placeCaret(control, start, caret);
}
