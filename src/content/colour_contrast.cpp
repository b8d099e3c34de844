// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double LinearChannel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(int32_t bgr) {
    const auto value = uint32_t(bgr);
    return 0.2126 * LinearChannel(int(value & 0xFF)) +
           0.7152 * LinearChannel(int((value >> 8) & 0xFF)) +
           0.0722 * LinearChannel(int((value >> 16) & 0xFF));
}

} // namespace

double ContrastRatio(int32_t colour, int32_t otherColour) {
    const double a = RelativeLuminance(colour);
    const double b = RelativeLuminance(otherColour);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
