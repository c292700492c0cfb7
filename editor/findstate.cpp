#include "editor/findstate.h"

#include "platform/editorcontrol.h"

FindState &findState()
{
    static FindState state;
    return state;
}

int findAndSelect(EditorControl &control, const QString &text, int from)
{
    if (text.isEmpty())
        return -1;
    const int found = control.find(text, from);
    if (found >= 0)
        control.setSelection(found, int(text.size()));
    return found;
}

int nextSearchPosition(int result, int length)
{
    return result < 0 ? 0 : result + length;
}
