// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/editor/recovery_timer.h"

#include <QTimer>

// The recovery wait on the event loop of the GUI thread.
class QtRecoveryTimer final : public RecoveryTimer {
public:
    QtRecoveryTimer();

    void Start(std::function<void()> due) override;
    void Stop() override { timer_.stop(); }
    bool Running() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> due_;
};
