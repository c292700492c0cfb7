#include "editor/charactercommands.h"

#include "app/appstate.h"
#include "editor/insertion.h"
#include "editor/specialcharacters.h"
#include "platform/atomicfile.h"
#include "platform/cp1252.h"
#include "platform/editorcontrol.h"
#include "platform/ioerror.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("caracteres", text);
}

QString unchanged()
{
    return tr("Le document n'a pas été modifié.");
}

// Shows the wait cursor over a widget for the lifetime of the object.
class WaitCursor
{
public:
    explicit WaitCursor(QWidget &widget)
        : m_widget(widget), m_previous(widget.cursor()),
          m_hadCursor(widget.testAttribute(Qt::WA_SetCursor))
    {
        m_widget.setCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_hadCursor)
            m_widget.setCursor(m_previous);
        else
            m_widget.unsetCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    QWidget &m_widget;
    QCursor m_previous;
    bool m_hadCursor;
};

// Characters that the widget's document takes for a paragraph break wherever they are
// inserted: U+2029 and the two frame marks.
bool breaksParagraph(QChar ch)
{
    return ch == QChar::ParagraphSeparator || ch == QChar(0xFDD0) || ch == QChar(0xFDD1);
}

// Removes the work file when the command ends, however it ends; a failed removal is
// ignored.
class WorkFileRemoval
{
public:
    explicit WorkFileRemoval(QString path) : m_path(std::move(path)) {}
    ~WorkFileRemoval() { QFile::remove(m_path); }
    WorkFileRemoval(const WorkFileRemoval &) = delete;
    WorkFileRemoval &operator=(const WorkFileRemoval &) = delete;

private:
    QString m_path;
};

// The bytes of the work file: Windows-1252, or UTF-8 when a character that the code page
// cannot hold is part of the text, so that no character is lost on the way.
QByteArray workFileBytes(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    const char16_t *units = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
#if defined(__SSE2__)
        // Most of any page is ASCII: eight units at a time, narrowed to eight bytes.
        const __m128i highBits = _mm_set1_epi16(short(0xFF80));
        const __m128i zero = _mm_setzero_si128();
        for (; i + 8 <= size; i += 8) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i));
            const __m128i ascii = _mm_cmpeq_epi16(_mm_and_si128(block, highBits), zero);
            if (_mm_movemask_epi8(ascii) != 0xFFFF)
                break;
            _mm_storel_epi64(reinterpret_cast<__m128i *>(out + i), _mm_packus_epi16(block, block));
        }
        if (i == size)
            break;
#endif
        const char16_t unit = units[i];
        if (unit < 0x80) {
            out[i++] = char(unit);
            continue;
        }
        const int code = cp1252::code(QChar(unit));
        if (code < 0)
            return text.toUtf8();
        out[i++] = char(code);
    }
    return bytes;
}

// The work file remplace.sav: created empty when constructed, then written in one pass.
class RemplaceFile
{
public:
    explicit RemplaceFile(const QString &path) : m_file(path)
    {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw IoError(tr("Impossible de créer le fichier de travail %1 : %2\n%3")
                              .arg(path, m_file.errorString(), unchanged()));
    }

    // Writes the encoded lines and keeps the bytes written in `encoded`.
    void write(EncodedDocument &encoded)
    {
        encoded.bytes = workFileBytes(encoded.text);
        const bool written = m_file.write(encoded.bytes) == encoded.bytes.size() && m_file.flush();
        const QString reason = m_file.errorString();
        m_file.close();
        if (!written || m_file.error() != QFileDevice::NoError)
            throw IoError(tr("Impossible d'écrire le fichier de travail %1 : %2\n%3")
                              .arg(m_file.fileName(), reason, unchanged()));
    }

private:
    QFile m_file;
};

QString encodingDoneMessage()
{
    try {
        return texteDialogue(4);
    } catch (const IoError &) {
        return tr("Les caractères spéciaux du document ont été remplacés par leurs codes HTML.");
    }
}

// A key press or an input-method commit on a one-line field, offered to the transformation.
class LineEditHook final : public QObject
{
public:
    explicit LineEditHook(QLineEdit &field)
        : QObject(&field), m_field(field),
          m_transform([&field](const QString &reference) { field.insert(reference); })
    {
        field.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_field)
            return false;
        if (event->type() == QEvent::KeyPress)
            return converted(static_cast<QKeyEvent *>(event)->text());
        if (event->type() == QEvent::InputMethod) {
            const auto *input = static_cast<QInputMethodEvent *>(event);
            if (!converted(input->commitString()))
                return false;
            // The same event without its committed character keeps the input method's
            // composition right.
            QInputMethodEvent withoutCommit(input->preeditString(), input->attributes());
            QCoreApplication::sendEvent(&m_field, &withoutCommit);
            return true;
        }
        return false;
    }

private:
    bool converted(const QString &typed) const
    {
        return typed.size() == 1 && m_transform(typed.front());
    }

    QLineEdit &m_field;
    AutoTransform m_transform;
};

} // namespace

AutoTransform::AutoTransform(ReplaceSelection replaceSelection, FlagOn flagOn)
    : m_replaceSelection(std::move(replaceSelection)), m_flagOn(std::move(flagOn))
{
}

bool AutoTransform::operator()(QChar key) const
{
    if (!m_flagOn())
        return false;
    const QString reference = specialchars::typedReference(key);
    if (reference.isEmpty())
        return false;
    m_replaceSelection(reference);
    return true;
}

