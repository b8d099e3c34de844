// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/cell_record.h"

void ResetCellToDefaults(CellRecord& cell) {
    cell.backColour = kWhite;
    cell.textColour = 0;
    cell.fontName = kDefaultFontName;
    cell.fontSize = 10;
    cell.bold = 0;
    cell.italic = 0;
    cell.underline = 0;
    cell.strikeout = 0;
    cell.leading = 0;
    cell.text.clear();
    cell.imageSpec.clear();
    cell.iconPath.clear();
    cell.alignment = Alignment::Left;
    cell.numberFormat = 6;
    cell.numericAllowed = 0;
    cell.operationDescriptor.clear();
}

QString CutToTextCapacity(const QString& text) {
    return text.size() > kTextMaxUnits ? text.left(kTextMaxUnits) : text;
}
