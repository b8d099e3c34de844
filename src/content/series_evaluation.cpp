// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/series_evaluation.h"

#include "content/series_classify.h"
#include "content/series_rules.h"
#include "content/series_text.h"
#include "content/table_extent.h"

#include <vector>

namespace {

// Joined, cancelled and stopped cells take part in no series of their own.
bool RunsSeries(const CellRecord& cell) {
    return cell.joinState == kJoinNone && cell.cellState < 1;
}

struct FoundCommand {
    int column;
    int row;
    SeriesKind kind;
    QString workingForm;
};

template <typename Visit> void ForEachSeriesCell(Document& document, Visit visit) {
    const int rows = TableRowCount(document);
    const int columns = TableColumnCount(document);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            if (RunsSeries(document.cell(column, row))) visit(column, row);
}

} // namespace

void EvaluateNewSeries(Document& document, const Clock& clock) {
    std::vector<FoundCommand> found;
    ForEachSeriesCell(document, [&](int column, int row) {
        const QString& text = document.cell(column, row).text;
        const SeriesKind kind = ClassifySeries(text);
        // The inert kind generates nothing, so it is neither stored nor applied.
        if (!Generates(kind)) return;
        document.commands.at(column, row) = text;
        found.push_back({column, row, kind, SeriesWorkingForm(text)});
    });
    const QDate today = clock.Today();
    for (const FoundCommand& command : found)
        ApplySeriesRule(document, command.column, command.row, command.kind, command.workingForm,
                        today);
}

void ReevaluateSeries(Document& document, const Clock& clock) {
    const QDate today = clock.Today();
    // Read through a const view: a table with no command never makes the store.
    const CommandStore& commands = document.commands;
    ForEachSeriesCell(document, [&](int column, int row) {
        const QString& command = commands.at(column, row);
        if (command.isEmpty()) return;
        const QString workingForm = SeriesWorkingForm(command);
        const SeriesKind kind = ClassifyWorkingForm(workingForm);
        if (Generates(kind)) ApplySeriesRule(document, column, row, kind, workingForm, today);
    });
}

void RestoreCommands(Document& document) {
    const CommandStore& commands = document.commands;
    ForEachSeriesCell(document, [&](int column, int row) {
        const QString& command = commands.at(column, row);
        if (!command.isEmpty() && ClassifySeries(command) != SeriesKind::OrdinaryText)
            document.cell(column, row).text = command;
    });
}
