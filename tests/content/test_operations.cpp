// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/operation_descriptor.h"
#include "content/operations.h"
#include "fixtures/table_builder.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace {

// A table whose column `column` holds the given texts from row 0 down.
Document ColumnOf(int column, std::initializer_list<const char16_t*> texts, int columns = 4,
                  int rows = 6) {
    Document document = MakeTable(columns, rows);
    int row = 0;
    for (const char16_t* text : texts)
        document.cell(column, row++).text = QString::fromUtf16(text);
    return document;
}

void SetOperation(Document& document, int column, int row, const char16_t* descriptor) {
    document.cell(column, row).operationDescriptor = QString::fromUtf16(descriptor);
}

} // namespace

TEST(OperationSum, ColumnRowAndBoth) {
    Document column = ColumnOf(2, {u"1", u"2.5", u" 3 ", u"4kg"});
    SetOperation(column, 2, 4, u"1010400000");
    RecomputeOperations(column);
    EXPECT_EQ(column.cell(2, 4).text, u"10.5");

    Document row = MakeTable(5, 2);
    row.cell(0, 1).text = QStringLiteral("7");
    row.cell(1, 1).text = QStringLiteral("-2");
    row.cell(2, 1).text = QStringLiteral("abc");
    SetOperation(row, 4, 1, u"0000010103");
    RecomputeOperations(row);
    EXPECT_EQ(row.cell(4, 1).text, u"5");

    // Both flags: rows 1-2 of its column and columns 1-3 of its row, into one result. The last
    // character 3 does not make it a percentage.
    Document both = MakeTable(4, 4);
    both.cell(3, 0).text = QStringLiteral("100");
    both.cell(3, 1).text = QStringLiteral("200");
    both.cell(0, 3).text = QStringLiteral("1");
    both.cell(1, 3).text = QStringLiteral("2");
    both.cell(2, 3).text = QStringLiteral("4");
    SetOperation(both, 3, 3, u"1010210103");
    RecomputeOperations(both);
    EXPECT_EQ(both.cell(3, 3).text, u"307");
}

TEST(OperationSum, UnusableCellsAndRangesAreLeftOut) {
    Document document = ColumnOf(0, {u"1", u"10", u"100", u"1000", u"", u""});
    document.cell(0, 1).joinState = kJoinedLeft;
    document.cell(0, 2).cellState = kCellCancelled;
    document.cell(0, 3).cellState = kCellStopped; // stopped cells still count
    SetOperation(document, 0, 5, u"1019900000");  // rows 1 to 99 of a 6-row table
    SetOperation(document, 1, 0, u"1030100000");  // reversed range
    SetOperation(document, 1, 1, u"1000000000");  // rows 0 to 0: outside the table
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(0, 5).text, u"1001");
    EXPECT_EQ(document.cell(1, 0).text, u"0");
    EXPECT_EQ(document.cell(1, 1).text, u"0");
}

TEST(OperationTwoOperands, SubtractionMultiplicationDivision) {
    Document document = ColumnOf(0, {u"10", u"4", u"7", u"", u"", u""});
    SetOperation(document, 0, 3, u"2030100000"); // row 3 - row 1
    SetOperation(document, 0, 4, u"4010200000"); // row 1 * row 2
    SetOperation(document, 0, 5, u"5010200000"); // row 1 / row 2
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(0, 3).text, u"-3");
    EXPECT_EQ(document.cell(0, 4).text, u"40");
    EXPECT_EQ(document.cell(0, 5).text, u"2.5");
}

TEST(OperationTwoOperands, RowPartsAndSecondColumnEndingInThree) {
    Document document = MakeTable(6, 3);
    for (int row = 0; row < 3; ++row) {
        document.cell(1, row).text = QStringLiteral("6");
        document.cell(2, row).text = QStringLiteral("4");
    }
    SetOperation(document, 5, 0, u"0000040203"); // row multiplication of columns 2 and 3
    SetOperation(document, 5, 1, u"0000050203"); // row division
    SetOperation(document, 5, 2, u"0000020302"); // row subtraction: column 3 - column 2
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(5, 0).text, u"24");
    EXPECT_EQ(document.cell(5, 1).text, u"1.5");
    EXPECT_EQ(document.cell(5, 2).text, u"-2");
}

TEST(OperationTwoOperands, RowPartReplacesColumnPartOnlyWhenUsable) {
    Document document = MakeTable(3, 3);
    document.cell(2, 0).text = QStringLiteral("9");
    document.cell(2, 1).text = QStringLiteral("5");
    document.cell(0, 2).text = QStringLiteral("100");
    document.cell(1, 2).text = QStringLiteral("1");
    SetOperation(document, 2, 2, u"2010220102");
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(2, 2).text, u"99");
    document.cell(1, 2).cellState = kCellCancelled;
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(2, 2).text, u"4");
}

TEST(OperationTwoOperands, UnusableOperandLeavesZero) {
    Document document = ColumnOf(0, {u"10", u"4", u"", u"", u"", u""});
    document.cell(0, 1).cellState = kCellCancelled;
    SetOperation(document, 0, 2, u"2010200000"); // cancelled operand
    SetOperation(document, 0, 3, u"4000100000"); // row 0: outside the table
    SetOperation(document, 0, 4, u"5019900000"); // row 99: outside the table
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(0, 2).text, u"0");
    EXPECT_EQ(document.cell(0, 3).text, u"0");
    EXPECT_EQ(document.cell(0, 4).text, u"0");
}

