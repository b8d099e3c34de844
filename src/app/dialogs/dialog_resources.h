// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>

// The pictures of the dialogs: toolbar bitmaps (401, 405, 406, 407, 411) and the about box
// frames (701 to 707), compiled into the editor library. A null pixmap for an unknown number.
QPixmap DialogPicture(int number);
