#pragma once

#include <QMdiSubWindow>

class Tedition;

// The frame of an editor window inside the main window. Its title is the editor's caption,
// preceded by "*" while the document holds changes not yet saved; the caption itself stays
// the editor's own (the file name, or the name a new document was given).
class EditorFrame : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit EditorFrame(Tedition *editor, QWidget *parent = nullptr);

    Tedition *editor() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCaption();
};
