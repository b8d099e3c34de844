// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// The pixel rules of every drawing surface. Drawing code computes coordinates in floating
// point; these rules say which pixels they end up on, so that tests, the editor, the
// command-line program and the export all agree to the pixel.
//
// Rounding: a coordinate is rounded to the nearest whole pixel, halves away from zero
// (2.5 -> 3, -2.5 -> -3), and held within +-2^24, far outside any picture, so that the
// arithmetic on it cannot overflow. A pixel (x, y) is the unit square whose top-left corner
// is (x, y).
//
// Pen width: a pen of width w (values below 1 count as 1) centred on coordinate c covers the
// w pixels from c - w/2 to c + (w-1)/2 (integer division), so the odd widths are centred and
// the extra pixel of an even width lies on the left or top side:
//     w = 1: c        w = 2: c-1..c      w = 3: c-1..c+1
//     w = 4: c-2..c+1 w = 5: c-2..c+2
//
// Box from (x1, y1) to (x2, y2): the corners are included. Its outline is four bands of the
// pen width centred on x = x1, x = x2, y = y1 and y = y2, so with width 1 the outline runs
// through x1..x2 and y1..y2 inclusive and two boxes that share a corner coordinate share
// those border pixels. The fill covers the pixels strictly inside the bands:
//     x from x1 + (w-1)/2 + 1 to x2 - w/2 - 1, and likewise for y.
// A solid fill paints them; a hollow fill leaves them; the diagonal-cross hatch paints only
// its pattern pixels among them and leaves the others as they were; a tint blends its colour
// over them at a fixed alpha of 80 out of 255. The outline of a box is
// always solid, whatever the pen style.
//
// Diagonal-cross hatch: an 8 x 8 pattern anchored at the surface's (0, 0); pixel (x, y)
// belongs to it when (x - y) mod 8 == 0 or (x + y) mod 8 == 7, which gives crossing 45-degree
// lines 8 pixels apart.
//
// Lines: a horizontal or vertical line from (x1, y) to (x2, y) covers x1..x2 inclusive, with
// the pen width across it as above. A dotted pen draws runs of 3 pixels on and 3 off,
// counted from the line's start point, across the whole pen width. Slanted lines are left to
// the drawing library's aliased line.
//
// Copies: a picture copied at (x, y) puts its pixel (0, 0) at (x, y); parts outside the
// target are clipped. A plain copy replaces the pixels; an icon is blended by its alpha.

struct PixelSpan {
    int first = 0;
    int last = 0;
};

inline constexpr double kCoordinateLimit = 1 << 24;

inline int RoundCoordinate(double value) {
    if (!(value > -kCoordinateLimit)) return -int(kCoordinateLimit); // NaN too
    if (value > kCoordinateLimit) return int(kCoordinateLimit);
    return int(std::lround(value));
}

inline int PenWidth(int width) {
    return width < 1 ? 1 : width;
}

inline PixelSpan PenSpan(int centre, int width) {
    const int w = PenWidth(width);
    return {centre - w / 2, centre + (w - 1) / 2};
}

inline bool DiagonalCrossPixel(int x, int y) {
    const auto mod8 = [](int v) { return ((v % 8) + 8) % 8; };
    return mod8(x - y) == 0 || mod8(x + y) == 7;
}

// Whether the pixel `offset` pixels after a dotted line's start is drawn.
inline bool DottedPixel(int offset) {
    return (offset % 6) < 3;
}
