#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/message_table.h"
#include "app/picture_widget.h"
#include "app/scripted_ui.h"
#include "app/startup.h"
#include "content/clock.h"
#include "fixtures/temp_folder.h"
#include "model/work_file.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    static QApplication* application =
        qobject_cast<QApplication*>(QCoreApplication::instance())
            ? qobject_cast<QApplication*>(QCoreApplication::instance())
            : new QApplication(argc, argv);
    return *application;
}

// The editor in English with a scripted Ui, a fixed date and its settings in a temporary
// folder. New tables come from `columns` x `rows` cells of 40 x 20.
class EditorTest : public ::testing::Test {
protected:
    EditorTest() {
        Application();
        state.settings.currentLanguage = kEnglish;
        state.settingsPath = folder.Path(QStringLiteral("Quadrivel.ini"));
        ui.newTable = [this](TableSettings& s, AppState&) {
            s.columnCount = int16_t(columns);
            s.rowCount = int16_t(rows);
            s.gridCellWidth = 40;
            s.gridCellHeight = 20;
            s.horizontalTitleBar = titleBar;
            return true;
        };
        window = std::make_unique<MainWindow>(ui, clock, state);
        window->editor().Initialise(QString());
    }

    Editor& editor() { return window->editor(); }
    Document& document() { return editor().document(); }
    void Run(int command) { editor().Command(command); }
    void NewTable(int c, int r) {
        columns = c;
        rows = r;
        Run(command::kNew);
    }
    // A click in the middle of a cell of the view (cells of 40 x 20, no separator).
    void Click(int column, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->tableView(), button, {},
                          QPoint(column * 40 + 20, row * 20 + 10 + editor().state().scrollY));
    }
    QString Message(int g, int e) const { return MessageIn(kEnglish, g, e); }
    QString Pair(int g1, int e1, int g2, int e2) const {
        return Message(g1, e1) + QStringLiteral("\r\n") + Message(g2, e2);
    }

    TempFolder folder;
    ScriptedUi ui;
    FixedClock clock{QDate(2026, 12, 7)};
    AppState state;
    std::unique_ptr<MainWindow> window;
    int columns = 5;
    int rows = 4;
    int32_t titleBar = 0;
};

} // namespace

TEST_F(EditorTest, EmptyWindowThenNewTable) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quadrivel"));
    EXPECT_FALSE(window->action(command::kRecordFile)->isEnabled());
    EXPECT_TRUE(window->action(command::kNew)->isEnabled());
    EXPECT_TRUE(window->action(command::kCellSelector)->isChecked());
    EXPECT_TRUE(window->action(1090)->isChecked()); // ANSI
    EXPECT_EQ(window->action(command::kUndo)->shortcut(), QKeySequence(QKeySequence::Undo));

    NewTable(5, 4);
    EXPECT_EQ(state.tableLoaded, 1);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Width : 40 Height : 20 Rows : 4 Columns : 5 Separation : 0 -  - "));
    EXPECT_TRUE(window->action(command::kRecordFile)->isEnabled());
    EXPECT_FALSE(window->action(command::kUndo)->isEnabled());
    EXPECT_FALSE(window->action(command::kPasteCell)->isEnabled());
    // The table is drawn in the view: the second cell's right edge (82) moved by the origin
    // (2); the first cell, the cursor's, is framed in orange.
    EXPECT_EQ(editor().viewPicture().pixel(84, 12), qRgb(0, 0, 0));
    EXPECT_EQ(editor().viewPicture().pixel(4, 12), qRgb(255, 128, 0));
    EXPECT_EQ(editor().viewPicture().pixel(20, 12), qRgb(255, 255, 255));
}

TEST_F(EditorTest, CancelledNewTableLeavesTheOpenTable) {
    titleBar = 1;
    NewTable(4, 3);
    document().settings.passwordSet = 1;
    document().settings.password = QStringLiteral("old");
    document().cell(1, 1).text = QStringLiteral("kept");
    TableSettings offered;
    ui.newTable = [&](TableSettings& s, AppState&) {
        offered = s;
        return false;
    };
    Run(command::kNew);
    EXPECT_EQ(offered.horizontalTitleBar, 0);
    EXPECT_EQ(offered.passwordSet, 0);
    EXPECT_EQ(document().settings.horizontalTitleBar, 1);
    EXPECT_EQ(document().settings.password, QStringLiteral("old"));
    EXPECT_EQ(document().cell(1, 1).text, QStringLiteral("kept"));
}

