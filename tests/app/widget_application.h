#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <algorithm>

// Widget tests need a QApplication; the first test that asks creates it for the whole
// program (CTest runs it on the offscreen platform).
inline QApplication& WidgetApplication() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *existing;
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

// Clicks a control where a user would: near its left end, where check boxes and radio buttons
// have their indicator (a click beyond a short label misses them).
inline void ClickControl(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {},
                      QPoint(std::min(6, control->width() / 2), control->height() / 2));
}
