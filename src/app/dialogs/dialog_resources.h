// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

// The pictures of the dialogs: toolbar bitmaps (401, 405, 406, 407, 411) and the about box
// frames (701 to 707), compiled into the editor library. A null pixmap for an unknown number.
QPixmap DialogPicture(int number);

// A PNG picture among the compiled-in files, read as PNG by name: left to guess, Qt asks every
// image plugin whether it knows the file, for every icon of the menus.
QPixmap PngPicture(const QString& path);
