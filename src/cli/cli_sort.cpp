// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_sort.h"

#include "cli/work_file_change.h"
#include "content/table_extent.h"
#include "content/table_sort.h"

#include <QCollator>
#include <QCommandLineParser>
#include <QLocale>
#include <QRegularExpression>

namespace {

// "3" or "3:desc" (or "3:asc"), the column from 1.
std::optional<SortKey> ParseKey(const QString& text) {
    static const QRegularExpression key(QStringLiteral("^([0-9]{1,3})(?::(asc|desc))?$"));
    const QRegularExpressionMatch match = key.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int column = match.captured(1).toInt();
    if (column < 1 || column > kGridCapacity) return std::nullopt;
    return SortKey{column - 1, match.captured(2) == QStringLiteral("desc")};
}

} // namespace

CliResult RunSort(const QStringList& arguments, const QString& usage, const QString& password) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption by(QStringLiteral("by"), QString(), QStringLiteral("COL"));
    const QCommandLineOption header(QStringLiteral("header"));
    parser.addOptions({by, header});
    if (!parser.parse(QStringList{QStringLiteral("quadrivel-cli")} + arguments))
        return Failure(kExitUsage, parser.errorText() + u'\n' + usage);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 3 || !parser.isSet(by)) return Failure(kExitUsage, usage);
    const QString file = positional[1], out = positional[2];
    std::vector<SortKey> keys;
    for (const QString& value : parser.values(by)) {
        const std::optional<SortKey> key = ParseKey(value);
        if (!key)
            return Failure(kExitUsage, QStringLiteral("--by needs a column from 1 to 111, "
                                                      "with :desc for the other direction"));
        keys.push_back(*key);
    }

    const bool headerRow = parser.isSet(header);
    return ChangeWorkFile(file, out, password, [&](Document& document) {
        QCollator collator;
        collator.setNumericMode(true);
        const int firstRow = TableBody(document.settings).firstRow + (headerRow ? 1 : 0);
        const SortOutcome outcome =
            SortTableRows(document, firstRow, TableRowCount(document) - 1, keys, collator);
        switch (outcome.problem) {
        case SortProblem::ColumnOutside:
            return Failure(kExitUsage, QStringLiteral("--by %1: the table has %2 columns")
                                           .arg(outcome.column + 1)
                                           .arg(TableColumnCount(document)));
        case SortProblem::JoinCrosses:
            return Failure(kExitNotATable,
                           file +
                               QStringLiteral(": the joined block at column %1, row %2 ties rows "
                                              "that the sort would move apart")
                                   .arg(outcome.column + 1)
                                   .arg(outcome.row + 1));
        case SortProblem::NoRows:
        case SortProblem::None:
            break;
        }
        return CliResult{};
    });
}
