// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/operations.h"

#include "content/leading_number.h"
#include "content/operation_descriptor.h"
#include "model/space_trim.h"
#include "content/table_extent.h"

#include <algorithm>

namespace {

class Operands {
public:
    explicit Operands(const Document& document) : document_(document) {}

    bool Usable(int column, int row) const {
        if (column < 0 || row < 0 || column >= TableColumnCount(document_) ||
            row >= TableRowCount(document_))
            return false;
        const CellRecord& cell = document_.cell(column, row);
        return cell.joinState == kJoinNone && cell.cellState != kCellCancelled;
    }

    long double Value(int column, int row) const {
        return ReadLeadingNumber(TrimSpaces(document_.cell(column, row).text));
    }

private:
    const Document& document_;
};

long double Combine(OperationType type, long double a, long double b) {
    switch (type) {
    case OperationType::Subtraction:
        return a - b;
    case OperationType::Multiplication:
        return a * b;
    case OperationType::Division:
        return a / b;
    default:
        return 0;
    }
}

// Row and column numbers in a descriptor are 1-based.
long double Evaluate(const OperationCode& code, const Operands& operands, int column, int row) {
    long double result = 0;
    switch (code.type) {
    case OperationType::Sum:
        if (code.columnPart) {
            for (int k = std::max(code.columnFirst, 1); k <= code.columnSecond; ++k)
                if (operands.Usable(column, k - 1)) result += operands.Value(column, k - 1);
        }
        if (code.rowPart) {
            for (int k = std::max(code.rowFirst, 1); k <= code.rowSecond; ++k)
                if (operands.Usable(k - 1, row)) result += operands.Value(k - 1, row);
        }
        break;
    case OperationType::Subtraction:
    case OperationType::Multiplication:
    case OperationType::Division: {
        const int a = code.columnFirst - 1;
        const int b = code.columnSecond - 1;
        if (code.columnPart && operands.Usable(column, a) && operands.Usable(column, b))
            result = Combine(code.type, operands.Value(column, a), operands.Value(column, b));
        const int ra = code.rowFirst - 1;
        const int rb = code.rowSecond - 1;
        if (code.rowPart && operands.Usable(ra, row) && operands.Usable(rb, row))
            result = Combine(code.type, operands.Value(ra, row), operands.Value(rb, row));
        break;
    }
    case OperationType::Percentage: {
        const int n = code.percentageOperand - 1;
        if (code.columnPart && operands.Usable(column, n))
            result = operands.Value(column, n) * code.percentage / 100;
        if (code.rowPart && operands.Usable(n, row))
            result = operands.Value(n, row) * code.percentage / 100;
        break;
    }
    case OperationType::None:
        break;
    }
    return result;
}

} // namespace

void RecomputeOperations(Document& document) {
    const Operands operands(document);
    const int rows = TableRowCount(document);
    const int columns = TableColumnCount(document);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            CellRecord& cell = document.cell(column, row);
            if (cell.joinState != kJoinNone || cell.cellState == kCellCancelled ||
                cell.operationDescriptor.isEmpty())
                continue;
            const OperationCode code = ReadOperationCode(cell.operationDescriptor);
            if (!code.isOperation) continue;
            cell.text = WriteNumber(Evaluate(code, operands, column, row));
        }
    }
}
