// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/sort_dialog.h"

#include "app/dialogs/dialog_controls.h"
#include "app/messages/message_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>

namespace {

QComboBox* DirectionBox(const MessageTable& messages, bool descending, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItems({messages.Message(kSortGroup, kAscendingEntry),
                   messages.Message(kSortGroup, kDescendingEntry)});
    box->setCurrentIndex(descending ? 1 : 0);
    return box;
}

QHBoxLayout* Row(QComboBox* column, QComboBox* direction) {
    auto* row = new QHBoxLayout;
    row->addWidget(column, 1);
    row->addWidget(direction);
    return row;
}

} // namespace

SortDialog::SortDialog(QWidget* parent, const MessageTable& messages, const SortOffer& offer,
                       const SortChoice& proposed)
    : QDialog(parent) {
    setWindowTitle(TitleOf(messages.Message(kSortGroup, kSortEntry)));
    QStringList columns;
    for (int column = 1; column <= offer.columnCount; ++column)
        columns.append(messages.Message(kSortGroup, kColumnEntry) + QString::number(column));
    const SortKey first = proposed.keys.empty() ? SortKey{} : proposed.keys[0];
    const bool hasSecond = proposed.keys.size() > 1;
    const SortKey second = hasSecond ? proposed.keys[1] : SortKey{};

    firstColumn_ = new QComboBox(this);
    firstColumn_->setObjectName(QStringLiteral("firstColumn"));
    firstColumn_->addItems(columns);
    firstColumn_->setCurrentIndex(first.column);
    firstDirection_ = DirectionBox(messages, first.descending, this);
    firstDirection_->setObjectName(QStringLiteral("firstDirection"));
    secondColumn_ = new QComboBox(this);
    secondColumn_->setObjectName(QStringLiteral("secondColumn"));
    secondColumn_->addItem(messages.Message(kSortGroup, kNoKeyEntry));
    secondColumn_->addItems(columns);
    secondColumn_->setCurrentIndex(hasSecond ? second.column + 1 : 0);
    secondDirection_ = DirectionBox(messages, second.descending, this);
    secondDirection_->setObjectName(QStringLiteral("secondDirection"));
    header_ = new QCheckBox(messages.Message(kSortGroup, kHeaderRowEntry), this);
    header_->setObjectName(QStringLiteral("header"));
    header_->setChecked(proposed.header && offer.headerOffered);
    header_->setVisible(offer.headerOffered);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(messages.Message(kSortGroup, kSortByEntry), Row(firstColumn_, firstDirection_));
    form->addRow(messages.Message(kSortGroup, kThenByEntry), Row(secondColumn_, secondDirection_));
    form->addRow(header_);
    form->addRow(buttons);
}

SortChoice SortDialog::choice() const {
    SortChoice chosen;
    chosen.keys.push_back({firstColumn_->currentIndex(), firstDirection_->currentIndex() == 1});
    if (secondColumn_->currentIndex() > 0)
        chosen.keys.push_back(
            {secondColumn_->currentIndex() - 1, secondDirection_->currentIndex() == 1});
    chosen.header = header_->isChecked();
    return chosen;
}
