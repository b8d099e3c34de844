// SPDX-License-Identifier: GPL-3.0-or-later
// Sort…: the rows of the selection, or of the table's body, in the order of one or two columns.
#include "app/dialogs/ui.h"
#include "app/editor/editor.h"
#include "app/messages/message_table.h"
#include "content/selection_run.h"
#include "content/table_extent.h"
#include "content/table_sort.h"

#include <QCollator>
#include <QLocale>

namespace {

// Texts compare as the interface's language orders them ("é" beside "e"), numbers inside
// texts by value ("9" before "10").
QCollator CollatorFor(int language) {
    static constexpr QLocale::Language kLocales[] = {
        QLocale::Spanish, QLocale::Portuguese, QLocale::French,  QLocale::German,
        QLocale::English, QLocale::Italian,    QLocale::Catalan,
    };
    const bool known = language >= 1 && language <= kLanguageCount;
    QCollator collator{QLocale(kLocales[known ? language - 1 : kSpanish - 1])};
    collator.setNumericMode(true);
    return collator;
}

} // namespace

void Editor::SortRows() {
    if (!state_.tableLoaded) return;
    // A selection over several rows sorts those rows; else the body, below an optional header.
    const std::vector<CellPosition> marked = MarkedCells(document_);
    const bool rowsSelected = !marked.empty() && marked.back().row > marked.front().row;
    int firstRow = rowsSelected ? marked.front().row : TableBody(document_.settings).firstRow;
    const int lastRow = rowsSelected ? marked.back().row : TableRowCount(document_) - 1;

    const CellPosition cursor = CursorCell(document_, state_.cursor);
    const SortOffer offer{TableColumnCount(document_), !rowsSelected};
    const std::optional<SortChoice> choice =
        ui_.RunSortDialog(offer, SortChoice{{SortKey{cursor.column, false}}, false});
    if (!choice) return;
    if (choice->header) ++firstRow;

    SortOutcome outcome;
    // The marks stay in their places while the rows move under them: the sort uses them up.
    Edit(EditRedraw::Table, EditSelection::UsedUp, [&] {
        outcome = SortTableRows(document_, firstRow, lastRow, choice->keys,
                                CollatorFor(state_.settings.currentLanguage));
        return outcome.problem == SortProblem::None;
    });
    const MessageTable messages = Messages();
    switch (outcome.problem) {
    case SortProblem::JoinCrosses: {
        const CellPosition block = BlockOwner(document_, {outcome.column, outcome.row});
        ui_.ShowMessage(
            messages.Message(kSortGroup, kJoinRefusesEntry) + QString::number(block.column + 1) +
            messages.Message(kSortGroup, kJoinRowEntry) + QString::number(block.row + 1));
        break;
    }
    case SortProblem::NoRows:
    case SortProblem::ColumnOutside:
        ui_.ShowMessage(messages.Message(kSortGroup, kNoRowsEntry));
        break;
    case SortProblem::None:
        break;
    }
}
