// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/title_bar_dialog.h"

#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/focus_memory.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/ui.h"
#include "app/messages/message_table.h"
#include "model/table_settings.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct ColourRow {
    int swatchId;
    QRect swatch;
    int buttonId;
    QRect button;
    int labelId;
    QRect label;
    int labelEntry;
    int32_t TableSettings::*colour;
    int32_t TableSettings::*barOn;
};

const ColourRow kRows[] = {
    {10020,
     {16, 24, 32, 32},
     10030,
     {56, 32, 56, 24},
     10040,
     {120, 40, 152, 24},
     3,
     &TableSettings::horizontalBarBorder,
     &TableSettings::horizontalTitleBar},
    {10060,
     {16, 64, 32, 32},
     10070,
     {56, 72, 56, 24},
     10050,
     {120, 80, 152, 24},
     4,
     &TableSettings::horizontalBarFill,
     &TableSettings::horizontalTitleBar},
    {10100,
     {16, 152, 32, 32},
     10110,
     {56, 160, 56, 24},
     10120,
     {120, 168, 152, 24},
     3,
     &TableSettings::verticalBarBorder,
     &TableSettings::verticalTitleBar},
    {10130,
     {16, 192, 32, 32},
     10140,
     {56, 200, 56, 24},
     10080,
     {120, 208, 152, 24},
     4,
     &TableSettings::verticalBarFill,
     &TableSettings::verticalTitleBar},
};

} // namespace

TitleBarDialog::TitleBarDialog(QWidget* parent, Ui& ui, TableSettings& settings,
                               const ProgramState& state)
    : QDialog(parent) {
    const MessageTable messages(state.settings.currentLanguage);
    setWindowTitle(messages.Message(msg::kTitleBar));
    setFixedSize(302, 320);

    AddControl<QLabel>(this, kHorizontalLabelControl, QRect(0, 0, 192, 24),
                       messages.Message(msg::kHorizontal));
    AddControl<QLabel>(this, kVerticalLabelControl, QRect(0, 128, 192, 24),
                       messages.Message(msg::kVertical));

    for (const ColourRow& row : kRows) {
        int32_t& colour = settings.*row.colour;
        const bool barOn = settings.*row.barOn != 0;

        auto* swatch =
            AddControl<ColourSwatch>(this, row.swatchId, row.swatch, ColourSwatch::Border::Sunken);
        swatch->setColour(colour);
        swatch->setEnabled(barOn);
        auto* button =
            AddControl<QPushButton>(this, row.buttonId, row.button, QStringLiteral("..."));
        button->setEnabled(barOn);
        AddControl<QLabel>(this, row.labelId, row.label,
                           messages.Message(msg::kTitleBarGroup, row.labelEntry));

        // A disabled widget gets no mouse presses, so an off bar's swatch never reaches here.
        connect(swatch, &ColourSwatch::clicked, this, [&colour, &state, swatch] {
            if (state.capturedColour < 0) return;
            colour = state.capturedColour;
            swatch->setColour(colour);
        });
        connect(button, &QPushButton::clicked, this, [&colour, &ui, swatch] {
            if (const auto chosen = ui.ChooseColour(colour)) {
                colour = *chosen;
                swatch->setColour(colour);
            }
        });
    }

    auto* exit = AddControl<QPushButton>(this, kExitControl, QRect(97, 256, 112, 40),
                                         messages.Message(msg::kExit));
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    RememberFocus(this);
}
