// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Registers the pictures and files compiled into the editor library; call once before a
// window or the file association needs them.
void InitAppResources();
