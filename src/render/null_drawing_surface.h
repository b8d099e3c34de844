// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/drawing_surface.h"

// A surface that draws and measures nothing. Drawing never changes the table, so a redraw on
// it leaves the document exactly as a visible redraw does (series evaluated, extent,
// tableRetouched, the corner cell under both title bars), at a fraction of the cost, for
// callers that need the table's state but not its picture.
class NullDrawingSurface : public DrawingSurface {
public:
    void SelectTarget(QImage&) override {}
    bool ShowsNothing() const override { return true; }
    void ReleaseTarget() override {}
    void FillTarget(int32_t) override {}
    void SetPenWidth(int) override {}
    void SetPenStyle(PenStyle) override {}
    void DrawLine(double, double, double, double, int32_t) override {}
    void DrawBox(double, double, double, double, int32_t, BoxFill) override {}
    void CopyPicture(const QImage&, double, double) override {}
    void DrawIcon(const QImage&, double, double) override {}
    void SelectFont(const CellFont&) override {}
    void SetTextColour(int32_t) override {}
    void DrawText(double, double, const QString&) override {}
    TextExtent MeasureText(const QString&) const override { return {}; }
    int FitCharacters(const QString& text, int) const override { return int(text.size()); }
    void SetTextJustification(int, int) override {}
    int LineHeight() const override { return 0; }
};
