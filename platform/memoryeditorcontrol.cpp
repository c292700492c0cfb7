#include "platform/memoryeditorcontrol.h"

#include "platform/linebreaks.h"

#include <algorithm>

namespace
{

// The control length of a text whose line breaks are "\n": each break counts 2.
int controlLength(const QStringList &lines)
{
    int length = 0;
    for (const QString &line : lines)
        length += int(line.size()) + 2;
    return length - 2;
}

} // namespace

MemoryEditorControl::MemoryEditorControl(const QString &text)
{
    setText(text);
    m_undo.clear();
    m_cleanDepth = 0;
}

MemoryEditorControl::Place MemoryEditorControl::locate(qint64 pos) const
{
    pos = std::max<qint64>(pos, 0);
    const int last = int(m_lines.size()) - 1;
    for (int i = 0; i < last; ++i) {
        const int length = int(m_lines[i].size());
        if (pos <= length + 1)
            return {i, int(std::min<qint64>(pos, length))};
        pos -= length + 2;
    }
    return {last, int(std::min<qint64>(pos, m_lines[last].size()))};
}

int MemoryEditorControl::positionOf(Place place) const
{
    int pos = place.column;
    for (int i = 0; i < place.line; ++i)
        pos += int(m_lines[i].size()) + 2;
    return pos;
}

void MemoryEditorControl::recordUndoStep()
{
    if (m_blockDepth > 0 && m_blockRecorded)
        return;
    if (m_cleanDepth > int(m_undo.size()))
        m_cleanDepth = -1;
    m_undo.push_back({m_lines, m_ends, m_start, m_length});
    if (m_blockDepth > 0)
        m_blockRecorded = true;
}

void MemoryEditorControl::setSelection(int start, int length)
{
    const Place from = locate(start);
    const int begin = positionOf(from);
    const int end = positionOf(locate(qint64(begin) + std::max(length, 0)));
    m_start = begin;
    m_length = end - begin;
}

QString MemoryEditorControl::selectedText() const
{
    return text().mid(m_start, m_length);
}

void MemoryEditorControl::replaceSelection(const QString &text)
{
    if (m_length == 0 && text.isEmpty())
        return;
    recordUndoStep();
    const Place from = locate(m_start);
    const Place to = locate(qint64(m_start) + m_length);
    QStringList pieces = linebreaks::toLf(text).split(QLatin1Char('\n'));
    const int inserted = controlLength(pieces);
    pieces.first().prepend(m_lines[from.line].left(from.column));
    pieces.last().append(m_lines[to.line].mid(to.column));
    // The first line keeps its break, as the text widget's first block keeps its own; the
    // breaks made here take the usual style.
    const int firstEnd = m_ends[from.line];
    m_lines.remove(from.line, to.line - from.line + 1);
    m_ends.remove(from.line, to.line - from.line + 1);
    for (int i = 0; i < pieces.size(); ++i) {
        m_lines.insert(from.line + i, pieces[i]);
        m_ends.insert(from.line + i, i == 0 ? firstEnd : kUsualEnd);
    }
    m_start += inserted;
    m_length = 0;
}

void MemoryEditorControl::selectAll()
{
    m_start = 0;
    m_length = textLength();
}

void MemoryEditorControl::deleteSelection()
{
    if (m_length > 0)
        replaceSelection(QString());
}

int MemoryEditorControl::lineFromChar(int pos) const
{
    return locate(pos).line;
}

int MemoryEditorControl::lineIndex(int line) const
{
    if (line < 0 || line >= m_lines.size())
        return -1;
    return positionOf({line, 0});
}

QString MemoryEditorControl::line(int index) const
{
    return index >= 0 && index < m_lines.size() ? m_lines[index] : QString();
}

void MemoryEditorControl::insertLine(int index, const QString &text)
{
    index = std::clamp(index, 0, int(m_lines.size()));
    const QStringList pieces = linebreaks::toLf(text).split(QLatin1Char('\n'));
    const int point = index < m_lines.size() ? lineIndex(index) : textLength();
    const int inserted = controlLength(pieces) + 2;
    recordUndoStep();
    for (int i = 0; i < pieces.size(); ++i) {
        m_lines.insert(index + i, pieces[i]);
        m_ends.insert(index + i, kUsualEnd);
    }
    const int end = m_start + m_length;
    if (m_start >= point)
        m_start += inserted;
    m_length = (end >= point ? end + inserted : end) - m_start;
}

QString MemoryEditorControl::text() const
{
    return m_lines.join(QLatin1String("\r\n"));
}

void MemoryEditorControl::setText(const QString &text)
{
    m_lines = linebreaks::toLf(text).split(QLatin1Char('\n'));
    m_ends = QList<int>(m_lines.size(), kUsualEnd);
    m_start = 0;
    m_length = 0;
    m_undo.clear();
    m_cleanDepth = -1;
}

int MemoryEditorControl::textLength() const
{
    return controlLength(m_lines);
}

bool MemoryEditorControl::isModified() const
{
    return m_cleanDepth != int(m_undo.size());
}

void MemoryEditorControl::setModified(bool modified)
{
    m_cleanDepth = modified ? -1 : int(m_undo.size());
}

void MemoryEditorControl::undo()
{
    if (m_undo.empty())
        return;
    Snapshot &last = m_undo.back();
    m_lines = std::move(last.lines);
    m_ends = std::move(last.ends);
    m_start = last.start;
    m_length = last.length;
    m_undo.pop_back();
}

void MemoryEditorControl::beginEditBlock()
{
    if (m_blockDepth++ == 0)
        m_blockRecorded = false;
}

void MemoryEditorControl::endEditBlock()
{
    if (m_blockDepth > 0)
        --m_blockDepth;
}

void MemoryEditorControl::cut()
{
    if (m_length == 0)
        return;
    copy();
    deleteSelection();
}

void MemoryEditorControl::copy()
{
    if (m_length > 0)
        m_clipboard = linebreaks::toLf(selectedText());
}

void MemoryEditorControl::paste()
{
    if (!m_clipboard.isEmpty())
        replaceSelection(m_clipboard);
}

void MemoryEditorControl::setOtherLineEnds(const OtherLineEnds &ends)
{
    m_ends.fill(kUsualEnd);
    for (const auto &[line, end] : ends) {
        if (line >= 0 && line < m_ends.size())
            m_ends[line] = int(end);
    }
}

OtherLineEnds MemoryEditorControl::otherLineEnds() const
{
    OtherLineEnds list;
    for (int line = 0; line + 1 < m_ends.size(); ++line) {
        if (m_ends[line] != kUsualEnd)
            list.emplace_back(line, LineEnd(m_ends[line]));
    }
    return list;
}

void MemoryEditorControl::typeCharacter(QChar ch)
{
    if (m_keyHook && m_keyHook(ch))
        return;
    replaceSelection(QString(ch));
}

int MemoryEditorControl::find(const QString &text, int from) const
{
    if (text.isEmpty() || linebreaks::count(text) > 0 || text.contains(QChar::ParagraphSeparator) ||
        from > textLength())
        return -1;
    const Place start = locate(from);
    for (int i = start.line; i < int(m_lines.size()); ++i) {
        QString line = m_lines[i];
        line.replace(QChar::Nbsp, QLatin1Char(' ')); // as the text widget's search does
        const qsizetype at =
            line.indexOf(text, i == start.line ? start.column : 0, Qt::CaseInsensitive);
        if (at >= 0)
            return positionOf({i, int(at)});
    }
    return -1;
}
