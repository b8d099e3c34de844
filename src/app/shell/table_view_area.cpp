// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/table_view_area.h"

#include "app/editor/editor.h"
#include "app/shell/picture_widget.h"
#include "render/rulers.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

// The rulers take 22 pixels above and left of the view; they reach one pixel beyond it.
constexpr int kMargin = 22;
constexpr QSize kClientSize(kMargin + kViewWidth + 1, kMargin + kViewHeight + 1);
// A line of the bar's arrows is a turn of the wheel over the view.
constexpr int kBarLine = 15;

} // namespace

TableViewArea::TableViewArea(PictureWidget* view, PictureWidget* columnRuler,
                             PictureWidget* rowRuler, QPushButton* rulerButton, QWidget* parent)
    : QScrollArea(parent), view_(view), columnRuler_(columnRuler), rowRuler_(rowRuler) {
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(kMargin, kMargin, 1, 1);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The area itself never scrolls up or down: the view is cut to the rows it shows.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFixedSize(kViewWidth, kViewHeight);
    setWidget(view);
    for (QWidget* fixed : {static_cast<QWidget*>(columnRuler), static_cast<QWidget*>(rowRuler),
                           static_cast<QWidget*>(rulerButton)})
        fixed->setParent(this);
    rulerButton->setGeometry(0, 0, kMargin, kMargin);

    tableBar_ = new QScrollBar(Qt::Vertical, this);
    tableBar_->setSingleStep(kBarLine);
    tableBar_->hide();
    connect(tableBar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (onTableScroll) onTableScroll(value);
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceRulers(); });
    PlaceRulers();
}

QSize TableViewArea::sizeHint() const {
    return kClientSize;
}

void TableViewArea::ShowTableScroll(int depth, int scrolled) {
    // Range before value, so the value is never clamped to an old range; the bar's own signal
    // is kept back, as this only shows a scroll that already happened.
    const QSignalBlocker quiet(tableBar_);
    tableBar_->setRange(0, std::max(0, depth));
    tableBar_->setPageStep(view_->height());
    tableBar_->setValue(scrolled);
}

void TableViewArea::resizeEvent(QResizeEvent* event) {
    ChooseScrollBars();
    QScrollArea::resizeEvent(event);
    PlaceRulers();
}

void TableViewArea::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

// The vertical bar takes its width from the view only when the view is cut; the horizontal
// bar appears when the view is wider than what is left beside the vertical one.
void TableViewArea::ChooseScrollBars() {
    const int barWidth = tableBar_->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    const QSize room = size() - QSize(kMargin + 1, kMargin + 1);
    bool vertical = kViewHeight > room.height();
    const bool horizontal = kViewWidth > room.width() - (vertical ? barWidth : 0);
    if (horizontal && !vertical) vertical = kViewHeight > room.height() - barHeight;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setViewportMargins(kMargin, kMargin, 1 + (vertical ? barWidth : 0), 1);
    const int lower = horizontal ? barHeight : 0;
    tableBar_->setGeometry(width() - barWidth, 0, barWidth, height() - lower);
    tableBar_->setVisible(vertical);

    const int shown = std::clamp(room.height() - lower, 1, kViewHeight);
    if (shown != view_->height()) {
        view_->setFixedSize(kViewWidth, shown);
        if (onShownHeight) onShownHeight(shown);
    }
}

void TableViewArea::PlaceRulers() {
    const QSize shown = viewport()->size();
    const int x = horizontalScrollBar()->value();
    // One pixel more than the view, as long as the view shows to its end.
    columnRuler_->setGeometry(kMargin, 1, std::min(shown.width() + 1, kViewWidth + 1 - x),
                              kRulerThickness);
    columnRuler_->SetOffset(QPoint(x, 0));
    rowRuler_->setGeometry(1, kMargin, kRulerThickness,
                           std::min(shown.height() + 1, kViewHeight + 1));
}
