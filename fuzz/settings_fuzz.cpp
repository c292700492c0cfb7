// The settings store and the numbered-text reader on arbitrary file contents.
//
// Input: a 6-byte header, a value, then the file.
//   byte 0     which key to write (index into kKeys)
//   byte 1     how the value's bytes become text: 0 Windows-1252, 1 UTF-8, 2 UTF-16 (any code
//              unit, lone surrogates included)
//   bytes 2-3  length of the value's bytes, little-endian
//   bytes 4-5  a number to look up as a numbered text, little-endian, signed
//   then the value's bytes, then the whole file.
//
// Reads every key and a few numbers and checks them against a plain model of the format; then
// writes one key and checks that it reads back exactly, that every other line of the file is
// kept, and that every other key still reads the same.

#include "fuzz/fuzzsupport.h"
#include "platform/cp1252.h"
#include "platform/ioerror.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>

#include <optional>

namespace
{

const char *const kKeys[] = {"hauteur",  "largeur", "projet", "auto",     "chaine1",
                             "chaine10", "bouton1", "menu1",  "chercher", "a"};
constexpr int kFixedNumbers[] = {1, 2, 5, 50, 5000, 5023};

// The file as the format describes it: lines ended by CR LF, LF or a lone CR, a break at the
// very end starting no further line; the settings end at the first empty line.
struct Model {
    QList<QByteArray> lines;
    qsizetype settingsEnd = 0;

    explicit Model(QByteArrayView bytes)
    {
        qsizetype start = 0;
        while (start < bytes.size()) {
            qsizetype end = start;
            while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
                ++end;
            lines.append(bytes.sliced(start, end - start).toByteArray());
            if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
                bytes[end + 1] == '\n')
                ++end;
            start = end + 1;
        }
        settingsEnd = lines.size();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].isEmpty()) {
                settingsEnd = i;
                break;
            }
        }
    }

    bool holds(const QByteArray &prefix, qsizetype line) const
    {
        return line < settingsEnd && lines[line].startsWith(prefix);
    }

    std::optional<QByteArray> firstValue(const QByteArray &prefix) const
    {
        for (qsizetype i = 0; i < settingsEnd; ++i) {
            if (lines[i].startsWith(prefix))
                return lines[i].mid(prefix.size());
        }
        return std::nullopt;
    }
};

QByteArray keyPrefix(const char *key)
{
    return QByteArray("[") + key + "]=";
}

// What a read must give for a line the model finds: a value stored plainly reads as its
// characters; an escaped one (starting with ESC) is only required not to fail.
void checkRead(const Model &model, const QByteArray &prefix, const QString &read, const char *what)
{
    const std::optional<QByteArray> stored = model.firstValue(prefix);
    if (!stored) {
        fuzz::require(read == kIndefini, what,
                      QStringLiteral("missing line read as ") + fuzz::shown(read));
    } else if (!stored->startsWith('\x1B')) {
        fuzz::require(read == cp1252::decode(*stored), what,
                      QStringLiteral("plain value read as ") + fuzz::shown(read));
    }
}

QString valueText(int mode, QByteArrayView bytes)
{
    switch (mode % 3) {
    case 0:
        return cp1252::decode(bytes);
    case 1:
        return QString::fromUtf8(bytes);
    default:
        return QString(reinterpret_cast<const QChar *>(bytes.data()), bytes.size() / 2);
    }
}

fuzz::ScratchDir *scratch;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    scratch = new fuzz::ScratchDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input = fuzz::bytes(data, size);
    if (input.size() < 6)
        return 0;
    const char *key = kKeys[uchar(input[0]) % std::size(kKeys)];
    const int mode = uchar(input[1]);
    const qsizetype valueSize =
        std::min<qsizetype>(uchar(input[2]) | (uchar(input[3]) << 8), input.size() - 6);
    const int number = qint16(quint16(uchar(input[4]) | (uchar(input[5]) << 8)));
    const QString value = valueText(mode, input.sliced(6, valueSize));
    const QByteArrayView content = input.sliced(6 + valueSize);

    const QString file = scratch->file(QStringLiteral("brindel.sav"));
    scratch->write(QStringLiteral("brindel.sav"), content);
    const Model before(content);

    QStringList readBefore;
    for (const char *k : kKeys) {
        const QString read = lireparametre(QString::fromLatin1(k), file);
        checkRead(before, keyPrefix(k), read, "a key reads as its first line says");
        readBefore << read;
        lireentier(QString::fromLatin1(k), file, -1);
    }
    for (int n : kFixedNumbers)
        checkRead(before, QByteArray::number(n) + '$', textedialogue(n, file),
                  "a numbered text reads as its first line says");
    checkRead(before, QByteArray::number(number) + '$', textedialogue(number, file),
              "a numbered text reads as its first line says");

    ecrireparametre(value, QString::fromLatin1(key), file);

    const QByteArray written = scratch->read(QStringLiteral("brindel.sav"));
    fuzz::require(!QFile::exists(file + QLatin1Char('~')), "the companion file is gone");
    const Model after(written);
    const QByteArray prefix = keyPrefix(key);
    fuzz::require(
        after.lines.size() == before.lines.size(), "the write keeps every line",
        QStringLiteral("%1 lines became %2").arg(before.lines.size()).arg(after.lines.size()));
    for (qsizetype i = 0; i < before.lines.size(); ++i) {
        if (before.holds(prefix, i))
            fuzz::require(after.lines[i].startsWith(prefix), "a replaced line keeps its key");
        else
            fuzz::require(after.lines[i] == before.lines[i], "a line of another key is unchanged",
                          QStringLiteral("line %1").arg(i + 1));
    }
    fuzz::require(written ==
                      (after.lines.isEmpty() ? QByteArray() : after.lines.join("\r\n") + "\r\n"),
                  "the written file ends every line with CR LF");

    const QString readBack = lireparametre(QString::fromLatin1(key), file);
    const QString expected = before.firstValue(prefix) ? value : kIndefini;
    fuzz::require(
        readBack == expected, "a written value reads back exactly",
        QStringLiteral("wrote %1\nread  %2").arg(fuzz::shown(value), fuzz::shown(readBack)));

    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        if (kKeys[i] == key)
            continue;
        fuzz::require(lireparametre(QString::fromLatin1(kKeys[i]), file) ==
                          readBefore[qsizetype(i)],
                      "the other keys read as before", QString::fromLatin1(kKeys[i]));
    }
    return 0;
}
