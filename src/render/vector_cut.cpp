// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/vector_cut.h"

#include "model/document.h"
#include "render/qt_drawing_surface.h"
#include "render/svg_drawing_surface.h"
#include "render/table_renderer.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>

namespace {

// One unit of the page is one pixel of the plain picture: in a PDF a point (72 to the inch).
constexpr int kPdfUnitsPerInch = 72;

void SetUpPdfPage(QPdfWriter& pdf, QSize cut) {
    pdf.setResolution(kPdfUnitsPerInch);
    pdf.setCreator(QStringLiteral("Quadrivel"));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(cut, QString(), QPageSize::ExactMatch));
}

} // namespace

VectorFormat VectorFormatFor(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    if (extension == QLatin1String("svg")) return VectorFormat::Svg;
    if (extension == QLatin1String("pdf")) return VectorFormat::Pdf;
    return VectorFormat::None;
}

QString WriteVectorCut(QIODevice& device, VectorFormat format, QSize cut, bool transparent,
                       const Document& document, const RenderOptions& atExport,
                       MessageSink& messages, ImageReportMemory& reports) {
    if (format == VectorFormat::None || cut.isEmpty())
        return QStringLiteral("no vector format for this name");
    // The renderer draws on the page whatever picture it selects.
    QImage unused;
    if (format == VectorFormat::Svg) {
        SvgDrawingSurface surface(device, cut);
        if (!transparent) surface.FillTarget(document.settings.pageColour);
        RenderTable(surface, unused, document, atExport, messages, reports);
        return surface.Finish();
    }
    QPdfWriter page(&device);
    SetUpPdfPage(page, cut);
    QtDrawingSurface surface(page, cut);
    surface.SelectTarget(unused);
    if (!transparent) surface.FillTarget(document.settings.pageColour);
    RenderTable(surface, unused, document, atExport, messages, reports);
    surface.ReleaseTarget(); // ends the page and writes the file
    return device.isOpen() ? QString() : QStringLiteral("the vector writer closed its output");
}
