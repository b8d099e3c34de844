// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/colour_scale.h"
#include "model/document.h"

#include <optional>
#include <vector>

// Colour by value writes ordinary cell fills, text colours and bold: nothing is kept of the
// scale or the rule, so applying again recomputes from the numbers as they are then.

// The cells from one corner to the other, columns and rows from 0, both corners included.
struct CellRange {
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = 0;
    int lastRow = 0;
};

// The table without its title bars: what is coloured when no cells are chosen.
CellRange TableBodyRange(const Document& document);

// A number cell of the range: a text that is a number as cells store it ("12.5", "-3"), in a
// cell that is not cancelled nor covered by a joined block. Other cells are never touched.
std::optional<long double> CellNumber(const CellRecord& cell);
// The numbers of the range's number cells, rows outer, columns inner; the range is held
// inside the table.
std::vector<long double> NumbersIn(const Document& document, const CellRange& range);

// Fills every number cell of the range with its colour on the scale and gives it black or
// white text, whichever reads better on that fill. Returns how many cells were coloured.
int ColourByScale(Document& document, const CellRange& range, const ColourScale& scale);

// What a rule compares a cell's number with.
enum class RuleComparison { Greater, Less, Between, Equal };
struct ColourRule {
    RuleComparison comparison = RuleComparison::Greater;
    long double value = 0;
    long double upper = 0; // Between: value..upper, both included
    int32_t fill = 0xFFFFFF;
    std::optional<int32_t> text; // none: black or white, whichever reads better on the fill
    bool bold = false;           // true makes the text bold; false leaves bold as it is
    bool operator==(const ColourRule&) const = default;
};
// A number typed for a rule or a scale's middle: as a cell stores it, "." as decimal point.
std::optional<long double> ReadTypedNumber(QStringView text);
bool RuleHolds(const ColourRule& rule, long double number);
// Gives every number cell of the range for which the rule holds its fill, text colour and
// bold; the others keep their look. Returns how many cells were coloured.
int ColourByRule(Document& document, const CellRange& range, const ColourRule& rule);
