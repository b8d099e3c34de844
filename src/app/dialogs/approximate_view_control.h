// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/approximate_view.h"

#include <QFrame>
#include <QImage>

// The bordered 150 x 150 preview of the New Table and Configuration dialogs.
class ApproximateViewControl : public QFrame {
    Q_OBJECT

public:
    explicit ApproximateViewControl(QWidget* parent);

    void setSettings(const ApproximateViewSettings& settings);
    // The preview picture as last drawn.
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
