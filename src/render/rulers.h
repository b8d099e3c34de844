// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <cstdint>

class DrawingSurface;
class QImage;
struct Document;
struct TableSettings;

// The rulers beside the table view: 1 millimetres, 2 pixels, 3 cell numbers.
inline constexpr int kMillimetreRuler = 1;
inline constexpr int kPixelRuler = 2;
inline constexpr int kCellRuler = 3;

// Thickness of both rulers; the column ruler is as long as the table picture is wide, the row
// ruler as long as it is high.
inline constexpr int kRulerThickness = 21;
// How far the pixel ruler counts.
inline constexpr int kPixelRulerLength = 1200;
inline constexpr int32_t kRulerBackground = 0xE9E9EE;

enum class RulerOrientation { Horizontal = 0, Vertical = 1 };

// Each ruler fills its whole picture with the ruler background first. Ticks run across the
// ruler at a distance p along it, counted in pixels from its outer edge. The picture starts
// `offset` pixels along the ruler, so it can follow a scrolled view.

// A tick every millimetre at 96 dots per inch; whole centimetres in red with their number.
void DrawMillimetreRuler(DrawingSurface& surface, QImage& ruler, RulerOrientation orientation,
                         int offset = 0);

// A tick every 5 pixels up to and including `length`, numbered every 50 from 50.
void DrawPixelRuler(DrawingSurface& surface, QImage& ruler, int length,
                    RulerOrientation orientation, int offset = 0);

// The table's uniform grid from the origin 2, one numbered box per column (horizontal) or row
// (vertical), spaced by the separator; joins are not followed.
void DrawCellRuler(DrawingSurface& surface, QImage& ruler, const TableSettings& settings,
                   RulerOrientation orientation, int offset = 0);

// What every redraw does to the rulers: both pictures cleared with the page colour, then the
// ruler of `rulerKind` drawn horizontally on the column ruler (1122 x 21) and vertically on the
// row ruler (21 x 1122), each starting where the view scrolled by `scroll` (0 or negative)
// starts; the pixel ruler counts 1200 pixels from there. The cell ruler needs the table
// (`table` null: no table loaded, the cell ruler shows only its background); a kind outside
// 1..3 draws no ruler.
void DrawRulers(DrawingSurface& surface, QImage& columnRuler, QImage& rowRuler, int rulerKind,
                const Document* table, QPoint scroll, int32_t pageColour);