TEST_F(EditorTest, SelectionRunsByClicks) {
    NewTable(8, 4);
    for (int column = 2; column <= 5; ++column)
        Click(column, 1);
    EXPECT_EQ(state.selection.selectionCount, 4);
    EXPECT_EQ(state.selection.runHorizontal, 1);
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
    Run(command::kMergeHorizontal); // a vertical run
    EXPECT_EQ(ui.messages.last(), Pair(40, 1, 40, 2));
    EXPECT_EQ(document().cell(1, 2).selected, 0);
    EXPECT_EQ(document().settings.tableRetouched, 1);

    for (int column = 1; column <= 3; ++column)
        Click(column, 2);
    Run(command::kMergeHorizontal);
    EXPECT_EQ(document().cell(2, 2).joinState, kJoinedLeft);
    EXPECT_EQ(document().cell(1, 2).right, document().cell(3, 2).right);
    EXPECT_TRUE(window->action(command::kUndo)->isEnabled());

    Run(command::kRemoveLastColumn);
    EXPECT_EQ(ui.messages.last(), Pair(26, 1, 27, 2));
    EXPECT_EQ(document().settings.columnCount, 6);

    Click(4, 0);
    Run(command::kMergeVertical); // one cell is no run
    EXPECT_EQ(ui.messages.last(), Pair(39, 1, 40, 2));
}

TEST_F(EditorTest, CopyPasteClearUndo) {
    NewTable(4, 3);
    document().cell(0, 0).text = QStringLiteral("source");
    document().cell(0, 0).bold = 1;
    Run(command::kCopyCell);
    EXPECT_EQ(ui.messages.last(), Pair(60, 1, 62, 2));
    Click(0, 0);
    Run(command::kCopyCell);
    EXPECT_TRUE(window->action(command::kPasteCell)->isEnabled());
    EXPECT_EQ(document().cell(0, 0).selected, 0);

    Run(command::kPasteCell);
    EXPECT_EQ(ui.messages.last(), Pair(61, 1, 62, 2));
    Click(2, 1);
    Click(3, 1);
    Run(command::kPasteCell);
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("source"));
    EXPECT_EQ(document().cell(3, 1).bold, 1);

    Click(2, 1);
    Run(command::kClearCell);
    EXPECT_TRUE(document().cell(2, 1).text.isEmpty());
    Run(command::kUndo);
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("source"));
    Run(command::kUndo);
    EXPECT_TRUE(document().cell(2, 1).text.isEmpty());

    // Paste with every copy flag off changes nothing but still takes a snapshot.
    Run(command::kDeselectAllFields);
    EXPECT_FALSE(window->action(1081)->isChecked());
    document().cell(1, 2).text = QStringLiteral("kept");
    Click(1, 2);
    const int16_t level = document().undo.undoLevel;
    Run(command::kPasteCell);
    EXPECT_EQ(document().cell(1, 2).text, QStringLiteral("kept"));
    EXPECT_EQ(document().cell(1, 2).selected, 0);
    EXPECT_EQ(document().undo.undoLevel, level + 1);
    Run(1081); // toggles Text on again
    EXPECT_TRUE(window->action(1081)->isChecked());
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
    key(Qt::Key_End);
    EXPECT_EQ(state.scrollY, -561);
    editor().Wheel(120);
    EXPECT_EQ(state.scrollY, -546);
    editor().Wheel(-120);
    editor().Wheel(-120);
    EXPECT_EQ(state.scrollY, -561);
    key(Qt::Key_Home);
    editor().Wheel(120);
    EXPECT_EQ(state.scrollY, 0);
    // Clicks follow the scroll: row 0 is now 100 pixels further up.
    state.scrollY = -20;
    QTest::mouseClick(window->tableView(), Qt::LeftButton, {}, QPoint(50, 5));
    EXPECT_EQ(document().cell(1, 1).selected, 1);
}

