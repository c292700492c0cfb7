#pragma once

#include <QPlainTextEdit>

class HtmlHighlighter;
class LineNumberArea;
class QTimer;

// The editor's text widget: a QPlainTextEdit that wraps long lines at its width and keeps
// its vertical scroll bar shown, with the HTML coloured, the lines numbered in a margin, the
// caret's line marked and the tag or bracket pairing with the one at the caret highlighted.
//
// - The scroll bar is always there so that loading a long document does not narrow the
//   text area: a change of width lays out every block again, which costs about half a
//   second for a 20 MB document.
// - Its clipboard copy keeps the selected text exactly as it stands. The stock widget copies
//   through a plain-text export that turns no-break spaces into ordinary spaces.
// - Colours are given to the blocks about to be painted only (see HtmlHighlighter); the
//   margin's width follows the number of digits of the line count.
class EditorTextEdit : public QPlainTextEdit
{
public:
    explicit EditorTextEdit(QWidget *parent = nullptr);
    ~EditorTextEdit() override;

    void setColouring(bool on);
    bool colouring() const;
    void setLineNumbers(bool on);
    bool lineNumbers() const { return m_lineNumbers; }

    HtmlHighlighter &highlighter() const { return *m_highlighter; }
    QWidget *lineNumberArea() const;
    int lineNumberAreaWidth() const;

    // The document ranges highlighted as the pair at the caret (each start, length), after
    // the pending refresh; empty when the caret is at no tag or bracket with a partner.
    QList<std::pair<int, int>> matchedRanges();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class LineNumberArea;
    void paintLineNumbers(QPaintEvent *event);
    void updateMargin();
    void updateLineNumberArea(const QRect &rect, int dy);
    void refreshSelections();
    void followPalette();

    HtmlHighlighter *m_highlighter;
    LineNumberArea *m_lineNumberArea;
    QTimer *m_matchTimer;
    bool m_textJustChanged = false;
    bool m_lineNumbers = true;
    int m_marginDigits = 0;
    QList<std::pair<int, int>> m_matched;
};
