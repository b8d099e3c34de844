// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/pixel_packing.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QUADRIVEL_PACK_SSSE3 1
#endif

namespace {

// The pixels from `first` on, one at a time.
void PackPixels(const QRgb* pixels, int first, int width, bool alpha, uchar* out) {
    for (int x = first; x < width; ++x) {
        *out++ = uchar(qRed(pixels[x]));
        *out++ = uchar(qGreen(pixels[x]));
        *out++ = uchar(qBlue(pixels[x]));
        if (alpha) *out++ = uchar(qAlpha(pixels[x]));
    }
}

#ifdef QUADRIVEL_PACK_SSSE3
// A pixel is B, G, R, A in memory. Each group of four is stored as 16 bytes; without alpha the
// last 4 of them belong to the next group, so a group is packed this way only while two more
// pixels (6 bytes) follow it.
__attribute__((target("ssse3"))) void PackPngRowSsse3(const QRgb* pixels, int width, bool alpha,
                                                      uchar* out) {
    const __m128i order =
        alpha ? _mm_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15)
              : _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    const int groupBytes = alpha ? 16 : 12;
    const int reach = alpha ? 4 : 6;
    int x = 0;
    for (; x + reach <= width; x += 4, out += groupBytes) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(four, order));
    }
    PackPixels(pixels, x, width, alpha, out);
}
#endif

} // namespace

void PackPngRow(const QRgb* pixels, int width, bool alpha, uchar* out) {
#ifdef QUADRIVEL_PACK_SSSE3
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3) return PackPngRowSsse3(pixels, width, alpha, out);
#endif
    PackPixels(pixels, 0, width, alpha, out);
}
