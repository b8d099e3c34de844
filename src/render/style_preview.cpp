// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/style_preview.h"

#include "content/table_style.h"
#include "model/document.h"
#include "render/export_cut.h"
#include "render/image_report_memory.h"
#include "render/message_sink.h"
#include "render/qt_drawing_surface.h"
#include "render/table_renderer.h"

#include <algorithm>

namespace {

class UnheardMessages final : public MessageSink {
public:
    void ShowMessage(const QString&) override {}
};

// The corner of the table as a table of its own, without selection, history or password.
Document TableCorner(const Document& document) {
    Document corner;
    corner.settings = document.settings;
    TableSettings& s = corner.settings;
    s.columnCount = int16_t(std::min<int>(s.columnCount, kPreviewColumns));
    s.rowCount = int16_t(std::min<int>(s.rowCount, kPreviewRows));
    s.passwordSet = 0;
    s.password.clear();
    for (int column = 0; column < s.columnCount; ++column) {
        for (int row = 0; row < s.rowCount; ++row) {
            CellRecord& cell = corner.cell(column, row);
            cell = document.cell(column, row);
            cell.selected = 0;
            corner.commands.at(column, row) = document.commands.at(column, row);
        }
    }
    return corner;
}

} // namespace

QImage StylePreview(const Document& document, const TableStyle& style, const RenderOptions& options,
                    const Clock& clock, int scale) {
    Document corner = TableCorner(document);
    ApplyTableStyle(corner, style);
    QtDrawingSurface surface;
    UnheardMessages messages;
    ImageReportMemory reports;
    QImage preview = RenderCutPicture(ExportKind::Jpeg, surface, corner, options, clock, messages,
                                      reports, ExportLook{scale, false});
    preview.setDevicePixelRatio(scale);
    return preview;
}
