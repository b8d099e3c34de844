// SPDX-License-Identifier: GPL-3.0-or-later
// Find and Replace over the stored texts, from the cursor's cell in reading order.
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "app/messages/message_table.h"

void Editor::SetSearch(const FindQuery& query, const QString& replacement) {
    search_ = query;
    replacement_ = replacement;
}

void Editor::FindStep(bool backward) {
    if (!state_.tableLoaded) return;
    // F3 before anything was looked for opens the bar to type it.
    if (search_.text.isEmpty()) return shell_.ShowFindBar(false);
    const CellPosition from = CursorCell(document_, state_.cursor);
    const std::optional<FoundCell> found =
        FindMatch(document_, search_, from.column, from.row, backward);
    if (!found) {
        shell_.ShowNote(Messages().Message(kFindGroup, kNotFoundEntry) + search_.text);
        return;
    }
    MoveCursorTo({found->column, found->row}, false);
}

void Editor::TellTooLong(int cells) {
    ui_.ShowMessage(Messages().Message(kFindGroup, kTooLongEntry) + QString::number(cells));
}

void Editor::ReplaceAtCursor() {
    if (!state_.tableLoaded || search_.text.isEmpty()) return;
    const CellPosition at = CursorCell(document_, state_.cursor);
    ReplaceResult result = ReplaceResult::NoMatch;
    Edit(EditRedraw::Table, EditSelection::Kept, [&] {
        result = ReplaceInCell(document_, at.column, at.row, search_, replacement_);
        return result == ReplaceResult::Replaced;
    });
    if (result == ReplaceResult::TooLong) TellTooLong(1);
    FindStep(false);
}

void Editor::ReplaceAll() {
    if (!state_.tableLoaded || search_.text.isEmpty()) return;
    ReplaceCounts counts;
    Edit(EditRedraw::Table, EditSelection::Kept, [&] {
        counts = ReplaceEverywhere(document_, search_, replacement_);
        return counts.changed > 0;
    });
    shell_.ShowNote(Messages().Message(kFindGroup, kCellsChangedEntry) +
                    QString::number(counts.changed));
    if (counts.tooLong > 0) TellTooLong(counts.tooLong);
}
