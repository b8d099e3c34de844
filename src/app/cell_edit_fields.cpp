#include "app/cell_edit_fields.h"

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
        fields.alignmentFlags[i] = kAlignmentCodes[i] == cell.alignment ? 1 : 0;
    fields.numberFormat = cell.numberFormat;
    fields.numberDisplay = cell.numericAllowed;
    fields.operations = DecodeOperationDescriptor(cell.operationDescriptor);
    fields.result = 0;
}

void WriteCellEditFields(const CellEditFields& fields, CellRecord& cell) {
    if (const auto descriptor = EncodeOperationDescriptor(fields.operations))
        cell.operationDescriptor = *descriptor;
    cell.numberFormat = fields.numberFormat;
    cell.numericAllowed = fields.numberDisplay;

    const CellLook& look = fields.resultLook;
    cell.backColour = look.background;
    cell.textColour = look.textColour;
    cell.fontName = look.face;
    cell.fontSize = look.size;
    cell.bold = look.bold;
    cell.italic = look.italic;
    cell.underline = look.underline;
    cell.strikeout = look.strikeout;
    cell.leading = look.leading;
    cell.text = CutToTextCapacity(fields.text);

    // A cell with an alignment code outside 131..136 has no flag set and keeps its code.
    const auto set = std::find(fields.alignmentFlags.begin(), fields.alignmentFlags.end(), 1);
    if (set != fields.alignmentFlags.end())
        cell.alignment = kAlignmentCodes[size_t(set - fields.alignmentFlags.begin())];
}
