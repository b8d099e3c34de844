// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/adler32.h"

#include <gtest/gtest.h>
#include <vector>
#include <zlib.h>

TEST(Adler32, EqualsZlibsForEveryLengthAndStart) {
    // Bytes of every value, the largest above all, over lengths around the 32-byte chunks and
    // the 5,552 bytes after which the sums are reduced.
    std::vector<uint8_t> bytes(70000);
    uint32_t seed = 7;
    for (size_t i = 0; i < bytes.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        bytes[i] = i % 3 == 0 ? 255 : uint8_t(seed >> 24);
    }
    const uint32_t fresh = uint32_t(adler32(0, nullptr, 0));
    EXPECT_EQ(fresh, 1u);
    for (const uint32_t start : {fresh, 0xFFF0FFF0u, 0x12345678u % 65521u}) {
        for (const size_t length : {size_t(0), size_t(1), size_t(31), size_t(32), size_t(33),
                                    size_t(64), size_t(100), size_t(5535), size_t(5536),
                                    size_t(5552), size_t(5553), size_t(11104), size_t(70000)}) {
            EXPECT_EQ(Adler32(start, bytes.data(), length),
                      uint32_t(adler32_z(start, bytes.data(), length)))
                << start << " over " << length;
        }
    }
    // All 255: the sums' largest values.
    const std::vector<uint8_t> full(20000, 255);
    EXPECT_EQ(Adler32(0xFFF0FFF0u, full.data(), full.size()),
              uint32_t(adler32_z(0xFFF0FFF0u, full.data(), full.size())));
}
