#pragma once

#include <QString>

// The clipboard history file presse.sav: every text cut or copied through the editor's menus,
// each entry followed by CR LF, the entry's own line breaks written as CR LF too. The file is
// Windows-1252 until an entry holds a character that code page lacks; it is then rewritten
// once as UTF-8 and read back by the documents' rule (valid UTF-8 beyond ASCII is UTF-8).
// A missing file is an empty history; the first append creates it.

// Program directory + "presse.sav".
QString clipboardHistoryFile();

// Appends `entry` and its line end. The append is whole or absent: when the file cannot be
// written, whatever part of the entry got in is cut off again and IoError says why.
void appendClipboardHistory(const QString &path, const QString &entry);

// True when the history holds anything; looks at the file's size only.
bool clipboardHistoryHasEntries(const QString &path);

// The whole history, line breaks as "\n"; empty for a missing file. Throws IoError when the
// file exists but cannot be read.
QString readClipboardHistory(const QString &path);
