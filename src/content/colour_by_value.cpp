// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/colour_by_value.h"

#include "content/data_number.h"
#include "content/leading_number.h"
#include "content/table_extent.h"
#include "model/space_trim.h"

#include <algorithm>

namespace {

// Calls `visit` with every number cell of the range and its number.
template <typename AnyDocument, typename Visit>
void ForEachNumberCell(AnyDocument& document, const CellRange& range, Visit visit) {
    const int lastColumn = std::min(range.lastColumn, TableColumnCount(document) - 1);
    const int lastRow = std::min(range.lastRow, TableRowCount(document) - 1);
    for (int row = std::max(range.firstRow, 0); row <= lastRow; ++row)
        for (int column = std::max(range.firstColumn, 0); column <= lastColumn; ++column) {
            auto& cell = document.cell(column, row);
            if (const std::optional<long double> number = CellNumber(cell)) visit(cell, *number);
        }
}

} // namespace

CellRange TableBodyRange(const Document& document) {
    const BodyRange body = TableBody(document.settings);
    return {body.firstColumn, body.firstRow, TableColumnCount(document) - 1,
            TableRowCount(document) - 1};
}

std::optional<long double> CellNumber(const CellRecord& cell) {
    if (cell.cellState == kCellCancelled || cell.joinState != kJoinNone) return std::nullopt;
    return ReadTypedNumber(TrimSpaces(cell.text));
}

std::optional<long double> ReadTypedNumber(QStringView text) {
    // Read as stored, so "1,234" (grouped) counts as 1234.
    const std::optional<QString> stored = ReadDataNumber(text, u'.');
    if (!stored) return std::nullopt;
    return ReadLeadingNumber(*stored);
}

std::vector<long double> NumbersIn(const Document& document, const CellRange& range) {
    std::vector<long double> numbers;
    ForEachNumberCell(document, range, [&numbers](const CellRecord&, long double number) {
        numbers.push_back(number);
    });
    return numbers;
}

int ColourByScale(Document& document, const CellRange& range, const ColourScale& scale) {
    const std::vector<long double> numbers = NumbersIn(document, range);
    if (numbers.empty()) return 0;
    const ScaleStops stops = StopsFor(scale, numbers);
    ForEachNumberCell(document, range, [&](CellRecord& cell, long double number) {
        cell.backColour = ScaleColour(scale, stops, number);
        cell.textColour = ReadableTextColour(cell.backColour);
    });
    return int(numbers.size());
}

bool RuleHolds(const ColourRule& rule, long double number) {
    switch (rule.comparison) {
    case RuleComparison::Greater:
        return number > rule.value;
    case RuleComparison::Less:
        return number < rule.value;
    case RuleComparison::Between:
        return number >= rule.value && number <= rule.upper;
    case RuleComparison::Equal:
        return number == rule.value;
    }
    return false;
}

int ColourByRule(Document& document, const CellRange& range, const ColourRule& rule) {
    int coloured = 0;
    ForEachNumberCell(document, range, [&](CellRecord& cell, long double number) {
        if (!RuleHolds(rule, number)) return;
        cell.backColour = rule.fill;
        cell.textColour = rule.text.value_or(ReadableTextColour(rule.fill));
        if (rule.bold) cell.bold = 1;
        ++coloured;
    });
    return coloured;
}
