#pragma once

#include "analyzer/dictionnaire.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

// What the dictionary says of one word of a tag: its classification; for an acceptable
// attribute, whether the element it belongs to allows it; for an element name, the row of the
// element table that lists its attributes.
struct Verdict {
    dictionnaire::Classement classement{0, false, false};
    bool permis = true;
    int ligne = dictionnaire::kToutPermis;
};

// The verdicts of the words met lately, by word key and element row. A hand-written page
// repeats the same few dozen tag names and attribute words thousands of times, so most words
// are judged by one hash and one comparison instead of the dictionary's searches. The answers
// are those of the dictionary: an entry only ever holds what it computed for that same key
// and row. Keys longer than an entry's room are judged every time.
class MemoireVerdicts
{
public:
    MemoireVerdicts() : m_cases(std::make_unique<Case[]>(kCases)) {}

    // `cle` must have at least kMarge readable bytes after its start, whatever its length:
    // the key is read as whole eight-byte words.
    const Verdict &juge(std::string_view cle, int ligne)
    {
        const std::size_t n = cle.size();
        if (n > kRoom)
            return m_hors = calcule(cle, ligne);
        std::array<std::uint64_t, kMots> mots;
        for (std::size_t k = 0; k < kMots; ++k) {
            std::memcpy(&mots[k], cle.data() + 8 * k, 8);
            mots[k] &= masque(n > 8 * k ? n - 8 * k : 0);
        }
        const std::uint64_t h = (mots[0] * 0x9E3779B97F4A7C15ull) ^
                                ((mots[1] + mots[2] + n) * 0xC2B2AE3D27D4EB4Full) ^
                                (std::uint64_t(std::uint32_t(ligne)) * 0x165667B19E3779F9ull);
        Case &c = m_cases[std::size_t(h >> 52) & (kCases - 1)];
        if (c.longueur == n && c.ligne == ligne && c.mots == mots)
            return c.verdict;
        c.verdict = calcule(cle, ligne);
        c.mots = mots;
        c.longueur = std::uint8_t(n);
        c.ligne = std::int16_t(ligne);
        return c.verdict;
    }

    static constexpr std::size_t kMots = 3;
    static constexpr std::size_t kMarge = 8 * kMots;

private:
    static constexpr std::size_t kRoom = kMarge;
    static constexpr std::size_t kCases = 4096;

    struct Case {
        std::array<std::uint64_t, kMots> mots{}; // the key, zero past its length
        std::uint8_t longueur = 0xFF;            // 0xFF: never filled
        std::int16_t ligne = 0;
        Verdict verdict;
    };

    // The bits of the first `octets` bytes of an eight-byte word read from memory.
    static std::uint64_t masque(std::size_t octets)
    {
        if (octets >= 8)
            return ~std::uint64_t(0);
        if (octets == 0)
            return 0;
        if constexpr (std::endian::native == std::endian::little)
            return ~std::uint64_t(0) >> (64 - 8 * octets);
        else
            return ~std::uint64_t(0) << (64 - 8 * octets);
    }

    static Verdict calcule(std::string_view cle, int ligne)
    {
        Verdict v;
        v.classement = dictionnaire::classe(cle);
        if (v.classement.verification == 1)
            v.permis = dictionnaire::attributpermis(cle, ligne);
        if (v.classement.paire || v.classement.seule)
            v.ligne = dictionnaire::ligneElement(cle);
        return v;
    }

    std::unique_ptr<Case[]> m_cases;
    Verdict m_hors;
};
