#include "analyzer/textedocument.h"

#include "platform/cp1252.h"

#include <QStringDecoder>

#include <bit>
#include <cstring>

namespace
{

constexpr char kBom[] = "\xEF\xBB\xBF";

bool asciiSeul(QByteArrayView bytes)
{
    const char *d = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 bloc;
        std::memcpy(&bloc, d + i, 8);
        if (bloc & 0x8080808080808080ull)
            return false;
    }
    for (; i < n; ++i) {
        if (uchar(d[i]) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

bool estUtf8Valide(QByteArrayView bytes)
{
    const uchar *d = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + 8 <= n) {
            quint64 bloc;
            std::memcpy(&bloc, d + i, 8);
            const quint64 hauts = bloc & 0x8080808080808080ull;
            if (!hauts) {
                i += 8;
                continue;
            }
            // Straight to the first byte outside ASCII.
            if constexpr (std::endian::native == std::endian::little)
                i += std::countr_zero(hauts) / 8;
        }
        const uchar b = d[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        // Shortest forms only, no surrogates, nothing above U+10FFFF.
        int suite;
        uchar min = 0x80, max = 0xBF; // allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            suite = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            suite = 2;
            if (b == 0xE0)
                min = 0xA0;
            else if (b == 0xED)
                max = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            suite = 3;
            if (b == 0xF0)
                min = 0x90;
            else if (b == 0xF4)
                max = 0x8F;
        } else {
            return false;
        }
        if (i + suite >= n)
            return false;
        if (d[i + 1] < min || d[i + 1] > max)
            return false;
        for (int k = 2; k <= suite; ++k) {
            if ((d[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += suite + 1;
    }
    return true;
}

EncodageDocument encodageDocument(QByteArrayView bytes)
{
    if (!asciiSeul(bytes) && estUtf8Valide(bytes))
        return EncodageDocument::Utf8;
    return EncodageDocument::Windows1252;
}

QByteArrayView texteDocument(QByteArrayView bytes, EncodageDocument encodage)
{
    if (encodage == EncodageDocument::Utf8 && bytes.startsWith(QByteArrayView(kBom, 3)))
        return bytes.sliced(3);
    return bytes;
}

QString decodeUtf8(QByteArrayView octets)
{
    QStringDecoder decodeur(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                        QStringConverter::Flag::Stateless);
    return decodeur.decode(octets);
}

QStringList lignesDocument(QByteArrayView bytes)
{
    const EncodageDocument encodage = encodageDocument(bytes);
    const QByteArrayView texte = texteDocument(bytes, encodage);
    QStringList lignes;
    DecoupeLignes decoupe(texte);
    QByteArrayView ligne;
    while (decoupe.suivante(ligne)) {
        lignes.append(encodage == EncodageDocument::Utf8 ? decodeUtf8(ligne)
                                                         : cp1252::decode(ligne));
    }
    return lignes;
}
