// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// A drawing control: shows a picture from its top-left corner (or from an offset into it) and
// hands mouse, wheel and key input to its owner.
class PictureWidget final : public QWidget {
public:
    PictureWidget(const QImage& picture, QWidget* parent);

    std::function<void(QPoint, Qt::KeyboardModifiers)> onLeftClick;
    std::function<void(QPoint)> onDoubleClick;
    std::function<void(QPoint)> onRightClick;
    // delta > 0: turned away from the user (or to the left, `sideways`: a sideways wheel, or
    // the wheel with Shift). False when it moved nothing, so the wheel goes on to the
    // enclosing scroll area.
    std::function<bool(int, bool)> onWheel;
    // Qt::Key, its modifiers and the text it types.
    std::function<void(int, Qt::KeyboardModifiers, const QString&)> onKey;

    // The picture point shown at the widget's top-left corner.
    void SetOffset(QPoint offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A control with key handling keeps Tab and Shift+Tab for itself.
    bool focusNextPrevChild(bool next) override;

private:
    const QImage& picture_;
    QPoint offset_;
};
