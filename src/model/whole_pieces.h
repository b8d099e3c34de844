// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The leading slots of `count` (little-endian 64-bit values) that each hold a whole piece of a
// UTF-16 field, three units of 1 to 65535 as the decimal digit groups of H * 10^10 + M * 10^5 + L,
// as nearly every slot of a text does: their units go to `units`, three a slot; returns how
// many slots were taken. The first slot that is not a whole piece stops it.
int UnpackWholePieces(const char* slots, int count, char16_t* units);
