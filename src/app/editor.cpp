#include "app/editor.h"

#include "app/command_ids.h"
#include "app/editor_shell.h"
#include "app/message_table.h"
#include "app/selection_run.h"
#include "app/ui.h"
#include "content/clock.h"
#include "content/number_format.h"
#include "model/work_file.h"
#include "render/picture.h"
#include "render/rulers.h"
#include "render/table_renderer.h"

#include <QFileInfo>

QString FileNameOf(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

Editor::Editor(Ui& ui, const Clock& clock, EditorShell& shell, AppState& state)
    : ui_(ui), clock_(clock), shell_(shell), state_(state),
      tablePicture_(MakePicture(kPictureSize, kPictureSize)),
      viewPicture_(MakePicture(kPictureSize, kPictureSize)),
      columnRuler_(MakePicture(kPictureSize, kRulerThickness)),
      rowRulerSource_(MakePicture(kRulerThickness, kPictureSize)),
      rowRulerView_(MakePicture(kRulerThickness, kPictureSize)) {}

MessageTable Editor::Messages() const {
    return MessageTable(state_.settings.currentLanguage);
}

QString Editor::Pair(int g1, int e1, int g2, int e2) const {
    const MessageTable messages = Messages();
    return messages.Message(g1, e1) + QStringLiteral("\r\n") + messages.Message(g2, e2);
}

void Editor::Tell(int g1, int e1, int g2, int e2) {
    ui_.ShowMessage(Pair(g1, e1, g2, e2));
}

void Editor::Initialise(const QString& commandLine) {
    if (state_.settings.rulerKind > 3) state_.settings.rulerKind = 1;
    state_.decimalMask = BuildDecimalMask(state_.settings.decimalPlaces);
    ApplyMenuState();
    shell_.SetTitle(Title());
    ShowViewAndRulers();
    shell_.FocusTableView();

    QString path = commandLine;
    path.remove(QLatin1Char('"'));
    if (path.isEmpty()) return;
    document_.workFilePath = path;
    if (!QFileInfo(path).isFile()) {
        ui_.ShowMessage(Messages().Message(64, 1) + QStringLiteral("\r\n") + path +
                        QStringLiteral("\r\n") + Messages().Message(64, 2));
        return;
    }
    const bool current = IsWorkFile(path);
    if (current || IsPreviousWorkFile(path)) LoadAndShow(path, !current);
}

QString Editor::Title() const {
    if (state_.tableLoaded == 0) return Messages().Message(17, 1);
    const MessageTable m = Messages();
    const TableSettings& s = document_.settings;
    return m.Message(65, 1) + QString::number(s.gridCellWidth) + m.Message(65, 2) +
           QString::number(s.gridCellHeight) + m.Message(65, 3) + QString::number(s.rowCount) +
           m.Message(65, 4) + QString::number(s.columnCount) + m.Message(65, 5) +
           QString::number(s.separatorPixels) + QStringLiteral(" - ") +
           FileNameOf(document_.workFilePath) + QStringLiteral(" - ");
}

void Editor::UpdateStatusCaption() {
    shell_.SetTitle(Title());
}

void Editor::ApplyMenuState() {
    for (size_t i = 0; i < std::size(kCharacterSetCodes); ++i)
        shell_.SetCommandChecked(command::kFirstCharacterSet + int(i),
                                 kCharacterSetCodes[i] == state_.settings.characterSet);
    shell_.SetCommandChecked(command::kViewCommands, state_.commandsView == 1);
    for (size_t i = 0; i < std::size(kCopyFlagCommands); ++i)
        shell_.SetCommandChecked(kCopyFlagCommands[i], state_.settings.copyFlags[i] != 0);
    const int leftModes[] = {command::kCellSelector, command::kEditTextAndColours,
                             command::kInsertImage, command::kInsertIcon};
    for (int mode = 1; mode <= 4; ++mode)
        shell_.SetCommandChecked(leftModes[mode - 1], state_.leftMouseMode == mode);
    shell_.SetCommandChecked(command::kCapturingColour, state_.rightMouseMode == kRightModeCapture);
    shell_.SetCommandChecked(command::kFavouriteColours,
                             state_.rightMouseMode == kRightModeFavourites);
    for (int id : kTableCommands)
        shell_.SetCommandEnabled(id, state_.tableLoaded == 1);
    shell_.SetCommandEnabled(command::kUndo,
                             state_.tableLoaded == 1 && document_.undo.lastWrittenLevel >= 0);
    shell_.SetCommandEnabled(command::kPasteCell,
                             state_.tableLoaded == 1 && state_.copyBuffer.copyBufferFull == 1);
}

// After New or a successful read: the table commands but Undo and Paste come alive.
void Editor::TableShown() {
    state_.tableLoaded = 1;
    for (int id : kTableCommands)
        shell_.SetCommandEnabled(id, true);
    shell_.SetCommandEnabled(command::kUndo, false);
    shell_.SetCommandEnabled(command::kPasteCell, state_.copyBuffer.copyBufferFull == 1);
    UpdateStatusCaption();
    shell_.FocusTableView();
}

bool Editor::LoadAndShow(const QString& path, bool previousFormat) {
    const PasswordQuestion ask = [this] { return ui_.AskWorkFilePassword(); };
    const Status status = previousFormat ? LoadPreviousWorkFile(path, document_, ask)
                                         : LoadWorkFile(path, document_, ask);
    switch (status.code) {
    case StatusCode::Ok:
        break;
    case StatusCode::WrongPassword:
        return false; // the password dialog was the answer
    case StatusCode::WrongLength:
    case StatusCode::NotATable:
    case StatusCode::Unreadable:
    case StatusCode::WriteFailed:
        Tell(42, 1, 41, 1);
        return false;
    }
    state_.selection = SelectionState{};
    imageReports_ = ImageReportMemory();
    TableShown();
    Redraw();
    if (!status.warning.isEmpty())
        ui_.ShowMessage(Messages().Message(kUnreadDataGroup, kUnreadDataEntry) + status.warning);
    return true;
}

RenderOptions Editor::RenderSettings() const {
    RenderOptions options;
    options.commandsView = state_.commandsView == 1;
    options.decimalMask = state_.decimalMask;
    options.characterSet = state_.settings.characterSet;
    return options;
}

void Editor::Redraw() {
    RedrawTablePicture(surface_, tablePicture_, document_, RenderSettings(), clock_, ui_,
                       imageReports_);
    ShowViewAndRulers();
}

void Editor::RedrawView() {
    ClearPicture(surface_, tablePicture_, document_.settings.pageColour);
    DrawPageFrame(surface_, tablePicture_);
    RenderTable(surface_, tablePicture_, document_, RenderSettings(), clock_, ui_, imageReports_);
    ShowViewAndRulers();
}

void Editor::ShowViewAndRulers() {
    const int32_t page = state_.tableLoaded == 1 ? document_.settings.pageColour : 0xFFFFFF;
    ClearPicture(surface_, viewPicture_, page);
    if (state_.tableLoaded == 1) ShowView(surface_, viewPicture_, tablePicture_, 0, state_.scrollY);
    DrawRulers();
    shell_.ShowPictures();
}

void Editor::Snapshot() {
    SnapshotForUndo(document_);
    shell_.SetCommandEnabled(command::kUndo, true);
}

void Editor::SaveProgramSettings() {
    const Status status = SaveSettings(state_.settingsPath, state_.settings);
    if (!status.ok())
        ui_.ShowMessage(Messages().Message(kFailureGroup, kSaveFailedEntry) + status.detail);
}
