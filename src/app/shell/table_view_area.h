// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>
#include <functional>

class PictureWidget;
class QPushButton;
class QScrollBar;

// The table view with its two rulers and the ruler button. When the window is narrower than
// the 1122 x 936 view, the view scrolls sideways inside it and the column ruler follows. The
// table itself scrolls up and down inside the view (the editor's scroll), so the vertical bar
// shows and moves that scroll rather than the view's place; a window lower than the view shows
// its top rows and the table scrolls further to bring its end into them. The rulers and the
// button stay in their margins above and left of the view.
class TableViewArea final : public QScrollArea {
public:
    TableViewArea(PictureWidget* view, PictureWidget* columnRuler, PictureWidget* rowRuler,
                  QPushButton* rulerButton, QWidget* parent);

    // The whole view with its rulers, the size the window opens at when the screen has room.
    QSize sizeHint() const override;

    // The editor's vertical scroll: `depth` pixels in all, `scrolled` of them done.
    void ShowTableScroll(int depth, int scrolled);
    QScrollBar* tableScrollBar() const { return tableBar_; }

    // The height of the view that the window shows, after every change of it.
    std::function<void(int)> onShownHeight;
    // The user moved the vertical bar: the table scrolled by `scrolled` pixels.
    std::function<void(int)> onTableScroll;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The view's keys scroll the table inside the view, not the area.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChooseScrollBars();
    void PlaceRulers();

    PictureWidget* view_;
    PictureWidget* columnRuler_;
    PictureWidget* rowRuler_;
    QScrollBar* tableBar_;
};
