// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/table_renderer.h"

#include "content/number_format.h"
#include "content/operations.h"
#include "content/table_extent.h"
#include "content/table_settle.h"
#include "model/document.h"
#include "render/cell_font_cache.h"
#include "render/cell_icon.h"
#include "render/cell_image.h"
#include "render/drawing_surface.h"
#include "render/image_report_memory.h"
#include "render/message_sink.h"
#include "render/picture.h"
#include "render/table_spans.h"
#include "render/text_layout.h"

#include <QImage>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr int32_t kFrameBlack = 0x000000;
constexpr int32_t kMarkRed = 0x0000FF;
constexpr int32_t kMissingImageSilver = 0xC0C0C0;
constexpr int32_t kSelectedBlue = 0x8B0000;
// Image cells in the line-only styles: an outline that is almost, but not quite, white.
constexpr int32_t kImageCellAreaOutline = 0xFFFFFE;

constexpr int kFrameRight = 1119;
constexpr int kFrameBottom = 1122;
constexpr int kPageMark = 794;

// Keeps sizes computed from stored rectangles of a corrupt file far from int overflow.
int ClampedPixels(double value) {
    constexpr double kLimit = 1 << 24;
    return int(std::clamp(value, -kLimit, kLimit));
}

int16_t ClampedInt16(double value) {
    return int16_t(std::clamp<double>(value, std::numeric_limits<int16_t>::min(),
                                      std::numeric_limits<int16_t>::max()));
}

struct DrawnRect {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// Where cells are drawn: the stored rectangle pushed by the separators of the columns and
// rows before it, widened by the separators its joined block spans, moved by the origin.
class TableGeometry {
public:
    TableGeometry(const Document& document, const TableSpans& spans, int originX, int originY)
        : document_(document), spans_(spans), columns_(TableColumnCount(document)),
          rows_(TableRowCount(document)), separator_(document.settings.separatorPixels),
          originX_(originX), originY_(originY) {}

    int columns() const { return columns_; }
    int rows() const { return rows_; }

    DrawnRect Cell(int column, int row) const {
        const CellRecord& cell = document_.cell(column, row);
        const double s = separator_;
        return {double(cell.left) + column * s + originX_, double(cell.top) + row * s + originY_,
                double(cell.right) + column * s + originX_ + spans_.right.at(column, row) * s,
                double(cell.bottom) + row * s + originY_ + spans_.down.at(column, row) * s};
    }

    // The drawn size of a cell, its block's separators included.
    int CellWidth(int column, int row) const {
        const CellRecord& cell = document_.cell(column, row);
        return ClampedPixels(double(cell.right) - cell.left +
                             double(spans_.right.at(column, row)) * separator_);
    }
    int CellHeight(int column, int row) const {
        const CellRecord& cell = document_.cell(column, row);
        return ClampedPixels(double(cell.bottom) - cell.top +
                             double(spans_.down.at(column, row)) * separator_);
    }

    double RowRightEdge(int row) const { return Cell(columns_ - 1, row).x2; }
    double ColumnBottomEdge(int column) const { return Cell(column, rows_ - 1).y2; }

