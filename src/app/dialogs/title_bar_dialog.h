// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct ProgramState;
struct TableSettings;
class Ui;

// Edits the line and background colours of the two title bars. The colours of a bar that is
// off cannot be changed.
class TitleBarDialog : public QDialog {
    Q_OBJECT

public:
    // The two headings and the Exit button.
    static constexpr int kHorizontalLabelControl = 10010;
    static constexpr int kVerticalLabelControl = 10090;
    static constexpr int kExitControl = 10150;

    TitleBarDialog(QWidget* parent, Ui& ui, TableSettings& settings, const ProgramState& state);
};
