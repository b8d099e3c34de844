#include "cli/table_dump.h"

#include "cli/json_writer.h"
#include "content/number_format.h"

namespace {

void DumpCell(JsonWriter& json, const Document& document, const QString& decimalMask, int column,
              int row) {
    const CellRecord& cell = document.cell(column, row);
    json.BeginObject();
    json.Field(QStringLiteral("column"), column);
    json.Field(QStringLiteral("row"), row);
    json.Field(QStringLiteral("left"), cell.left);
    json.Field(QStringLiteral("top"), cell.top);
    json.Field(QStringLiteral("right"), cell.right);
    json.Field(QStringLiteral("bottom"), cell.bottom);
    json.Field(QStringLiteral("backColour"), cell.backColour);
    json.Field(QStringLiteral("textColour"), cell.textColour);
    json.Field(QStringLiteral("fontName"), cell.fontName);
    json.Field(QStringLiteral("fontSize"), cell.fontSize);
    json.Field(QStringLiteral("bold"), cell.bold);
    json.Field(QStringLiteral("italic"), cell.italic);
    json.Field(QStringLiteral("underline"), cell.underline);
    json.Field(QStringLiteral("strikeout"), cell.strikeout);
    json.Field(QStringLiteral("leading"), cell.leading);
    json.Field(QStringLiteral("imageSpec"), cell.imageSpec);
    json.Field(QStringLiteral("text"), cell.text);
    json.Field(QStringLiteral("shownText"), ShownText(cell, decimalMask));
    json.Field(QStringLiteral("alignment"), cell.alignment);
    json.Field(QStringLiteral("joinState"), cell.joinState);
    json.Field(QStringLiteral("cellState"), cell.cellState);
    json.Field(QStringLiteral("numberFormat"), cell.numberFormat);
    json.Field(QStringLiteral("numericAllowed"), cell.numericAllowed);
    json.Field(QStringLiteral("operationDescriptor"), cell.operationDescriptor);
    json.Field(QStringLiteral("iconPath"), cell.iconPath);
    json.Field(QStringLiteral("lineColour"), cell.lineColour);
    json.Field(QStringLiteral("command"), document.commands.at(column, row));
    json.EndObject();
}

} // namespace

QByteArray DumpTableJson(const Document& document, int decimalPlaces) {
    const TableSettings& s = document.settings;
    JsonWriter json;
    json.BeginObject();
    json.Field(QStringLiteral("columnCount"), s.columnCount);
    json.Field(QStringLiteral("rowCount"), s.rowCount);
    json.Field(QStringLiteral("gridCellWidth"), s.gridCellWidth);
    json.Field(QStringLiteral("gridCellHeight"), s.gridCellHeight);
    json.Field(QStringLiteral("separatorPixels"), s.separatorPixels);
    json.Field(QStringLiteral("lineThickness"), s.lineThickness);
    json.Field(QStringLiteral("lineColour"), s.lineColour);
    json.Field(QStringLiteral("pageColour"), s.pageColour);
    json.Field(QStringLiteral("horizontalTitleBar"), s.horizontalTitleBar);
    json.Field(QStringLiteral("verticalTitleBar"), s.verticalTitleBar);
    json.Field(QStringLiteral("horizontalBarFill"), s.horizontalBarFill);
    json.Field(QStringLiteral("verticalBarFill"), s.verticalBarFill);
    json.Field(QStringLiteral("horizontalBarBorder"), s.horizontalBarBorder);
    json.Field(QStringLiteral("verticalBarBorder"), s.verticalBarBorder);
    json.Field(QStringLiteral("horizontalLinesWithCellAreas"), s.horizontalLinesWithCellAreas);
    json.Field(QStringLiteral("verticalLinesWithCellAreas"), s.verticalLinesWithCellAreas);
    json.Field(QStringLiteral("passwordSet"), s.passwordSet);
    json.Field(QStringLiteral("tableRetouched"), s.tableRetouched);
    json.Field(QStringLiteral("decimalPlaces"), decimalPlaces);
    const QString decimalMask = BuildDecimalMask(decimalPlaces);
    json.BeginArray(QStringLiteral("cells"));
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
