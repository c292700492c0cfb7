#pragma once

#include <QPlainTextEdit>

// The editor's text widget: a QPlainTextEdit whose clipboard copy keeps the selected text
// exactly as it stands. The stock widget copies through a plain-text export that turns
// no-break spaces into ordinary spaces; a document's characters must come back unchanged
// when they are copied and pasted.
class EditorTextEdit : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData *createMimeDataFromSelection() const override;
};
