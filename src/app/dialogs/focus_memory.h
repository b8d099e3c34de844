// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Makes a window remember which of its controls had the focus when it is deactivated and
// give the focus back to that control when it is activated again.
void RememberFocus(QWidget* window);
