// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Cells keep colours as 0x00BBGGRR; people write them 0xRRGGBB. Swapping red and blue turns
// either into the other.
constexpr uint32_t SwapRedAndBlue(uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// A colour written the usual way, 0xRRGGBB, as cells keep it.
constexpr int32_t CellColourOf(uint32_t rgb) {
    return int32_t(SwapRedAndBlue(rgb));
}
