// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// One operation row of the cell editing dialog: its tick and two row or column numbers
// (1-based as the user sees them: row 1 is grid row 0).
struct OperandPairSetting {
    int32_t on = 0;
    int16_t first = 0;
    int16_t second = 0;

    bool operator==(const OperandPairSetting&) const = default;
};

// A percentage row: its tick, the percentage and the row (column variant) or column (row
// variant) of the operand.
struct PercentageSetting {
    int32_t on = 0;
    long double percentage = 0;
    int16_t operand = 0;

    bool operator==(const PercentageSetting&) const = default;
};

// The ten operation rows of the dialog, in its order.
struct OperationSettings {
    OperandPairSetting columnSum;
    OperandPairSetting rowSum;
    OperandPairSetting columnSubtraction;
    OperandPairSetting rowSubtraction;
    PercentageSetting columnPercentage;
    PercentageSetting rowPercentage;
    OperandPairSetting columnMultiplication;
    OperandPairSetting rowMultiplication;
    OperandPairSetting columnDivision;
    OperandPairSetting rowDivision;

    bool operator==(const OperationSettings&) const = default;
};

// The descriptor for the settings, or nothing when no row is ticked (the cell then keeps its
// descriptor). Each ticked type writes the whole field, in the order sum, subtraction,
// column percentage, row percentage, multiplication, division, so the last one wins. Row and
// column numbers take two positions: numbers outside 0..99 cannot be written and are written
// as 00, which names no cell. The percentage takes six positions ("015.50"): it is rounded to
// two decimals and held within -99.99 ("-99.99") and 999.99.
std::optional<QString> EncodeOperationDescriptor(const OperationSettings& settings);

// The dialog's rows for a cell's descriptor; nothing ticked when it holds no operation.
OperationSettings DecodeOperationDescriptor(const QString& descriptor);

enum class OperationType { None, Sum, Subtraction, Percentage, Multiplication, Division };

// What a descriptor asks the recomputation to do.
struct OperationCode {
    bool isOperation = false; // the trimmed descriptor reads as a number above 0
    OperationType type = OperationType::None;
    bool columnPart = false;
    bool rowPart = false;
    // 1-based numbers as written: for a sum the range, otherwise operands A and B.
    int columnFirst = 0;
    int columnSecond = 0;
    int rowFirst = 0;
    int rowSecond = 0;
    long double percentage = 0;
    int percentageOperand = 0;
};

// Reads a descriptor. The type is the first that matches: sum, subtraction, percentage,
// multiplication, division. A last character 3 selects the row percentage only when
// position 1 is 0 and position 6 holds no other operation digit, so a row multiplication or
// division whose second column ends in 3 stays what it is.
OperationCode ReadOperationCode(const QString& descriptor);
