// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/pixel_rules.h"

#include <QStringView>
#include <algorithm>
#include <cstdlib>

// The pieces the pixel rules break some drawings into, shared by every surface that draws
// them itself.

// A tint covers about a third: dark text under a dark tint stays readable.
inline constexpr int kTintAlpha = 80;

// The pixels of a box from (x1, y1) to (x2, y2): its corners rounded and put in order, the
// four bands of its outline for the pen width, and the inside strictly between them.
struct BoxPixels {
    BoxPixels(double x1, double y1, double x2, double y2, int penWidth)
        : left(std::min(RoundCoordinate(x1), RoundCoordinate(x2))),
          top(std::min(RoundCoordinate(y1), RoundCoordinate(y2))),
          right(std::max(RoundCoordinate(x1), RoundCoordinate(x2))),
          bottom(std::max(RoundCoordinate(y1), RoundCoordinate(y2))),
          leftBand(PenSpan(left, penWidth)), topBand(PenSpan(top, penWidth)),
          rightBand(PenSpan(right, penWidth)), bottomBand(PenSpan(bottom, penWidth)),
          insideLeft(leftBand.last + 1), insideTop(topBand.last + 1),
          insideRight(rightBand.first - 1), insideBottom(bottomBand.first - 1) {}
    bool HasInside() const { return insideLeft <= insideRight && insideTop <= insideBottom; }

    int left, top, right, bottom;
    PixelSpan leftBand, topBand, rightBand, bottomBand;
    int insideLeft, insideTop, insideRight, insideBottom;
};

// Calls run(first, last) for each run of drawn pixels of a dotted line from `along1` to
// `along2`, kept within 0..limit.
template <typename Run> void ForEachDottedRun(int along1, int along2, int limit, Run run) {
    const int low = std::max(std::min(along1, along2), 0);
    const int high = std::min(std::max(along1, along2), limit);
    int runStart = -1;
    for (int p = low; p <= high + 1; ++p) {
        const bool on = p <= high && DottedPixel(std::abs(p - along1));
        if (on && runStart < 0) runStart = p;
        if (!on && runStart >= 0) {
            run(runStart, p - 1);
            runStart = -1;
        }
    }
}

// Calls segment(x1, y1, x2, y2) for each diagonal of the cross hatch within the pixels
// left..right, top..bottom: the pattern's pixels lie on the segments from pixel to pixel.
template <typename Segment>
void ForEachDiagonalCrossSegment(int left, int top, int right, int bottom, Segment segment) {
    const auto mod8 = [](int v) { return ((v % 8) + 8) % 8; };
    // x - y == d, d a multiple of 8: falling to the right.
    for (int d = left - bottom; d <= right - top; ++d) {
        if (mod8(d) != 0) continue;
        const int x1 = std::max(left, top + d), x2 = std::min(right, bottom + d);
        if (x1 <= x2) segment(x1, x1 - d, x2, x2 - d);
    }
    // x + y == s, s one below a multiple of 8: rising to the right.
    for (int s = left + top; s <= right + bottom; ++s) {
        if (mod8(s) != 7) continue;
        const int x1 = std::max(left, s - bottom), x2 = std::min(right, s - top);
        if (x1 <= x2) segment(x1, s - x1, x2, s - x2);
    }
}

// Calls run(start, shift, piece) for each piece of a line of text drawn apart when `extra`
// pixels are spread over its first `breaks` spaces: every piece but the last ends with a
// space that takes its share (an equal share each, the remainder one by one to the first
// spaces). The piece begins at `start` in `text`; `shift` is how far it moves beyond where it
// lies in the unjustified line.
template <typename Run> void ForEachJustifiedRun(QStringView text, int extra, int breaks, Run run) {
    if (breaks <= 0 || extra == 0) {
        run(qsizetype(0), 0, text);
        return;
    }
    const int remainder = extra % breaks;
    const int sign = remainder < 0 ? -1 : 1;
    qsizetype start = 0;
    int shift = 0;
    int done = 0;
    for (qsizetype i = 0; i < text.size() && done < breaks; ++i) {
        if (text[i] != u' ') continue;
        run(start, shift, text.sliced(start, i - start + 1));
        shift += extra / breaks + (done < std::abs(remainder) ? sign : 0);
        ++done;
        start = i + 1;
    }
    if (start < text.size()) run(start, shift, text.sliced(start));
}
