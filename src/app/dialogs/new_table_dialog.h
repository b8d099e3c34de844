// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

struct ProgramState;
struct TableSettings;
class QLineEdit;
class TableLookControls;
class Ui;

// The counts a new table may have.
inline constexpr int kFewestNewTableLines = 2;
inline constexpr int kMostNewTableLines = 109;

// "New Table": counts, cell size, colours, lines, separator, password, title bars and banded
// line styles of the table to create. Accept refuses incomplete entries and tables whose
// picture would pass the export's limit of 32767 pixels a side, and keeps the dialog open then.
class NewTableDialog : public QDialog {
    Q_OBJECT

public:
    // Control ids: the shared look controls count from kLookBase.
    static constexpr int kLookBase = 11000;
    static constexpr int kColumnsControl = 11006;
    static constexpr int kRowsControl = 11007;
    static constexpr int kCellWidthControl = 11021;
    static constexpr int kCellHeightControl = 11022;
    // The labels over and between the count and the cell size boxes.
    static constexpr int kColumnsLabelControl = 11003;
    static constexpr int kRowsLabelControl = 11004;
    static constexpr int kCountTimesControl = 11005;
    static constexpr int kSizeTimesControl = 11018;
    static constexpr int kWidthLabelControl = 11019;
    static constexpr int kHeightLabelControl = 11020;

    NewTableDialog(QWidget* parent, Ui& ui, TableSettings& settings, ProgramState& state);

    void Accept();

private:
    QLineEdit* AddNumberBox(int id, const QRect& geometry);

    Ui& ui_;
    TableSettings& settings_;
    ProgramState& state_;
    TableLookControls* look_;
    QLineEdit* columns_;
    QLineEdit* rows_;
    QLineEdit* cellWidth_;
    QLineEdit* cellHeight_;
};

// The refusal of a table whose planned size is width x height pixels: three lines.
QString TableTooLargeMessage(int language, int width, int height);

// Whether the table the settings plan (counts, cell size, separator, thickness) is too large
// for its picture to be exported at scale 1; the refusal has then been shown.
bool RefuseTooLargeTable(Ui& ui, int language, const TableSettings& settings);
