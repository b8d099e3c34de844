// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/colour_swatch.h"

#include "render/colour.h"

#include <QMouseEvent>
#include <QPainter>

ColourSwatch::ColourSwatch(Border border, QWidget* parent) : QFrame(parent) {
    if (border == Border::Sunken) setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void ColourSwatch::setColour(int32_t colour) {
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    if (colour_ >= 0) {
        QPainter painter(this);
        painter.fillRect(contentsRect(), ColourFromBgr(colour_));
    }
    QFrame::paintEvent(event);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Q_EMIT clicked();
    QFrame::mousePressEvent(event);
}
