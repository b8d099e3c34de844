// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/picture_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

PictureWidget::PictureWidget(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::SetOffset(QPoint offset) {
    if (offset == offset_) return;
    offset_ = offset;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(-offset_, picture_);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && onLeftClick)
        onLeftClick(point, event->modifiers());
    else if (event->button() == Qt::RightButton && onRightClick)
        onRightClick(point);
    else
        QWidget::mousePressEvent(event);
}

void PictureWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onDoubleClick)
        onDoubleClick(event->position().toPoint());
    else
        QWidget::mouseDoubleClickEvent(event);
}

void PictureWidget::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    const bool sideways = angle.x() != 0 || (event->modifiers() & Qt::ShiftModifier);
    const int delta = angle.x() != 0 ? angle.x() : angle.y();
    if (!onWheel || delta == 0 || !onWheel(delta, sideways)) QWidget::wheelEvent(event);
}

void PictureWidget::keyPressEvent(QKeyEvent* event) {
    // The owner takes every key, so Tab never moves the focus through the window.
    if (onKey)
        onKey(event->key(), event->modifiers(), event->text());
    else
        QWidget::keyPressEvent(event);
}

bool PictureWidget::focusNextPrevChild(bool next) {
    return onKey ? false : QWidget::focusNextPrevChild(next);
}
