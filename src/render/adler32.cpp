// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/adler32.h"

#include <algorithm>
#include <zlib.h>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QUADRIVEL_ADLER32_AVX2 1
#endif

namespace {

#ifdef QUADRIVEL_ADLER32_AVX2
constexpr uint64_t kBase = 65521;
// The bytes summed before the sums are reduced, as in zlib, so that no lane overflows.
constexpr size_t kMostBeforeReduce = 5552 / 32 * 32;

__attribute__((target("avx2"))) uint64_t LaneSum(__m256i lanes) {
    alignas(32) uint32_t parts[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(parts), lanes);
    uint64_t sum = 0;
    for (const uint32_t part : parts)
        sum += part;
    return sum;
}

// Over n bytes x1..xn: a gains their sum, b gains n times a and the sum of (n - i + 1) xi.
// Each 32-byte chunk adds its weighted sum (weights 32 down to 1) and, for b, 32 times the
// sum of every chunk before it.
__attribute__((target("avx2"))) uint32_t Adler32Avx2(uint32_t adler, const uint8_t* data,
                                                     size_t length) {
    uint64_t a = adler & 0xFFFF;
    uint64_t b = adler >> 16;
    const __m256i weights =
        _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14,
                         13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    const __m256i ones = _mm256_set1_epi16(1);
    const __m256i zero = _mm256_setzero_si256();
    while (length >= 32) {
        const size_t block = std::min(length, kMostBeforeReduce) & ~size_t(31);
        __m256i sums = zero;
        __m256i earlier = zero;
        __m256i weighted = zero;
        for (const uint8_t* end = data + block; data < end; data += 32) {
            const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data));
            earlier = _mm256_add_epi32(earlier, sums);
            sums = _mm256_add_epi32(sums, _mm256_sad_epu8(bytes, zero));
            weighted = _mm256_add_epi32(
                weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(bytes, weights), ones));
        }
        b = (b + block * a + 32 * LaneSum(earlier) + LaneSum(weighted)) % kBase;
        a = (a + LaneSum(sums)) % kBase;
        length -= block;
    }
    return uint32_t(adler32_z(uLong(b << 16 | a), data, length));
}
#endif

} // namespace

uint32_t Adler32(uint32_t adler, const uint8_t* data, size_t length) {
#ifdef QUADRIVEL_ADLER32_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return Adler32Avx2(adler, data, length);
#endif
    return uint32_t(adler32_z(adler, data, length));
}
