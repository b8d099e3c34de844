#include "render/export_cut.h"

#include "content/operations.h"
#include "model/document.h"
#include "render/bitmap_writer.h"
#include "render/drawing_surface.h"
#include "render/null_drawing_surface.h"
#include "render/picture.h"
#include "render/picture_encoders.h"
#include "render/picture_file.h"
#include "render/table_renderer.h"

#include <QImage>
#include <algorithm>

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

QImage RenderCutPicture(ExportKind kind, DrawingSurface& surface, Document& document,
                        const RenderOptions& options, const Clock& clock, MessageSink& messages,
                        ImageReportMemory& reports) {
    RecomputeOperations(document);
    const ExportFrame frame = ExportFrameFor(document.settings.lineThickness, kind);
    // The cut is known before drawing, so the table is drawn on a picture of just its size:
    // the pixels of the table picture's top-left part without the rest of it and a copy.
    // Nothing lies beyond the table picture: a larger cut would only add undrawn pixels.
    int16_t right = 0;
    int16_t bottom = 0;
    const bool drawn = DrawnTableExtent(document, frame.origin, frame.origin, right, bottom);
    const int width = std::min(right + frame.extra, kPictureSize);
    const int height = std::min(bottom + frame.extra, kPictureSize);
    QImage picture;
    if (drawn && width > 0 && height > 0)
        picture = MakePicture(width, height, document.settings.pageColour);
    RenderOptions atExport = options;
    atExport.originX = frame.origin;
    atExport.originY = frame.origin;
    // Drawn even without a picture: drawing evaluates the series and records what it finds.
    NullDrawingSurface unseen;
    RenderTable(picture.isNull() ? unseen : surface, picture, document, atExport, clock, messages,
                reports);
    surface.ReleaseTarget();
    return picture;
}

Status ExportCut(ExportKind kind, const QString& fileName, DrawingSurface& surface,
                 Document& document, const RenderOptions& options, const Clock& clock,
                 MessageSink& messages, ImageReportMemory& reports) {
    if (fileName.isEmpty()) return PictureFileFailure(fileName, QStringLiteral("no file name"));
    const QImage picture =
        RenderCutPicture(kind, surface, document, options, clock, messages, reports);
    if (picture.isNull())
        return PictureFileFailure(fileName, QStringLiteral("the table has no drawn area"));
    return kind == ExportKind::Jpeg ? SavePictureAsImage(picture, fileName)
                                    : SaveBitmap24(picture, fileName);
}
