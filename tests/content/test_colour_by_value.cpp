// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/colour_by_value.h"
#include "content/colour_contrast.h"
#include "content/colour_order.h"
#include "content/colour_text.h"
#include "fixtures/table_builder.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

constexpr int32_t kRed = CellColourOf(0xFF0000);
constexpr int32_t kBlue = CellColourOf(0x0000FF);
constexpr int32_t kYellow = CellColourOf(0xFFFF00);

// One row of cell texts.
Document Row(const QStringList& texts) {
    Document document = MakeTable(int(texts.size()), 1);
    for (int column = 0; column < texts.size(); ++column)
        document.cell(column, 0).text = texts[column];
    return document;
}

const CellRange kFirstRow{0, 0, 110, 0};

TEST(ColourByValue, MixesChannelByChannelAndKeepsTheEnds) {
    EXPECT_EQ(MixColours(kRed, kBlue, 0), kRed);
    EXPECT_EQ(MixColours(kRed, kBlue, 1), kBlue);
    EXPECT_EQ(MixColours(kRed, kBlue, 0.5), CellColourOf(0x800080)); // 127.5 rounds up
    EXPECT_EQ(MixColours(CellColourOf(0x102030), CellColourOf(0x304050), 0.25),
              CellColourOf(0x182838));
    EXPECT_EQ(MixColours(kRed, kBlue, 2), kBlue); // held to the ends
}

TEST(ColourByValue, TwoColourScaleRunsFromTheSmallestToTheLargest) {
    Document document = Row({QStringLiteral("10"), QStringLiteral("words"), QStringLiteral(" 20 "),
                             QStringLiteral("30"), QString()});
    document.cell(4, 0).backColour = kYellow;
    EXPECT_EQ(ColourByScale(document, kFirstRow, {kRed, std::nullopt, kBlue, {}}), 3);
    EXPECT_EQ(document.cell(0, 0).backColour, kRed);
    EXPECT_EQ(document.cell(2, 0).backColour, CellColourOf(0x800080));
    EXPECT_EQ(document.cell(3, 0).backColour, kBlue);
    EXPECT_EQ(document.cell(1, 0).backColour, kWhite); // words and empty cells untouched
    EXPECT_EQ(document.cell(4, 0).backColour, kYellow);
    EXPECT_EQ(document.cell(0, 0).textColour, 0);      // black on red
    EXPECT_EQ(document.cell(3, 0).textColour, kWhite); // white on blue
}

TEST(ColourByValue, MiddleColourStandsAtTheMedianOrTheGivenValue) {
    // Median of 0, 1, 2, 10 is 1.5: 1.5 gets the middle colour, 0.75 halfway below it.
    const ColourScale scale{kRed, kYellow, kBlue, {}};
    const ScaleStops stops = StopsFor(scale, {10, 0, 2, 1});
    EXPECT_EQ(double(stops.lowest), 0.0);
    EXPECT_EQ(double(stops.middle), 1.5);
    EXPECT_EQ(double(stops.highest), 10.0);
    EXPECT_EQ(double(StopsFor(scale, {5, 1, 3}).middle), 3.0); // odd count: the middle one
    EXPECT_EQ(ScaleColour(scale, stops, 1.5), kYellow);
    EXPECT_EQ(ScaleColour(scale, stops, 0), kRed);
    EXPECT_EQ(ScaleColour(scale, stops, 10), kBlue);
    EXPECT_EQ(ScaleColour(scale, stops, 0.75), CellColourOf(0xFF8000));
    EXPECT_EQ(ScaleColour(scale, stops, 5.75), CellColourOf(0x808080));

    // A given middle value beyond the numbers stretches the lower side down to it.
    ColourScale atZero = scale;
    atZero.middleValue = 0;
    Document document =
        Row({QStringLiteral("-4"), QStringLiteral("-2"), QStringLiteral("0"), QStringLiteral("8")});
    EXPECT_EQ(ColourByScale(document, kFirstRow, atZero), 4);
    EXPECT_EQ(document.cell(0, 0).backColour, kRed);
    EXPECT_EQ(document.cell(1, 0).backColour, CellColourOf(0xFF8000));
    EXPECT_EQ(document.cell(2, 0).backColour, kYellow);
    EXPECT_EQ(document.cell(3, 0).backColour, kBlue);
    // Beyond the lowest: -4 stands 6/16 of the way from -10 to 6.
    atZero.middleValue = -10;
    EXPECT_EQ(ScaleColour(atZero, StopsFor(atZero, {-4, 6}), -4), CellColourOf(0x9F9F60));
}

