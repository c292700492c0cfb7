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
#include <cstring>
#include <optional>

namespace
{

// The character that stands in the document for one it would take for a paragraph break,
// and the format property that holds the original.
constexpr char16_t kStandIn = 0xFFFD;
constexpr int kHeldCharacter = QTextFormat::UserProperty + 9;

bool breaksParagraph(QChar ch)
{
    return ch == QChar::ParagraphSeparator || ch == QChar(0xFDD0) || ch == QChar(0xFDD1);
}

// The break of a line that does not end in the usual style.
class LineEndData : public QTextBlockUserData
{
public:
    explicit LineEndData(LineEnd end) : end(end) {}
    const LineEnd end;
};

std::optional<LineEnd> ownLineEnd(const QTextBlock &block)
{
    if (const auto *data = dynamic_cast<const LineEndData *>(block.userData()))
        return data->end;
    return std::nullopt;
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
    const QTextCursor cursor = m_edit->textCursor();
    return exportText(cursor.selectedText(), cursor.selectionStart(), u"\r\n");
}

void PlainTextEditControl::replaceSelection(const QString &text)
{
    QTextCursor cursor = m_edit->textCursor();
    if (!cursor.hasSelection() && text.isEmpty())
        return;
    {
        OneStep step(cursor);
        insertHeld(cursor, linebreaks::toLf(text));
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
    return block.isValid() ? exportText(block.text(), block.position(), u"\r\n") : QString();
}

void PlainTextEditControl::insertLine(int index, const QString &text)
{
    index = std::clamp(index, 0, lineCount());
    // The step starts where the caret stands, which is where undo puts the caret back.
    QTextCursor cursor(&document());
    cursor.setPosition(m_edit->textCursor().position());
    OneStep step(cursor);
    if (index < lineCount()) {
        const QTextBlock before = document().findBlockByNumber(index);
        const std::optional<LineEnd> ownEnd = ownLineEnd(before);
        cursor.setPosition(before.position());
        const QString lines = linebreaks::toLf(text);
        insertHeld(cursor, lines + QLatin1Char('\n'));
        // The document leaves the line's data on the first part of the split block: give it
        // back to the line, below the inserted ones, which end in the usual style.
        if (ownEnd) {
            document().findBlockByNumber(index).setUserData(nullptr);
            const int inserted = int(lines.count(QLatin1Char('\n'))) + 1;
            document().findBlockByNumber(index + inserted).setUserData(new LineEndData(*ownEnd));
        }
    } else {
        cursor.movePosition(QTextCursor::End);
        insertHeld(cursor, QLatin1Char('\n') + linebreaks::toLf(text));
    }
}

QString PlainTextEditControl::text() const
{
    return exportText(document().toRawText(), 0, u"\r\n");
}

void PlainTextEditControl::setText(const QString &text)
{
    QString lines = linebreaks::toLf(text);
    const bool holds = std::any_of(lines.cbegin(), lines.cend(), breaksParagraph);
    m_holdsCharacters = false;
    m_holdsLineEnds = false;
    if (holds) {
        m_edit->setPlainText(QString());
        QTextCursor cursor(&document());
        insertHeld(cursor, std::move(lines));
        document().clearUndoRedoStacks();
    } else {
        m_edit->setPlainText(lines);
    }
    m_edit->setTextCursor(QTextCursor(&document()));
    document().setModified(true);
}

void PlainTextEditControl::insertHeld(QTextCursor &cursor, QString text)
{
    qsizetype next = std::find_if(text.cbegin(), text.cend(), breaksParagraph) - text.cbegin();
    if (next == text.size() && !m_holdsCharacters) {
        cursor.insertText(text);
        return;
    }
    // Text typed next to a held character would take its format: insert without it.
    m_holdsCharacters = true;
    QTextCharFormat plain = cursor.charFormat();
    plain.clearProperty(kHeldCharacter);
    qsizetype from = 0;
    while (next < text.size()) {
        if (next > from)
            cursor.insertText(text.mid(from, next - from), plain);
        QTextCharFormat held = plain;
        held.setProperty(kHeldCharacter, int(text.at(next).unicode()));
        cursor.insertText(QString(QChar(kStandIn)), held);
        from = next + 1;
        next = std::find_if(text.cbegin() + from, text.cend(), breaksParagraph) - text.cbegin();
    }
    if (from < text.size())
        cursor.insertText(text.mid(from), plain);
}

QString PlainTextEditControl::exportText(QString raw, int documentPos, QStringView lineBreak) const
{
    if (!m_holdsCharacters) {
        // Widened in place, from the end: each line moves once, and a long text needs no
        // second buffer (a large block usually grows without being copied).
        const qsizetype size = raw.size();
        const qsizetype breaks = QStringView(raw).count(QChar::ParagraphSeparator);
        if (breaks == 0 || lineBreak.size() == 1) {
            if (breaks != 0)
                raw.replace(QChar::ParagraphSeparator, lineBreak.front());
            return raw;
        }
        const qsizetype widen = lineBreak.size() - 1;
        raw.resize(size + breaks * widen);
        QChar *data = raw.data();
        qsizetype end = size; // the original text still to move lies in [0, end)
        for (qsizetype moved = breaks; moved > 0; --moved) {
            qsizetype at = end - 1;
            while (data[at] != QChar::ParagraphSeparator)
                --at;
            std::memmove(data + at + 1 + moved * widen, data + at + 1,
                         (end - at - 1) * sizeof(QChar));
            std::copy(lineBreak.cbegin(), lineBreak.cend(), data + at + (moved - 1) * widen);
            end = at;
        }
        return raw;
    }
    // Block separators become line breaks and held characters their originals, in one pass:
    // a restored U+2029 must not be taken for a separator.
    QString text;
    text.reserve(raw.size() + raw.size() / 16);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar ch = raw.at(i);
        if (ch == QChar::ParagraphSeparator) {
            text += lineBreak;
            continue;
        }
        if (ch == QChar(kStandIn)) {
            QTextCursor after(&document());
            after.setPosition(documentPos + int(i) + 1);
            const QVariant held = after.charFormat().property(kHeldCharacter);
            if (held.isValid()) {
                text += QChar(char16_t(held.toInt()));
                continue;
            }
        }
        text += ch;
    }
    return text;
}

void PlainTextEditControl::setOtherLineEnds(const OtherLineEnds &ends)
{
    if (m_holdsLineEnds) {
        for (QTextBlock block = document().begin(); block.isValid(); block = block.next())
            block.setUserData(nullptr);
    }
    m_holdsLineEnds = !ends.empty();
    for (const auto &[line, end] : ends) {
        QTextBlock block = document().findBlockByNumber(line);
        if (block.isValid())
            block.setUserData(new LineEndData(end));
    }
}

OtherLineEnds PlainTextEditControl::otherLineEnds() const
{
    OtherLineEnds list;
    if (!m_holdsLineEnds)
        return list;
    int line = 0;
    for (QTextBlock block = document().begin(); block.isValid() && block.next().isValid();
         block = block.next(), ++line) {
        if (const std::optional<LineEnd> end = ownLineEnd(block))
            list.emplace_back(line, *end);
    }
    return list;
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
    const QTextCursor cursor = m_edit->textCursor();
    const QString selected = exportText(cursor.selectedText(), cursor.selectionStart(), u"\n");
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(selected);
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
