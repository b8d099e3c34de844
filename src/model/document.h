// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/table_grid.h"
#include "model/table_settings.h"
#include "model/undo_store.h"

#include <QString>
#include <cstdint>

// The one table the user edits, with everything that belongs to it.
struct Document {
    TableSettings settings;
    TableGrid grid;
    CommandStore commands;
    UndoStore undo;
    QString workFilePath;
    // Right and bottom edge of the bottom-right cell as last recorded (creation or drawing).
    int16_t extentRight = 0;
    int16_t extentBottom = 0;

    CellRecord& cell(int column, int row) { return grid.at(column, row); }
    const CellRecord& cell(int column, int row) const { return grid.at(column, row); }
    bool InTable(int column, int row) const {
        return column >= 0 && row >= 0 && column < settings.columnCount && row < settings.rowCount;
    }
};

// Creates a fresh grid, command store and undo history for a table of the given counts and
// initialises its cells from the document's settings (cell size, separator, thickness, page
// colour, title bars, banding, password). Drawing the new table is the renderer's job: the
// caller renders the document afterwards.
void CreateTable(Document& document, int columnCount, int rowCount, int originX, int originY,
                 int32_t lineColour);

// Gives the cell the values of a new table's cell at that place: geometry from the origin,
// counts and lines from the settings, white or banded fill, the default content.
void InitialiseNewTableCell(Document& document, int column, int row, int originX, int originY);

// The table as it is now, sharing the records of unchanged cells with `shareWith`.
UndoState CaptureUndoState(const Document& document, const UndoState* shareWith);
// Takes the table as it is now as the step Undo goes back to, before a change. Starts a new
// version and forgets the steps that Redo could bring back.
void SnapshotForUndo(Document& document);
// Forgets the newest undo step when the table has not changed since it was taken (a dialog
// that was cancelled, a command that was refused).
void DropSnapshotIfUnchanged(Document& document);
// One step back or forward; false when there is none.
bool UndoStep(Document& document);
bool RedoStep(Document& document);
// The table as it is now is the table its file holds.
void MarkSaved(Document& document);
// The table differs from its file although no undo step records it (a new password, cells
// made for a file that lacked them).
void MarkUnsavedChange(Document& document);

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The pixel size of a planned table, with the allowance for thick lines.
PixelSize PlannedTableSize(int columnCount, int rowCount, int gridCellWidth, int gridCellHeight,
                           int separatorPixels, int lineThickness);
