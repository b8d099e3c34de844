// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/pixel_packing.h"

#include <gtest/gtest.h>
#include <vector>

TEST(PixelPacking, EveryWidthInPngByteOrderWithNothingWrittenPast) {
    std::vector<QRgb> pixels(40);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = qRgba(int(i * 3 + 1), int(i * 5 + 2), int(i * 7 + 3), int(255 - i));
    for (const bool alpha : {false, true}) {
        const int channels = alpha ? 4 : 3;
        for (int width = 0; width <= 40; ++width) {
            // A guard byte after the row must stay as it was.
            std::vector<uchar> out(size_t(width * channels) + 16, 0xEE);
            PackPngRow(pixels.data(), width, alpha, out.data());
            std::vector<uchar> expected;
            for (int x = 0; x < width; ++x) {
                expected.push_back(uchar(qRed(pixels[size_t(x)])));
                expected.push_back(uchar(qGreen(pixels[size_t(x)])));
                expected.push_back(uchar(qBlue(pixels[size_t(x)])));
                if (alpha) expected.push_back(uchar(qAlpha(pixels[size_t(x)])));
            }
            expected.insert(expected.end(), 16, 0xEE);
            EXPECT_EQ(out, expected) << width << (alpha ? " with alpha" : "");
        }
    }
}
