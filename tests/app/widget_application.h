#pragma once

#include <QApplication>
#include <QTest>
#include <algorithm>

// The QApplication of the widget tests. A test environment creates it before the first test
// and destroys it after the last, before the program's static objects go: a QApplication left
// to static destruction crashes the program on exit once QTest has sent it mouse events.
QApplication& WidgetApplication();

// Clicks a control where a user would: near its left end, where check boxes and radio buttons
// have their indicator (a click beyond a short label misses them).
inline void ClickControl(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {},
                      QPoint(std::min(6, control->width() / 2), control->height() / 2));
}
