#pragma once

#include "model/document.h"

struct DelimitedText;

// What a table of the given counts would leave out of the data.
struct DataCut {
    int columnsLeftOut = 0;
    int rowsLeftOut = 0;
    int fieldsCut = 0; // fields kept in the table but longer than a cell text holds

    bool Any() const { return columnsLeftOut > 0 || rowsLeftOut > 0 || fieldsCut > 0; }
};
DataCut MeasureDataCut(const DelimitedText& data, int columnCount, int rowCount);

// What writing data into the cells did besides filling them.
struct DataFill {
    int cellsOutside = 0; // fields beyond the table's last column or row
    int cellsSkipped = 0; // joined, cancelled or stopped cells, left as they were
    int fieldsCut = 0;    // fields cut to the capacity of a cell text
};

// Writes the fields into the cells from (column, row) rightward and downward, as the cell
// editing dialog would store them typed: spaces trimmed at both ends, line breaks made
// spaces, cut to a cell text. A field that reads fully as a number (DecimalSeparatorOf the
// data) becomes a numeric cell; unless the cell already shows numbers, it is right-aligned
// and in the English integer format when every number of its data column is whole, else in
// the English decimal format. Joined, cancelled and stopped cells are skipped; a stored series
// command of a written cell is dropped.
DataFill FillCellsFromData(Document& document, const DelimitedText& data, int column, int row);

// The counts of a table for the data: the data's, within 1 and the grid's capacity.
int TableColumnsFor(const DelimitedText& data);
int TableRowsFor(const DelimitedText& data);

// Replaces the document by a new table of the given counts at the drawing origin, with the
// cell size, lines, colours and switches of its settings, filled with the data from its first
// cell. The undo history is the new table's, empty.
DataFill CreateTableFromData(Document& document, const DelimitedText& data, int columnCount,
                             int rowCount, int origin);
