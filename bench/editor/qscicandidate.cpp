// The QScintilla candidate: its own HTML lexer, line numbers, brace matching, and a
// per-line UTF-16 index so that positions convert without scanning lines.
#include <QtCore/qobjectdefs.h>
// The component's headers use Qt's bare keywords, which this project switches off.
#define signals Q_SIGNALS
#define slots Q_SLOTS
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include "bench/editor/benchcandidate.h"

std::unique_ptr<QObject> makeQsci(Candidate &candidate)
{
    auto *editor = new QsciScintilla;
    auto *lexer = new QsciLexerHTML(editor);
    editor->setUtf8(true);
    editor->setLexer(lexer);
    editor->setMarginLineNumbers(0, true);
    editor->setMarginWidth(0, QStringLiteral("0000000"));
    editor->setCaretLineVisible(true);
    editor->setBraceMatching(QsciScintilla::SloppyBraceMatch);
    editor->setWrapMode(qEnvironmentVariableIsSet("BENCH_QSCI_WRAP") ? QsciScintilla::WrapWord
                                                                     : QsciScintilla::WrapNone);
    editor->SendScintilla(QsciScintillaBase::SCI_ALLOCATELINECHARACTERINDEX,
                          QsciScintillaBase::SC_LINECHARACTERINDEX_UTF16);
    if (qEnvironmentVariableIsSet("BENCH_QSCI_UNBUFFERED"))
        editor->SendScintilla(QsciScintillaBase::SCI_SETBUFFEREDDRAW, 0L);
    candidate.widget = editor;
    candidate.paintTarget = editor->viewport();
    candidate.setText = [editor](const QString &text) { editor->setText(text); };
    candidate.moveCaret = [editor](int utf16) {
        // UTF-16 position -> byte position through the per-line index.
        using S = QsciScintillaBase;
        const long line = editor->SendScintilla(S::SCI_LINEFROMINDEXPOSITION, long(utf16),
                                                long(S::SC_LINECHARACTERINDEX_UTF16));
        const long lineUtf16 = editor->SendScintilla(S::SCI_INDEXPOSITIONFROMLINE, line,
                                                     long(S::SC_LINECHARACTERINDEX_UTF16));
        const long lineBytes = editor->SendScintilla(S::SCI_POSITIONFROMLINE, line);
        const long bytes = editor->SendScintilla(S::SCI_POSITIONRELATIVECODEUNITS, lineBytes,
                                                 long(utf16) - lineUtf16);
        editor->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, bytes);
    };
    candidate.undo = [editor] { editor->undo(); };
    candidate.length = [editor] { return int(editor->text().size()); };
    return std::unique_ptr<QObject>(editor);
}
