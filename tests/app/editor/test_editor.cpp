// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dialog_controls.h"
#include "app/editor_test_fixture.h"
#include "app/shell/in_place_editor.h"
#include "app/shell/start_panel.h"
#include "app/shell/table_size_picker.h"
#include "app/shell/table_view_area.h"
#include "content/number_format.h"
#include "fixtures/fifo.h"
#include "model/file_problem.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

TEST_F(EditorTest, EmptyWindowThenNewTable) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quadrivel[*]"));
    EXPECT_FALSE(window->action(CommandId::RecordFile)->isEnabled());
    EXPECT_TRUE(window->action(CommandId::New)->isEnabled());
    EXPECT_TRUE(window->action(CommandId::CellSelector)->isChecked());
    EXPECT_TRUE(window->action(CommandId::FirstCharacterSet)->isChecked()); // ANSI
    EXPECT_EQ(window->action(CommandId::Undo)->shortcut(), QKeySequence(QKeySequence::Undo));
    // The menu's pictures, read as PNG: New has one, Refresh data none.
    EXPECT_EQ(window->action(CommandId::New)->icon().pixmap(16, 16).size(), QSize(16, 16));
    EXPECT_TRUE(window->action(CommandId::RefreshData)->icon().isNull());

    NewTable(5, 4);
    EXPECT_TRUE(state.tableLoaded);
    EXPECT_EQ(
        window->windowTitle(),
        QStringLiteral("Width : 40 Height : 20 Rows : 4 Columns : 5 Separation : 0 -  - [*]"));
    EXPECT_TRUE(window->action(CommandId::RecordFile)->isEnabled());
    EXPECT_FALSE(window->action(CommandId::Undo)->isEnabled());
    EXPECT_FALSE(window->action(CommandId::PasteCell)->isEnabled());
    // The table is drawn in the view: the second cell's right edge (82) moved by the origin
    // (2); the first cell, the cursor's, is framed in orange.
    EXPECT_EQ(editor().viewPicture().pixel(84, 12), qRgb(0, 0, 0));
    EXPECT_EQ(editor().viewPicture().pixel(4, 12), qRgb(255, 128, 0));
    EXPECT_EQ(editor().viewPicture().pixel(20, 12), qRgb(255, 255, 255));
}

// The square of the picker that stands for these counts, pointed at its middle.
static QPoint PickerSquare(int columns, int rows) {
    constexpr int side = TableSizePicker::kSquare;
    return {(columns - 1) * side + side / 2, (rows - 1) * side + side / 2};
}

TEST_F(EditorTest, TheEmptyWindowStartsATableOfTheClickedSizeInOneClick) {
    StartPanel* start = window->startPanel();
    EXPECT_FALSE(start->isHidden());
    TableSizePicker* picker = start->picker();
    // The first square already means the smallest table; the last one the grid's size.
    const auto pointAt = [picker](QPoint p) {
        QMouseEvent move(QEvent::MouseMove, p, picker->mapToGlobal(p), Qt::NoButton, {}, {});
        QCoreApplication::sendEvent(picker, &move);
    };
    pointAt(PickerSquare(1, 1));
    EXPECT_EQ(picker->pointed(), QSize(2, 2));
    pointAt(PickerSquare(TableSizePicker::kColumns, TableSizePicker::kRows + 1));
    EXPECT_TRUE(picker->pointed().isEmpty());
    pointAt(PickerSquare(TableSizePicker::kColumns, TableSizePicker::kRows));
    EXPECT_EQ(picker->pointed(), QSize(TableSizePicker::kColumns, TableSizePicker::kRows));
    QTest::mouseClick(picker, Qt::RightButton, {}, PickerSquare(4, 6));
    EXPECT_FALSE(state.tableLoaded);

    QTest::mouseClick(picker, Qt::LeftButton, {}, PickerSquare(4, 6));
    EXPECT_TRUE(state.tableLoaded);
    EXPECT_EQ(document().settings.columnCount, 4);
    EXPECT_EQ(document().settings.rowCount, 6);
    // The cell size New proposes for a first table, and no file yet.
    EXPECT_EQ(document().settings.gridCellWidth, 100);
    EXPECT_EQ(document().settings.gridCellHeight, 32);
    EXPECT_TRUE(document().workFilePath.isEmpty());
    EXPECT_TRUE(start->isHidden());
    EXPECT_TRUE(window->action(CommandId::RecordFile)->isEnabled());

    // Typing goes straight into the first cell.
    QTest::keyClick(window->tableView(), 'I');
    QTest::keyClicks(window->inPlaceEditor(), QStringLiteral("tem"));
    QTest::keyClick(window->inPlaceEditor(), Qt::Key_Return);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("Item"));
}

TEST_F(EditorTest, CancelledNewTableLeavesTheOpenTable) {
    titleBar = 1;
    NewTable(4, 3);
    document().settings.passwordSet = 1;
    document().settings.password = QStringLiteral("old");
    document().cell(1, 1).text = QStringLiteral("kept");
    TableSettings offered;
    ui.newTable = [&](TableSettings& s, ProgramState&) {
        offered = s;
        return false;
    };
    Run(CommandId::New);
    EXPECT_EQ(offered.horizontalTitleBar, 0);
    EXPECT_EQ(offered.passwordSet, 0);
    EXPECT_EQ(offered.columnCount, 0); // New proposes no counts
    EXPECT_EQ(document().settings.horizontalTitleBar, 1);
    EXPECT_EQ(document().settings.password, QStringLiteral("old"));
    EXPECT_EQ(document().cell(1, 1).text, QStringLiteral("kept"));
}

TEST_F(EditorTest, SelectionRunsByClicks) {
    NewTable(8, 4);
    for (int column = 2; column <= 5; ++column)
        Click(column, 1);
    EXPECT_EQ(state.selection.selectionCount, 4);
    EXPECT_TRUE(state.selection.runHorizontal);
    // Selected cells are tinted dark blue.
    const QRgb tinted = editor().viewPicture().pixel(3 * 40 + 20, 30);
    EXPECT_LT(qRed(tinted), 255);
    EXPECT_GT(qBlue(tinted), qRed(tinted) + 20);
    Click(7, 1);
    EXPECT_EQ(state.selection.selectionCount, 0);
    EXPECT_EQ(document().cell(3, 1).selected, 0);
    // A click outside the table does nothing.
    QTest::mouseClick(window->tableView(), Qt::LeftButton, {}, QPoint(900, 500));
    EXPECT_EQ(state.selection.selectionCount, 0);
}

TEST_F(EditorTest, MergesAndTheRetouchedRule) {
    NewTable(6, 4);
    Click(1, 1);
    Click(1, 2);
    Run(CommandId::MergeHorizontal); // a vertical run
    EXPECT_EQ(ui.messages.last(), Pair(40, 1, 40, 2));
    EXPECT_EQ(document().cell(1, 2).selected, 0);
    EXPECT_EQ(document().settings.tableRetouched, 0); // a refused join retouches nothing

    for (int column = 1; column <= 3; ++column)
        Click(column, 2);
    Run(CommandId::MergeHorizontal);
    EXPECT_EQ(document().cell(2, 2).joinState, kJoinedLeft);
    EXPECT_EQ(document().cell(1, 2).right, document().cell(3, 2).right);
    EXPECT_TRUE(window->action(CommandId::Undo)->isEnabled());

    Run(CommandId::RemoveLastColumn);
    EXPECT_EQ(ui.messages.last(), Pair(26, 1, 27, 2));
    EXPECT_EQ(document().settings.columnCount, 6);

    Click(4, 0);
    Run(CommandId::MergeVertical); // one cell is no run
    EXPECT_EQ(ui.messages.last(), Pair(39, 1, 40, 2));
}

