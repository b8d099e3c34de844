// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/selection_run.h"
#include "content/table_edits.h"
#include "fixtures/table_builder.h"

#include <functional>
#include <gtest/gtest.h>

TEST(TableEdits, PasteFollowsTheCopyFlags) {
    Document document = MakeTable(3, 3);
    CellRecord& source = document.cell(0, 0);
    source.text = QStringLiteral("  hello ");
    source.bold = 1;
    source.backColour = 0x00FF00;
    source.lineThickness = 4;
    source.lineColour = 0x123456;
    source.operationDescriptor = QStringLiteral("1010200000");
    source.iconPath = QStringLiteral("/i.ico");
    document.cell(2, 2).selected = 1;

    ProgramSettings none;
    none.copyFlags.fill(0);
    const CellRecord before = document.cell(2, 2);
    PasteIntoSelection(document, none, 0, 0);
    CellRecord expected = before;
    expected.lineThickness = 4; // the border always travels
    expected.lineColour = 0x123456;
    EXPECT_EQ(document.cell(2, 2), expected);

    ProgramSettings some = none;
    some.copyFlag(CopyFlag::Text) = 1;
    some.copyFlag(CopyFlag::Division) = 1;
    some.copyFlag(CopyFlag::Bold) = 5; // anything but 1 is off
    PasteIntoSelection(document, some, 0, 0);
    EXPECT_EQ(document.cell(2, 2).text, QStringLiteral("hello"));
    EXPECT_EQ(document.cell(2, 2).operationDescriptor, QStringLiteral("1010200000"));
    EXPECT_EQ(document.cell(2, 2).bold, 0);
    EXPECT_EQ(document.cell(2, 2).backColour, 0xFFFFFF);
    EXPECT_TRUE(document.cell(2, 2).iconPath.isEmpty());
    EXPECT_TRUE(document.cell(1, 1).text.isEmpty()); // not selected

    PasteIntoSelection(document, ProgramSettings{}, 0, 0);
    EXPECT_EQ(document.cell(2, 2).backColour, 0x00FF00);
    EXPECT_EQ(document.cell(2, 2).iconPath, QStringLiteral("/i.ico"));
}

// Each flag alone carries its own field and no other.
TEST(TableEdits, EachCopyFlagCarriesOnlyItsField) {
    struct FlagField {
        CopyFlag flag;
        std::function<void(CellRecord&)> give; // makes the source's field differ
        std::function<bool(const CellRecord&, const CellRecord&)> same;
    };
    const auto field = [](auto member, auto value) {
        return std::pair{
            std::function<void(CellRecord&)>([=](CellRecord& c) { c.*member = value; }),
            std::function<bool(const CellRecord&, const CellRecord&)>(
                [=](const CellRecord& a, const CellRecord& b) { return a.*member == b.*member; })};
    };
    const std::pair<CopyFlag, decltype(field(&CellRecord::bold, 1))> cases[] = {
        {CopyFlag::BackColour, field(&CellRecord::backColour, 0x00FF00)},
        {CopyFlag::TextColour, field(&CellRecord::textColour, 0x0000FF)},
        {CopyFlag::FontName, field(&CellRecord::fontName, QStringLiteral("Arial"))},
        {CopyFlag::FontSize, field(&CellRecord::fontSize, int16_t(31))},
        {CopyFlag::Bold, field(&CellRecord::bold, 1)},
        {CopyFlag::Italic, field(&CellRecord::italic, 1)},
        {CopyFlag::Underline, field(&CellRecord::underline, 1)},
        {CopyFlag::Strikeout, field(&CellRecord::strikeout, 1)},
        {CopyFlag::Leading, field(&CellRecord::leading, 17)},
        {CopyFlag::Text, field(&CellRecord::text, QStringLiteral("words"))},
        {CopyFlag::Image, field(&CellRecord::imageSpec, QStringLiteral("/p.png*0"))},
        {CopyFlag::Icon, field(&CellRecord::iconPath, QStringLiteral("/i.ico"))},
        {CopyFlag::Alignment, field(&CellRecord::alignment, Alignment::Justified)},
        {CopyFlag::NumberFormat, field(&CellRecord::numberFormat, int16_t(3))},
        {CopyFlag::NumericAllowed, field(&CellRecord::numericAllowed, 1)},
        {CopyFlag::Summation,
         field(&CellRecord::operationDescriptor, QStringLiteral("1010200000"))},
    };
    for (const auto& [flag, access] : cases) {
        Document document = MakeTable(2, 2);
        for (const auto& [other, otherAccess] : cases)
            otherAccess.first(document.cell(0, 0));
        document.cell(1, 1).selected = 1;
        const CellRecord before = document.cell(1, 1);
        ProgramSettings one;
        one.copyFlags.fill(0);
        one.copyFlag(flag) = 1;
        PasteIntoSelection(document, one, 0, 0);
        const CellRecord& pasted = document.cell(1, 1);
        for (const auto& [other, otherAccess] : cases) {
            const bool copied = otherAccess.second(pasted, document.cell(0, 0));
            const bool kept = otherAccess.second(pasted, before);
            EXPECT_TRUE(other == flag ? copied : kept)
                << "flag " << int(flag) << ", field of flag " << int(other);
        }
    }
}

