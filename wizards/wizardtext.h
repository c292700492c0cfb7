#pragma once

#include <QString>

#include <optional>

// What every wizard generator hands back: the text to insert at the caret, and where the
// caret goes afterwards (an offset from the selection start), if anywhere.
struct WizardInsertion {
    QString text;
    std::optional<int> caret;
};

namespace wizardcount
{

// Largest sizes a wizard accepts: beyond them the markup would run to millions of lines.
constexpr int kMaxRows = 1000;
constexpr int kMaxColumns = 1000;
constexpr int kMaxCells = 10000;
constexpr int kMaxListItems = 10000;

// A count as typed into a size field: a whole decimal number, optionally signed, spaces
// around it allowed. Nothing for any other text.
std::optional<int> toInteger(const QString &text);

// The message for a count that is not a whole number.
QString notANumberMessage(const QString &text);

} // namespace wizardcount
