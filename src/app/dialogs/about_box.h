// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class MessageTable;
class QLabel;
class QTimer;

// The author box: a thank-you line, the version and the licence, and an icon that cycles
// through pictures 701 to 707 every 100 ms while the box is open.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    // Control ids.
    static constexpr int kGetOutControl = 1017;
    static constexpr int kIconControl = 1018;
    static constexpr int kThanksControl = 1019;
    static constexpr int kAnimationTimer = 1521;

    static constexpr int kFirstFrame = 701;
    static constexpr int kLastFrame = 707;
    static constexpr int kFrameMilliseconds = 100;

    AboutBox(QWidget* parent, const MessageTable& messages);

    // One tick of the animation: show the current frame, then step to the next one.
    void Tick();

    // The picture number the icon control shows.
    int shownFrame() const { return shownFrame_; }

private:
    void ShowFrame(int frame);

    QLabel* icon_;
    QTimer* timer_;
    int frame_ = kFirstFrame;
    int shownFrame_ = kFirstFrame;
};
