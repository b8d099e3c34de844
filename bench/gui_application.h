// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

// Fonts need a QGuiApplication; the benchmarks run without a display.
inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}
