// SPDX-License-Identifier: GPL-3.0-or-later
// The command handler: every menu command and the ruler button.
#include "app/dialogs/cell_edit_fields.h"
#include "app/dialogs/ui.h"
#include "app/editor/command_ids.h"
#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "app/messages/message_table.h"
#include "content/operations.h"
#include "content/selection_run.h"
#include "content/series_evaluation.h"
#include "content/table_edits.h"
#include "model/file_problem.h"
#include "model/whole_file_write.h"
#include "model/work_file.h"
#include "render/picture.h"

#include <QFileInfo>

namespace {

// Room for a word or a price on one line, or two lines of a description.
constexpr int16_t kProposedCellWidth = 100;
constexpr int16_t kProposedCellHeight = 32;

} // namespace

void Editor::Command(CommandId id) {
    // A text being typed is kept before any command acts (Save saves it, Undo takes it back).
    FinishInPlace();
    if (InRange(id, CommandId::FirstCharacterSet, CommandId::LastCharacterSet))
        return ChangeCharacterSet(id);
    if (InRange(id, CommandId::FirstLanguage, CommandId::LastLanguage))
        return ChangeLanguage(OffsetFrom(CommandId::FirstLanguage, id) + 1);
    if (InRange(id, CommandId::NumberFormatText, CommandId::LastNumberFormat))
        return SetNumberFormat(int16_t(OffsetFrom(CommandId::NumberFormatText, id)));
    if (const auto flag = CopyFlagIndex(id)) return ToggleCopyFlag(int(*flag));
    switch (id) {
    case CommandId::New:
        return NewTable();
    case CommandId::ReadFile:
        return ReadFile(false);
    case CommandId::ReadPrevious:
        return ReadFile(true);
    case CommandId::Save:
        Save();
        return;
    case CommandId::RecordFile:
        RecordFile();
        return;
    case CommandId::FormatCell:
        if (state_.tableLoaded) EditCells(CursorCell(document_, state_.cursor));
        return;
    case CommandId::JpegExport:
        return Export(false);
    case CommandId::BitmapExport:
        return Export(true);
    case CommandId::Configuration:
        return Configuration();
    case CommandId::Author:
        if (dialogOpen_) return;
        dialogOpen_ = true;
        ui_.ShowAbout(state_);
        dialogOpen_ = false;
        return;
    case CommandId::Exit:
        return Exit();
    case CommandId::Undo:
        return Undo();
    case CommandId::Redo:
        return Redo();
    case CommandId::CopyCell:
        return CopyCell();
    case CommandId::CopyPicture:
        return CopyPicture();
    case CommandId::CopyAsText:
        return CopyAsText();
    case CommandId::Sort:
        return SortRows();
    case CommandId::Find:
    case CommandId::Replace:
        if (state_.tableLoaded) shell_.ShowFindBar(id == CommandId::Replace);
        return;
    case CommandId::FindNext:
    case CommandId::FindPrevious:
        return FindStep(id == CommandId::FindPrevious);
    case CommandId::ReplaceOne:
        return ReplaceAtCursor();
    case CommandId::ReplaceAll:
        return ReplaceAll();
    case CommandId::PasteCell:
        return PasteCell();
    case CommandId::ClearCell:
        return ClearCell();
    case CommandId::SelectAll:
        return SelectAll();
    case CommandId::ToUpdate:
        return ToUpdate();
    case CommandId::CellSelector:
    case CommandId::EditTextAndColours:
    case CommandId::InsertImage:
    case CommandId::InsertIcon:
    case CommandId::CapturingColour:
    case CommandId::FavouriteColours:
        return SetMouseMode(id);
    case CommandId::MergeHorizontal:
        return Merge(true);
    case CommandId::MergeVertical:
        return Merge(false);
    case CommandId::CancelCell:
        return CancelOrStop(kCellCancelled);
    case CommandId::Stop:
        return CancelOrStop(kCellStopped);
    case CommandId::InsertColumn:
        return InsertLine(true);
    case CommandId::InsertRow:
        return InsertLine(false);
    case CommandId::RemoveLastColumn:
        return RemoveLine(true);
    case CommandId::RemoveLastRow:
        return RemoveLine(false);
    case CommandId::ResetTable:
        return ResetTable();
    case CommandId::TitleBar:
        return TitleBar();
    case CommandId::ViewCommands:
        return ViewCommands();
    case CommandId::SelectAllFields:
        return SetAllCopyFlags(true);
    case CommandId::DeselectAllFields:
        return SetAllCopyFlags(false);
    case CommandId::RulerButton:
        return CycleRuler();
    case CommandId::RefreshData:
        return RefreshData();
    case CommandId::ImportData:
        return ImportData();
    case CommandId::PasteData:
        return PasteData();
    case CommandId::AutoSum:
        return AutoSumAtCursor();
    case CommandId::TableStyle:
        return TableStyles();
    case CommandId::SaveAsStyle:
        return SaveAsStyle();
    case CommandId::ColourByValue:
        return ColourByValue();
    default:
        return;
    }
}

