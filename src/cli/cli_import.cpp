#include "cli/cli_import.h"

#include "cli/cli_style.h"
#include "content/table_from_data.h"
#include "model/delimited_text.h"
#include "model/file_problem.h"
#include "model/work_file.h"
#include "render/table_renderer.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

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
    QString data;
    QString out;
    int cellWidth = kDefaultCellWidth;
    int cellHeight = kDefaultCellHeight;
    std::optional<QChar> delimiter;
    std::optional<QString> style;
};

// Fills `options`; an empty text when the arguments are valid, else the reason.
QString ParseImportArguments(const QStringList& arguments, const QString& usage,
                             ImportOptions& options) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption cellSize(QStringLiteral("cell-size"), QString(),
                                      QStringLiteral("WxH"));
    const QCommandLineOption delimiter(QStringLiteral("delimiter"), QString(), QStringLiteral("C"));
    const QCommandLineOption style(QStringLiteral("style"), QString(), QStringLiteral("NAME"));
    parser.addOptions({cellSize, delimiter, style});
    if (!parser.parse(QStringList{QStringLiteral("quadrivel-cli")} + arguments))
        return parser.errorText();
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 3) return usage;
    options.data = positional[1];
    options.out = positional[2];

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
        else if (value.size() == 1 && value[0] != u'"' && value[0] != u'\r' && value[0] != u'\n')
            options.delimiter = value[0];
        else
            return QStringLiteral("--delimiter needs one character (or \"tab\"), not a quote");
    }
    if (parser.isSet(style)) options.style = parser.value(style);
    return {};
}

// Why the data cannot become a table whole; empty when it can.
QString Refusal(const DelimitedText& data) {
    if (!data.HasContent()) return QStringLiteral("holds no data");
    if (data.unclosedQuote) return QStringLiteral("a quoted field is not closed");
    const DataCut cut = MeasureDataCut(data, kGridCapacity, kGridCapacity);
    if (cut.columnsLeftOut > 0 || cut.rowsLeftOut > 0)
        return QStringLiteral("%1 columns x %2 rows, a table holds at most %3 x %3")
            .arg(data.columnCount)
            .arg(data.rowCount())
            .arg(kGridCapacity);
    if (cut.fieldsCut > 0)
        return QStringLiteral("%1 fields longer than %2 characters")
            .arg(cut.fieldsCut)
            .arg(kTextMaxUnits);
    return {};
}

} // namespace

CliResult RunImport(const QStringList& arguments, const QString& usage,
                    const QString& stylesFolder) {
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

    QFile file;
    if (const FileProblem problem = OpenRegularFile(options.data, file); !problem.none())
        return {kExitInputUnreadable, {}, options.data + QStringLiteral(": ") + problem.reason, {}};
    const DelimitedText data = ReadDelimitedText(file.readAll(), options.delimiter);
    if (const QString refusal = Refusal(data); !refusal.isEmpty())
        return {kExitNotATable, {}, options.data + QStringLiteral(": ") + refusal, {}};

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
