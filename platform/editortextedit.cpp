#include "platform/editortextedit.h"

#include <QMimeData>

EditorTextEdit::EditorTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QMimeData *EditorTextEdit::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(
        textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    return data;
}
