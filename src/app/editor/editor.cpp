// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/editor/editor.h"

#include "app/dialogs/ui.h"
#include "app/editor/command_ids.h"
#include "app/editor/editor_shell.h"
#include "app/messages/message_table.h"
#include "content/clock.h"
#include "content/number_format.h"
#include "content/selection_run.h"
#include "model/file_problem.h"
#include "model/work_file.h"
#include "render/cell_image.h"
#include "render/picture.h"
#include "render/rulers.h"
#include "render/table_renderer.h"

QString FileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

Editor::Editor(Ui& ui, const Clock& clock, EditorShell& shell, EditorState& state)
    : ui_(ui), clock_(clock), shell_(shell), state_(state),
      recovery_(document_,
                [this](RecoveryTrouble trouble, const QString& detail) {
                    ui_.ShowMessage(
                        Messages().Message(kRecoveryGroup, trouble == RecoveryTrouble::FolderIsLink
                                                               ? kFolderIsLinkEntry
                                                               : kCopyFailedEntry) +
                        detail);
                }),
      tablePicture_(MakePicture(kPictureSize, kPictureSize)),
      viewPicture_(MakePicture(kPictureSize, kPictureSize)),
      columnRuler_(MakePicture(kPictureSize, kRulerThickness)),
      rowRuler_(MakePicture(kRulerThickness, kPictureSize)) {}

void Editor::SetPixelRatio(qreal ratio) {
    if (ratio == pixelRatio_ || ratio <= 0) return;
    pixelRatio_ = ratio;
    // The surface may still hold a painter on one of the old pictures.
    surface_.ReleaseTarget();
    tablePicture_ = MakePicture(kPictureSize, kPictureSize, 0xFFFFFF, ratio);
    viewPicture_ = MakePicture(kPictureSize, kPictureSize, 0xFFFFFF, ratio);
    columnRuler_ = MakePicture(kPictureSize, kRulerThickness, 0xFFFFFF, ratio);
    rowRuler_ = MakePicture(kRulerThickness, kPictureSize, 0xFFFFFF, ratio);
    if (state_.tableLoaded)
        RedrawView();
    else
        ShowViewAndRulers();
}

MessageTable Editor::Messages() const {
    return MessageTable(state_.settings.currentLanguage);
}

QString Editor::Pair(MessageId first, MessageId second) const {
    const MessageTable messages = Messages();
    return messages.Message(first) + QStringLiteral("\r\n") + messages.Message(second);
}

void Editor::Tell(MessageId first, MessageId second) {
    ui_.ShowMessage(Pair(first, second));
}

void Editor::TellUnopened(const QString& detail) {
    ui_.ShowMessage(Messages().Message(kUnreadableGroup, kWorkFileUnopenedEntry) + detail);
}

void Editor::Initialise(const QString& commandLine) {
    if (state_.settings.rulerKind > 3) state_.settings.rulerKind = 1;
    // A hand-edited settings file may name a mode that does not exist.
    if (state_.settings.leftMouseMode < LeftMouseMode::SelectCells ||
        state_.settings.leftMouseMode > LeftMouseMode::InsertIcon)
        state_.settings.leftMouseMode = LeftMouseMode::SelectCells;
    state_.decimalMask = BuildDecimalMask(state_.settings.decimalPlaces);
    ApplyMenuState();
    shell_.SetTitle(Title());
    ShowViewAndRulers();
    shell_.FocusTableView();

    QString path = commandLine;
    path.remove(QLatin1Char('"'));
    if (path.isEmpty()) return;
    document_.workFilePath = path;
    // Only a name that names nothing is "not there"; a folder or a FIFO says what it is.
    const FileProblem problem = RegularFileProblem(path);
    if (problem.missing) {
        ui_.ShowMessage(Messages().Message(msg::kWorkFile) + QStringLiteral("\r\n") + path +
                        QStringLiteral("\r\n") + Messages().Message(msg::kExist));
        return;
    }
    if (!problem.none()) {
        TellUnopened(path + QStringLiteral(": ") + problem.reason);
        return;
    }
    const bool current = IsWorkFile(path);
    if (!current && !IsPreviousWorkFile(path)) {
        Tell(msg::kWrongFormatFile, msg::kTryWorkFileFrom);
        return;
    }
    LoadAndShow(path, !current);
}

