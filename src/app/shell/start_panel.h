// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <functional>

class QLabel;
class TableSizePicker;

// What the empty window shows before a table is open: a size grid that starts a new table
// with one click, and the keys of the other ways in.
class StartPanel final : public QFrame {
public:
    StartPanel(QWidget* parent, int language);

    TableSizePicker* picker() const { return picker_; }
    // The panel's texts in another language.
    void SetLanguage(int language);

    std::function<void(int columns, int rows)> onPicked;

private:
    void ShowCounts(QSize counts);

    QLabel* heading_;
    TableSizePicker* picker_;
    QLabel* counts_;
    QLabel* keys_;
};
