// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/table_spans.h"

#include "content/table_extent.h"
#include "model/document.h"

TableSpans ComputeSpans(const Document& document) {
    TableSpans spans;
    const int columns = TableColumnCount(document), rows = TableRowCount(document);
    for (int row = rows - 1; row >= 0; --row) {
        int16_t absorbed = 0;
        for (int column = columns - 1; column >= 0; --column) {
            const int32_t join = document.cell(column, row).joinState;
            if (join == kJoinedLeft) {
                ++absorbed;
            } else {
                if (join == kJoinNone) spans.right.at(column, row) = absorbed;
                absorbed = 0;
            }
        }
    }
    for (int column = columns - 1; column >= 0; --column) {
        int16_t absorbed = 0;
        for (int row = rows - 1; row >= 0; --row) {
            const int32_t join = document.cell(column, row).joinState;
            if (join == kJoinedAbove) {
                ++absorbed;
            } else {
                if (join == kJoinNone) spans.down.at(column, row) = absorbed;
                absorbed = 0;
            }
        }
    }
    return spans;
}
