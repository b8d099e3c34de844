// The canvas handler: mouse, wheel and keys of the table view.
#include "app/cell_edit_fields.h"
#include "app/editor.h"
#include "app/editor_shell.h"
#include "app/message_table.h"
#include "app/selection_run.h"
#include "app/ui.h"
#include "model/space_trim.h"
#include "render/colour.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr int32_t kLineScroll = 1;
constexpr int32_t kPageScroll = 100;
constexpr int32_t kWheelScroll = 15;
// Below the bottom edge of the last cell: the lower half of the thickest grid line.
constexpr int32_t kTableEndMargin = 4;

int FloorDivide(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

bool Editor::CellAt(int x, int y, int& column, int& row) const {
    if (state_.tableLoaded != 1) return false;
    const TableSettings& s = document_.settings;
    const int pitchX = s.gridCellWidth + s.separatorPixels;
    const int pitchY = s.gridCellHeight + s.separatorPixels;
    if (pitchX <= 0 || pitchY <= 0) return false;
    column = FloorDivide(x, pitchX);
    row = FloorDivide(y - state_.scrollY, pitchY);
    return document_.InTable(column, row);
}

void Editor::LeftClick(int x, int y) {
    int column = 0;
    int row = 0;
    if (!CellAt(x, y, column, row)) return;
    switch (state_.leftMouseMode) {
    case kLeftModeSelect:
        ClickCell(document_, state_.selection, column, row);
        RedrawView();
        return;
    case kLeftModeEdit:
        return EditCell(column, row);
    case kLeftModeImage:
        return InsertImage(column, row);
    case kLeftModeIcon:
        return InsertIcon(column, row);
    default:
        return;
    }
}

void Editor::EditCell(int column, int row) {
    CellRecord& cell = document_.cell(column, row);
    if (cell.cellState != kCellNormal || cellEditOpen_) return;
    CellEditFields fields;
    FillCellEditFields(cell, fields);
    cellEditOpen_ = true;
    const bool accepted = ui_.RunCellEditingDialog(fields, state_);
    cellEditOpen_ = false;
    if (!accepted) return;
    Snapshot();
    WriteCellEditFields(fields, cell);
    DropSnapshotIfUnchanged();
    Redraw();
}

void Editor::InsertImage(int column, int row) {
    CellRecord& cell = document_.cell(column, row);
    if (cell.cellState != kCellNormal) return;
    const QString start = TrimSpaces(cell.imageSpec.section(QLatin1Char('*'), 0, 0)).toString();
    const QString path =
        TrimSpaces(ui_.ChooseFile(FileDialogKind::Image, FileDialogMode::Open, start)).toString();
    if (path.isEmpty()) return;
    Snapshot();
    cell.imageSpec = path + QLatin1Char('*') + QString::number(cell.backColour);
    cell.backColour = kImageCellMarker;
    RedrawView();
}

void Editor::InsertIcon(int column, int row) {
    CellRecord& cell = document_.cell(column, row);
    if (cell.cellState != kCellNormal) return;
    const QString path =
        TrimSpaces(ui_.ChooseFile(FileDialogKind::Icon, FileDialogMode::Open, cell.iconPath))
            .toString();
    if (path.isEmpty()) return;
    Snapshot();
    cell.iconPath = path;
    RedrawView();
}

void Editor::RightClick(int x, int y) {
    int column = 0;
    int row = 0;
    if (!CellAt(x, y, column, row)) return;
    if (state_.rightMouseMode == kRightModeCapture) {
        // The picture may hold more pixels than the view has points.
        const QPoint pixel = (QPointF(x, y) * viewPicture_.devicePixelRatio()).toPoint();
        if (!viewPicture_.valid(pixel)) return;
        state_.capturedColour = BgrFromRgb(viewPicture_.pixel(pixel));
        ui_.ShowCapturedColour(state_.capturedColour);
    } else if (!dialogOpen_) {
        dialogOpen_ = true;
        ui_.RunFavouriteColours(state_);
        dialogOpen_ = false;
    }
}

void Editor::Scroll(int32_t newScroll) {
    // The view never moves past its ends.
    state_.scrollY = std::clamp(newScroll, kLowestScroll, 0);
    if (state_.tableLoaded == 1) ShowViewAndRulers();
    shell_.FocusTableView();
}

int32_t Editor::TableEndScroll() const {
    if (state_.tableLoaded != 1) return 0;
    // The extent is in table coordinates; the view draws the table from its origin.
    const int32_t bottom = kViewOrigin + document_.extentBottom + kTableEndMargin;
    return std::clamp(kViewHeight - bottom, kLowestScroll, 0);
}

void Editor::Key(int qtKey) {
    const int32_t y = state_.scrollY;
    switch (qtKey) {
    case Qt::Key_Down:
        return Scroll(y - kLineScroll);
    case Qt::Key_Up:
        return Scroll(y + kLineScroll);
    case Qt::Key_PageDown:
        return Scroll(y - kPageScroll);
    case Qt::Key_PageUp:
        return Scroll(y + kPageScroll);
    case Qt::Key_End:
        return Scroll(TableEndScroll());
    case Qt::Key_Home:
        return Scroll(0);
    case Qt::Key_Escape:
        if (ui_.AskYesNoDefaultNo(Messages().Message(24, 1)) && MayLeaveTable())
            shell_.CloseWindow();
        return;
    default:
        return;
    }
}

bool Editor::Wheel(int delta) {
    const int32_t before = state_.scrollY;
    if (delta < 0)
        Scroll(state_.scrollY - kWheelScroll);
    else if (delta > 0)
        Scroll(state_.scrollY + kWheelScroll);
    return state_.scrollY != before;
}
