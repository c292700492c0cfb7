#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <span>

// Special characters written as numeric references of their Windows-1252 codes: "&#233;"
// for é, "&#128;" for the euro sign. Three tables decide which character becomes which
// reference: the typing table of the automatic transformation, the encoding table of
// "Coder les caractères spéciaux", and the items of the "Caractères" menu.
namespace specialchars
{

// "&#" + code in decimal + ";".
QString reference(int code);

// The reference that replaces a typed character while the automatic transformation is on,
// or an empty text when the character is typed as it is. Only 24 characters are converted:
// the usual French lower-case letters and a few signs; the vertical bar gives the broken
// bar's reference "&#166;".
QString typedReference(QChar typed);

// The code whose reference replaces `ch` in the whole-document encoding, or -1 when `ch` is
// copied unchanged. Codes 161 to 255 are encoded except 162, 166, 167, 173, 184 and 240;
// the vertical bar becomes 166. ASCII, codes 128 to 160, and characters that Windows-1252
// cannot hold are copied.
int encodedCode(QChar ch);

// Appends `line` to `out` with every character of the encoding table replaced by its
// reference; returns how many characters were replaced. The produced text is never scanned
// again, so a reference is never encoded twice.
qsizetype appendEncodedLine(QString &out, QStringView line);
QString encodeLine(QStringView line);

// One leaf item of the "Caractères" menu and the character whose reference it inserts.
struct CharacterItem {
    const char *name; // component name of the menu item
    char16_t character;
};

// Every character item, in menu order.
std::span<const CharacterItem> characterItems();

// The reference an item inserts: that of its character's Windows-1252 code.
QString itemReference(const CharacterItem &item);

} // namespace specialchars
