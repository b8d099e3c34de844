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

void SnapshotForUndo(Document& document);
void RestoreFromUndo(Document& document);

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The pixel size of a planned table, with the allowance for thick lines.
PixelSize PlannedTableSize(int columnCount, int rowCount, int gridCellWidth, int gridCellHeight,
                           int separatorPixels, int lineThickness);
