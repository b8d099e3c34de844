// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/new_table_dialog.h"

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/focus_memory.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/table_look_controls.h"
#include "app/dialogs/ui.h"
#include "app/messages/message_table.h"
#include "model/document.h"
#include "model/table_settings.h"
#include "render/raster_limit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

// Five digits are far beyond every limit and keep the planned size within int.
constexpr int kNumberBoxDigits = 5;

struct LayoutSwitch {
    int id;
    int entry;
    int32_t TableSettings::*setting;
};

// One under the other, the first 15 pixels under the password box, 22 pixels apart.
const LayoutSwitch kLayoutSwitches[] = {
    {11029, 1, &TableSettings::horizontalTitleBar},
    {11030, 2, &TableSettings::verticalTitleBar},
    {11031, 3, &TableSettings::horizontalLinesWithCellAreas},
    {11032, 4, &TableSettings::verticalLinesWithCellAreas},
};
constexpr int kSwitchesGap = 15;
constexpr int kSwitchPitch = 22;
constexpr int kSwitchHeight = 20;
constexpr int kBottomMargin = 12;

} // namespace

QString TableTooLargeMessage(int language, int width, int height) {
    const MessageTable messages(language);
    const QString crlf = QStringLiteral("\r\n");
    return messages.Message(msg::kTableExceedsMaximumSize) + crlf +
           messages.Message(msg::kMaximumSize) +
           QStringLiteral("%1x%2").arg(kLargestPictureSide).arg(kLargestPictureSide) + crlf +
           messages.Message(msg::kSizeRequesting) + QStringLiteral("%1x%2").arg(width).arg(height);
}

bool RefuseTooLargeTable(Ui& ui, int language, const TableSettings& settings) {
    const PixelSize planned =
        PlannedTableSize(settings.columnCount, settings.rowCount, settings.gridCellWidth,
                         settings.gridCellHeight, settings.separatorPixels, settings.lineThickness);
    if (PictureFits(QSize(planned.width, planned.height), kLargestPictureSide)) return false;
    ui.ShowMessage(TableTooLargeMessage(language, planned.width, planned.height));
    return true;
}

