// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/table_settle.h"

#include "content/series_evaluation.h"
#include "content/table_extent.h"

void SettleTable(Document& document, const Clock& clock, SeriesShown series) {
    // The corner belongs to neither bar.
    if (BothTitleBars(document.settings)) document.cell(0, 0).cellState = kCellCancelled;
    if (series == SeriesShown::AsCommands) return;
    EvaluateNewSeries(document, clock);
    ReevaluateSeries(document, clock);
}
