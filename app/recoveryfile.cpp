#include "app/recoveryfile.h"

#include <QUrl>

namespace
{

constexpr char kMagic[] = "Brindel recuperation 1";

QByteArray field(const char *name, const QString &value)
{
    // Percent-encoded, so that a name holding a line break keeps the header's lines.
    return QByteArray(name) + '=' + QUrl::toPercentEncoding(value) + '\n';
}

} // namespace

QByteArray recoveryBytes(const QString &path, const QString &caption, QStringView text,
                         const DocumentFormat &format)
{
    QByteArray out = QByteArray(kMagic) + '\n';
    out += field("chemin", path);
    out += field("titre", caption);
    out += field("codage", format.encoding == Encoding::Utf8 ? QStringLiteral("utf-8")
                                                             : QStringLiteral("windows-1252"));
    out += field("bom", format.bom ? QStringLiteral("1") : QStringLiteral("0"));
    out += '\n';
    DocumentFormat body = format;
    body.encoding = Encoding::Utf8;
    body.bom = true; // the body always says UTF-8, whatever its first character
    out += encodeDocument(text, body);
    return out;
}

std::optional<RecoveredDocument> readRecovery(QByteArrayView bytes)
{
    const qsizetype headerEnd = bytes.indexOf("\n\n");
    if (!bytes.startsWith(QByteArray(kMagic) + '\n') || headerEnd < 0)
        return std::nullopt;
    RecoveredDocument recovered;
    QString encoding;
    QString bom;
    const QList<QByteArray> lines = bytes.first(headerEnd).toByteArray().split('\n');
    for (const QByteArray &line : lines.mid(1)) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return std::nullopt;
        const QByteArray name = line.first(equals);
        const QString value = QUrl::fromPercentEncoding(line.sliced(equals + 1));
        if (name == "chemin")
            recovered.path = value;
        else if (name == "titre")
            recovered.caption = value;
        else if (name == "codage")
            encoding = value;
        else if (name == "bom")
            bom = value;
    }
    const QByteArrayView body = bytes.sliced(headerEnd + 2);
    recovered.document = decodeDocument(body);
    if (recovered.document.format.encoding != Encoding::Utf8 || !recovered.document.format.bom)
        return std::nullopt; // the body is always UTF-8 with its mark: anything else is damage
    recovered.document.format.encoding =
        encoding == QLatin1String("utf-8") ? Encoding::Utf8 : Encoding::Windows1252;
    recovered.document.format.bom = bom == QLatin1String("1");
    return recovered;
}
