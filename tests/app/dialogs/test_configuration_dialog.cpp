// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/click_control.h"
#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/configuration_dialog.h"
#include "app/dialogs/program_state.h"
#include "app/messages/message_table.h"
#include "app/scripted_ui.h"
#include "model/table_settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ConfigurationDialogTest : public testing::Test {
protected:
    ConfigurationDialogTest() {
        state.settings.currentLanguage = kEnglish;
        settings.lineThickness = 3;
        settings.separatorPixels = 4;
        settings.pageColour = 0x112233;
        settings.lineColour = 0x445566;
    }
    void Open() {
        dialog = std::make_unique<ConfigurationDialog>(nullptr, ui, settings, state);
        dialog->open();
    }
    template <typename T = QWidget> T* Control(int id) {
        T* control = dialog->findChild<T*>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    ScriptedUi ui;
    TableSettings settings;
    ProgramState state;
    std::unique_ptr<ConfigurationDialog> dialog;
};

TEST_F(ConfigurationDialogTest, OpensWithTheTableValues) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Configuration"));
    EXPECT_EQ(Control<ColourSwatch>(12012)->colour(), 0x112233);
    EXPECT_EQ(Control<ColourSwatch>(12015)->colour(), 0x445566);
    EXPECT_EQ(Control<QListWidget>(12017)->currentRow(), 2);
    auto* separator = Control<QListWidget>(12025);
    ASSERT_EQ(separator->count(), 11);
    EXPECT_EQ(separator->item(10)->text(), QStringLiteral("10 separator"));
    EXPECT_EQ(separator->currentRow(), 4);
    EXPECT_FALSE(Control<QCheckBox>(12027)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(12027)->isEnabled());
    EXPECT_FALSE(Control<QLineEdit>(12028)->isEnabled());
    EXPECT_EQ(Control(12017)->geometry().topLeft(), QPoint(8, 216));
    const int listsBottom = separator->geometry().bottom();
    EXPECT_EQ(Control(12024)->geometry(), QRect(319, listsBottom + 7, 92, 24));
    EXPECT_EQ(dialog->size(), QSize(421, listsBottom + 100));
}

TEST_F(ConfigurationDialogTest, AnExistingPasswordIsShownAndLocked) {
    settings.passwordSet = 1;
    settings.password = QStringLiteral("old");
    Open();
    EXPECT_TRUE(Control<QCheckBox>(12027)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(12027)->isEnabled());
    EXPECT_FALSE(Control<QLineEdit>(12028)->isEnabled());
    EXPECT_EQ(Control<QLineEdit>(12028)->text(), QStringLiteral("old"));
    QTest::mouseClick(Control<QPushButton>(12024), Qt::LeftButton);
    EXPECT_EQ(settings.password, QStringLiteral("old"));
    EXPECT_EQ(settings.passwordSet, 1);
}

TEST_F(ConfigurationDialogTest, ANewPasswordNeedsTheSwitch) {
    Open();
    ClickControl(Control<QCheckBox>(12027));
    EXPECT_EQ(settings.passwordSet, 1);
    QTest::keyClicks(Control<QLineEdit>(12028), QStringLiteral("fresh"));
    QTest::mouseClick(Control<QPushButton>(12024), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.password, QStringLiteral("fresh"));
}

TEST_F(ConfigurationDialogTest, SwatchesTakeTheCapturedColourOnlyWhenThereIsOne) {
    Open();
    QTest::mouseClick(Control(12012), Qt::LeftButton);
    EXPECT_EQ(settings.pageColour, 0x112233);
    state.capturedColour = 0x00FF00;
    QTest::mouseClick(Control(12012), Qt::LeftButton);
    EXPECT_EQ(settings.pageColour, 0x00FF00);
    EXPECT_EQ(Control<ColourSwatch>(12012)->colour(), 0x00FF00);
    state.capturedColour = 0;
    QTest::mouseClick(Control(12015), Qt::LeftButton);
    EXPECT_EQ(settings.lineColour, 0);
    EXPECT_TRUE(ui.colourRequests.empty());
}

TEST_F(ConfigurationDialogTest, ChangesStayAfterCancel) {
    Open();
    ui.colours = {0xABCDEF};
    QTest::mouseClick(Control<QPushButton>(12013), Qt::LeftButton);
    Control<QListWidget>(12025)->setCurrentRow(10);
    Control<QListWidget>(12017)->setCurrentRow(0);
    QTest::mouseClick(Control<QPushButton>(12023), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(settings.lineColour, 0xABCDEF);
    EXPECT_EQ(settings.separatorPixels, 10);
    EXPECT_EQ(settings.lineThickness, 1);
}

TEST_F(ConfigurationDialogTest, ASeparatorThatTakesTheTablePastThePictureIsRefused) {
    // 109 x 300 + 2, and 1 for thickness 3: 32703 wide; a separator of 1 adds 108.
    settings.columnCount = 109;
    settings.rowCount = 2;
    settings.gridCellWidth = 300;
    settings.gridCellHeight = 20;
    settings.separatorPixels = 0;
    Open();
    Control<QListWidget>(12025)->setCurrentRow(1);
    QTest::mouseClick(Control<QPushButton>(12024), Qt::LeftButton);
    EXPECT_EQ(ui.messages,
              QStringList{QStringLiteral("The table exceeds the maximum size allowed ...\r\n"
                                         "The maximum size is 32767x32767\r\n"
                                         "The size you are requesting is 32811x44")});
    EXPECT_TRUE(dialog->isVisible());
    ui.messages.clear();
    Control<QListWidget>(12025)->setCurrentRow(0);
    QTest::mouseClick(Control<QPushButton>(12024), Qt::LeftButton);
    EXPECT_EQ(ui.messages, QStringList());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(ConfigurationDialogTest, ASeparatorBeyondTenSelectsNothing) {
    settings.separatorPixels = 15;
    Open();
    EXPECT_EQ(Control<QListWidget>(12025)->currentRow(), -1);
    EXPECT_EQ(settings.separatorPixels, 15);
}

} // namespace
