#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class EditorHost;
class Tedition;

// Opens a new untitled editor window captioned `caption` (a default name such as
// "(defaut).htm") holding `lines`, one text per line, with no line break after the last.
// With `caretLine` the caret goes to the start of that line, otherwise it stays at the
// start of the text. The document is marked modified and has no file path. Null when no
// window could be made.
Tedition *openGeneratedDocument(EditorHost &host, const QString &caption, const QStringList &lines,
                                std::optional<int> caretLine = {});
