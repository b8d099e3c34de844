// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/leading_number.h"
#include "content/number_format.h"
#include "fixtures/table_builder.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

const QString kTwo = QStringLiteral(".00");

QString Format(long double value, int code, const QString& mask = kTwo) {
    return FormatNumber(value, code, mask);
}

} // namespace

TEST(FormatNumber, SevenFormatsOfTheSameNumber) {
    const long double value = ReadLeadingNumber(QStringLiteral("1234567.891"));
    EXPECT_EQ(Format(value, 1), u"1,234,567.89");
    EXPECT_EQ(Format(value, 2), u"1,234,568");
    EXPECT_EQ(Format(value, 3), u"1234567.89");
    EXPECT_EQ(Format(value, 4), u"1.234.567'89");
    EXPECT_EQ(Format(value, 5), u"1.234.568");
    EXPECT_EQ(Format(value, 6), u"1234567'89");
    EXPECT_EQ(Format(value, 7), u"1234568");
}

TEST(FormatNumber, NegativesKeepTheirSignThroughTheExchange) {
    EXPECT_EQ(Format(-1234.5L, 1), u"-1,234.50");
    EXPECT_EQ(Format(-1234.5L, 2), u"-1,235");
    EXPECT_EQ(Format(-1234.5L, 3), u"-1234.50");
    EXPECT_EQ(Format(-1234.5L, 4), u"-1.234'50");
    EXPECT_EQ(Format(-1234.5L, 5), u"-1.235");
    EXPECT_EQ(Format(-1234.5L, 6), u"-1234'50");
    EXPECT_EQ(Format(-1234.5L, 7), u"-1235");
    EXPECT_EQ(Format(-1234567.891L, 4), u"-1.234.567'89");
}

TEST(FormatNumber, DecimalMaskSetsTheDecimals) {
    EXPECT_EQ(Format(2.5L, 3, BuildDecimalMask(4)), u"2.5000");
    EXPECT_EQ(Format(2.5L, 6, BuildDecimalMask(4)), u"2'5000");
    EXPECT_EQ(Format(2.5L, 1, BuildDecimalMask(6)), u"2.500000");
    EXPECT_EQ(Format(1.23456789L, 4, BuildDecimalMask(5)), u"1'23457");
    // Integer formats ignore the mask.
    EXPECT_EQ(Format(2.5L, 2, BuildDecimalMask(6)), u"3");
    EXPECT_EQ(Format(2.5L, 7, BuildDecimalMask(6)), u"3");
}

TEST(FormatNumber, ValuesBelowOneShowTheUnitsDigit) {
    EXPECT_EQ(Format(0.28L, 1), u"0.28");
    EXPECT_EQ(Format(-0.5L, 1), u"-0.50");
    EXPECT_EQ(Format(0.5L, 4), u"0'50");
    EXPECT_EQ(Format(-0.25L, 4), u"-0'25");
    EXPECT_EQ(Format(0.5L, 3), u"0.50");
    EXPECT_EQ(Format(0.5L, 6), u"0'50");
    EXPECT_EQ(Format(0, 1), u"0.00");
    EXPECT_EQ(Format(0, 2), u"0");
    EXPECT_EQ(Format(0, 5), u"0");
    EXPECT_EQ(Format(0, 7), u"0");
    EXPECT_EQ(Format(-0.4L, 2), u"0");
    EXPECT_EQ(Format(0.5L, 2), u"1");
    EXPECT_EQ(Format(0, 3), u"0.00");
}

TEST(FormatNumber, RoundingCarriesAndDropsTheSignOfZero) {
    EXPECT_EQ(Format(2.675L, 3), u"2.68");
    EXPECT_EQ(Format(ReadLeadingNumber(QStringLiteral("2.675")), 3), u"2.68");
    EXPECT_EQ(Format(999.995L, 1), u"1,000.00");
    EXPECT_EQ(Format(999999.5L, 2), u"1,000,000");
    EXPECT_EQ(Format(9.5L, 7), u"10");
    EXPECT_EQ(Format(-0.001L, 3), u"0.00");
    EXPECT_EQ(Format(-0.001L, 1), u"0.00");
    EXPECT_EQ(Format(-0.4L, 7), u"0");
    EXPECT_EQ(Format(0.004L, 3), u"0.00");
    EXPECT_EQ(Format(0.005L, 3), u"0.01");
    EXPECT_EQ(Format(1e-30L, 6), u"0'00");
}

TEST(FormatNumber, LongIntegerPartsShowEveryDigit) {
    EXPECT_EQ(Format(1e30L, 2), u"1,000,000,000,000,000,000,000,000,000,000");
    EXPECT_EQ(Format(1e30L, 5), u"1.000.000.000.000.000.000.000.000.000.000");
    EXPECT_EQ(Format(1e25L, 7), u"10000000000000000000000000");
    EXPECT_EQ(Format(123456789012345678901234567.0L, 7), u"123456789012345679000000000");
    const QString huge = Format(std::numeric_limits<long double>::max(), 3);
    EXPECT_EQ(huge.size(), 4933 + 3);
    EXPECT_TRUE(huge.startsWith(u"11897314953572317"));
    EXPECT_TRUE(huge.endsWith(u"000.00"));
}

