// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The wait between an unsaved change and its recovery copy. The editor uses a Qt timer;
// tests fire it by hand.
class RecoveryTimer {
public:
    static constexpr int kIntervalMs = 60'000;

    virtual ~RecoveryTimer() = default;
    // Calls `due` once, kIntervalMs from now, unless stopped first.
    virtual void Start(std::function<void()> due) = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};
