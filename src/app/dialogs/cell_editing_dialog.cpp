// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/cell_editing_dialog.h"

#include "app/dialogs/cell_text_preview.h"
#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/dialog_fit.h"
#include "app/dialogs/face_list.h"
#include "app/dialogs/focus_memory.h"
#include "app/dialogs/operation_rows.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/ui.h"
#include "app/messages/message_table.h"
#include "content/number_format.h"
#include "model/cell_record.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {

constexpr int kSmallestSize = 5;
constexpr int kLargestSize = 70;
constexpr int kFewestDecimals = 2;
constexpr int kMostDecimals = 6;
constexpr int32_t kChooserStartColour = 0x808080;
constexpr int kOperationsTop = 722;
// The label of the text box, beside it (the fixed layout has no room above it).
constexpr int kTextLabelId = 10311;

uint32_t TouchedBitOf(int32_t CellLook::*colour) {
    return colour == &CellLook::background ? touched::kBackground : touched::kTextColour;
}

struct StyleBox {
    int id;
    int y;
    int entry; // of group 30; 0 for the fixed "Leading"
    int32_t CellLook::*flag;
    uint32_t touchedBit;
};

const StyleBox kStyleBoxes[] = {
    {10130, 72, 5, &CellLook::bold, touched::kBold},
    {10140, 96, 6, &CellLook::italic, touched::kItalic},
    {10150, 120, 7, &CellLook::underline, touched::kUnderline},
    {10160, 144, 8, &CellLook::strikeout, touched::kStrikeout},
    {10180, 168, 0, &CellLook::leading, touched::kLeading},
};

} // namespace

CellEditingDialog::CellEditingDialog(QWidget* parent, Ui& ui, CellEditFields& fields,
                                     ProgramState& state, const CellEditOpening& opening)
    : QDialog(parent), ui_(ui), fields_(fields), state_(state) {
    const MessageTable messages(state.settings.currentLanguage);
    QString title = messages.Message(msg::kTextProperties);
    if (opening.cellCount > 1)
        title += QStringLiteral(" - ") + QString::number(opening.cellCount) + QStringLiteral(" ") +
                 messages.Message(kCellEditGroup, kCellsEditedEntry);
    setWindowTitle(title);
    page_ = new QWidget;
    page_->setFixedSize(449, 952);

    BuildLookControls();
    BuildColourControls();

    text_ = AddControl<QPlainTextEdit>(page_, kTextControl, QRect(5, 290, 320, 120));
    text_->setPlainText(fields.text);
    text_->moveCursor(QTextCursor::End);
    // A cell's text is one line: Tab moves on to the next control.
    text_->setTabChangesFocus(true);
    auto* textLabel = AddControl<QLabel>(page_, kTextLabelId, QRect(330, 292, 114, 16),
                                         messages.Message(kCellEditGroup, kTextLabelEntry));
    textLabel->setFont(DialogFont(10));
    textLabel->setBuddy(text_);

    BuildAlignmentControls();
    BuildNumberControls();
    operations_ = new OperationRows(page_, kOperationsTop, messages, fields.operations);
    fields.accepted = false;
    ShowLook();
    area_ = AddScrollingPage(this, page_);
    // Enter in any box accepts, rather than opening the first button's colour chooser. Set
    // once the page is inside the dialog: only then does the dialog know its default button.
    page_->findChild<QPushButton*>(ControlName(kAcceptControl))->setDefault(true);
    FitInto(AvailableScreenArea(parent));
    RememberFocus(this);

    // Typing goes straight into the text; Ctrl+Enter accepts from anywhere in the dialog.
    text_->setFocus();
    text_->installEventFilter(this);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &CellEditingDialog::Accept);
    }
}

void CellEditingDialog::FitInto(const QRect& available) {
    FitScrollingDialog(this, area_, available);
}

