#pragma once

#include "analyzer/analyseur.h"
#include "analyzer/recherche.h"

#include <QByteArrayView>
#include <QStringList>

// How a document file becomes text, as the editor loads it: a file that is valid UTF-8 and not
// plain ASCII is UTF-8 (a byte order mark at its start is not part of the text), anything else
// is Windows-1252, where every byte is one character.

bool estUtf8Valide(QByteArrayView bytes);

// The encoding of a document read in pieces: every piece in order, then encodage().
class ControleEncodage
{
public:
    void ajoute(QByteArrayView octets);
    EncodageDocument encodage() const;
    bool utf8Valide() const { return m_utf8 && m_attendus == 0; }

private:
    // The continuation bytes still expected, from index i; the index after them.
    qsizetype suite(const char *d, qsizetype i, qsizetype n);

    bool m_utf8 = true;  // valid UTF-8 so far
    bool m_ascii = true; // nothing outside ASCII so far
    int m_attendus = 0;  // continuation bytes still expected
    uchar m_min = 0x80;  // range of the next continuation byte
    uchar m_max = 0xBF;
};

EncodageDocument encodageDocument(QByteArrayView bytes);

// The bytes of the text itself: without the UTF-8 byte order mark when the file has one.
QByteArrayView texteDocument(QByteArrayView bytes, EncodageDocument encodage);

// Walks the lines of a document's bytes: CR LF, LF and a lone CR each end a line, and a line
// break at the very end starts no further line.
class DecoupeLignes
{
public:
    explicit DecoupeLignes(QByteArrayView texte) : m_texte(texte) {}

    bool suivante(QByteArrayView &ligne)
    {
        const char *d = m_texte.data();
        const qsizetype n = m_texte.size();
        if (m_debut >= n)
            return false;
        qsizetype fin = recherche::premier<'\r', '\n'>(d, m_debut, n);
        ligne = QByteArrayView(d + m_debut, fin - m_debut);
        if (fin < n)
            fin += (d[fin] == '\r' && fin + 1 < n && d[fin + 1] == '\n') ? 2 : 1;
        m_debut = fin;
        return true;
    }

private:
    QByteArrayView m_texte;
    qsizetype m_debut = 0;
};

// UTF-8 bytes as text. Unlike QString::fromUtf8, a U+FEFF at the start is kept: the file's
// byte order mark is removed once, by texteDocument, and any other U+FEFF is text.
QString decodeUtf8(QByteArrayView octets);

// The decoded lines; CR LF, LF and a lone CR end a line, and a line break at the very end
// starts no further line.
QStringList lignesDocument(QByteArrayView bytes);
