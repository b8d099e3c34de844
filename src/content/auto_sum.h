// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"

#include <QString>
#include <optional>

// The sum a spreadsheet user expects from one key: over the numbers right above the cell, or,
// when the cell above holds none, over the numbers right to its left. A run ends at the first
// cell that is not a number or cannot be an operand. The result is the cell's operation
// descriptor, or nothing when neither side starts with a number.
struct AutoSum {
    QString descriptor;
    // The nearest summed cell, whose alignment and number format the sum takes.
    int column = 0;
    int row = 0;
};

std::optional<AutoSum> AutoSumFor(const Document& document, int column, int row);
