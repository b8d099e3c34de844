// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/cell_record.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

struct Document;

// How the cells of one part of a table look. An empty font name or a size of 0 keeps the
// cell's own face or size. Texts take `textAlignment`; numbers are right-aligned outside the
// header row.
struct PartLook {
    int32_t backColour = kWhite;
    int32_t textColour = 0;
    int32_t bold = 0;
    int32_t italic = 0;
    QString fontName;
    int16_t fontSize = 0;
    Alignment textAlignment = Alignment::Left;

    bool operator==(const PartLook&) const = default;
};

// The lines of a styled table: the plain grid or one of the two line styles with cell areas.
enum class StyleLines { Grid, Rows, Columns };

// A finished look for a table. A part left out looks like the body rows around it.
struct TableStyle {
    QString name;
    std::optional<PartLook> header;      // the first row
    std::optional<PartLook> firstColumn; // the first column below the header
    PartLook oddRows;                    // the first, third ... row below the header
    PartLook evenRows;
    std::optional<PartLook> lastRow; // totals
    StyleLines lines = StyleLines::Grid;
    int32_t lineColour = 0;
    int32_t lineThickness = 1;
    // The header row drawn as the horizontal title bar, filled with the header's colour.
    bool titleBar = false;
    int32_t barBorder = 0;

    bool operator==(const TableStyle&) const = default;
};

// The first style of that name, or nothing.
const TableStyle* FindStyle(const std::vector<TableStyle>& styles, const QString& name);
QStringList StyleNames(const std::vector<TableStyle>& styles);

// The whole table takes the style: the looks of its cells, its line style, line colour and
// thickness, and its title bars. Joined-away and cancelled cells, image pictures, texts,
// number formats and series commands stay as they are.
void ApplyTableStyle(Document& document, const TableStyle& style);
// Only the selected cells take the cell looks, as if the rectangle around them were the
// table; the table-wide lines and title bars stay.
void ApplyStyleToSelection(Document& document, const TableStyle& style);
bool AnyCellSelected(const Document& document);
// A cell shown as a number, or whose text reads fully as one.
bool IsNumberCell(const CellRecord& cell);
