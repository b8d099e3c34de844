// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas handler: mouse, wheel and keys of the table view.
#include "app/dialogs/cell_edit_fields.h"
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "app/messages/message_table.h"
#include "content/selection_run.h"
#include "model/space_trim.h"
#include "render/cell_image.h"
#include "render/colour.h"

#include <QFileInfo>
#include <algorithm>

namespace {

int FloorDivide(int value, int divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

bool Editor::CellAt(int x, int y, int& column, int& row) const {
    if (!state_.tableLoaded) return false;
    const TableSettings& s = document_.settings;
    const int pitchX = s.gridCellWidth + s.separatorPixels;
    const int pitchY = s.gridCellHeight + s.separatorPixels;
    if (pitchX <= 0 || pitchY <= 0) return false;
    column = FloorDivide(x - state_.scrollX, pitchX);
    row = FloorDivide(y - state_.scrollY, pitchY);
    return document_.InTable(column, row);
}

void Editor::LeftClick(int x, int y, Qt::KeyboardModifiers modifiers) {
    FinishInPlace();
    int column = 0;
    int row = 0;
    if (!CellAt(x, y, column, row)) return;
    if (modifiers & Qt::ShiftModifier) {
        // As in a spreadsheet: the rectangle from the cursor's cell to the clicked one.
        ExtendSelectionTo(BlockOwner(document_, {column, row}));
        RedrawView();
        return;
    }
    PlaceCursor(BlockOwner(document_, {column, row}));
    if (state_.settings.leftMouseMode == LeftMouseMode::SelectCells) {
        ClickCell(document_, state_.selection, column, row);
        RedrawView();
        return;
    }
    // The cursor's frame moves before a dialog opens over the view.
    ShowViewAndRulers();
    switch (state_.settings.leftMouseMode) {
    case LeftMouseMode::EditCell:
        EditCells({column, row});
        return;
    case LeftMouseMode::InsertImage:
        return InsertImage(column, row);
    case LeftMouseMode::InsertIcon:
        return InsertIcon(column, row);
    default:
        return;
    }
}

void Editor::DoubleClick(int x, int y) {
    FinishInPlace();
    int column = 0;
    int row = 0;
    if (!CellAt(x, y, column, row)) return;
    const CellPosition owner = BlockOwner(document_, {column, row});
    PlaceCursor(owner);
    ShowViewAndRulers();
    OpenInPlace(owner, TrimSpaces(document_.cell(owner.column, owner.row).text).toString());
}

void Editor::EditCells(CellPosition at) {
    if (cellEditOpen_) return;
    std::vector<CellPosition> cells = MarkedCells(document_);
    if (cells.size() <= 1) {
        if (document_.cell(at.column, at.row).cellState != kCellNormal) return;
        cells = {at};
    }
    // The dialog shows the cell at hand, or the first selected one when that is elsewhere.
    const CellPosition shown =
        std::find(cells.begin(), cells.end(), at) != cells.end() ? at : cells.front();
    CellEditFields fields;
    FillCellEditFields(document_.cell(shown.column, shown.row), fields);
    const CellEditFields opened = fields;
    cellEditOpen_ = true;
    const bool accepted =
        ui_.RunCellEditingDialog(fields, state_, CellEditOpening{int(cells.size())});
    cellEditOpen_ = false;
    if (accepted) StoreCellEdit(cells, opened, fields);
}

void Editor::StoreCellEdit(const std::vector<CellPosition>& cells, const CellEditFields& opened,
                           const CellEditFields& accepted) {
    // The edit uses the selection up, as the other commands that act on it do; the next
    // double-click starts afresh instead of joining this cell.
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        if (cells.size() > 1) {
            // Each cell keeps what the user left alone in the dialog.
            for (const CellPosition& cell : cells)
                WriteChangedCellEditFields(opened, accepted, document_.cell(cell.column, cell.row));
        } else {
            WriteCellEditFields(accepted, document_.cell(cells.front().column, cells.front().row));
        }
        return true;
    });
}

void Editor::InsertImage(int column, int row) {
    CellRecord& cell = document_.cell(column, row);
    if (cell.cellState != kCellNormal) return;
    const ImageSpec shown = ParseImageSpec(cell.imageSpec);
    const QString path =
        TrimSpaces(ui_.ChooseFile(FileDialogKind::Image, FileDialogMode::Open, shown.path))
            .toString();
    if (path.isEmpty()) return;
    Edit(EditRedraw::View, EditSelection::Kept, [&] {
        // A cell that already shows an image keeps the colour under it, not the image marker.
        const int32_t background =
            cell.backColour == kImageCellMarker ? shown.background : cell.backColour;
        cell.imageSpec = path + QLatin1Char('*') + QString::number(background);
        cell.backColour = kImageCellMarker;
        return true;
    });
}

void Editor::InsertIcon(int column, int row) {
    CellRecord& cell = document_.cell(column, row);
    if (cell.cellState != kCellNormal) return;
    const QString path =
        TrimSpaces(ui_.ChooseFile(FileDialogKind::Icon, FileDialogMode::Open, cell.iconPath))
            .toString();
    if (path.isEmpty()) return;
    Edit(EditRedraw::View, EditSelection::Kept, [&] {
        cell.iconPath = path;
        return true;
    });
}

void Editor::RightClick(int x, int y) {
    FinishInPlace();
    int column = 0;
    int row = 0;
    if (!CellAt(x, y, column, row)) return;
    if (state_.rightMouseMode == RightMouseMode::CaptureColour) {
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
