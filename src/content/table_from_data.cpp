#include "content/table_from_data.h"

#include "content/data_number.h"
#include "content/number_format.h"
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
                    cell.alignment = kAlignRight;
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