bool AutoTransform::programFlagOn()
{
    return appState().autoTransform == 1;
}

void installAutoTransform(QLineEdit &field)
{
    new LineEditHook(field);
}

bool Tedition_Memo1KeyPress(Tedition &window, QChar key)
{
    EditorControl &control = window.control();
    const bool cancelled = AutoTransform(
        [&control](const QString &reference) { control.replaceSelection(reference); })(key);
    window.refreshStatus();
    window.refreshMenuStates();
    return cancelled;
}

EncodedDocument encodeLines(const EditorControl &control)
{
    // The control's text holds every line break as CR LF and no break inside a line, and the
    // encoding leaves CR and LF alone: encoding it whole gives the encoded lines one after
    // the other, in one pass and without a copy of each line.
    const QString text = control.text();
    EncodedDocument encoded{QString(), QByteArray(), control.lineCount(), 0};
    encoded.text.reserve(text.size() + text.size() / 4 + 2);
    encoded.replaced = specialchars::appendEncodedLine(encoded.text, text);
    encoded.text += QLatin1String("\r\n");
    return encoded;
}

EncodedDocument codecaracteres(const EditorControl &control, const QString &path)
{
    try {
        RemplaceFile file(path);
        EncodedDocument encoded = encodeLines(control);
        file.write(encoded);
        return encoded;
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

// Reads the work file back. It must hold exactly what the encoding pass wrote: a file
// removed, changed or cut short in between is refused.
void relireremplace(const QString &path, const EncodedDocument &written)
{
    bool same = false;
    try {
        same = fileHolds(path, written.bytes);
    } catch (const IoError &error) {
        throw IoError(error.message() + QLatin1Char('\n') + unchanged());
    }
    if (!same)
        throw IoError(tr("Le fichier de travail %1 a été modifié avant d'être relu.\n%2")
                          .arg(path, unchanged()));
}

// Puts the encoded lines in place of the document's in one undo step; the document is
// marked modified and the caret goes to the start, as after loading a file.
//
// Only the lines that changed are rewritten, straight through the widget's document: on a
// large document this is several times faster than replacing the whole text (or moving the
// widget's caret to each line), and the undo step holds only what changed. An encoded line
// differs from its source exactly when it is longer, since every reference is longer than
// the character it replaces. Should the document no longer have the encoded line count, the
// whole text is replaced instead.
void reloadDocument(EditorControl &control, QPlainTextEdit &memo, const EncodedDocument &encoded)
{
    QTextDocument &document = *memo.document();
    const QStringView text =
        QStringView(encoded.text).chopped(2); // no line end after the last line
    QTextCursor cursor(&document);
    cursor.setPosition(memo.textCursor().position()); // undo puts the caret back there
    cursor.beginEditBlock();
    if (document.blockCount() != encoded.lines) {
        control.selectAll();
        control.replaceSelection(text.toString());
    } else {
        // No line holds a CR: the next one ends the line. Each changed line goes to the
        // document straight from the encoded text, without a copy of its own; a line holding
        // a character that the document takes for a paragraph break goes through the control,
        // which keeps it a character of the line.
        // The blocks are walked in order, so that each one's position follows from the one
        // before instead of a lookup in the document's block tree.
        qsizetype at = 0;
        int position = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            qsizetype end = text.indexOf(QLatin1Char('\r'), at);
            if (end < 0)
                end = text.size();
            const int length = block.length() - 1;
            if (end - at != length) {
                const QStringView line = text.sliced(at, end - at);
                if (std::any_of(line.cbegin(), line.cend(), breaksParagraph)) {
                    control.setSelection(control.lineIndex(block.blockNumber()), length);
                    control.replaceSelection(line.toString());
                } else {
                    cursor.setPosition(position);
                    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
                    cursor.insertText(QString::fromRawData(line.data(), line.size()));
                }
            }
            position += block.length(); // as it is now, changed or not
            at = end + 2;
        }
    }
    cursor.endEditBlock();
    memo.setTextCursor(QTextCursor(&document));
}

void Tedition_Coderlescaractresspciaux1Click(Tedition &window)
{
    WaitCursor wait(*window.memo1()->viewport());
    const QString path = programDirectory() + QStringLiteral("remplace.sav");
    const WorkFileRemoval removal(path);
    const EncodedDocument encoded = codecaracteres(window.control(), path);
    showInformation(&window, encodingDoneMessage());
    relireremplace(path, encoded);
    // A document with nothing to encode stays as it is, with its undo history and caret.
    if (encoded.replaced > 0)
        reloadDocument(window.control(), *window.memo1(), encoded);
}

void addCharacterCommands(Tedition::CommandTable &table)
{
    for (const specialchars::CharacterItem &item : specialchars::characterItems()) {
        const QString reference = specialchars::itemReference(item);
        table.insert(QString::fromLatin1(item.name), [reference](Tedition &window) {
            insertSimple(window.control(), reference, std::nullopt);
        });
    }
    table.insert(QStringLiteral("Transformationautomatique1"), [](Tedition &window) {
        // The item is checkable: choosing it has already toggled its own mark.
        const QAction *item = window.command(QStringLiteral("Transformationautomatique1"));
        appState().autoTransform = item && item->isChecked() ? 1 : 0;
    });
    table.insert(QStringLiteral("Coderlescaractresspciaux1"),
                 Tedition_Coderlescaractresspciaux1Click);
}
