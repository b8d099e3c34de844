// SPDX-License-Identifier: GPL-3.0-or-later
// Sort… and Find and Replace from the menu and the find bar.
#include "app/editor_test_fixture.h"
#include "app/shell/find_bar.h"
#include "content/table_sort.h"

#include <QCheckBox>
#include <QCollator>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>

namespace {

class FindSortTest : public EditorTest {
protected:
    QStringList Column(int column) {
        QStringList texts;
        for (int row = 0; row < document().settings.rowCount; ++row)
            texts.append(document().cell(column, row).text);
        return texts;
    }
    void SetColumn(int column, const QStringList& texts) {
        for (int row = 0; row < texts.size(); ++row) {
            CellRecord& cell = document().cell(column, row);
            cell.text = texts[row];
            cell.numericAllowed = !texts[row].isEmpty() && texts[row][0].isDigit() ? 1 : 0;
        }
    }
    template <typename T> T* Bar(const char* name) {
        return window->findBar()->findChild<T*>(QString::fromLatin1(name));
    }
    QString Note() { return window->statusBar()->currentMessage(); }
};

SortChoice Keys(std::vector<SortKey> keys, bool header = false) {
    return SortChoice{std::move(keys), header};
}

TEST_F(FindSortTest, SortIsOneStepOfTheBodyOrTheSelectedRows) {
    NewTable(2, 6);
    SetColumn(0, {QStringLiteral("Name"), QStringLiteral("pear"), QStringLiteral("10"),
                  QStringLiteral("Apple"), QString(), QStringLiteral("9")});
    SetColumn(1, {QStringLiteral("Id"), QStringLiteral("a"), QStringLiteral("b"),
                  QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
    state.cursor = {1, 3, 1, 3};
    const QByteArray before = TableBytes();

    // Cancelled: nothing changes, no step.
    Run(CommandId::Sort);
    ASSERT_EQ(ui.sortOffers.size(), 1u);
    EXPECT_EQ(ui.sortOffers[0].columnCount, 2);
    EXPECT_TRUE(ui.sortOffers[0].headerOffered);
    EXPECT_EQ(TableBytes(), before);
    EXPECT_FALSE(document().undo.CanUndo());

    // Numbers first, then texts, empty last; the header row stays; equal to the content sort.
    Document expected = document();
    QCollator english{QLocale(QLocale::English)};
    english.setNumericMode(true);
    ASSERT_EQ(SortTableRows(expected, 1, 5, {{0, false}}, english).problem, SortProblem::None);
    ui.sortChoices.push_back(Keys({{0, false}}, true));
    Run(CommandId::Sort);
    EXPECT_EQ(Column(0),
              (QStringList{QStringLiteral("Name"), QStringLiteral("9"), QStringLiteral("10"),
                           QStringLiteral("Apple"), QStringLiteral("pear"), QString()}));
    EXPECT_EQ(Column(1),
              (QStringList{QStringLiteral("Id"), QStringLiteral("e"), QStringLiteral("b"),
                           QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("d")}));
    EXPECT_EQ(TableBytes(), WorkFileBytes(expected));
    EXPECT_TRUE(window->isWindowModified());
    Run(CommandId::Undo);
    EXPECT_EQ(TableBytes(), before);
    EXPECT_FALSE(document().undo.CanUndo());

    // Rows 2 and 3 selected: only they move, and no header is offered; two keys, descending.
    SetColumn(1, {QStringLiteral("Id"), QStringLiteral("x"), QStringLiteral("x"),
                  QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("x")});
    document().cell(1, 2).selected = 1;
    document().cell(1, 3).selected = 1;
    document().cell(1, 4).selected = 1;
    ui.sortChoices.push_back(Keys({{1, true}, {0, true}}));
    Run(CommandId::Sort);
    EXPECT_FALSE(ui.sortOffers.back().headerOffered);
    EXPECT_EQ(Column(0),
              (QStringList{QStringLiteral("Name"), QStringLiteral("pear"), QString(),
                           QStringLiteral("Apple"), QStringLiteral("10"), QStringLiteral("9")}));
    EXPECT_TRUE(MarkedCells(document()).empty());
}

// Texts follow the order of the interface's language: Spanish puts "ñ" after "n", Portuguese
// beside it.
TEST_F(FindSortTest, SortFollowsTheInterfaceLanguage) {
    NewTable(1, 2);
    for (const auto& [language, first] : {std::pair{kSpanish, QStringLiteral("nz")},
                                          std::pair{kPortuguese, QStringLiteral("ñu")}}) {
        SetColumn(0, {QStringLiteral("ñu"), QStringLiteral("nz")});
        state.settings.currentLanguage = language;
        ui.sortChoices.push_back(Keys({{0, false}}));
        Run(CommandId::Sort);
        EXPECT_EQ(document().cell(0, 0).text, first) << language;
    }
}

TEST_F(FindSortTest, SortRefusalNamesTheJoinedBlockAndChangesNothing) {
    NewTable(3, 4);
    SetColumn(0,
              {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("c")});
    document().cell(2, 2).joinState = kJoinedAbove; // the block of (2, 1) and (2, 2)
    const QByteArray before = TableBytes();
    ui.sortChoices.push_back(Keys({{0, false}}));
    Run(CommandId::Sort);
    EXPECT_EQ(ui.messages.last(), Message(kSortGroup, kJoinRefusesEntry) + QStringLiteral("3") +
                                      Message(kSortGroup, kJoinRowEntry) + QStringLiteral("2"));
    EXPECT_EQ(TableBytes(), before);
    EXPECT_FALSE(document().undo.CanUndo());
    EXPECT_FALSE(window->isWindowModified());

    // A header over a table of two rows leaves one row: nothing to sort, and said so.
    NewTable(2, 2);
    ui.sortChoices.push_back(Keys({{0, false}}, true));
    Run(CommandId::Sort);
    EXPECT_EQ(ui.messages.last(), Message(kSortGroup, kNoRowsEntry));
}

TEST_F(FindSortTest, FindMovesTheCursorAndScrollsToEachMatch) {
    NewTable(3, 60);
    document().cell(0, 3).text = QStringLiteral("Needle");
    document().cell(2, 55).text = QStringLiteral("a needle");
    document().cell(1, 10).text = QStringLiteral("1234.5");
    document().cell(1, 10).numericAllowed = 1;
    document().cell(1, 10).numberFormat = 2;

    // F3 before any search opens the bar.
    Run(CommandId::FindNext);
    EXPECT_TRUE(window->findBar()->isVisibleTo(window.get()));
    EXPECT_FALSE(Bar<QLineEdit>("replaceBox")->isVisibleTo(window.get()));

    QTest::keyClicks(Bar<QLineEdit>("findBox"), QStringLiteral("needle"));
    EXPECT_EQ(editor().search().text, QStringLiteral("needle"));
    QTest::keyClick(Bar<QLineEdit>("findBox"), Qt::Key_Return);
    EXPECT_EQ(state.cursor.column, 0);
    EXPECT_EQ(state.cursor.row, 3);
    EXPECT_EQ(state.scrollY, 0);
    Run(CommandId::FindNext);
    EXPECT_EQ(state.cursor.row, 55);
    EXPECT_EQ(state.cursor.column, 2);
    EXPECT_LT(state.scrollY, 0); // scrolled down to it
    EXPECT_TRUE(QRect(0, 0, kViewWidth, kViewHeight).contains(editor().CellRectInView({2, 55})));
    Run(CommandId::FindPrevious);
    EXPECT_EQ(state.cursor.row, 3);

    // Match case leaves only the second; the number is found as stored.
    Bar<QCheckBox>("matchCase")->click();
    Run(CommandId::FindNext);
    Run(CommandId::FindNext);
    EXPECT_EQ(state.cursor.row, 55);
    Bar<QLineEdit>("findBox")->setText(QStringLiteral("4.5"));
    Run(CommandId::FindNext);
    EXPECT_EQ(state.cursor.row, 10);
    Bar<QLineEdit>("findBox")->setText(QStringLiteral("1,234"));
    Run(CommandId::FindNext);
    EXPECT_EQ(state.cursor.row, 10);
    EXPECT_EQ(Note(), Message(kFindGroup, kNotFoundEntry) + QStringLiteral("1,234"));
    EXPECT_FALSE(window->isWindowModified());

    // Tab goes on to the replacement; a key the box leaves alone keeps the bar, Escape closes it.
    EXPECT_EQ(Bar<QLineEdit>("findBox")->nextInFocusChain(), Bar<QLineEdit>("replaceBox"));
    QTest::keyClick(Bar<QLineEdit>("findBox"), Qt::Key_F5);
    EXPECT_TRUE(window->findBar()->isVisibleTo(window.get()));
    QTest::keyClick(Bar<QLineEdit>("findBox"), Qt::Key_Escape);
    EXPECT_FALSE(window->findBar()->isVisibleTo(window.get()));
}

TEST_F(FindSortTest, ReplaceAllIsOneStepOverCommandsAndTellsItsCounts) {
    NewTable(4, 3);
    EditText(0, 0, QStringLiteral("f5f")); // a series: 5, 6, 7, 8 along the row
    document().cell(0, 1).text = QStringLiteral("Fish");
    document().cell(1, 1).text = QString(270, u'a') + QStringLiteral("f5");
    document().cell(2, 1).text = QString(271, u'a') + QStringLiteral("f5");
    const QByteArray before = TableBytes();
    ASSERT_EQ(document().cell(3, 0).text, QStringLiteral("8"));

    Run(CommandId::Replace);
    EXPECT_TRUE(Bar<QLineEdit>("replaceBox")->isVisibleTo(window.get()));
    Bar<QLineEdit>("findBox")->setText(QStringLiteral("f5"));
    Bar<QLineEdit>("replaceBox")->setText(QStringLiteral("f10"));
    Bar<QPushButton>("replaceAll")->click();
    EXPECT_EQ(Note(), Message(kFindGroup, kCellsChangedEntry) + QStringLiteral("2"));
    EXPECT_EQ(ui.messages.last(), Message(kFindGroup, kTooLongEntry) + QStringLiteral("1"));
    EXPECT_EQ(document().commands.at(0, 0), QStringLiteral("f10f"));
    EXPECT_EQ(document().cell(3, 0).text, QStringLiteral("13")); // the series filled again
    EXPECT_EQ(document().cell(1, 1).text.size(), 273);
    EXPECT_EQ(document().cell(2, 1).text, QString(271, u'a') + QStringLiteral("f5"));
    Run(CommandId::Undo);
    EXPECT_EQ(TableBytes(), before);

    // Replace: the match at the cursor, then on to the next; no match anywhere, no step.
    Bar<QLineEdit>("findBox")->setText(QStringLiteral("fish"));
    Bar<QLineEdit>("replaceBox")->setText(QStringLiteral("Cod"));
    state.cursor = {0, 1, 0, 1};
    const qsizetype told = ui.messages.size();
    Bar<QPushButton>("replaceOne")->click();
    EXPECT_EQ(document().cell(0, 1).text, QStringLiteral("Cod"));
    EXPECT_EQ(ui.messages.size(), told);
    Run(CommandId::Undo);
    EXPECT_EQ(TableBytes(), before);
    // At a cell the replacement would overfill: left, and told; the cursor goes on.
    Bar<QLineEdit>("findBox")->setText(QStringLiteral("f5"));
    Bar<QLineEdit>("replaceBox")->setText(QStringLiteral("f10"));
    state.cursor = {2, 1, 2, 1};
    Bar<QPushButton>("replaceOne")->click();
    EXPECT_EQ(TableBytes(), before);
    ASSERT_EQ(ui.messages.size(), told + 1);
    EXPECT_EQ(ui.messages.last(), Message(kFindGroup, kTooLongEntry) + QStringLiteral("1"));
    EXPECT_EQ(state.cursor.row, 0);
    const size_t steps = document().undo.undoSteps.size();
    Bar<QLineEdit>("findBox")->setText(QStringLiteral("nowhere"));
    Bar<QPushButton>("replaceAll")->click();
    EXPECT_EQ(Note(), Message(kFindGroup, kCellsChangedEntry) + QStringLiteral("0"));
    EXPECT_EQ(document().undo.undoSteps.size(), steps);
    EXPECT_EQ(ui.messages.size(), told + 1); // nothing too long: no message
}

} // namespace
