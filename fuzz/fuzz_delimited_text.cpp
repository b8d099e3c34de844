// Reads arbitrary bytes as CSV or TSV data and fills a table with them: every row must come
// out as wide as the widest, and filling a table must stay inside it.
#include "content/table_from_data.h"
#include "model/delimited_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DelimitedText text = ReadDelimitedText(bytes);
    for (const QStringList& row : text.rows) {
        if (row.size() != text.columnCount) abort();
    }
    Document document;
    document.settings.gridCellWidth = 10;
    document.settings.gridCellHeight = 10;
    const DataFill fill =
        CreateTableFromData(document, text, TableColumnsFor(text), TableRowsFor(text), 2);
    const DataCut cut = MeasureDataCut(text, kGridCapacity, kGridCapacity);
    if ((fill.cellsOutside > 0) != (cut.columnsLeftOut > 0 || cut.rowsLeftOut > 0)) abort();
    return 0;
}
