// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Byte offsets of the 3331-byte cell record of work files (little-endian, packed). Records
// of the previous version are the same layout cut after kPreviousRecordSize bytes.
namespace record_offset {
inline constexpr size_t left = 0;
inline constexpr size_t top = 4;
inline constexpr size_t right = 8;
inline constexpr size_t bottom = 12;
inline constexpr size_t column = 16;
inline constexpr size_t row = 18;
inline constexpr size_t backColour = 20;
inline constexpr size_t textColour = 24;
inline constexpr size_t fontNamePacked = 128;
inline constexpr size_t fontSize = 296;
inline constexpr size_t bold = 298;
inline constexpr size_t italic = 302;
inline constexpr size_t underline = 306;
inline constexpr size_t strikeout = 310;
inline constexpr size_t leading = 314;
inline constexpr size_t imageSpecPacked = 592;
inline constexpr size_t textPacked = 1588;
inline constexpr size_t alignment = 2340;
inline constexpr size_t columnCount = 2342;
inline constexpr size_t rowCount = 2344;
inline constexpr size_t lineThickness = 2346;
inline constexpr size_t lineColour = 2348;
inline constexpr size_t joinState = 2352;
inline constexpr size_t selected = 2356;
inline constexpr size_t cellState = 2360;
inline constexpr size_t gridCellWidth = 2364;
inline constexpr size_t gridCellHeight = 2366;
inline constexpr size_t separatorPixels = 2368;
inline constexpr size_t pageColour = 2370;
inline constexpr size_t numberFormat = 2374;
inline constexpr size_t numericAllowed = 2376;
inline constexpr size_t operationDescriptorPacked = 2391;
inline constexpr size_t iconPathPacked = 2689;
inline constexpr size_t passwordSet = 3137;
inline constexpr size_t passwordPacked = 3203;
inline constexpr size_t horizontalTitleBar = 3299;
inline constexpr size_t verticalTitleBar = 3303;
inline constexpr size_t horizontalBarFill = 3307;
inline constexpr size_t verticalBarFill = 3311;
inline constexpr size_t horizontalBarBorder = 3315;
inline constexpr size_t verticalBarBorder = 3319;
inline constexpr size_t horizontalLinesWithCellAreas = 3323;
inline constexpr size_t verticalLinesWithCellAreas = 3327;
} // namespace record_offset

inline constexpr size_t kRecordSize = 3331;
inline constexpr size_t kPreviousRecordSize = 3299;

static_assert(record_offset::fontNamePacked == 28 + 100);
static_assert(record_offset::fontSize == record_offset::fontNamePacked + 21 * 8);
static_assert(record_offset::imageSpecPacked == record_offset::leading + 4 + 274);
static_assert(record_offset::textPacked == record_offset::imageSpecPacked + 56 * 8 + 548);
static_assert(record_offset::alignment == record_offset::textPacked + 94 * 8);
static_assert(record_offset::operationDescriptorPacked == record_offset::numericAllowed + 4 + 11);
static_assert(record_offset::iconPathPacked ==
              record_offset::operationDescriptorPacked + 3 * 8 + 274);
static_assert(record_offset::passwordSet == record_offset::iconPathPacked + 56 * 8);
static_assert(record_offset::passwordPacked == record_offset::passwordSet + 4 + 62);
static_assert(kPreviousRecordSize == record_offset::passwordPacked + 12 * 8);
static_assert(kRecordSize == record_offset::verticalLinesWithCellAreas + 4);
