// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class DrawingSurface;
class QImage;

// What the new-table dialog previews: the settings being chosen, not the table.
struct ApproximateViewSettings {
    int32_t pageColour = 0xFFFFFF;
    int32_t lineColour = 0;
    int lineThickness = 1;
    int separatorPixels = 0;
    // The colour last given to a new cell.
    int32_t cellColour = 0xFFFFFF;
};

// A 3 x 3 grid of 34-pixel cells from (10, 10) on the preview picture (150 x 150); the
// separator insets each cell at its top-left.
void DrawApproximateView(DrawingSurface& surface, QImage& preview,
                         const ApproximateViewSettings& settings);
