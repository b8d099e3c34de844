// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/qt_recovery_timer.h"

QtRecoveryTimer::QtRecoveryTimer() {
    timer_.setSingleShot(true);
    timer_.setInterval(kIntervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (due_) due_();
    });
}

void QtRecoveryTimer::Start(std::function<void()> due) {
    due_ = std::move(due);
    timer_.start();
}
