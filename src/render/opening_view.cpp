// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/opening_view.h"

#include "content/operations.h"
#include "render/cell_image.h"
#include "render/image_report_memory.h"
#include "render/picture.h"
#include "render/qt_drawing_surface.h"
#include "render/table_renderer.h"

QImage RenderOpeningView(Document& document, const QString& decimalMask, int16_t characterSet,
                         const Clock& clock, MessageSink& messages) {
    RecomputeOperations(document);
    QImage tablePicture = MakePicture(kPictureSize, kPictureSize);
    RenderOptions options;
    options.decimalMask = decimalMask;
    options.characterSet = characterSet;
    options.workFileFolder = WorkFileFolder(document.workFilePath);
    ImageReportMemory reports;
    QtDrawingSurface surface;
    RedrawTablePicture(surface, tablePicture, document, options, clock, messages, reports);
    surface.ReleaseTarget();
    return tablePicture;
}
