// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/vector_cut.h"

#include "model/document.h"
#include "render/qt_drawing_surface.h"
#include "render/svg_image_sharing.h"
#include "render/table_renderer.h"

#include <QFileInfo>
#include <QIODevice>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <memory>

namespace {

// One unit of the page is one pixel of the plain picture: in a PDF a point (72 to the inch),
// in an SVG a CSS pixel (96 to the inch).
constexpr int kPdfUnitsPerInch = 72;
constexpr int kSvgUnitsPerInch = 96;

std::unique_ptr<QPaintDevice> MakeVectorDevice(QIODevice& device, VectorFormat format, QSize cut) {
    if (format == VectorFormat::Svg) {
        auto svg = std::make_unique<QSvgGenerator>();
        svg->setOutputDevice(&device);
        svg->setResolution(kSvgUnitsPerInch);
        svg->setSize(cut);
        svg->setViewBox(QRect(QPoint(0, 0), cut));
        svg->setTitle(QStringLiteral("Quadrivel table"));
        return svg;
    }
    auto pdf = std::make_unique<QPdfWriter>(&device);
    pdf->setResolution(kPdfUnitsPerInch);
    pdf->setCreator(QStringLiteral("Quadrivel"));
    pdf->setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf->setPageSize(QPageSize(cut, QString(), QPageSize::ExactMatch));
    return pdf;
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
    // Qt's SVG writer embeds every copy of a picture: the copies after the first are shared.
    SvgImageSharing sharing(device);
    QIODevice& output = format == VectorFormat::Svg ? sharing : device;
    const std::unique_ptr<QPaintDevice> page = MakeVectorDevice(output, format, cut);
    QtDrawingSurface surface(*page, cut);
    // The surface draws on the page whatever picture the renderer selects.
    QImage unused;
    surface.SelectTarget(unused);
    if (!transparent) surface.FillTarget(document.settings.pageColour);
    RenderTable(surface, unused, document, atExport, messages, reports);
    surface.ReleaseTarget(); // ends the page and writes the file
    if (format == VectorFormat::Svg && !sharing.Finish()) return device.errorString();
    return device.isOpen() ? QString() : QStringLiteral("the vector writer closed its output");
}