QString Editor::Title() const {
    if (!state_.tableLoaded) return Messages().Message(msg::kQuadrivel);
    const MessageTable m = Messages();
    const TableSettings& s = document_.settings;
    return m.Message(msg::kWidth65) + QString::number(s.gridCellWidth) + m.Message(msg::kHeight65) +
           QString::number(s.gridCellHeight) + m.Message(msg::kRows65) +
           QString::number(s.rowCount) + m.Message(msg::kColumns65) +
           QString::number(s.columnCount) + m.Message(msg::kSeparation) +
           QString::number(s.separatorPixels) + QStringLiteral(" - ") +
           FileNameOf(document_.workFilePath) + QStringLiteral(" - ");
}

void Editor::UpdateStatusCaption() {
    shell_.SetTitle(Title());
}

void Editor::ApplyMenuState() {
    for (size_t i = 0; i < std::size(kCharacterSetCodes); ++i)
        shell_.SetCommandChecked(Nth(CommandId::FirstCharacterSet, int(i)),
                                 kCharacterSetCodes[i] == state_.settings.characterSet);
    for (int language = 1; language <= kLanguageCount; ++language)
        shell_.SetCommandChecked(LanguageCommand(language),
                                 state_.settings.currentLanguage == language);
    shell_.SetCommandChecked(CommandId::ViewCommands, state_.commandsView);
    for (size_t i = 0; i < std::size(kCopyFlagCommands); ++i)
        shell_.SetCommandChecked(kCopyFlagCommands[i], state_.settings.copyFlags[i] != 0);
    const std::pair<CommandId, LeftMouseMode> leftModes[] = {
        {CommandId::CellSelector, LeftMouseMode::SelectCells},
        {CommandId::EditTextAndColours, LeftMouseMode::EditCell},
        {CommandId::InsertImage, LeftMouseMode::InsertImage},
        {CommandId::InsertIcon, LeftMouseMode::InsertIcon}};
    for (const auto& [id, mode] : leftModes)
        shell_.SetCommandChecked(id, state_.settings.leftMouseMode == mode);
    shell_.SetCommandChecked(CommandId::CapturingColour,
                             state_.rightMouseMode == RightMouseMode::CaptureColour);
    shell_.SetCommandChecked(CommandId::FavouriteColours,
                             state_.rightMouseMode == RightMouseMode::FavouriteColours);
    for (CommandId id : kTableCommands)
        shell_.SetCommandEnabled(id, state_.tableLoaded);
    UpdateUndoCommands();
    shell_.SetCommandEnabled(CommandId::PasteCell,
                             state_.tableLoaded && state_.copyBuffer.copyBufferFull);
}

// After New or a successful read: the table commands but Undo and Paste come alive.
void Editor::TableShown() {
    state_.tableLoaded = true;
    shell_.HideStart();
    for (CommandId id : kTableCommands)
        shell_.SetCommandEnabled(id, true);
    UpdateUndoCommands();
    shell_.SetCommandEnabled(CommandId::PasteCell, state_.copyBuffer.copyBufferFull);
    UpdateStatusCaption();
    shell_.FocusTableView();
}

bool Editor::LoadAndShow(const QString& path, bool previousFormat,
                         const std::optional<QString>& boundTo) {
    bool passwordTyped = false;
    const PasswordQuestion ask = [this, &passwordTyped] {
        const QString answer = ui_.AskWorkFilePassword();
        passwordTyped = !answer.trimmed().isEmpty();
        return answer;
    };
    const Status status = previousFormat ? LoadPreviousWorkFile(path, document_, ask)
                                         : LoadWorkFile(path, document_, ask);
    switch (status.code) {
    case StatusCode::Ok:
        break;
    case StatusCode::WrongPassword:
        // A cancelled password dialog is answer enough; a wrong password is said.
        if (passwordTyped) ui_.ShowMessage(Messages().Message(kTrustGroup, kWrongPasswordEntry));
        return false;
    case StatusCode::Unreadable:
        TellUnopened(status.detail);
        return false;
    case StatusCode::WrongLength:
    case StatusCode::NotATable:
    case StatusCode::WriteFailed:
        Tell(msg::kWrongFormatFile, msg::kTryWorkFileFrom);
        return false;
    }
    // Before the drawing, so that images are looked for beside the file the table belongs to.
    if (boundTo) document_.workFilePath = *boundTo;
    ShowReplacedTable();
    if (!status.warning.isEmpty())
        ui_.ShowMessage(Messages().Message(kUnreadDataGroup, kUnreadDataEntry) + status.warning);
    if (status.missingCells > 0) {
        MarkChanged();
        ui_.ShowMessage(Messages().Message(kTrustGroup, kMissingCellsEntry) +
                        QString::number(status.missingCells));
    }
    return true;
}

