// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/colour_capture_window.h"

#include "app/dialogs/colour_swatch.h"
#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/focus_memory.h"
#include "app/messages/message_table.h"

#include <QLabel>
#include <QPushButton>

QString CapturedColourText(int32_t colour) {
    return QStringLiteral("&H") +
           QString::number(uint32_t(colour), 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

ColourCaptureWindow::ColourCaptureWindow(QWidget* parent, const MessageTable& messages,
                                         int32_t colour)
    : QDialog(parent) {
    setWindowTitle(messages.Message(msg::kColorCaught));
    setFixedSize(302, 170);

    auto* swatch = AddControl<ColourSwatch>(this, kSwatchControl, QRect(8, 8, 288, 88),
                                            ColourSwatch::Border::None);
    swatch->setColour(colour);

    // A label without a buddy shows "&" as it is, so no doubling is needed here.
    auto* label = AddControl<QLabel>(this, kColourTextControl, QRect(8, 104, 288, 24),
                                     CapturedColourText(colour));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(DialogFont(14));

    auto* accept = AddControl<QPushButton>(this, kAcceptControl, QRect(202, 136, 94, 24),
                                           messages.Message(msg::kAccept));
    accept->setFont(DialogFont(10));
    accept->setDefault(true);
    connect(accept, &QPushButton::clicked, this, &QDialog::accept);
    RememberFocus(this);
}
