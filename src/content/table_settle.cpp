// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/table_settle.h"

#include "content/series_evaluation.h"
#include "content/table_extent.h"

namespace {

// Whether a cell of the table's body is joined into another or cancelled.
bool BodyRetouched(const Document& document) {
    const BodyRange body = TableBody(document.settings);
    for (int row = body.firstRow; row < TableRowCount(document); ++row)
        for (int column = body.firstColumn; column < TableColumnCount(document); ++column) {
            const CellRecord& cell = document.cell(column, row);
            if (cell.cellState == kCellCancelled || cell.joinState != kJoinNone) return true;
        }
    return false;
}

} // namespace

void SettleTable(Document& document, const Clock& clock, SeriesShown series) {
    // The corner belongs to neither bar.
    if (BothTitleBars(document.settings)) document.cell(0, 0).cellState = kCellCancelled;
    // A joined or cancelled cell keeps the table's last lines from being removed.
    if (BodyRetouched(document)) document.settings.tableRetouched = 1;
    if (series == SeriesShown::AsCommands) return;
    EvaluateNewSeries(document, clock);
    ReevaluateSeries(document, clock);
}
