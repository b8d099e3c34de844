// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

// The file form of a string field: the field cut into pieces, each piece stored as the
// decimal digits of its units (3 per byte, 5 per UTF-16 unit) read as one int64 slot.
// Two forms exist: bytes (3 digits a unit, 5 units a piece) and UTF-16 units (5 digits, 3 a
// piece).
struct PackedLayout {
    int slotCount;
    std::vector<int> reservedSlots; // 1-based, always 0
    int unitsPerPiece;
    int digitsPerUnit;
};

extern const PackedLayout kFontNamePacking;
extern const PackedLayout kImageSpecPacking;
extern const PackedLayout kTextPacking;
extern const PackedLayout kOperationDescriptorPacking;
extern const PackedLayout kIconPathPacking;
extern const PackedLayout kPasswordPacking;

namespace field_packing_detail {
// Calls sink(unit) for every unit of one slot (see ForEachPackedUnit). The unit base is a
// constant here, so the division below compiles to a multiplication.
template <int64_t kUnitBase, uint32_t kUnitLimit, typename Sink>
void ForEachUnitOfSlot(int64_t value, Sink sink) {
    if (value <= 0) return;
    constexpr int64_t kTwoUnits = kUnitBase * kUnitBase;
    if (value < kTwoUnits * kUnitBase) {
        // Up to three groups (a whole UTF-16 piece), taken apart without a chain of
        // divisions: a zero group inside the value is a unit, leading ones are not.
        const auto high = uint32_t(value / kTwoUnits);
        const auto middle = uint32_t(value / kUnitBase % kUnitBase);
        const auto low = uint32_t(value % kUnitBase);
        if (value >= kTwoUnits && high <= kUnitLimit) sink(high);
        if (value >= kUnitBase && middle <= kUnitLimit) sink(middle);
        if (low <= kUnitLimit) sink(low);
        return;
    }
    // Cutting the zero-padded digits into groups from the left is the same as taking them
    // from the right, so the groups come from division.
    uint32_t groups[8];
    int count = 0;
    while (value > 0) {
        groups[count++] = uint32_t(value % kUnitBase);
        value /= kUnitBase;
    }
    while (count > 0) {
        const uint32_t unit = groups[--count];
        if (unit <= kUnitLimit) sink(unit);
    }
}

template <int64_t kUnitBase, uint32_t kUnitLimit, typename SlotAt, typename Sink>
void ForEachUnit(const PackedLayout& layout, SlotAt slotAt, Sink sink) {
    size_t nextReserved = 0;
    for (int slotNumber = 1; slotNumber <= layout.slotCount; ++slotNumber) {
        if (nextReserved < layout.reservedSlots.size() &&
            layout.reservedSlots[nextReserved] == slotNumber) {
            ++nextReserved;
            continue;
        }
        ForEachUnitOfSlot<kUnitBase, kUnitLimit>(slotAt(slotNumber - 1), sink);
    }
}
} // namespace field_packing_detail

// Calls sink(unit) for every unit of the used slots in order; slots of 0 or less give
// nothing, and a digit group too large for a unit is dropped. slotAt(i) gives slot i (0-based).
template <typename SlotAt, typename Sink>
void ForEachPackedUnit(const PackedLayout& layout, SlotAt slotAt, Sink sink) {
    if (layout.digitsPerUnit == 3)
        field_packing_detail::ForEachUnit<1000, 255>(layout, slotAt, sink);
    else
        field_packing_detail::ForEachUnit<100000, 65535>(layout, slotAt, sink);
}

namespace field_packing_detail {
// The units first .. first + kUnitsPerPiece - 1 as one slot, unrolled so that every
// multiplication is by a constant and slots do not wait on each other.
template <int64_t kUnitBase, typename UnitAt, size_t... I>
int64_t WholePiece(UnitAt unitAt, size_t first, std::index_sequence<I...>) {
    int64_t value = 0;
    ((value = value * kUnitBase + int64_t(unitAt(first + I))), ...);
    return value;
}

template <int64_t kUnitBase, int kUnitsPerPiece, typename UnitAt, typename PutSlot>
void PackSlots(const PackedLayout& layout, size_t count, UnitAt unitAt, PutSlot putSlot) {
    // Held apart from `layout`: putSlot writes through a char pointer, which would otherwise
    // make every slot read the layout again.
    const int slotCount = layout.slotCount;
    const int* reserved = layout.reservedSlots.data();
    const int* const reservedEnd = reserved + layout.reservedSlots.size();
    size_t next = 0;
    for (int slotNumber = 1; slotNumber <= slotCount; ++slotNumber) {
        int64_t value = 0;
        if (reserved != reservedEnd && *reserved == slotNumber) {
            ++reserved;
        } else if (next + kUnitsPerPiece <= count) {
            value = WholePiece<kUnitBase>(unitAt, next, std::make_index_sequence<kUnitsPerPiece>{});
            next += kUnitsPerPiece;
        } else {
            for (; next < count; ++next)
                value = value * kUnitBase + int64_t(unitAt(next));
        }
        putSlot(slotNumber - 1, value);
    }
}
} // namespace field_packing_detail

// Calls putSlot(i, value) for every slot of the layout in order (i 0-based): the units
// (bytes or UTF-16 code units, unitAt(k) for k below count) packed into the used slots, 0 in
// reserved slots and past the last piece. Units that do not fit the used slots are dropped.
template <typename UnitAt, typename PutSlot>
void PackEachSlot(const PackedLayout& layout, size_t count, UnitAt unitAt, PutSlot putSlot) {
    if (layout.digitsPerUnit == 3)
        field_packing_detail::PackSlots<1000, 5>(layout, count, unitAt, putSlot);
    else
        field_packing_detail::PackSlots<100000, 3>(layout, count, unitAt, putSlot);
}

// Packs the units into the layout's slots (see PackEachSlot).
std::vector<int64_t> PackUnits(const std::vector<uint32_t>& units, const PackedLayout& layout);
// The units of all used slots in order (see ForEachPackedUnit).
std::vector<uint32_t> UnpackUnits(const std::vector<int64_t>& slots, const PackedLayout& layout);

std::vector<uint32_t> BytesToUnits(const QByteArray& bytes);
QByteArray UnitsToBytes(const std::vector<uint32_t>& units);
std::vector<uint32_t> Utf16ToUnits(const QString& text);
QString UnitsToUtf16(const std::vector<uint32_t>& units);
