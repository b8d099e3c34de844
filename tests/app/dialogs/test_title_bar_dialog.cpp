// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/title_bar_dialog.h"
#include "app/messages/message_table.h"
#include "app/scripted_ui.h"
#include "model/table_settings.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TitleBarDialogTest : public testing::Test {
protected:
    TitleBarDialogTest() {
        state.settings.currentLanguage = kEnglish;
        settings.horizontalTitleBar = 1;
        settings.horizontalBarBorder = 0x010101;
        settings.horizontalBarFill = 0x020202;
        settings.verticalBarBorder = 0x030303;
        settings.verticalBarFill = 0x040404;
    }
    template <typename T = QWidget> T* Control(TitleBarDialog& dialog, int id) {
        T* control = dialog.findChild<T*>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    ScriptedUi ui;
    TableSettings settings;
    ProgramState state;
};

TEST_F(TitleBarDialogTest, TheControlsOfABarThatIsOffAreDisabled) {
    TitleBarDialog dialog(nullptr, ui, settings, state);
    dialog.open();
    EXPECT_EQ(dialog.size(), QSize(302, 320));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Title bar"));
    for (int id : {10020, 10030, 10060, 10070})
        EXPECT_TRUE(Control(dialog, id)->isEnabled()) << id;
    for (int id : {10100, 10110, 10130, 10140})
        EXPECT_FALSE(Control(dialog, id)->isEnabled()) << id;
    EXPECT_EQ(Control<ColourSwatch>(dialog, 10020)->colour(), 0x010101);
    EXPECT_EQ(Control<ColourSwatch>(dialog, 10060)->colour(), 0x020202);
    EXPECT_EQ(Control<ColourSwatch>(dialog, 10100)->colour(), 0x030303);
    EXPECT_EQ(Control<ColourSwatch>(dialog, 10130)->colour(), 0x040404);
    EXPECT_EQ(Control<QLabel>(dialog, 10080)->text(), QStringLiteral("Background color"));
    EXPECT_EQ(Control(dialog, 10150)->geometry(), QRect(97, 256, 112, 40));

    state.capturedColour = 0x00FF00;
    QTest::mouseClick(Control(dialog, 10130), Qt::LeftButton);
    EXPECT_EQ(settings.verticalBarFill, 0x040404);
}

TEST_F(TitleBarDialogTest, SwatchesTakeTheCapturedColourAndButtonsTheChosenOne) {
    TitleBarDialog dialog(nullptr, ui, settings, state);
    dialog.open();
    QTest::mouseClick(Control(dialog, 10020), Qt::LeftButton);
    EXPECT_EQ(settings.horizontalBarBorder, 0x010101); // nothing captured yet

    state.capturedColour = 0x00FF00;
    QTest::mouseClick(Control(dialog, 10020), Qt::LeftButton);
    EXPECT_EQ(settings.horizontalBarBorder, 0x00FF00);
    EXPECT_EQ(Control<ColourSwatch>(dialog, 10020)->colour(), 0x00FF00);

    ui.colours = {0xFF0000, std::nullopt};
    QTest::mouseClick(Control<QPushButton>(dialog, 10070), Qt::LeftButton);
    EXPECT_EQ(settings.horizontalBarFill, 0xFF0000);
    EXPECT_EQ(Control<ColourSwatch>(dialog, 10060)->colour(), 0xFF0000);
    QTest::mouseClick(Control<QPushButton>(dialog, 10030), Qt::LeftButton);
    EXPECT_EQ(settings.horizontalBarBorder, 0x00FF00);
    EXPECT_EQ(ui.colourRequests, (std::vector<int32_t>{0x020202, 0x00FF00}));

    QTest::mouseClick(Control<QPushButton>(dialog, 10150), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
