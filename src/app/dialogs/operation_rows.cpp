// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/operation_rows.h"

#include "app/dialogs/dialog_controls.h"
#include "app/messages/message_table.h"
#include "content/leading_number.h"
#include "content/operation_descriptor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {

struct RowLayout {
    int checkId;
    int textGroup;
    int textEntry;
    int firstId;
    int labelGroup;
    int labelEntry;
    int secondId;
};

// Rows 4 and 5 are the percentages, whose first operand is the percentage itself.
constexpr RowLayout kRows[kOperationRowCount] = {
    {10374, 16, 1, 10376, 16, 2, 10378}, {10375, 16, 3, 10379, 16, 2, 10381},
    {10382, 15, 1, 10383, 15, 2, 10385}, {10386, 15, 3, 10387, 15, 4, 10389},
    {10390, 14, 1, 10391, 14, 2, 10393}, {10394, 14, 3, 10395, 14, 4, 10397},
    {10401, 7, 1, 10402, 7, 2, 10404},   {10405, 7, 3, 10406, 7, 4, 10408},
    {10409, 6, 1, 10410, 6, 2, 10412},   {10413, 6, 3, 10414, 6, 4, 10416},
};

constexpr int kColumnPercentageRow = 4;
constexpr int kRowPercentageRow = 5;
constexpr int kRowHeight = 20;
constexpr int kSumRows = 2;

OperandPairSetting* PairOfRow(OperationSettings& settings, int row) {
    OperandPairSetting* pairs[kOperationRowCount] = {
        &settings.columnSum,
        &settings.rowSum,
        &settings.columnSubtraction,
        &settings.rowSubtraction,
        nullptr,
        nullptr,
        &settings.columnMultiplication,
        &settings.rowMultiplication,
        &settings.columnDivision,
        &settings.rowDivision,
    };
    return pairs[row];
}

PercentageSetting* PercentageOfRow(OperationSettings& settings, int row) {
    if (row == kColumnPercentageRow) return &settings.columnPercentage;
    if (row == kRowPercentageRow) return &settings.rowPercentage;
    return nullptr;
}

int32_t& FlagOfRow(OperationSettings& settings, int row) {
    if (PercentageSetting* percentage = PercentageOfRow(settings, row)) return percentage->on;
    return PairOfRow(settings, row)->on;
}

} // namespace

int16_t ReadOperandText(const QString& text) {
    return int16_t(
        std::clamp(NearestInt32(ReadLeadingNumber(text)), int32_t(INT16_MIN), int32_t(INT16_MAX)));
}

long double ReadPercentageText(const QString& text) {
    QString number = text;
    if (number.count(u',') == 1) number.replace(u',', u'.');
    if (number.count(u'\'') == 1) number.replace(u'\'', u'.');
    return ReadLeadingNumber(number);
}

OperationRows::OperationRows(QWidget* dialog, int top, const MessageTable& messages,
                             OperationSettings& settings)
    : QObject(dialog), settings_(settings) {
    const QFont small = DialogFont(7);
    for (int row = 0; row < kOperationRowCount; ++row) {
        const RowLayout& layout = kRows[row];
        const int y = top + kRowHeight * row;
        QCheckBox* check =
            AddControl<QCheckBox>(dialog, layout.checkId, QRect(5, y, 250, 18),
                                  messages.Message(layout.textGroup, layout.textEntry));
        check->setFont(small);
        firsts_[size_t(row)] = AddControl<QLineEdit>(dialog, layout.firstId, QRect(257, y, 50, 18));
        auto* label = AddControl<QLabel>(dialog, 0, QRect(310, y, row < kSumRows ? 30 : 80, 18),
                                         messages.Message(layout.labelGroup, layout.labelEntry));
        label->setFont(small);
        seconds_[size_t(row)] =
            AddControl<QLineEdit>(dialog, layout.secondId, QRect(392, y, 50, 18));
        checks_[size_t(row)] = check;
        connect(check, &QCheckBox::clicked, this, [this, row](bool on) { Tick(row, on); });

        if (const PercentageSetting* percentage = PercentageOfRow(settings, row)) {
            firsts_[size_t(row)]->setText(WriteNumber(percentage->percentage));
            seconds_[size_t(row)]->setText(QString::number(percentage->operand));
        } else {
            const OperandPairSetting* pair = PairOfRow(settings, row);
            firsts_[size_t(row)]->setText(QString::number(pair->first));
            seconds_[size_t(row)]->setText(QString::number(pair->second));
        }
    }
    ShowFlags();
}

void OperationRows::Tick(int row, bool on) {
    FlagOfRow(settings_, row) = on ? 1 : 0;
    if (on) {
        for (int other = 0; other < kOperationRowCount; ++other)
            if (other != row) FlagOfRow(settings_, other) = 0;
    }
    ShowFlags();
}

void OperationRows::ShowFlags() {
    for (int row = 0; row < kOperationRowCount; ++row) {
        const bool on = FlagOfRow(settings_, row) == 1;
        checks_[size_t(row)]->setChecked(on);
        firsts_[size_t(row)]->setEnabled(on);
        seconds_[size_t(row)]->setEnabled(on);
    }
}

void OperationRows::ReadOperands() {
    for (int row = 0; row < kOperationRowCount; ++row) {
        const QString first = firsts_[size_t(row)]->text();
        const QString second = seconds_[size_t(row)]->text();
        if (PercentageSetting* percentage = PercentageOfRow(settings_, row)) {
            percentage->percentage = ReadPercentageText(first);
            percentage->operand = ReadOperandText(second);
        } else {
            OperandPairSetting* pair = PairOfRow(settings_, row);
            pair->first = ReadOperandText(first);
            pair->second = ReadOperandText(second);
        }
    }
}
