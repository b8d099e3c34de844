// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/cell_edit_fields.h"
#include "app/dialogs/cell_editing_dialog.h"
#include "app/dialogs/cell_text_preview.h"
#include "app/dialogs/click_control.h"
#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/face_list.h"
#include "app/dialogs/operation_rows.h"
#include "app/dialogs/program_state.h"
#include "app/messages/message_table.h"
#include "app/scripted_ui.h"
#include "model/cell_record.h"
#include "render/colour.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class CellEditingDialogTest : public testing::Test {
protected:
    CellEditingDialogTest() {
        state.settings.currentLanguage = kEnglish;
        state.settings.decimalPlaces = 2;
        ResetCellToDefaults(cell);
        cell.text = QStringLiteral("hello");
        cell.numberFormat = 6;
    }

    void Open(const CellEditOpening& opening = CellEditOpening()) {
        FillCellEditFields(cell, fields);
        dialog = std::make_unique<CellEditingDialog>(nullptr, ui, fields, state, opening);
        dialog->open();
    }
    template <typename T = QWidget> T* Control(int id) {
        T* control = dialog->findChild<T*>(QString::number(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    void Click(int id) { ClickControl(Control(id)); }
    void Type(int id, const QString& text) {
        auto* box = Control<QLineEdit>(id);
        box->clear();
        QTest::keyClicks(box, text);
    }
    // What the canvas handler does after the dialog closes.
    void WriteBackIfAccepted() {
        if (fields.accepted) WriteCellEditFields(fields, cell);
    }

    ScriptedUi ui;
    ProgramState state;
    CellRecord cell;
    CellEditFields fields;
    std::unique_ptr<CellEditingDialog> dialog;
};

TEST_F(CellEditingDialogTest, TypingGoesIntoTheLabelledTextBoxAndControlEnterAccepts) {
    Open();
    auto* text = Control<QPlainTextEdit>(CellEditingDialog::kTextControl);
    EXPECT_EQ(dialog->focusWidget(), text);
    auto* label = Control<QLabel>(10311);
    EXPECT_EQ(label->text(), QStringLiteral("Text"));
    EXPECT_EQ(label->buddy(), text);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClicks(text, QStringLiteral(" world"));
    QTest::keyClick(text, Qt::Key_Tab); // to the next control, no tab in the text
    EXPECT_NE(dialog->focusWidget(), text);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(fields.accepted);
    EXPECT_EQ(fields.text, QStringLiteral("hello world"));

    // Opened for three cells: the title counts them.
    cell.text = QStringLiteral("P");
    Open(CellEditOpening{3});
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Text properties - 3 cells"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClicks(Control<QPlainTextEdit>(CellEditingDialog::kTextControl),
                     QStringLiteral("rice"));
    QTest::keyClick(Control<QPlainTextEdit>(CellEditingDialog::kTextControl), Qt::Key_Enter,
                    Qt::ControlModifier);
    EXPECT_EQ(fields.text, QStringLiteral("Price"));

    // Enter alone accepts too (Shift+Enter starts a line), in an operand box as well.
    cell.text = QStringLiteral("a");
    Open();
    QTest::keyClick(Control<QPlainTextEdit>(CellEditingDialog::kTextControl), Qt::Key_Return);
    EXPECT_TRUE(fields.accepted);
    EXPECT_EQ(fields.text, QStringLiteral("a"));
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    Click(10374); // column sum, which enables its operands
    Type(10376, QStringLiteral("2"));
    QTest::keyClick(Control(10376), Qt::Key_Return);
    EXPECT_TRUE(fields.accepted);
    EXPECT_TRUE(ui.colourRequests.empty());
}

TEST_F(CellEditingDialogTest, TickingOneOperationUnticksTheOthersAndGreysTheirOperands) {
    Open();
    for (int id : {10376, 10378, 10379, 10381, 10383, 10385})
        EXPECT_FALSE(Control(id)->isEnabled());

    Click(10375); // row sum
    EXPECT_EQ(fields.operations.rowSum.on, 1);
    EXPECT_TRUE(Control(10379)->isEnabled());
    EXPECT_TRUE(Control(10381)->isEnabled());

    Click(10382); // column subtraction
    EXPECT_EQ(fields.operations.columnSubtraction.on, 1);
    EXPECT_EQ(fields.operations.rowSum.on, 0);
    EXPECT_FALSE(Control<QCheckBox>(10375)->isChecked());
    EXPECT_FALSE(Control(10379)->isEnabled());
    EXPECT_FALSE(Control(10381)->isEnabled());
    EXPECT_TRUE(Control(10383)->isEnabled());
    EXPECT_TRUE(Control(10385)->isEnabled());

    Click(10382); // unticked again: nothing is on
    EXPECT_EQ(fields.operations, OperationSettings());
    EXPECT_FALSE(Control(10383)->isEnabled());
}

TEST_F(CellEditingDialogTest, OperandsAreShownAndReadBack) {
    OperationSettings settings;
    settings.columnDivision = {1, 4, 9};
    cell.operationDescriptor = EncodeOperationDescriptor(settings).value();
    Open();
    EXPECT_TRUE(Control<QCheckBox>(10409)->isChecked());
    EXPECT_EQ(Control<QLineEdit>(10410)->text(), QStringLiteral("4"));
    EXPECT_EQ(Control<QLineEdit>(10412)->text(), QStringLiteral("9"));
    EXPECT_TRUE(Control(10410)->isEnabled());

    Type(10410, QStringLiteral("12abc"));
    Type(10412, QStringLiteral("x7"));
    Click(CellEditingDialog::kAcceptControl);
    EXPECT_TRUE(fields.accepted);
    EXPECT_EQ(fields.operations.columnDivision, (OperandPairSetting{1, 12, 0}));
}

TEST_F(CellEditingDialogTest, PercentagesTakeOneCommaAsTheDecimalPoint) {
    Open();
    Click(10390);
    Type(10391, QStringLiteral("15,5"));
    Type(10393, QStringLiteral("3"));
    Click(CellEditingDialog::kAcceptControl);
    EXPECT_EQ(fields.operations.columnPercentage.on, 1);
    EXPECT_EQ(fields.operations.columnPercentage.percentage, 15.5L);
    EXPECT_EQ(fields.operations.columnPercentage.operand, 3);
}

TEST_F(CellEditingDialogTest, PercentagesWithTwoCommasReadTheirFirstNumber) {
    Open();
    Click(10394);
    Type(10395, QStringLiteral("1,5,5"));
    Click(CellEditingDialog::kAcceptControl);
    EXPECT_EQ(fields.operations.rowPercentage.on, 1);
    EXPECT_EQ(fields.operations.rowPercentage.percentage, 1.0L);
}

TEST_F(CellEditingDialogTest, TheDecimalsListShowsAndSetsTheTableDecimals) {
    Open();
    auto* decimals = Control<QComboBox>(10399);
    ASSERT_EQ(decimals->count(), 5);
    EXPECT_EQ(decimals->itemText(0), QStringLiteral("2 decimals"));
    EXPECT_EQ(decimals->itemText(4), QStringLiteral("6 decimals"));
    EXPECT_EQ(decimals->currentIndex(), 0);
    EXPECT_FALSE(decimals->isEnabled()); // number display is off

    Click(CellEditingDialog::kAcceptControl);
    EXPECT_EQ(state.settings.decimalPlaces, 2);
    EXPECT_EQ(state.decimalMask, QStringLiteral(".00"));
}

TEST_F(CellEditingDialogTest, ChoosingFourDecimalsRebuildsTheMask) {
    Open();
    Click(10364); // number with format
    EXPECT_EQ(fields.numberDisplay, 1);
    auto* decimals = Control<QComboBox>(10399);
    EXPECT_TRUE(decimals->isEnabled());
    EXPECT_TRUE(Control(10365)->isEnabled());
    EXPECT_TRUE(Control<QRadioButton>(10370)->isChecked()); // format 6
    decimals->setCurrentIndex(2);
    Click(10366);
    EXPECT_EQ(fields.numberFormat, 2);
    Click(CellEditingDialog::kAcceptControl);
    EXPECT_EQ(state.settings.decimalPlaces, 4);
    EXPECT_EQ(state.decimalMask, QStringLiteral(".0000"));
    WriteBackIfAccepted();
    EXPECT_EQ(cell.numberFormat, 2);
    EXPECT_EQ(cell.numericAllowed, 1);
}

TEST_F(CellEditingDialogTest, TextOnThreeLinesBecomesOneLine) {
    Open();
    auto* text = Control<QPlainTextEdit>(CellEditingDialog::kTextControl);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("hello"));
    text->clear();
    QTest::keyClicks(text, QStringLiteral("one"));
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(text, QStringLiteral("two"));
    QTest::keyClick(text, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(text, QStringLiteral("three"));
    Click(CellEditingDialog::kAcceptControl);
    EXPECT_EQ(fields.text, QStringLiteral("one two three"));
    WriteBackIfAccepted();
    EXPECT_EQ(cell.text, QStringLiteral("one two three"));
}

TEST_F(CellEditingDialogTest, ATypedDecimalCommaBecomesAPoint) {
    Open();
    auto* text = Control<QPlainTextEdit>(CellEditingDialog::kTextControl);
    text->clear();
    QTest::keyClicks(text, QStringLiteral("12,75"));
    Click(CellEditingDialog::kAcceptControl);
    EXPECT_EQ(fields.text, QStringLiteral("12.75"));
}

TEST_F(CellEditingDialogTest, SwatchesTakeTheCapturedColourOnlyWhenThereIsOne) {
    Open();
    Click(10230);
    EXPECT_EQ(fields.currentLook.background, 0xFFFFFF);
    EXPECT_EQ(Control<ColourSwatch>(10230)->colour(), 0xFFFFFF);

    state.capturedColour = 0x3344FF;
    Click(10230);
    EXPECT_EQ(fields.currentLook.background, 0x3344FF);
    EXPECT_EQ(fields.resultLook.background, 0x3344FF);
    EXPECT_EQ(Control<ColourSwatch>(10230)->colour(), 0x3344FF);
    Click(10260);
    EXPECT_EQ(fields.currentLook.textColour, 0x3344FF);
    EXPECT_EQ(fields.resultLook.textColour, 0x3344FF);

    // The preview shows the new background.
    const QImage preview = Control<CellTextPreview>(10200)->grab().toImage();
    EXPECT_EQ(preview.pixel(270, 120), RgbFromBgr(0x3344FF));
}

TEST_F(CellEditingDialogTest, TheColourButtonChangesOnlyTheCurrentColourUntilAccept) {
    Open();
    ui.colours = {0x00FF00, std::nullopt};
    Click(10220);
    EXPECT_EQ(ui.colourRequests, std::vector<int32_t>{0x808080});
    EXPECT_EQ(fields.currentLook.background, 0x00FF00);
    EXPECT_EQ(fields.resultLook.background, 0xFFFFFF);
    Click(10240); // cancelled
    EXPECT_EQ(fields.currentLook.textColour, 0);

    Click(10130); // bold
    EXPECT_EQ(fields.currentLook.bold, 1);
    EXPECT_EQ(fields.resultLook.bold, 0);
    Click(CellEditingDialog::kAcceptControl);
    EXPECT_EQ(fields.resultLook.background, 0x00FF00);
    EXPECT_EQ(fields.resultLook.bold, 1);
    WriteBackIfAccepted();
    EXPECT_EQ(cell.backColour, 0x00FF00);
    EXPECT_EQ(cell.bold, 1);
}

TEST_F(CellEditingDialogTest, CancelLeavesTheCellUnchanged) {
    const CellRecord before = cell;
    state.capturedColour = 0x123456;
    Open();
    ui.colours = {0x00FF00};
    Click(10220);
    Click(10260);
    Click(10375);
    Control<QPlainTextEdit>(CellEditingDialog::kTextControl)
        ->setPlainText(QStringLiteral("changed"));
    Control<QComboBox>(10399)->setCurrentIndex(4);
    Click(CellEditingDialog::kCancelControl);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(fields.accepted);
    EXPECT_EQ(state.settings.decimalPlaces, 2);
    WriteBackIfAccepted();
    EXPECT_EQ(cell, before);
}

TEST_F(CellEditingDialogTest, AlignmentFaceAndSizeFollowTheControls) {
    cell.fontName = QStringLiteral("liberation serif"); // case does not matter to the list
    cell.fontSize = 5;
    Open();
    auto* faces = Control<QComboBox>(10100);
    EXPECT_EQ(faces->currentText(), QStringLiteral("Liberation Serif"));
    for (int i = 1; i < faces->count(); ++i)
        EXPECT_LE(faces->itemText(i - 1).compare(faces->itemText(i), Qt::CaseInsensitive), 0);
    auto* sizes = Control<QComboBox>(10120);
    ASSERT_EQ(sizes->count(), 66);
    EXPECT_EQ(sizes->itemText(0), QStringLiteral("05"));
    EXPECT_EQ(sizes->itemText(65), QStringLiteral("70"));
    EXPECT_EQ(sizes->currentIndex(), 0);
    EXPECT_TRUE(Control<QRadioButton>(10330)->isChecked());

    sizes->setCurrentIndex(13);
    EXPECT_EQ(fields.currentLook.size, 18);
    faces->setCurrentIndex(faces->findText(QStringLiteral("DejaVu Sans")));
    EXPECT_EQ(fields.currentLook.face, QStringLiteral("DejaVu Sans"));
    Click(10362);
    EXPECT_EQ(fields.alignmentFlags,
              (std::array<bool, 6>{false, false, false, false, false, true}));
    Click(CellEditingDialog::kAcceptControl);
    WriteBackIfAccepted();
    EXPECT_EQ(cell.alignment, Alignment::RotatedCentred);
    EXPECT_EQ(cell.fontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(cell.fontSize, 18);
}

TEST_F(CellEditingDialogTest, AFaceDrawnByASubstituteIsNamedAndKept) {
    cell.fontName = QStringLiteral("Times New Roman");
    Open();
    auto* faces = Control<QComboBox>(10100);
    EXPECT_EQ(faces->currentText(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(faces->findText(QStringLiteral("Times New Roman")), faces->currentIndex());
    for (int i = 1; i < faces->count(); ++i)
        EXPECT_LE(faces->itemText(i - 1).compare(faces->itemText(i), Qt::CaseInsensitive), 0);
    Click(CellEditingDialog::kAcceptControl);
    WriteBackIfAccepted();
    EXPECT_EQ(cell.fontName, QStringLiteral("Times New Roman"));
}

TEST_F(CellEditingDialogTest, ControlsSitWhereTheLayoutPutsThem) {
    Open();
    EXPECT_EQ(Control(10100)->parentWidget()->size(), QSize(449, 952));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Text properties"));
    EXPECT_EQ(Control(10100)->geometry(), QRect(8, 24, 304, 24));
    EXPECT_EQ(Control(10200)->geometry(), QRect(152, 64, 280, 136));
    EXPECT_EQ(Control(CellEditingDialog::kTextControl)->geometry(), QRect(5, 290, 320, 120));
    EXPECT_EQ(Control(10365)->geometry(), QRect(10, 542, 310, 18));
    EXPECT_EQ(Control(10371)->geometry(), QRect(10, 662, 400, 18));
    EXPECT_EQ(Control(10374)->geometry(), QRect(5, 722, 250, 18));
    EXPECT_EQ(Control(10416)->geometry(), QRect(392, 902, 50, 18));
    EXPECT_EQ(Control(10399)->geometry(), QRect(257, 922, 140, 24));
    EXPECT_EQ(Control<QCheckBox>(10180)->text(), QStringLiteral("Leading"));
    EXPECT_EQ(Control<QCheckBox>(10374)->text(), QStringLiteral("Sum of your column from "));
}

TEST(FaceList, DrawsEachEntryInItsOwnFace) {
    QComboBox list;
    FillFaceList(&list);
    ASSERT_GT(list.count(), 1);
    const QString mono = QStringLiteral("DejaVu Sans Mono");
    const auto draw = [&list, &mono](const QAbstractItemDelegate& delegate, const QFont& font) {
        QImage image(300, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.initFrom(list.view());
        option.font = font;
        option.rect = image.rect();
        delegate.paint(&painter, option, list.model()->index(list.findText(mono), 0));
        return image;
    };
    const QFont listFont = list.view()->font();
    QFont monoFont = listFont;
    monoFont.setFamilies({mono});
    const QStyledItemDelegate plain;
    // The entry looks exactly like its name written in its own face, not in the list's font.
    EXPECT_EQ(draw(*list.itemDelegate(), listFont), draw(plain, monoFont));
    EXPECT_NE(draw(*list.itemDelegate(), listFont), draw(plain, listFont));
}

TEST(OperandReading, FollowsTheLeadingNumberRule) {
    EXPECT_EQ(ReadOperandText(QStringLiteral("12")), 12);
    EXPECT_EQ(ReadOperandText(QStringLiteral("7.6")), 8);
    EXPECT_EQ(ReadOperandText(QStringLiteral(" 5")), 0);
    EXPECT_EQ(ReadOperandText(QStringLiteral("abc")), 0);
    EXPECT_EQ(ReadOperandText(QStringLiteral("99999")), 32767);
    EXPECT_EQ(ReadOperandText(QStringLiteral("-99999")), -32768);
    EXPECT_EQ(ReadPercentageText(QStringLiteral("15,5")), 15.5L);
    EXPECT_EQ(ReadPercentageText(QStringLiteral("15'5")), 15.5L);
    EXPECT_EQ(ReadPercentageText(QStringLiteral("1,5,5")), 1.0L);
    EXPECT_EQ(ReadPercentageText(QStringLiteral("2.25")), 2.25L);
}

} // namespace
