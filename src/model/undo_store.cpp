// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/undo_store.h"

const CellRecord* UndoState::CellAt(int column, int row) const {
    if (column < 0 || row < 0 || column >= settings.columnCount || row >= settings.rowCount)
        return nullptr;
    return cells[size_t(column) * size_t(settings.rowCount) + size_t(row)].get();
}
