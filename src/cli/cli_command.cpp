#include "cli/cli_command.h"

#include "cli/table_dump.h"
#include "model/work_file.h"

#include <QCommandLineParser>

namespace {

constexpr int kDefaultDecimalPlaces = 2;

const QString kUsage = QStringLiteral(
    "usage: quadrivel-cli dump FILE [--raw] [--today YYYY-MM-DD] [--password PW] [--decimals N]");

CliResult Failure(int exitCode, const QString& message) {
    return {exitCode, {}, message};
}

int ExitCodeFor(StatusCode code) {
    switch (code) {
    case StatusCode::Ok:
        return kExitSuccess;
    case StatusCode::Unreadable:
        return kExitInputUnreadable;
    case StatusCode::WrongLength:
    case StatusCode::NotATable:
        return kExitNotATable;
    case StatusCode::WrongPassword:
        return kExitProtected;
    case StatusCode::WriteFailed:
        return kExitOutputNotWritten;
    }
    return kExitNotATable;
}

// Whole decimal numbers only: "3abc" is a usage error here, unlike the lenient settings file.
bool ParseStrictInt(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

} // namespace

CliResult RunCli(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption raw(QStringLiteral("raw"));
    const QCommandLineOption password(QStringLiteral("password"), QString(), QStringLiteral("PW"));
    const QCommandLineOption decimals(QStringLiteral("decimals"), QString(), QStringLiteral("N"));
    parser.addOptions({raw, password, decimals});
    if (!parser.parse(QStringList{QStringLiteral("quadrivel-cli")} + arguments))
        return Failure(kExitUsage, parser.errorText() + QStringLiteral("\n") + kUsage);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2 || positional[0] != QStringLiteral("dump"))
        return Failure(kExitUsage, kUsage);

    int decimalPlaces = kDefaultDecimalPlaces;
    if (parser.isSet(decimals) && !ParseStrictInt(parser.value(decimals), decimalPlaces))
        return Failure(kExitUsage, QStringLiteral("--decimals needs a whole number"));

    const QString file = positional[1];
    const QString answer = parser.value(password);
    Document document;
    const Status status = LoadAnyWorkFile(file, document, [&answer] { return answer; });
    if (!status.ok()) return Failure(ExitCodeFor(status.code), status.detail);
    return {kExitSuccess, DumpTableJson(document, decimalPlaces), {}};
}