void Editor::ShowReplacedTable() {
    state_.selection = SelectionState{};
    state_.cursor = CellCursor{};
    imageReports_ = ImageReportMemory();
    TableShown();
    Redraw();
}

RenderOptions Editor::RenderSettings() const {
    RenderOptions options;
    options.commandsView = state_.commandsView;
    options.decimalMask = state_.decimalMask;
    options.characterSet = state_.settings.characterSet;
    options.workFileFolder = WorkFileFolder(document_.workFilePath);
    options.shownHeight = shownHeight_;
    return options;
}

void Editor::Redraw() {
    HoldScrollInTable();
    drawnScroll_ = ScrollOffset();
    RedrawTablePicture(surface_, tablePicture_, document_, RenderSettings(), clock_, ui_,
                       imageReports_, drawnScroll_);
    ShowViewAndRulers();
}

void Editor::RedrawView() {
    HoldScrollInTable();
    SettleForView(document_, RenderSettings(), clock_);
    DrawTableView();
    ShowViewAndRulers();
}

// Draws the settled table at the current scroll: a scroll alone changes nothing to settle.
void Editor::DrawTableView() {
    drawnScroll_ = ScrollOffset();
    RenderTableView(surface_, tablePicture_, document_, RenderSettings(), ui_, imageReports_,
                    drawnScroll_);
}

void Editor::ShowViewAndRulers() {
    const int32_t page = state_.tableLoaded ? document_.settings.pageColour : 0xFFFFFF;
    ClearPicture(surface_, viewPicture_, page);
    if (state_.tableLoaded) {
        if (ScrollOffset() != drawnScroll_) DrawTableView();
        ShowView(surface_, viewPicture_, tablePicture_, 0, 0);
        DrawCursorFrame();
    }
    // The in-place editor stays over its cell when the view scrolls.
    if (inPlaceCell_) shell_.PlaceInPlaceEditor(CellRectInView(*inPlaceCell_));
    DrawRulers();
    shell_.ShowPictures();
}

void Editor::Edit(EditRedraw redraw, EditSelection selection, const std::function<bool()>& change) {
    const QString password = ProtectingPassword(document_.settings);
    Snapshot();
    const bool done = change();
    DropSnapshotIfUnchanged();
    if (ProtectingPassword(document_.settings) != password) MarkChanged();
    if (!done) return;
    if (selection == EditSelection::UsedUp) ClearSelection(document_, state_.selection);
    switch (redraw) {
    case EditRedraw::Table:
        Redraw();
        break;
    case EditRedraw::View:
        RedrawView();
        break;
    case EditRedraw::Done:
        break;
    }
    UpdateStatusCaption();
}

void Editor::Snapshot() {
    SnapshotForUndo(document_);
    UpdateUndoCommands();
}

void Editor::DropSnapshotIfUnchanged() {
    ::DropSnapshotIfUnchanged(document_);
    UpdateUndoCommands();
}

void Editor::MarkChanged() {
    MarkUnsavedChange(document_);
    UpdateUndoCommands();
}

void Editor::UpdateUndoCommands() {
    const bool loaded = state_.tableLoaded;
    shell_.SetCommandEnabled(CommandId::Undo, loaded && document_.undo.CanUndo());
    shell_.SetCommandEnabled(CommandId::Redo, loaded && document_.undo.CanRedo());
    shell_.SetModified(loaded && document_.undo.Modified());
    recovery_.Follow(loaded && document_.undo.Modified());
}

bool Editor::MayLeaveTable() {
    if (!state_.tableLoaded || !document_.undo.Modified()) return true;
    switch (ui_.AskSaveChanges(Messages().Message(kTrustGroup, kSaveChangesEntry))) {
    case SaveChoice::Save:
        return Save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    }
    return false;
}

void Editor::SaveProgramSettings() {
    const Status status = SaveSettings(state_.settingsPath, state_.settings);
    if (!status.ok())
        ui_.ShowMessage(Messages().Message(kFailureGroup, kSaveFailedEntry) + status.detail);
}
