#include "app/shell/table_view_area.h"

#include "app/editor/editor.h"
#include "app/shell/picture_widget.h"
#include "render/rulers.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

namespace {

// The rulers take 22 pixels above and left of the view; they reach one pixel beyond it.
constexpr int kMargin = 22;
constexpr QSize kClientSize(kMargin + kViewWidth + 1, kMargin + kViewHeight + 1);

} // namespace

TableViewArea::TableViewArea(PictureWidget* view, PictureWidget* columnRuler,
                             PictureWidget* rowRuler, QPushButton* rulerButton, QWidget* parent)
    : FittingScrollArea(parent), columnRuler_(columnRuler), rowRuler_(rowRuler) {
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(kMargin, kMargin, 1, 1);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    view->setFixedSize(kViewWidth, kViewHeight);
    setWidget(view);
    for (QWidget* fixed : {static_cast<QWidget*>(columnRuler), static_cast<QWidget*>(rowRuler),
                           static_cast<QWidget*>(rulerButton)})
        fixed->setParent(this);
    rulerButton->setGeometry(0, 0, kMargin, kMargin);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceRulers(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceRulers(); });
    PlaceRulers();
}

QSize TableViewArea::sizeHint() const {
    return kClientSize;
}

void TableViewArea::resizeEvent(QResizeEvent* event) {
    FittingScrollArea::resizeEvent(event);
    PlaceRulers();
}

void TableViewArea::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

void TableViewArea::PlaceRulers() {
    const QSize shown = viewport()->size();
    const int x = horizontalScrollBar()->value();
    const int y = verticalScrollBar()->value();
    // One pixel more than the view, as long as the view shows to its end.
    columnRuler_->setGeometry(kMargin, 1, std::min(shown.width() + 1, kViewWidth + 1 - x),
                              kRulerThickness);
    columnRuler_->SetOffset(QPoint(x, 0));
    rowRuler_->setGeometry(1, kMargin, kRulerThickness,
                           std::min(shown.height() + 1, kViewHeight + 1 - y));
    rowRuler_->SetOffset(QPoint(0, y));
}