// The dialog plans on a copy: cancelling it leaves the open table as it was. A new table
// starts without title bars, line-only styles or the old table's password; the dialog
// proposes no counts, and the open table's cell size or a roomy default.
TableSettings Editor::PlannedNewTable() const {
    TableSettings planned = document_.settings;
    planned.horizontalTitleBar = 0;
    planned.verticalTitleBar = 0;
    planned.horizontalLinesWithCellAreas = 0;
    planned.verticalLinesWithCellAreas = 0;
    planned.passwordSet = 0;
    planned.password.clear();
    planned.columnCount = 0;
    planned.rowCount = 0;
    if (!state_.tableLoaded) {
        planned.gridCellWidth = kProposedCellWidth;
        planned.gridCellHeight = kProposedCellHeight;
    }
    return planned;
}

void Editor::NewTable() {
    if (!MayLeaveTable()) return;
    TableSettings planned = PlannedNewTable();
    if (!ui_.RunNewTableDialog(planned, state_)) return;
    StartNewTable(planned);
}

void Editor::NewTableOfSize(int columns, int rows) {
    if (!MayLeaveTable()) return;
    TableSettings planned = PlannedNewTable();
    planned.columnCount = int16_t(columns);
    planned.rowCount = int16_t(rows);
    StartNewTable(planned);
}

void Editor::StartNewTable(const TableSettings& planned) {
    document_.settings = planned;
    document_.workFilePath.clear(); // a new table has no file until it is saved
    document_.settings.tableRetouched = 0;
    CreateTable(document_, planned.columnCount, planned.rowCount, kViewOrigin, kViewOrigin,
                planned.lineColour);
    state_.selection = SelectionState{};
    state_.cursor = CellCursor{};
    imageReports_ = ImageReportMemory();
    TableShown();
    HoldScrollInTable();
    drawnScroll_ = ScrollOffset();
    ClearPicture(surface_, tablePicture_, document_.settings.pageColour);
    DrawPageFrame(surface_, tablePicture_, drawnScroll_);
    DrawNewTable(surface_, tablePicture_, document_, kViewOrigin + drawnScroll_.x(),
                 kViewOrigin + drawnScroll_.y());
    ShowViewAndRulers();
}

void Editor::ReadFile(bool previousFormat) {
    if (!MayLeaveTable()) return;
    const QString path =
        ui_.ChooseFile(FileDialogKind::WorkFile, FileDialogMode::Open, document_.workFilePath)
            .trimmed();
    if (path.isEmpty()) return;
    state_.lastFolder = QFileInfo(path).absolutePath();
    if (const FileProblem problem = RegularFileProblem(path); !problem.none()) {
        TellUnopened(path + QStringLiteral(": ") + problem.reason);
        return;
    }
    // The layout flags start off for the loaded table; a failed load restores them.
    TableSettings& s = document_.settings;
    const TableSettings before = s;
    s.horizontalTitleBar = 0;
    s.verticalTitleBar = 0;
    s.horizontalLinesWithCellAreas = 0;
    s.verticalLinesWithCellAreas = 0;
    if (!LoadAndShow(path, previousFormat)) document_.settings = before;
}

// Only a work file of the current format is written over without a word: a table read from
// a previous-version file, or bound to a file that is gone or is something else, is asked
// for a name.
bool Editor::Save() {
    const QString& path = document_.workFilePath;
    if (path.isEmpty() || !IsWorkFile(path)) return RecordFile();
    return WriteWorkFile(path);
}

bool Editor::RecordFile() {
    QString path =
        ui_.ChooseFile(FileDialogKind::WorkFile, FileDialogMode::Save, document_.workFilePath)
            .trimmed();
    if (path.isEmpty()) return false;
    state_.lastFolder = QFileInfo(path).absolutePath();
    // A FIFO or a device is refused before anyone is asked to overwrite it.
    if (const Status refused = RefusedOutput(path); !refused.ok()) {
        ui_.ShowMessage(Messages().Message(kFailureGroup, kSaveFailedEntry) + refused.detail);
        return false;
    }
    if (QFileInfo::exists(path) && !ui_.AskYesNo(Pair(msg::kFileExists, msg::kOverwrite)))
        return false;
    return WriteWorkFile(path);
}

