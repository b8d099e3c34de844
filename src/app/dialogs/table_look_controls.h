// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

struct ProgramState;
struct TableSettings;
class ApproximateViewControl;
class ColourSwatch;
class QCheckBox;
class QDialog;
class QLineEdit;
class QListWidget;
class QPushButton;
class Ui;

// The controls that the New Table and the Configuration dialog share, at the same places with
// ids counted from their own base: the preview, paper and line colours, line thickness,
// separator, password switch and box, Cancel and Accept. Every change goes straight into the
// table settings and redraws the preview.
class TableLookControls : public QObject {
    Q_OBJECT

public:
    // Ids of the line-thickness and separator lists, counted from the dialog's base.
    static constexpr int kThicknessListOffset = 17;
    static constexpr int kSeparatorListOffset = 25;

    struct Options {
        int idBase;           // the dialog's kLookBase
        int largestSeparator; // the separator list offers 0 up to this
        bool swatchesTakeCapturedColour;
    };

    TableLookControls(QDialog* dialog, Ui& ui, TableSettings& settings, const ProgramState& state,
                      const Options& options);

    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* acceptButton() const { return accept_; }
    QCheckBox* passwordSwitch() const { return passwordSwitch_; }
    QLineEdit* passwordBox() const { return passwordBox_; }

    // The password box's text when it is a usable password (1 to 30 characters of the 31 the
    // box keeps), else nothing.
    std::optional<QString> TypedPassword() const;

    void RedrawPreview();

    // The lowest edge of the shared controls (the password box): the two lists are as high as
    // four of their rows, and the buttons and the password follow them.
    int Bottom() const;

private:
    void AddColourControls(const QString& label, int labelId, int buttonId, int swatchId, int y,
                           int labelX, int labelWidth, int labelY, int32_t TableSettings::*colour);
    // Returns the lower edge of the lists.
    int AddLists(int largestSeparator);

    Ui& ui_;
    TableSettings& settings_;
    const ProgramState& state_;
    Options options_;
    ApproximateViewControl* preview_ = nullptr;
    QCheckBox* passwordSwitch_ = nullptr;
    QLineEdit* passwordBox_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* accept_ = nullptr;
};
