#pragma once

#include "platform/lineend.h"

#include <QChar>
#include <QString>

#include <functional>

// The editor's text control, in the terms every editor command is written in.
//
// Positions count characters from 0, and a line break counts as TWO positions (CR and LF),
// so the position of a character is its offset in text(). A position that falls between the
// two halves of a line break means the end of that line (just before the break). Positions
// given to the control are clamped to [0, textLength()].
//
// Lines are logical lines: the text between two line breaks, whatever the screen wraps. An
// empty text has one empty line, and a text ending with a line break has an empty last line.
// In any text handed to the control, "\r\n", a lone "\r" and a lone "\n" are each one line
// break.
//
// Every change (replaceSelection, insertLine, deleteSelection, cut, paste) is one undo step,
// except inside an edit block, where all changes up to the outermost endEditBlock() form a
// single step.
class EditorControl
{
public:
    // Called with the character a key press is about to type, before the control acts on
    // it; returning true cancels the character. The hook may change the text itself.
    using KeyHook = std::function<bool(QChar)>;

    virtual ~EditorControl() = default;

    // The selection; the caret is a selection of length 0.
    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    // Selects [start, start + length); a negative length counts as 0.
    virtual void setSelection(int start, int length) = 0;
    // The selected text, line breaks as CR LF, so its size equals selLength().
    virtual QString selectedText() const = 0;
    // Replaces the selection by `text` (or inserts it at the caret) and leaves the caret
    // directly after it. Replacing an empty selection by an empty text changes nothing.
    virtual void replaceSelection(const QString &text) = 0;
    virtual void selectAll() = 0;
    virtual void deleteSelection() = 0;

    virtual int lineCount() const = 0;
    // The line that holds `pos`; the two positions of a line break belong to the line it
    // ends, and textLength() to the last line.
    virtual int lineFromChar(int pos) const = 0;
    // The first position of `line`, or -1 when there is no such line.
    virtual int lineIndex(int line) const = 0;
    // The text of line `index` without its line break; empty when there is no such line.
    virtual QString line(int index) const = 0;
    // Inserts `text` as a whole line before line `index` (clamped to [0, lineCount()]); at
    // lineCount() it becomes the new last line. Line breaks inside `text` make several lines.
    // The selection stays on the same characters: positions at or after the insertion point
    // move by the inserted length.
    virtual void insertLine(int index, const QString &text) = 0;

    // The whole text, line breaks as CR LF.
    virtual QString text() const = 0;
    // Replaces the whole text, puts the caret at 0, forgets the undo history and sets the
    // modified flag (a loader clears it afterwards).
    virtual void setText(const QString &text) = 0;
    // The length of text(): each line break counts 2.
    virtual int textLength() const = 0;

    // Set by every change of the text; undoing back to the point where it was last cleared
    // clears it again.
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;

    // The position of the first occurrence of `text` that starts at or after `from`, or -1:
    // forward, without regard to case (accented letters too), inside words as well. An empty
    // text, or one holding a line break, is never found; a `from` between the two halves of a
    // line break starts at the end of that line, and one past the end finds nothing. A
    // no-break space of the document is found as a space.
    virtual int find(const QString &text, int from) const = 0;

    // Takes back the last undo step; nothing when there is none.
    virtual void undo() = 0;
    virtual void beginEditBlock() = 0;
    virtual void endEditBlock() = 0;

    // The system clipboard. Cut and copy do nothing without a selection; paste replaces the
    // selection by the clipboard's text and does nothing when the clipboard holds no text.
    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;

    // Installs the hook for typed characters (an empty function removes it).
    virtual void setKeyHook(KeyHook hook) = 0;

    // The lines whose break is not the document's usual style, so that a document saved
    // without an edit comes back byte for byte: a loader sets them after setText(), which
    // forgets them; saving reads them back. A line keeps its break through edits elsewhere.
    // When a change joins or splits lines, the first line of the result keeps the break of
    // the first line it touched, and every break the change makes is a usual one; lines
    // added by insertLine() end in the usual style. The last line has no break, so an
    // entry for it is not returned.
    virtual void setOtherLineEnds(const OtherLineEnds &ends) = 0;
    virtual OtherLineEnds otherLineEnds() const = 0;
};

// Groups every change made during its lifetime into one undo step.
class EditBlock
{
public:
    explicit EditBlock(EditorControl &control) : m_control(control) { m_control.beginEditBlock(); }
    ~EditBlock() { m_control.endEditBlock(); }
    EditBlock(const EditBlock &) = delete;
    EditBlock &operator=(const EditBlock &) = delete;

private:
    EditorControl &m_control;
};
