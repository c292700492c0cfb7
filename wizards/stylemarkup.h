#pragma once

#include "wizards/wizardtext.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// The colour code, rule and list dialogs' texts. Colours hold red in the low byte.
namespace stylemarkup
{

// The colour of three bar positions (0..255 each).
quint32 mixedColour(int red, int green, int blue);
// White minus `colour`: the caption colour that stays readable on the swatch.
quint32 complement(quint32 colour);
// couleurhexa of the colour, with a leading "#" when asked.
QString colourCode(quint32 colour, bool withHash);

// "<HR SIZE=... WIDTH=...", COLOR when a colour is given, ALIGN unless "aucun", then ">".
QString rule(const QString &size, const QString &width, std::optional<quint32> colour,
             const QString &align);

// The built-in thickness and length of a rule, used when the settings hold none.
const QString &defaultRuleSize();
const QString &defaultRuleWidth();

// The lines of a list of `countText` items, for the block insertion: the opening line, one
// " <LI>" per item, the closing line; caret 13 from the selection start. `error` holds a
// message, and the lines are empty, when the count is not a whole number or above the bound.
struct List {
    QStringList lines;
    int caret = 13;
    QString error;
};
List list(bool bulleted, const QString &countText);

} // namespace stylemarkup
