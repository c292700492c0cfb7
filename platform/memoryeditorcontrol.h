#pragma once

#include "platform/editorcontrol.h"

#include <QStringList>

#include <vector>

// An editor control held in memory, for tests of the commands without any window: the
// lines, the selection, the modified flag, a multi-level undo and a clipboard of its own.
// It behaves as the control over the real text widget does; one shared test suite keeps
// the two in step.
class MemoryEditorControl : public EditorControl
{
public:
    MemoryEditorControl() = default;
    // Starts with `text`, caret at 0, not modified and nothing to undo.
    explicit MemoryEditorControl(const QString &text);

    int selStart() const override { return m_start; }
    int selLength() const override { return m_length; }
    void setSelection(int start, int length) override;
    QString selectedText() const override;
    void replaceSelection(const QString &text) override;
    void selectAll() override;
    void deleteSelection() override;

    int lineCount() const override { return int(m_lines.size()); }
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

    // Types one character as the keyboard would: the key hook sees it first and may cancel
    // it; otherwise it replaces the selection.
    void typeCharacter(QChar ch);

    // The control's own clipboard, line breaks as "\n".
    QString clipboardText() const { return m_clipboard; }
    void setClipboardText(const QString &text) { m_clipboard = text; }

private:
    struct Place {
        int line;
        int column;
    };
    struct Snapshot {
        QStringList lines;
        QList<int> ends;
        int start;
        int length;
    };

    Place locate(qint64 pos) const;
    int positionOf(Place place) const;
    void recordUndoStep();

    QStringList m_lines{QString()};
    // The break of each line as a LineEnd value, or kUsualEnd; one entry per line.
    static constexpr int kUsualEnd = -1;
    QList<int> m_ends{kUsualEnd};
    int m_start = 0;
    int m_length = 0;
    std::vector<Snapshot> m_undo;
    // Undo depth at which the text was last marked unmodified; -1 when that state is gone.
    int m_cleanDepth = 0;
    int m_blockDepth = 0;
    bool m_blockRecorded = false;
    QString m_clipboard;
    KeyHook m_keyHook;
};
