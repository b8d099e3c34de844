// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/document.h"

#include <algorithm>

namespace {

void InitialiseCell(Document& document, int column, int row, int originX, int originY,
                    int32_t lineColour, int32_t backColour) {
    const TableSettings& s = document.settings;
    CellRecord& cell = document.cell(column, row);
    cell.left = column * s.gridCellWidth + originX;
    cell.top = row * s.gridCellHeight + originY;
    cell.right = (column + 1) * s.gridCellWidth + originX;
    cell.bottom = (row + 1) * s.gridCellHeight + originY;
    cell.column = int16_t(column);
    cell.row = int16_t(row);
    cell.gridCellWidth = s.gridCellWidth;
    cell.gridCellHeight = s.gridCellHeight;
    ResetCellToDefaults(cell);
    cell.backColour = backColour;
    cell.columnCount = s.columnCount;
    cell.rowCount = s.rowCount;
    cell.lineThickness = int16_t(s.lineThickness);
    cell.separatorPixels = s.separatorPixels;
    cell.pageColour = s.pageColour;
    cell.lineColour = lineColour;
    cell.password = ProtectingPassword(s);
    cell.passwordSet = cell.password.isEmpty() ? 0 : 1;
}

int32_t BodyShade(const TableSettings& s, int column, int row) {
    const bool banded = (s.horizontalLinesWithCellAreas == 1 && row % 2 == 0) ||
                        (s.verticalLinesWithCellAreas == 1 && column % 2 == 0);
    return banded ? kBandShade : kWhite;
}

} // namespace

QString ProtectingPassword(const TableSettings& settings) {
    const QString password = settings.password.trimmed();
    return settings.passwordSet == 1 ? password : QString();
}

void CreateTable(Document& document, int columnCount, int rowCount, int originX, int originY,
                 int32_t lineColour) {
    document.grid = TableGrid();
    document.commands = CommandStore();
    document.undo = UndoStore();
    TableSettings& s = document.settings;
    s.columnCount = int16_t(columnCount);
    s.rowCount = int16_t(rowCount);

    const int firstRow = s.horizontalTitleBar == 1 ? 1 : 0;
    const int firstColumn = s.verticalTitleBar == 1 ? 1 : 0;
    for (int row = firstRow; row < rowCount; ++row) {
        for (int column = firstColumn; column < columnCount; ++column) {
            InitialiseCell(document, column, row, originX, originY, lineColour,
                           BodyShade(s, column, row));
        }
    }
    if (s.horizontalTitleBar == 1) {
        for (int column = 0; column < columnCount; ++column)
            InitialiseCell(document, column, 0, originX, originY, lineColour, kWhite);
    }
    if (s.verticalTitleBar == 1) {
        for (int row = 0; row < rowCount; ++row)
            InitialiseCell(document, 0, row, originX, originY, lineColour, kWhite);
    }
    const CellRecord& last = document.cell(columnCount - 1, rowCount - 1);
    document.extentRight = int16_t(last.right);
    document.extentBottom = int16_t(last.bottom);
}

void InitialiseNewTableCell(Document& document, int column, int row, int originX, int originY) {
    const TableSettings& s = document.settings;
    const bool titleBarCell =
        (s.horizontalTitleBar == 1 && row == 0) || (s.verticalTitleBar == 1 && column == 0);
    InitialiseCell(document, column, row, originX, originY, s.lineColour,
                   titleBarCell ? kWhite : BodyShade(s, column, row));
}

namespace {

// What a state keeps of a cell: no password pair, no selection mark.
CellRecord StateFields(const CellRecord& cell) {
    CellRecord copy = cell;
    copy.passwordSet = 0;
    copy.password.clear();
    copy.selected = 0;
    return copy;
}

void ForgetPassword(TableSettings& settings) {
    settings.passwordSet = 0;
    settings.password.clear();
}

bool SameTable(const UndoState& a, const UndoState& b) {
    if (a.settings != b.settings || a.commands != b.commands || a.extentRight != b.extentRight ||
        a.extentBottom != b.extentBottom || a.cells.size() != b.cells.size())
        return false;
    for (size_t i = 0; i < a.cells.size(); ++i) {
        if (a.cells[i] != b.cells[i] && *a.cells[i] != *b.cells[i]) return false;
    }
    return true;
}

void RestoreState(Document& document, const UndoState& state) {
    TableSettings& s = document.settings;
    const int32_t passwordSet = s.passwordSet;
    const QString password = s.password;
    const int oldColumns = s.columnCount;
    const int oldRows = s.rowCount;
    s = state.settings;
    s.passwordSet = passwordSet;
    s.password = password;
    for (int column = 0; column < s.columnCount; ++column) {
        for (int row = 0; row < s.rowCount; ++row) {
            CellRecord& cell = document.cell(column, row);
            // A cell that was outside the table takes the table's password pair, as on loading.
            const bool wasInTable = column < oldColumns && row < oldRows;
            const int32_t cellPasswordSet = wasInTable ? cell.passwordSet : passwordSet;
            const QString cellPassword = wasInTable ? cell.password : password;
            cell = *state.CellAt(column, row);
            cell.passwordSet = cellPasswordSet;
            cell.password = cellPassword;
        }
    }
    document.commands = CommandStore();
    for (const auto& [slot, command] : state.commands)
        document.commands.at(slot / kGridCapacity, slot % kGridCapacity) = command;
    document.extentRight = state.extentRight;
    document.extentBottom = state.extentBottom;
    document.undo.version = state.version;
}

const UndoState* NewestState(const UndoStore& undo) {
    return undo.undoSteps.empty() ? nullptr : &undo.undoSteps.back();
}

} // namespace

