// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/editor/editor_state.h"
#include "model/document.h"

#include <QRect>
#include <vector>

// A cell of the grid by column and row.
struct CellPosition {
    int column = 0;
    int row = 0;
    bool operator==(const CellPosition&) const = default;
};

// The owner of the joined block the cell belongs to (the cell itself when it stands alone).
CellPosition BlockOwner(const Document& document, CellPosition cell);

// The cursor's cell: its stored place held inside the table, then the owner of its block.
CellPosition CursorCell(const Document& document, const CellCursor& cursor);

// The next stop from `from` one cell at a time by (columnStep, rowStep): a joined block is one
// stop and cancelled cells are passed over. At the table's edge the cursor stays.
CellPosition NextStop(const Document& document, CellPosition from, int columnStep, int rowStep);

// Where the view draws a cell (its joined block included), before scrolling.
QRect DrawnCellRect(const Document& document, CellPosition cell);

// Selects the plain cells of the rectangle spanned by two cells and their blocks, instead of
// what was selected. A line of single cells becomes a run, so the merges take it.
void SelectRectangle(Document& document, SelectionState& selection, CellPosition corner,
                     CellPosition otherCorner);

// The marked cells, rows outer, columns inner.
std::vector<CellPosition> MarkedCells(const Document& document);
