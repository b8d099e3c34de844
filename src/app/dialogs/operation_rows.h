// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

class MessageTable;
class QCheckBox;
class QLineEdit;
struct OperationSettings;

inline constexpr int kOperationRowCount = 10;

// The ten operation rows of the cell editing dialog, each a check box and two operand boxes,
// over the working operation settings. At most one row is ticked at a time.
class OperationRows : public QObject {
    Q_OBJECT

public:
    // Builds the rows inside `dialog` below `top` and shows the settings.
    OperationRows(QWidget* dialog, int top, const MessageTable& messages,
                  OperationSettings& settings);

    // Reads the operand boxes into the settings (done on Accept).
    void ReadOperands();

private:
    void Tick(int row, bool on);
    void ShowFlags();

    OperationSettings& settings_;
    std::array<QCheckBox*, kOperationRowCount> checks_{};
    std::array<QLineEdit*, kOperationRowCount> firsts_{};
    std::array<QLineEdit*, kOperationRowCount> seconds_{};
};

// An operand box read as a row or column number: the leading number, nearest 16-bit integer.
int16_t ReadOperandText(const QString& text);
// A percentage box: a single "," or a single "'" is taken as the decimal point first.
long double ReadPercentageText(const QString& text);
