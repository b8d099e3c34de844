#include "model/undo_store.h"

namespace {

// A snapshot holds every field but the password pair.
CellRecord SnapshotFields(const CellRecord& cell) {
    CellRecord copy = cell;
    copy.passwordSet = 0;
    copy.password.clear();
    return copy;
}

size_t Slot(int column, int row) {
    return size_t(column) * kGridCapacity + size_t(row);
}

} // namespace

void SnapshotForUndo(UndoStore& undo, const TableGrid& grid, int columnCount, int rowCount) {
    UndoStore::Level& level = undo.levels[size_t(undo.undoLevel)];
    if (level.empty()) level.resize(size_t(kGridCapacity) * kGridCapacity);
    const UndoStore::Level* previous =
        undo.lastWrittenLevel >= 0 ? &undo.levels[size_t(undo.lastWrittenLevel)] : nullptr;

    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            CellRecord copy = SnapshotFields(grid.at(column, row));
            const size_t slot = Slot(column, row);
            if (previous && (*previous)[slot] && *(*previous)[slot] == copy) {
                level[slot] = (*previous)[slot];
            } else {
                level[slot] = std::make_shared<const CellRecord>(std::move(copy));
            }
        }
    }
    undo.lastWrittenLevel = undo.undoLevel;
    if (undo.undoLevel < UndoStore::kTopLevel) ++undo.undoLevel;
}

void RestoreFromUndo(UndoStore& undo, TableGrid& grid, int columnCount, int rowCount) {
    if (undo.undoBusy != UndoStore::kIdle) return;
    undo.undoBusy = UndoStore::kRestoring;
    if (undo.undoLevel > 0) --undo.undoLevel;

    const UndoStore::Level& level = undo.levels[size_t(undo.undoLevel)];
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            CellRecord& cell = grid.at(column, row);
            const int32_t passwordSet = cell.passwordSet;
            const QString password = cell.password;
            const size_t slot = Slot(column, row);
            cell = (!level.empty() && level[slot]) ? *level[slot] : CellRecord{};
            cell.passwordSet = passwordSet;
            cell.password = password;
        }
    }
    undo.undoBusy = UndoStore::kIdle;
}
