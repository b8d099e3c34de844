// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor/cell_cursor.h"

#include "content/selection_run.h"
#include "render/table_renderer.h"

#include <algorithm>

CellPosition BlockOwner(const Document& document, CellPosition cell) {
    // Each step moves left or up, so the walk ends at the table's first column and row.
    while (true) {
        const int32_t join = document.cell(cell.column, cell.row).joinState;
        if (join == kJoinedLeft && cell.column > 0)
            --cell.column;
        else if (join == kJoinedAbove && cell.row > 0)
            --cell.row;
        else
            return cell;
    }
}

CellPosition CursorCell(const Document& document, const CellCursor& cursor) {
    const int columns = std::max<int>(document.settings.columnCount, 1);
    const int rows = std::max<int>(document.settings.rowCount, 1);
    return BlockOwner(
        document, {std::clamp(cursor.column, 0, columns - 1), std::clamp(cursor.row, 0, rows - 1)});
}

CellPosition NextStop(const Document& document, CellPosition from, int columnStep, int rowStep) {
    CellPosition step = from;
    while (true) {
        step.column += columnStep;
        step.row += rowStep;
        if (!document.InTable(step.column, step.row)) return from;
        const CellPosition owner = BlockOwner(document, step);
        if (owner == from || document.cell(owner.column, owner.row).cellState == kCellCancelled)
            continue;
        return owner;
    }
}

QRect DrawnCellRect(const Document& document, CellPosition cell) {
    const CellRecord& record = document.cell(cell.column, cell.row);
    const JoinExtent extent = JoinExtentOf(document, cell.column, cell.row);
    const int s = document.settings.separatorPixels;
    const int left = record.left + cell.column * s + kViewOrigin;
    const int top = record.top + cell.row * s + kViewOrigin;
    const int right = record.right + cell.column * s + kViewOrigin + std::max(extent.right, 0) * s;
    const int bottom = record.bottom + cell.row * s + kViewOrigin + std::max(extent.down, 0) * s;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void SelectRectangle(Document& document, SelectionState& selection, CellPosition corner,
                     CellPosition otherCorner) {
    const JoinExtent a = JoinExtentOf(document, corner.column, corner.row);
    const JoinExtent b = JoinExtentOf(document, otherCorner.column, otherCorner.row);
    const int firstColumn = std::min(corner.column, otherCorner.column);
    const int firstRow = std::min(corner.row, otherCorner.row);
    const int lastColumn =
        std::max(corner.column + std::max(a.right, 0), otherCorner.column + std::max(b.right, 0));
    const int lastRow =
        std::max(corner.row + std::max(a.down, 0), otherCorner.row + std::max(b.down, 0));

    ClearSelection(document, selection);
    int marked = 0;
    bool singleCells = true;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            CellRecord& cell = document.cell(column, row);
            singleCells = singleCells && JoinExtentOf(document, column, row) == JoinExtent{};
            if (cell.joinState != kJoinNone || cell.cellState != kCellNormal) continue;
            cell.selected = 1;
            ++marked;
        }
    }
    selection.selectionColumn = int16_t(firstColumn);
    selection.selectionRow = int16_t(firstRow);
    const int length = std::max(lastColumn - firstColumn, lastRow - firstRow) + 1;
    const bool line = (firstColumn == lastColumn || firstRow == lastRow) && length > 1;
    if (line && singleCells) {
        selection.selectionCount = int16_t(length);
        selection.runHorizontal = firstRow == lastRow;
        selection.runVertical = firstColumn == lastColumn;
    } else {
        selection.selectionCount = int16_t(marked);
    }
}

std::vector<CellPosition> MarkedCells(const Document& document) {
    std::vector<CellPosition> cells;
    for (int row = 0; row < document.settings.rowCount; ++row) {
        for (int column = 0; column < document.settings.columnCount; ++column) {
            if (document.cell(column, row).selected == 1) cells.push_back({column, row});
        }
    }
    return cells;
}
