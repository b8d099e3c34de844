// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/fitting_scroll_area.h"

#include <QScrollBar>

void FittingScrollArea::resizeEvent(QResizeEvent* event) {
    ChooseScrollBars();
    QScrollArea::resizeEvent(event);
}

void FittingScrollArea::ChooseScrollBars() {
    if (!widget()) return;
    const QMargins margins = viewportMargins();
    const QSize room = size() - QSize(margins.left() + margins.right() + 2 * frameWidth(),
                                      margins.top() + margins.bottom() + 2 * frameWidth());
    const QSize content = widget()->size();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    bool vertical = content.height() > room.height();
    const bool horizontal = content.width() > room.width() - (vertical ? barWidth : 0);
    if (horizontal && !vertical) vertical = content.height() > room.height() - barHeight;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}
