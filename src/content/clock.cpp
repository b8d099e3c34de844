// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/clock.h"

QDate SystemClock::Today() const {
    return QDate::currentDate();
}