TEST(OperationTwoOperands, DivisionByZeroShowsNothing) {
    Document document = ColumnOf(0, {u"10", u"0", u"", u"abc", u"", u""});
    SetOperation(document, 0, 2, u"5010200000");
    SetOperation(document, 0, 4, u"5020400000"); // 0 / 0
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(0, 2).text, u"");
    EXPECT_EQ(document.cell(0, 4).text, u"");
}

TEST(OperationPercentage, ColumnAndRowVariants) {
    Document column = ColumnOf(0, {u"", u"80", u"", u""});
    SetOperation(column, 0, 3, u"3025.00020");
    RecomputeOperations(column);
    EXPECT_EQ(column.cell(0, 3).text, u"20");

    // Row variant at (3, 2): its row part reads column 2 of row 2, its column part row 2 of
    // column 3.
    Document row = MakeTable(4, 3);
    row.cell(1, 2).text = QStringLiteral("200");
    row.cell(3, 1).text = QStringLiteral("1000");
    SetOperation(row, 3, 2, u"3015.50023");
    RecomputeOperations(row);
    EXPECT_EQ(row.cell(3, 2).text, u"31");

    // Its row operand unusable: the column part's result stands.
    row.cell(1, 2).joinState = kJoinedAbove;
    RecomputeOperations(row);
    EXPECT_EQ(row.cell(3, 2).text, u"155");

    // A descriptor with 0 in front and 3 at the end is a row percentage.
    Document legacy = MakeTable(3, 1);
    legacy.cell(0, 0).text = QStringLiteral("40");
    SetOperation(legacy, 2, 0, u"0050.00013");
    RecomputeOperations(legacy);
    EXPECT_EQ(legacy.cell(2, 0).text, u"20");
}

TEST(OperationCells, WhichCellsAreRecomputed) {
    Document document = ColumnOf(0, {u"5", u"6", u"", u"", u"", u""});
    for (int row = 2; row < 6; ++row) {
        SetOperation(document, 0, row, u"1010200000");
        document.cell(0, row).text = QStringLiteral("old");
    }
    document.cell(0, 2).cellState = kCellCancelled;
    document.cell(0, 3).joinState = kJoinedLeft;
    document.cell(0, 4).cellState = kCellStopped;
    SetOperation(document, 1, 0, u"          ");
    SetOperation(document, 1, 1, u"0000000000");
    document.cell(1, 0).text = QStringLiteral("kept");
    document.cell(1, 1).text = QStringLiteral("kept too");
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(0, 2).text, u"old");
    EXPECT_EQ(document.cell(0, 3).text, u"old");
    EXPECT_EQ(document.cell(0, 4).text, u"11");
    EXPECT_EQ(document.cell(0, 5).text, u"11");
    EXPECT_EQ(document.cell(1, 0).text, u"kept");
    EXPECT_EQ(document.cell(1, 1).text, u"kept too");
}

TEST(OperationCells, ScanOrderDecidesWhatAnOperationSees) {
    Document document = MakeTable(2, 4);
    document.cell(0, 0).text = QStringLiteral("1");
    document.cell(0, 1).text = QStringLiteral("2");
    // (1, 0) doubles the later (1, 3), which still holds its previous result 50.
    SetOperation(document, 1, 0, u"4040400000");
    document.cell(1, 3).text = QStringLiteral("50");
    // (1, 2) is a row sum over column 1 alone, that is (0, 2)...
    document.cell(0, 2).text = QStringLiteral("3");
    SetOperation(document, 1, 2, u"0000010101");
    // ...and (1, 3) adds the new result of (1, 2) to (1, 0)'s new result.
    SetOperation(document, 1, 3, u"1010300000");
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(1, 0).text, u"2500");
    EXPECT_EQ(document.cell(1, 2).text, u"3");
    // Rows 1 to 3 of column 1: 2500 (new), "" (0), 3 (new).
    EXPECT_EQ(document.cell(1, 3).text, u"2503");

    // An operation inside its own range adds its previous result.
    Document self = ColumnOf(0, {u"1", u"2", u"10"});
    SetOperation(self, 0, 2, u"1010300000");
    RecomputeOperations(self);
    EXPECT_EQ(self.cell(0, 2).text, u"13");
    RecomputeOperations(self);
    EXPECT_EQ(self.cell(0, 2).text, u"16");
}

TEST(OperationCells, ExtendedPrecisionRoundedOnlyInTheText) {
    Document document = ColumnOf(0, {u"0.1", u"0.2", u"123456789.123", u"0.877", u"", u""});
    SetOperation(document, 0, 4, u"1010200000");
    SetOperation(document, 0, 5, u"1030400000");
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(0, 4).text, u"0.3");
    EXPECT_EQ(document.cell(0, 5).text, u"123456790");
}

TEST(OperationCells, EncodedSettingsRecompute) {
    Document document = ColumnOf(0, {u"200", u"", u""}, 1, 3);
    OperationSettings settings;
    settings.columnPercentage = {1, -5.5L, 1};
    document.cell(0, 2).operationDescriptor = *EncodeOperationDescriptor(settings);
    RecomputeOperations(document);
    EXPECT_EQ(document.cell(0, 2).text, u"-11");
}