void CellEditingDialog::BuildLookControls() {
    const MessageTable messages(state_.settings.currentLanguage);
    const QFont font = DialogFont(10);
    CellLook& look = fields_.currentLook;

    AddControl<QLabel>(page_, kFaceLabelControl, QRect(8, 7, 304, 17),
                       messages.Message(msg::kTypeSource))
        ->setFont(font);
    auto* faces = AddControl<QComboBox>(page_, kFaceControl, QRect(8, 24, 304, 24));
    faces->setFont(font);
    FillFaceList(faces);
    SelectFace(faces, look.face);
    connect(faces, &QComboBox::currentIndexChanged, this, [this, faces](int index) {
        if (index < 0) return;
        fields_.currentLook.face = faces->itemText(index);
        fields_.touched |= touched::kFace;
        ShowLook();
    });

    AddControl<QLabel>(page_, kSizeLabelControl, QRect(314, 7, 120, 17),
                       messages.Message(msg::kSize))
        ->setFont(font);
    auto* sizes = AddControl<QComboBox>(page_, kSizeControl, QRect(314, 24, 120, 24));
    sizes->setFont(font);
    for (int size = kSmallestSize; size <= kLargestSize; ++size)
        sizes->addItem(QStringLiteral("%1").arg(size, 2, 10, QLatin1Char('0')));
    sizes->setCurrentIndex(
        look.size >= kSmallestSize && look.size <= kLargestSize ? look.size - kSmallestSize : -1);
    connect(sizes, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0) return;
        fields_.currentLook.size = int16_t(index + kSmallestSize);
        fields_.touched |= touched::kSize;
        ShowLook();
    });

    AddControl<QGroupBox>(page_, kStylesControl, QRect(8, 56, 136, 144),
                          messages.Message(msg::kStyles))
        ->setFont(font);
    for (const StyleBox& style : kStyleBoxes) {
        const QString text = style.entry == 0
                                 ? QStringLiteral("Leading")
                                 : messages.Message(msg::kTextPropertyGroup, style.entry);
        auto* box = AddControl<QCheckBox>(page_, style.id, QRect(13, style.y, 126, 24), text);
        box->setFont(font);
        box->setChecked(fields_.resultLook.*style.flag == 1);
        connect(box, &QCheckBox::toggled, this, [this, style](bool on) {
            fields_.currentLook.*style.flag = on ? 1 : 0;
            fields_.touched |= style.touchedBit;
            ShowLook();
        });
    }

    preview_ =
        AddControl<CellTextPreview>(page_, kPreviewControl, QRect(152, 64, 280, 136),
                                    messages.Message(msg::kTest), state_.settings.characterSet);
}

void CellEditingDialog::BuildColourControls() {
    const MessageTable messages(state_.settings.currentLanguage);
    struct ColourControls {
        int labelId, labelY, labelEntry, buttonId, swatchId, y;
        int32_t CellLook::*colour;
        ColourSwatch** swatch;
    };
    const ColourControls rows[] = {
        {10210, 216, 10, 10220, 10230, 208, &CellLook::background, &backgroundSwatch_},
        {10250, 257, 11, 10240, 10260, 249, &CellLook::textColour, &textSwatch_},
    };
    for (const ColourControls& row : rows) {
        auto* label = AddControl<QLabel>(page_, row.labelId, QRect(0, row.labelY, 151, 24),
                                         messages.Message(msg::kTextPropertyGroup, row.labelEntry));
        label->setFont(DialogFont(12));
        label->setAlignment(Qt::AlignCenter);
        auto* button = AddControl<QPushButton>(page_, row.buttonId, QRect(151, row.y, 56, 32),
                                               QStringLiteral("..."));
        button->setFont(DialogFont(18));
        auto* swatch = AddControl<ColourSwatch>(page_, row.swatchId, QRect(216, row.y, 32, 32),
                                                ColourSwatch::Border::Sunken);
        swatch->setColour(fields_.resultLook.*row.colour);
        *row.swatch = swatch;
        connect(swatch, &ColourSwatch::clicked, this,
                [this, colour = row.colour, swatch] { TakeCapturedColour(colour, swatch); });
        connect(button, &QPushButton::clicked, this,
                [this, colour = row.colour, swatch] { ChooseColour(colour, swatch); });
    }

    auto* cancel = AddControl<QPushButton>(page_, kCancelControl, QRect(256, 208, 102, 32),
                                           messages.Message(msg::kCancel));
    cancel->setFont(DialogFont(10));
    connect(cancel, &QPushButton::clicked, this, &CellEditingDialog::Cancel);
    auto* accept = AddControl<QPushButton>(page_, kAcceptControl, QRect(256, 250, 102, 32),
                                           messages.Message(msg::kAccept));
    accept->setFont(DialogFont(10));
    connect(accept, &QPushButton::clicked, this, &CellEditingDialog::Accept);
}

void CellEditingDialog::BuildAlignmentControls() {
    const MessageTable messages(state_.settings.currentLanguage);
    struct AlignmentButton {
        int id;
        int y;
        int width;
    };
    const AlignmentButton buttons[] = {{10330, 412, 210}, {10340, 432, 210}, {10350, 452, 210},
                                       {10360, 472, 210}, {10361, 492, 310}, {10362, 512, 310}};
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < int(std::size(buttons)); ++i) {
        auto* radio = AddControl<QRadioButton>(
            page_, buttons[i].id, QRect(5, buttons[i].y, buttons[i].width, 18),
            messages.Message(msg::kTextPropertyGroup, msg::kFirstAlignmentEntry + i));
        radio->setFont(DialogFont(10));
        group->addButton(radio, i);
        radio->setChecked(fields_.alignmentFlags[size_t(i)]);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int chosen) {
        for (size_t i = 0; i < fields_.alignmentFlags.size(); ++i)
            fields_.alignmentFlags[i] = int(i) == chosen;
        fields_.touched |= touched::kAlignment;
    });
}

