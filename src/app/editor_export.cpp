// The two cut exports and the rulers of the redraw.
#include "app/editor.h"
#include "app/message_table.h"
#include "app/ui.h"
#include "render/export_cut.h"
#include "render/rulers.h"

void Editor::Export(bool bitmap) {
    const QString path = ui_.ChooseFile(bitmap ? FileDialogKind::Bitmap : FileDialogKind::Jpeg,
                                        FileDialogMode::Save, state_.lastFolder)
                             .trimmed();
    if (path.isEmpty()) return;
    const Status status = ExportCut(bitmap ? ExportKind::Bitmap : ExportKind::Jpeg, path, surface_,
                                    document_, RenderSettings(), clock_, ui_, imageReports_);
    const MessageTable messages = Messages();
    if (status.ok())
        ui_.ShowMessage(bitmap ? messages.Message(54, 1) : messages.Message(9, 1));
    else
        ui_.ShowMessage(messages.Message(kFailureGroup, kExportFailedEntry) + status.detail);
}

void Editor::DrawRulers() {
    const bool shown = state_.tableLoaded == 1;
    ::DrawRulers(surface_, columnRuler_, rowRulerSource_, rowRulerView_, state_.settings.rulerKind,
                 shown ? &document_ : nullptr, state_.scrollY,
                 shown ? document_.settings.pageColour : 0xFFFFFF);
}
