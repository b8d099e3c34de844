// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

struct ProgramState;
struct TableSettings;
class TableLookControls;
class Ui;

// "Configuration": paper and line colours, line thickness, separator (0 to 10) and password
// of the open table. Changes take effect at once and stay after Cancel; an existing password
// cannot be changed here. Accept refuses settings that take the table past the size New Table
// accepts, and keeps the dialog open then.
class ConfigurationDialog : public QDialog {
    Q_OBJECT

public:
    // The shared look controls count their ids from here.
    static constexpr int kLookBase = 12000;

    ConfigurationDialog(QWidget* parent, Ui& ui, TableSettings& settings,
                        const ProgramState& state);

    void Accept();

private:
    Ui& ui_;
    TableSettings& settings_;
    int language_;
    TableLookControls* look_;
};
