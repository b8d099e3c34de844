// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_replace.h"

#include "cli/work_file_change.h"
#include "content/find_replace.h"
#include "model/document.h"

#include <QCommandLineParser>

CliResult RunReplace(const QStringList& arguments, const QString& usage, const QString& password) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption find(QStringLiteral("find"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption with(QStringLiteral("with"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption matchCase(QStringLiteral("match-case"));
    const QCommandLineOption wholeCell(QStringLiteral("whole-cell"));
    parser.addOptions({find, with, matchCase, wholeCell});
    if (!parser.parse(QStringList{QStringLiteral("quadrivel-cli")} + arguments))
        return Failure(kExitUsage, parser.errorText() + u'\n' + usage);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 3 || !parser.isSet(find) || !parser.isSet(with))
        return Failure(kExitUsage, usage);
    const FindQuery query{parser.value(find), parser.isSet(matchCase), parser.isSet(wholeCell)};
    if (query.text.isEmpty()) return Failure(kExitUsage, QStringLiteral("--find needs a text"));
    const QString file = positional[1];
    const QString replacement = parser.value(with);
    return ChangeWorkFile(file, positional[2], password, [&](Document& document) {
        const ReplaceCounts counts = ReplaceEverywhere(document, query, replacement);
        CliResult result;
        if (counts.changed == 0 && counts.tooLong == 0)
            result.messages.append(file + QStringLiteral(": no cell matched"));
        if (counts.tooLong > 0)
            result.messages.append(
                file + QStringLiteral(": %1 cells left as they were: the new text would pass "
                                      "273 characters")
                           .arg(counts.tooLong));
        return result;
    });
}
