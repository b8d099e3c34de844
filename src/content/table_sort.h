// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"

#include <vector>

class QCollator;

// One column the rows are ordered by.
struct SortKey {
    int column = 0;
    bool descending = false;
};

// Why rows were not sorted, with the cell that says where.
enum class SortProblem { None, NoRows, ColumnOutside, JoinCrosses };
struct SortOutcome {
    SortProblem problem = SortProblem::None;
    int column = -1;
    int row = -1;
};

// Puts the rows firstRow..lastRow in the order of the keys, the first key first. A number
// cell compares by its value, a text by `collator`; numbers come before texts, and an empty
// cell is last whichever the direction. Rows that compare equal keep their order. Each row
// moves whole (texts, looks, states, images, icons and stored series commands); the cells keep
// their places. A block joined across the rows' edges or between two of them refuses the
// sort: rows so tied cannot move apart.
SortOutcome SortTableRows(Document& document, int firstRow, int lastRow,
                          const std::vector<SortKey>& keys, const QCollator& collator);
