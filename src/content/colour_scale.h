// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Colours here are cell colours, 0x00BBGGRR.

// Lowest, optional middle and highest colour of a scale. The middle colour stands at
// `middleValue` when given, else at the median of the coloured numbers.
struct ColourScale {
    int32_t low = 0;
    std::optional<int32_t> middle;
    int32_t high = 0;
    std::optional<long double> middleValue;
    bool operator==(const ColourScale&) const = default;
};

// The values the scale's colours stand at, for one set of numbers.
struct ScaleStops {
    long double lowest = 0;
    long double middle = 0;
    long double highest = 0;
};

// The colour a fraction `t` (0..1) of the way from `from` to `to`. Mixed channel by channel in
// sRGB, as the colours are stored: the end points come out exactly as chosen, and a scale
// through white (blue-white-red) stays white in its middle instead of a grey.
int32_t MixColours(int32_t from, int32_t to, double t);

// Black or white, whichever stands out more from the fill by the WCAG contrast ratio (one of
// them always reaches 4.58 : 1); black on a tie.
int32_t ReadableTextColour(int32_t fill);

// Where the scale's colours stand for `numbers` (not empty): the smallest, the middle value
// (the given one, else the median) and the largest.
ScaleStops StopsFor(const ColourScale& scale, std::vector<long double> numbers);

// The fill of `value` on the scale. Between two stops the colour is mixed in proportion; a
// given middle value outside the numbers stretches its side of the scale to it. Numbers all
// equal take the colour halfway along a two-colour scale, the middle colour of a three-colour
// one.
int32_t ScaleColour(const ColourScale& scale, const ScaleStops& stops, long double value);

// A ready-made scale: `name` is how the command line names it.
struct BuiltInScale {
    QString name;
    ColourScale scale;
};
// Red-yellow-green, green-yellow-red, blue-white-red, and two that people with red-green
// colour blindness tell apart: blue-orange and viridis (dark violet, teal, yellow).
const std::vector<BuiltInScale>& BuiltInScales();
