// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/table_dump.h"

#include "cli/json_writer.h"
#include "content/number_format.h"

namespace {

void DumpCell(JsonWriter& json, const Document& document, const QString& decimalMask, int column,
              int row) {
    const CellRecord& cell = document.cell(column, row);
    json.BeginObject();
    json.Field("column", column);
    json.Field("row", row);
    json.Field("left", cell.left);
    json.Field("top", cell.top);
    json.Field("right", cell.right);
    json.Field("bottom", cell.bottom);
    json.Field("backColour", cell.backColour);
    json.Field("textColour", cell.textColour);
    json.Field("fontName", cell.fontName);
    json.Field("fontSize", cell.fontSize);
    json.Field("bold", cell.bold);
    json.Field("italic", cell.italic);
    json.Field("underline", cell.underline);
    json.Field("strikeout", cell.strikeout);
    json.Field("leading", cell.leading);
    json.Field("imageSpec", cell.imageSpec);
    json.Field("text", cell.text);
    json.Field("shownText", ShownText(cell, decimalMask));
    json.Field("alignment", int(cell.alignment));
    json.Field("joinState", cell.joinState);
    json.Field("cellState", cell.cellState);
    json.Field("numberFormat", cell.numberFormat);
    json.Field("numericAllowed", cell.numericAllowed);
    json.Field("operationDescriptor", cell.operationDescriptor);
    json.Field("iconPath", cell.iconPath);
    json.Field("lineColour", cell.lineColour);
    json.Field("command", document.commands.at(column, row));
    json.EndObject();
}

} // namespace

QByteArray DumpTableJson(const Document& document, int decimalPlaces) {
    const TableSettings& s = document.settings;
    JsonWriter json;
    json.BeginObject();
    json.Field("columnCount", s.columnCount);
    json.Field("rowCount", s.rowCount);
    json.Field("gridCellWidth", s.gridCellWidth);
    json.Field("gridCellHeight", s.gridCellHeight);
    json.Field("separatorPixels", s.separatorPixels);
    json.Field("lineThickness", s.lineThickness);
    json.Field("lineColour", s.lineColour);
    json.Field("pageColour", s.pageColour);
    json.Field("horizontalTitleBar", s.horizontalTitleBar);
    json.Field("verticalTitleBar", s.verticalTitleBar);
    json.Field("horizontalBarFill", s.horizontalBarFill);
    json.Field("verticalBarFill", s.verticalBarFill);
    json.Field("horizontalBarBorder", s.horizontalBarBorder);
    json.Field("verticalBarBorder", s.verticalBarBorder);
    json.Field("horizontalLinesWithCellAreas", s.horizontalLinesWithCellAreas);
    json.Field("verticalLinesWithCellAreas", s.verticalLinesWithCellAreas);
    json.Field("passwordSet", s.passwordSet);
    json.Field("tableRetouched", s.tableRetouched);
    json.Field("decimalPlaces", decimalPlaces);
    const QString decimalMask = BuildDecimalMask(decimalPlaces);
    json.BeginArray("cells");
    for (int row = 0; row < s.rowCount; ++row) {
        for (int column = 0; column < s.columnCount; ++column)
            DumpCell(json, document, decimalMask, column, row);
    }
    json.EndArray();
    json.EndObject();
    QByteArray out = json.bytes();
    out.append('\n');
    return out;
}
