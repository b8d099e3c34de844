#include "render/export_cut.h"

#include "content/operations.h"
#include "content/table_extent.h"
#include "model/document.h"
#include "render/bitmap_writer.h"
#include "render/drawing_surface.h"
#include "render/null_drawing_surface.h"
#include "render/picture.h"
#include "render/qt_drawing_surface.h"
#include "render/table_renderer.h"
#include "render/vector_cut.h"

#include <QIODevice>
#include <QImage>
#include <algorithm>
#include <optional>

namespace {

RenderOptions AtExportOrigin(const RenderOptions& options, const ExportFrame& frame) {
    RenderOptions atExport = options;
    atExport.originX = frame.origin;
    atExport.originY = frame.origin;
    atExport.showSelection = false; // a picture for a file never shows what is selected
    return atExport;
}

// The cut's size at scale 1: nothing lies beyond the table picture, so a larger cut would
// only add undrawn pixels. Empty when the table has no extent.
QSize CutSize(const Document& document, const ExportFrame& frame) {
    if (TableColumnCount(document) < 1 || TableRowCount(document) < 1) return {};
    const int width = std::min(document.extentRight + frame.extra, kPictureSize);
    const int height = std::min(document.extentBottom + frame.extra, kPictureSize);
    if (width <= 0 || height <= 0) return {};
    return {width, height};
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
    const int scale = std::clamp(look.scale, 1, kMaxExportScale);
    const ExportFrame frame = ExportFrameFor(document.settings.lineThickness, kind);
    // The cut is known before drawing, so the table is drawn on a picture of just its size:
    // the pixels of the table picture's top-left part without the rest of it and a copy.
    // Nothing lies beyond the table picture: a larger cut would only add undrawn pixels.
    int16_t right = 0;
    int16_t bottom = 0;
    const bool drawn = DrawnTableExtent(document, frame.origin, frame.origin, right, bottom);
    const int width = std::min(right + frame.extra, kPictureSize) * scale;
    const int height = std::min(bottom + frame.extra, kPictureSize) * scale;
    QImage picture;
    if (drawn && width > 0 && height > 0)
        picture = look.transparent ? MakeTransparentPicture(width, height)
                                   : MakePicture(width, height, document.settings.pageColour);
    // Drawn even without a picture: drawing evaluates the series and records what it finds.
    NullDrawingSurface unseen;
    std::optional<QtDrawingSurface> scaled;
    DrawingSurface& drawOn =
        picture.isNull() ? unseen : (scale == 1 ? surface : scaled.emplace(scale));
    RenderTable(drawOn, picture, document, AtExportOrigin(options, frame), clock, messages,
                reports);
    drawOn.ReleaseTarget();
    if (picture.isNull()) return picture;
    // Shown at the size of the plain picture by programs that read the resolution.
    picture.setDotsPerMeterX(picture.dotsPerMeterX() * scale);
    picture.setDotsPerMeterY(picture.dotsPerMeterY() * scale);
    return picture;
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
        // The extent is known only once the table has been laid out.
        RecomputeOperations(document);
        const ExportFrame frame = ExportFrameFor(document.settings.lineThickness, kind);
        const RenderOptions atExport = AtExportOrigin(options, frame);
        QImage unused;
        NullDrawingSurface layout;
        RenderTable(layout, unused, document, atExport, clock, messages, reports);
        const QSize cut = CutSize(document, frame);
        if (cut.isEmpty())
            return {PictureFileFailure(fileName, QStringLiteral("the table has no drawn area")),
                    {}};
        return {Status::Success(), [=, &document, &clock, &messages, &reports](QIODevice& device) {
                    return WriteVectorCut(device, vector, cut, look.transparent, document, atExport,
                                          clock, messages, reports);
                }};
    }

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
