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
    // The table is drawn in the view: the first cell's left edge (2) moved by the origin (2).
    EXPECT_EQ(editor().viewPicture().pixel(4, 12), qRgb(0, 0, 0));
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
    // Selected cells show as dark-blue blocks.
    EXPECT_EQ(editor().viewPicture().pixel(3 * 40 + 20, 30), qRgb(0, 0, 139));
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
    key(Qt::Key_Down);
    EXPECT_EQ(state.scrollY, -101);
    key(Qt::Key_Up);
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

TEST_F(EditorTest, ReadingAFileLongerThanItsTableSaysTheRestWasNotRead) {
    NewTable(2, 2);
    document().cell(0, 0).text = QStringLiteral("kept"); // zero records would land here
    const QString path = folder.Path(QStringLiteral("longer.qdvl"));
    ui.files.push_back(path);
    Run(command::kRecordFile);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(3 * 3331, '\0'));
    file.close();

    ui.files.push_back(path);
    Run(command::kReadFile);
    EXPECT_EQ(document().cell(0, 0).text, QStringLiteral("kept"));
    ASSERT_FALSE(ui.messages.isEmpty());
    EXPECT_EQ(ui.messages.last(), Message(79, 1) + path +
                                      QStringLiteral(": the table has 4 cells; the 9993 bytes "
                                                     "after their records were not read"));
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
