#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// The file form of a string field: the field cut into pieces, each piece stored as the
// decimal digits of its units (3 per byte, 5 per UTF-16 unit) read as one int64 slot.
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

// Calls sink(unit) for every unit of the used slots in order; slots of 0 or less give
// nothing, and a digit group too large for a unit is dropped. slotAt(i) gives slot i (0-based).
template <typename SlotAt, typename Sink>
void ForEachPackedUnit(const PackedLayout& layout, SlotAt slotAt, Sink sink) {
    int64_t unitBase = 1;
    for (int i = 0; i < layout.digitsPerUnit; ++i)
        unitBase *= 10;
    const uint32_t unitLimit = layout.digitsPerUnit == 3 ? 255 : 65535;
    size_t nextReserved = 0;
    uint32_t groups[8];
    for (int slotNumber = 1; slotNumber <= layout.slotCount; ++slotNumber) {
        if (nextReserved < layout.reservedSlots.size() &&
            layout.reservedSlots[nextReserved] == slotNumber) {
            ++nextReserved;
            continue;
        }
        int64_t value = slotAt(slotNumber - 1);
        // Cutting the zero-padded digits into groups from the left is the same as taking
        // them from the right, so the groups come from division.
        int count = 0;
        while (value > 0) {
            groups[count++] = uint32_t(value % unitBase);
            value /= unitBase;
        }
        while (count > 0) {
            const uint32_t unit = groups[--count];
            if (unit <= unitLimit) sink(unit);
        }
    }
}

// Packs the units (bytes or UTF-16 code units) into the layout's slots; units that do not
// fit the used slots are dropped.
std::vector<int64_t> PackUnits(const std::vector<uint32_t>& units, const PackedLayout& layout);
// The units of all used slots in order (see ForEachPackedUnit).
std::vector<uint32_t> UnpackUnits(const std::vector<int64_t>& slots, const PackedLayout& layout);

std::vector<uint32_t> BytesToUnits(const QByteArray& bytes);
QByteArray UnitsToBytes(const std::vector<uint32_t>& units);
std::vector<uint32_t> Utf16ToUnits(const QString& text);
QString UnitsToUtf16(const std::vector<uint32_t>& units);