TEST(TableEdits, ClearCancelAndStop) {
    Document document = MakeTable(3, 3);
    document.settings.lineThickness = 3;
    CellRecord& cell = document.cell(1, 1);
    cell.text = QStringLiteral("x");
    cell.bold = 1;
    cell.selected = 1;
    ClearSelectedCells(document);
    EXPECT_TRUE(cell.text.isEmpty());
    EXPECT_EQ(cell.bold, 0);
    EXPECT_EQ(cell.lineThickness, 3);

    document.settings.verticalTitleBar = 1;
    document.cell(0, 1).selected = 1; // in the title bar: left alone
    SetStateOfSelectedCells(document, kCellStopped);
    EXPECT_EQ(cell.cellState, kCellStopped);
    EXPECT_EQ(document.cell(0, 1).cellState, kCellNormal);
}

TEST(TableEdits, MergeRuns) {
    Document document = MakeTable(5, 3);
    SelectionState selection;
    for (int column = 1; column <= 3; ++column)
        ClickCell(document, selection, column, 1);
    document.cell(1, 1).text = QStringLiteral("owner text");
    EXPECT_EQ(MergeRun(document, selection, false), MergeOutcome::NotARun);
    EXPECT_EQ(MergeRun(document, selection, true), MergeOutcome::Joined);
    EXPECT_EQ(document.cell(1, 1).right, document.cell(3, 1).right);
    EXPECT_EQ(document.cell(1, 1).right, 162);
    EXPECT_TRUE(document.cell(1, 1).text.isEmpty());
    EXPECT_EQ(document.cell(2, 1).joinState, kJoinedLeft);
    EXPECT_EQ(document.cell(3, 1).joinState, kJoinedLeft);
    EXPECT_EQ(document.cell(1, 1).selected, 0);
    EXPECT_EQ(document.settings.tableRetouched, 1);

    Document vertical = MakeTable(3, 4);
    SelectionState column;
    ClickCell(vertical, column, 0, 1);
    ClickCell(vertical, column, 0, 2);
    EXPECT_EQ(MergeRun(vertical, column, true), MergeOutcome::NotARun);
    EXPECT_EQ(vertical.settings.tableRetouched, 0);
    EXPECT_EQ(MergeRun(vertical, column, false), MergeOutcome::Joined);
    EXPECT_EQ(vertical.cell(0, 1).bottom, 62);
    EXPECT_EQ(vertical.cell(0, 2).joinState, kJoinedAbove);

    // With a title bar nothing is joined but the marks go.
    Document barred = MakeTable(4, 3);
    barred.settings.horizontalTitleBar = 1;
    SelectionState run;
    ClickCell(barred, run, 1, 2);
    ClickCell(barred, run, 2, 2);
    EXPECT_EQ(MergeRun(barred, run, true), MergeOutcome::NotAllowed);
    EXPECT_EQ(barred.cell(2, 2).joinState, kJoinNone);
    EXPECT_EQ(barred.cell(1, 2).selected, 0);
    EXPECT_EQ(barred.cell(2, 2).selected, 0);
    EXPECT_EQ(barred.settings.tableRetouched, 0);
}

