// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/svg_drawing_surface.h"

#include "render/picture.h"
#include "render/surface_shapes.h"
#include "render/xml_text.h"

#include <QIODevice>
#include <QImage>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

// What the surface holds before it writes on to the device.
constexpr qsizetype kBlockBytes = 64 * 1024;

void AppendNumber(QByteArray& out, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end - digits);
}

// The centre of the pixels at `pixel` along one axis.
void AppendCentre(QByteArray& out, int pixel) {
    if (pixel < 0) out.append('-');
    AppendNumber(out, pixel < 0 ? -pixel - 1 : pixel);
    out.append(".5");
}

void AppendColour(QByteArray& out, int32_t bgr) {
    static constexpr char kHex[] = "0123456789abcdef";
    const auto value = uint32_t(bgr);
    out.append('#');
    for (const int shift : {0, 8, 16}) {
        out.append(kHex[(value >> (shift + 4)) & 0xF]);
        out.append(kHex[(value >> shift) & 0xF]);
    }
}

void AppendAttribute(QByteArray& out, const char* name, int value) {
    out.append(' ');
    out.append(name);
    out.append("=\"");
    AppendNumber(out, value);
    out.append('"');
}

// The opacity of a tint, as the raster surfaces blend it.
const QByteArray kTintOpacity =
    " fill-opacity=\"" + QByteArray::number(kTintAlpha / 255.0, 'g', 4) + '"';

} // namespace

SvgDrawingSurface::SvgDrawingSurface(QIODevice& device, QSize size) : device_(device), size_(size) {
    buffer_.reserve(kBlockBytes + kBlockBytes / 4);
    // Spaces in text are kept as they are, as the table shows them.
    buffer_.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                   "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\"");
    AppendAttribute(buffer_, "width", size.width());
    AppendAttribute(buffer_, "height", size.height());
    buffer_.append(" viewBox=\"0 0 ");
    AppendNumber(buffer_, size.width());
    buffer_.append(' ');
    AppendNumber(buffer_, size.height());
    // Outlines keep their square corners in every reader.
    buffer_.append("\" xml:space=\"preserve\">\n<title>Quadrivel table</title>\n"
                   "<g stroke-linejoin=\"miter\">\n");
    SelectFont(font_);
    SetTextColour(0);
}

void SvgDrawingSurface::Flush() {
    if (failure_.isEmpty() && device_.write(buffer_) != buffer_.size())
        failure_ = device_.errorString();
    buffer_.resize(0);
}

QString SvgDrawingSurface::Finish() {
    buffer_.append("</g>\n</svg>\n");
    Flush();
    return failure_;
}

void SvgDrawingSurface::AppendRect(int left, int top, int right, int bottom, int32_t colour,
                                   QByteArrayView more) {
    if (right < left || bottom < top) return;
    buffer_.append("<rect");
    AppendAttribute(buffer_, "x", left);
    AppendAttribute(buffer_, "y", top);
    AppendAttribute(buffer_, "width", right - left + 1);
    AppendAttribute(buffer_, "height", bottom - top + 1);
    buffer_.append(" fill=\"");
    AppendColour(buffer_, colour);
    buffer_.append('"');
    buffer_.append(more);
    buffer_.append("/>\n");
    if (buffer_.size() >= kBlockBytes) Flush();
}

void SvgDrawingSurface::FillTarget(int32_t colour) {
    AppendRect(0, 0, size_.width() - 1, size_.height() - 1, colour);
}

// The runs of the dotted line as one path of rectangles.
void SvgDrawingSurface::AppendDottedLine(int along1, int along2, PixelSpan across, bool horizontal,
                                         int32_t colour) {
    const int limit = (horizontal ? size_.width() : size_.height()) - 1;
    const int thickness = across.last - across.first + 1;
    QByteArray path;
    ForEachDottedRun(along1, along2, limit, [&](int first, int last) {
        path.append('M');
        AppendNumber(path, horizontal ? first : across.first);
        path.append(' ');
        AppendNumber(path, horizontal ? across.first : first);
        const int length = last - first + 1;
        const char* sides = horizontal ? "hvh" : "vhv";
        path.append(sides[0]);
        AppendNumber(path, length);
        path.append(sides[1]);
        AppendNumber(path, thickness);
        path.append(sides[2]);
        AppendNumber(path, -length);
        path.append('z');
    });
    if (path.isEmpty()) return;
    buffer_.append("<path fill=\"");
    AppendColour(buffer_, colour);
    buffer_.append("\" d=\"" + path + "\"/>\n");
    if (buffer_.size() >= kBlockBytes) Flush();
}

