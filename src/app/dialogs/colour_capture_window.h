// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

class MessageTable;

// Shows the colour just captured from the table view, as a swatch and as "&H" and eight
// hexadecimal digits.
class ColourCaptureWindow : public QDialog {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kSwatchControl = 21002;
    static constexpr int kColourTextControl = 21003;
    static constexpr int kAcceptControl = 21004;

    ColourCaptureWindow(QWidget* parent, const MessageTable& messages, int32_t colour);
};

// "&H" and the colour as eight upper-case hexadecimal digits ("&H00FF8000").
QString CapturedColourText(int32_t colour);
