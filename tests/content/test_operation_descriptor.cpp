// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/operation_descriptor.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace {

QString Encode(const OperationSettings& settings) {
    const std::optional<QString> descriptor = EncodeOperationDescriptor(settings);
    return descriptor ? *descriptor : QStringLiteral("<none>");
}

} // namespace

TEST(EncodeOperationDescriptor, EachTypeAndVariant) {
    OperationSettings columnSum;
    columnSum.columnSum = {1, 1, 4};
    EXPECT_EQ(Encode(columnSum), u"1010400000");

    OperationSettings bothSums;
    bothSums.columnSum = {1, 1, 2};
    bothSums.rowSum = {1, 1, 3};
    EXPECT_EQ(Encode(bothSums), u"1010210103");

    OperationSettings rowSum;
    rowSum.rowSum = {1, 2, 11};
    rowSum.columnSum = {0, 7, 8}; // numbers of an unticked part are still written
    EXPECT_EQ(Encode(rowSum), u"0070810211");

    OperationSettings subtraction;
    subtraction.columnSubtraction = {1, 3, 1};
    EXPECT_EQ(Encode(subtraction), u"2030100000");

    OperationSettings percentage;
    percentage.columnPercentage = {1, 25, 2};
    EXPECT_EQ(Encode(percentage), u"3025.00020");

    OperationSettings rowPercentage;
    rowPercentage.rowPercentage = {1, 15.5L, 3};
    EXPECT_EQ(Encode(rowPercentage), u"3015.50033");

    OperationSettings multiplication;
    multiplication.rowMultiplication = {1, 2, 3};
    EXPECT_EQ(Encode(multiplication), u"0000040203");

    OperationSettings division;
    division.columnDivision = {1, 1, 2};
    EXPECT_EQ(Encode(division), u"5010200000");
}

TEST(EncodeOperationDescriptor, NothingTickedWritesNothing) {
    OperationSettings settings;
    settings.columnSum = {0, 1, 4};
    settings.rowPercentage = {0, 50, 2};
    EXPECT_FALSE(EncodeOperationDescriptor(settings).has_value());
}

TEST(EncodeOperationDescriptor, LaterTypesReplaceEarlierOnes) {
    OperationSettings settings;
    settings.columnSum = {1, 1, 4};
    settings.columnPercentage = {1, 10, 1};
    EXPECT_EQ(Encode(settings), u"3010.00010");
    settings.rowPercentage = {1, 20, 2};
    EXPECT_EQ(Encode(settings), u"3020.00023");
    settings.rowDivision = {1, 5, 6};
    EXPECT_EQ(Encode(settings), u"0000050506");
}

TEST(EncodeOperationDescriptor, NumbersThatDoNotFitTheirPositions) {
    OperationSettings operands;
    operands.columnSum = {1, 99, 105};
    operands.rowSum = {1, -1, 0};
    EXPECT_EQ(Encode(operands), u"1990010000");

    OperationSettings percentages;
    percentages.columnPercentage = {1, 15.555L, 1};
    EXPECT_EQ(Encode(percentages), u"3015.56010");
    percentages.columnPercentage = {1, 5000, 1};
    EXPECT_EQ(Encode(percentages), u"3999.99010");
    percentages.columnPercentage = {1, -5.5L, 1};
    EXPECT_EQ(Encode(percentages), u"3-05.50010");
    percentages.columnPercentage = {1, -250, 1};
    EXPECT_EQ(Encode(percentages), u"3-99.99010");
    percentages.columnPercentage = {1, -0.001L, 1};
    EXPECT_EQ(Encode(percentages), u"3000.00010");
    percentages.columnPercentage = {1, 0.125L, 12};
    EXPECT_EQ(Encode(percentages), u"3000.13120");
}

