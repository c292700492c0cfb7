#pragma once

#include <QString>

// The tips of the day: fourteen numbered texts of the dialog language file, shown in turn,
// one per start; the number of the next one is kept in brindel.sav under numastuce.

inline constexpr int kTipCount = 14;

// The tip number a numastuce value gives: a whole number from 1 to 14; anything else (no
// value, not a number, out of range) starts again at tip 1.
int tipNumberFromSetting(const QString &value);

// The tip after `number`, back to 1 after the last.
int nextTipNumber(int number);

// The dialog text that holds tip `number`.
int tipTextNumber(int number);