UndoState CaptureUndoState(const Document& document, const UndoState* shareWith) {
    UndoState state;
    state.settings = document.settings;
    ForgetPassword(state.settings);
    const int columns = state.settings.columnCount;
    const int rows = state.settings.rowCount;
    state.cells.reserve(size_t(std::max(columns, 0)) * size_t(std::max(rows, 0)));
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            CellRecord copy = StateFields(document.cell(column, row));
            const CellRecord* shared = shareWith ? shareWith->CellAt(column, row) : nullptr;
            if (shared && *shared == copy)
                state.cells.push_back(
                    shareWith->cells[size_t(column) * size_t(shareWith->settings.rowCount) +
                                     size_t(row)]);
            else
                state.cells.push_back(std::make_shared<const CellRecord>(std::move(copy)));
        }
    }
    for (int column = 0; column < kGridCapacity; ++column) {
        for (int row = 0; row < kGridCapacity; ++row) {
            const QString& command = document.commands.at(column, row);
            if (!command.isEmpty())
                state.commands.emplace_back(column * kGridCapacity + row, command);
        }
    }
    state.extentRight = document.extentRight;
    state.extentBottom = document.extentBottom;
    state.version = document.undo.version;
    return state;
}

void SnapshotForUndo(Document& document) {
    UndoStore& undo = document.undo;
    undo.undoSteps.push_back(CaptureUndoState(document, NewestState(undo)));
    undo.heldOldestStep.reset();
    if (undo.undoSteps.size() > size_t(UndoStore::kLevels)) {
        undo.heldOldestStep = std::move(undo.undoSteps.front());
        undo.undoSteps.pop_front();
    }
    undo.heldRedoSteps = std::move(undo.redoSteps);
    undo.redoSteps.clear();
    undo.version = ++undo.lastVersion;
}

void DropSnapshotIfUnchanged(Document& document) {
    UndoStore& undo = document.undo;
    if (undo.undoSteps.empty()) return;
    const UndoState& newest = undo.undoSteps.back();
    if (SameTable(CaptureUndoState(document, &newest), newest)) {
        undo.version = newest.version;
        undo.undoSteps.pop_back();
        if (undo.heldOldestStep) undo.undoSteps.push_front(std::move(*undo.heldOldestStep));
        undo.redoSteps = std::move(undo.heldRedoSteps);
    }
    undo.heldOldestStep.reset();
    undo.heldRedoSteps.clear();
}

bool UndoStep(Document& document) {
    UndoStore& undo = document.undo;
    undo.heldOldestStep.reset();
    undo.heldRedoSteps.clear();
    if (undo.undoSteps.empty()) return false;
    undo.redoSteps.push_back(CaptureUndoState(document, &undo.undoSteps.back()));
    const UndoState previous = std::move(undo.undoSteps.back());
    undo.undoSteps.pop_back();
    RestoreState(document, previous);
    return true;
}

bool RedoStep(Document& document) {
    UndoStore& undo = document.undo;
    undo.heldOldestStep.reset();
    undo.heldRedoSteps.clear();
    if (undo.redoSteps.empty()) return false;
    undo.undoSteps.push_back(CaptureUndoState(document, &undo.redoSteps.back()));
    const UndoState next = std::move(undo.redoSteps.back());
    undo.redoSteps.pop_back();
    RestoreState(document, next);
    return true;
}

void MarkSaved(Document& document) {
    document.undo.savedVersion = document.undo.version;
}

void MarkUnsavedChange(Document& document) {
    document.undo.version = ++document.undo.lastVersion;
}

PixelSize PlannedTableSize(int columnCount, int rowCount, int gridCellWidth, int gridCellHeight,
                           int separatorPixels, int lineThickness) {
    int allowance = 0;
    if (lineThickness == 5)
        allowance = 2;
    else if (lineThickness == 4 || lineThickness == 3)
        allowance = 1;
    return {columnCount * gridCellWidth + (columnCount - 1) * separatorPixels + 2 + allowance,
            rowCount * gridCellHeight + (rowCount - 1) * separatorPixels + 2 + allowance};
}