// The file stores the series commands, not the values they generated.
bool Editor::WriteWorkFile(const QString& path) {
    RecomputeOperations(document_);
    RestoreCommands(document_);
    const Status status = SaveWorkFile(path, document_);
    if (!status.ok()) {
        ui_.ShowMessage(Messages().Message(kFailureGroup, kSaveFailedEntry) + status.detail);
        return false;
    }
    document_.workFilePath = path;
    MarkSaved(document_);
    UpdateUndoCommands();
    UpdateStatusCaption();
    return true;
}

void Editor::Configuration() {
    if (dialogOpen_) return;
    dialogOpen_ = true;
    Edit(EditRedraw::Table, EditSelection::Kept, [this] {
        const bool accepted = ui_.RunConfigurationDialog(document_.settings, state_);
        dialogOpen_ = false;
        if (!accepted) return false;
        const TableSettings& s = document_.settings;
        for (int row = 0; row < s.rowCount; ++row) {
            for (int column = 0; column < s.columnCount; ++column) {
                CellRecord& cell = document_.cell(column, row);
                cell.lineThickness = int16_t(s.lineThickness);
                cell.lineColour = s.lineColour;
                cell.pageColour = s.pageColour;
                cell.separatorPixels = s.separatorPixels;
            }
        }
        return true;
    });
}

void Editor::Exit() {
    if (!MayLeaveTable()) return;
    SaveProgramSettings();
    shell_.CloseWindow();
}

void Editor::Undo() {
    if (UndoStep(document_)) AfterUndoOrRedo();
}

void Editor::Redo() {
    if (RedoStep(document_)) AfterUndoOrRedo();
}

// The table comes back whole and unselected: counts in the caption, marks gone.
void Editor::AfterUndoOrRedo() {
    state_.selection = SelectionState{};
    UpdateUndoCommands();
    UpdateStatusCaption();
    Redraw();
}

void Editor::CopyCell() {
    SelectionState& selection = state_.selection;
    if (selection.selectionCount != 1) {
        Tell(msg::kCopyCell, msg::kSelectCell);
        ResetRun(selection);
        return;
    }
    shell_.SetCommandEnabled(CommandId::PasteCell, true);
    shell_.SetCommandEnabled(CommandId::CopyCell, true);
    state_.copyBuffer = {selection.selectionColumn, selection.selectionRow, 1};
    ClearSelection(document_, selection);
    RedrawView();
}

void Editor::PasteCell() {
    SelectionState& selection = state_.selection;
    if (selection.selectionCount < 1) {
        Tell(msg::kPasteCell, msg::kSelectCell);
        ResetRun(selection);
        return;
    }
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        selection.selectAllOn = false;
        PasteIntoSelection(document_, state_.settings, state_.copyBuffer.copySourceColumn,
                           state_.copyBuffer.copySourceRow);
        return true;
    });
}

void Editor::ClearCell() {
    SelectionState& selection = state_.selection;
    if (selection.selectionCount < 1) {
        Tell(msg::kClearCell, msg::kSelectCell);
        return;
    }
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        selection.selectAllOn = false;
        ClearSelectedCells(document_);
        return true;
    });
}

void Editor::SelectAll() {
    SelectionState& selection = state_.selection;
    selection.selectAllOn = !selection.selectAllOn;
    if (selection.selectAllOn) {
        if (selection.selectionCount == 0) MarkAllCells(document_, selection);
    } else {
        ClearSelection(document_, selection);
    }
    RedrawView();
}

void Editor::ToUpdate() {
    shell_.SetCommandEnabled(CommandId::ToUpdate, false);
    // The redraw itself is the change: series evaluated anew, today's dates.
    Edit(EditRedraw::Done, EditSelection::Kept, [this] {
        Redraw();
        return true;
    });
    shell_.SetCommandEnabled(CommandId::ToUpdate, true);
    shell_.FocusTableView();
}

