// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/data_number.h"
#include "content/number_format.h"
#include "content/qstring_printer.h"
#include "content/table_from_data.h"
#include "model/delimited_text.h"

#include <gtest/gtest.h>

namespace {

Document SmallTable(int columns, int rows) {
    Document document;
    document.settings.gridCellWidth = 40;
    document.settings.gridCellHeight = 20;
    CreateTable(document, columns, rows, 2, 2, 0);
    return document;
}

QByteArray Csv(int columns, int rows) {
    QByteArray csv;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            csv += (column > 0 ? "," : "") + QByteArray::number(column);
        csv += '\n';
    }
    return csv;
}

} // namespace

TEST(DataNumber, SignsGroupingAndDecimalSeparators) {
    EXPECT_EQ(ReadDataNumber(u"1,234.5", u'.'), QStringLiteral("1234.5"));
    EXPECT_EQ(ReadDataNumber(u" -1.234.567,89 ", u','), QStringLiteral("-1234567.89"));
    EXPECT_EQ(ReadDataNumber(u"+3,5", u','), QStringLiteral("3.5"));
    EXPECT_EQ(ReadDataNumber(u"-.5", u'.'), QStringLiteral("-0.5"));
    EXPECT_EQ(ReadDataNumber(u"007", u'.'), QStringLiteral("007"));
    for (const char16_t* text : {u"1,23", u"1234,567", u"12.", u"1e5", u"-", u"", u"3 kg",
                                 u"1,234,56", u"2026-12-08", u"1.5.5"})
        EXPECT_FALSE(ReadDataNumber(text, u'.').has_value())
            << QString::fromUtf16(text).toStdString();
    EXPECT_FALSE(ReadDataNumber(u"1.5", u',').has_value());

    // "1,234" decides nothing; "3,5" and "1.234,5" speak for ",".
    EXPECT_EQ(DecimalSeparatorOf(ReadDelimitedText("1,234;3,5;1.234,5;2.5\n", u';')), u',');
    EXPECT_EQ(DecimalSeparatorOf(ReadDelimitedText("\"1,234\",2.5\n")), u'.');
}

TEST(TableFromData, SemicolonFileWithCommaDecimalsBecomesNumericCells) {
    const DelimitedText data = ReadDelimitedText(
        "Product ; Price;Stock\r\n  Caf\xC3\xA9 ;1.234,50;-3\r\n\"Line\r\nbreak\";0,5;x\r\n");
    Document document;
    document.settings.gridCellWidth = 104;
    document.settings.gridCellHeight = 28;
    const DataFill fill =
        CreateTableFromData(document, data, TableColumnsFor(data), TableRowsFor(data), 2);
    EXPECT_EQ(fill.cellsOutside, 0);
    EXPECT_EQ(document.settings.columnCount, 3);
    EXPECT_EQ(document.settings.rowCount, 3);
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("Product"));
    EXPECT_EQ(document.cell(0, 1).text, QStringLiteral(u"Café"));
    EXPECT_EQ(document.cell(0, 2).text, QStringLiteral("Line break"));
    EXPECT_EQ(document.cell(0, 1).numericAllowed, 0);
    const CellRecord& price = document.cell(1, 1);
    EXPECT_EQ(price.text, QStringLiteral("1234.50"));
    EXPECT_EQ(price.numericAllowed, 1);
    EXPECT_EQ(price.numberFormat, kEnglishDecimal);
    EXPECT_EQ(price.alignment, Alignment::Right);
    EXPECT_EQ(document.cell(1, 0).alignment, Alignment::Left);
    EXPECT_EQ(ShownText(price, BuildDecimalMask(2)), QStringLiteral("1,234.50"));
    // A column of whole numbers only ("x" is no number) is shown as integers.
    EXPECT_EQ(document.cell(2, 1).numberFormat, kEnglishInteger);
    EXPECT_EQ(document.cell(2, 1).alignment, Alignment::Right);
    EXPECT_EQ(ShownText(document.cell(2, 1), BuildDecimalMask(2)), QStringLiteral("-3"));
    EXPECT_EQ(document.cell(1, 2).text, QStringLiteral("0.5"));
    EXPECT_EQ(document.cell(2, 2).text, QStringLiteral("x"));
    EXPECT_EQ(document.cell(2, 2).left, 2 * 104 + 2);
}

