#include "platform/editortextedit.h"

#include "platform/htmlhighlighter.h"
#include "platform/htmllexer.h"

#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>

// The margin at the left of the text that shows line numbers; the editor paints it.
class LineNumberArea : public QWidget
{
public:
    explicit LineNumberArea(EditorTextEdit &editor) : QWidget(&editor), m_editor(editor)
    {
        setObjectName(QStringLiteral("lineNumberArea"));
    }
    QSize sizeHint() const override { return {m_editor.lineNumberAreaWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent *event) override { m_editor.paintLineNumbers(event); }

private:
    EditorTextEdit &m_editor;
};

namespace
{

// The plain-text layout, told about a change inside one block in terms that let it lay out
// and repaint that block alone. The document reports a change as the characters removed
// plus those added from its start; new colours of a block count as its whole length
// removed and added, which reaches into the next block, and the stock layout then lays out
// and repaints everything shown (about 5 ms a keystroke instead of 0.5).
class EditorDocumentLayout : public QPlainTextDocumentLayout
{
public:
    explicit EditorDocumentLayout(QTextDocument *document) : QPlainTextDocumentLayout(document) {}

protected:
    void documentChanged(int from, int removed, int added) override
    {
        const QTextDocument &document = *this->document();
        const int blocks = document.blockCount();
        const QTextBlock block = document.findBlock(from);
        const int blockEnd = block.position() + block.length() - 1; // its break, or the end
        const bool sameBlocks = blocks == m_blockCount;
        m_blockCount = blocks;
        if (sameBlocks && block.isValid() && from + std::max(added, 1) - 1 <= blockEnd) {
            // Only this block's text or colours changed: the block count is the same, and
            // what was added lies in it (removing a break would have lowered the count
            // unless the added text held one).
            QPlainTextDocumentLayout::documentChanged(from, 0,
                                                      std::clamp(added, 1, blockEnd - from + 1));
            return;
        }
        QPlainTextDocumentLayout::documentChanged(from, removed, added);
    }

private:
    int m_blockCount = 1;
};

// How long typing must pause before the caret's pair is searched for again, in ms.
constexpr int kTypingPause = 150;

// How many blocks the search for a tag's partner walks before it gives up, so that a
// caret move stays quick in a long document.
constexpr int kMatchBlockLimit = 3000;

// The start tag or end tag that pairs with `tag` (in `block`), found by counting the tags
// of the same name in between; {-1, 0} when there is none within the limit.
std::pair<int, int> partnerTag(HtmlHighlighter &highlighter, QTextBlock block,
                               const htmllexer::TagAt &tag)
{
    int depth = 0;
    const bool forward = !tag.closing;
    for (int walked = 0; block.isValid() && walked < kMatchBlockLimit; ++walked) {
        const QString text = block.text();
        QList<htmllexer::TagMark> marks =
            htmllexer::tagsNamed(text, highlighter.stateBefore(block), tag.name);
        if (!forward)
            std::reverse(marks.begin(), marks.end());
        for (const htmllexer::TagMark &mark : marks) {
            if (walked == 0 && (forward ? mark.start < tag.end : mark.start >= tag.start))
                continue;
            if (mark.closing == tag.closing) {
                ++depth;
            } else if (depth-- == 0) {
                return {block.position() + mark.start, mark.length};
            }
        }
        block = forward ? block.next() : block.previous();
    }
    return {-1, 0};
}

// Whether `tag` is markup as the lexer reads it, not text inside a comment or a script.
bool isRealTag(HtmlHighlighter &highlighter, const QTextBlock &block, const htmllexer::TagAt &tag)
{
    const QList<htmllexer::TagMark> marks =
        htmllexer::tagsNamed(block.text(), highlighter.stateBefore(block), tag.name);
    return std::any_of(marks.begin(), marks.end(),
                       [&](const htmllexer::TagMark &mark) { return mark.start == tag.start; });
}

QColor blend(const QColor &a, const QColor &b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

} // namespace

// The widget's own document, with the layout above.
static QTextDocument *makeDocument(QObject *parent)
{
    auto *document = new QTextDocument(parent);
    document->setDocumentLayout(new EditorDocumentLayout(document));
    return document;
}

EditorTextEdit::EditorTextEdit(QWidget *parent)
    : QPlainTextEdit(parent), m_highlighter(nullptr), m_lineNumberArea(new LineNumberArea(*this)),
      m_matchTimer(new QTimer(this))
{
    setDocument(makeDocument(this));
    m_highlighter = new HtmlHighlighter(*document(), this);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_matchTimer->setSingleShot(true);
    connect(m_matchTimer, &QTimer::timeout, this, [this] { refreshSelections(); });
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { updateMargin(); });
    connect(this, &QPlainTextEdit::updateRequest, this,
            [this](const QRect &rect, int dy) { updateLineNumberArea(rect, dy); });
    // A caret moved by the user gets its line and pair marked at once. While the user types,
    // the search for the pair (which may walk thousands of lines) waits until typing pauses,
    // so that a keystroke costs no more than the text widget's own work.
    connect(document(), &QTextDocument::contentsChange, this, [this] { m_textJustChanged = true; });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        m_matchTimer->start(m_textJustChanged ? kTypingPause : 0);
        m_textJustChanged = false;
    });
    followPalette();
    updateMargin();
    refreshSelections();
}

EditorTextEdit::~EditorTextEdit() = default;

QWidget *EditorTextEdit::lineNumberArea() const
{
    return m_lineNumberArea;
}

void EditorTextEdit::setColouring(bool on)
{
    m_highlighter->setEnabled(on);
    viewport()->update();
}

