// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

// Where today's date comes from, so that tests and the command line can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate Today() const = 0;
};

// The local date of the machine.
class SystemClock final : public Clock {
public:
    QDate Today() const override;
};

// Always the same date.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate today) : today_(today) {}
    QDate Today() const override { return today_; }

private:
    QDate today_;
};
