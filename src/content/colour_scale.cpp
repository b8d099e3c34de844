// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/colour_scale.h"

#include "content/colour_contrast.h"
#include "content/colour_order.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kBlackText = 0;
constexpr int32_t kWhiteText = 0xFFFFFF;

int Channel(int32_t colour, int shift) {
    return int((uint32_t(colour) >> shift) & 0xFF);
}

// The fraction of the way from `from` to `to` at which `value` stands; 1 when they meet.
double Fraction(long double value, long double from, long double to) {
    if (to <= from) return 1.0;
    return double(std::clamp((value - from) / (to - from), 0.0L, 1.0L));
}

} // namespace

int32_t MixColours(int32_t from, int32_t to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    int32_t mixed = 0;
    for (const int shift : {0, 8, 16}) {
        const double a = Channel(from, shift), b = Channel(to, shift);
        mixed |= int32_t(std::lround(a + (b - a) * t)) << shift;
    }
    return mixed;
}

int32_t ReadableTextColour(int32_t fill) {
    return ContrastRatio(fill, kBlackText) >= ContrastRatio(fill, kWhiteText) ? kBlackText
                                                                              : kWhiteText;
}

ScaleStops StopsFor(const ColourScale& scale, std::vector<long double> numbers) {
    std::sort(numbers.begin(), numbers.end());
    ScaleStops stops{numbers.front(), 0, numbers.back()};
    if (scale.middleValue) {
        stops.middle = *scale.middleValue;
    } else {
        const size_t half = numbers.size() / 2;
        stops.middle =
            numbers.size() % 2 == 1 ? numbers[half] : (numbers[half - 1] + numbers[half]) / 2;
    }
    return stops;
}

int32_t ScaleColour(const ColourScale& scale, const ScaleStops& stops, long double value) {
    if (!scale.middle) {
        if (stops.highest <= stops.lowest) return MixColours(scale.low, scale.high, 0.5);
        return MixColours(scale.low, scale.high, Fraction(value, stops.lowest, stops.highest));
    }
    if (value <= stops.middle)
        return MixColours(scale.low, *scale.middle,
                          Fraction(value, std::min(stops.lowest, stops.middle), stops.middle));
    return MixColours(*scale.middle, scale.high, Fraction(value, stops.middle, stops.highest));
}

const std::vector<BuiltInScale>& BuiltInScales() {
    static const std::vector<BuiltInScale> scales = {
        {QStringLiteral("red-yellow-green"),
         {CellColourOf(0xF8696B), CellColourOf(0xFFEB84), CellColourOf(0x63BE7B), {}}},
        {QStringLiteral("green-yellow-red"),
         {CellColourOf(0x63BE7B), CellColourOf(0xFFEB84), CellColourOf(0xF8696B), {}}},
        {QStringLiteral("blue-white-red"),
         {CellColourOf(0x5A8AC6), CellColourOf(0xFFFFFF), CellColourOf(0xF8696B), {}}},
        {QStringLiteral("blue-orange"),
         {CellColourOf(0x2166AC), CellColourOf(0xF7F7F7), CellColourOf(0xE66101), {}}},
        {QStringLiteral("viridis"),
         {CellColourOf(0x440154), CellColourOf(0x21918C), CellColourOf(0xFDE725), {}}},
    };
    return scales;
}
