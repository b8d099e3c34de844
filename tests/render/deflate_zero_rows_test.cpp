// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/deflate_zero_rows.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

QByteArray ZeroRows(int rows, qsizetype zeros) {
    QByteArray bytes;
    for (int row = 0; row < rows; ++row)
        bytes += QByteArray(1, 2) + QByteArray(zeros, '\0');
    return bytes;
}

// A raw deflate stream inflated to its end; empty when it is not one.
QByteArray Inflated(const QByteArray& deflated, qsizetype expected) {
    z_stream stream{};
    if (inflateInit2(&stream, -15) != Z_OK) return {};
    QByteArray out(expected + 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated.constData()));
    stream.avail_in = uInt(deflated.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    inflateEnd(&stream);
    return result == Z_STREAM_END ? out : QByteArray();
}

// Row lengths around the longest copy (258) and the shortest (3).
constexpr qsizetype kZeroCounts[] = {0, 1, 2, 3, 4, 5, 257, 258, 259, 260, 261, 262, 516, 5517};

} // namespace

TEST(DeflateZeroRows, ALastBlockInflatesToTheRowsAndEndsTheStream) {
    for (const qsizetype zeros : kZeroCounts) {
        for (const int rows : {1, 3}) {
            const ZeroRowsBlock block = DeflateZeroRows(rows, zeros, true);
            EXPECT_EQ(block.tailBits, 0);
            EXPECT_EQ(Inflated(block.bytes, rows * (zeros + 1)), ZeroRows(rows, zeros))
                << rows << " rows of " << zeros;
        }
    }
    // A row of 5,517 zeros: its filter byte (3 bits), the first zero (2), 21 copies of 258
    // (2 each) and one of 98 (9); with the block's codes (130 bits) and end (4), 694 bits.
    EXPECT_EQ(DeflateZeroRows(10, 5517, true).bytes.size(), 87);
}

TEST(DeflateZeroRows, ABlockThatIsNotLastLeavesItsTailBitsForTheNextBlock) {
    for (const qsizetype zeros : kZeroCounts) {
        const ZeroRowsBlock block = DeflateZeroRows(2, zeros, false);
        ASSERT_GE(block.tailBits, 0);
        ASSERT_LT(block.tailBits, 8);
        ASSERT_LT(block.tailValue, 1 << block.tailBits);
        // Its tail, then an empty last block of fixed codes: 1, 01, end of block (7 zeros).
        const uint32_t bits = uint32_t(block.tailValue) | (0b011u << block.tailBits);
        QByteArray stream = block.bytes;
        for (int at = 0; at < block.tailBits + 10; at += 8)
            stream.append(char((bits >> at) & 0xFF));
        EXPECT_EQ(Inflated(stream, 2 * (zeros + 1)), ZeroRows(2, zeros)) << zeros;
    }
}

TEST(DeflateZeroRows, TheChecksumIsZlibsOverTheSameBytes) {
    const QByteArray before("Quadrivel");
    const auto start =
        uint32_t(adler32(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(before.data()),
                         uInt(before.size())));
    for (const qsizetype zeros : {qsizetype(0), qsizetype(7), qsizetype(70000)}) {
        for (const int rows : {1, 4}) {
            const QByteArray bytes = ZeroRows(rows, zeros);
            const auto expected = uint32_t(
                adler32(start, reinterpret_cast<const Bytef*>(bytes.data()), uInt(bytes.size())));
            EXPECT_EQ(Adler32OfZeroRows(start, rows, zeros), expected) << rows << " of " << zeros;
        }
    }
}
