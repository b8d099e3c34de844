// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/approximate_view_control.h"

#include "render/picture.h"
#include "render/qt_drawing_surface.h"

#include <QPainter>

namespace {

constexpr int kPreviewSide = 150;

} // namespace

ApproximateViewControl::ApproximateViewControl(QWidget* parent)
    : QFrame(parent), picture_(MakePicture(kPreviewSide, kPreviewSide)) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
}

void ApproximateViewControl::setSettings(const ApproximateViewSettings& settings) {
    // At the screen's resolution, so the preview's lines stay sharp at any scaling.
    picture_ = MakePicture(kPreviewSide, kPreviewSide, 0xFFFFFF, devicePixelRatioF());
    QtDrawingSurface surface;
    DrawApproximateView(surface, picture_, settings);
    surface.ReleaseTarget();
    update();
}

void ApproximateViewControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.drawImage(inside.topLeft(), picture_);
    painter.end();
    QFrame::paintEvent(event);
}
