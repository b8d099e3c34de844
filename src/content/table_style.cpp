// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/table_style.h"

#include "content/data_number.h"
#include "model/document.h"

#include <algorithm>

namespace {

// The cells a style is laid over, as a table of its own.
struct StyleRegion {
    int left = 0;
    int top = 0;
    int right = -1; // inclusive
    int bottom = -1;
};

// The part of the style a cell of the region takes.
const PartLook& PartAt(const TableStyle& style, const StyleRegion& region, int column, int row) {
    const int firstBody = region.top + (style.header ? 1 : 0);
    if (style.header && row == region.top) return *style.header;
    if (style.lastRow && row == region.bottom && row > firstBody) return *style.lastRow;
    if (style.firstColumn && column == region.left) return *style.firstColumn;
    return (row - firstBody) % 2 == 0 ? style.oddRows : style.evenRows;
}

void ApplyLook(CellRecord& cell, const PartLook& look, bool headerRow) {
    // An image cell keeps its picture: its fill is the image marker.
    if (cell.backColour != kImageCellMarker) cell.backColour = look.backColour;
    cell.textColour = look.textColour;
    cell.bold = look.bold;
    cell.italic = look.italic;
    if (!look.fontName.isEmpty()) cell.fontName = look.fontName;
    if (look.fontSize > 0) cell.fontSize = look.fontSize;
    // Turned text keeps its turn: it was chosen for the cell's shape.
    if (IsRotated(cell.alignment)) return;
    cell.alignment = !headerRow && IsNumberCell(cell) ? Alignment::Right : look.textAlignment;
}

bool Styleable(const CellRecord& cell) {
    return cell.joinState == kJoinNone && cell.cellState != kCellCancelled;
}

template <typename Filter>
void ApplyLooks(Document& document, const TableStyle& style, const StyleRegion& region,
                Filter takes) {
    for (int row = region.top; row <= region.bottom; ++row) {
        for (int column = region.left; column <= region.right; ++column) {
            CellRecord& cell = document.cell(column, row);
            if (!Styleable(cell) || !takes(cell)) continue;
            ApplyLook(cell, PartAt(style, region, column, row),
                      style.header.has_value() && row == region.top);
        }
    }
}

void ApplyTableValues(Document& document, const TableStyle& style) {
    TableSettings& s = document.settings;
    s.horizontalLinesWithCellAreas = style.lines == StyleLines::Rows ? 1 : 0;
    s.verticalLinesWithCellAreas = style.lines == StyleLines::Columns ? 1 : 0;
    s.lineColour = style.lineColour;
    s.lineThickness = style.lineThickness;
    s.horizontalTitleBar = style.titleBar ? 1 : 0;
    s.verticalTitleBar = 0;
    if (style.titleBar) {
        s.horizontalBarFill = style.header ? style.header->backColour : style.oddRows.backColour;
        s.horizontalBarBorder = style.barBorder;
    }
    // Every cell carries the table's line values; the first record restores them on loading.
    for (int row = 0; row < s.rowCount; ++row) {
        for (int column = 0; column < s.columnCount; ++column) {
            CellRecord& cell = document.cell(column, row);
            cell.lineColour = s.lineColour;
            cell.lineThickness = int16_t(s.lineThickness);
        }
    }
}

} // namespace

const TableStyle* FindStyle(const std::vector<TableStyle>& styles, const QString& name) {
    const auto found = std::find_if(styles.begin(), styles.end(), [&name](const TableStyle& style) {
        return style.name == name;
    });
    return found == styles.end() ? nullptr : &*found;
}

QStringList StyleNames(const std::vector<TableStyle>& styles) {
    QStringList names;
    for (const TableStyle& style : styles)
        names.append(style.name);
    return names;
}

void ApplyTableStyle(Document& document, const TableStyle& style) {
    const TableSettings& s = document.settings;
    ApplyLooks(document, style, {0, 0, s.columnCount - 1, s.rowCount - 1},
               [](const CellRecord&) { return true; });
    ApplyTableValues(document, style);
}

void ApplyStyleToSelection(Document& document, const TableStyle& style) {
    const TableSettings& s = document.settings;
    StyleRegion region{s.columnCount, s.rowCount, -1, -1};
    for (int row = 0; row < s.rowCount; ++row) {
        for (int column = 0; column < s.columnCount; ++column) {
            if (document.cell(column, row).selected != 1) continue;
            region.left = std::min(region.left, column);
            region.top = std::min(region.top, row);
            region.right = std::max(region.right, column);
            region.bottom = std::max(region.bottom, row);
        }
    }
    ApplyLooks(document, style, region, [](const CellRecord& cell) { return cell.selected == 1; });
}

bool IsNumberCell(const CellRecord& cell) {
    return cell.numericAllowed == 1 || ReadDataNumber(cell.text.trimmed(), u'.').has_value();
}

bool AnyCellSelected(const Document& document) {
    const TableSettings& s = document.settings;
    for (int row = 0; row < s.rowCount; ++row) {
        for (int column = 0; column < s.columnCount; ++column) {
            if (document.cell(column, row).selected == 1) return true;
        }
    }
    return false;
}
