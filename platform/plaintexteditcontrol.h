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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTextDocument &document() const;
    // Document position <-> control position.
    int toControl(int documentPos) const;
    int toDocument(qint64 controlPos) const;
    int lineStart(int line) const;
    bool typedCharacterCancelled(const QString &typed);

    QPointer<QPlainTextEdit> m_edit;
    KeyHook m_keyHook;
    QTextCursor m_blockCursor;
    int m_blockDepth = 0;
};
