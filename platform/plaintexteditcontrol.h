#pragma once

#include "platform/editorcontrol.h"

#include <QObject>
#include <QPointer>
#include <QTextCursor>

class QPlainTextEdit;
class QTextBlock;
class QTextDocument;

// The editor control over a QPlainTextEdit. Each logical line is one block of the widget's
// document, where a block separator counts one position; a control position is therefore
// the document position plus the number of line breaks before it. Every conversion goes
// through the document's block tree (findBlock, findBlockByNumber, blockNumber), so the
// operations a keystroke or a caret move needs cost O(log n) and never copy the text.
//
// The adapter does not own the widget. It installs itself as the widget's event filter to
// run the key hook.
//
// What the widget's document cannot hold as it stands is kept beside the text:
// - the break of a line that does not end in the document's usual style, as user data of
//   its block (blocks of usual lines carry nothing, so a uniform document costs nothing);
// - the characters the document takes for paragraph breaks (U+2029, U+FDD0, U+FDD1): each
//   stands in the document as U+FFFD carrying the original character in its format, and
//   every text the control hands out gives the original back.
class PlainTextEditControl : public QObject, public EditorControl
{
public:
    explicit PlainTextEditControl(QPlainTextEdit &edit, QObject *parent = nullptr);
    ~PlainTextEditControl() override;

    QPlainTextEdit &widget() const { return *m_edit; }

    int selStart() const override;
    int selLength() const override;
    void setSelection(int start, int length) override;
    QString selectedText() const override;
    void replaceSelection(const QString &text) override;
    void selectAll() override;
    void deleteSelection() override;

    int lineCount() const override;
    int lineFromChar(int pos) const override;
    int lineIndex(int line) const override;
    QString line(int index) const override;
    void insertLine(int index, const QString &text) override;

    QString text() const override;
    void setText(const QString &text) override;
    int textLength() const override;

    int find(const QString &text, int from) const override;

    bool isModified() const override;
    void setModified(bool modified) override;

    void undo() override;
    void beginEditBlock() override;
    void endEditBlock() override;

    void cut() override;
    void copy() override;
    void paste() override;

    void setKeyHook(KeyHook hook) override { m_keyHook = std::move(hook); }

    void setOtherLineEnds(const OtherLineEnds &ends) override;
    OtherLineEnds otherLineEnds() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTextDocument &document() const;
    // Document position <-> control position.
    int toControl(int documentPos) const;
    int toDocument(qint64 controlPos) const;
    int lineStart(int line) const;
    bool typedCharacterCancelled(const QString &typed);
    // Inserts `text` (line breaks as "\n") at the cursor, standing in for the characters
    // the document would take for paragraph breaks.
    void insertHeld(QTextCursor &cursor, QString text);
    // `raw`, read from the document at `documentPos`, with its block separators written as
    // `lineBreak` and the held characters given back.
    QString exportText(QString raw, int documentPos, QStringView lineBreak) const;

    QPointer<QPlainTextEdit> m_edit;
    KeyHook m_keyHook;
    QTextCursor m_blockCursor;
    int m_blockDepth = 0;
    bool m_holdsCharacters = false; // some character stands in the document for another
    bool m_holdsLineEnds = false;   // some block carries its own line end
};