TEST_F(EditorTest, SelectAllInsertRemoveLimits) {
    titleBar = 1;
    NewTable(3, 3);
    Run(command::kSelectAll);
    EXPECT_EQ(document().cell(1, 0).selected, 0);
    EXPECT_EQ(document().cell(1, 1).selected, 1);
    Run(command::kSelectAll);
    EXPECT_EQ(document().cell(1, 1).selected, 0);

    document().settings.columnCount = 111;
    Run(command::kInsertColumn);
    EXPECT_EQ(ui.messages.last(), Pair(38, 1, 38, 2));
    document().settings.columnCount = 3;
    document().settings.rowCount = 111;
    Run(command::kInsertRow);
    EXPECT_EQ(ui.messages.last(), Pair(37, 1, 38, 2));
    document().settings.rowCount = 3;

    Run(command::kInsertColumn);
    EXPECT_EQ(document().settings.columnCount, 4);
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Columns : 4")));
    Run(command::kRemoveLastColumn);
    Run(command::kRemoveLastColumn);
    Run(command::kRemoveLastColumn);
    EXPECT_EQ(document().settings.columnCount, 1);
    Run(command::kRemoveLastColumn);
    EXPECT_EQ(ui.messages.last(), Pair(27, 1, 27, 2));
    EXPECT_EQ(document().settings.columnCount, 1);
}

TEST_F(EditorTest, SaveThenReadGivesTheSameBytes) {
    NewTable(4, 3);
    document().cell(1, 1).text = QStringLiteral("c5c");
    document().cell(2, 1).text = QStringLiteral("Hola");
    Run(command::kToUpdate); // the series fills the column and moves the command away
    EXPECT_EQ(document().cell(1, 2).text, QStringLiteral("6"));
    const QString path = folder.Path(QStringLiteral("table.qdvl"));
    ui.files.push_back(path);
    Run(command::kRecordFile);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - table.qdvl - ")));
    EXPECT_EQ(state.lastFolder, QFileInfo(path).absolutePath()); // where exports start now
    const QByteArray saved = TempFolder::Read(path);
    ASSERT_EQ(saved.size(), 12 * 3331);

    // Saving over it asks first; No keeps the file.
    document().cell(2, 1).text = QStringLiteral("changed");
    ui.files.push_back(path);
    ui.answers.push_back(false);
    Run(command::kRecordFile);
    EXPECT_EQ(ui.questions.last(), Pair(58, 1, 58, 2));
    EXPECT_EQ(TempFolder::Read(path), saved);

    ui.files.push_back(path);
    Run(command::kReadFile);
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("Hola"));
    EXPECT_EQ(document().cell(1, 2).text, QStringLiteral("6"));
    const QString again = folder.Path(QStringLiteral("again.qdvl"));
    ui.files.push_back(again);
    Run(command::kRecordFile);
    EXPECT_EQ(TempFolder::Read(again), saved);

    // A file of the wrong length: the message, and the open table stays.
    const QString junk = folder.Write(QStringLiteral("junk.qdvl"), QByteArray(10, 'x'));
    ui.files.push_back(junk);
    Run(command::kReadFile);
    EXPECT_EQ(ui.messages.last(), Pair(42, 1, 41, 1));
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("Hola"));
}

TEST_F(EditorTest, ExportsSayWhatHappened) {
    NewTable(3, 2);
    const QString jpeg = folder.Path(QStringLiteral("cut.jpg"));
    ui.files.push_back(jpeg);
    Run(command::kJpegExport);
    EXPECT_EQ(ui.messages.last(), Message(9, 1));
    EXPECT_EQ(QImage(jpeg).size(), QSize(121, 41));

    const QString bitmap = folder.Path(QStringLiteral("cut.bmp"));
    ui.files.push_back(bitmap);
    Run(command::kBitmapExport);
    EXPECT_EQ(ui.messages.last(), Message(54, 1));
    EXPECT_EQ(QImage(bitmap).size(), QSize(120, 40));

    const QString unknown = folder.Path(QStringLiteral("cut.xyz"));
    ui.files.push_back(unknown);
    Run(command::kJpegExport);
    EXPECT_TRUE(ui.messages.last().startsWith(Message(72, 2)));
    EXPECT_TRUE(ui.messages.last().contains(QStringLiteral("cut.xyz")));
    EXPECT_FALSE(QFile::exists(unknown));
}

