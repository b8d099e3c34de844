// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/password_dialog.h"

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/dialog_resources.h"
#include "app/dialogs/focus_memory.h"
#include "app/messages/message_table.h"
#include "model/cell_record.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

bool IsAcceptablePassword(const QString& first, const QString& second) {
    return first == second && !first.isEmpty() && second.size() <= kPasswordMaxUnits;
}

PasswordDialog::PasswordDialog(QWidget* parent, const MessageTable& messages) : QDialog(parent) {
    setWindowTitle(messages.Message(msg::kAccessPassword));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    // Taller than the classic 84 pixels: each box gets a label above it, so that the user
    // knows the password is typed twice.
    setFixedSize(201, 122);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(ControlName(kToolbarControl));
    toolbar->setIconSize(QSize(16, 16));
    // Five texts under their pictures need far more than the window's 201 pixels in most
    // languages, so the buttons show their pictures and give their texts as tooltips.
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setMovable(false);
    toolbar->setGeometry(0, 0, width(), 36);

    struct Button {
        int id;
        int picture;
        int entry;
        void (PasswordDialog::*command)();
        bool separatorBefore;
    };
    const Button buttons[] = {
        {kNewButton, 401, 2, &PasswordDialog::New, false},
        {kCopyButton, 405, 3, &PasswordDialog::Copy, true},
        {kPasteButton, 406, 4, &PasswordDialog::Paste, false},
        {kAcceptButton, 411, 5, &PasswordDialog::Accept, true},
        {kExitButton, 407, 6, &PasswordDialog::Exit, false},
    };
    for (const Button& button : buttons) {
        if (button.separatorBefore) toolbar->addSeparator();
        QAction* action =
            toolbar->addAction(QIcon(DialogPicture(button.picture)),
                               messages.Message(msg::kPasswordButtonGroup, button.entry));
        toolbar->widgetForAction(action)->setObjectName(ControlName(button.id));
        connect(action, &QAction::triggered, this, button.command);
    }
    first_ = AddControl<QLineEdit>(this, kFirstBox, QRect(5, 56, 190, 20));
    second_ = AddControl<QLineEdit>(this, kSecondBox, QRect(5, 96, 190, 20));
    AddControl<QLabel>(this, 0, QRect(5, 38, 190, 18),
                       messages.Message(kPasswordLabelGroup, kPasswordEntry))
        ->setBuddy(first_);
    AddControl<QLabel>(this, 0, QRect(5, 78, 190, 18),
                       messages.Message(kPasswordLabelGroup, kRepeatEntry))
        ->setBuddy(second_);
    for (QLineEdit* box : {first_, second_}) {
        box->setEchoMode(QLineEdit::Password);
        box->setFont(DialogFont(14));
        // Enter is the keyboard form of Accept.
        connect(box, &QLineEdit::returnPressed, this, &PasswordDialog::Accept);
    }
    first_->setFocus();
    RememberFocus(this);
}

void PasswordDialog::New() {
    first_->clear();
    second_->clear();
}

void PasswordDialog::Copy() {
    first_->copy();
    second_->copy();
}

void PasswordDialog::Paste() {
    first_->paste();
    second_->paste();
}

void PasswordDialog::Accept() {
    if (!IsAcceptablePassword(first_->text(), second_->text())) return;
    password_ = first_->text();
    accept();
}

void PasswordDialog::Exit() {
    password_.clear();
    QDialog::reject();
}

void PasswordDialog::reject() {
    Exit();
}
