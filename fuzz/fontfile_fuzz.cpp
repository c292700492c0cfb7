// The font.sav reader on arbitrary file contents, and the font it gives the editor.
//
// The reader must agree with the record decoder, a record must survive being written and read
// again, writing keeps every byte after the first record, and turning the record into the
// editor's font must stay within what a font can be.

#include "editor/editorfont.h"
#include "editor/fontrecord.h"
#include "fuzz/fuzzsupport.h"

#include <QGuiApplication>

#include <optional>

namespace
{

bool sameRecord(const FontRecord &a, const FontRecord &b)
{
    return a.colour == b.colour && a.name == b.name && a.pointSize == b.pointSize &&
           a.height == b.height && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut;
}

fuzz::ScratchDir *scratch;
QFont *designFont;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    scratch = new fuzz::ScratchDir;
    designFont = new QFont(designEditorFont());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytes(data, size);
    const QString name = QStringLiteral("font.sav");
    const QString file = scratch->file(name);
    scratch->write(name, bytes);

    const std::optional<FontRecord> read = readFontRecord(file);
    const std::optional<FontRecord> decoded = FontRecord::fromBytes(bytes.toByteArray());
    fuzz::require(read.has_value() == (bytes.size() >= FontRecord::kSize),
                  "a file holds a record exactly when it has 272 bytes");
    fuzz::require(read.has_value() == decoded.has_value() && (!read || sameRecord(*read, *decoded)),
                  "the file reader and the record decoder agree");
    if (!read)
        return 0;

    fuzz::require(read->name.size() <= 255, "a font name has at most 255 characters");
    const QByteArray record = read->toBytes();
    fuzz::require(record.size() == FontRecord::kSize, "a record is 272 bytes");
    const std::optional<FontRecord> again = FontRecord::fromBytes(record);
    fuzz::require(again && sameRecord(*again, *read), "a record reads back as written");

    const QFont font = fontFromRecord(*read, *designFont);
    fuzz::require(font.pixelSize() == -1 || font.pixelSize() > 0, "the pixel size is positive");
    fuzz::require(font.pointSizeF() == -1 || font.pointSizeF() > 0, "the point size is positive");
    const QColor colour = colourFromRecord(*read);
    fuzz::require(colour.isValid(), "the colour is a colour");
    const FontRecord back = recordFromFont(font, colour);
    fuzz::require(back.name.size() <= 255, "a chosen font's name fits its record");

    writeFontRecord(file, *read);
    const QByteArray written = scratch->read(name);
    fuzz::require(written.size() == bytes.size() && written.first(FontRecord::kSize) == record &&
                      written.sliced(FontRecord::kSize) == bytes.sliced(FontRecord::kSize),
                  "writing replaces the first record and keeps the bytes after it");
    return 0;
}
