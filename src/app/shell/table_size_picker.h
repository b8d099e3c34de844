// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QWidget>
#include <functional>

// A grid of squares that chooses the counts of a new table with one click: the squares from
// the top-left one to the one under the pointer light up, and a click takes that many columns
// and rows. A table has at least two of each, so the first square already means 2 x 2.
class TableSizePicker final : public QWidget {
public:
    static constexpr int kColumns = 10;
    static constexpr int kRows = 10;
    static constexpr int kSquare = 16;

    explicit TableSizePicker(QWidget* parent);

    QSize sizeHint() const override;
    // The counts the pointer points at (columns, rows), or an empty size when it is outside.
    QSize pointed() const { return pointed_; }

    // The pointed counts changed (an empty size when the pointer left).
    std::function<void(QSize)> onPointed;
    std::function<void(int columns, int rows)> onPicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QSize CountsAt(QPoint point) const;
    void Point(QSize counts);

    QSize pointed_;
};
