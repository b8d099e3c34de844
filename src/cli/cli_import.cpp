// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_import.h"

#include "cli/cli_style.h"
#include "cli/work_file_change.h"
#include "content/table_from_data.h"
#include "model/delimited_text.h"
#include "model/file_problem.h"
#include "model/status.h"
#include "model/work_file.h"
#include "render/picture_file.h"
#include "render/table_renderer.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>
#include <set>

namespace {

constexpr int kDefaultCellWidth = 104;
constexpr int kDefaultCellHeight = 28;
constexpr int kDefaultSeparator = 2;
constexpr int kDefaultThickness = 1;
// The smallest cell the New Table dialog allows; the largest keeps 111 cells within the
// 16-bit extent of a table.
constexpr int kSmallestCell = 10;
constexpr int kLargestCell = 290;

struct ImportOptions {
    bool fill = false; // fill TABLE DATA OUT rather than import DATA OUT
    QString table;
    QString data;
    QString out;
    RefreshPlacement placement;
    int cellWidth = kDefaultCellWidth;
    int cellHeight = kDefaultCellHeight;
    std::optional<QChar> delimiter;
    std::optional<QString> style;
    DataLimits limits; // without --rows and --columns: the grid, and more is refused
    bool rowsChosen = false;
};

// The 0-based columns of a list of 1-based numbers and ranges ("1,3,5-7"), ascending; nothing
// when the list is not one or names more columns than a table holds.
std::optional<std::vector<int>> ParseColumnList(const QString& list) {
    static const QRegularExpression item(QStringLiteral("^([0-9]{1,9})(?:-([0-9]{1,9}))?$"));
    std::set<int> columns;
    for (const QString& part : list.split(u',')) {
        const QRegularExpressionMatch match = item.match(part);
        if (!match.hasMatch()) return std::nullopt;
        const int first = match.captured(1).toInt();
        const int last = match.hasCaptured(2) ? match.captured(2).toInt() : first;
        if (first < 1 || last < first || last - first >= kGridCapacity) return std::nullopt;
        for (int column = first; column <= last; ++column)
            columns.insert(column - 1);
        if (int(columns.size()) > kGridCapacity) return std::nullopt;
    }
    return std::vector<int>(columns.begin(), columns.end());
}

// Fills `options`; an empty text when the arguments are valid, else the reason.
QString ParseImportArguments(const QStringList& arguments, const QString& usage,
                             ImportOptions& options) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption cellSize(QStringLiteral("cell-size"), QString(),
                                      QStringLiteral("WxH"));
    const QCommandLineOption delimiter(QStringLiteral("delimiter"), QString(), QStringLiteral("C"));
    const QCommandLineOption style(QStringLiteral("style"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption rows(QStringLiteral("rows"), QString(), QStringLiteral("N"));
    const QCommandLineOption columns(QStringLiteral("columns"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption at(QStringLiteral("at"), QString(), QStringLiteral("COL,ROW"));
    const QCommandLineOption grow(QStringLiteral("grow"));
    const QCommandLineOption clearRest(QStringLiteral("clear-rest"));
    parser.addOptions({cellSize, delimiter, style, rows, columns, at, grow, clearRest});
    if (!parser.parse(QStringList{QStringLiteral("quadrivel-cli")} + arguments))
        return parser.errorText();
    const QStringList positional = parser.positionalArguments();
    options.fill = positional.value(0) == QStringLiteral("fill");
    if (positional.size() != (options.fill ? 4 : 3)) return usage;
    if (options.fill) options.table = positional[1];
    options.data = positional[options.fill ? 2 : 1];
    options.out = positional[options.fill ? 3 : 2];
    // A refresh keeps the table's own cells and look.
    if (options.fill && (parser.isSet(cellSize) || parser.isSet(style)))
        return QStringLiteral("--cell-size and --style belong to import");
    if (!options.fill && (parser.isSet(at) || parser.isSet(grow) || parser.isSet(clearRest)))
        return QStringLiteral("--at, --grow and --clear-rest belong to fill");
    if (parser.isSet(at)) {
        const QRegularExpressionMatch place =
            QRegularExpression(QStringLiteral("^([0-9]{1,3}),([0-9]{1,3})$"))
                .match(parser.value(at));
        options.placement.column = place.captured(1).toInt() - 1;
        options.placement.row = place.captured(2).toInt() - 1;
        const auto inGrid = [](int index) { return index >= 0 && index < kGridCapacity; };
        if (!place.hasMatch() || !inGrid(options.placement.column) ||
            !inGrid(options.placement.row))
            return QStringLiteral("--at needs COL,ROW, each a whole number from 1 to 111");
    }
    options.placement.grow = parser.isSet(grow);
    options.placement.clearRest = parser.isSet(clearRest);

    if (parser.isSet(cellSize)) {
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("^([0-9]{1,4})x([0-9]{1,4})$"))
                .match(parser.value(cellSize));
        options.cellWidth = size.captured(1).toInt();
        options.cellHeight = size.captured(2).toInt();
        const auto fits = [](int pixels) {
            return pixels >= kSmallestCell && pixels <= kLargestCell;
        };
        if (!size.hasMatch() || !fits(options.cellWidth) || !fits(options.cellHeight))
            return QStringLiteral("--cell-size needs WxH, each a whole number from 10 to 290");
    }
    if (parser.isSet(delimiter)) {
        const QString value = parser.value(delimiter);
        if (value == QStringLiteral("tab"))
            options.delimiter = u'\t';
        else if (value.size() == 1 && value[0].unicode() > 0 && value[0].unicode() < 0x80 &&
                 value[0] != u'"' && value[0] != u'\r' && value[0] != u'\n')
            options.delimiter = value[0];
        else
            return QStringLiteral(
                "--delimiter needs one ASCII character (or \"tab\"), not a quote");
    }
    if (parser.isSet(style)) options.style = parser.value(style);
    options.limits.records = kGridCapacity;
    options.limits.fields = kGridCapacity;
    options.limits.stopAtFirstCut = true;
    if (parser.isSet(rows)) {
        const QString value = parser.value(rows);
        options.limits.records = value.toInt();
        options.rowsChosen = true;
        if (!QRegularExpression(QStringLiteral("^[0-9]{1,3}$")).match(value).hasMatch() ||
            options.limits.records < 1 || options.limits.records > kGridCapacity)
            return QStringLiteral("--rows needs a whole number from 1 to 111");
    }
    if (parser.isSet(columns)) {
        const std::optional<std::vector<int>> list = ParseColumnList(parser.value(columns));
        if (!list)
            return QStringLiteral("--columns needs a list of column numbers and ranges from 1, "
                                  "such as 1,3,5-7, of at most 111 columns");
        options.limits.columns = *list;
    }
    return {};
}

// Why the data, or the part of it chosen, cannot become a table whole; empty when it can.
QString Refusal(const DelimitedText& data, const ImportOptions& options) {
    const DataLimits& limits = options.limits;
    if (data.nulLine > 0)
        return QStringLiteral("line %1 holds a NUL byte: the file is not text").arg(data.nulLine);
    const QString beyond = QStringLiteral(
        ", a table holds at most %1 x %1: choose rows with --rows N and columns with "
        "--columns LIST");
    if (data.moreRecords && !options.rowsChosen)
        return QStringLiteral("more than %1 rows").arg(kGridCapacity) + beyond.arg(kGridCapacity);
    if (data.moreFields)
        return QStringLiteral("more than %1 columns").arg(kGridCapacity) +
               beyond.arg(kGridCapacity);
    if (data.longFieldLine > 0)
        return QStringLiteral("the field on line %1 is longer than %2 characters")
            .arg(data.longFieldLine)
            .arg(kTextMaxUnits);
    if (!data.HasContent()) return QStringLiteral("holds no data");
    if (data.unclosedQuote) return QStringLiteral("a quoted field is not closed");
    if (!limits.columns.empty() && limits.columns.back() >= data.widestRecord)
        return QStringLiteral("has no column %1: its rows hold at most %2 fields")
            .arg(limits.columns.back() + 1)
            .arg(data.widestRecord);
    const DataCut cut = MeasureDataCut(data, kGridCapacity, kGridCapacity);
    if (cut.fieldsCut > 0)
        return QStringLiteral("%1 fields longer than %2 characters")
            .arg(cut.fieldsCut)
            .arg(kTextMaxUnits);
    return {};
}

// The table refreshed with the data, written to options.out.
CliResult Fill(const ImportOptions& options, const DelimitedText& data, const QString& password) {
    return ChangeWorkFile(options.table, options.out, password, [&](Document& document) {
        const RefreshOutcome outcome = RefreshTableData(document, data, options.placement);
        if (outcome.refused)
            return Failure(
                kExitNotATable,
                options.data +
                    QStringLiteral(": %1 rows of data, the table has %2 from row %3: "
                                   "add rows with --grow")
                        .arg(outcome.rowsNeeded)
                        .arg(std::max(0, int(document.settings.rowCount) - options.placement.row))
                        .arg(options.placement.row + 1));
        CliResult result;
        if (outcome.fieldsLeftOut > 0)
            result.messages.append(options.data +
                                   QStringLiteral(": %1 fields found no cell and were left out")
                                       .arg(outcome.fieldsLeftOut));
        return result;
    });
}

} // namespace

CliResult RunImport(const QStringList& arguments, const QString& usage, const QString& stylesFolder,
                    const QString& password) {
    ImportOptions options;
    const QString usageError = ParseImportArguments(arguments, usage, options);
    if (!usageError.isEmpty())
        return {kExitUsage, {}, usageError == usage ? usage : usageError + u'\n' + usage, {}};
    QStringList messages;
    std::optional<TableStyle> style;
    if (options.style) {
        QString unknown;
        style = ChosenStyle(*options.style, stylesFolder, messages, unknown);
        if (!style) return {kExitUsage, {}, unknown, messages};
    }

    if (IsSameFile(options.data, options.out))
        return {kExitUsage,
                {},
                options.out + QStringLiteral(": the output would overwrite the input file"),
                {}};

    QFile file;
    if (const FileProblem problem = OpenRegularFile(options.data, file); !problem.none())
        return {kExitInputUnreadable, {}, options.data + QStringLiteral(": ") + problem.reason, {}};
    const DelimitedText data = ReadDelimitedText(file, options.limits, options.delimiter);
    if (const QString refusal = Refusal(data, options); !refusal.isEmpty())
        return {kExitNotATable, {}, options.data + QStringLiteral(": ") + refusal, {}};
    if (options.fill) return Fill(options, data, password);

    Document document;
    TableSettings& settings = document.settings;
    settings.gridCellWidth = int16_t(options.cellWidth);
    settings.gridCellHeight = int16_t(options.cellHeight);
    settings.separatorPixels = kDefaultSeparator;
    settings.lineThickness = kDefaultThickness;
    CreateTableFromData(document, data, TableColumnsFor(data), TableRowsFor(data), kViewOrigin);
    if (style) ApplyTableStyle(document, *style);
    const Status written = SaveWorkFile(options.out, document);
    if (!written.ok()) return {kExitOutputNotWritten, {}, written.detail, messages};
    return {kExitSuccess, {}, {}, messages};
}
