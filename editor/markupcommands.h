#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>
#include <vector>

class EditorControl;

// The editor's fixed markup commands: each puts a constant text into the document and
// leaves the caret where the user types next. Commands are named after their menu items.
namespace markup
{

enum class Kind {
    Simple, // replaces the selection (insertSimple)
    Block,  // whole indented lines above the caret's line (insertBlock)
};

struct Command {
    QString name;
    Kind kind;
    // Simple: one element, the text. Block: the lines, without indentation.
    QStringList lines;
    // Caret offset from the selection start; none leaves the caret after a simple text.
    std::optional<int> caret;
};

// Every fixed command, in menu order.
const std::vector<Command> &fixedCommands();

// The command of that menu item, or nullptr.
const Command *findFixedCommand(const QString &name);

// Puts the command's text into `control` as one undo step.
void run(const Command &command, EditorControl &control);

// A text built from the user's answer in a dialog, and where the caret goes.
struct Insertion {
    QString text;
    int caret;
};

// "&Couleur": a FONT element of that colour (red in the low byte), caret after the opening tag.
Insertion fontColour(quint32 colour);

// "&Fonte": a FONT element of that font family, caret after the opening tag.
Insertion fontFace(const QString &family);

} // namespace markup
