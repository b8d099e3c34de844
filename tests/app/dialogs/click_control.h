// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>
#include <QWidget>
#include <algorithm>

// Clicks a control where a user would: near its left end, where check boxes and radio buttons
// have their indicator (a click beyond a short label misses them).
inline void ClickControl(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {},
                      QPoint(std::min(6, control->width() / 2), control->height() / 2));
}
