// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures/raw_inflate.h"
#include "render/huffman_lengths.h"
#include "render/row_deflater.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

// Rows like a table picture's: runs of one colour broken by short stretches of "text", some
// rows noise, some a copy of an earlier one, and runs of rows equal to the one above.
struct Rows {
    QByteArray stream;  // what the rows inflate to
    QByteArray encoded; // their deflate stream
};

Rows DeflateRows(qsizetype rowBytes, int pixelBytes, int rowCount, uint32_t seed) {
    std::mt19937 next(seed);
    RowDeflater deflater(rowBytes, pixelBytes);
    Rows rows;
    QByteArray earlier;
    QByteArray row(rowBytes, '\0');
    for (int y = 0; y < rowCount; ++y) {
        const uint32_t kind = next() % 8;
        if (y > 0 && kind == 0) {
            const int equal = 1 + int(next() % 4);
            deflater.EqualRows(equal);
            QByteArray zeros(rowBytes, '\0');
            zeros[0] = 2;
            for (int k = 0; k < equal; ++k)
                rows.stream += zeros;
            continue;
        }
        if (kind == 1 && !earlier.isEmpty()) {
            row = earlier;
        } else {
            row[0] = 0;
            const char colour[4] = {char(next()), char(next()), char(next()), char(next())};
            for (qsizetype at = 1; at < rowBytes; ++at)
                row[at] =
                    kind == 2 || next() % 16 == 0 ? char(next()) : colour[(at - 1) % pixelBytes];
        }
        if (kind == 3) earlier = row;
        deflater.Row(reinterpret_cast<const uint8_t*>(row.constData()));
        rows.stream += row;
        if (deflater.waitingBytes() > 1000) rows.encoded += deflater.TakeBytes();
    }
    deflater.Finish();
    rows.encoded += deflater.TakeBytes();
    return rows;
}

} // namespace

// Short rows, rows around the longest copy, rows wider than the window (no copy from straight
// above), with three and four bytes to a pixel; enough rows for several blocks and for the
// window to move on many times.
TEST(RowDeflater, EveryStreamInflatesToItsRows) {
    const qsizetype widths[] = {1, 2, 4, 5, 13, 258, 259, 260, 517, 3 * 1000, 40000};
    uint32_t seed = 1;
    for (const qsizetype pixels : widths) {
        for (const int pixelBytes : {3, 4}) {
            const qsizetype rowBytes = 1 + pixels * pixelBytes;
            const int rowCount = int(std::max<qsizetype>(6, 600000 / rowBytes));
            const Rows rows = DeflateRows(rowBytes, pixelBytes, rowCount, seed++);
            EXPECT_EQ(RawInflated(rows.encoded, rows.stream.size()), rows.stream)
                << pixels << " pixels of " << pixelBytes << " bytes";
        }
    }
}

// Flat colour packs to almost nothing: a thousand rows of 3,000 pixels, one colour each, the
// same rows again equal to the ones above.
TEST(RowDeflater, FlatColourAndEqualRowsPackSmall) {
    const qsizetype rowBytes = 1 + 3000 * 3;
    RowDeflater deflater(rowBytes, 3);
    QByteArray stream;
    QByteArray row(rowBytes, '\0');
    for (int y = 0; y < 1000; ++y) {
        if (y % 2 == 1) {
            deflater.EqualRows(1);
            row.fill('\0');
            row[0] = 2;
        } else {
            for (qsizetype at = 1; at < rowBytes; ++at)
                row[at] = char("\xF8\xF2\xEE"[(at - 1) % 3] - y / 100);
            row[0] = 0;
            deflater.Row(reinterpret_cast<const uint8_t*>(row.constData()));
        }
        stream += row;
    }
    deflater.Finish();
    const QByteArray encoded = deflater.TakeBytes();
    EXPECT_EQ(RawInflated(encoded, stream.size()), stream);
    EXPECT_LT(encoded.size(), 14000); // 11,580 of 9 MB
}

// Text: two glyphs that begin with the same four bytes take turns along rows that match
// neither the row above nor the pixel to the left. Each glyph is found again whole, at the
// older of the two places its first four bytes were seen.
TEST(RowDeflater, TakingTurnsGlyphsAreFoundAgainWhole) {
    std::mt19937 next(5);
    QByteArray glyphs[2];
    for (QByteArray& glyph : glyphs) {
        glyph = QByteArray("\x10\x20\x30\x40", 4);
        for (int k = 0; k < 28; ++k)
            glyph += char(next());
    }
    const qsizetype rowBytes = 1 + 600 * 3;
    RowDeflater deflater(rowBytes, 3);
    QByteArray stream;
    for (int y = 0; y < 200; ++y) {
        QByteArray row(rowBytes, char(y));
        row[0] = 0;
        for (int k = 0; (k + 1) * 60 < rowBytes; ++k)
            row.replace(1 + k * 60 + y % 7, 32, glyphs[k % 2]);
        deflater.Row(reinterpret_cast<const uint8_t*>(row.constData()));
        stream += row;
    }
    deflater.Finish();
    const QByteArray encoded = deflater.TakeBytes();
    EXPECT_EQ(RawInflated(encoded, stream.size()), stream);
    EXPECT_LT(encoded.size(), 8000); // 7,227; with one place for each hash, 9,208
}

// Complete codes (Kraft's sum exactly 1) within the limit, whatever the frequencies: none,
// one, two, equal, and doubling ones that would make a code 31 bits deep.
TEST(HuffmanLengths, CompleteCodesWithinTheLimit) {
    const auto kraftSum = [](const uint8_t* lengths, int count) {
        double sum = 0;
        for (int i = 0; i < count; ++i)
            if (lengths[i] > 0) sum += std::ldexp(1.0, -lengths[i]);
        return sum;
    };
    uint32_t frequencies[286] = {};
    uint8_t lengths[286];
    HuffmanLengths(frequencies, 30, 15, lengths);
    EXPECT_EQ(lengths[0], 1);
    EXPECT_EQ(lengths[1], 1);
    EXPECT_EQ(kraftSum(lengths, 30), 1.0);

    frequencies[7] = 5;
    HuffmanLengths(frequencies, 30, 15, lengths);
    EXPECT_EQ(lengths[7], 1);
    EXPECT_EQ(lengths[0], 1);
    EXPECT_EQ(kraftSum(lengths, 30), 1.0);

    // 1, 1, 2, 4, 8 ...: each symbol one deeper than the one before.
    for (int i = 0; i < 32; ++i)
        frequencies[i] = i < 2 ? 1 : 1u << (i - 1);
    HuffmanLengths(frequencies, 32, 15, lengths);
    EXPECT_LE(*std::max_element(lengths, lengths + 32), 15);
    EXPECT_EQ(kraftSum(lengths, 32), 1.0);
    EXPECT_GT(lengths[0], lengths[31]);

    for (int i = 0; i < 19; ++i)
        frequencies[i] = 1u << (i % 19);
    HuffmanLengths(frequencies, 19, 7, lengths);
    EXPECT_LE(*std::max_element(lengths, lengths + 19), 7);
    EXPECT_EQ(kraftSum(lengths, 19), 1.0);

    // Equal frequencies: a balanced code, 256 of 8 bits and the rest of 9.
    std::fill(std::begin(frequencies), std::end(frequencies), 3u);
    HuffmanLengths(frequencies, 286, 15, lengths);
    EXPECT_EQ(std::count(lengths, lengths + 286, 8), 226);
    EXPECT_EQ(std::count(lengths, lengths + 286, 9), 60);
    EXPECT_EQ(kraftSum(lengths, 286), 1.0);
}
