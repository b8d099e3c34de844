// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/table_size_picker.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kFewestLines = 2;

} // namespace

TableSizePicker::TableSizePicker(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

QSize TableSizePicker::sizeHint() const {
    return {kColumns * kSquare + 1, kRows * kSquare + 1};
}

QSize TableSizePicker::CountsAt(QPoint point) const {
    const int column = point.x() / kSquare + 1;
    const int row = point.y() / kSquare + 1;
    if (point.x() < 0 || point.y() < 0 || column > kColumns || row > kRows) return {};
    return {std::max(column, kFewestLines), std::max(row, kFewestLines)};
}

void TableSizePicker::Point(QSize counts) {
    if (counts == pointed_) return;
    pointed_ = counts;
    update();
    if (onPointed) onPointed(counts);
}

void TableSizePicker::mouseMoveEvent(QMouseEvent* event) {
    Point(CountsAt(event->position().toPoint()));
}

void TableSizePicker::leaveEvent(QEvent*) {
    Point({});
}

void TableSizePicker::mouseReleaseEvent(QMouseEvent* event) {
    const QSize counts = CountsAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || counts.isEmpty()) return;
    if (onPicked) onPicked(counts.width(), counts.height());
}

void TableSizePicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const bool lit = column < pointed_.width() && row < pointed_.height();
            const QRect square(column * kSquare, row * kSquare, kSquare, kSquare);
            painter.fillRect(square.adjusted(1, 1, 0, 0),
                             lit ? colours.highlight() : colours.base());
            painter.setPen(colours.color(QPalette::Mid));
            painter.drawRect(square);
        }
    }
}
