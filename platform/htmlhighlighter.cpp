#include "platform/htmlhighlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace
{

// A block's user state: -1 when unknown, otherwise the start state in bits 0-7, the end
// state in bits 8-15 and kColoured when its colours match its text and start state.
constexpr int kColoured = 1 << 16;

int packState(int start, int end)
{
    return (start & 0xFF) | ((end & 0xFF) << 8);
}
int startOf(int userState)
{
    return userState & 0xFF;
}
int endOf(int userState)
{
    return (userState >> 8) & 0xFF;
}

// Colours in the order of htmllexer::Kind; the first (plain text) stays unset.
struct Palette {
    const char *light;
    const char *dark;
};
constexpr Palette kColours[] = {
    {nullptr, nullptr},     // Text
    {"#1c3fa8", "#86b4ff"}, // Tag
    {"#8a4b00", "#e8b36e"}, // AttributeName
    {"#a3134a", "#f495b5"}, // AttributeValue
    {"#5f7a5f", "#93a993"}, // Comment
    {"#8b1ca0", "#d7a0e6"}, // Entity
    {"#00676b", "#6fd4cc"}, // Script
    {"#6b5200", "#d9c46f"}, // Style
};

} // namespace

HtmlHighlighter::HtmlHighlighter(QTextDocument &document, QObject *parent)
    : QObject(parent), m_document(document)
{
    setDarkBackground(false);
    connect(
        &m_document, &QTextDocument::contentsChange, this,
        [this](int position, int removed, int added) { contentsChange(position, removed, added); });
}

void HtmlHighlighter::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        removeAllColours();
}

void HtmlHighlighter::setDarkBackground(bool dark)
{
    const bool changed = dark != m_dark;
    m_dark = dark;
    for (size_t kind = 1; kind < m_formats.size(); ++kind)
        m_formats[kind].setForeground(QColor(dark ? kColours[kind].dark : kColours[kind].light));
    if (changed)
        removeAllColours();
}

QColor HtmlHighlighter::colour(htmllexer::Kind kind) const
{
    return m_formats[size_t(kind)].foreground().color();
}

void HtmlHighlighter::contentsChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    if (m_applying)
        return;
    QTextBlock block = m_document.findBlock(position);
    if (!block.isValid())
        block = m_document.lastBlock();
    const int first = block.blockNumber();
    const bool statesKnown = m_validBefore >= first;
    m_validBefore = std::min(m_validBefore, first);
    // The blocks the change touched have text their states no longer describe.
    const QTextBlock last = m_document.findBlock(position + added);
    QTextBlock touched = block;
    for (;;) {
        touched.setUserState(-1);
        if (touched == last || !touched.next().isValid())
            break;
        touched = touched.next();
    }
    // A typed character: colour its block now, while the document is still in the middle of
    // the change, so that the view lays it out and repaints it once, as it would without
    // colours. Colouring it at paint time would lay it out again and repaint the whole
    // view. Only when the states before it are known: a change far down a document just
    // loaded waits until it is shown.
    if (m_enabled && statesKnown && block == last && m_document.blockCount() > 0) {
        const int start = first == 0 ? htmllexer::kStartState : endOf(block.previous().userState());
        applyColours(block, start);
        m_validBefore = first + 1;
    }
}

int HtmlHighlighter::stateBefore(const QTextBlock &target)
{
    const int targetNumber = target.blockNumber();
    if (targetNumber <= 0)
        return htmllexer::kStartState;
    int number = std::min(m_validBefore, targetNumber);
    QTextBlock block = m_document.findBlockByNumber(number);
    int state = number == 0 ? htmllexer::kStartState : endOf(block.previous().userState());
    for (; number < targetNumber && block.isValid(); ++number, block = block.next()) {
        const int stored = block.userState();
        if (stored >= 0 && startOf(stored) == state) {
            state = endOf(stored);
            continue;
        }
        const int end = htmllexer::lexLine(block.text(), state);
        block.setUserState(packState(state, end)); // colours no longer match
        state = end;
    }
    m_validBefore = std::max(m_validBefore, number);
    return state;
}

void HtmlHighlighter::colourBlocks(const QTextBlock &first, const QTextBlock &last)
{
    if (!m_enabled || !first.isValid())
        return;
    int state = stateBefore(first);
    const int lastNumber = last.isValid() ? last.blockNumber() : m_document.blockCount() - 1;
    QTextBlock block = first;
    int number = first.blockNumber();
    for (; block.isValid() && number <= lastNumber; block = block.next(), ++number) {
        const int stored = block.userState();
        if (stored >= 0 && startOf(stored) == state && (stored & kColoured)) {
            state = endOf(stored);
            continue;
        }
        applyColours(block, state);
        state = endOf(block.userState());
    }
    if (m_validBefore >= first.blockNumber())
        m_validBefore = std::max(m_validBefore, number);
}

void HtmlHighlighter::applyColours(QTextBlock &block, int startState)
{
    QList<htmllexer::Span> spans;
    const int end = htmllexer::lexLine(block.text(), startState, &spans);
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(spans.size());
    for (const htmllexer::Span &span : spans)
        ranges.append({span.start, span.length, m_formats[size_t(span.kind)]});
    m_applying = true;
    block.layout()->setFormats(ranges);
    // New formats throw the block's lines away. Laying it out again here lets the view see
    // a block of unchanged height and repaint that block alone, not the whole view.
    m_document.documentLayout()->blockBoundingRect(block);
    m_document.markContentsDirty(block.position(), block.length());
    m_applying = false;
    block.setUserState(packState(startState, end) | kColoured);
}

void HtmlHighlighter::removeAllColours()
{
    m_applying = true;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        const int stored = block.userState();
        if (stored < 0 || !(stored & kColoured))
            continue;
        block.layout()->clearFormats();
        m_document.markContentsDirty(block.position(), block.length());
        block.setUserState(stored & ~kColoured);
    }
    m_applying = false;
}
