#pragma once

#include "model/table_grid.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// Full-table snapshots for Undo. A level keeps one shared record per cell; a snapshot reuses
// the previous snapshot's record wherever the cell has not changed, so 29 levels of a full
// table cost little more than one. A missing record stands for an all-zero cell.
struct UndoStore {
    static constexpr int kLevels = 31;
    static constexpr int16_t kTopLevel = 29;
    static constexpr int32_t kIdle = 1;
    static constexpr int32_t kRestoring = 2;

    using Level = std::vector<std::shared_ptr<const CellRecord>>;

    std::array<Level, kLevels> levels;
    int16_t undoLevel = 0;
    int32_t undoBusy = kIdle;
    int lastWrittenLevel = -1;
};

// Saves the table's cells into level undoLevel and moves up, staying at 29 once there.
void SnapshotForUndo(UndoStore& undo, const TableGrid& grid, int columnCount, int rowCount);

// Steps down one level (not below 0) and copies that level back into the table's cells.
void RestoreFromUndo(UndoStore& undo, TableGrid& grid, int columnCount, int rowCount);
