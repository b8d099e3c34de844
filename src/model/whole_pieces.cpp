// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/whole_pieces.h"

#include <QtEndian>
#include <cstdint>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QUADRIVEL_WIDE_PIECES 1
#endif

namespace {

constexpr uint64_t kUnitBase = 100000;
constexpr uint64_t kUnitLimit = 65535;

int UnpackOneByOne(const char* slots, int count, char16_t* units) {
    constexpr uint64_t kTwoUnits = kUnitBase * kUnitBase;
    for (int taken = 0; taken < count; ++taken) {
        const auto value = qFromLittleEndian<uint64_t>(slots + size_t(taken) * 8);
        // Both divisions from the value itself, so neither waits for the other.
        const uint64_t high = value / kTwoUnits;
        const uint64_t upper = value / kUnitBase;
        const uint64_t middle = upper - high * kUnitBase;
        const uint64_t low = value - upper * kUnitBase;
        // Each unit 1 to 65535; a value below 10^10 (or negative) fails in its high unit.
        if (high - 1 >= kUnitLimit || middle - 1 >= kUnitLimit || low - 1 >= kUnitLimit)
            return taken;
        units[3 * taken] = char16_t(high);
        units[3 * taken + 1] = char16_t(middle);
        units[3 * taken + 2] = char16_t(low);
    }
    return count;
}

#ifdef QUADRIVEL_WIDE_PIECES
#define WIDE_TARGET __attribute__((target("avx2,fma")))

// floor(x / 10^5) and what remains, for whole numbers x below 2^50, where doubles are exact.
// The quotient is taken a little above its true value, by less than the smallest fraction a
// remainder gives (10^-5), so rounding down lands on it exactly; the remainder is then exact.
WIDE_TARGET inline void DivideByUnitBase(__m256d x, __m256d& quotient, __m256d& remainder) {
    const __m256d raised = _mm256_fmadd_pd(x, _mm256_set1_pd(1e-5), _mm256_set1_pd(5e-6));
    quotient = _mm256_floor_pd(raised);
    remainder = _mm256_fnmadd_pd(quotient, _mm256_set1_pd(1e5), x);
}

// Four slots at a time; the rest, and any four with a slot that is not a whole piece, one by
// one, which also finds where the pieces stop.
WIDE_TARGET int UnpackFourByFour(const char* slots, int count, char16_t* units) {
    const __m256i beyondExact = _mm256_set1_epi64x(int64_t(~((uint64_t(1) << 50) - 1)));
    // A value below 2^52 in a double's mantissa under the exponent of 2^52, less 2^52, is exact.
    const __m256i exponent = _mm256_set1_epi64x(0x4330000000000000);
    const __m256d twoToThe52 = _mm256_set1_pd(4503599627370496.0);
    const __m128i zero = _mm_setzero_si128();
    const __m128i limit = _mm_set1_epi32(int(kUnitLimit));
    // Output unit k is unit k % 3 of slot k / 3: bytes of the high and middle words (words
    // 0-3, 4-7 of one register) and of the low words (0-3 of another), -1 for none.
    const __m128i firstFromHighMiddle =
        _mm_setr_epi8(0, 1, 8, 9, -1, -1, 2, 3, 10, 11, -1, -1, 4, 5, 12, 13);
    const __m128i firstFromLow =
        _mm_setr_epi8(-1, -1, -1, -1, 0, 1, -1, -1, -1, -1, 2, 3, -1, -1, -1, -1);
    const __m128i restFromHighMiddle =
        _mm_setr_epi8(-1, -1, 6, 7, 14, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i restFromLow =
        _mm_setr_epi8(4, 5, -1, -1, -1, -1, 6, 7, -1, -1, -1, -1, -1, -1, -1, -1);
    int taken = 0;
    for (; taken + 4 <= count; taken += 4) {
        const __m256i value =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(slots + size_t(taken) * 8));
        if (!_mm256_testz_si256(value, beyondExact)) break;
        const __m256d exact =
            _mm256_sub_pd(_mm256_castsi256_pd(_mm256_or_si256(value, exponent)), twoToThe52);
        __m256d upper, low, high, middle;
        DivideByUnitBase(exact, upper, low);
        DivideByUnitBase(upper, high, middle);
        const __m128i highUnits = _mm256_cvttpd_epi32(high);
        const __m128i middleUnits = _mm256_cvttpd_epi32(middle);
        const __m128i lowUnits = _mm256_cvttpd_epi32(low);
        // Each unit 1 to 65535, as one by one.
        const __m128i outOfRange = _mm_or_si128(
            _mm_or_si128(_mm_cmpgt_epi32(highUnits, limit), _mm_cmpgt_epi32(middleUnits, limit)),
            _mm_or_si128(
                _mm_cmpgt_epi32(lowUnits, limit),
                _mm_cmpeq_epi32(_mm_min_epi32(_mm_min_epi32(highUnits, middleUnits), lowUnits),
                                zero)));
        if (!_mm_testz_si128(outOfRange, outOfRange)) break;
        const __m128i highMiddle = _mm_packus_epi32(highUnits, middleUnits);
        const __m128i lows = _mm_packus_epi32(lowUnits, zero);
        const __m128i first = _mm_or_si128(_mm_shuffle_epi8(highMiddle, firstFromHighMiddle),
                                           _mm_shuffle_epi8(lows, firstFromLow));
        const __m128i rest = _mm_or_si128(_mm_shuffle_epi8(highMiddle, restFromHighMiddle),
                                          _mm_shuffle_epi8(lows, restFromLow));
        char16_t* out = units + 3 * taken;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), first);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 8), rest);
    }
    // GCC leaves this out in a function of its own target, and the plain code after it would
    // pay for the upper halves left in use.
    _mm256_zeroupper();
    return taken + UnpackOneByOne(slots + size_t(taken) * 8, count - taken, units + 3 * taken);
}
#endif

} // namespace

int UnpackWholePieces(const char* slots, int count, char16_t* units) {
#ifdef QUADRIVEL_WIDE_PIECES
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma"))
        return UnpackFourByFour(slots, count, units);
#endif
    return UnpackOneByOne(slots, count, units);
}
