// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/find_replace.h"
#include "fixtures/table_builder.h"

#include <gtest/gtest.h>

namespace {

// Three columns, three rows: a series command in (1, 0) showing its first value, a number as
// typed in (2, 1), texts elsewhere.
Document Table() {
    Document document = MakeTable(3, 3);
    document.cell(0, 0).text = QStringLiteral("Apple pie");
    document.cell(1, 0).text = QStringLiteral("5");
    document.commands.at(1, 0) = QStringLiteral("f5f");
    document.cell(2, 1).text = QStringLiteral("1234.5");
    document.cell(2, 1).numericAllowed = 1;
    document.cell(0, 2).text = QStringLiteral("apple");
    document.cell(2, 2).text = QStringLiteral("pineapple");
    return document;
}

TEST(FindReplace, ReadsStoredTextsInReadingOrderWithWrapAround) {
    Document document = Table();
    const FindQuery apple{QStringLiteral("apple")};
    EXPECT_EQ(FindMatch(document, apple, 0, 0, false), (FoundCell{0, 2}));
    EXPECT_EQ(FindMatch(document, apple, 0, 2, false), (FoundCell{2, 2}));
    EXPECT_EQ(FindMatch(document, apple, 2, 2, false), (FoundCell{0, 0})); // wrapped
    EXPECT_EQ(FindMatch(document, apple, 0, 0, true), (FoundCell{2, 2}));  // back, wrapped
    EXPECT_EQ(FindMatch(document, apple, 2, 2, true), (FoundCell{0, 2}));
    // Match case, whole cell, and both.
    EXPECT_EQ(FindMatch(document, {QStringLiteral("Apple"), true}, 0, 0, false), (FoundCell{0, 0}));
    EXPECT_EQ(FindMatch(document, {QStringLiteral("APPLE"), false, true}, 0, 0, false),
              (FoundCell{0, 2}));
    EXPECT_FALSE(FindMatch(document, {QStringLiteral("APPLE"), true, true}, 0, 0, false));
    EXPECT_FALSE(FindMatch(document, {QStringLiteral("appl"), false, true}, 0, 0, false));
    EXPECT_FALSE(FindMatch(document, {}, 0, 0, false));
    // The command, not its value; the number as typed, not as shown.
    EXPECT_EQ(FindMatch(document, {QStringLiteral("f5")}, 0, 0, false), (FoundCell{1, 0}));
    EXPECT_FALSE(FindMatch(document, {QStringLiteral("5"), false, true}, 0, 0, false));
    EXPECT_EQ(FindMatch(document, {QStringLiteral("4.5")}, 2, 2, false), (FoundCell{2, 1}));
    // The only match is found again from itself.
    EXPECT_EQ(FindMatch(document, {QStringLiteral("pine")}, 2, 2, false), (FoundCell{2, 2}));
    EXPECT_EQ(FindMatch(document, {QStringLiteral("pine")}, 2, 2, true), (FoundCell{2, 2}));
    // Cancelled, stopped and joined-over cells are not searched.
    document.cell(0, 2).cellState = kCellCancelled;
    document.cell(2, 2).cellState = kCellStopped;
    document.cell(0, 0).joinState = kJoinedLeft;
    EXPECT_FALSE(FindMatch(document, apple, 1, 1, false));
}

TEST(FindReplace, ReplacesInCommandsAndNumbersAndLeavesTooLongCells) {
    Document document = Table();
    EXPECT_EQ(ReplaceInCell(document, 1, 0, {QStringLiteral("f5")}, QStringLiteral("f7")),
              ReplaceResult::Replaced);
    EXPECT_EQ(document.commands.at(1, 0), QStringLiteral("f7f"));
    EXPECT_EQ(document.cell(1, 0).text, QStringLiteral("f7f")); // the next redraw fills it
    EXPECT_EQ(ReplaceInCell(document, 0, 1, {QStringLiteral("f5")}, QString()),
              ReplaceResult::NoMatch);

    // A cell beyond the table's columns is no part of it.
    document.cell(3, 2).text = QStringLiteral("apple");
    // Every occurrence in a cell, any case; a number stays a typed number.
    const ReplaceCounts counts =
        ReplaceEverywhere(document, {QStringLiteral("APPLE")}, QStringLiteral("pear"));
    EXPECT_EQ(counts.changed, 3);
    EXPECT_EQ(counts.tooLong, 0);
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("pear pie"));
    EXPECT_EQ(document.cell(2, 2).text, QStringLiteral("pinepear"));
    EXPECT_TRUE(document.commands.at(0, 0).isEmpty());
    EXPECT_EQ(document.cell(3, 2).text, QStringLiteral("apple"));
    EXPECT_EQ(ReplaceEverywhere(document, {QStringLiteral("34"), false, false}, QStringLiteral("0"))
                  .changed,
              1);
    EXPECT_EQ(document.cell(2, 1).text, QStringLiteral("120.5"));

    // 273 units fit, 274 do not: that cell keeps its text.
    document.cell(0, 1).text = QString(270, u'a') + QStringLiteral("xy");
    document.cell(1, 1).text = QString(271, u'a') + QStringLiteral("xy");
    const ReplaceCounts limit =
        ReplaceEverywhere(document, {QStringLiteral("xy")}, QStringLiteral("xyz"));
    EXPECT_EQ(limit.changed, 1);
    EXPECT_EQ(limit.tooLong, 1);
    EXPECT_EQ(document.cell(0, 1).text.size(), 273);
    EXPECT_EQ(document.cell(1, 1).text, QString(271, u'a') + QStringLiteral("xy"));

    // Whole cell: the text is replaced whole, the case as asked.
    EXPECT_EQ(
        ReplaceEverywhere(document, {QStringLiteral("PEAR PIE"), true, true}, QStringLiteral("x"))
            .changed,
        0);
    EXPECT_EQ(
        ReplaceEverywhere(document, {QStringLiteral("PEAR PIE"), false, true}, QStringLiteral("x"))
            .changed,
        1);
    EXPECT_EQ(document.cell(0, 0).text, QStringLiteral("x"));
}

} // namespace
