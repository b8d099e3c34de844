// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <cstdint>

// A drawing control filled with one colour (0x00BBGGRR); negative colours (the fill markers)
// show the window background. It reports left clicks.
class ColourSwatch : public QFrame {
    Q_OBJECT

public:
    enum class Border { None, Sunken };

    ColourSwatch(Border border, QWidget* parent);

    int32_t colour() const { return colour_; }
    void setColour(int32_t colour);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int32_t colour_ = -1;
};
