// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/table_lines.h"

namespace {

// The table's counts into every cell's copies of them.
void CopyCountsIntoCells(Document& document) {
    const TableSettings& s = document.settings;
    for (int row = 0; row < s.rowCount; ++row) {
        for (int column = 0; column < s.columnCount; ++column) {
            document.cell(column, row).columnCount = s.columnCount;
            document.cell(column, row).rowCount = s.rowCount;
        }
    }
}

void InitialiseInsertedCell(Document& document, int column, int row, int left, int top) {
    const TableSettings& s = document.settings;
    CellRecord& cell = document.cell(column, row);
    cell = CellRecord{};
    cell.left = left;
    cell.top = top;
    cell.right = left + s.gridCellWidth;
    cell.bottom = top + s.gridCellHeight;
    cell.column = int16_t(column);
    cell.row = int16_t(row);
    cell.columnCount = s.columnCount;
    cell.rowCount = s.rowCount;
    cell.gridCellWidth = s.gridCellWidth;
    cell.gridCellHeight = s.gridCellHeight;
    cell.lineThickness = int16_t(s.lineThickness);
    cell.lineColour = s.lineColour;
    cell.pageColour = s.pageColour;
    cell.separatorPixels = s.separatorPixels;
    cell.passwordSet = s.passwordSet;
    cell.password = s.passwordSet == 1 ? s.password : QString();
    ResetCellToDefaults(cell);
}

} // namespace

// The new cells line up with the first cell of their row (column) as a new table lays them
// out: one cell size further per index.
bool InsertColumn(Document& document) {
    TableSettings& s = document.settings;
    if (s.columnCount >= kGridCapacity) return false;
    ++s.columnCount;
    CopyCountsIntoCells(document);
    const int column = s.columnCount - 1;
    for (int row = 0; row < s.rowCount; ++row) {
        const CellRecord& first = document.cell(0, row);
        InitialiseInsertedCell(document, column, row, column * s.gridCellWidth + first.left,
                               first.top);
    }
    return true;
}

bool InsertRow(Document& document) {
    TableSettings& s = document.settings;
    if (s.rowCount >= kGridCapacity) return false;
    ++s.rowCount;
    CopyCountsIntoCells(document);
    const int row = s.rowCount - 1;
    for (int column = 0; column < s.columnCount; ++column) {
        const CellRecord& first = document.cell(column, 0);
        InitialiseInsertedCell(document, column, row, first.left,
                               row * s.gridCellHeight + first.top);
    }
    return true;
}

bool RemoveLastColumn(Document& document) {
    if (document.settings.columnCount <= 1) return false;
    --document.settings.columnCount;
    CopyCountsIntoCells(document);
    return true;
}

bool RemoveLastRow(Document& document) {
    if (document.settings.rowCount <= 1) return false;
    --document.settings.rowCount;
    CopyCountsIntoCells(document);
    return true;
}
