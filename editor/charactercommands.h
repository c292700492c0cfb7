#pragma once

#include "editor/tedition.h"

#include <QChar>
#include <QString>

#include <functional>

class EditorControl;
class QLineEdit;
class QPlainTextEdit;

// The automatic transformation of typed characters, for any text field: while the
// program-wide flag is on, a character of the typing table is not typed but replaced by
// its reference, which takes the place of the field's selection (caret after it).
class AutoTransform
{
public:
    using ReplaceSelection = std::function<void(const QString &)>;
    using FlagOn = std::function<bool()>;

    // `flagOn` tells whether the transformation is on; by default the program-wide flag
    // (appState().autoTransform equal to 1), read at every key.
    explicit AutoTransform(ReplaceSelection replaceSelection, FlagOn flagOn = programFlagOn);

    // Called with a typed character before the field acts on it. True when the reference
    // was put in its place: the key must then be cancelled.
    bool operator()(QChar key) const;

    static bool programFlagOn();

private:
    ReplaceSelection m_replaceSelection;
    FlagOn m_flagOn;
};

// Installs the transformation on a one-line field (the find dialog's search field), for key
// presses and input-method commits alike. The hook lives as long as the field.
void installAutoTransform(QLineEdit &field);

// The editor's key hook on memo1: the transformation, then the status and menu refresh of a
// key press. Returns true when the key is cancelled.
bool Tedition_Memo1KeyPress(Tedition &window, QChar key);

// The commands of the "Caractères" menu (one per character item, and the automatic
// transformation's check mark) and "Coder les caractères spéciaux".
void addCharacterCommands(Tedition::CommandTable &table);

// "Coder les caractères spéciaux": encodes the whole document through the work file
// program directory + "remplace.sav", shows dialog text 4, reloads the document from the
// file and deletes it. When a step fails the document is left exactly as it was and the
// failure is shown; the work file is removed in every case.
void Tedition_Coderlescaractresspciaux1Click(Tedition &window);

// What the encoding pass wrote to the work file.
struct EncodedDocument {
    QString text;       // the encoded lines, each ended by CR LF
    QByteArray bytes;   // the file's content: `text` in Windows-1252, or in UTF-8 when a
                        // character that the code page cannot hold remains
    int lines;          // how many lines
    qsizetype replaced; // characters replaced by a reference
};

// The steps of the command, in order (public so that each can be timed on its own).

// Every line of `control` encoded, in memory; `bytes` is left empty.
EncodedDocument encodeLines(const EditorControl &control);

// The encoding pass: creates `path` empty (replacing any earlier content), then writes each
// line of `control`, encoded, in one buffered pass. Throws IoError when the file cannot be
// created or written, after removing what was written.
EncodedDocument codecaracteres(const EditorControl &control, const QString &path);

// Reads the work file back. It must hold exactly what the encoding pass wrote: a file
// removed, changed or cut short in between is refused with an IoError.
void relireremplace(const QString &path, const EncodedDocument &written);

// Puts the encoded lines in place of the document's in one undo step; the document is marked
// modified and the caret goes to the start, as after loading a file. `control` is the control
// over `memo`.
void reloadDocument(EditorControl &control, QPlainTextEdit &memo, const EncodedDocument &encoded);
