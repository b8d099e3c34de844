// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"

#include <QString>
#include <optional>

// What Find and Replace look for.
struct FindQuery {
    QString text;
    bool matchCase = false;
    // The cell's whole stored text equals the query, instead of containing it.
    bool wholeCell = false;
};

struct FoundCell {
    int column = 0;
    int row = 0;
    bool operator==(const FoundCell&) const = default;
};

// The text a search reads in a cell: its series command when it has one (the cell then shows
// a generated value), else its text as stored (a number as typed, not as formatted).
QString StoredText(const Document& document, int column, int row);

// Whether the cell is searched (it can be typed over: neither cancelled, stopped nor covered
// by a joined block) and its stored text matches.
bool CellMatches(const Document& document, int column, int row, const FindQuery& query);

// The next matching cell after (column, row) in reading order (rows top to bottom, each left
// to right), or the one before it going back; the search wraps past the table's end and
// comes back to the start cell last. Nothing when no cell matches or the query is empty.
std::optional<FoundCell> FindMatch(const Document& document, const FindQuery& query, int column,
                                   int row, bool backward);

enum class ReplaceResult { Replaced, NoMatch, TooLong };
// Replaces what matches in the cell (every occurrence, or the whole text) and writes the new
// text where it was stored: the cell's text, and its series command when it has one. A result
// longer than a cell holds leaves the cell as it was.
ReplaceResult ReplaceInCell(Document& document, int column, int row, const FindQuery& query,
                            const QString& replacement);

struct ReplaceCounts {
    int changed = 0;
    int tooLong = 0; // matching cells left because the new text would not fit
};
// ReplaceInCell over every cell of the table.
ReplaceCounts ReplaceEverywhere(Document& document, const FindQuery& query,
                                const QString& replacement);
