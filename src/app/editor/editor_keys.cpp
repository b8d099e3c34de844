// SPDX-License-Identifier: GPL-3.0-or-later
// The keys and the wheel of the table view: the cell cursor, editing and scrolling.
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "app/editor/typed_key.h"
#include "app/messages/message_table.h"
#include "content/selection_run.h"
#include "model/space_trim.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int32_t kLineScroll = 1;
constexpr int32_t kPageScroll = 100;
constexpr int32_t kWheelScroll = 15;
// Below the bottom edge of the last cell: the lower half of the thickest grid line.
constexpr int32_t kTableEndMargin = 4;
// Orange: apart from the selection's dark blue and from the usual cell colours.
constexpr int32_t kCursorColour = 0x0080FF;
// Room kept between the cursor's cell and the view's edge when the view follows it.
constexpr int kCursorMargin = 4;

// The table's drawn bottom-right corner in the unscrolled view, with the room below it;
// none without a table.
std::optional<QPoint> TableEnd(const Document& document, const EditorState& state) {
    int right = 0;
    int bottom = 0;
    if (!state.tableLoaded || !DrawnTableExtent(document, kViewOrigin, kViewOrigin, right, bottom))
        return std::nullopt;
    return QPoint(right + kTableEndMargin, bottom + kTableEndMargin);
}

// The scroll that brings the span from `first` to `last` into a view `length` long, moving
// as little as it can from `scroll`; the start wins when the span is longer than the view.
int32_t ScrollToShow(int first, int last, int length, int32_t scroll) {
    scroll = std::min(scroll, int32_t(length - last - kCursorMargin));
    return std::max(scroll, int32_t(kCursorMargin - first));
}

} // namespace

void Editor::ScrollTo(int32_t x, int32_t y) {
    // The view never moves past its ends.
    const QPoint lowest = LowestScroll();
    state_.scrollX = std::clamp(x, lowest.x(), 0);
    state_.scrollY = std::clamp(y, lowest.y(), 0);
    if (state_.tableLoaded) ShowViewAndRulers();
    shell_.FocusTableView();
}

void Editor::SetShownHeight(int height) {
    const int shownBefore = shownHeight_;
    shownHeight_ = std::clamp(height, 1, kViewHeight);
    HoldScrollInTable();
    // Only a taller window can move the scroll (a lower one reaches further down), and the
    // rows it uncovers were never laid out.
    if (state_.tableLoaded && shownHeight_ > shownBefore) {
        DrawTableView();
        ShowViewAndRulers();
    }
}

// The rows of the view a lower window hides are reached by scrolling further, so the same
// part of the page stays within reach.
QPoint Editor::LowestScroll() const {
    const int32_t hidden = kViewHeight - shownHeight_;
    const std::optional<QPoint> end = TableEnd(document_, state_);
    if (!end) return {0, kLowestScroll - hidden};
    return {std::min(0, kViewWidth - end->x()),
            std::min(kLowestScroll, kViewHeight - end->y()) - hidden};
}

void Editor::HoldScrollInTable() {
    const QPoint lowest = LowestScroll();
    state_.scrollX = std::clamp(state_.scrollX, lowest.x(), 0);
    state_.scrollY = std::clamp(state_.scrollY, lowest.y(), 0);
}

int32_t Editor::TableEndScroll() const {
    const std::optional<QPoint> end = TableEnd(document_, state_);
    return end ? std::clamp(shownHeight_ - end->y(), LowestScroll().y(), 0) : 0;
}

void Editor::Key(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    const int32_t x = state_.scrollX;
    const int32_t y = state_.scrollY;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    switch (qtKey) {
    case Qt::Key_Down:
        return control ? ScrollTo(x, y - kLineScroll) : MoveCursor(0, 1, shift);
    case Qt::Key_Up:
        return control ? ScrollTo(x, y + kLineScroll) : MoveCursor(0, -1, shift);
    case Qt::Key_Right:
        return control ? ScrollTo(x - kLineScroll, y) : MoveCursor(1, 0, shift);
    case Qt::Key_Left:
        return control ? ScrollTo(x + kLineScroll, y) : MoveCursor(-1, 0, shift);
    case Qt::Key_Tab:
        return MoveByEntryKey(1, 0);
    case Qt::Key_Backtab:
        return MoveByEntryKey(-1, 0);
    // With Shift the pages and the ends go sideways.
    case Qt::Key_PageDown:
        return shift ? ScrollTo(x - kPageScroll, y) : ScrollTo(x, y - kPageScroll);
    case Qt::Key_PageUp:
        return shift ? ScrollTo(x + kPageScroll, y) : ScrollTo(x, y + kPageScroll);
    case Qt::Key_End:
        if (control) return MoveCursorToCorner(true);
        return shift ? ScrollTo(LowestScroll().x(), y) : ScrollTo(x, TableEndScroll());
    case Qt::Key_Home:
        if (control) return MoveCursorToCorner(false);
        return shift ? ScrollTo(0, y) : ScrollTo(x, 0);
    case Qt::Key_Space:
        if (shift || control) return SelectCursorLine(shift);
        break;
    case Qt::Key_F2: {
        const CellPosition at = CursorCell(document_, state_.cursor);
        OpenInPlace(at, TrimSpaces(document_.cell(at.column, at.row).text).toString());
        return;
    }
    case Qt::Key_Escape:
        if (ui_.AskYesNoDefaultNo(Messages().Message(msg::kReallyWantExitProgram)) &&
            MayLeaveTable())
            shell_.CloseWindow();
        return;
    default:
        break;
    }
    if (IsEnterKey(qtKey, text)) return MoveByEntryKey(0, shift ? -1 : 1);
    // A typed character starts the cell's new text over the cell, as in a spreadsheet.
    if (TypesText(text, modifiers)) OpenInPlace(CursorCell(document_, state_.cursor), text);
}