bool EditorTextEdit::colouring() const
{
    return m_highlighter->isEnabled();
}

void EditorTextEdit::setLineNumbers(bool on)
{
    m_lineNumbers = on;
    m_lineNumberArea->setVisible(on);
    m_marginDigits = -1;
    updateMargin();
}

int EditorTextEdit::lineNumberAreaWidth() const
{
    if (!m_lineNumbers)
        return 0;
    const int digits = std::max(3, int(QString::number(blockCount()).size()));
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void EditorTextEdit::updateMargin()
{
    const int digits = int(QString::number(blockCount()).size());
    if (digits == m_marginDigits)
        return;
    m_marginDigits = digits;
    setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
    const QRect area = contentsRect();
    m_lineNumberArea->setGeometry(area.left(), area.top(), lineNumberAreaWidth(), area.height());
}

void EditorTextEdit::updateLineNumberArea(const QRect &rect, int dy)
{
    if (!m_lineNumbers)
        return;
    if (dy != 0)
        m_lineNumberArea->scroll(0, dy);
    else
        m_lineNumberArea->update(0, rect.y(), m_lineNumberArea->width(), rect.height());
}

void EditorTextEdit::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    m_lineNumberArea->setGeometry(area.left(), area.top(), lineNumberAreaWidth(), area.height());
}

void EditorTextEdit::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        followPalette();
        m_marginDigits = -1;
        updateMargin();
    }
}

void EditorTextEdit::followPalette()
{
    m_highlighter->setDarkBackground(palette().color(QPalette::Base).lightness() < 128);
    refreshSelections();
}

void EditorTextEdit::paintEvent(QPaintEvent *event)
{
    if (m_highlighter->isEnabled()) {
        // Colour the blocks this paint shows (a block shown in part included).
        const QTextBlock first = firstVisibleBlock();
        QTextBlock last = first;
        const qreal bottom = viewport()->height();
        const QPointF offset = contentOffset();
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            last = block;
            if (blockBoundingGeometry(block).translated(offset).bottom() >= bottom)
                break;
        }
        m_highlighter->colourBlocks(first, last);
    }
    QPlainTextEdit::paintEvent(event);
}

void EditorTextEdit::paintLineNumbers(QPaintEvent *event)
{
    QPainter painter(m_lineNumberArea);
    const QPalette &colours = palette();
    painter.fillRect(event->rect(),
                     blend(colours.color(QPalette::Base), colours.color(QPalette::Text), 0.06));
    painter.setPen(blend(colours.color(QPalette::Base), colours.color(QPalette::Text), 0.55));
    painter.setFont(font());
    QTextBlock block = firstVisibleBlock();
    int number = block.blockNumber();
    const QPointF offset = contentOffset();
    const int width = m_lineNumberArea->width() - 4;
    const int lineHeight = fontMetrics().height();
    while (block.isValid()) {
        const QRectF bounds = blockBoundingGeometry(block).translated(offset);
        if (bounds.top() > event->rect().bottom())
            break;
        if (block.isVisible() && bounds.bottom() >= event->rect().top())
            painter.drawText(0, int(bounds.top()), width, lineHeight, Qt::AlignRight,
                             QString::number(number + 1));
        block = block.next();
        ++number;
    }
}

QList<std::pair<int, int>> EditorTextEdit::matchedRanges()
{
    if (m_matchTimer->isActive()) {
        m_matchTimer->stop();
        refreshSelections();
    }
    return m_matched;
}

void EditorTextEdit::refreshSelections()
{
    const QPalette &colours = palette();
    const QColor base = colours.color(QPalette::Base);
    const bool dark = base.lightness() < 128;
    QList<QTextEdit::ExtraSelection> selections;

    QTextEdit::ExtraSelection currentLine;
    currentLine.format.setBackground(
        blend(base, colours.color(QPalette::Highlight), dark ? 0.22 : 0.10));
    currentLine.format.setProperty(QTextFormat::FullWidthSelection, true);
    currentLine.cursor = textCursor();
    currentLine.cursor.clearSelection();
    selections.append(currentLine);

    m_matched.clear();
    const QTextCursor caret = textCursor();
    const QTextBlock block = caret.block();
    const QString text = block.text();
    const int column = caret.positionInBlock();
    const int lineStart = block.position();
    for (int at : {column, column - 1}) {
        const htmllexer::TagAt tag = htmllexer::tagAt(text, at);
        if (!tag.name.isEmpty() && isRealTag(*m_highlighter, block, tag)) {
            if (tag.selfClosing)
                break;
            const std::pair<int, int> partner = partnerTag(*m_highlighter, block, tag);
            if (partner.first >= 0) {
                m_matched.append({lineStart + tag.start, int(tag.name.size()) + 1 + tag.closing});
                m_matched.append(partner);
            }
            break;
        }
        const int bracket = htmllexer::matchBracketInLine(text, at);
        if (bracket >= 0) {
            m_matched.append({lineStart + at, 1});
            m_matched.append({lineStart + bracket, 1});
            break;
        }
    }
    std::sort(m_matched.begin(), m_matched.end());
    for (const auto &[start, length] : m_matched) {
        QTextEdit::ExtraSelection match;
        match.format.setBackground(dark ? QColor(0x6a, 0x5a, 0x1e) : QColor(0xff, 0xdf, 0x7a));
        match.cursor = QTextCursor(document());
        match.cursor.setPosition(start);
        match.cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        selections.append(match);
    }
    setExtraSelections(selections);
}

QMimeData *EditorTextEdit::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(
        textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    return data;
}