    DrawnRect HorizontalBar(int first) const {
        const DrawnRect start = Cell(first, 0);
        return {start.x1, start.y1, RowRightEdge(0),
                double(document_.cell(first, 0).bottom) + originY_ +
                    double(spans_.down.at(columns_ - 1, 0)) * separator_};
    }
    DrawnRect VerticalBar(int first) const {
        const DrawnRect start = Cell(0, first);
        return {start.x1, start.y1,
                double(document_.cell(0, first).right) + originX_ +
                    double(spans_.right.at(0, rows_ - 1)) * separator_,
                ColumnBottomEdge(0)};
    }

private:
    const Document& document_;
    const TableSpans& spans_;
    int columns_;
    int rows_;
    int separator_;
    int originX_;
    int originY_;
};

// The drawn corner of the bottom-right cell.
DrawnRect LastCell(const TableGeometry& geometry) {
    return geometry.Cell(geometry.columns() - 1, geometry.rows() - 1);
}

void DrawBox(DrawingSurface& surface, const DrawnRect& rect, int32_t outline, BoxFill fill) {
    surface.DrawBox(rect.x1, rect.y1, rect.x2, rect.y2, outline, fill);
}

// A fill of the page colour is left out when the page is to be seen through.
bool SeeThrough(const TableSettings& settings, bool seeThroughPage, int32_t fill) {
    return seeThroughPage && fill == settings.pageColour;
}

BoxFill AreaFill(const TableSettings& settings, bool seeThroughPage, int32_t fill) {
    return SeeThrough(settings, seeThroughPage, fill) ? BoxFill::Hollow() : BoxFill::Solid(fill);
}

// The cell's box in the table's grid style.
void DrawCellBox(DrawingSurface& surface, const Document& document, const TableGeometry& geometry,
                 int column, int row, bool seeThroughPage) {
    const TableSettings& settings = document.settings;
    const CellRecord& cell = document.cell(column, row);
    const DrawnRect rect = geometry.Cell(column, row);
    const bool image = cell.backColour == kImageCellMarker;
    const BoxFill fill =
        image ? BoxFill::Hollow() : AreaFill(settings, seeThroughPage, cell.backColour);
    const bool rowLines = settings.horizontalLinesWithCellAreas == 1;
    const bool columnLines = settings.verticalLinesWithCellAreas == 1;
    if (!rowLines && !columnLines) {
        DrawBox(surface, rect, settings.lineColour, fill);
        return;
    }
    // Cell areas: the box has no visible border; separators carry the lines. An area of the
    // page colour seen through has no border either.
    if (image || !SeeThrough(settings, seeThroughPage, cell.backColour))
        DrawBox(surface, rect, image ? kImageCellAreaOutline : cell.backColour, fill);
    if (settings.separatorPixels <= 0) return;
    if (rowLines) {
        surface.DrawLine(rect.x1, rect.y2, geometry.RowRightEdge(row), rect.y2,
                         settings.lineColour);
    } else {
        surface.DrawLine(rect.x2, rect.y1, rect.x2, geometry.ColumnBottomEdge(column),
                         settings.lineColour);
    }
}

// The title bars leave out the corner cell when both are on.
int FirstBarCell(const TableSettings& settings) {
    return BothTitleBars(settings) ? 1 : 0;
}

void DrawHorizontalBarBox(DrawingSurface& surface, const Document& document,
                          const TableGeometry& geometry, bool seeThroughPage) {
    const TableSettings& settings = document.settings;
    DrawBox(surface, geometry.HorizontalBar(FirstBarCell(settings)), settings.horizontalBarBorder,
            AreaFill(settings, seeThroughPage, settings.horizontalBarFill));
}

void DrawVerticalBarBox(DrawingSurface& surface, const Document& document,
                        const TableGeometry& geometry, bool seeThroughPage) {
    const TableSettings& settings = document.settings;
    DrawBox(surface, geometry.VerticalBar(FirstBarCell(settings)), settings.verticalBarBorder,
            AreaFill(settings, seeThroughPage, settings.verticalBarFill));
}

// Passes an image cell's read error on only when the user has not been told yet.
class CellImageMessages final : public MessageSink {
public:
    CellImageMessages(MessageSink& messages, ImageReportMemory& reports, int column, int row,
                      const QString& path)
        : messages_(messages), reports_(reports), column_(column), row_(row), path_(path) {}

    void ShowMessage(const QString& text) override {
        if (reports_.ShouldReport(column_, row_, path_)) messages_.ShowMessage(text);
    }

private:
    MessageSink& messages_;
    ImageReportMemory& reports_;
    int column_;
    int row_;
    const QString& path_;
};

// One redraw's drawing of cells and title bars, with the fonts and files it has loaded.
class TablePainter {
public:
    TablePainter(DrawingSurface& surface, const Document& document, const TableGeometry& geometry,
                 const RenderOptions& options, MessageSink& messages, ImageReportMemory& reports,
                 QSize pictureSize)
        : surface_(surface), document_(document), geometry_(geometry), options_(options),
          messages_(messages), reports_(reports), thickness_(document.settings.lineThickness),
          pictureSize_(pictureSize) {}

