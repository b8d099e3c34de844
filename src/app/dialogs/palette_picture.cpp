// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/palette_picture.h"

#include "render/colour.h"
#include "render/picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The swatch outline: its 25 x 25 cell, edges inclusive.
QRect SwatchCell(const FavouriteSwatch& swatch) {
    return QRect(QPoint(swatch.left, swatch.top), QPoint(swatch.right - 1, swatch.bottom - 1));
}

} // namespace

PalettePicture::PalettePicture(const FavouritePalette& palette, QWidget* parent)
    : QWidget(parent), palette_(palette) {
    setFixedSize(kWidth, kHeight);
    setMouseTracking(true);
}

QImage PalettePicture::Picture() const {
    // At the screen's resolution, so the outlines stay sharp at any scaling.
    QImage picture = MakePicture(
        kWidth, kHeight, BgrFromRgb(palette().color(QPalette::Window).rgb()), devicePixelRatioF());
    QPainter painter(&picture);
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column) {
            const FavouriteSwatch& swatch = palette_.at(column, row);
            const QRect cell = SwatchCell(swatch);
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            // The coloured box is inset by 3 pixels at its top and left and leaves the
            // outline visible at its right and bottom.
            painter.fillRect(
                QRect(QPoint(swatch.left + 3, swatch.top + 3), cell.bottomRight() - QPoint(1, 1)),
                ColourFromBgr(swatch.colour));
        }
    }
    if (hovered_) {
        painter.setPen(Qt::white);
        painter.drawRect(
            SwatchCell(palette_.at(hovered_->column, hovered_->row)).adjusted(0, 0, -1, -1));
    }
    return picture;
}

void PalettePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Picture());
}

void PalettePicture::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (const auto index = SwatchAt(at.x(), at.y())) {
        hovered_ = index;
        update();
    }
}

void PalettePicture::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (const auto index = SwatchAt(at.x(), at.y())) Q_EMIT swatchClicked(*index);
    } else if (event->button() == Qt::RightButton && rect().contains(at)) {
        const QImage picture = Picture();
        Q_EMIT colourPicked(BgrFromRgb(picture.pixel(at * picture.devicePixelRatio())));
    }
}
