#include "platform/plaintexteditcontrol.h"

#include "platform/linebreaks.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace
{

QString withCrLfBreaks(QString text)
{
    return text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
}

// Groups the document changes of one control operation, so that Qt does not merge them
// with the neighbouring typing into a single undo step.
class OneStep
{
public:
    explicit OneStep(QTextCursor &cursor) : m_cursor(cursor) { m_cursor.beginEditBlock(); }
    ~OneStep() { m_cursor.endEditBlock(); }
    OneStep(const OneStep &) = delete;
    OneStep &operator=(const OneStep &) = delete;

private:
    QTextCursor &m_cursor;
};

} // namespace

PlainTextEditControl::PlainTextEditControl(QPlainTextEdit &edit, QObject *parent)
    : QObject(parent), m_edit(&edit)
{
    edit.installEventFilter(this);
}

PlainTextEditControl::~PlainTextEditControl()
{
    if (m_blockDepth > 0)
        m_blockCursor.endEditBlock();
    if (m_edit)
        m_edit->removeEventFilter(this);
}

QTextDocument &PlainTextEditControl::document() const
{
    return *m_edit->document();
}

int PlainTextEditControl::toControl(int documentPos) const
{
    return documentPos + document().findBlock(documentPos).blockNumber();
}

int PlainTextEditControl::lineStart(int line) const
{
    return document().findBlockByNumber(line).position() + line;
}

int PlainTextEditControl::toDocument(qint64 controlPos) const
{
    const int line = lineFromChar(int(std::clamp<qint64>(controlPos, 0, textLength())));
    const QTextBlock block = document().findBlockByNumber(line);
    const qint64 column = controlPos - (block.position() + line);
    return block.position() + int(std::clamp<qint64>(column, 0, block.length() - 1));
}

int PlainTextEditControl::selStart() const
{
    return toControl(m_edit->textCursor().selectionStart());
}

int PlainTextEditControl::selLength() const
{
    const QTextCursor cursor = m_edit->textCursor();
    return toControl(cursor.selectionEnd()) - toControl(cursor.selectionStart());
}

void PlainTextEditControl::setSelection(int start, int length)
{
    const int begin = toDocument(start);
    const int end = toDocument(qint64(toControl(begin)) + std::max(length, 0));
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(begin);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
}

QString PlainTextEditControl::selectedText() const
{
    return withCrLfBreaks(m_edit->textCursor().selectedText());
}

void PlainTextEditControl::replaceSelection(const QString &text)
{
    QTextCursor cursor = m_edit->textCursor();
    if (!cursor.hasSelection() && text.isEmpty())
        return;
    {
        OneStep step(cursor);
        cursor.insertText(linebreaks::toLf(text));
    }
    m_edit->setTextCursor(cursor);
}

void PlainTextEditControl::selectAll()
{
    m_edit->selectAll();
}

void PlainTextEditControl::deleteSelection()
{
    if (m_edit->textCursor().hasSelection())
        replaceSelection(QString());
}

int PlainTextEditControl::lineCount() const
{
    return document().blockCount();
}

// lineStart() grows with the line number, so the line of a position is found by a binary
// search over block numbers. The bounds come from two block lookups: the document position
// of `pos` lies between pos - line and pos, and the line is at most `high`.
int PlainTextEditControl::lineFromChar(int pos) const
{
    const QTextDocument &doc = document();
    pos = std::clamp(pos, 0, textLength());
    int high = doc.findBlock(std::min(pos, doc.characterCount() - 1)).blockNumber();
    int low = doc.findBlock(std::max(0, pos - high)).blockNumber();
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (lineStart(middle) <= pos)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

int PlainTextEditControl::lineIndex(int line) const
{
    if (line < 0 || line >= lineCount())
        return -1;
    return lineStart(line);
}

QString PlainTextEditControl::line(int index) const
{
    const QTextBlock block = document().findBlockByNumber(index);
    return block.isValid() ? block.text() : QString();
}

void PlainTextEditControl::insertLine(int index, const QString &text)
{
    index = std::clamp(index, 0, lineCount());
    // The step starts where the caret stands, which is where undo puts the caret back.
    QTextCursor cursor(&document());
    cursor.setPosition(m_edit->textCursor().position());
    OneStep step(cursor);
    if (index < lineCount()) {
        cursor.setPosition(document().findBlockByNumber(index).position());
        cursor.insertText(linebreaks::toLf(text) + QLatin1Char('\n'));
    } else {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QLatin1Char('\n') + linebreaks::toLf(text));
    }
}

QString PlainTextEditControl::text() const
{
    return withCrLfBreaks(document().toRawText());
}

void PlainTextEditControl::setText(const QString &text)
{
    m_edit->setPlainText(linebreaks::toLf(text));
    m_edit->setTextCursor(QTextCursor(&document()));
    document().setModified(true);
}

int PlainTextEditControl::textLength() const
{
    const QTextDocument &doc = document();
    return doc.characterCount() - 1 + doc.blockCount() - 1;
}

int PlainTextEditControl::find(const QString &text, int from) const
{
    if (text.isEmpty() || linebreaks::count(text) > 0 || text.contains(QChar::ParagraphSeparator) ||
        from > textLength())
        return -1;
    // No flags: any case, inside words, forward. The document walks its blocks without
    // building the whole text.
    const QTextCursor found = document().find(text, toDocument(std::max(from, 0)));
    return found.isNull() ? -1 : toControl(found.selectionStart());
}

bool PlainTextEditControl::isModified() const
{
    return document().isModified();
}

void PlainTextEditControl::setModified(bool modified)
{
    document().setModified(modified);
}

void PlainTextEditControl::undo()
{
    m_edit->undo();
}

void PlainTextEditControl::beginEditBlock()
{
    if (m_blockDepth++ == 0) {
        // Undo of the whole block puts the caret back where it stood when the block began.
        m_blockCursor = QTextCursor(&document());
        m_blockCursor.setPosition(m_edit->textCursor().position());
        m_blockCursor.beginEditBlock();
    }
}

void PlainTextEditControl::endEditBlock()
{
    if (m_blockDepth > 0 && --m_blockDepth == 0) {
        m_blockCursor.endEditBlock();
        m_blockCursor = QTextCursor();
    }
}

void PlainTextEditControl::cut()
{
    if (!m_edit->textCursor().hasSelection())
        return;
    copy();
    deleteSelection();
}

void PlainTextEditControl::copy()
{
    QString selected = m_edit->textCursor().selectedText();
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(
            selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
}

void PlainTextEditControl::paste()
{
    const QString pasted = QGuiApplication::clipboard()->text();
    if (!pasted.isEmpty())
        replaceSelection(pasted);
}

// A key press or an input method carries the typed text; one character is offered to the
// hook. A cancelled input-method character is replaced by the same event without it, so
// the composition state of the input method stays right.
bool PlainTextEditControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || !m_keyHook)
        return false;
    if (event->type() == QEvent::KeyPress)
        return typedCharacterCancelled(static_cast<QKeyEvent *>(event)->text());
    if (event->type() == QEvent::InputMethod) {
        const auto *input = static_cast<QInputMethodEvent *>(event);
        if (!typedCharacterCancelled(input->commitString()))
            return false;
        QInputMethodEvent withoutCommit(input->preeditString(), input->attributes());
        QCoreApplication::sendEvent(m_edit, &withoutCommit);
        return true;
    }
    return false;
}

bool PlainTextEditControl::typedCharacterCancelled(const QString &typed)
{
    return typed.size() == 1 && m_keyHook(typed.front());
}
