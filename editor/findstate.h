#pragma once

#include <QString>

class EditorControl;

// The search shared by every editor window for the whole run: the last text searched and the
// position the next search starts from.
struct FindState {
    QString text; // empty until the first search
    int position = 0;
};

FindState &findState();

// Finds `text` in the control from `from` on (forward, any case, inside words) and selects
// the match. Returns the match's position, or -1 when there is none; an empty text is never
// found and leaves the selection alone.
int findAndSelect(EditorControl &control, const QString &text, int from);

// The position a search starts from after one that returned `result` for a text of `length`
// characters: right after the match, or back at the top after a search that found nothing.
int nextSearchPosition(int result, int length);