TEST_F(EditorTest, CopyPasteClearUndo) {
    NewTable(4, 3);
    document().cell(0, 0).text = QStringLiteral("source");
    document().cell(0, 0).bold = 1;
    Run(CommandId::CopyCell);
    EXPECT_EQ(ui.messages.last(), Pair(60, 1, 62, 2));
    Click(0, 0);
    Run(CommandId::CopyCell);
    EXPECT_TRUE(window->action(CommandId::PasteCell)->isEnabled());
    EXPECT_EQ(document().cell(0, 0).selected, 0);

    Run(CommandId::PasteCell);
    EXPECT_EQ(ui.messages.last(), Pair(61, 1, 62, 2));
    Click(2, 1);
    Click(3, 1);
    Run(CommandId::PasteCell);
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("source"));
    EXPECT_EQ(document().cell(3, 1).bold, 1);

    Click(2, 1);
    Run(CommandId::ClearCell);
    EXPECT_TRUE(document().cell(2, 1).text.isEmpty());
    Run(CommandId::Undo);
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("source"));
    Run(CommandId::Undo);
    EXPECT_TRUE(document().cell(2, 1).text.isEmpty());

    // Paste with every copy flag off changes nothing and so leaves no undo step.
    Run(CommandId::DeselectAllFields);
    EXPECT_FALSE(window->action(CommandId::CopyText)->isChecked());
    document().cell(1, 2).text = QStringLiteral("kept");
    Click(1, 2);
    const size_t steps = document().undo.undoSteps.size();
    Run(CommandId::PasteCell);
    EXPECT_EQ(document().cell(1, 2).text, QStringLiteral("kept"));
    EXPECT_EQ(document().cell(1, 2).selected, 0);
    EXPECT_EQ(document().undo.undoSteps.size(), steps);
    Run(CommandId::CopyText); // toggles Text on again
    EXPECT_TRUE(window->action(CommandId::CopyText)->isChecked());
    EXPECT_EQ(state.settings.copyFlag(CopyFlag::Text), 1);
}

