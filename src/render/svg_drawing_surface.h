// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/drawing_surface.h"
#include "render/pixel_rules.h"
#include "render/qt_drawing_surface.h"
#include "render/svg_image_sharing.h"

#include <QByteArray>
#include <QSize>

class QIODevice;

// The drawing surface that writes an SVG document of `size` units (CSS pixels) to a device as
// the drawing goes, holding only a small buffer: boxes and lines as rectangles on the pixel
// rules' whole pixels, text as <text> elements that stay selectable, images and icons as PNG
// embedded once each. Text is measured exactly as on the picture surfaces, so the table lays
// out the same. Whatever picture is selected, the drawing goes to the document.
class SvgDrawingSurface final : public DrawingSurface {
public:
    // Needs a QGuiApplication (fonts). Writes the start of the document.
    SvgDrawingSurface(QIODevice& device, QSize size);

    // Ends the document and writes what is held: an empty text, else why the document could
    // not be written whole. Nothing is drawn after.
    QString Finish();

    void SelectTarget(QImage&) override {}
    void ReleaseTarget() override {}
    void FillTarget(int32_t colour) override;

    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetPenStyle(PenStyle style) override { penStyle_ = style; }
    void DrawLine(double x1, double y1, double x2, double y2, int32_t colour) override;
    void DrawBox(double x1, double y1, double x2, double y2, int32_t outline,
                 BoxFill fill) override;

    void CopyPicture(const QImage& source, double x, double y) override;
    void DrawIcon(const QImage& icon, double x, double y) override;

    void SelectFont(const CellFont& font) override;
    void SetTextColour(int32_t colour) override;
    void DrawText(double x, double y, const QString& text) override;
    TextExtent MeasureText(const QString& text) const override;
    int FitCharacters(const QString& text, int width) const override;
    void SetTextJustification(int extra, int breakCount) override;
    int LineHeight() const override;
    double DetailScale() const override { return 0; }

private:
    // The pixels left..right, top..bottom; `more` holds further attributes.
    void AppendRect(int left, int top, int right, int bottom, int32_t colour,
                    QByteArrayView more = {});
    void AppendDiagonalCross(int left, int top, int right, int bottom, int32_t colour);
    void AppendDottedLine(int along1, int along2, PixelSpan across, bool horizontal,
                          int32_t colour);
    void AppendPicture(const QImage& picture, double x, double y);
    void Flush();

    QIODevice& device_;
    QSize size_;
    QByteArray buffer_; // written on to the device once it holds a block
    QString failure_;   // the first write or encoding that failed
    SvgImageSharing pictures_;
    // Measures text with the fonts' own metrics, as every other surface does.
    QtDrawingSurface measures_;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    CellFont font_;
    QByteArray fontAttributes_; // of every <text> in the selected font
    QByteArray textColour_;     // "#rrggbb"
    int justifyExtra_ = 0;
    int justifyBreaks_ = 0;
};