void SvgDrawingSurface::DrawLine(double x1, double y1, double x2, double y2, int32_t colour) {
    const int ax1 = RoundCoordinate(x1), ay1 = RoundCoordinate(y1);
    const int ax2 = RoundCoordinate(x2), ay2 = RoundCoordinate(y2);
    const bool dotted = penStyle_ == PenStyle::Dotted;
    if (ay1 == ay2 || ax1 == ax2) {
        const bool horizontal = ay1 == ay2;
        const PixelSpan across = PenSpan(horizontal ? ay1 : ax1, penWidth_);
        const int along1 = horizontal ? ax1 : ay1, along2 = horizontal ? ax2 : ay2;
        if (dotted)
            AppendDottedLine(along1, along2, across, horizontal, colour);
        else if (horizontal)
            AppendRect(std::min(ax1, ax2), across.first, std::max(ax1, ax2), across.last, colour);
        else
            AppendRect(across.first, std::min(ay1, ay2), across.last, std::max(ay1, ay2), colour);
        return;
    }
    // Slanted lines are the renderer's, as on every surface.
    buffer_.append("<line");
    AppendAttribute(buffer_, "x1", ax1);
    AppendAttribute(buffer_, "y1", ay1);
    AppendAttribute(buffer_, "x2", ax2);
    AppendAttribute(buffer_, "y2", ay2);
    AppendAttribute(buffer_, "stroke-width", PenWidth(penWidth_));
    buffer_.append(" stroke-linecap=\"square\"");
    if (dotted) buffer_.append(" stroke-dasharray=\"3 3\"");
    buffer_.append(" stroke=\"");
    AppendColour(buffer_, colour);
    buffer_.append("\"/>\n");
    if (buffer_.size() >= kBlockBytes) Flush();
}

// The hatch's pixels as lines through their centres, cut to the inside by hand.
void SvgDrawingSurface::AppendDiagonalCross(int left, int top, int right, int bottom,
                                            int32_t colour) {
    buffer_.append("<path fill=\"none\" stroke-linecap=\"square\" stroke=\"");
    AppendColour(buffer_, colour);
    buffer_.append("\" d=\"");
    ForEachDiagonalCrossSegment(left, top, right, bottom, [this](int x1, int y1, int x2, int y2) {
        buffer_.append('M');
        AppendCentre(buffer_, x1);
        buffer_.append(' ');
        AppendCentre(buffer_, y1);
        buffer_.append('L');
        AppendCentre(buffer_, x2);
        buffer_.append(' ');
        AppendCentre(buffer_, y2);
    });
    buffer_.append("\"/>\n");
}

void SvgDrawingSurface::DrawBox(double x1, double y1, double x2, double y2, int32_t outline,
                                BoxFill fill) {
    const BoxPixels box(x1, y1, x2, y2, penWidth_);
    const PixelSpan leftBand = box.leftBand, rightBand = box.rightBand;
    const PixelSpan topBand = box.topBand, bottomBand = box.bottomBand;
    // Bands that meet leave no inside: together they cover the whole box.
    if (!box.HasInside()) {
        AppendRect(leftBand.first, topBand.first, rightBand.last, bottomBand.last, outline);
        return;
    }
    // Filled rectangles on whole pixels look alike in every reader, where stroked corners do
    // not. A solid box is its outline's colour under its fill.
    if (fill.kind == BoxFill::Kind::Solid) {
        AppendRect(leftBand.first, topBand.first, rightBand.last, bottomBand.last, outline);
        AppendRect(box.insideLeft, box.insideTop, box.insideRight, box.insideBottom, fill.colour);
        return;
    }
    if (fill.kind == BoxFill::Kind::DiagonalCross)
        AppendDiagonalCross(box.insideLeft, box.insideTop, box.insideRight, box.insideBottom,
                            fill.colour);
    if (fill.kind == BoxFill::Kind::Tint) {
        AppendRect(box.insideLeft, box.insideTop, box.insideRight, box.insideBottom, fill.colour,
                   kTintOpacity);
    }
    // The outline alone: the box without its inside.
    buffer_.append("<path fill-rule=\"evenodd\" fill=\"");
    AppendColour(buffer_, outline);
    buffer_.append("\" d=\"");
    for (const auto& [x1, y1, x2, y2] :
         {std::array{leftBand.first, topBand.first, rightBand.last + 1, bottomBand.last + 1},
          std::array{box.insideLeft, box.insideTop, box.insideRight + 1, box.insideBottom + 1}}) {
        buffer_.append('M');
        AppendNumber(buffer_, x1);
        buffer_.append(' ');
        AppendNumber(buffer_, y1);
        buffer_.append('H');
        AppendNumber(buffer_, x2);
        buffer_.append('V');
        AppendNumber(buffer_, y2);
        buffer_.append('H');
        AppendNumber(buffer_, x1);
        buffer_.append('z');
    }
    buffer_.append("\"/>\n");
    if (buffer_.size() >= kBlockBytes) Flush();
}

