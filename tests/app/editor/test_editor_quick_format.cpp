// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor_test_fixture.h"
#include "content/selection_run.h"

TEST_F(EditorTest, AutoSumAddsUpTheNumbersAboveOrToTheLeft) {
    NewTable(3, 5);
    const QString column[] = {QStringLiteral("Price"), QStringLiteral("12.50"), QStringLiteral("3"),
                              QStringLiteral("4.25")};
    for (int row = 0; row < 4; ++row)
        document().cell(1, row).text = column[row];
    document().cell(1, 3).numericAllowed = 1;
    document().cell(1, 3).numberFormat = 1;
    document().cell(1, 3).alignment = Alignment::Right;
    document().cell(0, 4).text = QStringLiteral("Total");
    const QByteArray before = WorkFileBytes(document());

    state.cursor = {1, 4, 1, 4};
    EXPECT_EQ(window->action(CommandId::AutoSum)->shortcut(),
              QKeySequence(QStringLiteral("Alt+=")));
    Run(CommandId::AutoSum);
    const CellRecord& total = document().cell(1, 4);
    EXPECT_EQ(total.operationDescriptor, QStringLiteral("1020400000"));
    EXPECT_EQ(total.text, QStringLiteral("19.75"));
    EXPECT_EQ(total.numericAllowed, 1);
    EXPECT_EQ(total.numberFormat, 1);
    EXPECT_EQ(total.alignment, Alignment::Right);
    Run(CommandId::Undo);
    EXPECT_EQ(WorkFileBytes(document()), before);

    // "Total" above stops the column; the numbers to the left, from the first column on,
    // make a row sum.
    document().cell(0, 4).text = QStringLiteral("5");
    document().cell(1, 4).text = QStringLiteral("7");
    document().cell(2, 3).text = QStringLiteral("Total");
    state.cursor = {2, 4, 2, 4};
    Run(CommandId::AutoSum);
    EXPECT_EQ(document().cell(2, 4).operationDescriptor, QStringLiteral("0000010102"));
    EXPECT_EQ(document().cell(2, 4).text, QStringLiteral("12"));
    EXPECT_EQ(document().cell(2, 4).numericAllowed, 0);

    // A column run up to the first row.
    document().cell(0, 0).text = QStringLiteral("8");
    state.cursor = {0, 1, 0, 1};
    Run(CommandId::AutoSum);
    EXPECT_EQ(document().cell(0, 1).operationDescriptor, QStringLiteral("1010100000"));
    EXPECT_EQ(document().cell(0, 1).text, QStringLiteral("8"));

    state.cursor = {0, 3, 0, 3};
    Run(CommandId::AutoSum);
    EXPECT_EQ(ui.messages.back(), Message(kCellEditGroup, kNothingToSumEntry));
    EXPECT_TRUE(document().cell(0, 3).operationDescriptor.trimmed().isEmpty());
}

TEST_F(EditorTest, ShiftClickSelectsAndANumberFormatGoesToTheSelection) {
    NewTable(4, 4);
    Click(1, 1);
    EXPECT_EQ(state.cursor.column, 1);
    QTest::mouseClick(window->tableView(), Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(2 * 40 + 20, 3 * 20 + 10));
    EXPECT_EQ(MarkedCells(document()).size(), 6u);
    EXPECT_EQ(document().cell(2, 3).selected, 1);
    EXPECT_EQ(document().cell(0, 1).selected, 0);

    QAction* englishDecimal = window->action(CommandId::FirstNumberFormat);
    EXPECT_EQ(englishDecimal->text(), Message(19, 1));
    EXPECT_EQ(englishDecimal->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+1")));
    englishDecimal->trigger();
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            const bool inside = column >= 1 && column <= 2 && row >= 1;
            EXPECT_EQ(document().cell(column, row).numericAllowed, inside ? 1 : 0);
            EXPECT_EQ(document().cell(column, row).numberFormat, inside ? 1 : 6);
        }
    }
    EXPECT_TRUE(MarkedCells(document()).empty());
    // Ctrl+Space takes the column; its heading of words keeps showing as typed.
    document().cell(3, 0).text = QStringLiteral("Price");
    document().cell(3, 1).text = QStringLiteral("4.5");
    state.cursor = {3, 2, 3, 2};
    QTest::keyClick(window->tableView(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(MarkedCells(document()).size(), 4u);
    Run(Nth(CommandId::FirstNumberFormat, 1));
    EXPECT_EQ(document().cell(3, 0).numericAllowed, 0);
    EXPECT_EQ(document().cell(3, 1).numberFormat, 2);
    EXPECT_EQ(document().cell(3, 3).numberFormat, 2);
    // Shift+Space takes the row.
    QTest::keyClick(window->tableView(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(MarkedCells(document()).size(), 4u);
    EXPECT_EQ(document().cell(0, 2).selected, 1);
    // Without a selection the cursor's cell takes it; plain text keeps the format code.
    QTest::keyClick(window->tableView(), Qt::Key_Left);
    Run(CommandId::NumberFormatText);
    EXPECT_EQ(document().cell(2, 2).numericAllowed, 0);
    EXPECT_EQ(document().cell(2, 2).numberFormat, 1);
    EXPECT_EQ(document().cell(1, 1).numericAllowed, 1);

    // A rectangle never marks stopped or cancelled cells, by Shift+click or Shift+arrows.
    document().cell(1, 1).cellState = kCellStopped;
    document().cell(2, 1).cellState = kCellCancelled;
    Click(0, 0);
    QTest::mouseClick(window->tableView(), Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(2 * 40 + 20, 2 * 20 + 10));
    EXPECT_EQ(MarkedCells(document()).size(), 7u);
    QTest::keyClick(window->tableView(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(MarkedCells(document()).size(), 10u);
    EXPECT_EQ(document().cell(1, 1).selected, 0);
    EXPECT_EQ(document().cell(2, 1).selected, 0);
}

TEST_F(EditorTest, ControlHomeAndEndGoToTheTablesCorners) {
    NewTable(4, 3);
    QWidget* view = window->tableView();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(CursorCell(document(), state.cursor), (CellPosition{3, 2}));
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(CursorCell(document(), state.cursor), (CellPosition{0, 0}));
}
