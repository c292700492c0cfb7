#pragma once

#include <QtGlobal>

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Finding the next of a few ASCII characters in a run of 8-bit or 16-bit code units, sixteen
// bytes at a time where the processor compares vectors, else eight: the scans of the analyzer
// spend most of their time there.
namespace recherche
{

template <class Unit> struct Voies {
    static constexpr std::uint64_t kUns =
        sizeof(Unit) == 1 ? 0x0101010101010101ull : 0x0001000100010001ull;
    static constexpr std::uint64_t kHauts =
        sizeof(Unit) == 1 ? 0x8080808080808080ull : 0x8000800080008000ull;
    static constexpr int kParMot = int(8 / sizeof(Unit));
};

// A bit in every lane of x that holds 0; bits above the lowest one may be wrong, the lowest
// one never is.
template <class Unit> inline std::uint64_t voiesNulles(std::uint64_t x)
{
    return (x - Voies<Unit>::kUns) & ~x & Voies<Unit>::kHauts;
}

// Index of the first unit of [debut, fin) equal to one of `Cibles`, or fin.
template <char... Cibles, class Unit>
inline qsizetype premier(const Unit *d, qsizetype debut, qsizetype fin)
{
    static_assert(sizeof(Unit) == 1 || sizeof(Unit) == 2);
    qsizetype i = debut;
#if defined(__SSE2__)
    constexpr int parBloc = int(16 / sizeof(Unit));
    for (; i + parBloc <= fin; i += parBloc) {
        const __m128i bloc = _mm_loadu_si128(reinterpret_cast<const __m128i *>(d + i));
        __m128i egaux = _mm_setzero_si128();
        if constexpr (sizeof(Unit) == 1)
            ((egaux = _mm_or_si128(egaux, _mm_cmpeq_epi8(bloc, _mm_set1_epi8(Cibles)))), ...);
        else
            ((egaux = _mm_or_si128(egaux, _mm_cmpeq_epi16(bloc, _mm_set1_epi16(Cibles)))), ...);
        const unsigned masque = unsigned(_mm_movemask_epi8(egaux));
        if (masque)
            return i + std::countr_zero(masque) / int(sizeof(Unit));
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
        constexpr int parMot = Voies<Unit>::kParMot;
        for (; i + parMot <= fin; i += parMot) {
            std::uint64_t mot;
            std::memcpy(&mot, d + i, 8);
            const std::uint64_t trouves =
                (voiesNulles<Unit>(mot ^ (Voies<Unit>::kUns * std::uint8_t(Cibles))) | ...);
            if (trouves)
                return i + std::countr_zero(trouves) / int(8 * sizeof(Unit));
        }
    }
    for (; i < fin; ++i) {
        if (((d[i] == Unit(Cibles)) || ...))
            return i;
    }
    return fin;
}

// Index of the first byte of [debut, fin) outside ASCII, or fin.
inline qsizetype premierHorsAscii(const char *d, qsizetype debut, qsizetype fin)
{
    qsizetype i = debut;
#if defined(__SSE2__)
    for (; i + 16 <= fin; i += 16) {
        const __m128i bloc = _mm_loadu_si128(reinterpret_cast<const __m128i *>(d + i));
        if (const unsigned masque = unsigned(_mm_movemask_epi8(bloc)))
            return i + std::countr_zero(masque);
    }
#endif
    for (; i < fin; ++i) {
        if (std::uint8_t(d[i]) >= 0x80)
            return i;
    }
    return fin;
}

} // namespace recherche
