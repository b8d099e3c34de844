// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/cell_font.h"

#include <QString>
#include <cstdint>

class QImage;

// Pixels per unit that vector output keeps of an image or icon drawn smaller than its file
// (384 to the inch in SVG, 288 in PDF): sharp in print, without the whole file in every cell.
inline constexpr double kVectorDetail = 4;

// The small set of drawing operations the table renderer, the text layout and the image
// code use. Which pixels each operation touches is stated in render/pixel_rules.h. Colours
// are 0x00BBGGRR. Coordinates are floating point and rounded when they reach the target.

enum class PenStyle { Solid, Dotted };

struct BoxFill {
    enum class Kind { Solid, Hollow, DiagonalCross, Tint };
    Kind kind = Kind::Hollow;
    int32_t colour = 0;

    static BoxFill Solid(int32_t colour) { return {Kind::Solid, colour}; }
    static BoxFill Hollow() { return {Kind::Hollow, 0}; }
    static BoxFill DiagonalCross(int32_t colour) { return {Kind::DiagonalCross, colour}; }
    // The colour laid over the inside, translucent, so what is drawn there still shows.
    static BoxFill Tint(int32_t colour) { return {Kind::Tint, colour}; }
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Every later operation draws on `picture` until another target is selected or the
    // target is released. The picture must outlive its selection.
    virtual void SelectTarget(QImage& picture) = 0;
    // True when nothing drawn on the surface can ever be seen: drawing may then skip the work
    // whose only outcome is pixels.
    virtual bool ShowsNothing() const { return false; }
    virtual void ReleaseTarget() = 0;
    virtual void FillTarget(int32_t colour) = 0;

    virtual void SetPenWidth(int width) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2, int32_t colour) = 0;
    virtual void DrawBox(double x1, double y1, double x2, double y2, int32_t outline,
                         BoxFill fill) = 0;

    // Plain copy: the source's pixels replace the target's.
    virtual void CopyPicture(const QImage& source, double x, double y) = 0;
    // Blended copy: transparent pixels of the icon leave the target as it was.
    virtual void DrawIcon(const QImage& icon, double x, double y) = 0;

    virtual void SelectFont(const CellFont& font) = 0;
    virtual void SetTextColour(int32_t colour) = 0;
    // Draws one line of text with a transparent background; (x, y) is the top-left corner of
    // its line box before any rotation of the font. A rotated font turns the line 90 degrees
    // clockwise about that point, so it reads downwards and extends to the left of x.
    virtual void DrawText(double x, double y, const QString& text) = 0;
    // Width and height of the line box of `text` in the current font, unrotated.
    virtual TextExtent MeasureText(const QString& text) const = 0;
    // How many characters from the start of `text` fit within `width` pixels.
    virtual int FitCharacters(const QString& text, int width) const = 0;
    // Spreads `extra` pixels over the first `breakCount` spaces of each line drawn next,
    // until it is called again with 0, 0.
    virtual void SetTextJustification(int extra, int breakCount) = 0;
    // The distance from one text line to the next: the font's height plus external leading.
    virtual int LineHeight() const = 0;

    // How many pixels of an image or icon go to one unit of length: pictures are loaded from
    // their files at this resolution so that a scaled surface shows their own detail. 0: the
    // file's own resolution up to kVectorDetail (vector output).
    virtual double DetailScale() const { return 1; }
};
