// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as CSV or TSV data, within the grid's limits, and fills a table of the
// data's own size: every row must come out as wide as the widest, nothing beyond the limits is
// kept, and filling must stay inside the table. The grid is made once; each input puts back
// only the cells it used, so an input costs what its own size costs.
#include "content/table_from_data.h"
#include "model/delimited_text.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

Document LargestTable() {
    Document document;
    document.settings.gridCellWidth = 10;
    document.settings.gridCellHeight = 10;
    CreateTable(document, kGridCapacity, kGridCapacity, 2, 2, 0);
    return document;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    DataLimits limits;
    limits.records = kGridCapacity;
    limits.fields = kGridCapacity;
    limits.stopAtFirstCut = size % 2 == 1;
    const DelimitedText text = ReadDelimitedText(buffer, limits);
    if (text.rowCount() > kGridCapacity || text.columnCount > kGridCapacity) abort();
    for (const QStringList& row : text.rows) {
        if (row.size() != text.columnCount) abort();
    }
    for (const auto& [row, column] : text.cutFields) {
        if (row >= text.rowCount() || column >= text.columnCount) abort();
    }
    if (text.nulLine > 0 && !bytes.contains('\0')) abort();

    static const Document pristine = LargestTable();
    static Document document = pristine;
    const int columns = TableColumnsFor(text);
    const int rows = TableRowsFor(text);
    document.settings.columnCount = int16_t(columns);
    document.settings.rowCount = int16_t(rows);
    const DataFill fill = FillCellsFromData(document, text, 0, 0);
    if (fill.cellsOutside > 0 || fill.fieldsCut > MeasureDataCut(text, columns, rows).fieldsCut)
        abort();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            document.cell(column, row) = pristine.cell(column, row);
            document.commands.at(column, row).clear();
        }
    }
    return 0;
}
