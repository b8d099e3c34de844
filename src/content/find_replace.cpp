// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/find_replace.h"

#include "content/table_extent.h"

#include <algorithm>

namespace {

Qt::CaseSensitivity CaseOf(const FindQuery& query) {
    return query.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

} // namespace

QString StoredText(const Document& document, int column, int row) {
    const QString& command = document.commands.at(column, row);
    return command.isEmpty() ? document.cell(column, row).text : command;
}

bool CellMatches(const Document& document, int column, int row, const FindQuery& query) {
    const CellRecord& cell = document.cell(column, row);
    if (query.text.isEmpty() || cell.joinState != kJoinNone || cell.cellState != kCellNormal)
        return false;
    const QString stored = StoredText(document, column, row);
    if (query.wholeCell) return stored.compare(query.text, CaseOf(query)) == 0;
    return stored.contains(query.text, CaseOf(query));
}

std::optional<FoundCell> FindMatch(const Document& document, const FindQuery& query, int column,
                                   int row, bool backward) {
    const int columns = TableColumnCount(document);
    const int cells = columns * TableRowCount(document);
    if (cells == 0) return std::nullopt;
    const int start = std::clamp(row * columns + column, 0, cells - 1);
    const int step = backward ? cells - 1 : 1;
    for (int n = 1; n <= cells; ++n) {
        const int at = (start + n * step) % cells;
        if (CellMatches(document, at % columns, at / columns, query))
            return FoundCell{at % columns, at / columns};
    }
    return std::nullopt;
}

ReplaceResult ReplaceInCell(Document& document, int column, int row, const FindQuery& query,
                            const QString& replacement) {
    if (!CellMatches(document, column, row, query)) return ReplaceResult::NoMatch;
    QString text = StoredText(document, column, row);
    if (query.wholeCell)
        text = replacement;
    else
        text.replace(query.text, replacement, CaseOf(query));
    if (text.size() > kTextMaxUnits) return ReplaceResult::TooLong;
    // Read through a const view: a table with no command never makes the store.
    const CommandStore& commands = document.commands;
    if (!commands.at(column, row).isEmpty()) document.commands.at(column, row) = text;
    document.cell(column, row).text = text;
    return ReplaceResult::Replaced;
}

ReplaceCounts ReplaceEverywhere(Document& document, const FindQuery& query,
                                const QString& replacement) {
    ReplaceCounts counts;
    for (int row = 0; row < TableRowCount(document); ++row)
        for (int column = 0; column < TableColumnCount(document); ++column)
            switch (ReplaceInCell(document, column, row, query, replacement)) {
            case ReplaceResult::Replaced:
                ++counts.changed;
                break;
            case ReplaceResult::TooLong:
                ++counts.tooLong;
                break;
            case ReplaceResult::NoMatch:
                break;
            }
    return counts;
}