TEST(DecodeOperationDescriptor, FillsTheDialogRows) {
    OperationSettings expected;
    expected.columnSum = {1, 1, 4};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("1010400000")), expected);

    expected = {};
    expected.columnSum = {1, 1, 2};
    expected.rowSum = {1, 1, 3};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral(" 1010210103 ")), expected);

    expected = {};
    expected.rowSubtraction = {1, 3, 2};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("0000020302")), expected);

    expected = {};
    expected.columnPercentage = {1, 25, 2};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("3025.00020")), expected);

    expected = {};
    expected.rowPercentage = {1, 15.5L, 3};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("3015.50033")), expected);
    // The row variant with 0 in front, as long as position 6 is no other operation digit.
    expected.rowPercentage = {1, 25, 2};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("0025.00023")), expected);
    expected = {};
    // "0015.50033": position 6 holds 5, so it is a row division of columns 00 and 33.
    expected.columnDivision = {0, 1, 5};
    expected.rowDivision = {1, 0, 33};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("0015.50033")), expected);

    expected = {};
    expected.rowMultiplication = {1, 2, 3};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("0000040203")), expected);

    expected = {};
    expected.columnDivision = {1, 10, 4};
    expected.rowDivision = {0, 0, 0};
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("5100400000")), expected);
}

TEST(DecodeOperationDescriptor, NoOperationTicksNothing) {
    for (const char16_t* descriptor : {u"", u"          ", u"0000000000", u"abc", u"-100000000"})
        EXPECT_EQ(DecodeOperationDescriptor(QString::fromUtf16(descriptor)), OperationSettings{});
    // An operation cell of no known type also ticks nothing.
    EXPECT_EQ(DecodeOperationDescriptor(QStringLiteral("9000000000")), OperationSettings{});
}

TEST(DecodeOperationDescriptor, RoundTripsEveryRow) {
    OperationSettings settings[10];
    settings[0].columnSum = {1, 2, 9};
    settings[1].rowSum = {1, 1, 99};
    settings[2].columnSubtraction = {1, 5, 3};
    settings[3].rowSubtraction = {1, 13, 3};
    settings[4].columnPercentage = {1, 999.99L, 42};
    settings[5].rowPercentage = {1, 0.5L, 7};
    settings[6].columnMultiplication = {1, 11, 12};
    settings[7].rowMultiplication = {1, 21, 13};
    settings[8].columnDivision = {1, 1, 1};
    settings[9].rowDivision = {1, 4, 43};
    for (const OperationSettings& s : settings) {
        const std::optional<QString> descriptor = EncodeOperationDescriptor(s);
        ASSERT_TRUE(descriptor.has_value());
        EXPECT_EQ(descriptor->size(), 10);
        EXPECT_EQ(DecodeOperationDescriptor(*descriptor), s) << descriptor->toStdString();
    }
}

TEST(ReadOperationCode, TypeSelection) {
    const struct {
        const char16_t* descriptor;
        OperationType type;
        bool columnPart;
        bool rowPart;
    } cases[] = {
        {u"1010400000", OperationType::Sum, true, false},
        {u"0000010203", OperationType::Sum, false, true},
        {u"2010220102", OperationType::Subtraction, true, true},
        {u"3025.00020", OperationType::Percentage, true, false},
        {u"3025.00023", OperationType::Percentage, true, true},
        {u"0025.00023", OperationType::Percentage, false, true},
        {u"0012.33023", OperationType::Percentage, false, true}, // a 3 at position 6 is no other
        {u"0000040203", OperationType::Multiplication, false, true},
        {u"0000050113", OperationType::Division, false, true},
        {u"4010240102", OperationType::Multiplication, true, true},
        {u"1010220102", OperationType::Sum, true, false}, // a row subtraction digit is ignored
        {u"9000000000", OperationType::None, false, false},
        {u"0000000001", OperationType::None, false, false},
    };
    for (const auto& c : cases) {
        const OperationCode code = ReadOperationCode(QString::fromUtf16(c.descriptor));
        const std::string name = QString::fromUtf16(c.descriptor).toStdString();
        EXPECT_TRUE(code.isOperation) << name;
        EXPECT_EQ(code.type, c.type) << name;
        EXPECT_EQ(code.columnPart, c.columnPart) << name;
        EXPECT_EQ(code.rowPart, c.rowPart) << name;
    }
    EXPECT_FALSE(ReadOperationCode(QStringLiteral("0000000000")).isOperation);
    EXPECT_FALSE(ReadOperationCode(QStringLiteral("  ")).isOperation);
    const OperationCode shortCode = ReadOperationCode(QStringLiteral("1"));
    EXPECT_EQ(shortCode.type, OperationType::Sum);
    EXPECT_EQ(shortCode.columnFirst, 0);
    EXPECT_EQ(shortCode.rowSecond, 0);
}
