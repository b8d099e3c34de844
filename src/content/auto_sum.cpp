// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/auto_sum.h"

#include "content/data_number.h"
#include "content/operation_descriptor.h"

namespace {

// The descriptor names rows and columns with two digits.
constexpr int kLastNameable = 99;

bool HoldsNumber(const CellRecord& cell) {
    return cell.joinState == 0 && cell.cellState != kCellCancelled && IsStoredNumber(cell.text);
}

// How many cells in a row, stepping back from (column, row), hold numbers.
int RunLength(const Document& document, int column, int row, int columnStep, int rowStep) {
    int length = 0;
    for (int c = column - columnStep, r = row - rowStep; c >= 0 && r >= 0;
         c -= columnStep, r -= rowStep) {
        if (!HoldsNumber(document.cell(c, r))) break;
        ++length;
    }
    return length;
}

} // namespace

std::optional<AutoSum> AutoSumFor(const Document& document, int column, int row) {
    OperationSettings settings;
    AutoSum sum;
    if (const int above = RunLength(document, column, row, 0, 1);
        above > 0 && row <= kLastNameable) {
        settings.columnSum = {1, int16_t(row - above + 1), int16_t(row)};
        sum.column = column;
        sum.row = row - 1;
    } else if (const int left = RunLength(document, column, row, 1, 0);
               left > 0 && column <= kLastNameable) {
        settings.rowSum = {1, int16_t(column - left + 1), int16_t(column)};
        sum.column = column - 1;
        sum.row = row;
    } else {
        return std::nullopt;
    }
    sum.descriptor = *EncodeOperationDescriptor(settings);
    return sum;
}
