// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/approximate_view_control.h"
#include "app/dialogs/click_control.h"
#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/new_table_dialog.h"
#include "app/dialogs/program_state.h"
#include "app/messages/message_table.h"
#include "app/scripted_ui.h"
#include "model/table_settings.h"
#include "render/colour.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kIncomplete = QStringLiteral("You must complete all fields ...\r\nThank You !!");

class NewTableDialogTest : public testing::Test {
protected:
    NewTableDialogTest() { dialog.open(); }

    static ProgramState EnglishState() {
        ProgramState english;
        english.settings.currentLanguage = kEnglish;
        return english;
    }

    template <typename T = QWidget> T* Control(int id) {
        T* control = dialog.findChild<T*>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    void Fill(const QString& columns, const QString& rows, const QString& width,
              const QString& height) {
        const std::pair<int, QString> boxes[] = {{NewTableDialog::kColumnsControl, columns},
                                                 {NewTableDialog::kRowsControl, rows},
                                                 {NewTableDialog::kCellWidthControl, width},
                                                 {NewTableDialog::kCellHeightControl, height}};
        for (const auto& [id, text] : boxes) {
            auto* box = Control<QLineEdit>(id);
            box->clear();
            QTest::keyClicks(box, text);
        }
    }
    void Accept() { QTest::mouseClick(Control<QPushButton>(11024), Qt::LeftButton); }

    ScriptedUi ui;
    TableSettings settings;
    ProgramState state = EnglishState();
    NewTableDialog dialog{nullptr, ui, settings, state};
};

TEST(NewTableDialog, ProposesTheCountsItIsGivenAndNoneOtherwise) {
    ScriptedUi ui;
    ProgramState state;
    TableSettings imported;
    imported.columnCount = 7;
    imported.rowCount = 3;
    const NewTableDialog proposed(nullptr, ui, imported, state);
    EXPECT_EQ(proposed.findChild<QLineEdit*>(ControlName(NewTableDialog::kColumnsControl))->text(),
              QStringLiteral("7"));
    EXPECT_EQ(proposed.findChild<QLineEdit*>(ControlName(NewTableDialog::kRowsControl))->text(),
              QStringLiteral("3"));
    TableSettings plain;
    const NewTableDialog empty(nullptr, ui, plain, state);
    EXPECT_TRUE(empty.findChild<QLineEdit*>(ControlName(NewTableDialog::kColumnsControl))
                    ->text()
                    .isEmpty());
}

TEST_F(NewTableDialogTest, IncompleteEntriesAreRefusedAndTheDialogStaysOpen) {
    const QStringList refused[] = {
        {QStringLiteral("110"), QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("10")},
        {QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("10")},
        {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("9"), QStringLiteral("10")},
        {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("9")},
        {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral(""), QStringLiteral("10")},
    };
    for (const QStringList& entry : refused) {
        ui.messages.clear();
        Fill(entry[0], entry[1], entry[2], entry[3]);
        Accept();
        EXPECT_EQ(ui.messages, QStringList{kIncomplete}) << entry.join(u',').toStdString();
        EXPECT_TRUE(dialog.isVisible());
    }
    EXPECT_EQ(settings.columnCount, 0);
    EXPECT_EQ(settings.gridCellWidth, 0);
}

TEST_F(NewTableDialogTest, DigitsOnlyInTheNumberBoxes) {
    auto* columns = Control<QLineEdit>(NewTableDialog::kColumnsControl);
    QTest::keyClicks(columns, QStringLiteral("1a2-3"));
    EXPECT_EQ(columns->text(), QStringLiteral("123"));
}

TEST_F(NewTableDialogTest, ATableBeyondThePictureIsRefusedWithItsSize) {
    // 109 x 301 + 108 x 1 + 2 = 32919 wide; 20 x 20 + 19 + 2 = 421 high; thickness 4 adds 1.
    Control<QListWidget>(11025)->setCurrentRow(1);
    Control<QListWidget>(11017)->setCurrentRow(3);
    Fill(QStringLiteral("109"), QStringLiteral("20"), QStringLiteral("301"), QStringLiteral("20"));
    Accept();
    EXPECT_EQ(ui.messages,
              QStringList{QStringLiteral("The table exceeds the maximum size allowed ...\r\n"
                                         "The maximum size is 32767x32767\r\n"
                                         "The size you are requesting is 32920x422")});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(settings.columnCount, 0);
}

TEST_F(NewTableDialogTest, TheLimitIsTheLargestPictureSide) {
    // 5 x 6553 + 2 = 32767 wide fits; thickness 4 adds the pixel that does not.
    Control<QListWidget>(11017)->setCurrentRow(3);
    Fill(QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("6553"), QStringLiteral("10"));
    Accept();
    EXPECT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages.value(0).endsWith(QStringLiteral("is 32768x23")));
    ui.messages.clear();
    Control<QListWidget>(11017)->setCurrentRow(0);
    Accept();
    EXPECT_EQ(ui.messages, QStringList());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.gridCellWidth, 6553);
    // The same in height: 2 x 16383 + 2 = 32768 does not fit, one pixel less does.
    dialog.open();
    Fill(QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("10"), QStringLiteral("16383"));
    Accept();
    EXPECT_TRUE(ui.messages.value(0).endsWith(QStringLiteral("is 22x32768")));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(NewTableDialogTest, AcceptsOneHundredAndNineColumnsOfTenPixels) {
    Fill(QStringLiteral("109"), QStringLiteral("3"), QStringLiteral("10"), QStringLiteral("12"));
    Accept();
    EXPECT_EQ(ui.messages, QStringList());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.columnCount, 109);
    EXPECT_EQ(settings.rowCount, 3);
    EXPECT_EQ(settings.gridCellWidth, 10);
    EXPECT_EQ(settings.gridCellHeight, 12);
}

