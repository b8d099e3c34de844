// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/table_grid.h"
#include "model/table_settings.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// One whole table as Undo and Redo bring it back: the cells of the table, its counts and
// table-wide values, the stored series commands and the extent. The password pair and the
// selection marks are never part of it: an undo neither unlocks a table nor reselects cells.
struct UndoState {
    TableSettings settings;
    // Column-major over columnCount x rowCount. Unchanged cells share one record with the
    // newer state they were compared with, so many levels of a full table cost little.
    std::vector<std::shared_ptr<const CellRecord>> cells;
    std::vector<std::pair<int, QString>> commands; // grid slot and command, non-empty only
    int16_t extentRight = 0;
    int16_t extentBottom = 0;
    uint64_t version = 0;

    const CellRecord* CellAt(int column, int row) const;
};

// The steps Undo and Redo walk, and the versions that tell whether the table differs from
// its file. Every change gets a new version; undoing it gives back the version before.
struct UndoStore {
    static constexpr int kLevels = 29;

    std::deque<UndoState> undoSteps;  // oldest first
    std::vector<UndoState> redoSteps; // the most recently undone last
    uint64_t version = 0;             // of the table as it is now
    uint64_t savedVersion = 0;        // of the table as its file holds it
    uint64_t lastVersion = 0;         // the newest version handed out

    // What the newest snapshot put aside: the redo steps and the oldest step past the limit.
    // They come back when that snapshot turns out to have recorded no change.
    std::vector<UndoState> heldRedoSteps;
    std::optional<UndoState> heldOldestStep;

    bool CanUndo() const { return !undoSteps.empty(); }
    bool CanRedo() const { return !redoSteps.empty(); }
    bool Modified() const { return version != savedVersion; }
};