TEST_F(EditorTest, ScrollBounds) {
    NewTable(4, 3);
    auto key = [&](Qt::Key k) { QTest::keyClick(window->tableView(), k); };
    state.scrollY = -50;
    key(Qt::Key_PageUp);
    EXPECT_EQ(state.scrollY, 0); // never past the top
    key(Qt::Key_PageDown);
    EXPECT_EQ(state.scrollY, -100);
    // Control and the vertical arrows scroll by a pixel.
    QTest::keyClick(window->tableView(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(state.scrollY, -101);
    QTest::keyClick(window->tableView(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(state.scrollY, -100);
    state.scrollY = -500;
    key(Qt::Key_PageDown);
    EXPECT_EQ(state.scrollY, -561); // never past the bottom
    key(Qt::Key_Home);
    EXPECT_EQ(state.scrollY, 0);
    key(Qt::Key_End); // the whole table is in sight already
    EXPECT_EQ(state.scrollY, 0);
    state.scrollY = -561;
    EXPECT_TRUE(editor().Wheel(120));
    EXPECT_EQ(state.scrollY, -546);
    editor().Wheel(-120);
    EXPECT_FALSE(editor().Wheel(-120)); // nothing moved: the wheel goes on to the window
    EXPECT_EQ(state.scrollY, -561);
    key(Qt::Key_Home);
    EXPECT_FALSE(editor().Wheel(120));
    EXPECT_EQ(state.scrollY, 0);
    // Clicks follow the scroll: row 0 is now 100 pixels further up.
    state.scrollY = -20;
    QTest::mouseClick(window->tableView(), Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(document().cell(1, 1).selected, 1);
}

TEST_F(EditorTest, EndStopsWhereTheTableEnds) {
    NewTable(4, 50); // 50 rows of 20 pixels: 1000 pixels from the origin 2
    QTest::keyClick(window->tableView(), Qt::Key_End);
    // The last row's bottom line is at the foot of the view, not half a picture away.
    const int bottomLine = editor().CellRectInView({3, 49}).bottom();
    EXPECT_GE(bottomLine, kViewHeight - 10);
    EXPECT_LT(bottomLine, kViewHeight);
    EXPECT_EQ(editor().viewPicture().pixel(20, bottomLine), qRgb(0, 0, 0));
    EXPECT_EQ(editor().viewPicture().pixel(20, bottomLine - 10), qRgb(255, 255, 255));
    QTest::keyClick(window->tableView(), Qt::Key_Home);
    EXPECT_EQ(state.scrollY, 0);
}

TEST_F(EditorTest, RowsATallerWindowUncoversAreDrawn) {
    NewTable(4, 50); // rows of 20 pixels
    const int shownLine = editor().CellRectInView({0, 8}).bottom();
    const int hiddenLine = editor().CellRectInView({0, 30}).bottom();
    ASSERT_LT(shownLine, 200);
    ASSERT_GT(hiddenLine, 600);
    editor().SetShownHeight(200);
    Run(CommandId::ViewCommands); // a redraw of the whole table
    // Below what the view shows, no cell is laid out.
    EXPECT_EQ(editor().viewPicture().pixel(20, shownLine), qRgb(0, 0, 0));
    EXPECT_EQ(editor().viewPicture().pixel(20, hiddenLine), qRgb(255, 255, 255));
    editor().SetShownHeight(700);
    EXPECT_EQ(editor().viewPicture().pixel(20, hiddenLine), qRgb(0, 0, 0));
    EXPECT_EQ(editor().viewPicture().pixel(20, hiddenLine - 10), qRgb(255, 255, 255));
}

// 109 x 109 cells of 300 x 300: the largest New Table makes, 32702 pixels a side.
class LargeTableTest : public EditorTest {
protected:
    LargeTableTest() {
        ui.newTable = [](TableSettings& s, ProgramState&) {
            s.columnCount = s.rowCount = 109;
            s.gridCellWidth = s.gridCellHeight = 300;
            return true;
        };
        Run(CommandId::New);
    }
};

TEST_F(LargeTableTest, TheViewScrollsToTheLastCellWithItsRulers) {
    state.settings.rulerKind = 3; // cell numbers
    QTest::keyClick(window->tableView(), Qt::Key_End, Qt::ControlModifier);
    // The last cell stands at the view's bottom-right corner, drawn with the cursor's frame.
    const QRect last = editor().CellRectInView({108, 108});
    EXPECT_EQ(last.bottomRight(), QPoint(kViewWidth - 4, kViewHeight - 4));
    const QImage& view = editor().viewPicture();
    EXPECT_EQ(view.pixel(last.right() + 1, last.center().y()), qRgb(255, 128, 0));
    EXPECT_EQ(view.pixel(last.left() - 300, last.center().y()), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(last.left() - 150, last.center().y()), qRgb(255, 255, 255));
    // The rulers show the last column's and the last row's boxes beside them.
    EXPECT_EQ(editor().columnRulerPicture().pixel(last.right() - 2, 10), qRgb(0, 0, 0));
    EXPECT_EQ(editor().rowRulerPicture().pixel(10, last.bottom() - 2), qRgb(0, 0, 0));
    // No further: the view stops at the table's edges.
    QTest::keyClick(window->tableView(), Qt::Key_PageDown, Qt::ShiftModifier);
    QTest::keyClick(window->tableView(), Qt::Key_PageDown);
    EXPECT_EQ(editor().CellRectInView({108, 108}), last);
    // Clicks follow the scroll.
    QTest::mouseClick(window->tableView(), Qt::LeftButton, {}, last.center());
    EXPECT_EQ(document().cell(108, 108).selected, 1);
    QTest::keyClick(window->tableView(), Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(state.scrollX, 0);
}

// In a window lower than the view, the last cell comes into the rows the window shows.
TEST_F(LargeTableTest, TheLastCellComesIntoALowWindow) {
    window->resize(700, 500);
    window->show();
    const int shown = window->tableView()->height();
    ASSERT_LT(shown, kViewHeight);
    QTest::keyClick(window->tableView(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(window->tableView(), Qt::Key_End);
    EXPECT_EQ(editor().CellRectInView({0, 108}).bottom(), shown - 4);
    QTest::keyClick(window->tableView(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(editor().CellRectInView({108, 108}).bottom(), shown - 4);
    // A window that grows shows the whole view, the table drawn at its new, shallower scroll.
    window->resize(window->sizeHint());
    const QRect last = editor().CellRectInView({108, 108});
    EXPECT_EQ(last.bottom(), kViewHeight - 4);
    EXPECT_EQ(editor().viewPicture().pixel(last.right() + 1, last.center().y()), qRgb(255, 128, 0));
}

TEST_F(LargeTableTest, APictureBeyondItsFormatIsRefusedWithItsSize) {
    const QString png = folder.Path(QStringLiteral("large.png"));
    ui.files.push_back(png);
    ui.exportLooks.push_back(ExportLook{2, false});
    Run(CommandId::JpegExport);
    EXPECT_EQ(ui.messages.last(), Message(kFailureGroup, kExportFailedEntry) + png +
                                      QStringLiteral(": the picture would be 65402 x 65402 "
                                                     "pixels, more than the 32767 pixels a side "
                                                     "this format allows"));
    EXPECT_FALSE(QFile::exists(png));
}

TEST_F(EditorTest, PicturesAtTwiceThePixelsKeepTheirLayout) {
    NewTable(5, 4);
    const QImage atOne = editor().viewPicture().copy();
    const QImage rulerAtOne = editor().rowRulerPicture().copy();
    editor().SetPixelRatio(2);
    const QImage& atTwo = editor().viewPicture();
    EXPECT_EQ(atTwo.size(), QSize(2244, 2244));
    EXPECT_EQ(atTwo.devicePixelRatio(), 2);
    EXPECT_EQ(editor().rowRulerPicture().size(), 2 * rulerAtOne.size());
    // Every logical pixel of the view (lines, cells, frame and marks; a new table has no
    // text) is the same 2 x 2 block of pixels.
    int differing = 0;
    for (int y = 0; y < atOne.height(); ++y)
        for (int x = 0; x < atOne.width(); ++x)
            for (const QPoint corner : {QPoint(0, 0), QPoint(1, 1)})
                differing +=
                    atTwo.pixel(2 * x + corner.x(), 2 * y + corner.y()) != atOne.pixel(x, y);
    EXPECT_EQ(differing, 0);
    // Clicks and captured colours still speak logical pixels.
    // A grid line away from the cell cursor's frame (cell (0, 0)).
    QPoint line(60, 50);
    while (line.x() < 120 && atOne.pixel(line) != qRgb(0, 0, 0))
        line.rx()++;
    ASSERT_LT(line.x(), 120);
    QTest::mouseClick(window->tableView(), Qt::RightButton, {}, line);
    EXPECT_EQ(state.capturedColour, 0);
}

TEST_F(EditorTest, WindowOpensWholeWhenThereIsRoomAndFitsOtherwise) {
    const QSize whole = window->sizeHint();
    EXPECT_EQ(window->centralWidget()->sizeHint(), QSize(1145, 959));
    window->FitInto(QRect(0, 0, 1920, 1200));
    EXPECT_EQ(window->size(), whole);
    window->FitInto(QRect(0, 0, 1366, 736));
    EXPECT_LT(window->height(), 736);
    // Wider by the vertical scroll bar, so the view does not also scroll sideways.
    window->show();
    EXPECT_EQ(window->viewArea()->viewport()->width(), kViewWidth);
    EXPECT_EQ(window->pos(), QPoint(0, 0));
}

TEST_F(EditorTest, TheViewScrollsSidewaysInsideANarrowWindowWithItsRulers) {
    NewTable(5, 4);
    window->resize(600, 400);
    window->show();
    TableViewArea* area = window->viewArea();
    ASSERT_LT(area->viewport()->width(), kViewWidth);
    area->horizontalScrollBar()->setValue(200);
    auto* rowRuler = window->findChild<PictureWidget*>(ControlName(MainWindow::kRowRulerControl));
    auto* columnRuler =
        window->findChild<PictureWidget*>(ControlName(MainWindow::kColumnRulerControl));
    // The rulers stay beside the view and show the part of their pictures beside its shown part.
    EXPECT_EQ(rowRuler->geometry().topLeft(), QPoint(1, 22));
    EXPECT_EQ(columnRuler->geometry().topLeft(), QPoint(22, 1));
    EXPECT_EQ(rowRuler->grab().toImage().pixel(10, 0), editor().rowRulerPicture().pixel(10, 0));
    EXPECT_EQ(columnRuler->grab().toImage().pixel(0, 10),
              editor().columnRulerPicture().pixel(200, 10));
}

// A window lower than the view shows the view's top rows; the table scrolls inside them, and
// the vertical bar shows that scroll: where it is, how deep it goes, how much is in sight.
TEST_F(EditorTest, TheVerticalBarShowsAndMovesTheTableScroll) {
    NewTable(5, 4);
    window->resize(600, 400);
    window->show();
    TableViewArea* area = window->viewArea();
    QScrollBar* bar = area->tableScrollBar();
    const int shown = window->tableView()->height();
    ASSERT_LT(shown, kViewHeight);
    EXPECT_EQ(shown, area->viewport()->height());
    EXPECT_EQ(area->verticalScrollBar()->maximum(), 0); // the area has nothing else to scroll
    EXPECT_TRUE(bar->isVisible());
    const int depth = -kLowestScroll + kViewHeight - shown;
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), depth);
    EXPECT_EQ(bar->pageStep(), shown);
    EXPECT_EQ(bar->value(), 0);
    // The row ruler as long as the shown view and one pixel more.
    auto* rowRuler = window->findChild<PictureWidget*>(ControlName(MainWindow::kRowRulerControl));
    EXPECT_EQ(rowRuler->height(), shown + 1);

    QTest::keyClick(window->tableView(), Qt::Key_PageDown);
    EXPECT_EQ(state.scrollY, -100);
    EXPECT_EQ(bar->value(), 100);
    EXPECT_TRUE(editor().Wheel(-120));
    EXPECT_EQ(bar->value(), 115);
    EXPECT_EQ(bar->maximum(), depth);
    EXPECT_EQ(bar->pageStep(), shown);

    // The bar moves the table, down to the page's end the view hides no more of.
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(state.scrollY, -depth);
    EXPECT_EQ(bar->value(), depth);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(state.scrollY, -depth + 15);
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);

    // With room for the whole view the bar goes, and the scroll keeps its plain bounds.
    window->resize(window->sizeHint());
    EXPECT_EQ(window->tableView()->height(), kViewHeight);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(state.scrollY, kLowestScroll);
    EXPECT_EQ(bar->maximum(), -kLowestScroll);
    EXPECT_EQ(bar->pageStep(), kViewHeight);
    EXPECT_EQ(bar->value(), -kLowestScroll);
    EXPECT_EQ(rowRuler->height(), kViewHeight + 1);

    // Narrow, with the horizontal bar: the view fits exactly, or is one pixel too high.
    const int barHeight = area->horizontalScrollBar()->sizeHint().height();
    const int fitting = window->height() - area->height() + 22 + kViewHeight + 1 + barHeight;
    window->resize(600, fitting);
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(window->tableView()->height(), kViewHeight);
    window->resize(600, fitting - 1);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(window->tableView()->height(), kViewHeight - 1);
}

TEST_F(EditorTest, QtTextsAndTheLanguageMenuFollowTheLanguage) {
    EXPECT_TRUE(window->action(LanguageCommand(5))->isChecked()); // English
    Run(LanguageCommand(4));                                      // Deutsch
    EXPECT_TRUE(window->action(LanguageCommand(4))->isChecked());
    EXPECT_FALSE(window->action(LanguageCommand(5))->isChecked());
    QDialogButtonBox german(QDialogButtonBox::Yes);
    EXPECT_EQ(german.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
    Run(LanguageCommand(5));
    QDialogButtonBox english(QDialogButtonBox::Yes);
    EXPECT_EQ(english.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Yes"));
}

TEST_F(EditorTest, SelectAllInsertRemoveLimits) {
    titleBar = 1;
    NewTable(3, 3);
    Run(CommandId::SelectAll);
    EXPECT_EQ(document().cell(1, 0).selected, 0);
    EXPECT_EQ(document().cell(1, 1).selected, 1);
    Run(CommandId::SelectAll);
    EXPECT_EQ(document().cell(1, 1).selected, 0);

    document().settings.columnCount = 111;
    Run(CommandId::InsertColumn);
    EXPECT_EQ(ui.messages.last(), Pair(38, 1, 38, 2));
    document().settings.columnCount = 3;
    document().settings.rowCount = 111;
    Run(CommandId::InsertRow);
    EXPECT_EQ(ui.messages.last(), Pair(37, 1, 38, 2));
    document().settings.rowCount = 3;

    Run(CommandId::InsertColumn);
    EXPECT_EQ(document().settings.columnCount, 4);
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Columns : 4")));
    Run(CommandId::RemoveLastColumn);
    Run(CommandId::RemoveLastColumn);
    Run(CommandId::RemoveLastColumn);
    EXPECT_EQ(document().settings.columnCount, 1);
    Run(CommandId::RemoveLastColumn);
    EXPECT_EQ(ui.messages.last(), Pair(27, 1, 27, 2));
    EXPECT_EQ(document().settings.columnCount, 1);
}

TEST_F(EditorTest, SaveThenReadGivesTheSameBytes) {
    NewTable(4, 3);
    document().cell(1, 1).text = QStringLiteral("c5c");
    document().cell(2, 1).text = QStringLiteral("Hola");
    Run(CommandId::ToUpdate); // the series fills the column and moves the command away
    EXPECT_EQ(document().cell(1, 2).text, QStringLiteral("6"));
    EXPECT_TRUE(window->action(CommandId::ToUpdate)->isEnabled()); // ready for the next one
    const QString path = folder.Path(QStringLiteral("table.qdvl"));
    ui.files.push_back(path);
    Run(CommandId::RecordFile);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - table.qdvl - [*]")));
    EXPECT_EQ(state.lastFolder, QFileInfo(path).absolutePath()); // where exports start now
    const QByteArray saved = TempFolder::Read(path);
    ASSERT_EQ(saved.size(), 12 * 3331);

    // Saving over it asks first; No keeps the file.
    document().cell(2, 1).text = QStringLiteral("changed");
    ui.files.push_back(path);
    ui.answers.push_back(false);
    Run(CommandId::RecordFile);
    EXPECT_EQ(ui.questions.last(), Pair(58, 1, 58, 2));
    EXPECT_EQ(TempFolder::Read(path), saved);

    ui.files.push_back(path);
    Run(CommandId::ReadFile);
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("Hola"));
    EXPECT_EQ(document().cell(1, 2).text, QStringLiteral("6"));
    const QString again = folder.Path(QStringLiteral("again.qdvl"));
    ui.files.push_back(again);
    Run(CommandId::RecordFile);
    EXPECT_EQ(TempFolder::Read(again), saved);

    // A file of the wrong length: the message, and the open table stays.
    const QString junk = folder.Write(QStringLiteral("junk.qdvl"), QByteArray(10, 'x'));
    ui.files.push_back(junk);
    Run(CommandId::ReadFile);
    EXPECT_EQ(ui.messages.last(), Pair(42, 1, 41, 1));
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("Hola"));
}

TEST_F(EditorTest, ReadingAFileLongerThanItsTableSaysTheRestWasNotRead) {
    NewTable(2, 2);
    document().cell(0, 0).text = QStringLiteral("kept"); // zero records would land here
    const QString path = folder.Path(QStringLiteral("longer.qdvl"));
    ui.files.push_back(path);
    Run(CommandId::RecordFile);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(3 * 3331, '\0'));
    file.close();

    ui.files.push_back(path);
    Run(CommandId::ReadFile);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("kept"));
    ASSERT_FALSE(ui.messages.isEmpty());
    EXPECT_EQ(ui.messages.last(), Message(79, 1) + path +
                                      QStringLiteral(": 3 of its 7 records lie outside the "
                                                     "table's 4 cells or hold nothing"));
}

TEST_F(EditorTest, ExportsSayWhatHappened) {
    NewTable(3, 2);
    // Success is a note in the status line; no box waits to be closed.
    const QString jpeg = folder.Path(QStringLiteral("cut.jpg"));
    ui.files.push_back(jpeg);
    Run(CommandId::JpegExport);
    EXPECT_EQ(window->statusBar()->currentMessage(), Message(9, 1));
    EXPECT_EQ(QImage(jpeg).size(), QSize(121, 41));

    const QString bitmap = folder.Path(QStringLiteral("cut.bmp"));
    ui.files.push_back(bitmap);
    Run(CommandId::BitmapExport);
    EXPECT_EQ(window->statusBar()->currentMessage(), Message(54, 1));
    EXPECT_EQ(QImage(bitmap).size(), QSize(120, 40));

    const QString png = folder.Path(QStringLiteral("cut.png"));
    ui.files.push_back(png);
    Run(CommandId::JpegExport);
    EXPECT_EQ(window->statusBar()->currentMessage(),
              Message(kCellEditGroup, kPictureExportedEntry) + png);
    EXPECT_TRUE(ui.messages.isEmpty());

    const QString unknown = folder.Path(QStringLiteral("cut.xyz"));
    ui.files.push_back(unknown);
    Run(CommandId::JpegExport);
    EXPECT_TRUE(ui.messages.last().startsWith(Message(72, 2)));
    EXPECT_TRUE(ui.messages.last().contains(QStringLiteral("cut.xyz")));
    EXPECT_FALSE(QFile::exists(unknown));
}

TEST_F(EditorTest, ExportLookIsAskedKeptAndCopiedToTheClipboard) {
    NewTable(3, 2);
    document().settings.separatorPixels = 4;
    Run(CommandId::ToUpdate);
    // A JPEG cannot be transparent: asked for it, the picture comes out opaque and the
    // choice stays for the next PNG.
    state.settings.exportTransparent = 1;
    const QString jpeg = folder.Path(QStringLiteral("cut.jpg"));
    ui.files.push_back(jpeg);
    ui.exportLooks.push_back(ExportLook{3, true});
    Run(CommandId::JpegExport);
    EXPECT_EQ(ui.lookProposals.back(), (ExportLook{1, true}));
    EXPECT_EQ(QImage(jpeg).size(), QSize(129 * 3, 45 * 3));
    EXPECT_EQ(state.settings.exportScale, 3);
    EXPECT_EQ(state.settings.exportTransparent, 1);

    const QString png = folder.Path(QStringLiteral("cut.png"));
    ui.files.push_back(png);
    ui.exportLooks.push_back(ExportLook{2, false});
    Run(CommandId::JpegExport);
    EXPECT_EQ(ui.lookProposals.back(), (ExportLook{3, true}));
    EXPECT_EQ(state.settings.exportTransparent, 0);
    ui.files.push_back(png);
    ui.exportLooks.push_back(ExportLook{2, true});
    Run(CommandId::JpegExport);
    EXPECT_EQ(state.settings.exportScale, 2);
    EXPECT_EQ(state.settings.exportTransparent, 1);
    const QImage exported(png);
    ASSERT_EQ(exported.size(), QSize(129 * 2, 45 * 2));
    EXPECT_EQ(qAlpha(exported.pixel(2 * 42, 10)), 0); // a separator

    // A table with no file starts in the last folder; one with a file proposes the picture
    // beside it, under its name.
    EXPECT_EQ(ui.fileRequests.back().startPath, state.lastFolder);
    ui.files.push_back(folder.Path(QStringLiteral("prices.v2.qdvl")));
    Run(CommandId::RecordFile);
    Run(CommandId::JpegExport);
    EXPECT_EQ(ui.fileRequests.back().startPath, folder.Path(QStringLiteral("prices.v2")));

    // A cancelled dialog writes nothing and keeps the look.
    const QString cancelled = folder.Path(QStringLiteral("cancelled.png"));
    ui.files.push_back(cancelled);
    ui.exportLooks.push_back(std::nullopt);
    Run(CommandId::JpegExport);
    EXPECT_FALSE(QFile::exists(cancelled));
    EXPECT_EQ(state.settings.exportScale, 2);

    QGuiApplication::clipboard()->clear();
    Run(CommandId::CopyPicture);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32),
              exported.convertToFormat(QImage::Format_ARGB32));
}

TEST_F(EditorTest, RefreshDataKeepsTheLookAndAsksBeforeAddingRows) {
    NewTable(2, 2);
    document().cell(1, 1).backColour = 0x00FF00;
    document().cell(1, 1).numericAllowed = 1;
    document().cell(1, 1).numberFormat = kEnglishDecimal;
    const QString data = folder.Write(QStringLiteral("fresh.csv"), "Tea,x\nJam,4.5\nNew,1\n");
    ui.files.push_back(data);
    ui.answers.push_back(false);
    const Document before = document();
    Run(CommandId::RefreshData);
    EXPECT_EQ(ui.questions.last(), Message(kDataGroup, kAddRowsEntry));
    EXPECT_EQ(document().cell(0, 0), before.cell(0, 0)); // declined: nothing written
    EXPECT_FALSE(window->isWindowModified());

    ui.files.push_back(data);
    ui.answers.push_back(true);
    Run(CommandId::RefreshData);
    EXPECT_EQ(document().settings.rowCount, 3);
    EXPECT_EQ(document().cell(1, 1).text, QStringLiteral("4.5"));
    EXPECT_EQ(document().cell(1, 1).backColour, 0x00FF00);
    EXPECT_EQ(document().cell(1, 2).numericAllowed, 1); // the added row is made like the last
    EXPECT_EQ(document().cell(0, 2).text, QStringLiteral("New"));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(ui.messages.isEmpty()); // every field found its cell

    // Fields beyond the row's cells are told.
    ui.files.push_back(folder.Write(QStringLiteral("wide.csv"), "a,b,c,d\n"));
    Run(CommandId::RefreshData);
    EXPECT_EQ(ui.messages.last(), Message(kDataGroup, kLeftOutEntry) + QStringLiteral("2"));
}

TEST_F(EditorTest, CopyAsTextPutsTheSelectionOrTheTableOnTheClipboardInTwoForms) {
    NewTable(3, 2);
    document().cell(0, 0).text = QStringLiteral("a<b");
    document().cell(1, 1).text = QStringLiteral("x");
    document().cell(2, 1).text = QStringLiteral("y");
    Run(CommandId::CopyAsText);
    const QMimeData* whole = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(whole->text(), QStringLiteral("a<b\t\t\n\tx\ty\n"));
    EXPECT_TRUE(whole->html().contains(QStringLiteral("<td>a&lt;b</td>")));
    document().cell(1, 1).selected = 1;
    document().cell(2, 1).selected = 1;
    Run(CommandId::CopyAsText);
    const QMimeData* selection = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(selection->text(), QStringLiteral("x\ty\n"));
    EXPECT_EQ(selection->html(),
              QStringLiteral("<table>\n<tr><td>x</td><td>y</td></tr>\n</table>\n"));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(EditorTest, RulerButtonCyclesThroughItsThreeKinds) {
    ASSERT_EQ(state.settings.rulerKind, 1);
    for (const int kind : {2, 3, 1, 2}) {
        Run(CommandId::RulerButton);
        EXPECT_EQ(state.settings.rulerKind, kind);
    }
    EXPECT_EQ(LoadSettings(state.settingsPath).rulerKind, 2); // a preference, kept at once
}

TEST_F(EditorTest, ExportRefusesTheOpenWorkFile) {
    NewTable(3, 2);
    const QString path = folder.Path(QStringLiteral("table.qdvl"));
    ui.files.push_back(path);
    Run(CommandId::RecordFile);
    const QByteArray saved = TempFolder::Read(path);
    const QString link = folder.Path(QStringLiteral("link.png"));
    ASSERT_TRUE(QFile::link(path, link));
    for (const QString& target : {path, link}) {
        ui.files.push_back(target);
        ui.exportLooks.push_back(ExportLook{2, false});
        Run(CommandId::JpegExport);
        EXPECT_EQ(ui.messages.last(), Message(76, 5) + target);
    }
    EXPECT_EQ(state.settings.exportScale, 1); // a refused export remembers nothing
    EXPECT_EQ(TempFolder::Read(path), saved);
}

TEST_F(EditorTest, AFifoIsNeitherImportedNorReplacedBySaveOrExport) {
    NewTable(3, 2);
    const Fifo fifo(folder.Path(QStringLiteral("f.csv")));
    ASSERT_TRUE(fifo.made());
    const QString reason = QStringLiteral(": Not a regular file (a named pipe)");
    ui.files.push_back(fifo.path());
    EXPECT_TRUE(fifo.ReturnsWithoutWriterHere([this] { Run(CommandId::ImportData); }));
    EXPECT_EQ(ui.messages.last(),
              Message(kDataGroup, kNoDataEntry) + QStringLiteral("f.csv") + reason);
    EXPECT_EQ(document().settings.columnCount, 3);

    ui.files.push_back(fifo.path());
    Run(CommandId::RecordFile);
    EXPECT_EQ(ui.messages.last(), Message(kFailureGroup, kSaveFailedEntry) + fifo.path() + reason);
    EXPECT_TRUE(ui.questions.isEmpty()); // refused before "Overwrite ?"
    const QString link = folder.Path(QStringLiteral("cut.jpg"));
    ASSERT_TRUE(QFile::link(fifo.path(), link));
    ui.files.push_back(link);
    Run(CommandId::JpegExport);
    EXPECT_EQ(ui.messages.last(), Message(kFailureGroup, kExportFailedEntry) + link + reason);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(RegularFileProblem(fifo.path()).reason, reason.mid(2));
}

TEST_F(EditorTest, LanguageChangeWithAndWithoutTable) {
    Run(LanguageCommand(4)); // Deutsch
    EXPECT_EQ(state.settings.currentLanguage, kGerman);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quadrivel[*]"));
    EXPECT_EQ(window->action(CommandId::New)->text(), MessageIn(kGerman, 71, 2));
    EXPECT_EQ(window->startPanel()->findChild<QLabel*>()->text(),
              MessageIn(kGerman, kStartGroup, kPickSizeEntry));
    EXPECT_FALSE(window->action(CommandId::RecordFile)->isEnabled());
    EXPECT_TRUE(QFile::exists(state.settingsPath)); // a language change saves the settings

    NewTable(3, 2);
    Run(LanguageCommand(5)); // English
    EXPECT_EQ(window->action(CommandId::New)->text(), QStringLiteral("New"));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Width : 40 Height : 20")));
    EXPECT_TRUE(window->action(CommandId::RecordFile)->isEnabled());
    EXPECT_FALSE(window->action(CommandId::PasteCell)->isEnabled());
}

TEST_F(EditorTest, ExitSavesSettingsEscapeDoesNot) {
    Run(Nth(CommandId::FirstCharacterSet, 1)); // a character set, then leave with Escape
    ui.answers.push_back(true);
    QTest::keyClick(window->tableView(), Qt::Key_Escape);
    EXPECT_EQ(ui.questions.last(), Message(24, 1));
    EXPECT_FALSE(QFile::exists(state.settingsPath));

    Run(CommandId::Exit);
    ASSERT_TRUE(QFile::exists(state.settingsPath));
    EXPECT_EQ(LoadSettings(state.settingsPath).characterSet, 128);
}

TEST_F(EditorTest, CommandLineFiles) {
    EXPECT_EQ(CommandLineText({QStringLiteral("quadrivel"), QStringLiteral("\"/tmp/my"),
                               QStringLiteral("table.qdvl\"")}),
              QStringLiteral("/tmp/my table.qdvl"));
    EXPECT_TRUE(CommandLineText({QStringLiteral("quadrivel"), QStringLiteral("\"\"")}).isEmpty());

    const QString missing = folder.Path(QStringLiteral("gone.qdvl"));
    editor().Initialise(missing);
    EXPECT_EQ(ui.messages.last(), Message(64, 1) + QStringLiteral("\r\n") + missing +
                                      QStringLiteral("\r\n") + Message(64, 2));
    EXPECT_FALSE(state.tableLoaded);
    // A folder is there: it is not called missing, the reason says what it is.
    const QString sub = folder.Path(QStringLiteral("sub.qdvl"));
    ASSERT_TRUE(QDir().mkpath(sub));
    editor().Initialise(sub);
    EXPECT_EQ(ui.messages.last(), Message(78, 1) + sub + QStringLiteral(": Is a directory"));
    ui.files.push_back(sub);
    Run(CommandId::ReadFile);
    EXPECT_EQ(ui.messages.size(), 3);
    EXPECT_EQ(ui.messages.last(), Message(78, 1) + sub + QStringLiteral(": Is a directory"));

    Document table;
    table.settings.gridCellWidth = 30;
    table.settings.gridCellHeight = 15;
    CreateTable(table, 3, 2, 2, 2, 0);
    const QString spaced = folder.Path(QStringLiteral("with space.qdvl"));
    ASSERT_TRUE(SaveWorkFile(spaced, table).ok());
    editor().Initialise(QLatin1Char('"') + spaced + QLatin1Char('"'));
    EXPECT_TRUE(state.tableLoaded);
    EXPECT_EQ(document().settings.gridCellWidth, 30);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - with space.qdvl - [*]")));
}

TEST_F(EditorTest, ImportCsvIntoANewTable) {
    // With no table open, the data makes a table that is not saved yet.
    ui.files.push_back(folder.Write(QStringLiteral("pair.csv"), "a,b\r\n"));
    Run(CommandId::ImportData);
    EXPECT_EQ(document().cell(1, 0).text, QStringLiteral("b"));
    EXPECT_TRUE(document().undo.Modified());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_FALSE(window->action(CommandId::Undo)->isEnabled());

    NewTable(5, 4);
    document().cell(0, 0).text = QStringLiteral("old");

    // An empty file: said, and the open table stays.
    ui.files.push_back(folder.Write(QStringLiteral("empty.csv"), "\r\n"));
    Run(CommandId::ImportData);
    EXPECT_EQ(ui.fileRequests.back().kind, FileDialogKind::Data);
    EXPECT_EQ(ui.messages.last(), Message(kDataGroup, kNoDataEntry) + QStringLiteral("empty.csv"));
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("old"));

    // 112 columns: the cut to what a new table holds is said first; No changes nothing.
    QByteArray wide;
    for (int column = 0; column < 112; ++column)
        wide += (column > 0 ? ";" : "") + QByteArray::number(column) + ",5";
    ui.files.push_back(
        folder.Write(QStringLiteral("wide.csv"), wide + "\r\nx" + QByteArray(111, ';') + "\r\n"));
    Run(CommandId::ImportData);
    EXPECT_EQ(ui.questions.last(), Message(kDataGroup, kDataCutEntry) + QStringLiteral("\r\n") +
                                       Message(kDataGroup, kColumnsImportedEntry) +
                                       QStringLiteral("109\r\n") +
                                       Message(kDataGroup, kImportPartEntry));
    EXPECT_EQ(document().settings.columnCount, 5);

    // Accepted: the dialog proposes the counts, the new table holds the data.
    TableSettings offered;
    ui.newTable = [&](TableSettings& s, ProgramState&) {
        offered = s;
        s.gridCellWidth = 10;
        s.gridCellHeight = 10;
        return true;
    };
    ui.files.push_back(folder.Path(QStringLiteral("wide.csv")));
    ui.answers.push_back(true);
    Run(CommandId::ImportData);
    EXPECT_EQ(offered.columnCount, 109);
    EXPECT_EQ(offered.rowCount, 2);
    EXPECT_EQ(document().settings.columnCount, 109);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("0.5"));
    EXPECT_EQ(document().cell(0, 0).numericAllowed, 1);
    EXPECT_EQ(document().cell(108, 0).text, QStringLiteral("108.5"));
    EXPECT_EQ(document().cell(0, 1).text, QStringLiteral("x"));
    EXPECT_TRUE(window->action(CommandId::Undo)->isEnabled());

    // A long file: asked once, its first rows imported, even when fewer are chosen.
    QByteArray rows = "n\r\n";
    for (int row = 1; row < 150; ++row)
        rows += QByteArray::number(row) + "\r\n";
    ui.files.push_back(folder.Write(QStringLiteral("long.csv"), rows));
    ui.answers.push_back(true);
    const qsizetype asked = ui.questions.size();
    ui.newTable = [&](TableSettings& s, ProgramState&) {
        offered = s;
        s.rowCount = 50;
        return true;
    };
    Run(CommandId::ImportData);
    EXPECT_EQ(ui.questions.size(), asked + 1);
    EXPECT_EQ(ui.questions.last(), Message(kDataGroup, kDataCutEntry) + QStringLiteral("\r\n") +
                                       Message(kDataGroup, kRowsImportedEntry) +
                                       QStringLiteral("109\r\n") +
                                       Message(kDataGroup, kImportPartEntry));
    EXPECT_EQ(offered.rowCount, 109);
    EXPECT_EQ(document().settings.rowCount, 50);
    EXPECT_EQ(document().cell(0, 49).text, QStringLiteral("49"));

    // Bytes of zero: not text, said with their line; the open table stays.
    ui.files.push_back(folder.Write(QStringLiteral("nul.csv"), QByteArray("a\nb\0\n", 5)));
    Run(CommandId::ImportData);
    EXPECT_EQ(ui.messages.last(),
              Message(kDataGroup, kNotTextEntry) + QStringLiteral("2\r\nnul.csv"));
    EXPECT_EQ(document().settings.rowCount, 50);
}

TEST_F(EditorTest, PasteFromASpreadsheetFillsFromTheSelectedCell) {
    NewTable(5, 4);
    Run(CommandId::PasteData);
    EXPECT_EQ(ui.messages.last(), Pair(61, 1, 62, 2));

    Click(3, 2);
    ui.clipboard = QStringLiteral("a\tb\tc\r\n1,5\t\"two\nlines\"\t3\r\n");
    window->action(CommandId::PasteData)->trigger();
    EXPECT_EQ(window->action(CommandId::PasteData)->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    EXPECT_EQ(document().cell(3, 2).text, QStringLiteral("a"));
    EXPECT_EQ(document().cell(4, 2).text, QStringLiteral("b"));
    EXPECT_EQ(document().cell(3, 3).text, QStringLiteral("1.5"));
    EXPECT_EQ(document().cell(3, 3).numericAllowed, 1);
    EXPECT_EQ(document().cell(4, 3).text, QStringLiteral("two lines"));
    EXPECT_EQ(ui.messages.last(), Message(kDataGroup, kOutsideEntry) + QStringLiteral("2"));
    EXPECT_EQ(document().cell(3, 2).selected, 0);

    // One undoable step.
    Run(CommandId::Undo);
    EXPECT_EQ(document().cell(3, 2).text, QString());
    EXPECT_EQ(document().cell(4, 3).text, QString());

    // Numbers are right-aligned, whole ones as integers; text with a NUL is not pasted.
    Click(1, 1);
    ui.clipboard = QStringLiteral("3\t0.28\r\n4\t1\r\n");
    Run(CommandId::PasteData);
    EXPECT_EQ(document().cell(1, 1).numberFormat, kEnglishInteger);
    EXPECT_EQ(document().cell(1, 1).alignment, Alignment::Right);
    EXPECT_EQ(ShownText(document().cell(2, 1), QStringLiteral(".00")), QStringLiteral("0.28"));
    Click(0, 0);
    ui.clipboard = QStringLiteral("a\tb") + QChar(0) + QStringLiteral("c");
    Run(CommandId::PasteData);
    EXPECT_EQ(ui.messages.last(), Message(kDataGroup, kNoClipboardEntry));
    EXPECT_EQ(document().cell(0, 0).text, QString());
}

TEST_F(EditorTest, ASelectedCellShowsItsText) {
    NewTable(4, 3);
    document().cell(1, 1).text = QStringLiteral("WWW");
    Click(1, 1);
    // Cell (1, 1) is drawn from (44, 24) to (84, 44): its glyphs stay dark under the tint.
    int glyphPixels = 0;
    for (int y = 25; y < 44; ++y) {
        for (int x = 45; x < 84; ++x) {
            const QRgb pixel = editor().viewPicture().pixel(x, y);
            glyphPixels += qRed(pixel) < 60 && qBlue(pixel) < 100;
        }
    }
    EXPECT_GT(glyphPixels, 20);
}

TEST_F(EditorTest, DoubleClickEditsInEveryLeftMouseMode) {
    NewTable(4, 3);
    QWidget* box = window->inPlaceEditor();
    document().cell(2, 1).text = QStringLiteral("a");
    // A double-click is a press (which selects here) and then the double-click itself.
    Click(2, 1);
    QTest::mouseDClick(window->tableView(), Qt::LeftButton, {}, QPoint(2 * 40 + 20, 30));
    QTest::keyClick(box, '!');
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("a!"));
    EXPECT_EQ(document().cell(2, 1).selected, 0);
    EXPECT_EQ(state.cursor.column, 2);
    EXPECT_EQ(state.cursor.row, 2); // Enter moved on
    EXPECT_TRUE(window->action(CommandId::Undo)->isEnabled());

    Run(CommandId::InsertImage);
    Click(0, 0);
    QTest::mouseDClick(window->tableView(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::keyClick(box, '!');
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("!"));
    EXPECT_TRUE(ui.cellEditOpenings.empty());
    EXPECT_EQ(ui.fileRequests.size(), 1u); // the press of the double-click asked for an image
}

TEST_F(EditorTest, KeysMoveTheCursorOverBlocksAndCancelledCells) {
    NewTable(5, 50);
    // Cells (1, 0) and (2, 0) are one block; (1, 1) is cancelled.
    document().cell(2, 0).joinState = kJoinedLeft;
    document().cell(1, 0).right = document().cell(2, 0).right;
    document().cell(1, 1).cellState = kCellCancelled;
    QWidget* view = window->tableView();
    const auto at = [&](int column, int row) {
        return state.cursor.column == column && state.cursor.row == row;
    };
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_TRUE(at(1, 0));
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_TRUE(at(3, 0)); // the block is one stop
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_TRUE(at(1, 0));
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_TRUE(at(1, 2)); // over the cancelled cell
    QTest::keyClick(view, Qt::Key_Tab);
    EXPECT_TRUE(at(2, 2));
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(at(1, 2));
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_TRUE(at(1, 0));
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_TRUE(at(1, 0)); // the table's edge
    EXPECT_EQ(state.scrollY, 0);

    // The view follows the cursor down: row 49 ends at 22 + 49 * 20 + 2 = 1004.
    state.cursor = {0, 48, 0, 48};
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_TRUE(at(0, 49));
    EXPECT_EQ(state.scrollY, kViewHeight - 1004 - 4);
    // The cursor's frame lies on the grid line of its cell, orange.
    EXPECT_EQ(editor().viewPicture().pixel(4, 1004 + state.scrollY), qRgb(255, 128, 0));
    EXPECT_EQ(editor().viewPicture().pixel(3, 990 + state.scrollY), qRgb(255, 128, 0));
    EXPECT_EQ(editor().viewPicture().pixel(5, 990 + state.scrollY), qRgb(255, 255, 255));
}

TEST_F(EditorTest, ShiftAndTheArrowsSelect) {
    NewTable(5, 4);
    document().cell(3, 0).joinState = kJoinedLeft;
    QWidget* view = window->tableView();
    state.cursor = {0, 2, 0, 2};
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(state.selection.selectionCount, 3);
    EXPECT_TRUE(state.selection.runHorizontal);
    EXPECT_EQ(document().cell(2, 2).selected, 1);
    Run(CommandId::MergeHorizontal); // a line of single cells is a run
    EXPECT_EQ(document().cell(2, 2).joinState, kJoinedLeft);

    // Up, then onto the block of (2, 0) and (3, 0): the rectangle takes the whole block.
    state.cursor = {1, 1, 1, 1};
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_TRUE(state.selection.runVertical);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(MarkedCells(document()).size(), 5u);
    EXPECT_FALSE(state.selection.runHorizontal || state.selection.runVertical);
    EXPECT_EQ(document().cell(2, 0).selected, 1);
    EXPECT_EQ(document().cell(3, 0).selected, 0);
    EXPECT_EQ(document().cell(3, 1).selected, 1);
    QTest::keyClick(view, Qt::Key_Left); // a plain move drops the selection
    EXPECT_TRUE(MarkedCells(document()).empty());
    EXPECT_EQ(state.selection.selectionCount, 0);
}

TEST_F(EditorTest, ManyCellsEditedTakeOnlyTheChangesInOneUndoStep) {
    NewTable(4, 3);
    for (int column = 0; column < 3; ++column)
        document().cell(column, 0).text = QString(QChar(u'A' + column));
    document().cell(1, 0).italic = 1;
    document().cell(2, 0).backColour = 0x00FF00;
    ui.cellEditing = [](CellEditFields& fields, ProgramState&) {
        fields.resultLook.bold = 1; // what Accept leaves after ticking Bold
        return true;
    };
    QWidget* view = window->tableView();
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    const size_t steps = document().undo.undoSteps.size();
    Run(CommandId::FormatCell);
    EXPECT_EQ(ui.cellEditOpenings.back().cellCount, 3);
    EXPECT_EQ(document().undo.undoSteps.size(), steps + 1);
    for (int column = 0; column < 3; ++column) {
        const CellRecord& cell = document().cell(column, 0);
        EXPECT_EQ(cell.bold, 1) << column;
        EXPECT_EQ(cell.text, QString(QChar(u'A' + column))) << column;
        EXPECT_EQ(cell.selected, 0) << column;
    }
    EXPECT_EQ(document().cell(1, 0).italic, 1);
    EXPECT_EQ(document().cell(2, 0).backColour, 0x00FF00);
    EXPECT_EQ(document().cell(1, 1).bold, 0);

    // A changed text goes to every cell; a new selection starts at the cursor, (2, 0).
    ui.cellEditing = [](CellEditFields& fields, ProgramState&) {
        fields.text = QStringLiteral("9.50");
        return true;
    };
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    Run(CommandId::FormatCell);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("A"));
    EXPECT_EQ(document().cell(1, 0).text, QStringLiteral("9.50"));
    EXPECT_EQ(document().cell(2, 0).text, QStringLiteral("9.50"));

    Run(CommandId::Undo);
    Run(CommandId::Undo);
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(document().cell(column, 0).bold, 0) << column;
        EXPECT_EQ(document().cell(column, 0).text, QString(QChar(u'A' + column))) << column;
    }

    // A colour set to the one the shown cell already has still goes to every cell.
    ui.cellEditing = [](CellEditFields& fields, ProgramState&) {
        fields.touched |= touched::kBackground;
        return true;
    };
    state.cursor = {0, 0, 0, 0};
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    Run(CommandId::FormatCell);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(document().cell(column, 0).backColour, 0x00FF00) << column;
}

TEST_F(EditorTest, TheLeftMouseModeIsKeptInTheSettings) {
    Run(CommandId::EditTextAndColours);
    EXPECT_EQ(LoadSettings(state.settingsPath).leftMouseMode, LeftMouseMode::EditCell);
    NewTable(3, 3);
    EXPECT_EQ(state.settings.leftMouseMode, LeftMouseMode::EditCell);
    EXPECT_TRUE(window->action(CommandId::EditTextAndColours)->isChecked());

    EditorState restarted;
    restarted.settings = LoadSettings(state.settingsPath);
    MainWindow again(ui, clock, restarted);
    again.editor().Initialise(QString());
    EXPECT_TRUE(again.action(CommandId::EditTextAndColours)->isChecked());
    EXPECT_FALSE(again.action(CommandId::CellSelector)->isChecked());

    // A mode beyond the known ones, from a hand-edited file, starts as the cell selector.
    EditorState edited;
    edited.settings.leftMouseMode = LeftMouseMode(5);
    MainWindow third(ui, clock, edited);
    third.editor().Initialise(QString());
    EXPECT_EQ(edited.settings.leftMouseMode, LeftMouseMode::SelectCells);
    EXPECT_TRUE(third.action(CommandId::CellSelector)->isChecked());
}

TEST_F(EditorTest, ViewCommandsShowsTheSeriesAsTyped) {
    NewTable(3, 1);
    document().cell(0, 0).text = QStringLiteral("f1f");
    Run(CommandId::ToUpdate);
    EXPECT_EQ(document().cell(2, 0).text, QStringLiteral("3"));
    Run(CommandId::ViewCommands);
    EXPECT_TRUE(window->action(CommandId::ViewCommands)->isChecked());
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("f1f"));
    Run(CommandId::ViewCommands);
    EXPECT_FALSE(window->action(CommandId::ViewCommands)->isChecked());
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("1"));
}

