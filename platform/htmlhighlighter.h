#pragma once

#include "platform/htmllexer.h"

#include <QColor>
#include <QObject>
#include <QTextCharFormat>

#include <array>

class QTextBlock;
class QTextDocument;

// Colours the HTML of a text document lazily: a block gets its colours only when the view
// is about to paint it, so that loading a long document costs nothing here.
//
// Each block keeps, in its user state, the lexer state it starts and ends in, and whether
// its colours are in place. An edit forgets both for the blocks it touches and makes the
// blocks after it suspect: the next time a later block is needed, the blocks in between are
// walked again, and each is lexed anew only when the state it starts in has changed. Only
// the states are computed for blocks that are not shown.
class HtmlHighlighter : public QObject
{
public:
    explicit HtmlHighlighter(QTextDocument &document, QObject *parent = nullptr);

    // Off takes every colour away; on brings them back as blocks are painted.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // The colour set for a light or a dark background.
    void setDarkBackground(bool dark);

    // Gives colours to the blocks from `first` to `last` that have none.
    void colourBlocks(const QTextBlock &first, const QTextBlock &last);

    // The lexer state at the start of `block`, lexing the blocks before it when needed.
    int stateBefore(const QTextBlock &block);

    // The colour of a kind of text (an invalid colour for plain text).
    QColor colour(htmllexer::Kind kind) const;

private:
    void contentsChange(int position, int removed, int added);
    void applyColours(QTextBlock &block, int startState);
    void removeAllColours();

    QTextDocument &m_document;
    bool m_enabled = true;
    bool m_dark = false;
    bool m_applying = false;
    // Blocks before this number have start and end states that follow from the first one.
    int m_validBefore = 0;
    std::array<QTextCharFormat, 8> m_formats;
};
