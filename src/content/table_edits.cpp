// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/table_edits.h"

#include "content/selection_run.h"
#include "model/space_trim.h"

namespace {

template <typename Visit> void ForEachSelectedCell(Document& document, Visit visit) {
    for (int row = 0; row < document.settings.rowCount; ++row) {
        for (int column = 0; column < document.settings.columnCount; ++column) {
            if (document.cell(column, row).selected == 1) visit(document.cell(column, row));
        }
    }
}

} // namespace

void PasteIntoSelection(Document& document, const ProgramSettings& settings, int sourceColumn,
                        int sourceRow) {
    const CellRecord source = document.cell(sourceColumn, sourceRow);
    const bool operations =
        settings.copies(CopyFlag::Summation) || settings.copies(CopyFlag::Subtraction) ||
        settings.copies(CopyFlag::Percentage) || settings.copies(CopyFlag::Multiplication) ||
        settings.copies(CopyFlag::Division);
    ForEachSelectedCell(document, [&](CellRecord& cell) {
        if (settings.copies(CopyFlag::BackColour)) cell.backColour = source.backColour;
        if (settings.copies(CopyFlag::TextColour)) cell.textColour = source.textColour;
        if (settings.copies(CopyFlag::FontName))
            cell.fontName = TrimSpaces(source.fontName).toString();
        if (settings.copies(CopyFlag::FontSize)) cell.fontSize = source.fontSize;
        if (settings.copies(CopyFlag::Bold)) cell.bold = source.bold;
        if (settings.copies(CopyFlag::Italic)) cell.italic = source.italic;
        if (settings.copies(CopyFlag::Underline)) cell.underline = source.underline;
        if (settings.copies(CopyFlag::Strikeout)) cell.strikeout = source.strikeout;
        if (settings.copies(CopyFlag::Leading)) cell.leading = source.leading;
        if (settings.copies(CopyFlag::Text)) cell.text = TrimSpaces(source.text).toString();
        if (settings.copies(CopyFlag::Image)) cell.imageSpec = source.imageSpec;
        if (settings.copies(CopyFlag::Alignment)) cell.alignment = source.alignment;
        cell.lineThickness = source.lineThickness;
        cell.lineColour = source.lineColour;
        if (settings.copies(CopyFlag::NumberFormat)) cell.numberFormat = source.numberFormat;
        if (settings.copies(CopyFlag::NumericAllowed)) cell.numericAllowed = source.numericAllowed;
        if (operations) cell.operationDescriptor = source.operationDescriptor;
        if (settings.copies(CopyFlag::Icon)) cell.iconPath = source.iconPath;
    });
}

void ClearSelectedCells(Document& document) {
    const int16_t thickness = int16_t(document.settings.lineThickness);
    ForEachSelectedCell(document, [&](CellRecord& cell) {
        ResetCellToDefaults(cell);
        cell.lineThickness = thickness;
    });
}

void SetStateOfSelectedCells(Document& document, int32_t cellState) {
    const BodyRange body = TableBody(document.settings);
    for (int row = body.firstRow; row < body.rowCount; ++row) {
        for (int column = body.firstColumn; column < body.columnCount; ++column) {
            CellRecord& cell = document.cell(column, row);
            if (cell.selected == 1) cell.cellState = cellState;
        }
    }
}

MergeOutcome MergeRun(Document& document, const SelectionState& selection, bool horizontal) {
    const bool rightDirection = horizontal ? selection.runHorizontal : selection.runVertical;
    if (!rightDirection || selection.selectionCount <= 1) return MergeOutcome::NotARun;

    const int count = selection.selectionCount;
    auto runCell = [&](int i) -> CellRecord& {
        return horizontal ? document.cell(selection.selectionColumn + i, selection.selectionRow)
                          : document.cell(selection.selectionColumn, selection.selectionRow + i);
    };
    for (int i = 0; i < count; ++i)
        runCell(i).selected = 0;

    const TableSettings& s = document.settings;
    if (s.horizontalTitleBar == 1 || s.verticalTitleBar == 1 ||
        s.horizontalLinesWithCellAreas == 1 || s.verticalLinesWithCellAreas == 1)
        return MergeOutcome::NotAllowed;

    for (int i = 1; i < count; ++i)
        runCell(i).joinState = horizontal ? kJoinedLeft : kJoinedAbove;
    CellRecord& owner = runCell(0);
    if (horizontal)
        owner.right = runCell(count - 1).right;
    else
        owner.bottom = runCell(count - 1).bottom;
    ResetCellToDefaults(owner);
    // Joined cells no longer line up with the grid: rows and columns can no longer be removed.
    document.settings.tableRetouched = 1;
    return MergeOutcome::Joined;
}

void ResetTableTexts(Document& document) {
    const BodyRange body = TableBody(document.settings);
    for (int row = body.firstRow; row < body.rowCount; ++row) {
        for (int column = body.firstColumn; column < body.columnCount; ++column) {
            CellRecord& cell = document.cell(column, row);
            if (cell.cellState != kCellNormal || cell.joinState != kJoinNone) continue;
            cell.text.clear();
            document.commands.at(column, row).clear();
        }
    }
}
