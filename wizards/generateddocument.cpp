#include "wizards/generateddocument.h"

#include "editor/editorhost.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"

#include <algorithm>

Tedition *openGeneratedDocument(EditorHost &host, const QString &caption, const QStringList &lines,
                                std::optional<int> caretLine)
{
    Tedition *editor = host.newUntitledDocument(caption);
    if (!editor)
        return nullptr;
    EditorControl &control = editor->control();
    if (!lines.isEmpty())
        control.setText(lines.join(QLatin1Char('\n')));
    if (caretLine)
        control.setSelection(std::max(0, control.lineIndex(*caretLine)), 0);
    control.setModified(true);
    editor->refreshStatus();
    return editor;
}
