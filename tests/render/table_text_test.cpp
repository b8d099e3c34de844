// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/number_format.h"
#include "fixtures/table_builder.h"
#include "model/document.h"
#include "render/table_text.h"

#include <gtest/gtest.h>

namespace {

// Item | Price, each | (empty)
// [Wide <b>& joined over two cells] | 1,234.50 (a number in the English decimal format)
// (cancelled "gone") | a|b | tab<TAB>here
Document Sample() {
    Document document = MakeTable(3, 3);
    document.cell(0, 0).text = QStringLiteral("Item");
    document.cell(1, 0).text = QStringLiteral("Price, each");
    document.cell(0, 1).text = QStringLiteral("Wide <b>&");
    document.cell(1, 1).joinState = kJoinedLeft;
    document.cell(1, 1).text = QStringLiteral("hidden");
    CellRecord& number = document.cell(2, 1);
    number.text = QStringLiteral("1234.5");
    number.numericAllowed = 1;
    number.numberFormat = kEnglishDecimal;
    document.cell(0, 2).text = QStringLiteral("gone");
    document.cell(0, 2).cellState = kCellCancelled;
    document.cell(1, 2).text = QStringLiteral("a|b");
    document.cell(2, 2).text = QStringLiteral("tab\there");
    return document;
}

QString Text(const Document& document, TableTextFormat format, const CellBlock& block = {}) {
    return TableText(document, BuildDecimalMask(2), format, block);
}

TEST(TableText, EachFormatGivesTheShownTextsWithAJoinedBlockOnce) {
    const Document document = Sample();
    EXPECT_EQ(Text(document, TableTextFormat::Tsv),
              QStringLiteral("Item\tPrice, each\t\nWide <b>&\t\t1,234.50\n\ta|b\ttab here\n"));
    EXPECT_EQ(Text(document, TableTextFormat::Csv),
              QStringLiteral("Item,\"Price, each\",\nWide <b>&,,\"1,234.50\"\n,a|b,tab\there\n"));
    EXPECT_EQ(Text(document, TableTextFormat::Markdown),
              QStringLiteral("| Item | Price, each |  |\n| --- | --- | --- |\n"
                             "| Wide <b>& |  | 1,234.50 |\n|  | a\\|b | tab\there |\n"));
    EXPECT_EQ(
        Text(document, TableTextFormat::Html),
        QStringLiteral("<table>\n<tr><td>Item</td><td>Price, each</td><td></td></tr>\n"
                       "<tr><td colspan=\"2\">Wide &lt;b&gt;&amp;</td><td>1,234.50</td></tr>\n"
                       "<tr><td></td><td>a|b</td><td>tab\there</td></tr>\n</table>\n"));
    EXPECT_EQ(Text(document, TableTextFormat::Reading),
              QStringLiteral("Item, Price, each.\nWide <b>&, 1,234.50.\na|b, tab\there.\n"));
}

TEST(TableText, ABlockOfTheTableAndTheSelection) {
    Document document = Sample();
    EXPECT_EQ(SelectedBlock(document).lastColumn, -1);
    // Marks left in cells beyond the table (a removed row or column) are no selection.
    document.cell(3, 1).selected = 1;
    document.cell(1, 3).selected = 1;
    EXPECT_EQ(SelectedBlock(document).lastColumn, -1);
    document.cell(2, 2).selected = 1;
    document.cell(1, 1).selected = 1;
    const CellBlock selected = SelectedBlock(document);
    EXPECT_EQ(selected.firstColumn, 1);
    EXPECT_EQ(selected.firstRow, 1);
    EXPECT_EQ(selected.lastColumn, 2);
    EXPECT_EQ(selected.lastRow, 2);
    EXPECT_EQ(Text(document, TableTextFormat::Tsv, selected),
              QStringLiteral("\t1,234.50\na|b\ttab here\n"));
    // The joined block is cut off at the block's edge: its covered cell stays a cell.
    EXPECT_EQ(Text(document, TableTextFormat::Html, selected),
              QStringLiteral("<table>\n<tr><td></td><td>1,234.50</td></tr>\n"
                             "<tr><td>a|b</td><td>tab\there</td></tr>\n</table>\n"));
    // A block reaching past the table stops at its edge; the join's span stops at the block.
    EXPECT_EQ(Text(document, TableTextFormat::Html, {0, 1, 0, 5}),
              QStringLiteral("<table>\n<tr><td>Wide &lt;b&gt;&amp;</td></tr>\n"
                             "<tr><td></td></tr>\n</table>\n"));
    document.cell(0, 2).joinState = kJoinedAbove;
    document.cell(0, 2).cellState = kCellNormal;
    EXPECT_EQ(Text(document, TableTextFormat::Html, {0, 1, 0, 2}),
              QStringLiteral("<table>\n<tr><td rowspan=\"2\">Wide &lt;b&gt;&amp;</td></tr>\n"
                             "<tr></tr>\n</table>\n"));
}

} // namespace
