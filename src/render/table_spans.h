// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/table_grid.h"

#include <cstdint>

struct Document;

// For every owner cell, how many cells it has absorbed to its right and below. Rebuilt on
// every redraw from the cells' joinState.
struct TableSpans {
    GridArray<int16_t> right;
    GridArray<int16_t> down;
};

// A run of cells absorbed from the left (joinState 1) counts towards the owner on its left
// until a cell of another kind interrupts it; likewise downwards with joinState 2.
TableSpans ComputeSpans(const Document& document);
