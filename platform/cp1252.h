#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the 8-bit code page of every support file and of most documents.
// The five bytes the code page leaves undefined (81, 8D, 8F, 90, 9D) map to the C1 control
// characters of the same number, so all 256 byte values survive a load and a save.
namespace cp1252
{

// The character of one byte.
QChar toUnicode(unsigned char byte);

// The byte of a character, or -1 when the code page has no place for it.
int code(QChar ch);

inline bool canEncode(QChar ch)
{
    return code(ch) >= 0;
}

QString decode(QByteArrayView bytes);

// Encodes a text whose characters are all encodable; any other character becomes '?'.
QByteArray encode(QStringView text);

// True when every character of the text has a byte in the code page.
bool canEncodeAll(QStringView text);

} // namespace cp1252