    void DrawCellPass() {
        const TableSettings& settings = document_.settings;
        const int firstRow = settings.horizontalTitleBar == 1 ? 1 : 0;
        const int firstColumn = settings.verticalTitleBar == 1 ? 1 : 0;
        std::vector<DrawnRect> selectedRects;
        for (int row = firstRow; row < geometry_.rows(); ++row) {
            for (int column = firstColumn; column < geometry_.columns(); ++column) {
                const CellRecord& cell = document_.cell(column, row);
                if (cell.cellState == kCellCancelled || cell.joinState != kJoinNone) continue;
                const DrawnRect rect = geometry_.Cell(column, row);
                if (!MayShow(rect, cell)) continue;
                // An unseen redraw needs the table's state, not its lines.
                if (!surface_.ShowsNothing())
                    DrawCellBox(surface_, document_, geometry_, column, row,
                                options_.seeThroughPage);
                if (cell.backColour == kImageCellMarker) DrawImage(cell, column, row, rect);
                // The number format is applied only for a surface that shows the text.
                if (!surface_.ShowsNothing())
                    DrawText(cell, ShownText(cell, options_.decimalMask), FontTurn::ByAlignment,
                             column, row, rect);
                DrawIcon(cell, rect);
                if (cell.selected == 1) selectedRects.push_back(rect);
            }
        }
        // After every cell, so that no neighbour's border covers a part of the frame.
        for (const DrawnRect& rect : selectedRects)
            DrawSelection(rect);
    }

    void DrawHorizontalBar() {
        DrawHorizontalBarBox(surface_, document_, geometry_, options_.seeThroughPage);
        for (int column = 0; column < geometry_.columns(); ++column)
            DrawBarCell(column, 0);
    }

    void DrawVerticalBar() {
        DrawVerticalBarBox(surface_, document_, geometry_, options_.seeThroughPage);
        for (int row = 0; row < geometry_.rows(); ++row)
            DrawBarCell(0, row);
    }

private:
    // Whether anything drawn for a cell at `rect` can reach the picture: a view of a large
    // table lays out only the cells near it. Text may run past its cell, so cells within a
    // picture's length of its edges are drawn too, but only where their text can come from:
    // upright lines run down from the cell's top, and left only when aligned right or centred.
    // Beyond its box, a cell's lines, frame and glyph overhangs stay within its font's size
    // and twice the line thickness. Everything counts for a picture without a size (a vector
    // page).
    bool MayShow(const DrawnRect& rect, const CellRecord& cell) const {
        if (pictureSize_.isEmpty()) return true;
        const double reach = kPictureSize;
        const double near =
            2.0 * thickness_ + 2.0 * std::clamp<int>(cell.fontSize, 0, kPictureSize) + 2;
        const bool upwards = IsRotated(cell.alignment);
        const bool leftwards =
            cell.alignment != Alignment::Left && cell.alignment != Alignment::Justified;
        return rect.x2 >= -reach && rect.y2 >= -reach &&
               rect.x1 <= pictureSize_.width() + (leftwards ? reach : near) &&
               rect.y1 <= pictureSize_.height() + (upwards ? reach : near);
    }

    // Title-bar cells show their stored text upright and unformatted, and their icon.
    void DrawBarCell(int column, int row) {
        const CellRecord& cell = document_.cell(column, row);
        const DrawnRect rect = geometry_.Cell(column, row);
        if (!MayShow(rect, cell)) return;
        DrawText(cell, cell.text, FontTurn::Upright, column, row, rect);
        DrawIcon(cell, rect);
        if (cell.cellState != kCellCancelled && cell.selected == 1) DrawSelection(rect);
    }

