#pragma once

#include <QDialog>

struct AppState;
struct TableSettings;
class TableLookControls;
class Ui;

// "Configuration": paper and line colours, line thickness, separator (0 to 10) and password
// of the open table. Changes take effect at once and stay after Cancel; an existing password
// cannot be changed here.
class ConfigurationDialog : public QDialog {
    Q_OBJECT

public:
    ConfigurationDialog(QWidget* parent, Ui& ui, TableSettings& settings, const AppState& state);

    void Accept();

private:
    TableSettings& settings_;
    TableLookControls* look_;
};
