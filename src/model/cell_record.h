// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// Capacity of the grid and the limits of the cell's string fields.
inline constexpr int kGridCapacity = 111;
inline constexpr int kTextMaxUnits = 273;
inline constexpr int kPasswordMaxUnits = 30;
inline constexpr int kFontNameBytes = 100;
inline constexpr int kImageSpecBytes = 274;
inline constexpr int kOperationDescriptorBytes = 11;
inline constexpr int kIconPathBytes = 274;

// Colours are 0x00BBGGRR (red in the low byte).
inline constexpr int32_t kWhite = 0xFFFFFF;
inline constexpr int32_t kBandShade = 0xF8F8F8;
inline constexpr int32_t kImageCellMarker = -2;

// How a cell places its text. The values are the file's codes; a code outside these, as a
// hostile or damaged file may hold, is kept as it is and draws no text.
enum class Alignment : int16_t {
    Left = 131,
    Right = 132,
    Centred = 133,
    Justified = 134,
    RotatedTop = 135, // turned 90 degrees, from the top of the cell
    RotatedCentred = 136,
};

// Upright text: left, right, centred or justified.
constexpr bool IsUpright(Alignment alignment) {
    return alignment >= Alignment::Left && alignment <= Alignment::Justified;
}
constexpr bool IsRotated(Alignment alignment) {
    return alignment == Alignment::RotatedTop || alignment == Alignment::RotatedCentred;
}

// joinState and cellState values.
inline constexpr int32_t kJoinNone = 0;
inline constexpr int32_t kJoinedLeft = 1;
inline constexpr int32_t kJoinedAbove = 2;
inline constexpr int32_t kCellNormal = 0;
inline constexpr int32_t kCellCancelled = 1;
inline constexpr int32_t kCellStopped = 2;

inline const QString kDefaultFontName = QStringLiteral("Times New Roman");

// One cell. The byte fields (fontName, imageSpec, operationDescriptor, iconPath) hold their
// text without the blank padding of the file form; the work-file writer pads them. A
// default-constructed record is all zero, as a freshly created grid is.
struct CellRecord {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int16_t column = 0;
    int16_t row = 0;
    int32_t backColour = 0;
    int32_t textColour = 0;
    QString fontName;
    int16_t fontSize = 0;
    int32_t bold = 0;
    int32_t italic = 0;
    int32_t underline = 0;
    int32_t strikeout = 0;
    int32_t leading = 0;
    QString imageSpec;
    QString text;
    Alignment alignment{};
    int16_t columnCount = 0;
    int16_t rowCount = 0;
    int16_t lineThickness = 0;
    int32_t lineColour = 0;
    int32_t joinState = 0;
    int32_t selected = 0;
    int32_t cellState = 0;
    int16_t gridCellWidth = 0;
    int16_t gridCellHeight = 0;
    int16_t separatorPixels = 0;
    int32_t pageColour = 0;
    int16_t numberFormat = 0;
    int32_t numericAllowed = 0;
    QString operationDescriptor;
    QString iconPath;
    int32_t passwordSet = 0;
    QString password;

    bool operator==(const CellRecord&) const = default;
};

// The content values of a new cell: colours, font, text, image, icon, alignment, number
// display and operation. Geometry, state and the table copies are left alone.
void ResetCellToDefaults(CellRecord& cell);

// A text cut to the capacity of a cell text.
QString CutToTextCapacity(const QString& text);
