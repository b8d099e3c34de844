// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/cell_record.h"
#include "model/large_pages.h"

#include <QString>
#include <vector>

// A (column, row) array of the grid's capacity, stored row by row as the passes walk it.
template <typename T> class GridArray {
public:
    // The items are made on the first change: a grid that is only read, or replaced before
    // it is used (the document a load fills), costs no memory.
    T& at(int column, int row) {
        if (items_.empty()) items_.resize(size_t(kGridCapacity) * kGridCapacity);
        return items_[Index(column, row)];
    }
    const T& at(int column, int row) const {
        if (items_.empty()) return Untouched();
        return items_[Index(column, row)];
    }

    static bool Contains(int column, int row) {
        return column >= 0 && column < kGridCapacity && row >= 0 && row < kGridCapacity;
    }

private:
    static const T& Untouched() {
        static const T item{};
        return item;
    }
    static size_t Index(int column, int row) {
        return size_t(row) * kGridCapacity + size_t(column);
    }
    std::vector<T, LargePagedAllocator<T>> items_;
};

// 111 x 111 cells; only those inside columnCount x rowCount belong to the table.
using TableGrid = GridArray<CellRecord>;

// The series command typed into each cell; never saved.
using CommandStore = GridArray<QString>;
