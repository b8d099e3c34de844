// SPDX-License-Identifier: GPL-3.0-or-later
// Colour by value: fills and text colours of number cells from their values, one undo step.
#include "app/dialogs/ui.h"
#include "app/editor/cell_cursor.h"
#include "app/editor/editor.h"
#include "app/messages/message_table.h"
#include "content/colour_by_value.h"
#include "content/selection_run.h"

#include <algorithm>

namespace {

// The rectangle the marked cells span (a selection is a run or a rectangle); the table
// without its title bars when none is marked.
CellRange ChosenRange(const Document& document) {
    const std::vector<CellPosition> marked = MarkedCells(document);
    if (marked.empty()) return TableBodyRange(document);
    CellRange range{marked.front().column, marked.front().row, marked.front().column,
                    marked.front().row};
    for (const CellPosition& at : marked) {
        range.firstColumn = std::min(range.firstColumn, at.column);
        range.firstRow = std::min(range.firstRow, at.row);
        range.lastColumn = std::max(range.lastColumn, at.column);
        range.lastRow = std::max(range.lastRow, at.row);
    }
    return range;
}

} // namespace

void Editor::ColourByValue() {
    if (!state_.tableLoaded || dialogOpen_) return;
    const CellRange range = ChosenRange(document_);
    const std::vector<long double> numbers = NumbersIn(document_, range);
    if (numbers.empty()) return ui_.ShowMessage(Messages().Message(kColourGroup, kNoNumbersEntry));
    dialogOpen_ = true;
    const std::optional<ColourByValueChoice> choice = ui_.RunColourByValue(numbers);
    dialogOpen_ = false;
    if (!choice) return;
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        if (const auto* scale = std::get_if<ColourScale>(&*choice))
            ColourByScale(document_, range, *scale);
        else
            ColourByRule(document_, range, std::get<ColourRule>(*choice));
        return true;
    });
}
