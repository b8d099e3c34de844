// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export_cut.h"

#include "content/operations.h"
#include "content/table_extent.h"
#include "model/document.h"
#include "render/bitmap_writer.h"
#include "render/drawing_surface.h"
#include "render/picture.h"
#include "render/qt_drawing_surface.h"
#include "render/raster_limit.h"
#include "render/table_renderer.h"
#include "render/vector_cut.h"

#include <QIODevice>
#include <QImage>
#include <algorithm>
#include <optional>

namespace {

RenderOptions AtExportOrigin(const RenderOptions& options, const ExportFrame& frame,
                             const ExportLook& look) {
    RenderOptions atExport = options;
    atExport.originX = frame.origin;
    atExport.originY = frame.origin;
    atExport.showSelection = false; // a picture for a file never shows what is selected
    atExport.seeThroughPage = look.transparent;
    return atExport;
}

// The whole table's cut at `scale`: its drawn extent plus the frame's extra. Drawing does not
// move cells, so it is known before drawing. Empty when the table has no extent.
QSize CutSize(const Document& document, const ExportFrame& frame, int scale) {
    int right = 0;
    int bottom = 0;
    if (!DrawnTableExtent(document, frame.origin, frame.origin, right, bottom)) return {};
    const QSize size((right + frame.extra) * scale, (bottom + frame.extra) * scale);
    return size.width() > 0 && size.height() > 0 ? size : QSize();
}

int Scale(const ExportLook& look) {
    return std::clamp(look.scale, 1, kMaxExportScale);
}

} // namespace

ExportFrame ExportFrameFor(int lineThickness, ExportKind kind) {
    const bool jpeg = kind == ExportKind::Jpeg;
    switch (lineThickness) {
    case 5:
        return {0, 2};
    case 4:
        return {0, 1};
    case 3:
        return {-1, 1};
    case 2:
        return {-1, jpeg ? 1 : 0};
    default:
        return {-2, jpeg ? 1 : 0};
    }
}

bool TransparencyPossible(ExportKind kind, const QString& fileName) {
    return kind == ExportKind::Jpeg && (VectorFormatFor(fileName) != VectorFormat::None ||
                                        KeepsTransparency(MimeTypeForPictureFile(fileName)));
}

QImage RenderCutPicture(ExportKind kind, DrawingSurface& surface, Document& document,
                        const RenderOptions& options, const Clock& clock, MessageSink& messages,
                        ImageReportMemory& reports, const ExportLook& look) {
    RecomputeOperations(document);
    const int scale = Scale(look);
    const ExportFrame frame = ExportFrameFor(document.settings.lineThickness, kind);
    const RenderOptions atExport = AtExportOrigin(options, frame, look);
    SettleForDrawing(document, atExport, clock);
    // The cut is known before drawing, so the table is drawn on a picture of just its size.
    const QSize cut = CutSize(document, frame, scale);
    if (cut.isEmpty()) return {};
    QImage picture = look.transparent
                         ? MakeTransparentPicture(cut.width(), cut.height())
                         : MakePicture(cut.width(), cut.height(), document.settings.pageColour);
    std::optional<QtDrawingSurface> scaled;
    DrawingSurface& drawOn = scale == 1 ? surface : scaled.emplace(scale);
    RenderTable(drawOn, picture, document, atExport, messages, reports);
    drawOn.ReleaseTarget();
    if (picture.isNull()) return picture;
    // Shown at the size of the plain picture by programs that read the resolution.
    picture.setDotsPerMeterX(picture.dotsPerMeterX() * scale);
    picture.setDotsPerMeterY(picture.dotsPerMeterY() * scale);
    return picture;
}

QString RasterCutProblem(ExportKind kind, const QString& mimeType, const Document& document,
                         const ExportLook& look) {
    const ExportFrame frame = ExportFrameFor(document.settings.lineThickness, kind);
    return PictureSizeProblem(CutSize(document, frame, Scale(look)), LargestPictureSide(mimeType));
}

bool WriterDrawsFromDocument(ExportKind kind, const QString& fileName) {
    return kind == ExportKind::Jpeg && VectorFormatFor(fileName) != VectorFormat::None;
}

EncoderChoice CutWriter(ExportKind kind, const QString& fileName, DrawingSurface& surface,
                        Document& document, const RenderOptions& options, const Clock& clock,
                        MessageSink& messages, ImageReportMemory& reports, const ExportLook& look) {
    if (fileName.isEmpty())
        return {PictureFileFailure(fileName, QStringLiteral("no file name")), {}};
    if (look.transparent && !TransparencyPossible(kind, fileName))
        return {PictureFileFailure(fileName,
                                   QStringLiteral("the format has no transparent background")),
                {}};
    if (WriterDrawsFromDocument(kind, fileName)) {
        const VectorFormat vector = VectorFormatFor(fileName);
        RecomputeOperations(document);
        const ExportFrame frame = ExportFrameFor(document.settings.lineThickness, kind);
        const RenderOptions atExport = AtExportOrigin(options, frame, look);
        SettleForDrawing(document, atExport, clock);
        const QSize cut = CutSize(document, frame, 1);
        if (cut.isEmpty())
            return {PictureFileFailure(fileName, QStringLiteral("the table has no drawn area")),
                    {}};
        return {Status::Success(), [=, &document, &messages, &reports](QIODevice& device) {
                    return WriteVectorCut(device, vector, cut, look.transparent, document, atExport,
                                          messages, reports);
                }};
    }

    // Refused before any drawing, rather than written cut.
    const QString mimeType =
        kind == ExportKind::Bitmap ? QStringLiteral("image/bmp") : MimeTypeForPictureFile(fileName);
    const QString tooLarge = RasterCutProblem(kind, mimeType, document, look);
    if (!tooLarge.isEmpty()) return {PictureFileFailure(fileName, tooLarge), {}};
    const QImage picture =
        RenderCutPicture(kind, surface, document, options, clock, messages, reports, look);
    if (picture.isNull())
        return {PictureFileFailure(fileName, QStringLiteral("the table has no drawn area")), {}};
    if (kind == ExportKind::Jpeg) return PictureEncoderFor(picture, fileName);
    // Encoded while written, so the bytes never sit beside the table as well.
    return {Status::Success(),
            [picture](QIODevice& device) { return WriteBitmap24(picture, device); }};
}

Status ExportCut(ExportKind kind, const QString& fileName, DrawingSurface& surface,
                 Document& document, const RenderOptions& options, const Clock& clock,
                 MessageSink& messages, ImageReportMemory& reports, const ExportLook& look) {
    const EncoderChoice choice =
        CutWriter(kind, fileName, surface, document, options, clock, messages, reports, look);
    return choice.status.ok() ? WritePictureFile(fileName, choice.write) : choice.status;
}