    // Over the cell's drawing, so its text, image and icon stay readable.
    void DrawSelection(const DrawnRect& rect) {
        if (options_.showSelection)
            DrawBox(surface_, rect, kSelectedBlue, BoxFill::Tint(kSelectedBlue));
    }

    void DrawImage(const CellRecord& cell, int column, int row, const DrawnRect& rect) {
        const ImageSpec image = ParseImageSpec(cell.imageSpec);
        const QString file = LocateCellFile(image.path, options_.workFileFolder);
        if (!FileExists(file)) {
            DrawBox(surface_, rect, document_.settings.lineColour,
                    BoxFill::DiagonalCross(kMissingImageSilver));
            return;
        }
        const std::optional<ImageBoxRule> box = ImageBoxFor(thickness_);
        if (!box) return;
        CellImageMessages messages(messages_, reports_, column, row, image.path);
        const QImage picture =
            LoadCellImage(file, geometry_.CellWidth(column, row) - box->shrink,
                          geometry_.CellHeight(column, row) - box->shrink, image.background,
                          images_, messages, surface_.DetailScale());
        if (!picture.isNull())
            surface_.CopyPicture(picture, rect.x1 + box->offset, rect.y1 + box->offset);
    }

    void DrawText(const CellRecord& cell, const QString& text, FontTurn turn, int column, int row,
                  const DrawnRect& rect) {
        if (surface_.ShowsNothing()) return;
        const CellFont& font = fonts_.Get(cell, options_.characterSet, turn);
        if (text.isEmpty()) return;
        const TextBox box{rect.x1 + thickness_, rect.y1 + thickness_,
                          geometry_.CellWidth(column, row) - thickness_,
                          geometry_.CellHeight(column, row) - thickness_};
        LayOutCellText(surface_, text, cell.alignment, box, font, cell.textColour);
    }

    void DrawIcon(const CellRecord& cell, const DrawnRect& rect) {
        // Nearly every cell has no icon: no path to look up.
        if (surface_.ShowsNothing() || cell.iconPath.isEmpty()) return;
        const QString path = LocateCellFile(cell.iconPath, options_.workFileFolder);
        if (!FileExists(path)) return;
        const QImage& icon = icons_.Icon(path, surface_.DetailScale());
        if (!icon.isNull()) surface_.DrawIcon(icon, rect.x1 + thickness_, rect.y1 + thickness_);
    }

    DrawingSurface& surface_;
    const Document& document_;
    const TableGeometry& geometry_;
    const RenderOptions& options_;
    MessageSink& messages_;
    ImageReportMemory& reports_;
    int thickness_;
    QSize pictureSize_;
    CellFontCache fonts_;
    ImageFileCache images_;
    IconFileCache icons_;
};

} // namespace

void ClearPicture(DrawingSurface& surface, QImage& picture, int32_t colour) {
    surface.SelectTarget(picture);
    surface.FillTarget(colour);
}

void DrawPageFrame(DrawingSurface& surface, QImage& picture, QPoint offset) {
    const int x = offset.x();
    const int y = offset.y();
    surface.SelectTarget(picture);
    surface.SetPenWidth(1);
    surface.SetPenStyle(PenStyle::Solid);
    surface.DrawBox(1 + x, 1 + y, kFrameRight + x, kFrameBottom + y, kFrameBlack,
                    BoxFill::Hollow());
    surface.SetPenStyle(PenStyle::Dotted);
    surface.DrawLine(kPageMark + x, y, kPageMark + x, kPictureSize + y, kMarkRed);
    surface.DrawLine(x, kPageMark + y, kPictureSize + x, kPageMark + y, kMarkRed);
    surface.SetPenStyle(PenStyle::Solid);
}

void SettleForDrawing(Document& document, const RenderOptions& options, const Clock& clock) {
    SettleTable(document, clock,
                options.commandsView ? SeriesShown::AsCommands : SeriesShown::Evaluated);
    int right = 0;
    int bottom = 0;
    if (!DrawnTableExtent(document, options.originX, options.originY, right, bottom)) return;
    document.extentRight = ClampedInt16(right);
    document.extentBottom = ClampedInt16(bottom);
}

