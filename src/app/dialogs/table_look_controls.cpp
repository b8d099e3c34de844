// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/table_look_controls.h"

#include "app/dialogs/approximate_view_control.h"
#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/ui.h"
#include "app/messages/message_table.h"
#include "model/cell_record.h"
#include "model/table_settings.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kThickest = 5;
// The rows every list shows at least.
constexpr int kListRows = 4;
// The password box keeps this many characters; one more than a password may have, so an
// over-long entry is noticed and refused instead of cut.
constexpr int kPasswordBoxKeeps = kPasswordMaxUnits + 1;

} // namespace

TableLookControls::TableLookControls(QDialog* dialog, Ui& ui, TableSettings& settings,
                                     const ProgramState& state, const Options& options)
    : QObject(dialog), ui_(ui), settings_(settings), state_(state), options_(options) {
    const MessageTable messages(state.settings.currentLanguage);
    const int base = options.idBase;

    preview_ = AddControl<ApproximateViewControl>(dialog, base + 1, QRect(8, 8, 150, 150));
    AddControl<QLabel>(dialog, base + 2, QRect(8, 160, 152, 24),
                       messages.Message(msg::kApproximateVista))
        ->setAlignment(Qt::AlignCenter);

    AddColourControls(messages.Message(msg::kColorPaper), base + 8, base + 9, base + 12, 96, 192,
                      104, 103, &TableSettings::pageColour);
    AddColourControls(messages.Message(msg::kColorLines), base + 14, base + 13, base + 15, 139, 162,
                      142, 146, &TableSettings::lineColour);
    const int listsBottom = AddLists(options.largestSeparator);

    // Below the lists, in the classic spacing: the buttons 6 pixels lower, the password 46.
    const int buttonsTop = listsBottom + 6;
    cancel_ = AddControl<QPushButton>(dialog, base + 23, QRect(8, buttonsTop, 92, 24),
                                      messages.Message(msg::kCancel));
    accept_ = AddControl<QPushButton>(dialog, base + 24, QRect(319, buttonsTop, 92, 24),
                                      messages.Message(msg::kAccept));
    accept_->setDefault(true);

    passwordSwitch_ = AddControl<QCheckBox>(dialog, base + 27, QRect(8, buttonsTop + 46, 150, 20),
                                            messages.Message(msg::kPassword));
    passwordBox_ = AddControl<QLineEdit>(dialog, base + 28, QRect(8, buttonsTop + 66, 200, 20));
    passwordBox_->setEchoMode(QLineEdit::Password);
    passwordSwitch_->setChecked(settings.passwordSet == 1);
    passwordBox_->setEnabled(settings.passwordSet == 1);
    connect(passwordSwitch_, &QCheckBox::toggled, this, [this](bool on) {
        settings_.passwordSet = on ? 1 : 0;
        passwordBox_->setEnabled(on);
        RedrawPreview();
    });
    RedrawPreview();
}

void TableLookControls::AddColourControls(const QString& label, int labelId, int buttonId,
                                          int swatchId, int y, int labelX, int labelWidth,
                                          int labelY, int32_t TableSettings::*colour) {
    auto* dialog = static_cast<QWidget*>(parent());
    AddControl<QLabel>(dialog, labelId, QRect(labelX, labelY, labelWidth, 24), label)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* button =
        AddControl<QPushButton>(dialog, buttonId, QRect(304, y, 56, 32), QStringLiteral("..."));
    auto* swatch = AddControl<ColourSwatch>(dialog, swatchId, QRect(368, y, 40, 32),
                                            ColourSwatch::Border::None);
    swatch->setColour(settings_.*colour);

    connect(button, &QPushButton::clicked, this, [this, colour, swatch] {
        if (const auto chosen = ui_.ChooseColour(settings_.*colour)) {
            settings_.*colour = *chosen;
            swatch->setColour(*chosen);
            RedrawPreview();
        }
    });
    if (options_.swatchesTakeCapturedColour) {
        connect(swatch, &ColourSwatch::clicked, this, [this, colour, swatch] {
            if (state_.capturedColour < 0) return;
            settings_.*colour = state_.capturedColour;
            swatch->setColour(state_.capturedColour);
            RedrawPreview();
        });
    }
}

namespace {

// A list as high as its first `rows` rows, so that it never shows fewer.
void ShowRows(QListWidget* list, int top, int rows) {
    const int rowHeight = list->sizeHintForRow(0);
    list->setGeometry(list->x(), top, list->width(), rows * rowHeight + 2 * list->frameWidth());
}

} // namespace

int TableLookControls::AddLists(int largestSeparator) {
    auto* dialog = static_cast<QWidget*>(parent());
    const MessageTable messages(state_.settings.currentLanguage);
    const int base = options_.idBase;

    AddControl<QLabel>(dialog, base + 16, QRect(8, 192, 164, 24),
                       messages.Message(msg::kThicknessLines));
    auto* thickness =
        AddControl<QListWidget>(dialog, base + kThicknessListOffset, QRect(8, 216, 182, 72));
    for (int value = 1; value <= kThickest; ++value)
        thickness->addItem(TwoDigitItem(value, messages.Message(msg::kThickness)));
    ShowRows(thickness, 216, kListRows);
    if (settings_.lineThickness >= 1 && settings_.lineThickness <= kThickest)
        thickness->setCurrentRow(settings_.lineThickness - 1);
    connect(thickness, &QListWidget::currentTextChanged, this, [this](const QString& item) {
        if (item.isEmpty()) return;
        settings_.lineThickness = TwoDigitItemNumber(item);
        RedrawPreview();
    });

    // The separator label and list follow the thickness list instead of overlapping it.
    const int labelTop = thickness->geometry().bottom() + 1;
    AddControl<QLabel>(dialog, base + 26, QRect(8, labelTop, 250, 24),
                       messages.Message(msg::kChooseSeparatorPixels));
    auto* separator = AddControl<QListWidget>(dialog, base + kSeparatorListOffset,
                                              QRect(8, labelTop + 24, 172, 42));
    for (int value = 0; value <= largestSeparator; ++value)
        separator->addItem(TwoDigitItem(value, messages.Message(msg::kSeparator)));
    ShowRows(separator, labelTop + 24, kListRows);
    if (settings_.separatorPixels >= 0 && settings_.separatorPixels <= largestSeparator)
        separator->setCurrentRow(settings_.separatorPixels);
    connect(separator, &QListWidget::currentTextChanged, this, [this](const QString& item) {
        if (item.isEmpty()) return;
        settings_.separatorPixels = int16_t(TwoDigitItemNumber(item));
        RedrawPreview();
    });
    return separator->geometry().bottom() + 1;
}

int TableLookControls::Bottom() const {
    return passwordBox_->geometry().bottom() + 1;
}

std::optional<QString> TableLookControls::TypedPassword() const {
    const QString typed = passwordBox_->text().left(kPasswordBoxKeeps);
    if (typed.isEmpty() || typed.size() > kPasswordMaxUnits) return std::nullopt;
    return typed;
}

void TableLookControls::RedrawPreview() {
    ApproximateViewSettings view;
    view.pageColour = settings_.pageColour;
    view.lineColour = settings_.lineColour;
    view.lineThickness = settings_.lineThickness;
    view.separatorPixels = settings_.separatorPixels;
    preview_->setSettings(view);
}