bool Editor::Wheel(int delta, bool sideways) {
    const QPoint before = ScrollOffset();
    const int32_t step = delta < 0 ? -kWheelScroll : delta > 0 ? kWheelScroll : 0;
    if (step != 0) ScrollTo(before.x() + (sideways ? step : 0), before.y() + (sideways ? 0 : step));
    return ScrollOffset() != before;
}

void Editor::PlaceCursor(CellPosition cell) {
    state_.cursor = {cell.column, cell.row, cell.column, cell.row};
}

// A plain move leaves the selection behind; with Shift the selection spans from where the
// moves began to the new cell.
void Editor::MoveCursor(int columnStep, int rowStep, bool extendSelection) {
    if (!state_.tableLoaded) return;
    const CellPosition from = CursorCell(document_, state_.cursor);
    MoveCursorTo(NextStop(document_, from, columnStep, rowStep), extendSelection);
}

// Ctrl+Home and Ctrl+End: the first and the last cell of the table.
void Editor::MoveCursorToCorner(bool last) {
    if (!state_.tableLoaded) return;
    const TableSettings& s = document_.settings;
    MoveCursorTo(BlockOwner(document_, last ? CellPosition{s.columnCount - 1, s.rowCount - 1}
                                            : CellPosition{0, 0}),
                 false);
}

// Shift+Space and Ctrl+Space: the cursor's whole row or column.
void Editor::SelectCursorLine(bool row) {
    if (!state_.tableLoaded) return;
    const CellPosition at = CursorCell(document_, state_.cursor);
    const TableSettings& s = document_.settings;
    const CellPosition first = row ? CellPosition{0, at.row} : CellPosition{at.column, 0};
    const CellPosition last =
        row ? CellPosition{s.columnCount - 1, at.row} : CellPosition{at.column, s.rowCount - 1};
    SelectRectangle(document_, state_.selection, first, last);
    state_.cursor = {at.column, at.row, first.column, first.row};
    RedrawView();
}

void Editor::MoveCursorTo(CellPosition to, bool extendSelection) {
    bool selectionChanged = true;
    if (extendSelection) {
        ExtendSelectionTo(to);
    } else {
        PlaceCursor(to);
        selectionChanged = !MarkedCells(document_).empty();
        if (selectionChanged) ClearSelection(document_, state_.selection);
    }
    KeepCursorInView();
    if (selectionChanged)
        RedrawView();
    else
        ShowViewAndRulers();
}

// The selection spans from where it began to `to`, which takes the cursor. With nothing
// selected (a command used the selection up), it begins at the cursor's cell.
void Editor::ExtendSelectionTo(CellPosition to) {
    const CellCursor& cursor = state_.cursor;
    const CellPosition anchor =
        MarkedCells(document_).empty()
            ? CursorCell(document_, cursor)
            : CursorCell(document_, {cursor.anchorColumn, cursor.anchorRow});
    state_.cursor = {to.column, to.row, anchor.column, anchor.row};
    SelectRectangle(document_, state_.selection, anchor, to);
}

void Editor::KeepCursorInView() {
    const QRect cell = DrawnCellRect(document_, CursorCell(document_, state_.cursor));
    const QPoint lowest = LowestScroll();
    state_.scrollX = std::clamp(ScrollToShow(cell.left(), cell.right(), kViewWidth, state_.scrollX),
                                lowest.x(), 0);
    state_.scrollY = std::clamp(
        ScrollToShow(cell.top(), cell.bottom(), shownHeight_, state_.scrollY), lowest.y(), 0);
}

QRect Editor::CellRectInView(CellPosition cell) const {
    return DrawnCellRect(document_, cell).translated(ScrollOffset());
}

// Around the cell, on its grid line and one pixel outside: the cell's own text stays clear.
void Editor::DrawCursorFrame() {
    const QRect cell = CellRectInView(CursorCell(document_, state_.cursor));
    surface_.SelectTarget(viewPicture_);
    surface_.SetPenWidth(1);
    surface_.DrawBox(cell.left(), cell.top(), cell.right(), cell.bottom(), kCursorColour,
                     BoxFill::Hollow());
    surface_.DrawBox(cell.left() - 1, cell.top() - 1, cell.right() + 1, cell.bottom() + 1,
                     kCursorColour, BoxFill::Hollow());
    surface_.ReleaseTarget();
}
