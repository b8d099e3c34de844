// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/leading_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

long double Read(const char16_t* text) {
    return ReadLeadingNumber(QString::fromUtf16(text));
}

} // namespace

TEST(ReadLeadingNumber, StopsAtTheFirstCharacterThatCannotContinueTheNumber) {
    EXPECT_EQ(Read(u"12.5abc"), 12.5L);
    EXPECT_EQ(Read(u"1,234.5"), 1.0L);
    EXPECT_EQ(Read(u"12 5"), 12.0L);
    EXPECT_EQ(Read(u"-3"), -3.0L);
    EXPECT_EQ(Read(u"+4kg"), 4.0L);
    EXPECT_EQ(Read(u".5"), 0.5L);
    EXPECT_EQ(Read(u"-.5"), -0.5L);
    EXPECT_EQ(Read(u"5."), 5.0L);
    EXPECT_EQ(Read(u"5.5.5"), 5.5L);
    EXPECT_EQ(Read(u"0.1"), 0.1L);
    EXPECT_EQ(Read(u"007"), 7.0L);
}

TEST(ReadLeadingNumber, TextWithoutALeadingNumberReadsZero) {
    EXPECT_EQ(Read(u""), 0.0L);
    EXPECT_EQ(Read(u"abc"), 0.0L);
    EXPECT_EQ(Read(u"."), 0.0L);
    EXPECT_EQ(Read(u"-"), 0.0L);
    EXPECT_EQ(Read(u"-x5"), 0.0L);
    EXPECT_EQ(Read(u" 5"), 0.0L);
    EXPECT_EQ(Read(u"inf"), 0.0L);
    EXPECT_EQ(Read(u"nan"), 0.0L);
    EXPECT_EQ(Read(u"\u0665"), 0.0L); // an Arabic-Indic digit is not a digit here
}

TEST(ReadLeadingNumber, ExponentCountsOnlyWithDigits) {
    EXPECT_EQ(Read(u"1e3"), 1000.0L);
    EXPECT_EQ(Read(u"1.5E-2x"), 0.015L);
    EXPECT_EQ(Read(u"2e"), 2.0L);
    EXPECT_EQ(Read(u"2e+"), 2.0L);
    EXPECT_EQ(Read(u"2e-x"), 2.0L);
    EXPECT_EQ(Read(u"1.5e+21"), 1.5e21L);
}

TEST(ReadLeadingNumber, MagnitudesOutOfRangeSaturateOrVanish) {
    constexpr long double kMax = std::numeric_limits<long double>::max();
    EXPECT_EQ(Read(u"1e99999"), kMax);
    EXPECT_EQ(Read(u"-1e99999"), -kMax);
    EXPECT_EQ(Read(u"1e-99999"), 0.0L);
    EXPECT_EQ(Read(u"0.001e-99999"), 0.0L);
    EXPECT_EQ(Read(u"1000e-5000"), 0.0L);
    EXPECT_EQ(Read(u"1e99999999999999999999"), kMax);
}

TEST(NearestInt32, RoundsHalvesAwayAndSaturates) {
    EXPECT_EQ(NearestInt32(2.5L), 3);
    EXPECT_EQ(NearestInt32(-2.5L), -3);
    EXPECT_EQ(NearestInt32(2.4L), 2);
    EXPECT_EQ(NearestInt32(1e12L), 2147483647);
    EXPECT_EQ(NearestInt32(-1e12L), -2147483647 - 1);
    EXPECT_EQ(NearestInt32(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_EQ(NearestInt32(std::numeric_limits<long double>::infinity()), 2147483647);
}

TEST(WriteNumber, FifteenSignificantDigitsWithoutExponentForOrdinaryMagnitudes) {
    EXPECT_EQ(WriteNumber(7), u"7");
    EXPECT_EQ(WriteNumber(1.5L), u"1.5");
    EXPECT_EQ(WriteNumber(-3), u"-3");
    EXPECT_EQ(WriteNumber(0), u"0");
    EXPECT_EQ(WriteNumber(-0.0L), u"0");
    EXPECT_EQ(WriteNumber(0.1L + 0.2L), u"0.3");
    EXPECT_EQ(WriteNumber(0.1 + 0.2), u"0.3");
    EXPECT_EQ(WriteNumber(1.0L / 3), u"0.333333333333333");
    EXPECT_EQ(WriteNumber(-2.0L / 3), u"-0.666666666666667");
    EXPECT_EQ(WriteNumber(-1234.5L), u"-1234.5");
    EXPECT_EQ(WriteNumber(1e15L), u"1000000000000000");
    EXPECT_EQ(WriteNumber(999999999999999.9L), u"1000000000000000");
    EXPECT_EQ(WriteNumber(123456789012345678.0L), u"123456789012346000");
    EXPECT_EQ(WriteNumber(2147483648.0L * 4), u"8589934592");
    EXPECT_EQ(WriteNumber(0.000001L), u"0.000001");
    EXPECT_EQ(WriteNumber(0.00000123456L), u"0.00000123456");
    EXPECT_EQ(WriteNumber(9.99e20L), u"999000000000000000000");
}

TEST(WriteNumber, ExtremeMagnitudesUseExponentAndReadBack) {
    EXPECT_EQ(WriteNumber(1e21L), u"1e+21");
    EXPECT_EQ(WriteNumber(-1.5e21L), u"-1.5e+21");
    EXPECT_EQ(WriteNumber(1e-7L), u"1e-7");
    EXPECT_EQ(WriteNumber(1.25e-300L), u"1.25e-300");
    EXPECT_EQ(WriteNumber(std::numeric_limits<long double>::max()), u"1.18973149535723e+4932");
    for (const long double value : {1.5e300L, -2.5e-30L, 1e21L, 123.25L}) {
        EXPECT_EQ(ReadLeadingNumber(WriteNumber(value)), value) << double(value);
    }
}

TEST(WriteNumber, NonFiniteValuesGiveAnEmptyText) {
    EXPECT_EQ(WriteNumber(std::numeric_limits<long double>::infinity()), u"");
    EXPECT_EQ(WriteNumber(-std::numeric_limits<long double>::infinity()), u"");
    EXPECT_EQ(WriteNumber(std::numeric_limits<long double>::quiet_NaN()), u"");
}
