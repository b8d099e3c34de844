// SPDX-License-Identifier: GPL-3.0-or-later
// Data in: a CSV or TSV file as a new table or as new texts of the open one, and a block
// copied from a spreadsheet pasted into the cells.
#include "app/dialogs/new_table_dialog.h"
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "app/messages/message_table.h"
#include "content/selection_run.h"
#include "content/table_from_data.h"
#include "model/delimited_text.h"
#include "model/file_problem.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

QString CountLine(const MessageTable& messages, int entry, int count) {
    return QStringLiteral("\r\n") + messages.Message(kDataGroup, entry) + QString::number(count);
}

} // namespace

bool Editor::AcceptDataCut(const DelimitedText& data, int columnCount, int rowCount) {
    const DataCut cut = MeasureDataCut(data, columnCount, rowCount);
    const bool columnsCut = cut.columnsLeftOut > 0 || data.moreFields;
    const bool rowsCut = cut.rowsLeftOut > 0 || data.moreRecords;
    if (!columnsCut && !rowsCut && cut.fieldsCut == 0) return true;
    const MessageTable messages = Messages();
    QString text = messages.Message(kDataGroup, kDataCutEntry);
    if (columnsCut) text += CountLine(messages, kColumnsImportedEntry, columnCount);
    if (rowsCut) text += CountLine(messages, kRowsImportedEntry, rowCount);
    if (cut.fieldsCut > 0) text += CountLine(messages, kFieldsCutEntry, cut.fieldsCut);
    return ui_.AskYesNo(text + QStringLiteral("\r\n") +
                        messages.Message(kDataGroup, kImportPartEntry));
}

std::optional<DelimitedText> Editor::ChooseAndReadData() {
    const QString path =
        ui_.ChooseFile(FileDialogKind::Data, FileDialogMode::Open, state_.lastFolder).trimmed();
    if (path.isEmpty()) return std::nullopt;
    state_.lastFolder = QFileInfo(path).absolutePath();
    QFile file;
    if (const FileProblem problem = OpenRegularFile(path, file); !problem.none()) {
        ui_.ShowMessage(Messages().Message(kDataGroup, kNoDataEntry) + FileNameOf(path) +
                        QStringLiteral(": ") + problem.reason);
        return std::nullopt;
    }
    // Read no further than a table can hold: the rest of a long file costs nothing.
    DataLimits limits;
    limits.records = kGridCapacity;
    limits.fields = kGridCapacity;
    DelimitedText data = ReadDelimitedText(file, limits);
    if (data.nulLine > 0) {
        ui_.ShowMessage(Messages().Message(kDataGroup, kNotTextEntry) +
                        QString::number(data.nulLine) + QStringLiteral("\r\n") + FileNameOf(path));
        return std::nullopt;
    }
    // A quote that never closes would swallow the rest of the file into one field.
    if (!data.HasContent() || data.unclosedQuote) {
        ui_.ShowMessage(Messages().Message(kDataGroup, kNoDataEntry) + FileNameOf(path));
        return std::nullopt;
    }
    return data;
}

void Editor::ImportData() {
    const std::optional<DelimitedText> read = ChooseAndReadData();
    if (!read) return;
    const DelimitedText& data = *read;

    // What a new table can hold is asked once, before the dialog; fewer counts chosen there
    // are the user's own choice.
    const int columns = std::clamp(data.columnCount, kFewestNewTableLines, kMostNewTableLines);
    const int rows = std::clamp(data.rowCount(), kFewestNewTableLines, kMostNewTableLines);
    if (!AcceptDataCut(data, columns, rows)) return;
    TableSettings planned = PlannedNewTable();
    planned.columnCount = int16_t(columns);
    planned.rowCount = int16_t(rows);
    if (!ui_.RunNewTableDialog(planned, state_)) return;

    // One undoable step: the open table is kept in the history of the new one.
    const bool replacing = state_.tableLoaded;
    if (replacing) Snapshot();
    UndoStore history = std::move(document_.undo);
    document_.settings = planned;
    document_.workFilePath.clear(); // imported data has no work file until it is saved
    CreateTableFromData(document_, data, planned.columnCount, planned.rowCount, kViewOrigin);
    if (replacing)
        document_.undo = std::move(history);
    else
        MarkUnsavedChange(document_);
    ShowReplacedTable();
}

void Editor::RefreshData() {
    const std::optional<DelimitedText> data = ChooseAndReadData();
    if (!data || !AcceptDataCut(*data, kGridCapacity, kGridCapacity)) return;
    RefreshOutcome outcome;
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        RefreshPlacement placement;
        outcome = RefreshTableData(document_, *data, placement);
        if (!outcome.refused) return true;
        if (!ui_.AskYesNo(Messages().Message(kDataGroup, kAddRowsEntry))) return false;
        placement.grow = true;
        outcome = RefreshTableData(document_, *data, placement);
        return true;
    });
    if (outcome.fieldsLeftOut > 0)
        ui_.ShowMessage(CountLine(Messages(), kLeftOutEntry, outcome.fieldsLeftOut).mid(2));
}

void Editor::PasteData() {
    SelectionState& selection = state_.selection;
    if (selection.selectionCount < 1) {
        Tell(msg::kPasteCell, msg::kSelectCell);
        ResetRun(selection);
        return;
    }
    const DelimitedText data = ParseDelimitedText(ui_.ClipboardText(), u'\t');
    // Text with a NUL character is no text to paste: reading stopped there.
    if (!data.HasContent() || data.nulLine > 0) {
        ui_.ShowMessage(Messages().Message(kDataGroup, kNoClipboardEntry));
        return;
    }
    DataFill fill;
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        selection.selectAllOn = false;
        fill =
            FillCellsFromData(document_, data, selection.selectionColumn, selection.selectionRow);
        return true;
    });
    const MessageTable messages = Messages();
    QString report;
    if (fill.cellsOutside > 0) report += CountLine(messages, kOutsideEntry, fill.cellsOutside);
    if (fill.cellsSkipped > 0) report += CountLine(messages, kSkippedEntry, fill.cellsSkipped);
    if (fill.fieldsCut > 0) report += CountLine(messages, kFieldsCutEntry, fill.fieldsCut);
    if (!report.isEmpty()) ui_.ShowMessage(report.mid(2));
}
