// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/find_bar.h"

#include "app/editor/command_ids.h"
#include "app/messages/message_table.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename T> T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), findLabel_(new QLabel(this)),
      findBox_(Named(new QLineEdit(this), "findBox")),
      previous_(Named(new QPushButton(this), "previous")),
      next_(Named(new QPushButton(this), "next")),
      matchCase_(Named(new QCheckBox(this), "matchCase")),
      wholeCell_(Named(new QCheckBox(this), "wholeCell")),
      close_(Named(new QPushButton(this), "close")), replaceLabel_(new QLabel(this)),
      replaceBox_(Named(new QLineEdit(this), "replaceBox")),
      replaceOne_(Named(new QPushButton(this), "replaceOne")),
      replaceAll_(Named(new QPushButton(this), "replaceAll")), storedNote_(new QLabel(this)) {
    findLabel_->setBuddy(findBox_);
    replaceLabel_->setBuddy(replaceBox_);
    storedNote_->setEnabled(false); // a quiet hint, not a control
    // Three short rows rather than two long ones: the bar keeps every control in a window
    // as narrow as a 1366 x 768 screen at twice the scale.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(findLabel_, 0, 0);
    grid->addWidget(findBox_, 0, 1);
    grid->addWidget(previous_, 0, 2);
    grid->addWidget(next_, 0, 3);
    grid->addWidget(close_, 0, 5);
    grid->addWidget(replaceLabel_, 1, 0);
    grid->addWidget(replaceBox_, 1, 1);
    grid->addWidget(replaceOne_, 1, 2);
    grid->addWidget(replaceAll_, 1, 3);
    auto* options = new QHBoxLayout;
    options->addWidget(matchCase_);
    options->addWidget(wholeCell_);
    options->addWidget(storedNote_, 1);
    grid->addLayout(options, 2, 1, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    const int boxWidth = fontMetrics().averageCharWidth() * 16;
    findBox_->setMinimumWidth(boxWidth);
    replaceBox_->setMinimumWidth(boxWidth);
    storedNote_->setWordWrap(true);

    const auto changed = [this] {
        if (onChange) onChange();
    };
    connect(findBox_, &QLineEdit::textChanged, this, changed);
    connect(replaceBox_, &QLineEdit::textChanged, this, changed);
    connect(matchCase_, &QCheckBox::toggled, this, changed);
    connect(wholeCell_, &QCheckBox::toggled, this, changed);
    const auto command = [this](CommandId id) {
        return [this, id] {
            if (onCommand) onCommand(id);
        };
    };
    // Enter steps to the next match, from either box.
    connect(findBox_, &QLineEdit::returnPressed, this, command(CommandId::FindNext));
    connect(replaceBox_, &QLineEdit::returnPressed, this, command(CommandId::FindNext));
    connect(next_, &QPushButton::clicked, this, command(CommandId::FindNext));
    connect(previous_, &QPushButton::clicked, this, command(CommandId::FindPrevious));
    connect(replaceOne_, &QPushButton::clicked, this, command(CommandId::ReplaceOne));
    connect(replaceAll_, &QPushButton::clicked, this, command(CommandId::ReplaceAll));
    connect(close_, &QPushButton::clicked, this, [this] {
        if (onClose) onClose();
    });
    for (QPushButton* button : {previous_, next_, replaceOne_, replaceAll_, close_})
        button->setAutoDefault(false);
    // Tab goes from the text to find to its replacement, then to the buttons.
    QWidget* order[] = {findBox_,    replaceBox_, next_,      previous_, replaceOne_,
                        replaceAll_, matchCase_,  wholeCell_, close_};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FindBar::SetTexts(const MessageTable& m) {
    findLabel_->setText(m.Message(kFindGroup, kFindLabelEntry));
    previous_->setText(m.Message(kFindGroup, kFindPreviousEntry));
    next_->setText(m.Message(kFindGroup, kFindNextEntry));
    matchCase_->setText(m.Message(kFindGroup, kMatchCaseEntry));
    wholeCell_->setText(m.Message(kFindGroup, kWholeCellEntry));
    close_->setText(m.Message(kFindGroup, kCloseEntry));
    replaceLabel_->setText(m.Message(kFindGroup, kReplaceLabelEntry));
    replaceOne_->setText(m.Message(kFindGroup, kReplaceOneEntry));
    replaceAll_->setText(m.Message(kFindGroup, kReplaceAllEntry));
    storedNote_->setText(m.Message(kFindGroup, kStoredTextsEntry));
}

void FindBar::Open(bool replace) {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{replaceLabel_, replaceBox_, replaceOne_, replaceAll_})
        widget->setVisible(replace);
    findBox_->setFocus();
    findBox_->selectAll();
}

FindQuery FindBar::query() const {
    return {findBox_->text(), matchCase_->isChecked(), wholeCell_->isChecked()};
}

QString FindBar::replacement() const {
    return replaceBox_->text();
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && onClose) return onClose();
    QWidget::keyPressEvent(event);
}
