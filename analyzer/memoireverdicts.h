#pragma once

#include "analyzer/dictionnaire.h"

#include <algorithm>
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

// The verdicts of the words met lately, by word and element row. A hand-written page repeats
// the same few dozen tag names and attribute words thousands of times, so most words are
// judged by one hash and one comparison of the word as written, without building its
// dictionary key or searching the dictionary. The answers are those of the dictionary: an
// entry only ever holds what it computed for that same word and row. Words longer than an
// entry's room are judged every time.
class MemoireVerdicts
{
public:
    static constexpr std::size_t kRoom = 24; // bytes of a word an entry holds

    MemoireVerdicts() : m_cases(std::make_unique<Case[]>(kCases)) {}

    // The verdict on the word of `octets` bytes at `mot` for the element of row `ligne`;
    // `cle()` gives the word's dictionary key when it has to be judged. At least kRoom bytes
    // from `mot` must be readable whatever the word's length: the word is read as whole
    // eight-byte words, the bytes past its end masked off.
    template <class Cle> Verdict juge(const void *mot, std::size_t octets, int ligne, Cle &&cle)
    {
        if (octets > kRoom)
            return calcule(cle(), ligne);
        std::array<std::uint64_t, kMots> mots;
        std::memcpy(mots.data(), mot, kRoom);
        const std::array<std::uint64_t, kMots> &masque = kMasques[octets];
        for (std::size_t k = 0; k < kMots; ++k)
            mots[k] &= masque[k];
        const std::uint64_t h = (mots[0] * 0x9E3779B97F4A7C15ull) ^
                                ((mots[1] + mots[2] + octets) * 0xC2B2AE3D27D4EB4Full) ^
                                (std::uint64_t(std::uint32_t(ligne)) * 0x165667B19E3779F9ull);
        Case &c = m_cases[std::size_t(h >> 54) & (kCases - 1)];
        if (c.octets == octets && c.ligne == ligne &&
            ((c.mots[0] ^ mots[0]) | (c.mots[1] ^ mots[1]) | (c.mots[2] ^ mots[2])) == 0)
            return c.verdict();
        const Verdict v = calcule(cle(), ligne);
        c.mots = mots;
        c.octets = std::uint8_t(octets);
        c.ligne = std::int16_t(ligne);
        c.verification = std::int8_t(v.classement.verification);
        c.drapeaux = std::uint8_t((v.classement.paire ? kPaire : 0) |
                                  (v.classement.seule ? kSeule : 0) | (v.permis ? kPermis : 0));
        c.ligneElement = std::int16_t(v.ligne);
        return v;
    }

private:
    static constexpr std::size_t kMots = kRoom / 8;
    // Small enough to stay in the processor's first cache with the scan's own data.
    static constexpr std::size_t kCases = 1024;
    enum : std::uint8_t { kPaire = 1, kSeule = 2, kPermis = 4 };

    // One word's verdict in 32 bytes.
    struct Case {
        std::array<std::uint64_t, kMots> mots{}; // the word, zero past its end
        std::uint8_t octets = 0xFF;              // 0xFF: never filled
        std::int8_t verification = 0;
        std::uint8_t drapeaux = 0;
        std::int16_t ligne = 0;
        std::int16_t ligneElement = 0;

        Verdict verdict() const
        {
            return {{verification, (drapeaux & kPaire) != 0, (drapeaux & kSeule) != 0},
                    (drapeaux & kPermis) != 0,
                    ligneElement};
        }
    };

    // For each word length, the bits of the eight-byte words read from memory that hold it.
    static constexpr auto kMasques = [] {
        std::array<std::array<std::uint64_t, kMots>, kRoom + 1> table{};
        for (std::size_t n = 0; n <= kRoom; ++n) {
            for (std::size_t k = 0; k < kMots; ++k) {
                const std::size_t octets = n > 8 * k ? std::min<std::size_t>(n - 8 * k, 8) : 0;
                std::uint64_t m = 0;
                for (std::size_t b = 0; b < octets; ++b) {
                    const std::size_t decalage =
                        std::endian::native == std::endian::little ? 8 * b : 56 - 8 * b;
                    m |= std::uint64_t(0xFF) << decalage;
                }
                table[n][k] = m;
            }
        }
        return table;
    }();

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
};
