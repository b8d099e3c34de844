// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/selection_run.h"
#include "fixtures/table_builder.h"

#include <gtest/gtest.h>

namespace {

int MarkedCount(const Document& document) {
    int count = 0;
    for (int row = 0; row < document.settings.rowCount; ++row)
        for (int column = 0; column < document.settings.columnCount; ++column)
            count += document.cell(column, row).selected;
    return count;
}

} // namespace

TEST(SelectionRun, HorizontalRunAndRejectedClick) {
    Document document = MakeTable(8, 4);
    SelectionState selection;
    for (int column = 2; column <= 5; ++column)
        EXPECT_EQ(ClickCell(document, selection, column, 1), ClickOutcome::Accepted) << column;
    EXPECT_EQ(selection.selectionCount, 4);
    EXPECT_TRUE(selection.runHorizontal);
    EXPECT_FALSE(selection.runVertical);
    EXPECT_EQ(selection.selectionColumn, 2);
    EXPECT_EQ(MarkedCount(document), 4);

    // Two columns further is not the next cell of the run: everything is cleared.
    EXPECT_EQ(ClickCell(document, selection, 7, 1), ClickOutcome::Rejected);
    EXPECT_EQ(MarkedCount(document), 0);
    EXPECT_EQ(selection.selectionCount, 0);
}

TEST(SelectionRun, VerticalRunDirectionAndUnmark) {
    Document document = MakeTable(4, 6);
    SelectionState selection;
    ClickCell(document, selection, 1, 1);
    ClickCell(document, selection, 1, 2);
    EXPECT_TRUE(selection.runVertical);
    EXPECT_EQ(ClickCell(document, selection, 2, 3), ClickOutcome::Rejected); // off the column

    ClickCell(document, selection, 1, 1);
    ClickCell(document, selection, 1, 2);
    // Clicking a marked cell unmarks only it and starts a new run.
    EXPECT_EQ(ClickCell(document, selection, 1, 1), ClickOutcome::Unmarked);
    EXPECT_EQ(selection.selectionCount, 0);
    EXPECT_EQ(document.cell(1, 2).selected, 1);
    EXPECT_EQ(document.cell(1, 1).selected, 0);
    // A diagonal second cell fixes no direction and is refused.
    SelectionState other;
    Document fresh = MakeTable(4, 4);
    ClickCell(fresh, other, 0, 0);
    EXPECT_EQ(ClickCell(fresh, other, 1, 1), ClickOutcome::Rejected);
}

TEST(SelectionRun, JoinExtentsMustMatch) {
    Document document = MakeTable(6, 3);
    // Cells (0,0)-(1,0) joined: the owner's extent is one cell to the right.
    document.cell(1, 0).joinState = kJoinedLeft;
    EXPECT_EQ(JoinExtentOf(document, 0, 0), (JoinExtent{1, 0}));
    EXPECT_EQ(JoinExtentOf(document, 1, 0), (JoinExtent{-1, -1}));
    EXPECT_EQ(JoinExtentOf(document, 2, 0), (JoinExtent{0, 0}));
    // A vertical join below stops the horizontal count.
    document.cell(3, 1).joinState = kJoinedAbove;
    EXPECT_EQ(JoinExtentOf(document, 3, 0), (JoinExtent{0, 1}));

    SelectionState selection;
    ClickCell(document, selection, 0, 0);
    // Start (extent 1, 0) and the absorbed neighbour do not match.
    EXPECT_EQ(ClickCell(document, selection, 1, 0), ClickOutcome::Rejected);

    SelectionState plain;
    ClickCell(document, plain, 4, 2);
    EXPECT_EQ(ClickCell(document, plain, 5, 2), ClickOutcome::Accepted);
    // Cancelled cells are accepted into a run but never marked.
    document.cell(2, 2).cellState = kCellCancelled;
    SelectionState withCancelled;
    ClickCell(document, withCancelled, 2, 1);
    EXPECT_EQ(ClickCell(document, withCancelled, 2, 2), ClickOutcome::Accepted);
    EXPECT_EQ(document.cell(2, 2).selected, 0);
    EXPECT_EQ(withCancelled.selectionCount, 2);
}

TEST(SelectionRun, MarkAllSkipsTitleBarsJoinedAndCancelled) {
    Document document;
    document.settings.gridCellWidth = 20;
    document.settings.gridCellHeight = 20;
    document.settings.horizontalTitleBar = 1;
    CreateTable(document, 3, 3, 2, 2, 0);
    document.cell(2, 1).joinState = kJoinedLeft;
    document.cell(0, 2).cellState = kCellCancelled;
    SelectionState selection;
    MarkAllCells(document, selection);
    EXPECT_EQ(selection.selectionCount, 2);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(document.cell(column, 0).selected, 0);
    EXPECT_EQ(document.cell(0, 1).selected, 1);
    EXPECT_EQ(document.cell(2, 1).selected, 0);
    EXPECT_EQ(document.cell(0, 2).selected, 0);
    EXPECT_EQ(MarkedCount(document), 4); // rows 1 and 2 but the joined and the cancelled cell
    ClearSelection(document, selection);
    EXPECT_EQ(MarkedCount(document), 0);
}