TEST_F(EditorTest, LanguageChangeWithAndWithoutTable) {
    Run(2009); // Deutsch
    EXPECT_EQ(state.settings.currentLanguage, kGerman);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quadrivel"));
    EXPECT_EQ(window->action(command::kNew)->text(), MessageIn(kGerman, 71, 2));
    EXPECT_FALSE(window->action(command::kRecordFile)->isEnabled());
    EXPECT_TRUE(QFile::exists(state.settingsPath)); // a language change saves the settings

    NewTable(3, 2);
    Run(2010); // English
    EXPECT_EQ(window->action(command::kNew)->text(), QStringLiteral("New"));
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Width : 40 Height : 20")));
    EXPECT_TRUE(window->action(command::kRecordFile)->isEnabled());
    EXPECT_FALSE(window->action(command::kPasteCell)->isEnabled());
}

TEST_F(EditorTest, ExitSavesSettingsEscapeDoesNot) {
    Run(1091); // a character set, then leave with Escape
    ui.answers.push_back(true);
    QTest::keyClick(window->tableView(), Qt::Key_Escape);
    EXPECT_EQ(ui.questions.last(), Message(24, 1));
    EXPECT_FALSE(QFile::exists(state.settingsPath));

    Run(command::kExit);
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
    EXPECT_EQ(state.tableLoaded, 0);

    Document table;
    table.settings.gridCellWidth = 30;
    table.settings.gridCellHeight = 15;
    CreateTable(table, 3, 2, 2, 2, 0);
    const QString spaced = folder.Path(QStringLiteral("with space.qdvl"));
    ASSERT_TRUE(SaveWorkFile(spaced, table).ok());
    editor().Initialise(QLatin1Char('"') + spaced + QLatin1Char('"'));
    EXPECT_EQ(state.tableLoaded, 1);
    EXPECT_EQ(document().settings.gridCellWidth, 30);
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral(" - with space.qdvl - ")));
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
    ui.cellEditing = [](CellEditFields& fields, AppState&) {
        fields.text += QStringLiteral("!");
        return true;
    };
    document().cell(2, 1).text = QStringLiteral("a");
    // A double-click is a press (which selects here) and then the double-click itself.
    Click(2, 1);
    QTest::mouseDClick(window->tableView(), Qt::LeftButton, {}, QPoint(2 * 40 + 20, 30));
    EXPECT_EQ(document().cell(2, 1).text, QStringLiteral("a!"));
    EXPECT_EQ(document().cell(2, 1).selected, 0);
    EXPECT_EQ(state.cursor.column, 2);
    EXPECT_EQ(state.cursor.row, 1);
    EXPECT_TRUE(window->action(command::kUndo)->isEnabled());

    Run(command::kInsertImage);
    Click(0, 0);
    QTest::mouseDClick(window->tableView(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("!"));
    EXPECT_EQ(ui.cellEditOpenings.size(), 2u);
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
    EXPECT_EQ(state.selection.runHorizontal, 1);
    EXPECT_EQ(document().cell(2, 2).selected, 1);
    Run(command::kMergeHorizontal); // a line of single cells is a run
    EXPECT_EQ(document().cell(2, 2).joinState, kJoinedLeft);

    // Up, then onto the block of (2, 0) and (3, 0): the rectangle takes the whole block.
    state.cursor = {1, 1, 1, 1};
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(state.selection.runVertical, 1);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(MarkedCells(document()).size(), 5u);
    EXPECT_EQ(state.selection.runHorizontal + state.selection.runVertical, 0);
    EXPECT_EQ(document().cell(2, 0).selected, 1);
    EXPECT_EQ(document().cell(3, 0).selected, 0);
    EXPECT_EQ(document().cell(3, 1).selected, 1);
    QTest::keyClick(view, Qt::Key_Left); // a plain move drops the selection
    EXPECT_TRUE(MarkedCells(document()).empty());
    EXPECT_EQ(state.selection.selectionCount, 0);
}

