// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/cell_edit_fields.h"

#include "content/number_format.h"
#include "model/cell_record.h"
#include "model/space_trim.h"

#include <algorithm>

void FillCellEditFields(const CellRecord& cell, CellEditFields& fields) {
    CellLook look;
    look.face = cell.fontName;
    look.size = cell.fontSize;
    look.bold = cell.bold;
    look.italic = cell.italic;
    look.underline = cell.underline;
    look.strikeout = cell.strikeout;
    look.leading = cell.leading;
    look.background = cell.backColour;
    look.textColour = cell.textColour;
    fields.resultLook = look;
    fields.currentLook = look;

    fields.text = TrimSpaces(cell.text).toString();
    for (size_t i = 0; i < kAlignmentCodes.size(); ++i)
        fields.alignmentFlags[i] = kAlignmentCodes[i] == cell.alignment;
    fields.numberFormat = cell.numberFormat;
    fields.numberDisplay = cell.numericAllowed;
    fields.operations = DecodeOperationDescriptor(cell.operationDescriptor);
    fields.accepted = false;
}

QString AcceptedCellText(const QString& typed) {
    return NormaliseTypedText(CutToTextCapacity(typed));
}

namespace {

// Writes the accepted fields into the cell; with `opened`, only those that differ from it.
void WriteFields(const CellEditFields& fields, const CellEditFields* opened, CellRecord& cell) {
    const auto changed = [&](const auto& value, const auto& openedValue, uint32_t bit = 0) {
        return opened == nullptr || value != openedValue || (fields.touched & bit) != 0;
    };
    const CellEditFields& was = opened != nullptr ? *opened : fields;
    if (changed(fields.operations, was.operations)) {
        if (const auto descriptor = EncodeOperationDescriptor(fields.operations))
            cell.operationDescriptor = *descriptor;
    }
    if (changed(fields.numberFormat, was.numberFormat, touched::kNumberFormat))
        cell.numberFormat = fields.numberFormat;
    if (changed(fields.numberDisplay, was.numberDisplay, touched::kNumberDisplay))
        cell.numericAllowed = fields.numberDisplay;

    const CellLook& look = fields.resultLook;
    const CellLook& wasLook = was.resultLook;
    if (changed(look.background, wasLook.background, touched::kBackground))
        cell.backColour = look.background;
    if (changed(look.textColour, wasLook.textColour, touched::kTextColour))
        cell.textColour = look.textColour;
    if (changed(look.face, wasLook.face, touched::kFace)) cell.fontName = look.face;
    if (changed(look.size, wasLook.size, touched::kSize)) cell.fontSize = look.size;
    if (changed(look.bold, wasLook.bold, touched::kBold)) cell.bold = look.bold;
    if (changed(look.italic, wasLook.italic, touched::kItalic)) cell.italic = look.italic;
    if (changed(look.underline, wasLook.underline, touched::kUnderline))
        cell.underline = look.underline;
    if (changed(look.strikeout, wasLook.strikeout, touched::kStrikeout))
        cell.strikeout = look.strikeout;
    if (changed(look.leading, wasLook.leading, touched::kLeading)) cell.leading = look.leading;
    if (changed(fields.text, AcceptedCellText(was.text)))
        cell.text = CutToTextCapacity(fields.text);

    // A cell with an alignment code outside 131..136 has no flag set and keeps its code.
    const auto set = std::find(fields.alignmentFlags.begin(), fields.alignmentFlags.end(), true);
    if (changed(fields.alignmentFlags, was.alignmentFlags, touched::kAlignment) &&
        set != fields.alignmentFlags.end())
        cell.alignment = kAlignmentCodes[size_t(set - fields.alignmentFlags.begin())];
}

} // namespace

void WriteCellEditFields(const CellEditFields& fields, CellRecord& cell) {
    WriteFields(fields, nullptr, cell);
}

void WriteChangedCellEditFields(const CellEditFields& opened, const CellEditFields& accepted,
                                CellRecord& cell) {
    WriteFields(accepted, &opened, cell);
}