TEST(FormatNumber, WholeNumbersUpToEighteenDigitsAndPast) {
    EXPECT_EQ(Format(7, 1), u"7.00");
    EXPECT_EQ(Format(-42, 4, BuildDecimalMask(3)), u"-42'000");
    EXPECT_EQ(Format(999999999999999999.0L, 7), u"999999999999999999");
    EXPECT_EQ(Format(123456789012345678.0L, 3, BuildDecimalMask(6)), u"123456789012345678.000000");
    EXPECT_EQ(Format(1e18L, 2), u"1,000,000,000,000,000,000");
}

TEST(FormatNumber, UnknownCodesAndNonFiniteValuesShowNothing) {
    EXPECT_EQ(Format(12, 0), u"");
    EXPECT_EQ(Format(12, 8), u"");
    EXPECT_EQ(Format(12, -1), u"");
    EXPECT_EQ(Format(std::numeric_limits<long double>::infinity(), 1), u"");
    EXPECT_EQ(Format(std::numeric_limits<long double>::quiet_NaN(), 3), u"");
}

TEST(BuildDecimalMask, TwoToSixDecimalsElseTwo) {
    EXPECT_EQ(BuildDecimalMask(2), u".00");
    EXPECT_EQ(BuildDecimalMask(3), u".000");
    EXPECT_EQ(BuildDecimalMask(4), u".0000");
    EXPECT_EQ(BuildDecimalMask(5), u".00000");
    EXPECT_EQ(BuildDecimalMask(6), u".000000");
    EXPECT_EQ(BuildDecimalMask(0), u".00");
    EXPECT_EQ(BuildDecimalMask(1), u".00");
    EXPECT_EQ(BuildDecimalMask(7), u".00");
    EXPECT_EQ(BuildDecimalMask(9), u".00");
    EXPECT_EQ(BuildDecimalMask(-3), u".00");
}

TEST(NormaliseTypedText, SingleSeparatorBecomesAPoint) {
    const struct {
        const char16_t* typed;
        const char16_t* stored;
    } cases[] = {
        {u"12,5", u"12.5"},   {u"12'5", u"12.5"},   {u"12.5", u"12.5"},       {u"3,5", u"3.5"},
        {u",5", u".5"},       {u",", u"."},         {u"1,234.5", u"1,234.5"}, {u"1,2,3", u"1,2,3"},
        {u"1'2,3", u"1'2,3"}, {u"12,5 ", u"12,5 "}, {u"-12,5", u"-12,5"},     {u"abc", u"abc"},
        {u"", u""},           {u"1234", u"1234"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormaliseTypedText(QString::fromUtf16(c.typed)), QString::fromUtf16(c.stored))
            << QString::fromUtf16(c.typed).toStdString();
    }
}

TEST(NormaliseTypedText, LineBreaksBecomeSpaces) {
    EXPECT_EQ(NormaliseTypedText(QStringLiteral("12\r\n5")), u"12 5");
    EXPECT_EQ(NormaliseTypedText(QStringLiteral("a\r\nb\rc\nd")), u"a b c d");
    EXPECT_EQ(NormaliseTypedText(QStringLiteral("\n\r")), u"  ");
    EXPECT_EQ(NormaliseTypedText(QStringLiteral("one\r\ntwo\r\nthree")), u"one two three");
    // A line break is not a separator: the text stays as it is once the breaks are gone.
    EXPECT_EQ(NormaliseTypedText(QStringLiteral("12,5\n")), u"12,5 ");
}

TEST(ShownText, NumericCellsGoThroughTheirFormat) {
    Document document = MakeTable(1, 1);
    CellRecord& cell = document.cell(0, 0);
    cell.text = QStringLiteral(" 1234567.891 ");
    EXPECT_EQ(ShownText(cell, kTwo), u" 1234567.891 ");
    cell.numericAllowed = 1;
    EXPECT_EQ(ShownText(cell, kTwo), u"1234567'89"); // format 6 of a new cell
    cell.numberFormat = 1;
    EXPECT_EQ(ShownText(cell, kTwo), u"1,234,567.89");
    EXPECT_EQ(ShownText(cell, BuildDecimalMask(3)), u"1,234,567.891");
    cell.numberFormat = 3;
    cell.text = QStringLiteral("abc");
    EXPECT_EQ(ShownText(cell, kTwo), u"0.00");
    cell.text = QStringLiteral("1,234.5");
    EXPECT_EQ(ShownText(cell, kTwo), u"1.00");
    cell.text = QStringLiteral("12 5");
    EXPECT_EQ(ShownText(cell, kTwo), u"12.00");
    cell.numberFormat = 0;
    EXPECT_EQ(ShownText(cell, kTwo), u"");
    cell.numberFormat = 8;
    EXPECT_EQ(ShownText(cell, kTwo), u"");
    cell.numericAllowed = 2;
    EXPECT_EQ(ShownText(cell, kTwo), u"12 5");
}
