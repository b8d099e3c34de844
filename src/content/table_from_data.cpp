// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/table_from_data.h"

#include "content/data_number.h"
#include "content/number_format.h"
#include "content/table_lines.h"
#include "model/delimited_text.h"
#include "model/space_trim.h"

#include <algorithm>
#include <vector>

namespace {

// The field as the cell dialog stores a typed text, before the cut to a cell's capacity.
QString TypedForm(const QString& field) {
    return TrimSpaces(NormaliseTypedText(field)).toString();
}

// A field longer than a cell text: the reader cuts the longest ones itself.
bool IsLongField(const DelimitedText& data, int row, int column) {
    return data.IsCut(row, column) ||
           TypedForm(data.rows[size_t(row)][column]).size() > kTextMaxUnits;
}

// For each column of the data: whether every number in it is whole.
std::vector<bool> WholeNumberColumns(const DelimitedText& data, QChar decimalSeparator) {
    std::vector<bool> whole(size_t(data.columnCount), true);
    for (const QStringList& row : data.rows) {
        for (int c = 0; c < data.columnCount; ++c) {
            const auto number = ReadDataNumber(row[c], decimalSeparator);
            if (number && number->contains(u'.')) whole[size_t(c)] = false;
        }
    }
    return whole;
}

} // namespace

DataCut MeasureDataCut(const DelimitedText& data, int columnCount, int rowCount) {
    DataCut cut;
    cut.columnsLeftOut = std::max(0, data.columnCount - columnCount);
    cut.rowsLeftOut = std::max(0, data.rowCount() - rowCount);
    const int rows = std::min(data.rowCount(), rowCount);
    const int columns = std::min(data.columnCount, columnCount);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            cut.fieldsCut += IsLongField(data, r, c);
    }
    return cut;
}

DataFill FillCellsFromData(Document& document, const DelimitedText& data, int column, int row) {
    DataFill fill;
    const QChar decimalSeparator = DecimalSeparatorOf(data);
    const std::vector<bool> wholeColumns = WholeNumberColumns(data, decimalSeparator);
    for (int r = 0; r < data.rowCount(); ++r) {
        for (int c = 0; c < data.columnCount; ++c) {
            const int cellColumn = column + c;
            const int cellRow = row + r;
            if (!document.InTable(cellColumn, cellRow)) {
                ++fill.cellsOutside;
                continue;
            }
            CellRecord& cell = document.cell(cellColumn, cellRow);
            if (cell.joinState != kJoinNone || cell.cellState != kCellNormal) {
                ++fill.cellsSkipped;
                continue;
            }
            const QString& field = data.rows[size_t(r)][c];
            if (const auto number = ReadDataNumber(field, decimalSeparator)) {
                cell.text = CutToTextCapacity(*number);
                if (cell.numericAllowed != 1) {
                    cell.numberFormat = wholeColumns[size_t(c)] ? kEnglishInteger : kEnglishDecimal;
                    cell.alignment = Alignment::Right;
                }
                cell.numericAllowed = 1;
            } else {
                fill.fieldsCut += IsLongField(data, r, c);
                cell.text = CutToTextCapacity(TypedForm(field));
                cell.numericAllowed = 0;
            }
            document.commands.at(cellColumn, cellRow).clear();
        }
    }
    return fill;
}

namespace {

// A new last row made like the one above it: its looks and horizontal joins, no text.
bool AddRowLikeTheLast(Document& document) {
    if (!InsertRow(document)) return false;
    const int row = document.settings.rowCount - 1;
    for (int column = 0; column < document.settings.columnCount; ++column) {
        CellRecord& cell = document.cell(column, row);
        CellRecord like = document.cell(column, row - 1);
        like.left = cell.left;
        like.top = cell.top;
        like.right = cell.right;
        like.bottom = cell.bottom;
        like.row = cell.row;
        like.text.clear();
        like.selected = 0;
        if (like.joinState == kJoinedAbove) like.joinState = kJoinNone;
        cell = like;
    }
    return true;
}

// The fields of a record from `first` on that hold more than spaces: the padding of a short
// record is no data left out.
int FieldsWithText(const QStringList& fields, qsizetype first) {
    int count = 0;
    for (qsizetype f = first; f < fields.size(); ++f)
        count += !fields[f].trimmed().isEmpty();
    return count;
}

// The cells of a row that show their own text, from `column` on.
std::vector<int> WritableCells(const Document& document, int column, int row) {
    std::vector<int> cells;
    for (int c = std::max(column, 0); c < document.settings.columnCount; ++c) {
        const CellRecord& cell = document.cell(c, row);
        if (cell.joinState == kJoinNone && cell.cellState == kCellNormal) cells.push_back(c);
    }
    return cells;
}

void WriteField(Document& document, int column, int row, const QString& field,
                QChar decimalSeparator) {
    CellRecord& cell = document.cell(column, row);
    const auto number = ReadDataNumber(field, decimalSeparator);
    if (number && cell.numericAllowed == 1) {
        cell.text = CutToTextCapacity(*number);
    } else {
        // Shown through a number format, a text would read as a number it is not.
        cell.text = CutToTextCapacity(TypedForm(field));
        cell.numericAllowed = 0;
    }
    document.commands.at(column, row).clear();
}

} // namespace

RefreshOutcome RefreshTableData(Document& document, const DelimitedText& data,
                                const RefreshPlacement& placement) {
    RefreshOutcome outcome;
    const int firstRow = std::max(placement.row, 0);
    outcome.rowsNeeded = data.rowCount();
    const int rowsThere = std::max(0, int(document.settings.rowCount) - firstRow);
    if (data.rowCount() > rowsThere && !placement.grow) {
        outcome.refused = true;
        return outcome;
    }
    const QChar decimalSeparator = DecimalSeparatorOf(data);
    for (int r = 0; r < data.rowCount(); ++r) {
        const int row = firstRow + r;
        if (row >= document.settings.rowCount) {
            if (!AddRowLikeTheLast(document)) {
                for (int left = r; left < data.rowCount(); ++left)
                    outcome.fieldsLeftOut += FieldsWithText(data.rows[size_t(left)], 0);
                break;
            }
            ++outcome.rowsAdded;
        }
        const std::vector<int> cells = WritableCells(document, placement.column, row);
        const QStringList& fields = data.rows[size_t(r)];
        for (qsizetype f = 0; f < fields.size(); ++f) {
            if (f >= qsizetype(cells.size())) {
                outcome.fieldsLeftOut += FieldsWithText(fields, f);
                break;
            }
            WriteField(document, cells[size_t(f)], row, fields[f], decimalSeparator);
        }
    }
    if (placement.clearRest)
        for (int row = firstRow + data.rowCount(); row < document.settings.rowCount; ++row)
            for (const int column : WritableCells(document, placement.column, row)) {
                document.cell(column, row).text.clear();
                document.commands.at(column, row).clear();
            }
    return outcome;
}

int TableColumnsFor(const DelimitedText& data) {
    return std::clamp(data.columnCount, 1, kGridCapacity);
}

int TableRowsFor(const DelimitedText& data) {
    return std::clamp(data.rowCount(), 1, kGridCapacity);
}

DataFill CreateTableFromData(Document& document, const DelimitedText& data, int columnCount,
                             int rowCount, int origin) {
    document.settings.tableRetouched = 0;
    CreateTable(document, columnCount, rowCount, origin, origin, document.settings.lineColour);
    return FillCellsFromData(document, data, 0, 0);
}
