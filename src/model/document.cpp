#include "model/document.h"

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

void SnapshotForUndo(Document& document) {
    SnapshotForUndo(document.undo, document.grid, document.settings.columnCount,
                    document.settings.rowCount);
}

void RestoreFromUndo(Document& document) {
    RestoreFromUndo(document.undo, document.grid, document.settings.columnCount,
                    document.settings.rowCount);
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
