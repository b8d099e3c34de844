// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/approximate_view.h"

#include "render/drawing_surface.h"

namespace {

constexpr int kPreviewOrigin = 10;
constexpr int kPreviewCell = 34;
constexpr int kPreviewCells = 3;

} // namespace

void DrawApproximateView(DrawingSurface& surface, QImage& preview,
                         const ApproximateViewSettings& settings) {
    surface.SelectTarget(preview);
    surface.FillTarget(settings.pageColour);
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenWidth(settings.lineThickness);
    const int s = settings.separatorPixels;
    for (int row = 0; row < kPreviewCells; ++row) {
        for (int column = 0; column < kPreviewCells; ++column) {
            const int x = kPreviewOrigin + kPreviewCell * column;
            const int y = kPreviewOrigin + kPreviewCell * row;
            surface.DrawBox(x + s, y + s, x + kPreviewCell, y + kPreviewCell, settings.lineColour,
                            BoxFill::Solid(settings.cellColour));
        }
    }
    surface.SetPenWidth(1);
}