void RenderTable(DrawingSurface& surface, QImage& picture, const Document& document,
                 const RenderOptions& options, MessageSink& messages, ImageReportMemory& reports) {
    surface.SelectTarget(picture);
    const TableSpans spans = ComputeSpans(document);
    const TableGeometry geometry(document, spans, options.originX, options.originY);
    if (geometry.columns() < 1 || geometry.rows() < 1) return;
    reports.ForgetChangedCells(document);

    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenWidth(document.settings.lineThickness);
    QSize drawn = picture.isNull() ? QSize() : LogicalSize(picture);
    if (options.shownHeight > 0 && !drawn.isEmpty())
        drawn.setHeight(std::min(drawn.height(), options.shownHeight));
    TablePainter painter(surface, document, geometry, options, messages, reports, drawn);
    painter.DrawCellPass();
    if (document.settings.horizontalTitleBar == 1) painter.DrawHorizontalBar();
    if (document.settings.verticalTitleBar == 1) painter.DrawVerticalBar();
}

bool DrawnTableExtent(const Document& document, int originX, int originY, int& right, int& bottom) {
    const TableSpans spans = ComputeSpans(document);
    const TableGeometry geometry(document, spans, originX, originY);
    if (geometry.columns() < 1 || geometry.rows() < 1) return false;
    const DrawnRect last = LastCell(geometry);
    right = ClampedPixels(last.x2);
    bottom = ClampedPixels(last.y2);
    return true;
}

void SettleForView(Document& document, const RenderOptions& options, const Clock& clock) {
    // The table's extent is where the table lies, wherever the view shows it.
    RenderOptions atView = options;
    atView.originX = kViewOrigin;
    atView.originY = kViewOrigin;
    SettleForDrawing(document, atView, clock);
}

void RenderTableView(DrawingSurface& surface, QImage& tablePicture, const Document& document,
                     const RenderOptions& options, MessageSink& messages,
                     ImageReportMemory& reports, QPoint scroll) {
    ClearPicture(surface, tablePicture, document.settings.pageColour);
    DrawPageFrame(surface, tablePicture, scroll);
    RenderOptions atView = options;
    atView.originX = kViewOrigin + scroll.x();
    atView.originY = kViewOrigin + scroll.y();
    RenderTable(surface, tablePicture, document, atView, messages, reports);
}

void RedrawTablePicture(DrawingSurface& surface, QImage& tablePicture, Document& document,
                        const RenderOptions& options, const Clock& clock, MessageSink& messages,
                        ImageReportMemory& reports, QPoint scroll) {
    RecomputeOperations(document);
    SettleForView(document, options, clock);
    RenderTableView(surface, tablePicture, document, options, messages, reports, scroll);
}

void DrawNewTable(DrawingSurface& surface, QImage& picture, const Document& document, int originX,
                  int originY) {
    surface.SelectTarget(picture);
    const TableSpans spans = ComputeSpans(document);
    const TableGeometry geometry(document, spans, originX, originY);
    if (geometry.columns() < 1 || geometry.rows() < 1) return;
    const TableSettings& settings = document.settings;
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenWidth(settings.lineThickness);
    const int firstRow = settings.horizontalTitleBar == 1 ? 1 : 0;
    const int firstColumn = settings.verticalTitleBar == 1 ? 1 : 0;
    for (int row = firstRow; row < geometry.rows(); ++row) {
        for (int column = firstColumn; column < geometry.columns(); ++column)
            DrawCellBox(surface, document, geometry, column, row, false);
    }
    if (settings.horizontalTitleBar == 1) DrawHorizontalBarBox(surface, document, geometry, false);
    if (settings.verticalTitleBar == 1) DrawVerticalBarBox(surface, document, geometry, false);
}

void ShowView(DrawingSurface& surface, QImage& viewPicture, const QImage& tablePicture, int scrollX,
              int scrollY) {
    surface.SelectTarget(viewPicture);
    surface.CopyPicture(tablePicture, scrollX, scrollY);
}
