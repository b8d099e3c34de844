// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <cstdint>

class DrawingSurface;
struct CellFont;
enum class Alignment : int16_t;

inline constexpr int kMaxTextLines = 100;
inline constexpr int kRightAlignGap = 3;

// Where a cell's text may go: the start point (the cell's drawn corner plus the line
// thickness) and the available width and height.
struct TextBox {
    double x0 = 0;
    double y0 = 0;
    int availWidth = 0;
    int availHeight = 0;
};

// One line ready to draw; `extraPixels` are spread over its `spaces` when both are above 0.
struct PlacedLine {
    QString text;
    double x = 0;
    double y = 0;
    int extraPixels = 0;
    int spaces = 0;
};

// Breaks a text into at most 100 lines for `availWidth`, measured in the surface's current
// font. Trailing empty lines are left out (they draw nothing).
QStringList BreakCellText(const DrawingSurface& surface, const QString& text, int availWidth);

// A cell's placed lines: most cells have one or two, kept without a trip to the heap.
using PlacedLines = QVarLengthArray<PlacedLine, 4>;

// The lines of a text and their positions for an alignment (no lines for an unknown code), measured
// in the surface's current font. Other codes place nothing.
PlacedLines PlaceCellText(const DrawingSurface& surface, const QString& text, Alignment alignment,
                          const TextBox& box);

// Selects the font and draws the text in `textColour` with a transparent background.
void LayOutCellText(DrawingSurface& surface, const QString& text, Alignment alignment,
                    const TextBox& box, const CellFont& font, int32_t textColour);
