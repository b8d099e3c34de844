// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/configuration_dialog.h"

#include "app/dialogs/focus_memory.h"
#include "app/dialogs/new_table_dialog.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/table_look_controls.h"
#include "app/messages/message_table.h"
#include "model/table_settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kLargestSeparator = 10;
// Below the password box, as in the classic 432-pixel dialog.
constexpr int kBottomMargin = 7;

} // namespace

ConfigurationDialog::ConfigurationDialog(QWidget* parent, Ui& ui, TableSettings& settings,
                                         const ProgramState& state)
    : QDialog(parent), ui_(ui), settings_(settings), language_(state.settings.currentLanguage) {
    setWindowTitle(MessageTable(state.settings.currentLanguage).Message(msg::kConfiguration));
    look_ = new TableLookControls(this, ui, settings, state, {kLookBase, kLargestSeparator, true});
    setFixedSize(421, look_->Bottom() + kBottomMargin);
    if (settings.passwordSet == 1 && !settings.password.isEmpty()) {
        look_->passwordBox()->setText(settings.password);
        look_->passwordSwitch()->setEnabled(false);
        look_->passwordBox()->setEnabled(false);
    }
    connect(look_->cancelButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(look_->acceptButton(), &QPushButton::clicked, this, &ConfigurationDialog::Accept);
    RememberFocus(this);
}

void ConfigurationDialog::Accept() {
    // A wider separator or a thicker line may take the table past what its picture can be.
    if (RefuseTooLargeTable(ui_, language_, settings_)) return;
    if (settings_.passwordSet == 1) {
        if (const auto password = look_->TypedPassword()) settings_.password = *password;
    }
    accept();
}