void CellEditingDialog::BuildNumberControls() {
    const MessageTable messages(state_.settings.currentLanguage);
    auto* frame = AddControl<QFrame>(page_, kNumberFrameControl, QRect(5, 532, 410, 160));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    formats_ = new QButtonGroup(this);
    for (int format = kEnglishDecimal; format <= kPlainInteger; ++format) {
        const int k = format - 1;
        auto* radio = AddControl<QRadioButton>(page_, kFirstNumberFormatControl + k,
                                               QRect(10, 542 + 20 * k, k == 0 ? 310 : 400, 18),
                                               messages.Message(msg::kNumberFormatGroup, format));
        radio->setFont(DialogFont(10));
        formats_->addButton(radio, format);
        radio->setChecked(fields_.numberFormat == format);
    }
    connect(formats_, &QButtonGroup::idClicked, this, [this](int format) {
        fields_.numberFormat = int16_t(format);
        fields_.touched |= touched::kNumberFormat;
    });

    auto* display = AddControl<QCheckBox>(page_, kNumberDisplayControl, QRect(5, 702, 310, 18),
                                          messages.Message(msg::kNumberFormat));
    display->setFont(DialogFont(10));
    display->setChecked(fields_.numberDisplay == 1);
    connect(display, &QCheckBox::toggled, this, [this](bool on) {
        fields_.numberDisplay = on ? 1 : 0;
        fields_.touched |= touched::kNumberDisplay;
        ShowNumberDisplay();
    });

    AddControl<QLabel>(page_, kDecimalsLabelControl, QRect(5, 922, 250, 18),
                       messages.Message(msg::kTotalNumberDecimalPlaces))
        ->setFont(DialogFont(10));
    decimals_ = AddControl<QComboBox>(page_, kDecimalsControl, QRect(257, 922, 140, 24));
    decimals_->setFont(DialogFont(7));
    for (int places = kFewestDecimals; places <= kMostDecimals; ++places)
        decimals_->addItem(QString::number(places) + QStringLiteral(" ") +
                           messages.Message(msg::kDecimals));
    const int places = state_.settings.decimalPlaces;
    decimals_->setCurrentIndex(
        places >= kFewestDecimals && places <= kMostDecimals ? places - kFewestDecimals : -1);
    ShowNumberDisplay();
}

void CellEditingDialog::ShowNumberDisplay() {
    const bool on = fields_.numberDisplay == 1;
    for (QAbstractButton* button : formats_->buttons())
        button->setEnabled(on);
    decimals_->setEnabled(on);
}

void CellEditingDialog::TakeCapturedColour(int32_t CellLook::*colour, ColourSwatch* swatch) {
    if (state_.capturedColour < 0) return;
    fields_.currentLook.*colour = state_.capturedColour;
    fields_.resultLook.*colour = state_.capturedColour;
    fields_.touched |= TouchedBitOf(colour);
    swatch->setColour(state_.capturedColour);
    ShowLook();
}

void CellEditingDialog::ChooseColour(int32_t CellLook::*colour, ColourSwatch* swatch) {
    const auto chosen = ui_.ChooseColour(kChooserStartColour);
    if (!chosen) return;
    fields_.currentLook.*colour = *chosen;
    fields_.touched |= TouchedBitOf(colour);
    swatch->setColour(*chosen);
    ShowLook();
}

void CellEditingDialog::TypeText(const QString& text) {
    text_->insertPlainText(text);
}

void CellEditingDialog::ShowLook() {
    preview_->setLook(fields_.currentLook);
}

void CellEditingDialog::Accept() {
    if (decimals_->currentIndex() >= 0) {
        state_.settings.decimalPlaces = int16_t(decimals_->currentText().left(1).toInt());
    }
    operations_->ReadOperands();
    state_.decimalMask = BuildDecimalMask(state_.settings.decimalPlaces);
    fields_.resultLook = fields_.currentLook;
    fields_.text = AcceptedCellText(text_->toPlainText());
    fields_.accepted = true;
    accept();
}

bool CellEditingDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !(key->modifiers() & Qt::ShiftModifier)) {
            Accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CellEditingDialog::Cancel() {
    fields_.accepted = false;
    QDialog::reject();
}

void CellEditingDialog::reject() {
    Cancel();
}
