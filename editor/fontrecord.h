#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The editor font as kept in font.sav: fixed-size records of 272 bytes, little-endian, of
// which only the first is used.
struct FontRecord {
    static constexpr int kSize = 272;

    qint32 colour = 0; // red in the low byte
    QString name;      // at most 255 characters, Windows-1252
    qint32 pointSize = 0;
    qint32 height = 0; // pixels; negative gives the character height
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    // The first record of a file's bytes, or nothing when the file is shorter than a record.
    static std::optional<FontRecord> fromBytes(const QByteArray &bytes);

    // The record's 272 bytes.
    QByteArray toBytes() const;
};

// The character height a record holds for a size in points on a screen of `dotsPerInch`:
// the pixel height of the size, rounded to the nearest pixel, made negative.
qint32 characterHeight(qint32 pointSize, int dotsPerInch);

// Reads the first record of `path`; nothing when the file is missing, unreadable or short.
std::optional<FontRecord> readFontRecord(const QString &path);

// Writes `record` as the first record of `path`, keeping any records after it.
// Throws IoError when the file cannot be written.
void writeFontRecord(const QString &path, const FontRecord &record);
