// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/operation_descriptor.h"
#include "model/cell_record.h"

#include <QString>
#include <array>
#include <cstdint>

struct CellRecord;

// The look of a cell as the cell editing dialog edits it.
struct CellLook {
    QString face;
    int16_t size = 0;
    int32_t bold = 0;
    int32_t italic = 0;
    int32_t underline = 0;
    int32_t strikeout = 0;
    int32_t leading = 0;
    int32_t background = 0; // 0x00BBGGRR; -2 for an image cell
    int32_t textColour = 0;

    bool operator==(const CellLook&) const = default;
};

// The alignment codes in the order of the dialog's six alignment buttons.
inline constexpr std::array<Alignment, 6> kAlignmentCodes = {
    Alignment::Left,      Alignment::Right,      Alignment::Centred,
    Alignment::Justified, Alignment::RotatedTop, Alignment::RotatedCentred};

// Properties the user set in the dialog, whether to a new value or to the one shown: with
// several cells, each goes to all of them.
namespace touched {
inline constexpr uint32_t kFace = 1u << 0;
inline constexpr uint32_t kSize = 1u << 1;
inline constexpr uint32_t kBold = 1u << 2;
inline constexpr uint32_t kItalic = 1u << 3;
inline constexpr uint32_t kUnderline = 1u << 4;
inline constexpr uint32_t kStrikeout = 1u << 5;
inline constexpr uint32_t kLeading = 1u << 6;
inline constexpr uint32_t kBackground = 1u << 7;
inline constexpr uint32_t kTextColour = 1u << 8;
inline constexpr uint32_t kAlignment = 1u << 9;
inline constexpr uint32_t kNumberFormat = 1u << 10;
inline constexpr uint32_t kNumberDisplay = 1u << 11;
} // namespace touched

// The working fields of the cell editing dialog. The look exists twice: the dialog's controls
// change `currentLook` (which the preview shows) and copy it into `resultLook` on Accept.
struct CellEditFields {
    QString text;
    CellLook resultLook;
    CellLook currentLook;
    std::array<bool, kAlignmentCodes.size()> alignmentFlags{}; // at most one is set
    int16_t numberFormat = 0;                                  // 1 to 7
    int32_t numberDisplay = 0;                                 // numericAllowed
    OperationSettings operations;
    bool accepted = false;
    uint32_t touched = 0; // touched:: bits

    bool operator==(const CellEditFields&) const = default;
};

// How the dialog opens: for how many cells.
struct CellEditOpening {
    int cellCount = 1;
};

// A typed text as a cell keeps it, however it was typed (in the dialog or over the cell): cut
// to a cell's capacity, line breaks as spaces, a typed number with one "," or "'" as a point.
QString AcceptedCellText(const QString& typed);

// Fills every working field from a cell: both looks, the text without spaces at both ends,
// the alignment flag of its alignment code, number format and display, the decoded operation.
void FillCellEditFields(const CellRecord& cell, CellEditFields& fields);

// Writes accepted working fields back into the cell: the operation descriptor only when one of
// the ten operations is ticked, then number format and display, the look, the text (cut to a
// cell's capacity) and the alignment of the flag that is set.
void WriteCellEditFields(const CellEditFields& fields, CellRecord& cell);

// Writes into one of several edited cells only what the user changed in the dialog: each
// accepted value that the user set (`touched`) or that differs from the value it opened with
// (`opened`, filled from the cell the dialog showed); the text only when it differs from the
// opened text as Accept would have stored it.
void WriteChangedCellEditFields(const CellEditFields& opened, const CellEditFields& accepted,
                                CellRecord& cell);
