// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/table_extent.h"
#include "content/table_selection.h"
#include "model/document.h"

// How many cells a cell has absorbed to its right and below; -1, -1 for an absorbed cell.
struct JoinExtent {
    int right = 0;
    int down = 0;
    bool operator==(const JoinExtent&) const = default;
};
JoinExtent JoinExtentOf(const Document& document, int column, int row);

enum class ClickOutcome {
    Unmarked, // the cell was marked: its mark is taken away and the run starts again
    Accepted, // the cell continues the run
    Rejected, // the cell does not fit the run: the whole selection was cleared
};

// A left click in the cell selector mode on a cell of the table.
ClickOutcome ClickCell(Document& document, SelectionState& selection, int column, int row);

// No run: count, start and direction back to 0; the marks stay.
void ResetRun(SelectionState& selection);
// No run and no marked cell.
void ClearSelection(Document& document, SelectionState& selection);
// Marks every plain cell of the body (Select all turned on with nothing selected).
void MarkAllCells(Document& document, SelectionState& selection);
