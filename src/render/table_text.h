// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct Document;

// The table's text as it is shown, for other programs: tab- or comma-separated values,
// a Markdown table, an HTML table, or a plain reading for a picture's alternative text.
enum class TableTextFormat { Tsv, Csv, Markdown, Html, Reading };

// A rectangle of cells, first and last included.
struct CellBlock {
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = -1;
    int lastRow = -1;
};

// The shown texts (number formats applied; series as the last redraw evaluated them) of
// the cells of `block`, or of the whole table when the block is empty. A joined block gives
// its text once, from its owner: HTML spans it over its cells, the others leave the cells it
// covers empty. Cancelled cells are empty.
QString TableText(const Document& document, const QString& decimalMask, TableTextFormat format,
                  const CellBlock& block = {});

// The smallest block holding every selected cell; empty when none is selected.
CellBlock SelectedBlock(const Document& document);
