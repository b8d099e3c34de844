// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/about_box.h"
#include "app/dialogs/cell_edit_fields.h"
#include "app/dialogs/cell_editing_dialog.h"
#include "app/dialogs/colour_capture_window.h"
#include "app/dialogs/configuration_dialog.h"
#include "app/dialogs/favourite_colours_window.h"
#include "app/dialogs/focus_memory.h"
#include "app/dialogs/new_table_dialog.h"
#include "app/dialogs/password_dialog.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/title_bar_dialog.h"
#include "app/messages/message_table.h"
#include "app/scripted_ui.h"
#include "fixtures/temp_folder.h"
#include "model/table_settings.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

void Send(QWidget* window, QEvent::Type type) {
    QEvent event(type);
    QApplication::sendEvent(window, &event);
}

TEST(FocusMemory, GivesTheFocusBackToTheControlThatHadIt) {
    QDialog dialog;
    auto* first = new QLineEdit(&dialog);
    auto* second = new QLineEdit(&dialog);
    RememberFocus(&dialog);
    dialog.show();

    second->setFocus();
    ASSERT_EQ(dialog.focusWidget(), second);
    Send(&dialog, QEvent::WindowDeactivate);
    first->setFocus(); // what the window would give the focus to on its own
    ASSERT_EQ(dialog.focusWidget(), first);
    Send(&dialog, QEvent::WindowActivate);
    EXPECT_EQ(dialog.focusWidget(), second);
}

TEST(FocusMemory, ForgetsAControlThatIsGoneOrDisabled) {
    QDialog dialog;
    auto* first = new QLineEdit(&dialog);
    auto* second = new QLineEdit(&dialog);
    RememberFocus(&dialog);
    dialog.show();

    second->setFocus();
    Send(&dialog, QEvent::WindowDeactivate);
    first->setFocus();
    second->setEnabled(false);
    Send(&dialog, QEvent::WindowActivate);
    EXPECT_EQ(dialog.focusWidget(), first);

    second->setEnabled(true);
    second->setFocus();
    Send(&dialog, QEvent::WindowDeactivate);
    first->setFocus();
    delete second;
    Send(&dialog, QEvent::WindowActivate); // must not touch the deleted control
    EXPECT_EQ(dialog.focusWidget(), first);
}

// Every dialog of the program keeps its focused control across a deactivation.
TEST(FocusMemory, EveryDialogRemembersItsFocus) {
    ScriptedUi ui;
    ProgramState state;
    TableSettings settings;
    settings.horizontalTitleBar = 1;
    CellEditFields fields;
    TempFolder folder;
    const MessageTable messages(kEnglish);
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<NewTableDialog>(nullptr, ui, settings, state));
    dialogs.push_back(std::make_unique<ConfigurationDialog>(nullptr, ui, settings, state));
    dialogs.push_back(std::make_unique<TitleBarDialog>(nullptr, ui, settings, state));
    dialogs.push_back(std::make_unique<CellEditingDialog>(nullptr, ui, fields, state));
    dialogs.push_back(std::make_unique<PasswordDialog>(nullptr, messages));
    dialogs.push_back(std::make_unique<ColourCaptureWindow>(nullptr, messages, 0));
    dialogs.push_back(std::make_unique<AboutBox>(nullptr, messages));
    dialogs.push_back(std::make_unique<FavouriteColoursWindow>(
        nullptr, ui, state, folder.Path(QStringLiteral("Mis Colores.log"))));
    for (const auto& dialog : dialogs) {
        dialog->show();
        QList<QWidget*> focusable;
        for (QWidget* child : dialog->findChildren<QWidget*>())
            if (child->focusPolicy() != Qt::NoFocus && child->isEnabled() && child->isVisible())
                focusable.append(child);
        ASSERT_GE(focusable.size(), 1) << dialog->metaObject()->className();
        QWidget* remembered = focusable.last();
        remembered->setFocus();
        Send(dialog.get(), QEvent::WindowDeactivate);
        dialog->setFocus(); // the focus moves away while the dialog is inactive
        ASSERT_NE(dialog->focusWidget(), remembered) << dialog->metaObject()->className();
        Send(dialog.get(), QEvent::WindowActivate);
        EXPECT_EQ(dialog->focusWidget(), remembered) << dialog->metaObject()->className();
        dialog->hide();
    }
}

} // namespace
