#pragma once

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
// ruler at a distance p along it, counted in pixels from its outer edge.

// A tick every millimetre at 96 dots per inch; whole centimetres in red with their number.
void DrawMillimetreRuler(DrawingSurface& surface, QImage& ruler, RulerOrientation orientation);

// A tick every 5 pixels up to and including `length`, numbered every 50 from 50.
void DrawPixelRuler(DrawingSurface& surface, QImage& ruler, int length,
                    RulerOrientation orientation);

// The table's uniform grid from the origin 2, one numbered box per column (horizontal) or row
// (vertical), spaced by the separator; joins are not followed.
void DrawCellRuler(DrawingSurface& surface, QImage& ruler, const TableSettings& settings,
                   RulerOrientation orientation);

// What every redraw does to the rulers: all three pictures cleared with the page colour, the
// ruler of `rulerKind` drawn horizontally on the column ruler (1122 x 21) and vertically on the
// row ruler's source (21 x 1122), then the source copied into the row ruler's view (21 x 1122)
// at the view's vertical scroll offset (0 or negative). The cell ruler needs the table
// (`table` null: no table loaded, the cell ruler shows only its background); a kind outside
// 1..3 draws no ruler.
void DrawRulers(DrawingSurface& surface, QImage& columnRuler, QImage& rowRulerSource,
                QImage& rowRulerView, int rulerKind, const Document* table, int scrollY,
                int32_t pageColour);