TEST(TableEdits, InsertAndRemoveLimits) {
    Document document = MakeTable(3, 2, 40, 20);
    document.settings.lineColour = 0x0000FF;
    document.settings.password = QStringLiteral("pw"); // not set: the new cells hold none
    ASSERT_TRUE(InsertColumn(document));
    EXPECT_EQ(document.settings.columnCount, 4);
    // The new column lines up like a created one in every row.
    for (int row = 0; row < 2; ++row) {
        const CellRecord& cell = document.cell(3, row);
        EXPECT_EQ(cell.left, 122);
        EXPECT_EQ(cell.right, 162);
        EXPECT_EQ(cell.top, document.cell(0, row).top);
        EXPECT_EQ(cell.bottom, document.cell(0, row).bottom);
        EXPECT_EQ(cell.column, 3);
        EXPECT_EQ(cell.lineColour, 0x0000FF);
        EXPECT_EQ(cell.fontName, QStringLiteral("Times New Roman"));
        EXPECT_EQ(cell.password, QString());
    }
    EXPECT_EQ(document.cell(0, 1).columnCount, 4);
    document.settings.passwordSet = 1;
    const CellRecord outside = document.cell(4, 2); // beyond the table's columns
    ASSERT_TRUE(InsertRow(document));
    EXPECT_EQ(document.cell(2, 2).password, QStringLiteral("pw"));
    EXPECT_EQ(document.cell(4, 2), outside);
    EXPECT_EQ(document.cell(2, 2).top, 42);
    EXPECT_EQ(document.cell(2, 2).left, 82);
    EXPECT_EQ(document.cell(2, 2).bottom, 62);
    EXPECT_EQ(document.cell(3, 2).rowCount, 3);

    document.settings.columnCount = 111;
    EXPECT_FALSE(InsertColumn(document));
    EXPECT_EQ(document.settings.columnCount, 111);

    Document single = MakeTable(2, 2);
    ASSERT_TRUE(RemoveLastColumn(single));
    EXPECT_EQ(single.settings.columnCount, 1);
    EXPECT_EQ(single.cell(0, 0).columnCount, 1);
    EXPECT_FALSE(RemoveLastColumn(single));
    EXPECT_EQ(single.settings.columnCount, 1);
    ASSERT_TRUE(RemoveLastRow(single));
    EXPECT_FALSE(RemoveLastRow(single));
}

TEST(TableEdits, ResetTableTexts) {
    Document document = MakeTable(3, 3);
    document.settings.horizontalTitleBar = 1;
    document.cell(1, 0).text = QStringLiteral("bar");
    document.cell(1, 1).text = QStringLiteral("body");
    document.commands.at(1, 1) = QStringLiteral("c1c");
    document.cell(2, 2).text = QStringLiteral("stopped");
    document.cell(2, 2).cellState = kCellStopped;
    ResetTableTexts(document);
    EXPECT_EQ(document.cell(1, 0).text, QStringLiteral("bar"));
    EXPECT_TRUE(document.cell(1, 1).text.isEmpty());
    EXPECT_TRUE(document.commands.at(1, 1).isEmpty());
    EXPECT_EQ(document.cell(2, 2).text, QStringLiteral("stopped"));
}
