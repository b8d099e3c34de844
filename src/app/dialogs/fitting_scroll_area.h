// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

// A scroll area that shows a scroll bar only while its widget does not fit in that direction.
// (QScrollArea keeps bars it once needed when it grows to fit its widget exactly.)
class FittingScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ChooseScrollBars();
};
