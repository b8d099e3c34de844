// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/field_packing.h"

const PackedLayout kFontNamePacking{21, {16}, 5, 3};
const PackedLayout kImageSpecPacking{56, {25}, 5, 3};
const PackedLayout kTextPacking{94, {14, 73}, 3, 5};
const PackedLayout kOperationDescriptorPacking{3, {}, 5, 3};
const PackedLayout kIconPathPacking{56, {6}, 5, 3};
const PackedLayout kPasswordPacking{12, {6}, 3, 5};

std::vector<int64_t> PackUnits(const std::vector<uint32_t>& units, const PackedLayout& layout) {
    std::vector<int64_t> slots(size_t(layout.slotCount), 0);
    PackEachSlot(
        layout, units.size(), [&](size_t k) { return units[k]; },
        [&](int index, int64_t value) { slots[size_t(index)] = value; });
    return slots;
}

std::vector<uint32_t> UnpackUnits(const std::vector<int64_t>& slots, const PackedLayout& layout) {
    std::vector<uint32_t> units;
    ForEachPackedUnit(
        layout, [&](int index) { return size_t(index) < slots.size() ? slots[size_t(index)] : 0; },
        [&](uint32_t unit) { units.push_back(unit); });
    return units;
}

std::vector<uint32_t> BytesToUnits(const QByteArray& bytes) {
    std::vector<uint32_t> units;
    units.reserve(size_t(bytes.size()));
    for (char byte : bytes)
        units.push_back(static_cast<unsigned char>(byte));
    return units;
}

QByteArray UnitsToBytes(const std::vector<uint32_t>& units) {
    QByteArray bytes;
    bytes.reserve(qsizetype(units.size()));
    for (uint32_t unit : units)
        bytes.append(char(unit));
    return bytes;
}

std::vector<uint32_t> Utf16ToUnits(const QString& text) {
    std::vector<uint32_t> units;
    units.reserve(size_t(text.size()));
    for (QChar ch : text)
        units.push_back(ch.unicode());
    return units;
}

QString UnitsToUtf16(const std::vector<uint32_t>& units) {
    QString text;
    text.reserve(qsizetype(units.size()));
    for (uint32_t unit : units)
        text.append(QChar(char16_t(unit)));
    return text;
}
