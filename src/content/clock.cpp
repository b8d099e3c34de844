#include "content/clock.h"

QDate SystemClock::Today() const {
    return QDate::currentDate();
}