NewTableDialog::NewTableDialog(QWidget* parent, Ui& ui, TableSettings& settings,
                               ProgramState& state)
    : QDialog(parent), ui_(ui), settings_(settings), state_(state) {
    const MessageTable messages(state.settings.currentLanguage);
    setWindowTitle(messages.Message(msg::kNewTable));
    look_ = new TableLookControls(this, ui, settings, state, {kLookBase, 20, false});

    AddControl<QLabel>(this, kColumnsLabelControl, QRect(184, 32, 88, 24),
                       messages.Message(msg::kColumns))
        ->setAlignment(Qt::AlignCenter);
    AddControl<QLabel>(this, kRowsLabelControl, QRect(288, 33, 74, 23),
                       messages.Message(msg::kRows))
        ->setAlignment(Qt::AlignCenter);
    AddControl<QLabel>(this, kCountTimesControl, QRect(274, 32, 14, 20), QStringLiteral("x"));
    columns_ = AddNumberBox(kColumnsControl, QRect(192, 56, 72, 24));
    rows_ = AddNumberBox(kRowsControl, QRect(286, 56, 72, 24));

    AddControl<QLabel>(this, kSizeTimesControl, QRect(280, 209, 14, 24), QStringLiteral("x"));
    AddControl<QLabel>(this, kWidthLabelControl, QRect(192, 209, 88, 24),
                       messages.Message(msg::kWidth))
        ->setAlignment(Qt::AlignCenter);
    AddControl<QLabel>(this, kHeightLabelControl, QRect(294, 210, 74, 23),
                       messages.Message(msg::kHeight))
        ->setAlignment(Qt::AlignCenter);
    cellWidth_ = AddNumberBox(kCellWidthControl, QRect(200, 233, 72, 24));
    cellHeight_ = AddNumberBox(kCellHeightControl, QRect(294, 233, 72, 24));
    // Counts proposed by the caller (an import knows them; a plain New proposes none) and the
    // cell size to start from.
    const std::pair<QLineEdit*, int16_t> proposals[] = {{columns_, settings.columnCount},
                                                        {rows_, settings.rowCount},
                                                        {cellWidth_, settings.gridCellWidth},
                                                        {cellHeight_, settings.gridCellHeight}};
    for (const auto& [box, value] : proposals) {
        if (value > 0) box->setText(QString::number(value));
    }

    QCheckBox* switches[std::size(kLayoutSwitches)] = {};
    int y = look_->Bottom() + kSwitchesGap;
    for (size_t i = 0; i < std::size(kLayoutSwitches); ++i, y += kSwitchPitch) {
        const LayoutSwitch& item = kLayoutSwitches[i];
        switches[i] = AddControl<QCheckBox>(this, item.id, QRect(8, y, 350, kSwitchHeight),
                                            messages.Message(msg::kNewTableLookGroup, item.entry));
        switches[i]->setChecked(settings.*item.setting == 1);
    }
    setFixedSize(421, y - kSwitchPitch + kSwitchHeight + kBottomMargin);
    for (size_t i = 0; i < std::size(kLayoutSwitches); ++i) {
        connect(switches[i], &QCheckBox::toggled, this, [this, i](bool on) {
            settings_.*kLayoutSwitches[i].setting = on ? 1 : 0;
            look_->RedrawPreview();
        });
    }
    // The two line-only styles exclude each other.
    QCheckBox* horizontalLines = switches[2];
    QCheckBox* verticalLines = switches[3];
    connect(horizontalLines, &QCheckBox::toggled, verticalLines, [verticalLines](bool on) {
        if (on) verticalLines->setChecked(false);
    });
    connect(verticalLines, &QCheckBox::toggled, horizontalLines, [horizontalLines](bool on) {
        if (on) horizontalLines->setChecked(false);
    });

    connect(look_->cancelButton(), &QPushButton::clicked, this, &QDialog::reject);
    connect(look_->acceptButton(), &QPushButton::clicked, this, &NewTableDialog::Accept);
    columns_->setFocus();
    RememberFocus(this);
}

QLineEdit* NewTableDialog::AddNumberBox(int id, const QRect& geometry) {
    auto* box = AddControl<QLineEdit>(this, id, geometry);
    box->setMaxLength(kNumberBoxDigits);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
    return box;
}

void NewTableDialog::Accept() {
    const MessageTable messages(state_.settings.currentLanguage);
    const int columns = columns_->text().toInt();
    const int rows = rows_->text().toInt();
    const int width = cellWidth_->text().toInt();
    const int height = cellHeight_->text().toInt();

    const bool complete = columns >= kFewestNewTableLines && columns <= kMostNewTableLines &&
                          rows >= kFewestNewTableLines && rows <= kMostNewTableLines &&
                          width >= 10 && height >= 10;
    if (!complete) {
        ui_.ShowMessage(messages.Message(msg::kMustCompleteAllFields) + QStringLiteral("\r\n") +
                        messages.Message(msg::kThank));
        return;
    }
    // The counts change only for a table that will be created, so a refused entry never
    // leaves the open table with counts it does not have.
    TableSettings planned = settings_;
    planned.columnCount = int16_t(columns);
    planned.rowCount = int16_t(rows);
    planned.gridCellWidth = int16_t(width);
    planned.gridCellHeight = int16_t(height);
    if (RefuseTooLargeTable(ui_, state_.settings.currentLanguage, planned)) return;
    settings_.columnCount = planned.columnCount;
    settings_.rowCount = planned.rowCount;
    settings_.gridCellWidth = planned.gridCellWidth;
    settings_.gridCellHeight = planned.gridCellHeight;
    if (settings_.passwordSet == 1) {
        if (const auto password = look_->TypedPassword()) settings_.password = *password;
    }
    accept();
}
