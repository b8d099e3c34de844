// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/table_sort.h"

#include "content/leading_number.h"
#include "content/table_extent.h"
#include "model/space_trim.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

namespace {

// Empty cells sort last, numbers before texts.
enum class ValueKind { Number, Text, Empty };

struct SortValue {
    ValueKind kind = ValueKind::Empty;
    long double number = 0;
    QString text;
};

SortValue ValueOf(const CellRecord& cell) {
    const QString text = TrimSpaces(cell.text).toString();
    if (text.isEmpty() || cell.cellState == kCellCancelled) return {};
    if (cell.numericAllowed == 1) return {ValueKind::Number, ReadLeadingNumber(text), {}};
    return {ValueKind::Text, 0, text};
}

// Negative, zero or positive as a comes before, with or after b in ascending order.
int Compare(const SortValue& a, const SortValue& b, const QCollator& collator) {
    if (a.kind != b.kind) return int(a.kind) - int(b.kind);
    if (a.kind == ValueKind::Number) return a.number < b.number ? -1 : a.number > b.number;
    if (a.kind == ValueKind::Text) return collator.compare(a.text, b.text);
    return 0;
}

// A cell of the rows (or the row after them) joined to the row above ties two rows together
// or one of them to a row outside.
SortOutcome CrossingJoin(const Document& document, int firstRow, int lastRow) {
    const int lastChecked = std::min(lastRow + 1, TableRowCount(document) - 1);
    for (int row = firstRow; row <= lastChecked; ++row)
        for (int column = 0; column < TableColumnCount(document); ++column)
            if (document.cell(column, row).joinState == kJoinedAbove)
                return {SortProblem::JoinCrosses, column, row};
    return {};
}

} // namespace

SortOutcome SortTableRows(Document& document, int firstRow, int lastRow,
                          const std::vector<SortKey>& keys, const QCollator& collator) {
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, TableRowCount(document) - 1);
    if (lastRow <= firstRow || keys.empty()) return {SortProblem::NoRows, -1, -1};
    for (const SortKey& key : keys)
        if (key.column < 0 || key.column >= TableColumnCount(document))
            return {SortProblem::ColumnOutside, key.column, -1};
    if (const SortOutcome crossing = CrossingJoin(document, firstRow, lastRow);
        crossing.problem != SortProblem::None)
        return crossing;

    const int count = lastRow - firstRow + 1;
    std::vector<std::vector<SortValue>> values(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r)
        for (const SortKey& key : keys)
            values[size_t(r)].push_back(ValueOf(document.cell(key.column, firstRow + r)));
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const std::vector<SortValue>& rowA = values[size_t(a)];
        const std::vector<SortValue>& rowB = values[size_t(b)];
        auto vb = rowB.begin();
        for (auto va = rowA.begin(); va != rowA.end(); ++va, ++vb) {
            int compared = Compare(*va, *vb, collator);
            // Empty cells stay last when descending too.
            const bool descending = keys[size_t(va - rowA.begin())].descending;
            if (descending && va->kind != ValueKind::Empty && vb->kind != ValueKind::Empty)
                compared = -compared;
            if (compared < 0) return true;
            if (compared > 0) return false;
        }
        return false;
    });

    // The rows as they were, then each put back in its new place.
    const int columns = TableColumnCount(document);
    std::vector<CellRecord> cells;
    std::vector<QString> commands;
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = 0; column < columns; ++column) {
            cells.push_back(document.cell(column, row));
            commands.push_back(document.commands.at(column, row));
        }
    for (int r = 0; r < count; ++r) {
        const size_t from = size_t(order[size_t(r)]) * size_t(columns);
        for (int column = 0; column < columns; ++column) {
            CellRecord& cell = document.cell(column, firstRow + r);
            CellRecord moved = cells[from + size_t(column)];
            moved.left = cell.left;
            moved.top = cell.top;
            moved.right = cell.right;
            moved.bottom = cell.bottom;
            moved.row = cell.row;
            cell = moved;
            document.commands.at(column, firstRow + r) = commands[from + size_t(column)];
        }
    }
    return {};
}
