#include "app/editorframe.h"

#include "editor/tedition.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

EditorFrame::EditorFrame(Tedition *editor, QWidget *parent) : QMdiSubWindow(parent)
{
    setWidget(editor);
    showCaption();
    connect(editor->memo1()->document(), &QTextDocument::modificationChanged, this,
            &QWidget::setWindowModified);
    setWindowModified(editor->memo1()->document()->isModified());
}

Tedition *EditorFrame::editor() const
{
    return qobject_cast<Tedition *>(widget());
}

bool EditorFrame::eventFilter(QObject *watched, QEvent *event)
{
    // The base class copies the editor's caption as it is; the mark goes in front afterwards.
    const bool handled = QMdiSubWindow::eventFilter(watched, event);
    if (watched == widget() && event->type() == QEvent::WindowTitleChange)
        showCaption();
    return handled;
}

void EditorFrame::showCaption()
{
    // "[*]" stands for the modified mark; one written in the caption itself is doubled so it
    // shows as it is.
    QString caption = widget() ? widget()->windowTitle() : QString();
    caption.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    setWindowTitle(QStringLiteral("[*]") + caption);
}
