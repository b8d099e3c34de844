// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The WCAG contrast ratio of two 0x00BBGGRR colours, from 1 (equal) to 21 (black on white).
double ContrastRatio(int32_t colour, int32_t otherColour);