TEST(ColourByValue, EqualNumbersTakeTheScalesMiddle) {
    const ScaleStops same = StopsFor({}, {7, 7});
    EXPECT_EQ(ScaleColour({kRed, std::nullopt, kBlue, {}}, same, 7), CellColourOf(0x800080));
    EXPECT_EQ(ScaleColour({kRed, kYellow, kBlue, {}}, same, 7), kYellow);
}

TEST(ColourByValue, EveryChosenTextColourReadsAtLeastFourAndAHalfToOne) {
    for (const BuiltInScale& builtIn : BuiltInScales()) {
        ColourScale scale = builtIn.scale;
        for (int step = 0; step <= 100; ++step) {
            const int32_t fill = ScaleColour(scale, {0, 50, 100}, step);
            const int32_t text = ReadableTextColour(fill);
            EXPECT_TRUE(text == 0 || text == kWhite);
            EXPECT_GE(ContrastRatio(fill, text), 4.5) << builtIn.name.toStdString() << step;
        }
    }
    // Either side of the point where black and white read equally well (luminance 0.179).
    EXPECT_EQ(ReadableTextColour(CellColourOf(0x767676)), 0);
    EXPECT_EQ(ReadableTextColour(CellColourOf(0x747474)), kWhite);
    EXPECT_EQ(BuiltInScales().size(), 5u);
}

TEST(ColourByValue, RuleColoursTheNumbersItHoldsFor) {
    Document document = Row({QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("2.5"),
                             QStringLiteral("1,250"), QStringLiteral("x")});
    document.cell(0, 0).bold = 0;
    const ColourRule positive{RuleComparison::Greater, 0, 0, kBlue, std::nullopt, true};
    EXPECT_EQ(ColourByRule(document, kFirstRow, positive), 2);
    EXPECT_EQ(document.cell(1, 0).backColour, kWhite); // 0 is not above 0
    EXPECT_EQ(document.cell(1, 0).bold, 0);
    EXPECT_EQ(document.cell(2, 0).backColour, kBlue);
    EXPECT_EQ(document.cell(2, 0).textColour, kWhite);
    EXPECT_EQ(document.cell(2, 0).bold, 1);
    EXPECT_EQ(document.cell(3, 0).backColour, kBlue); // 1250, grouped
    EXPECT_EQ(document.cell(4, 0).backColour, kWhite);

    const ColourRule negative{RuleComparison::Less, 0, 0, kWhite, kRed, false};
    document.cell(0, 0).bold = 1;
    EXPECT_EQ(ColourByRule(document, kFirstRow, negative), 1);
    EXPECT_EQ(document.cell(0, 0).textColour, kRed);
    EXPECT_EQ(document.cell(0, 0).bold, 1); // bold not asked: left as it was

    ColourRule between{RuleComparison::Between, 0, 2.5, kYellow, std::nullopt, false};
    for (const auto& [number, holds] :
         {std::pair{-0.01L, false}, {0.0L, true}, {2.5L, true}, {2.51L, false}})
        EXPECT_EQ(RuleHolds(between, number), holds) << double(number);
    between.comparison = RuleComparison::Equal;
    EXPECT_TRUE(RuleHolds(between, 0));
    EXPECT_FALSE(RuleHolds(between, 0.001L));
}

TEST(ColourByValue, SkipsCancelledAndCoveredCellsAndStaysInTheTable) {
    Document document = Row({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    document.cell(0, 0).cellState = kCellCancelled;
    document.cell(2, 0).joinState = kJoinedLeft;
    EXPECT_EQ(NumbersIn(document, {-5, -5, 200, 200}), std::vector<long double>{2});
    EXPECT_EQ(NumbersIn(document, {2, 0, 2, 0}).size(), 0u);
    EXPECT_EQ(ColourByScale(document, {2, 0, 2, 0}, {kRed, std::nullopt, kBlue, {}}), 0);
}

TEST(ColourByValue, ColoursReadAndWriteAsHashRrggbb) {
    EXPECT_EQ(ColourFromText(u"#FF8000"), CellColourOf(0xFF8000));
    EXPECT_EQ(ColourFromText(u"#ff8000"), CellColourOf(0xFF8000));
    EXPECT_EQ(ColourText(CellColourOf(0x0A0B0C)), QStringLiteral("#0A0B0C"));
    for (const char16_t* wrong : {u"FF8000", u"#FF800", u"#FF80000", u"#GG8000", u"#+F8000"})
        EXPECT_FALSE(ColourFromText(wrong).has_value()) << QString::fromUtf16(wrong).toStdString();
}

} // namespace
