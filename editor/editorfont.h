#pragma once

#include "editor/fontrecord.h"

#include <QColor>
#include <QFont>

// The font of memo1 as designed: fixed pitch, small.
QFont designEditorFont();

// The font a record describes, applied over `base` in the order height, size, name, then
// the style flags that are set; and its text colour.
QFont fontFromRecord(const FontRecord &record, const QFont &base);
QColor colourFromRecord(const FontRecord &record);

// The record of a font and colour; a size in points also gives the character height on a
// screen of `dotsPerInch`.
FontRecord recordFromFont(const QFont &font, const QColor &colour, int dotsPerInch);