TEST_F(NewTableDialogTest, CancelLeavesTheSettingsAsTheyWere) {
    Fill(QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("20"), QStringLiteral("20"));
    QTest::mouseClick(Control<QPushButton>(11023), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(settings.columnCount, 0);
    EXPECT_EQ(settings.gridCellWidth, 0);
}

TEST_F(NewTableDialogTest, TheLineOnlyStylesExcludeEachOther) {
    auto* horizontal = Control<QCheckBox>(11031);
    auto* vertical = Control<QCheckBox>(11032);
    ClickControl(horizontal);
    EXPECT_EQ(settings.horizontalLinesWithCellAreas, 1);
    ClickControl(vertical);
    EXPECT_EQ(settings.verticalLinesWithCellAreas, 1);
    EXPECT_EQ(settings.horizontalLinesWithCellAreas, 0);
    EXPECT_FALSE(horizontal->isChecked());

    ClickControl(Control<QCheckBox>(11029));
    ClickControl(Control<QCheckBox>(11030));
    EXPECT_EQ(settings.horizontalTitleBar, 1);
    EXPECT_EQ(settings.verticalTitleBar, 1);
    EXPECT_EQ(settings.verticalLinesWithCellAreas, 1); // title bars leave the styles alone
}

TEST_F(NewTableDialogTest, ColoursListsAndPreviewFollowTheChoices) {
    ui.colours = {0x0000FF, std::nullopt};
    QTest::mouseClick(Control<QPushButton>(11009), Qt::LeftButton);
    EXPECT_EQ(settings.pageColour, 0x0000FF);
    EXPECT_EQ(Control<ColourSwatch>(11012)->colour(), 0x0000FF);
    QTest::mouseClick(Control<QPushButton>(11013), Qt::LeftButton); // cancelled
    EXPECT_EQ(settings.lineColour, 0);

    auto* thickness = Control<QListWidget>(11017);
    ASSERT_EQ(thickness->count(), 5);
    EXPECT_EQ(thickness->item(0)->text(), QStringLiteral("01 thickness"));
    thickness->setCurrentRow(4);
    EXPECT_EQ(settings.lineThickness, 5);
    auto* separator = Control<QListWidget>(11025);
    ASSERT_EQ(separator->count(), 21);
    EXPECT_EQ(separator->item(20)->text(), QStringLiteral("20 separator"));
    separator->setCurrentRow(7);
    EXPECT_EQ(settings.separatorPixels, 7);

    // The preview shows the red page outside the grid and the chosen line colour.
    const QImage preview = Control<ApproximateViewControl>(11001)->picture();
    EXPECT_EQ(preview.pixel(140, 140), RgbFromBgr(0x0000FF));
}

TEST_F(NewTableDialogTest, PasswordOfThirtyOneCharactersIsIgnored) {
    auto* box = Control<QLineEdit>(11028);
    EXPECT_FALSE(box->isEnabled());
    ClickControl(Control<QCheckBox>(11027));
    EXPECT_EQ(settings.passwordSet, 1);
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(box->echoMode(), QLineEdit::Password);

    QTest::keyClicks(box, QString(31, u'p'));
    Fill(QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("20"), QStringLiteral("20"));
    Accept();
    EXPECT_EQ(settings.password, QString());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(NewTableDialogTest, PasswordOfThirtyCharactersIsKept) {
    ClickControl(Control<QCheckBox>(11027));
    QTest::keyClicks(Control<QLineEdit>(11028), QString(30, u'p'));
    Fill(QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("20"), QStringLiteral("20"));
    Accept();
    EXPECT_EQ(settings.password, QString(30, u'p'));
}

TEST_F(NewTableDialogTest, ControlsSitWhereTheLayoutPutsThem) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New Table"));
    EXPECT_EQ(Control(11001)->geometry(), QRect(8, 8, 150, 150));
    EXPECT_EQ(Control(11006)->geometry(), QRect(192, 56, 72, 24));
    // The lists grow to four rows; what lies below them moves down with them.
    const QRect thickness = Control(11017)->geometry();
    EXPECT_EQ(thickness.topLeft(), QPoint(8, 216));
    EXPECT_EQ(thickness.width(), 182);
    EXPECT_EQ(Control(11026)->geometry(), QRect(8, thickness.bottom() + 1, 250, 24));
    const QRect separator = Control(11025)->geometry();
    EXPECT_EQ(separator.topLeft(), QPoint(8, thickness.bottom() + 25));
    EXPECT_EQ(Control(11024)->geometry(), QRect(319, separator.bottom() + 7, 92, 24));
    EXPECT_EQ(Control(11028)->geometry(), QRect(8, separator.bottom() + 73, 200, 20));
    EXPECT_EQ(Control(11032)->geometry(), QRect(8, separator.bottom() + 174, 350, 20));
    EXPECT_EQ(dialog.size(), QSize(421, separator.bottom() + 206));
    EXPECT_EQ(Control<QCheckBox>(11032)->text(), QStringLiteral("Vertical lines with cell areas"));
}

TEST(TableTooLargeMessage, ReadsInTheCurrentLanguage) {
    EXPECT_EQ(TableTooLargeMessage(kGerman, 1200, 30),
              MessageIn(kGerman, 35, 1) + QStringLiteral("\r\n") + MessageIn(kGerman, 35, 2) +
                  QStringLiteral("32767x32767\r\n") + MessageIn(kGerman, 35, 3) +
                  QStringLiteral("1200x30"));
}

} // namespace
