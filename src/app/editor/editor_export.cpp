// SPDX-License-Identifier: GPL-3.0-or-later
// The cut exports, the picture and the text on the clipboard, and the rulers of the redraw.
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "app/messages/message_table.h"
#include "model/whole_file_write.h"
#include "render/export_cut.h"
#include "render/picture_file.h"
#include "render/rulers.h"
#include "render/table_text.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

namespace {

// The classic texts name the bitmap and the JPEG; the other formats of the picture export
// are named by their file.
QString ExportedMessage(const MessageTable& messages, bool bitmap, const QString& path) {
    if (bitmap) return messages.Message(msg::kExportedCutBitmap);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"jpg" || suffix == u"jpeg") return messages.Message(msg::kExportedJpegCut);
    return messages.Message(kCellEditGroup, kPictureExportedEntry) + path;
}

} // namespace

ExportLook Editor::ChosenExportLook() const {
    return {std::clamp<int>(state_.settings.exportScale, 1, kMaxExportScale),
            state_.settings.exportTransparent == 1};
}

void Editor::Export(bool bitmap) {
    const ExportKind kind = bitmap ? ExportKind::Bitmap : ExportKind::Jpeg;
    // A table with a file proposes the picture beside it, named after it; the chosen format
    // gives the extension.
    const QFileInfo workFile(document_.workFilePath);
    const QString start = document_.workFilePath.isEmpty()
                              ? state_.lastFolder
                              : workFile.dir().filePath(workFile.completeBaseName());
    const std::optional<ExportTarget> target = ui_.ChooseExportTarget(
        bitmap ? FileDialogKind::Bitmap : FileDialogKind::Jpeg, start, ChosenExportLook());
    if (!target) return;
    const QString path = target->path.trimmed();
    if (path.isEmpty()) return;
    const MessageTable messages = Messages();
    if (IsSameFile(path, document_.workFilePath)) {
        ui_.ShowMessage(messages.Message(msg::kExportCannotOverwriteOpen) + path);
        return;
    }
    if (const Status refused = RefusedOutput(path); !refused.ok()) {
        ui_.ShowMessage(messages.Message(kFailureGroup, kExportFailedEntry) + refused.detail);
        return;
    }
    ExportLook look = target->look;
    state_.settings.exportScale = look.scale;
    // A format without transparency leaves the choice made for the others as it was.
    if (TransparencyPossible(kind, path))
        state_.settings.exportTransparent = look.transparent ? 1 : 0;
    else
        look.transparent = false;

    const Status status = ExportCut(kind, path, surface_, document_, RenderSettings(), clock_, ui_,
                                    imageReports_, look);
    // Success needs no answer, so it is a note in the status line rather than a box to close.
    if (status.ok())
        shell_.ShowNote(ExportedMessage(messages, bitmap, path));
    else
        ui_.ShowMessage(messages.Message(kFailureGroup, kExportFailedEntry) + status.detail);
}

void Editor::CopyPicture() {
    // The clipboard offers the picture as PNG.
    const QString tooLarge = RasterCutProblem(ExportKind::Jpeg, QStringLiteral("image/png"),
                                              document_, ChosenExportLook());
    if (!tooLarge.isEmpty()) {
        ui_.ShowMessage(Messages().Message(kFailureGroup, kExportFailedEntry) + tooLarge);
        return;
    }
    const QImage picture = RenderCutPicture(ExportKind::Jpeg, surface_, document_, RenderSettings(),
                                            clock_, ui_, imageReports_, ChosenExportLook());
    if (!picture.isNull()) QGuiApplication::clipboard()->setImage(picture);
}

void Editor::CopyAsText() {
    // Spreadsheets take the rows and columns from the tab-separated form, documents from the
    // HTML one.
    const CellBlock block = SelectedBlock(document_);
    const QString mask = RenderSettings().decimalMask;
    auto* data = new QMimeData;
    data->setText(TableText(document_, mask, TableTextFormat::Tsv, block));
    data->setHtml(TableText(document_, mask, TableTextFormat::Html, block));
    QGuiApplication::clipboard()->setMimeData(data);
}

void Editor::DrawRulers() {
    const bool shown = state_.tableLoaded;
    ::DrawRulers(surface_, columnRuler_, rowRuler_, state_.settings.rulerKind,
                 shown ? &document_ : nullptr, shown ? ScrollOffset() : QPoint(),
                 shown ? document_.settings.pageColour : 0xFFFFFF);
}
