#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// The tag and attribute dictionary of the code analyzer: constant tables of HTML 4 (with a few
// browser extensions) and four pure lookups over them. Every lookup ignores the case of the
// letters A to Z only.

// True for the empty word and for a paired element name or its closing form ("b", "/TABLE").
bool balisepaire(const QString &word);

// True for the empty word and for the name of an empty element ("br", "IMG").
bool baliseseule(const QString &word);

// Finding code of an attribute word: 0 not recognized, 1 acceptable, 4 colour, 5 alignment,
// 6 background picture, 7 colour name written after "#", 8 "char" value, 9 script language.
int verifieattribut(const QString &word);

// Whether an attribute word (value included) is allowed on an element.
bool attributpermis(const QString &attributeWord, const QString &element);

// Finding codes answered by verifieattribut besides 0 and 1.
namespace codes
{
inline constexpr int kCouleur = 4;
inline constexpr int kAlignement = 5;
inline constexpr int kImageFond = 6;
inline constexpr int kCouleurDiese = 7;
inline constexpr int kChar = 8;
inline constexpr int kLangage = 9;
} // namespace codes

// The same lookups on a lookup key: the word with A to Z lowered and every code unit outside
// ASCII replaced by one byte 0x80, which no table entry holds. A key has one byte per UTF-16
// code unit of the word, so lengths and substring answers are those of the word itself. The
// analyzer engine builds keys from its own word buffer and calls these directly.
namespace dictionnaire
{

inline constexpr char kHorsAscii = '\x80';

inline char cleUnite(char16_t unit)
{
    if (unit >= u'A' && unit <= u'Z')
        return char(unit - u'A' + 'a');
    return unit < 0x80 ? char(unit) : kHorsAscii;
}

void cle(QStringView word, std::string &key);

bool balisepaire(std::string_view key);
bool baliseseule(std::string_view key);
int verifieattribut(std::string_view key);
bool attributpermis(std::string_view attributeKey, std::string_view elementKey);

// The same check with the element given by its row of the element table, so that a caller
// judging many attributes of one element looks the element up once. kToutPermis stands for an
// element without a row, the empty key included: every attribute is allowed on it.
inline constexpr int kToutPermis = -1;
int ligneElement(std::string_view elementKey);
bool attributpermis(std::string_view attributeKey, int ligne);

// The three answers about one word at once: verifieattribut, balisepaire and baliseseule.
struct Classement {
    int verification;
    bool paire;
    bool seule;
};
Classement classe(std::string_view key);

} // namespace dictionnaire
