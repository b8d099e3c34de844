// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/selection_run.h"

JoinExtent JoinExtentOf(const Document& document, int column, int row) {
    if (document.cell(column, row).joinState != kJoinNone) return {-1, -1};
    JoinExtent extent;
    while (document.InTable(column + extent.right + 1, row) &&
           document.cell(column + extent.right + 1, row).joinState == kJoinedLeft)
        ++extent.right;
    while (document.InTable(column, row + extent.down + 1) &&
           document.cell(column, row + extent.down + 1).joinState == kJoinedAbove)
        ++extent.down;
    return extent;
}

void ResetRun(SelectionState& selection) {
    selection.selectionCount = 0;
    selection.selectionColumn = 0;
    selection.selectionRow = 0;
    selection.runHorizontal = false;
    selection.runVertical = false;
}

void ClearSelection(Document& document, SelectionState& selection) {
    ResetRun(selection);
    for (int row = 0; row < document.settings.rowCount; ++row) {
        for (int column = 0; column < document.settings.columnCount; ++column)
            document.cell(column, row).selected = 0;
    }
}

namespace {

// Whether the click continues the run; fixes the direction on the second cell.
bool FitsRun(const Document& document, SelectionState& selection, int column, int row) {
    if (selection.selectionCount == 1) {
        selection.selectionColumn = int16_t(column);
        selection.selectionRow = int16_t(row);
        return true;
    }
    if (selection.selectionCount == 2) {
        selection.runVertical = column == selection.selectionColumn;
        selection.runHorizontal = row == selection.selectionRow;
        const JoinExtent extent = JoinExtentOf(document, column, row);
        selection.runSpanRight = int16_t(extent.right);
        selection.runSpanDown = int16_t(extent.down);
    }
    const int step = selection.selectionCount - 1;
    int previousColumn = column;
    int previousRow = row;
    if (selection.runHorizontal && row == selection.selectionRow &&
        column == selection.selectionColumn + step) {
        previousColumn = column - 1;
    } else if (selection.runVertical && column == selection.selectionColumn &&
               row == selection.selectionRow + step) {
        previousRow = row - 1;
    } else {
        return false;
    }
    const JoinExtent wanted{selection.runSpanRight, selection.runSpanDown};
    return JoinExtentOf(document, column, row) == wanted &&
           JoinExtentOf(document, previousColumn, previousRow) == wanted;
}

} // namespace

ClickOutcome ClickCell(Document& document, SelectionState& selection, int column, int row) {
    CellRecord& cell = document.cell(column, row);
    if (cell.selected == 1) {
        cell.selected = 0;
        ResetRun(selection);
        return ClickOutcome::Unmarked;
    }
    ++selection.selectionCount;
    if (!FitsRun(document, selection, column, row)) {
        ClearSelection(document, selection);
        return ClickOutcome::Rejected;
    }
    if (cell.joinState == kJoinNone && cell.cellState == kCellNormal) cell.selected = 1;
    return ClickOutcome::Accepted;
}

void MarkAllCells(Document& document, SelectionState& selection) {
    const BodyRange body = TableBody(document.settings);
    for (int row = body.firstRow; row < body.rowCount; ++row) {
        for (int column = body.firstColumn; column < body.columnCount; ++column) {
            CellRecord& cell = document.cell(column, row);
            if (cell.joinState == kJoinNone && cell.cellState == kCellNormal) cell.selected = 1;
        }
    }
    selection.selectionCount = 2;
}
