// SPDX-License-Identifier: GPL-3.0-or-later
// Formatting without the cell editing dialog: AutoSum and the number formats.
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/messages/message_table.h"
#include "content/auto_sum.h"
#include "content/data_number.h"
#include "content/selection_run.h"
#include "model/space_trim.h"

void Editor::AutoSumAtCursor() {
    if (!state_.tableLoaded) return;
    const CellPosition at = CursorCell(document_, state_.cursor);
    if (document_.cell(at.column, at.row).cellState != kCellNormal) return;
    const std::optional<AutoSum> sum = AutoSumFor(document_, at.column, at.row);
    if (!sum) {
        ui_.ShowMessage(Messages().Message(kCellEditGroup, kNothingToSumEntry));
        return;
    }
    Edit(EditRedraw::Table, EditSelection::Kept, [&] {
        CellRecord& cell = document_.cell(at.column, at.row);
        cell.operationDescriptor = sum->descriptor;
        // The total reads like the numbers it adds up, and stands in line with them.
        const CellRecord& summed = document_.cell(sum->column, sum->row);
        cell.alignment = summed.alignment;
        if (summed.numericAllowed == 1) {
            cell.numericAllowed = 1;
            cell.numberFormat = summed.numberFormat;
        }
        return true;
    });
}

// Format 0 shows the text as typed; 1..7 are the number formats. A number format passes over
// cells of words (a column's heading), which it would show as nothing.
void Editor::SetNumberFormat(int16_t format) {
    if (!state_.tableLoaded) return;
    std::vector<CellPosition> cells = MarkedCells(document_);
    if (cells.empty()) cells = {CursorCell(document_, state_.cursor)};
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        for (const CellPosition& at : cells) {
            CellRecord& cell = document_.cell(at.column, at.row);
            if (format > 0 && !TrimSpaces(cell.text).isEmpty() && !IsStoredNumber(cell.text))
                continue;
            cell.numericAllowed = format > 0 ? 1 : 0;
            if (format > 0) cell.numberFormat = format;
        }
        return true;
    });
}
