// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <utility>

class QWidget;

// The desktop's small font size in pixels: no dialog text is smaller.
int SmallestReadablePixelSize();

// The sans face that stands in for the dialogs' "MS Sans Serif" and "Tahoma", at a pixel
// size, but never below the desktop's small font size.
QFont DialogFont(int pixelSize);

// The object name of the control with this id.
QString ControlName(int id);

// Names a control by its id, so callers and tests find it with findChild, and puts it at its
// fixed place in the dialog.
void PlaceControl(QWidget* control, int id, const QRect& geometry);

// Creates a control of type T with the given constructor arguments (the parent last) and
// places it.
template <typename T, typename... Args>
T* AddControl(QWidget* parent, int id, const QRect& geometry, Args&&... args) {
    T* control = new T(std::forward<Args>(args)..., parent);
    PlaceControl(control, id, geometry);
    return control;
}

// List items made of a two-digit number ("05", "20") and a text; choosing an item takes the
// number back from its first two characters.
QString TwoDigitItem(int number, const QString& text);
int TwoDigitItemNumber(const QString& item);

// A menu command's text as a window title: "Table style…" without its ellipsis.
QString TitleOf(QString commandText);
