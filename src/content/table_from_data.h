// SPDX-License-Identifier: GPL-3.0-or-later
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

// Where a refresh puts the data, and what it may do to the table.
struct RefreshPlacement {
    int column = 0; // the cell of the data's first field
    int row = 0;
    bool grow = false;      // rows beyond the table's end are added, made like its last row
    bool clearRest = false; // the rows after the data's are emptied
};

// What a refresh did, or why it did nothing.
struct RefreshOutcome {
    bool refused = false; // more data rows than the table has from the placement on
    int rowsNeeded = 0;   // the table's rows the data needs from the placement on
    int rowsAdded = 0;
    int fieldsLeftOut = 0; // fields beyond their row's last cell, or beyond a full grid
};

// The data into a finished table, texts only: row by row from the placement, each field to
// the next cell of its row that shows its own text (a joined block takes one field; covered,
// cancelled and stopped cells take none). A cell keeps its font, colours, alignment, number
// format, joins, image and icon; a number into a numeric cell stays a number, any other field
// makes the cell plain text. The stored series commands of the written cells are dropped.
// Data with more rows than the table has from the placement on is refused, the table
// untouched, unless the placement grows it.
RefreshOutcome RefreshTableData(Document& document, const DelimitedText& data,
                                const RefreshPlacement& placement);

// The counts of a table for the data: the data's, within 1 and the grid's capacity.
int TableColumnsFor(const DelimitedText& data);
int TableRowsFor(const DelimitedText& data);

// Replaces the document by a new table of the given counts at the drawing origin, with the
// cell size, lines, colours and switches of its settings, filled with the data from its first
// cell. The undo history is the new table's, empty.
DataFill CreateTableFromData(Document& document, const DelimitedText& data, int columnCount,
                             int rowCount, int origin);
