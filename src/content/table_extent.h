// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"

#include <algorithm>

// The table's counts, held within the grid's capacity so that no scan can leave the grid.
inline int TableColumnCount(const Document& document) {
    return std::clamp<int>(document.settings.columnCount, 0, kGridCapacity);
}
inline int TableRowCount(const Document& document) {
    return std::clamp<int>(document.settings.rowCount, 0, kGridCapacity);
}

// Under both title bars the corner cell belongs to neither.
inline bool BothTitleBars(const TableSettings& settings) {
    return settings.horizontalTitleBar == 1 && settings.verticalTitleBar == 1;
}

// The rows and columns that Select all, Cancel Cell, Stop, Reset table and Sort cover: the
// table without its title bars.
struct BodyRange {
    int firstColumn;
    int firstRow;
    int columnCount;
    int rowCount;
};
inline BodyRange TableBody(const TableSettings& settings) {
    return {settings.verticalTitleBar == 1 ? 1 : 0, settings.horizontalTitleBar == 1 ? 1 : 0,
            settings.columnCount, settings.rowCount};
}
