#pragma once

#include <QSet>
#include <QString>

class EditorControl;
class QWidget;

// The editor's markup insertion commands, named after their menu items: every fixed
// command, and the font colour and font face commands, which ask through the colour and
// font dialogs.

// The names of every insertion command.
const QSet<QString> &insertionCommandNames();

// Runs the insertion command `name` on `control`. `window` is the editor window: it parents
// the dialogs and keeps their last choice as the preset of its next use. Nothing happens
// for a name that is not an insertion command, or when a dialog is cancelled.
void runInsertionCommand(const QString &name, EditorControl &control, QWidget *window);
