// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixtures/table_builder.h"

#include <gtest/gtest.h>

TEST(CreateTable, GeometryAndNewCellValues) {
    Document document = MakeTable(3, 2);
    const CellRecord& cell = document.cell(2, 1);
    EXPECT_EQ(cell.left, 82);
    EXPECT_EQ(cell.top, 22);
    EXPECT_EQ(cell.right, 122);
    EXPECT_EQ(cell.bottom, 42);
    EXPECT_EQ(cell.column, 2);
    EXPECT_EQ(cell.row, 1);
    EXPECT_EQ(cell.backColour, 0xFFFFFF);
    EXPECT_EQ(cell.fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(cell.fontSize, 10);
    EXPECT_EQ(cell.alignment, Alignment::Left);
    EXPECT_EQ(cell.numberFormat, 6);
    EXPECT_EQ(cell.columnCount, 3);
    EXPECT_EQ(cell.rowCount, 2);
    EXPECT_EQ(cell.lineThickness, 1);
    EXPECT_EQ(cell.pageColour, 0xFFFFFF);
    EXPECT_TRUE(cell.text.isEmpty());
    EXPECT_TRUE(cell.operationDescriptor.isEmpty());
    EXPECT_EQ(document.extentRight, 122);
    EXPECT_EQ(document.extentBottom, 42);
    // Cells outside the counts stay all zero.
    EXPECT_EQ(document.cell(3, 0), CellRecord{});
    EXPECT_FALSE(document.undo.CanUndo());
}

TEST(CreateTable, BandingAndTitleBars) {
    Document document;
    document.settings.gridCellWidth = 30;
    document.settings.gridCellHeight = 15;
    document.settings.horizontalTitleBar = 1;
    document.settings.horizontalLinesWithCellAreas = 1;
    CreateTable(document, 4, 5, 2, 2, 0x123456);
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(document.cell(column, 0).backColour, 0xFFFFFF) << column;
        EXPECT_EQ(document.cell(column, 1).backColour, 0xFFFFFF);
        EXPECT_EQ(document.cell(column, 2).backColour, 0xF8F8F8);
        EXPECT_EQ(document.cell(column, 3).backColour, 0xFFFFFF);
        EXPECT_EQ(document.cell(column, 4).backColour, 0xF8F8F8);
        EXPECT_EQ(document.cell(column, 0).lineColour, 0x123456);
    }

    Document both;
    both.settings.gridCellWidth = 30;
    both.settings.gridCellHeight = 15;
    both.settings.verticalTitleBar = 1;
    both.settings.horizontalLinesWithCellAreas = 1;
    both.settings.verticalLinesWithCellAreas = 1;
    CreateTable(both, 4, 4, 2, 2, 0);
    EXPECT_EQ(both.cell(0, 2).backColour, 0xFFFFFF); // the bar is never banded
    EXPECT_EQ(both.cell(1, 1).backColour, 0xFFFFFF);
    EXPECT_EQ(both.cell(1, 2).backColour, 0xF8F8F8); // even row
    EXPECT_EQ(both.cell(2, 1).backColour, 0xF8F8F8); // even column
    EXPECT_EQ(both.cell(0, 2).left, 2);
}

TEST(CreateTable, PasswordCopiesAndFreshStores) {
    Document document;
    document.settings.gridCellWidth = 20;
    document.settings.gridCellHeight = 20;
    document.settings.passwordSet = 1;
    document.settings.password = QStringLiteral("  secret ");
    document.commands.at(0, 0) = QStringLiteral("f1f");
    CreateTable(document, 2, 2, 2, 2, 0);
    EXPECT_EQ(document.cell(1, 1).passwordSet, 1);
    EXPECT_EQ(document.cell(1, 1).password, QStringLiteral("secret"));
    EXPECT_TRUE(document.commands.at(0, 0).isEmpty());

    document.settings.password = QStringLiteral("   ");
    CreateTable(document, 2, 2, 2, 2, 0);
    EXPECT_EQ(document.cell(0, 0).passwordSet, 0);
    EXPECT_TRUE(document.cell(0, 0).password.isEmpty());
}

TEST(CreateTable, ResetCellToDefaultsKeepsGeometryAndState) {
    Document document = MakeTable(2, 2);
    CellRecord& cell = document.cell(1, 0);
    cell.text = QStringLiteral("x");
    cell.bold = 1;
    cell.backColour = 0x0000FF;
    cell.iconPath = QStringLiteral("/a.ico");
    cell.operationDescriptor = QStringLiteral("1010200000");
    cell.joinState = 1;
    cell.right = 999;
    ResetCellToDefaults(cell);
    EXPECT_TRUE(cell.text.isEmpty());
    EXPECT_EQ(cell.bold, 0);
    EXPECT_EQ(cell.backColour, 0xFFFFFF);
    EXPECT_TRUE(cell.iconPath.isEmpty());
    EXPECT_TRUE(cell.operationDescriptor.isEmpty());
    EXPECT_EQ(cell.joinState, 1);
    EXPECT_EQ(cell.right, 999);
}

TEST(PlannedTableSize, ThicknessAllowance) {
    struct Case {
        int thickness;
        int width;
        int height;
    };
    // 10 columns of 50 with separator 3, 4 rows of 20: 500 + 27 + 2, 80 + 9 + 2.
    for (const Case& c : {Case{1, 529, 91}, Case{2, 529, 91}, Case{3, 530, 92}, Case{4, 530, 92},
                          Case{5, 531, 93}}) {
        const PixelSize size = PlannedTableSize(10, 4, 50, 20, 3, c.thickness);
        EXPECT_EQ(size.width, c.width) << c.thickness;
        EXPECT_EQ(size.height, c.height) << c.thickness;
    }
    EXPECT_EQ(PlannedTableSize(109, 109, 10, 10, 0, 1).width, 1092);
}
