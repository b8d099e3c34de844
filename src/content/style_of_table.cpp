// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/style_of_table.h"

#include "model/document.h"

#include <algorithm>

namespace {

// The look of one cell; numbers and turned text say nothing of how texts are placed.
PartLook LookOf(const CellRecord& cell, Alignment textAlignment) {
    PartLook look;
    look.backColour = cell.backColour == kImageCellMarker ? kWhite : cell.backColour;
    look.textColour = cell.textColour;
    look.bold = cell.bold;
    look.italic = cell.italic;
    look.fontName = cell.fontName;
    look.fontSize = cell.fontSize;
    const bool placesText = !IsNumberCell(cell) && IsUpright(cell.alignment);
    look.textAlignment = placesText ? cell.alignment : textAlignment;
    return look;
}

StyleLines LinesOf(const TableSettings& s) {
    if (s.horizontalLinesWithCellAreas == 1) return StyleLines::Rows;
    if (s.verticalLinesWithCellAreas == 1) return StyleLines::Columns;
    return StyleLines::Grid;
}

} // namespace

TableStyle StyleOfTable(const Document& document, const QString& name) {
    const TableSettings& s = document.settings;
    const int lastRow = std::max(s.rowCount - 1, 0);
    // Looks are read beside the first column, which may have a look of its own.
    const int sampleColumn = s.columnCount > 1 ? 1 : 0;
    const auto look = [&](int column, int row, Alignment alignment = Alignment::Left) {
        return LookOf(document.cell(column, std::min(row, lastRow)), alignment);
    };

    TableStyle style;
    style.name = name;
    style.header = look(sampleColumn, 0, Alignment::Centred);
    style.oddRows = look(sampleColumn, 1);
    style.evenRows = s.rowCount > 2 ? look(sampleColumn, 2) : style.oddRows;
    if (const PartLook last = look(sampleColumn, lastRow);
        s.rowCount > 2 && last != ((lastRow - 1) % 2 == 0 ? style.oddRows : style.evenRows))
        style.lastRow = last;
    if (const PartLook first = look(0, 1); s.columnCount > 1 && first != style.oddRows)
        style.firstColumn = first;
    style.lines = LinesOf(s);
    style.lineColour = s.lineColour;
    style.lineThickness = s.lineThickness;
    style.titleBar = s.horizontalTitleBar == 1;
    if (style.titleBar) {
        // The bar's fill is what shows behind the header's texts.
        style.header->backColour = s.horizontalBarFill;
        style.barBorder = s.horizontalBarBorder;
    }
    return style;
}
