// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/whole_pieces.h"

#include <QtEndian>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

struct Slots {
    std::vector<char> bytes;
    std::vector<char16_t> units; // of the whole pieces, in order

    void AddValue(uint64_t value) {
        bytes.resize(bytes.size() + 8);
        qToLittleEndian<uint64_t>(value, bytes.data() + bytes.size() - 8);
    }
    void AddPiece(uint64_t high, uint64_t middle, uint64_t low) {
        AddValue(high * 10000000000ULL + middle * 100000 + low);
        units.insert(units.end(), {char16_t(high), char16_t(middle), char16_t(low)});
    }
    int count() const { return int(bytes.size() / 8); }
};

// Unpacks `slots` into a buffer one slot longer than needed, marked so that a write past the
// units taken shows.
std::vector<char16_t> Unpack(const Slots& slots, int& taken) {
    std::vector<char16_t> out(size_t(3 * slots.count() + 3), u'#');
    taken = UnpackWholePieces(slots.bytes.data(), slots.count(), out.data());
    for (size_t k = size_t(3 * taken); k < out.size(); ++k)
        EXPECT_EQ(out[k], u'#') << "unit " << k << " written past the pieces taken";
    out.resize(size_t(3 * taken));
    return out;
}

} // namespace

TEST(WholePieces, EveryRunLengthGivesItsUnits) {
    std::mt19937 random(7);
    std::uniform_int_distribution<uint64_t> unit(1, 65535);
    for (int count = 0; count <= 94; ++count) {
        Slots slots;
        for (int k = 0; k < count; ++k)
            slots.AddPiece(unit(random), unit(random), unit(random));
        int taken = -1;
        EXPECT_EQ(Unpack(slots, taken), slots.units) << count << " slots";
        EXPECT_EQ(taken, count);
    }
    // The smallest and largest units.
    Slots ends;
    for (int k = 0; k < 4; ++k)
        ends.AddPiece(k % 2 ? 65535 : 1, k % 2 ? 1 : 65535, k < 2 ? 1 : 65535);
    int taken = -1;
    EXPECT_EQ(Unpack(ends, taken), ends.units);
    EXPECT_EQ(taken, 4);
}

TEST(WholePieces, StopsAtTheFirstSlotThatIsNoWholePiece) {
    const uint64_t notWhole[] = {
        0,                      // an empty slot
        20000000003ULL,         // a zero middle unit
        20000400000ULL,         // a zero low unit
        9999999999ULL,          // no high unit: a short piece
        100000,                 // one unit with a zero before it
        655360000100001ULL,     // a high group of 65536
        10006553600001ULL,      // a middle group of 65536
        10000100099999ULL,      // a low group of 99999
        uint64_t(1) << 50,      // past every piece
        uint64_t(1) << 63,      // a negative slot
        1844674407370955161ULL, // nineteen digits
    };
    for (const uint64_t bad : notWhole) {
        for (int at = 0; at < 13; ++at) {
            Slots slots;
            for (int k = 0; k < at; ++k)
                slots.AddPiece(uint64_t(100 + k), 65535, uint64_t(1 + k));
            slots.AddValue(bad);
            for (int k = 0; k < 6; ++k)
                slots.AddPiece(7, 8, 9);
            int taken = -1;
            const std::vector<char16_t> units = Unpack(slots, taken);
            EXPECT_EQ(taken, at) << bad << " at slot " << at;
            EXPECT_EQ(units,
                      std::vector<char16_t>(slots.units.begin(), slots.units.begin() + 3 * at))
                << bad << " at slot " << at;
        }
    }
}
