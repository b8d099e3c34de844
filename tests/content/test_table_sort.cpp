// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/table_sort.h"
#include "fixtures/table_builder.h"

#include <QCollator>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

// One column of texts and numbers from row 1 under a header; a second column tells rows apart.
Document Column(const std::vector<std::pair<QString, bool>>& cells) {
    Document document = MakeTable(2, int(cells.size()) + 1);
    document.cell(0, 0).text = QStringLiteral("Head");
    for (size_t i = 0; i < cells.size(); ++i) {
        CellRecord& cell = document.cell(0, int(i) + 1);
        cell.text = cells[i].first;
        cell.numericAllowed = cells[i].second ? 1 : 0;
        document.cell(1, int(i) + 1).text = QString::number(i);
    }
    return document;
}

QStringList Texts(const Document& document, int column) {
    QStringList texts;
    for (int row = 0; row < document.settings.rowCount; ++row)
        texts.append(document.cell(column, row).text);
    return texts;
}

QCollator English() {
    QCollator collator{QLocale(QLocale::English)};
    collator.setNumericMode(true);
    return collator;
}

TEST(TableSort, NumbersThenTextsByCollationAndEmptyCellsLast) {
    Document document = Column({{QStringLiteral("pear"), false},
                                {QStringLiteral("10"), true},
                                {QString(), false},
                                {QStringLiteral(u"écu"), false},
                                {QStringLiteral("9"), true},
                                {QStringLiteral("item 10"), false},
                                {QStringLiteral("item 9"), false},
                                {QStringLiteral("-2.5"), true}});
    document.cell(0, 2).backColour = 0x0000FF; // the 10 and its row's look move together
    document.commands.at(1, 2) = QStringLiteral("fcountf");
    const int top = document.cell(0, 1).top;
    ASSERT_EQ(SortTableRows(document, 1, 8, {{0, false}}, English()).problem, SortProblem::None);
    EXPECT_EQ(Texts(document, 0),
              QStringList({QStringLiteral("Head"), QStringLiteral("-2.5"), QStringLiteral("9"),
                           QStringLiteral("10"), QStringLiteral(u"écu"), QStringLiteral("item 9"),
                           QStringLiteral("item 10"), QStringLiteral("pear"), QString()}));
    EXPECT_EQ(document.cell(0, 3).backColour, 0x0000FF);
    EXPECT_EQ(document.commands.at(1, 3), QStringLiteral("fcountf"));
    EXPECT_EQ(document.cell(0, 1).top, top); // cells keep their places
    EXPECT_EQ(document.cell(0, 1).row, 1);

    SortTableRows(document, 1, 8, {{0, true}}, English());
    EXPECT_EQ(
        Texts(document, 0),
        QStringList({QStringLiteral("Head"), QStringLiteral("pear"), QStringLiteral("item 10"),
                     QStringLiteral("item 9"), QStringLiteral(u"écu"), QStringLiteral("10"),
                     QStringLiteral("9"), QStringLiteral("-2.5"), QString()}));
}

TEST(TableSort, EqualRowsKeepTheirOrderAndASecondKeyDecides) {
    Document document = Column({{QStringLiteral("b"), false},
                                {QStringLiteral("a"), false},
                                {QStringLiteral("b"), false},
                                {QStringLiteral("a"), false}});
    SortTableRows(document, 1, 4, {{0, false}}, English());
    EXPECT_EQ(Texts(document, 1), QStringList({QString(), QStringLiteral("1"), QStringLiteral("3"),
                                               QStringLiteral("0"), QStringLiteral("2")}));
    SortTableRows(document, 1, 4, {{0, false}, {1, true}}, English());
    EXPECT_EQ(Texts(document, 1), QStringList({QString(), QStringLiteral("3"), QStringLiteral("1"),
                                               QStringLiteral("2"), QStringLiteral("0")}));
}

TEST(TableSort, AJoinAcrossTheRowsRefusesAndChangesNothing) {
    Document document = Column(
        {{QStringLiteral("b"), false}, {QStringLiteral("a"), false}, {QStringLiteral("c"), false}});
    document.cell(1, 2).joinState = kJoinedAbove; // ties rows 1 and 2
    const QStringList before = Texts(document, 0);
    const SortOutcome refused = SortTableRows(document, 1, 3, {{0, false}}, English());
    EXPECT_EQ(refused.problem, SortProblem::JoinCrosses);
    EXPECT_EQ(refused.column, 1);
    EXPECT_EQ(refused.row, 2);
    EXPECT_EQ(Texts(document, 0), before);
    // Outside the sorted rows, the same join is no obstacle; on their edge it is.
    EXPECT_EQ(SortTableRows(document, 2, 3, {{0, false}}, English()).problem,
              SortProblem::JoinCrosses);
    document.cell(1, 2).joinState = kJoinNone;
    document.cell(1, 1).joinState = kJoinedAbove; // the header's block reaches row 1
    EXPECT_EQ(SortTableRows(document, 2, 3, {{0, false}}, English()).problem, SortProblem::None);
    EXPECT_EQ(SortTableRows(document, 1, 3, {{0, false}}, English()).problem,
              SortProblem::JoinCrosses);
    // A join between the two rows after the sorted ones is none of the sort's business.
    document.cell(1, 1).joinState = kJoinNone;
    document.cell(1, 3).joinState = kJoinedAbove;
    EXPECT_EQ(SortTableRows(document, 0, 1, {{0, false}}, English()).problem, SortProblem::None);
    EXPECT_EQ(SortTableRows(document, 1, 3, {{2, false}}, English()).problem,
              SortProblem::ColumnOutside);
    EXPECT_EQ(SortTableRows(document, 3, 3, {{0, false}}, English()).problem, SortProblem::NoRows);
}

} // namespace
