// SPDX-License-Identifier: GPL-3.0-or-later
// The in-place editor: typing over the cell, and the one commit path of a typed text.
#include "app/dialogs/cell_edit_fields.h"
#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "render/cell_font.h"
#include "render/colour.h"

namespace {

Qt::Alignment HorizontalAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Centred:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft; // justified and the turned texts are typed from the left
    }
}

// The cell's own look; an image cell shows its text on white while it is typed. The text is
// typed upright even in a cell that shows it turned.
InPlaceLook LookOf(const CellRecord& cell, const QRect& place, int16_t characterSet) {
    InPlaceLook look;
    look.place = place;
    look.font = MakeCellFont(cell, characterSet, FontTurn::Upright).font;
    look.background = ColourFromBgr(cell.backColour < 0 ? kWhite : cell.backColour);
    look.text = ColourFromBgr(cell.textColour);
    look.alignment = HorizontalAlignment(cell.alignment);
    return look;
}

} // namespace

void Editor::OpenInPlace(CellPosition at, const QString& text) {
    if (!state_.tableLoaded || inPlaceCell_) return;
    const CellRecord& cell = document_.cell(at.column, at.row);
    if (cell.cellState != kCellNormal) return;
    inPlaceCell_ = at;
    shell_.OpenInPlaceEditor(LookOf(cell, CellRectInView(at), state_.settings.characterSet), text);
}

void Editor::CommitInPlace(const QString& text, int columnStep, int rowStep) {
    if (!inPlaceCell_) return;
    const CellPosition at = *inPlaceCell_;
    inPlaceCell_.reset();
    shell_.CloseInPlaceEditor();
    // What the dialog would hold for this cell, with the typed text accepted as it accepts.
    CellEditFields fields;
    FillCellEditFields(document_.cell(at.column, at.row), fields);
    fields.text = AcceptedCellText(text);
    StoreCellEdit({at}, fields, fields);
    if (columnStep != 0 || rowStep != 0) MoveByEntryKey(columnStep, rowStep);
}

void Editor::CancelInPlace() {
    inPlaceCell_.reset();
    shell_.CloseInPlaceEditor();
}

void Editor::FinishInPlace() {
    if (inPlaceCell_) CommitInPlace(shell_.InPlaceEditorText(), 0, 0);
}

void Editor::MoveByEntryKey(int columnStep, int rowStep) {
    if (!state_.tableLoaded) return;
    const CellPosition from = CursorCell(document_, state_.cursor);
    const bool inRun = tabRun_ && tabRun_->reached == from;
    if (columnStep != 0) {
        const CellPosition to = NextStop(document_, from, columnStep, 0);
        tabRun_ = TabRun{inRun ? tabRun_->startColumn : from.column, to};
        return MoveCursorTo(to, false);
    }
    const CellPosition start =
        inRun ? BlockOwner(document_, {tabRun_->startColumn, from.row}) : from;
    tabRun_.reset();
    MoveCursorTo(NextStop(document_, start, 0, rowStep), false);
}
