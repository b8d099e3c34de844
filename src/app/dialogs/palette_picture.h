// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/favourite_palette.h"

#include <QImage>
#include <QWidget>
#include <optional>

// The swatch picture of the favourite-colours window: 13 x 10 swatches of 25 pixels, the one
// under the pointer outlined in white.
class PalettePicture : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 336;
    static constexpr int kHeight = 256;

    PalettePicture(const FavouritePalette& palette, QWidget* parent);

    // The picture as it is shown.
    QImage Picture() const;

Q_SIGNALS:
    void swatchClicked(SwatchIndex index);
    // The colour (0x00BBGGRR) of the pixel under a right click.
    void colourPicked(int32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const FavouritePalette& palette_;
    std::optional<SwatchIndex> hovered_;
};
