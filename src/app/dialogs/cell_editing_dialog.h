// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/cell_edit_fields.h"

#include <QDialog>

struct ProgramState;
class CellTextPreview;
class ColourSwatch;
class OperationRows;
class QButtonGroup;
class QComboBox;
class QPlainTextEdit;
class QScrollArea;
class Ui;

// "Text properties": edits the working fields of one cell (or of several, which the title
// counts) (text, face, size, styles, colours,
// alignment, number display, one operation) and the table-wide decimal places. The cell itself
// is never touched; `fields.accepted` tells whether the user accepted. The controls sit on a page
// of the classic 449 x 952 pixels that scrolls when the screen is lower than that.
class CellEditingDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids: the Cancel and Accept buttons, the cell's text box.
    static constexpr int kCancelControl = 10270;
    static constexpr int kAcceptControl = 10280;
    static constexpr int kTextControl = 10310;
    // The font's face and size with their labels, the styles' box, the preview.
    static constexpr int kFaceLabelControl = 10090;
    static constexpr int kFaceControl = 10100;
    static constexpr int kSizeLabelControl = 10110;
    static constexpr int kSizeControl = 10120;
    static constexpr int kStylesControl = 10190;
    static constexpr int kPreviewControl = 10200;
    // The number formats' frame, the number display box, the first format's button (the others
    // follow it), the decimal places with their label.
    static constexpr int kNumberFrameControl = 10363;
    static constexpr int kNumberDisplayControl = 10364;
    static constexpr int kFirstNumberFormatControl = 10365;
    static constexpr int kDecimalsLabelControl = 10398;
    static constexpr int kDecimalsControl = 10399;

    CellEditingDialog(QWidget* parent, Ui& ui, CellEditFields& fields, ProgramState& state,
                      const CellEditOpening& opening = CellEditOpening());

    void Accept();
    void Cancel();
    // Adds to the text box what the user goes on typing.
    void TypeText(const QString& text);

    // Sizes the dialog for a screen whose windows may take `available`.
    void FitInto(const QRect& available);

protected:
    // Escape and the close button cancel.
    void reject() override;
    // Enter in the text box accepts (Shift+Enter starts a line, which Accept turns into a
    // space anyway).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLookControls();
    void BuildColourControls();
    void BuildAlignmentControls();
    void BuildNumberControls();
    void ShowNumberDisplay();
    void TakeCapturedColour(int32_t CellLook::*colour, ColourSwatch* swatch);
    void ChooseColour(int32_t CellLook::*colour, ColourSwatch* swatch);
    void ShowLook();

    Ui& ui_;
    CellEditFields& fields_;
    QWidget* page_ = nullptr;
    QScrollArea* area_ = nullptr;
    ProgramState& state_;
    CellTextPreview* preview_ = nullptr;
    ColourSwatch* backgroundSwatch_ = nullptr;
    ColourSwatch* textSwatch_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QButtonGroup* formats_ = nullptr;
    QComboBox* decimals_ = nullptr;
    OperationRows* operations_ = nullptr;
};