void Editor::SetMouseMode(CommandId id) {
    switch (id) {
    case CommandId::CellSelector:
        return SetLeftMouseMode(LeftMouseMode::SelectCells);
    case CommandId::EditTextAndColours:
        return SetLeftMouseMode(LeftMouseMode::EditCell);
    case CommandId::InsertImage:
        return SetLeftMouseMode(LeftMouseMode::InsertImage);
    case CommandId::InsertIcon:
        return SetLeftMouseMode(LeftMouseMode::InsertIcon);
    case CommandId::CapturingColour:
        state_.rightMouseMode = RightMouseMode::CaptureColour;
        break;
    case CommandId::FavouriteColours:
        state_.rightMouseMode = RightMouseMode::FavouriteColours;
        break;
    default:
        break;
    }
    ApplyMenuState();
}

// The left mouse mode is a preference: saved at once, it outlives New and a restart.
void Editor::SetLeftMouseMode(LeftMouseMode mode) {
    state_.settings.leftMouseMode = mode;
    ApplyMenuState();
    SaveProgramSettings();
}

void Editor::Merge(bool horizontal) {
    // A refused join uses the selection up too: the next click starts a new run.
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        switch (MergeRun(document_, state_.selection, horizontal)) {
        case MergeOutcome::Joined:
            break;
        case MergeOutcome::NotARun:
            Tell(horizontal ? msg::kCannotJoinHorizontally : msg::kCannotJoinVertically,
                 msg::kHasBeenChosenCorrection);
            break;
        case MergeOutcome::NotAllowed:
            ui_.ShowMessage(Messages().Message(kTrustGroup, kJoinNotAllowedEntry));
            break;
        }
        return true;
    });
}

void Editor::CancelOrStop(int32_t cellState) {
    SelectionState& selection = state_.selection;
    if (selection.selectionCount < 1) {
        if (cellState == kCellCancelled)
            Tell(msg::kOverrideCell, msg::kSelectCell);
        else
            Tell(msg::kBlockCell, msg::kSelectCell);
        ResetRun(selection);
        return;
    }
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        document_.settings.tableRetouched = 1;
        SetStateOfSelectedCells(document_, cellState);
        return true;
    });
}

void Editor::InsertLine(bool column) {
    Edit(EditRedraw::Table, EditSelection::Kept, [&] {
        if (column ? InsertColumn(document_) : InsertRow(document_)) return true;
        Tell(column ? msg::kHaveReachedLimitColumns38 : msg::kHaveReachedLimitRows37,
             msg::kCannotInsert);
        return false;
    });
}

void Editor::RemoveLine(bool column) {
    if (document_.settings.tableRetouched == 1) {
        Tell(msg::kTableHasBeenRetouched, msg::kCannotDelete);
        return;
    }
    Edit(EditRedraw::Table, EditSelection::Kept, [&] {
        if (column ? RemoveLastColumn(document_) : RemoveLastRow(document_)) return true;
        Tell(column ? msg::kHaveReachedLimitColumns : msg::kHaveReachedLimitRows,
             msg::kCannotDelete);
        return false;
    });
}

void Editor::ResetTable() {
    Edit(EditRedraw::Table, EditSelection::Kept, [this] {
        ResetTableTexts(document_);
        return true;
    });
}

void Editor::TitleBar() {
    if (dialogOpen_) return;
    dialogOpen_ = true;
    Edit(EditRedraw::View, EditSelection::Kept, [this] {
        ui_.RunTitleBarDialog(document_.settings, state_);
        dialogOpen_ = false;
        return true;
    });
}

void Editor::ViewCommands() {
    state_.commandsView = !state_.commandsView;
    shell_.SetCommandChecked(CommandId::ViewCommands, state_.commandsView);
    if (state_.commandsView) RestoreCommands(document_);
    Redraw();
}

void Editor::ChangeLanguage(int language) {
    state_.settings.currentLanguage = language;
    SaveProgramSettings();
    shell_.RebuildMenu();
    ApplyMenuState();
    UpdateStatusCaption();
}

void Editor::ChangeCharacterSet(CommandId id) {
    state_.settings.characterSet =
        int16_t(kCharacterSetCodes[OffsetFrom(CommandId::FirstCharacterSet, id)]);
    ApplyMenuState();
}

void Editor::SetAllCopyFlags(bool value) {
    state_.settings.copyFlags.fill(value);
    ApplyMenuState();
}

void Editor::ToggleCopyFlag(int index) {
    int32_t& flag = state_.settings.copyFlags[size_t(index)];
    flag = 1 - flag;
    shell_.SetCommandChecked(kCopyFlagCommands[index], flag != 0);
}

void Editor::CycleRuler() {
    int32_t& kind = state_.settings.rulerKind;
    kind = kind >= 3 ? 1 : kind + 1;
    DrawRulers();
    shell_.ShowPictures();
    SaveProgramSettings();
}