void SvgDrawingSurface::AppendPicture(const QImage& picture, double x, double y) {
    if (picture.isNull()) return;
    const QString failure =
        pictures_.Append(buffer_, picture, RoundCoordinate(x), RoundCoordinate(y));
    if (!failure.isEmpty() && failure_.isEmpty()) failure_ = failure;
    if (buffer_.size() >= kBlockBytes) Flush();
}

void SvgDrawingSurface::CopyPicture(const QImage& source, double x, double y) {
    AppendPicture(source, x, y);
}

void SvgDrawingSurface::DrawIcon(const QImage& icon, double x, double y) {
    AppendPicture(icon, x, y);
}

void SvgDrawingSurface::SelectFont(const CellFont& font) {
    measures_.SelectFont(font);
    const bool same = font.rotated == font_.rotated && font.font == font_.font;
    font_ = font;
    if (same && !fontAttributes_.isEmpty()) return;
    const QFont& face = font.font;
    fontAttributes_ = " font-family=\"";
    AppendXmlText(fontAttributes_, face.family());
    fontAttributes_.append('"');
    const int pixels = face.pixelSize() > 0
                           ? face.pixelSize()
                           : int(std::lround(face.pointSizeF() * kDotsPerInch / 72));
    AppendAttribute(fontAttributes_, "font-size", pixels);
    if (face.weight() != QFont::Normal)
        AppendAttribute(fontAttributes_, "font-weight", face.weight());
    if (face.italic()) fontAttributes_.append(" font-style=\"italic\"");
    if (face.underline() || face.strikeOut()) {
        fontAttributes_.append(" text-decoration=\"");
        if (face.underline()) fontAttributes_.append("underline");
        if (face.underline() && face.strikeOut()) fontAttributes_.append(' ');
        if (face.strikeOut()) fontAttributes_.append("line-through");
        fontAttributes_.append('"');
    }
}

void SvgDrawingSurface::SetTextColour(int32_t colour) {
    textColour_.resize(0);
    AppendColour(textColour_, colour);
}

// Each piece of a justified line is a text of its own, placed where the pixels put it.
void SvgDrawingSurface::DrawText(double x, double y, const QString& text) {
    if (text.isEmpty()) return;
    const int left = RoundCoordinate(x), top = RoundCoordinate(y);
    const int ascent = measures_.Ascent();
    ForEachJustifiedRun(text, justifyExtra_, justifyBreaks_,
                        [&](qsizetype start, int shift, QStringView piece) {
                            buffer_.append("<text");
                            const int along = measures_.Width(text, start) + shift;
                            // A rotated font turns the line clockwise about its top-left corner.
                            if (font_.rotated) {
                                buffer_.append(" transform=\"translate(");
                                AppendNumber(buffer_, left);
                                buffer_.append(' ');
                                AppendNumber(buffer_, top);
                                buffer_.append(") rotate(90)\"");
                            }
                            AppendAttribute(buffer_, "x", font_.rotated ? along : left + along);
                            AppendAttribute(buffer_, "y", font_.rotated ? ascent : top + ascent);
                            buffer_.append(fontAttributes_);
                            buffer_.append(" fill=\"" + textColour_ + '"');
                            buffer_.append('>');
                            AppendXmlText(buffer_, piece);
                            buffer_.append("</text>\n");
                        });
    if (buffer_.size() >= kBlockBytes) Flush();
}

TextExtent SvgDrawingSurface::MeasureText(const QString& text) const {
    return measures_.MeasureText(text);
}

int SvgDrawingSurface::FitCharacters(const QString& text, int width) const {
    return measures_.FitCharacters(text, width);
}

void SvgDrawingSurface::SetTextJustification(int extra, int breakCount) {
    justifyExtra_ = extra;
    justifyBreaks_ = breakCount;
}

int SvgDrawingSurface::LineHeight() const {
    return measures_.LineHeight();
}