TEST_F(EditorTest, SelectAllFieldsTurnsEveryCopyFlagOn) {
    Run(CommandId::DeselectAllFields);
    EXPECT_EQ(state.settings.copyFlag(CopyFlag::Text), 0);
    Run(CommandId::SelectAllFields);
    for (int i = 0; i < kCopyFlagCount; ++i)
        EXPECT_EQ(state.settings.copyFlags[size_t(i)], 1) << i;
    EXPECT_TRUE(window->action(CommandId::CopyText)->isChecked());
}

TEST_F(EditorTest, TheRightMouseModesCheckOneAnother) {
    Run(CommandId::FavouriteColours);
    EXPECT_TRUE(window->action(CommandId::FavouriteColours)->isChecked());
    EXPECT_FALSE(window->action(CommandId::CapturingColour)->isChecked());
    Run(CommandId::CapturingColour);
    EXPECT_TRUE(window->action(CommandId::CapturingColour)->isChecked());
    EXPECT_FALSE(window->action(CommandId::FavouriteColours)->isChecked());
}

TEST_F(EditorTest, AClickBeforeAnyTableOpensNothing) {
    Run(CommandId::EditTextAndColours);
    Click(0, 0);
    Click(1, 1, Qt::RightButton);
    EXPECT_EQ(ui.dialogsRun, QStringList());
    EXPECT_EQ(ui.messages, QStringList());
}

TEST_F(EditorTest, AnotherImageKeepsTheColourUnderTheFirst) {
    NewTable(3, 3);
    document().cell(1, 1).backColour = 0x123456;
    Run(CommandId::InsertImage);
    ui.files = {QStringLiteral("/a.png"), QStringLiteral("/b.png")};
    Click(1, 1);
    EXPECT_EQ(document().cell(1, 1).imageSpec, QStringLiteral("/a.png*1193046"));
    Click(1, 1);
    EXPECT_EQ(ui.fileRequests.back().startPath, QStringLiteral("/a.png"));
    EXPECT_EQ(document().cell(1, 1).imageSpec, QStringLiteral("/b.png*1193046"));
    EXPECT_EQ(document().cell(1, 1).backColour, kImageCellMarker);
}