TEST(TableFromData, LimitsOfTheGridAndOfACellText) {
    const DelimitedText largest = ReadDelimitedText(Csv(111, 111));
    EXPECT_FALSE(MeasureDataCut(largest, kGridCapacity, kGridCapacity).Any());
    Document document;
    document.settings.gridCellWidth = 10;
    document.settings.gridCellHeight = 10;
    CreateTableFromData(document, largest, TableColumnsFor(largest), TableRowsFor(largest), 2);
    EXPECT_EQ(document.settings.columnCount, 111);
    EXPECT_EQ(document.cell(110, 110).text, QStringLiteral("110"));

    const DataCut wide =
        MeasureDataCut(ReadDelimitedText(Csv(112, 3)), kGridCapacity, kGridCapacity);
    EXPECT_EQ(wide.columnsLeftOut, 1);
    EXPECT_EQ(wide.rowsLeftOut, 0);
    EXPECT_TRUE(wide.Any());

    // Fields are measured after trimming; only those inside the counts count.
    const QByteArray longField(274, 'a');
    const DelimitedText texts =
        ReadDelimitedText("  " + QByteArray(273, 'b') + "  ," + longField + "," + longField + "\n");
    const DataCut cut = MeasureDataCut(texts, 2, 5);
    EXPECT_EQ(cut.fieldsCut, 1);
    EXPECT_EQ(cut.columnsLeftOut, 1);
    Document small = SmallTable(3, 2);
    EXPECT_EQ(FillCellsFromData(small, texts, 0, 0).fieldsCut, 2);
    EXPECT_EQ(small.cell(1, 0).text.size(), kTextMaxUnits);

    // A field the reader cut counts, even when what it kept would fit.
    const DelimitedText padded = ReadDelimitedText("z,x" + QByteArray(900, ' ') + "y\n");
    EXPECT_EQ(MeasureDataCut(padded, 2, 1).fieldsCut, 1);
    EXPECT_EQ(MeasureDataCut(padded, 1, 1).fieldsCut, 0);
    EXPECT_EQ(FillCellsFromData(small, padded, 1, 1).fieldsCut, 1);
    EXPECT_EQ(small.cell(2, 1).text, QStringLiteral("x"));
}

TEST(TableFromData, FillingFromACellSkipsJoinedCancelledAndStoppedCells) {
    Document document = SmallTable(3, 3);
    document.cell(2, 1).cellState = kCellCancelled;
    document.cell(1, 2).joinState = kJoinedLeft;
    document.cell(1, 1).numericAllowed = 1;
    document.cell(1, 1).numberFormat = kSpanishDecimal;
    document.cell(1, 1).alignment = Alignment::Centred;
    document.commands.at(1, 1) = QStringLiteral("series");
    const DelimitedText data = ReadDelimitedText("1,5\tx\ty\n2\tz\tw\n", u'\t');
    const DataFill fill = FillCellsFromData(document, data, 1, 1);
    EXPECT_EQ(fill.cellsOutside, 2); // column 3 of both rows
    EXPECT_EQ(fill.cellsSkipped, 2);
    EXPECT_EQ(document.cell(1, 1).text, QStringLiteral("1.5"));
    // A numeric cell keeps its format and alignment.
    EXPECT_EQ(document.cell(1, 1).numberFormat, kSpanishDecimal);
    EXPECT_EQ(document.cell(1, 1).alignment, Alignment::Centred);
    EXPECT_TRUE(document.commands.at(1, 1).isEmpty());
    EXPECT_EQ(document.cell(2, 1).text, QString());
    EXPECT_EQ(document.cell(1, 2).text, QString());
    EXPECT_EQ(document.cell(2, 2).text, QStringLiteral("z"));
}

