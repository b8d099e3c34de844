// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/rulers.h"

#include "model/cell_record.h"
#include "model/document.h"
#include "render/cell_font.h"
#include "render/drawing_surface.h"
#include "render/picture.h"
#include "render/text_layout.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kBlack = 0x000000;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kGrey = 0x808080;
constexpr double kMillimetresPerInch = 25.4;
constexpr int kCellOrigin = 2;
// Ticks this far before the ruler's start still draw: their labels may reach into it.
constexpr int kLabelRoom = 30;

CellFont RulerFont(int points) {
    CellRecord cell;
    cell.fontName = QStringLiteral("Tahoma");
    cell.fontSize = int16_t(points);
    cell.bold = 1;
    return MakeCellFont(cell, kDefaultCharacterSet, FontTurn::Upright);
}

// Every ruler starts alike: its own background, black text, a thin solid pen.
void StartRuler(DrawingSurface& surface, QImage& ruler) {
    surface.SelectTarget(ruler);
    surface.SetTextColour(kBlack);
    surface.FillTarget(kRulerBackground);
    surface.SetPenWidth(1);
    surface.SetPenStyle(PenStyle::Solid);
}

int Length(const QImage& ruler, RulerOrientation orientation) {
    const QSize size = LogicalSize(ruler);
    return orientation == RulerOrientation::Horizontal ? size.width() : size.height();
}

void Tick(DrawingSurface& surface, RulerOrientation orientation, int p, int from, int to,
          int32_t colour) {
    if (orientation == RulerOrientation::Horizontal)
        surface.DrawLine(p, from, p, to, colour);
    else
        surface.DrawLine(from, p, to, p, colour);
}

// A number on the ruler's outer edge, `before` pixels ahead of p.
void Label(DrawingSurface& surface, RulerOrientation orientation, int p, int before, int number) {
    const QString text = QString::number(number);
    if (orientation == RulerOrientation::Horizontal)
        surface.DrawText(p - before, 0, text);
    else
        surface.DrawText(0, p - before, text);
}

} // namespace

void DrawMillimetreRuler(DrawingSurface& surface, QImage& ruler, RulerOrientation orientation,
                         int offset) {
    StartRuler(surface, ruler);
    surface.SelectFont(RulerFont(6));
    const int length = Length(ruler, orientation);
    for (int i = 0;; ++i) {
        const int p = int(std::lround(kDotsPerInch * i / kMillimetresPerInch)) - offset;
        if (p >= length) break;
        if (p < -kLabelRoom) continue;
        if (i % 10 == 0) {
            Tick(surface, orientation, p, 11, 20, kRed);
            if (i > 0) Label(surface, orientation, p, 3, i / 10);
        } else if (i % 5 == 0) {
            Tick(surface, orientation, p, 14, 20, kBlack);
        } else {
            Tick(surface, orientation, p, 15, 20, kGrey);
        }
    }
}

void DrawPixelRuler(DrawingSurface& surface, QImage& ruler, int length,
                    RulerOrientation orientation, int offset) {
    StartRuler(surface, ruler);
    surface.SelectFont(RulerFont(orientation == RulerOrientation::Vertical ? 5 : 6));
    for (int p = 0; p <= length; p += 5) {
        const int at = p - offset;
        if (at < -kLabelRoom) continue;
        if (p % 10 != 0) {
            Tick(surface, orientation, at, 15, 23, kBlack);
            continue;
        }
        Tick(surface, orientation, at, 14, 23, kBlack);
        if (p % 50 == 0 && p > 0) {
            Label(surface, orientation, at, 5, p);
            Tick(surface, orientation, at, 13, 23, kRed);
        }
    }
}

void DrawCellRuler(DrawingSurface& surface, QImage& ruler, const TableSettings& settings,
                   RulerOrientation orientation, int offset) {
    StartRuler(surface, ruler);
    const int width = settings.gridCellWidth;
    const int height = settings.gridCellHeight;
    const int separator = settings.separatorPixels;
    const CellFont font = RulerFont(width >= 10 && width <= 13 ? 5 : 6);
    const bool horizontal = orientation == RulerOrientation::Horizontal;
    const int step = horizontal ? width : height;
    const int count =
        std::clamp<int>(horizontal ? settings.columnCount : settings.rowCount, 0, kGridCapacity);
    const int length = Length(ruler, orientation);
    for (int i = 0; i < count; ++i) {
        // Boxes past either end of the ruler would not show.
        const double start = double(i) * (step + separator) + kCellOrigin - offset;
        if (start >= length) break;
        const double end = double(i + 1) * step + double(i) * separator + kCellOrigin - offset;
        if (end < 0) continue;
        if (horizontal)
            surface.DrawBox(start, kCellOrigin, end, height + kCellOrigin, kBlack,
                            BoxFill::Hollow());
        else
            surface.DrawBox(kCellOrigin, start, width + kCellOrigin, end, kBlack,
                            BoxFill::Hollow());
        // The number is laid out like a cell's text, in the uniform cell size.
        const TextBox text{horizontal ? start : kCellOrigin, horizontal ? kCellOrigin : start,
                           width - settings.lineThickness, height - settings.lineThickness};
        LayOutCellText(surface, QString::number(i + 1),
                       horizontal ? Alignment::Centred : Alignment::Left, text, font, kBlack);
    }
}

void DrawRulers(DrawingSurface& surface, QImage& columnRuler, QImage& rowRuler, int rulerKind,
                const Document* table, QPoint scroll, int32_t pageColour) {
    for (QImage* picture : {&columnRuler, &rowRuler}) {
        surface.SelectTarget(*picture);
        surface.FillTarget(pageColour);
    }
    for (const auto orientation : {RulerOrientation::Horizontal, RulerOrientation::Vertical}) {
        const bool horizontal = orientation == RulerOrientation::Horizontal;
        QImage& ruler = horizontal ? columnRuler : rowRuler;
        // The scroll is 0 or negative; the ruler starts where the view does.
        const int offset = -(horizontal ? scroll.x() : scroll.y());
        switch (rulerKind) {
        case kMillimetreRuler:
            DrawMillimetreRuler(surface, ruler, orientation, offset);
            break;
        case kPixelRuler:
            DrawPixelRuler(surface, ruler, kPixelRulerLength + offset, orientation, offset);
            break;
        case kCellRuler:
            if (table)
                DrawCellRuler(surface, ruler, table->settings, orientation, offset);
            else
                StartRuler(surface, ruler);
            break;
        default:
            break;
        }
    }
}
