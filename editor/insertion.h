#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class EditorControl;

// The two ways every markup command puts its text into the editor. Positions are the
// control's own (a line break counts two). Each call is one undo step.

// Replaces the selection by `text` (a lone "\r" in it becomes a line break). With a caret
// offset the caret then goes to the old selection start + `caret`, at most the text's end;
// without one it stays directly after the inserted text.
void insertSimple(EditorControl &control, const QString &text, std::optional<int> caret);

// Inserts `lines` as whole lines above the line that holds the selection start, each behind
// an indentation of (column of the selection start + 1) spaces. The selected text stays
// where it is. The caret then goes to the old selection start + `caret`, at most the text's
// end.
void insertBlock(EditorControl &control, const QStringList &lines, int caret);
