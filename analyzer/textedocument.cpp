#include "analyzer/textedocument.h"

#include "platform/cp1252.h"

#include <QStringDecoder>

#include <bit>
#include <cstring>

namespace
{

constexpr char kBom[] = "\xEF\xBB\xBF";

} // namespace

void ControleEncodage::ajoute(QByteArrayView octets)
{
    const char *d = octets.data();
    const qsizetype n = octets.size();
    qsizetype i = suite(d, 0, n);
    while (i < n && m_utf8) {
        i = recherche::premierHorsAscii(d, i, n);
        if (i == n)
            return;
        m_ascii = false;
        const uchar b = uchar(d[i]);
        // A two-byte sequence, the most common by far, checked at once.
        if (b >= 0xC2 && b <= 0xDF && i + 1 < n && (uchar(d[i + 1]) & 0xC0) == 0x80) {
            i += 2;
            continue;
        }
        // Shortest forms only, no surrogates, nothing above U+10FFFF.
        if (b >= 0xC2 && b <= 0xDF) {
            m_attendus = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_attendus = 2;
            m_min = b == 0xE0 ? 0xA0 : 0x80;
            m_max = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_attendus = 3;
            m_min = b == 0xF0 ? 0x90 : 0x80;
            m_max = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            m_utf8 = false;
            return;
        }
        i = suite(d, i + 1, n);
    }
}

qsizetype ControleEncodage::suite(const char *d, qsizetype i, qsizetype n)
{
    for (; m_attendus > 0 && i < n; ++i) {
        // A continuation byte, within the range left for it.
        const uchar b = uchar(d[i]);
        if (b < m_min || b > m_max) {
            m_utf8 = false;
            return n;
        }
        m_min = 0x80;
        m_max = 0xBF;
        --m_attendus;
    }
    return i;
}

EncodageDocument ControleEncodage::encodage() const
{
    if (m_utf8 && m_attendus == 0 && !m_ascii)
        return EncodageDocument::Utf8;
    return EncodageDocument::Windows1252;
}

bool estUtf8Valide(QByteArrayView bytes)
{
    ControleEncodage controle;
    controle.ajoute(bytes);
    return controle.utf8Valide();
}

EncodageDocument encodageDocument(QByteArrayView bytes)
{
    ControleEncodage controle;
    controle.ajoute(bytes);
    return controle.encodage();
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
