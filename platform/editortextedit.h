#pragma once

#include <QPlainTextEdit>

// The editor's text widget: a QPlainTextEdit that wraps long lines at its width and keeps
// its vertical scroll bar shown.
//
// - The scroll bar is always there so that loading a long document does not narrow the
//   text area: a change of width lays out every block again, which costs about half a
//   second for a 20 MB document.
// - Its clipboard copy keeps the selected text exactly as it stands. The stock widget copies
//   through a plain-text export that turns no-break spaces into ordinary spaces.
class EditorTextEdit : public QPlainTextEdit
{
public:
    explicit EditorTextEdit(QWidget *parent = nullptr);

protected:
    QMimeData *createMimeDataFromSelection() const override;
};