TEST_F(EditorTest, EnterF2AndTypingOpenTheDialogForTheCursor) {
    NewTable(4, 3);
    document().cell(1, 0).text = QStringLiteral("old");
    document().cell(1, 1).cellState = kCellCancelled;
    QStringList shown;
    ui.cellEditing = [&](CellEditFields& fields, AppState&) {
        shown.append(fields.text);
        fields.text = QStringLiteral("new");
        return true;
    };
    QWidget* view = window->tableView();
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_F2);
    QTest::keyClick(view, 'P');
    EXPECT_EQ(shown,
              (QStringList{QStringLiteral("old"), QStringLiteral("new"), QStringLiteral("new")}));
    ASSERT_EQ(ui.cellEditOpenings.size(), 3u);
    EXPECT_TRUE(ui.cellEditOpenings[1].typedText.isEmpty());
    EXPECT_EQ(ui.cellEditOpenings[2].typedText, QStringLiteral("P"));
    EXPECT_EQ(ui.cellEditOpenings[2].cellCount, 1);
    EXPECT_EQ(document().cell(1, 0).text, QStringLiteral("new"));
    // Typing fills cell after cell: right, then the next row's first cell.
    EXPECT_EQ(state.cursor.column, 2);
    state.cursor = {3, 0, 3, 0};
    QTest::keyClick(view, 'x');
    EXPECT_EQ(state.cursor.column, 0);
    EXPECT_EQ(state.cursor.row, 1);
    // Control and a letter is a command, not typing; the cancelled cell is never edited.
    QTest::keyClick(view, 'k', Qt::ControlModifier);
    state.cursor = {1, 1, 1, 1};
    QTest::keyClick(view, Qt::Key_F2);
    EXPECT_EQ(ui.cellEditOpenings.size(), 4u);
}

TEST_F(EditorTest, ManyCellsEditedTakeOnlyTheChangesInOneUndoStep) {
    NewTable(4, 3);
    for (int column = 0; column < 3; ++column)
        document().cell(column, 0).text = QString(QChar(u'A' + column));
    document().cell(1, 0).italic = 1;
    document().cell(2, 0).backColour = 0x00FF00;
    ui.cellEditing = [](CellEditFields& fields, AppState&) {
        fields.resultLook.bold = 1; // what Accept leaves after ticking Bold
        return true;
    };
    QWidget* view = window->tableView();
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    const int16_t level = document().undo.undoLevel;
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(ui.cellEditOpenings.back().cellCount, 3);
    EXPECT_EQ(document().undo.undoLevel, level + 1);
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
    ui.cellEditing = [](CellEditFields& fields, AppState&) {
        fields.text = QStringLiteral("9.50");
        return true;
    };
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("A"));
    EXPECT_EQ(document().cell(1, 0).text, QStringLiteral("9.50"));
    EXPECT_EQ(document().cell(2, 0).text, QStringLiteral("9.50"));

    Run(command::kUndo);
    Run(command::kUndo);
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(document().cell(column, 0).bold, 0) << column;
        EXPECT_EQ(document().cell(column, 0).text, QString(QChar(u'A' + column))) << column;
    }
}

TEST_F(EditorTest, TheLeftMouseModeIsKeptInTheSettings) {
    Run(command::kEditTextAndColours);
    EXPECT_EQ(LoadSettings(state.settingsPath).leftMouseMode, kLeftModeEdit);
    NewTable(3, 3);
    EXPECT_EQ(state.settings.leftMouseMode, kLeftModeEdit);
    EXPECT_TRUE(window->action(command::kEditTextAndColours)->isChecked());

    AppState restarted;
    restarted.settings = LoadSettings(state.settingsPath);
    MainWindow again(ui, clock, restarted);
    again.editor().Initialise(QString());
    EXPECT_TRUE(again.action(command::kEditTextAndColours)->isChecked());
    EXPECT_FALSE(again.action(command::kCellSelector)->isChecked());
}
