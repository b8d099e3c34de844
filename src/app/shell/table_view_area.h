#pragma once

#include "app/dialogs/fitting_scroll_area.h"

class PictureWidget;
class QPushButton;

// The table view with its two rulers and the ruler button. When the window is smaller than the
// 1122 x 936 view, the view scrolls inside it and the rulers follow the scrolled part; the
// rulers and the button stay in their margins above and left of the view.
class TableViewArea final : public FittingScrollArea {
public:
    TableViewArea(PictureWidget* view, PictureWidget* columnRuler, PictureWidget* rowRuler,
                  QPushButton* rulerButton, QWidget* parent);

    // The whole view with its rulers, the size the window opens at when the screen has room.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The view's keys scroll the table inside the view, not the area.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PlaceRulers();

    PictureWidget* columnRuler_;
    PictureWidget* rowRuler_;
};
