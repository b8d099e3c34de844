// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/operation_descriptor.h"

#include "content/leading_number.h"
#include "content/number_format.h"
#include "model/space_trim.h"

#include <algorithm>
#include <cmath>

namespace {

// Position i (from 1) of the descriptor, or 0 past its end.
QChar At(QStringView d, int i) {
    return i <= d.size() ? d[i - 1] : QChar();
}

int TwoDigitNumber(QStringView d, int position) {
    if (position > d.size()) return 0;
    return NearestInt32(ReadLeadingNumber(d.sliced(position - 1).left(2)));
}

QChar TypeDigit(OperationType type) {
    switch (type) {
    case OperationType::Sum:
        return u'1';
    case OperationType::Subtraction:
        return u'2';
    case OperationType::Percentage:
        return u'3';
    case OperationType::Multiplication:
        return u'4';
    case OperationType::Division:
        return u'5';
    case OperationType::None:
        break;
    }
    return u'0';
}

QString TwoDigits(int number) {
    if (number < 0 || number > 99) number = 0;
    return QString::number(number).rightJustified(2, u'0');
}

// "000.00", or "-00.00" for a negative percentage.
QString SixCharacterPercentage(long double percentage) {
    if (std::isnan(percentage)) percentage = 0;
    percentage = std::clamp(percentage, -99.99L, 999.99L);
    const QString magnitude =
        FormatNumber(std::fabs(percentage), kPlainEnglishDecimal, QStringLiteral(".00"));
    const bool negative = percentage < 0 && magnitude != u"0.00";
    return negative ? u'-' + magnitude.rightJustified(5, u'0') : magnitude.rightJustified(6, u'0');
}

QString PairField(OperationType type, const OperandPairSetting& column,
                  const OperandPairSetting& row) {
    const QChar digit = TypeDigit(type);
    return (column.on != 0 ? digit : u'0') + TwoDigits(column.first) + TwoDigits(column.second) +
           (row.on != 0 ? digit : u'0') + TwoDigits(row.first) + TwoDigits(row.second);
}

QString PercentageField(const PercentageSetting& setting, bool rowVariant) {
    return u'3' + SixCharacterPercentage(setting.percentage) + TwoDigits(setting.operand) +
           (rowVariant ? u'3' : u'0');
}

OperandPairSetting Pair(bool on, int first, int second) {
    return {on ? 1 : 0, int16_t(std::clamp(first, -32768, 32767)),
            int16_t(std::clamp(second, -32768, 32767))};
}

} // namespace

std::optional<QString> EncodeOperationDescriptor(const OperationSettings& s) {
    std::optional<QString> field;
    if (s.columnSum.on != 0 || s.rowSum.on != 0)
        field = PairField(OperationType::Sum, s.columnSum, s.rowSum);
    if (s.columnSubtraction.on != 0 || s.rowSubtraction.on != 0)
        field = PairField(OperationType::Subtraction, s.columnSubtraction, s.rowSubtraction);
    if (s.columnPercentage.on != 0) field = PercentageField(s.columnPercentage, false);
    if (s.rowPercentage.on != 0) field = PercentageField(s.rowPercentage, true);
    if (s.columnMultiplication.on != 0 || s.rowMultiplication.on != 0)
        field =
            PairField(OperationType::Multiplication, s.columnMultiplication, s.rowMultiplication);
    if (s.columnDivision.on != 0 || s.rowDivision.on != 0)
        field = PairField(OperationType::Division, s.columnDivision, s.rowDivision);
    return field;
}

OperationSettings DecodeOperationDescriptor(const QString& descriptor) {
    const OperationCode code = ReadOperationCode(descriptor);
    OperationSettings s;
    const OperandPairSetting column = Pair(code.columnPart, code.columnFirst, code.columnSecond);
    const OperandPairSetting row = Pair(code.rowPart, code.rowFirst, code.rowSecond);
    switch (code.type) {
    case OperationType::Sum:
        s.columnSum = column;
        s.rowSum = row;
        break;
    case OperationType::Subtraction:
        s.columnSubtraction = column;
        s.rowSubtraction = row;
        break;
    case OperationType::Multiplication:
        s.columnMultiplication = column;
        s.rowMultiplication = row;
        break;
    case OperationType::Division:
        s.columnDivision = column;
        s.rowDivision = row;
        break;
    case OperationType::Percentage: {
        // A descriptor with a row part is the row variant, whatever position 1 holds.
        PercentageSetting& target = code.rowPart ? s.rowPercentage : s.columnPercentage;
        target = {1, code.percentage, int16_t(code.percentageOperand)};
        break;
    }
    case OperationType::None:
        break;
    }
    return s;
}

OperationCode ReadOperationCode(const QString& descriptor) {
    const QStringView d = TrimSpaces(descriptor);
    OperationCode code;
    code.isOperation = ReadLeadingNumber(d) > 0;
    if (!code.isOperation) return code;

    const QChar p1 = At(d, 1);
    const QChar p6 = At(d, 6);
    const QChar last = d.back();
    auto selects = [&](char16_t digit) { return p1 == digit || (p6 == digit && p1 == u'0'); };
    const bool otherDigitAtSix = QStringView(u"1245").contains(p6);
    if (selects(u'1'))
        code.type = OperationType::Sum;
    else if (selects(u'2'))
        code.type = OperationType::Subtraction;
    else if (p1 == u'3' || (last == u'3' && p1 == u'0' && !otherDigitAtSix))
        code.type = OperationType::Percentage;
    else if (selects(u'4'))
        code.type = OperationType::Multiplication;
    else if (selects(u'5'))
        code.type = OperationType::Division;

    if (code.type == OperationType::Percentage) {
        code.columnPart = p1 == u'3';
        code.rowPart = last == u'3';
        code.percentage = ReadLeadingNumber(d.sliced(1).left(6));
        code.percentageOperand = TwoDigitNumber(d, 8);
    } else if (code.type != OperationType::None) {
        const QChar digit = TypeDigit(code.type);
        code.columnPart = p1 == digit;
        code.rowPart = p6 == digit;
        code.columnFirst = TwoDigitNumber(d, 2);
        code.columnSecond = TwoDigitNumber(d, 4);
        code.rowFirst = TwoDigitNumber(d, 7);
        code.rowSecond = TwoDigitNumber(d, 9);
    }
    return code;
}
