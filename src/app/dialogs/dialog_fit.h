// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QDialog;
class QScrollArea;
class QWidget;

// The part of the screen that windows may take (without panels), for the screen that shows
// `widget`, or the primary screen.
QRect AvailableScreenArea(const QWidget* widget);

// The room for a window's client area within `available`: a title bar's height is kept free.
QSize ClientRoom(const QWidget* window, const QRect& available);

// The size of a window whose content of `whole` size scrolls in `area`: the whole when `room`
// has space for it, else as much as fits, with the width of a vertical scroll bar added when
// it is lower than the whole, so that it never scrolls sideways for want of that width.
QSize ScrollingSize(QSize whole, QSize room, const QScrollArea* area);

// Puts `page` (controls at fixed places, of a fixed size) into a scroll area that fills
// `dialog`, so the page scrolls when the dialog is smaller than it.
QScrollArea* AddScrollingPage(QDialog* dialog, QWidget* page);

// Sizes a dialog made by AddScrollingPage: the whole page when `available` has room for it,
// else as high as there is room for, with the width of a vertical scroll bar added.
void FitScrollingDialog(QDialog* dialog, QScrollArea* area, const QRect& available);
