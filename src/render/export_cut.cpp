#include "render/export_cut.h"

#include "content/operations.h"
#include "content/table_extent.h"
#include "model/document.h"
#include "render/bitmap_writer.h"
#include "render/drawing_surface.h"
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
    const int32_t page = document.settings.pageColour;
    QImage tablePicture = MakePicture(kPictureSize, kPictureSize, page);
    const ExportFrame frame = ExportFrameFor(document.settings.lineThickness, kind);
    RenderOptions atExport = options;
    atExport.originX = frame.origin;
    atExport.originY = frame.origin;
    atExport.showSelection = false;
    RenderTable(surface, tablePicture, document, atExport, clock, messages, reports);
    surface.ReleaseTarget();

    if (TableColumnCount(document) < 1 || TableRowCount(document) < 1) return {};
    // Nothing lies beyond the table picture: a larger cut would only add undrawn pixels.
    const int width = std::min(document.extentRight + frame.extra, kPictureSize);
    const int height = std::min(document.extentBottom + frame.extra, kPictureSize);
    if (width <= 0 || height <= 0) return {};
    return tablePicture.copy(0, 0, width, height);
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
