#pragma once

#include "wizards/wizardtext.h"

#include <QString>

// The form field dialogs' texts: one INPUT, TEXTAREA or SELECT element each. Field values
// go in as typed; an optional attribute is left out entirely when its field is empty.
namespace formfieldmarkup
{

// Caret directly after the opening tag.
WizardInsertion textarea(const QString &name, const QString &rows, const QString &columns);
WizardInsertion submitButton(const QString &name, const QString &value);

enum class Choice { Checkbox, Radio };
WizardInsertion choice(Choice kind, const QString &name, const QString &value, bool checked);

enum class Entry { Text, Password };
WizardInsertion entry(Entry kind, const QString &name, const QString &maxLength,
                      const QString &size, const QString &value);

// VALUE is always written, even empty.
WizardInsertion hidden(const QString &name, const QString &value);
// `source` is the bare file name, unchanged.
WizardInsertion imageButton(const QString &name, const QString &source);
// Caret directly after the opening tag.
WizardInsertion dropDown(const QString &name, const QString &height);

} // namespace formfieldmarkup