TEST(TableRefresh, NewTextsGoIntoTheCellsAndEveryLookStays) {
    // A styled price list: a joined title over three cells, a coloured numeric price column.
    Document document = SmallTable(3, 4);
    document.cell(0, 0).text = QStringLiteral("Title");
    document.cell(1, 0).joinState = kJoinedLeft;
    document.cell(2, 0).joinState = kJoinedLeft;
    for (int row = 1; row < 4; ++row) {
        CellRecord& price = document.cell(2, row);
        price.numericAllowed = 1;
        price.numberFormat = kEnglishDecimal;
        price.backColour = 0x00FF00;
        price.alignment = Alignment::Centred;
        price.text = QStringLiteral("1");
    }
    document.cell(0, 3).text = QStringLiteral("old");
    document.commands.at(1, 1) = QStringLiteral("fmonthsf");
    const Document before = document;
    const DelimitedText data =
        ReadDelimitedText("New title,left,out\nTea,x,\"1.234,5\"\nJam,y,none\n", u',');
    const RefreshOutcome outcome = RefreshTableData(document, data, {});
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.rowsAdded, 0);
    EXPECT_EQ(outcome.fieldsLeftOut, 2); // the title block takes one field of its row
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("New title"));
    EXPECT_EQ(document.cell(1, 0).joinState, kJoinedLeft);
    EXPECT_EQ(document.cell(1, 1).text, QStringLiteral("x"));
    EXPECT_TRUE(document.commands.at(1, 1).isEmpty());
    // A number stays a number in its own format; a text makes the cell plain.
    const CellRecord& tea = document.cell(2, 1);
    EXPECT_EQ(tea.text, QStringLiteral("1234.5"));
    EXPECT_EQ(ShownText(tea, BuildDecimalMask(2)), QStringLiteral("1,234.50"));
    EXPECT_EQ(tea.backColour, 0x00FF00);
    EXPECT_EQ(tea.alignment, Alignment::Centred);
    EXPECT_EQ(document.cell(2, 2).text, QStringLiteral("none"));
    EXPECT_EQ(document.cell(2, 2).numericAllowed, 0);
    // Fewer rows leave the rest as it was.
    EXPECT_EQ(document.cell(0, 3).text, QStringLiteral("old"));
    EXPECT_EQ(document.cell(2, 3), before.cell(2, 3));
    // Written in numbers into a text cell, a field stays as written.
    Document plain = SmallTable(1, 1);
    RefreshTableData(plain, ReadDelimitedText("3.50\n"), {});
    EXPECT_EQ(plain.cell(0, 0).text, QStringLiteral("3.50"));
    EXPECT_EQ(plain.cell(0, 0).numericAllowed, 0);
}

TEST(TableRefresh, RowsBeyondTheTableAreRefusedOrAddedAndTheRestCleared) {
    Document document = SmallTable(2, 3);
    document.cell(0, 2).backColour = 0x0000FF;
    document.cell(0, 2).joinState = kJoinNone;
    document.cell(1, 2).joinState = kJoinedLeft;
    const Document before = document;
    const DelimitedText data = ReadDelimitedText("a\nb\nc\n");
    // From the second row, three rows need one more than the table has.
    const RefreshOutcome refused = RefreshTableData(document, data, {0, 1});
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(refused.rowsNeeded, 3);
    EXPECT_EQ(document.cell(0, 1), before.cell(0, 1));
    EXPECT_EQ(document.settings.rowCount, 3);
    EXPECT_FALSE(RefreshTableData(document, data, {0, 0}).refused); // exactly enough

    const RefreshOutcome grown = RefreshTableData(document, data, {0, 1, true});
    EXPECT_EQ(grown.rowsAdded, 1);
    EXPECT_EQ(document.settings.rowCount, 4);
    const CellRecord& added = document.cell(0, 3);
    EXPECT_EQ(added.text, QStringLiteral("c"));
    EXPECT_EQ(added.backColour, 0x0000FF);
    EXPECT_EQ(added.row, 3);
    EXPECT_EQ(added.top, document.cell(0, 2).top + 20);
    EXPECT_EQ(document.cell(1, 3).joinState, kJoinedLeft);
    EXPECT_EQ(document.cell(1, 3).rowCount, 4);

    // One row of data from the top, the rest emptied.
    RefreshTableData(document, ReadDelimitedText("z\n"), {0, 0, false, true});
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("z"));
    for (int row = 1; row < 4; ++row)
        EXPECT_TRUE(document.cell(0, row).text.isEmpty()) << row;

    // A full grid takes no more rows; what does not fit is counted.
    Document full = SmallTable(1, kGridCapacity);
    QByteArray rows;
    for (int row = 0; row < kGridCapacity + 2; ++row)
        rows += "r\n";
    const RefreshOutcome capped = RefreshTableData(full, ReadDelimitedText(rows), {0, 0, true});
    EXPECT_EQ(capped.rowsAdded, 0);
    EXPECT_EQ(capped.fieldsLeftOut, 2);
}
