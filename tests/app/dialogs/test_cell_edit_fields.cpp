// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/cell_edit_fields.h"
#include "model/cell_record.h"

#include <gtest/gtest.h>

namespace {

CellRecord SampleCell() {
    CellRecord cell;
    ResetCellToDefaults(cell);
    cell.column = 3;
    cell.row = 4;
    cell.backColour = 0x102030;
    cell.textColour = 0x405060;
    cell.fontName = QStringLiteral("Liberation Sans");
    cell.fontSize = 14;
    cell.bold = 1;
    cell.strikeout = 1;
    cell.leading = 1;
    cell.text = QStringLiteral("  twelve  ");
    cell.alignment = Alignment::RotatedTop;
    cell.numberFormat = 4;
    cell.numericAllowed = 1;
    return cell;
}

TEST(FillCellEditFields, TakesBothLooksTheTrimmedTextAndTheAlignmentFlag) {
    const CellRecord cell = SampleCell();
    CellEditFields fields;
    fields.accepted = true;
    FillCellEditFields(cell, fields);

    CellLook look;
    look.face = QStringLiteral("Liberation Sans");
    look.size = 14;
    look.bold = 1;
    look.strikeout = 1;
    look.leading = 1;
    look.background = 0x102030;
    look.textColour = 0x405060;
    EXPECT_EQ(fields.resultLook, look);
    EXPECT_EQ(fields.currentLook, look);
    EXPECT_EQ(fields.text, QStringLiteral("twelve"));
    EXPECT_EQ(fields.alignmentFlags,
              (std::array<bool, 6>{false, false, false, false, true, false}));
    EXPECT_EQ(fields.numberFormat, 4);
    EXPECT_EQ(fields.numberDisplay, 1);
    EXPECT_EQ(fields.operations, OperationSettings());
    EXPECT_FALSE(fields.accepted);
}

TEST(FillCellEditFields, DecodesTheOperation) {
    CellRecord cell = SampleCell();
    OperationSettings sum;
    sum.columnSum = {1, 2, 5};
    cell.operationDescriptor = EncodeOperationDescriptor(sum).value();
    CellEditFields fields;
    FillCellEditFields(cell, fields);
    EXPECT_EQ(fields.operations.columnSum, (OperandPairSetting{1, 2, 5}));
    EXPECT_EQ(fields.operations.rowSum.on, 0);
}

TEST(WriteCellEditFields, WritesTheResultLookTextAndAlignment) {
    CellRecord cell = SampleCell();
    CellEditFields fields;
    FillCellEditFields(cell, fields);
    fields.resultLook.face = QStringLiteral("DejaVu Serif");
    fields.resultLook.size = 20;
    fields.resultLook.italic = 1;
    fields.resultLook.background = 0x00FF00;
    fields.currentLook.background = 0x0000FF; // only the result counts
    fields.text = QStringLiteral("new text");
    fields.alignmentFlags = {false, false, true, false, false, false};
    fields.numberFormat = 2;
    fields.numberDisplay = 0;

    CellRecord expected = cell;
    expected.fontName = QStringLiteral("DejaVu Serif");
    expected.fontSize = 20;
    expected.italic = 1;
    expected.backColour = 0x00FF00;
    expected.text = QStringLiteral("new text");
    expected.alignment = Alignment::Centred;
    expected.numberFormat = 2;
    expected.numericAllowed = 0;
    WriteCellEditFields(fields, cell);
    EXPECT_EQ(cell, expected);
}

TEST(WriteCellEditFields, KeepsTheOperationWhenNoneIsTicked) {
    CellRecord cell = SampleCell();
    OperationSettings division;
    division.rowDivision = {1, 3, 4};
    cell.operationDescriptor = EncodeOperationDescriptor(division).value();
    const QString kept = cell.operationDescriptor;

    CellEditFields fields;
    FillCellEditFields(cell, fields);
    fields.operations.rowDivision.on = 0;
    WriteCellEditFields(fields, cell);
    EXPECT_EQ(cell.operationDescriptor, kept);

    fields.operations.columnMultiplication = {1, 7, 8};
    WriteCellEditFields(fields, cell);
    EXPECT_EQ(cell.operationDescriptor, EncodeOperationDescriptor(fields.operations).value());
    EXPECT_EQ(DecodeOperationDescriptor(cell.operationDescriptor).columnMultiplication,
              (OperandPairSetting{1, 7, 8}));
}

TEST(WriteCellEditFields, CutsTheTextAndKeepsAnUnknownAlignment) {
    CellRecord cell = SampleCell();
    cell.alignment = Alignment{};
    CellEditFields fields;
    FillCellEditFields(cell, fields);
    EXPECT_EQ(fields.alignmentFlags, (std::array<bool, 6>{}));
    fields.text = QString(300, u'z');
    WriteCellEditFields(fields, cell);
    EXPECT_EQ(cell.text, QString(kTextMaxUnits, u'z'));
    EXPECT_EQ(cell.alignment, Alignment{});
}

} // namespace

TEST(WriteChangedCellEditFields, TakesOnlyWhatDiffersFromTheOpenedFields) {
    CellRecord shown = SampleCell();
    shown.text = QStringLiteral("1,5"); // Accept would store it as "1.5"
    CellEditFields opened;
    FillCellEditFields(shown, opened);
    CellEditFields accepted = opened;
    accepted.text = QStringLiteral("1.5");
    accepted.resultLook.background = 0x00FFFF;
    accepted.alignmentFlags = {false, false, true, false, false, false};

    CellRecord other;
    ResetCellToDefaults(other);
    other.text = QStringLiteral("other");
    WriteChangedCellEditFields(opened, accepted, other);
    EXPECT_EQ(other.backColour, 0x00FFFF);
    EXPECT_EQ(other.alignment, Alignment::Centred);
    EXPECT_EQ(other.text, QStringLiteral("other"));
    EXPECT_EQ(other.bold, 0);
    EXPECT_EQ(other.fontSize, 10);
    EXPECT_EQ(other.numberFormat, 6);

    accepted.text = QStringLiteral("2");
    WriteChangedCellEditFields(opened, accepted, other);
    EXPECT_EQ(other.text, QStringLiteral("2"));
}
