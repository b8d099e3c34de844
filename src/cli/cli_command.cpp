// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"

#include "cli/batch_export.h"
#include "cli/cli_colour.h"
#include "cli/cli_import.h"
#include "cli/cli_replace.h"
#include "cli/cli_sort.h"
#include "cli/cli_style.h"
#include "cli/password_source.h"
#include "cli/table_dump.h"
#include "content/clock.h"
#include "content/number_format.h"
#include "content/operations.h"
#include "content/table_settle.h"
#include "model/settings_file.h"
#include "model/whole_file_write.h"
#include "model/work_file.h"
#include "quadrivel_version.h"
#include "render/cell_image.h"
#include "render/export_cut.h"
#include "render/image_report_memory.h"
#include "render/message_sink.h"
#include "render/opening_view.h"
#include "render/picture_encoders.h"
#include "render/picture_file.h"
#include "render/qt_drawing_surface.h"
#include "render/table_renderer.h"
#include "render/table_text.h"
#include "render/vector_cut.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <memory>
#include <optional>

namespace {

const QString kUsage = QStringLiteral(
    "usage: quadrivel-cli dump FILE [--raw] [options]\n"
    "       quadrivel-cli text FILE [--format tsv|csv|markdown|html] [options]\n"
    "       quadrivel-cli render FILE OUT.png [options]\n"
    "       quadrivel-cli export FILE OUT [--kind jpeg|bitmap] [--scale N] [--transparent]\n"
    "                                 [--alt-text] [options]\n"
    "       quadrivel-cli export FILE... --out-dir DIR [--format EXT] [--jobs N]\n"
    "                                 [--kind jpeg|bitmap] [--scale N] [--transparent] [options]\n"
    "       quadrivel-cli import DATA OUT.qdvl [--cell-size WxH] [--delimiter C] [--style NAME]\n"
    "                                 [--rows N] [--columns LIST]\n"
    "       quadrivel-cli fill TABLE.qdvl DATA OUT.qdvl [--at COL,ROW] [--rows N]\n"
    "                                 [--columns LIST] [--delimiter C] [--grow] [--clear-rest]\n"
    "       quadrivel-cli sort FILE OUT.qdvl --by COL[:desc] [--by COL[:desc]] [--header]\n"
    "       quadrivel-cli replace FILE OUT.qdvl --find TEXT --with TEXT [--match-case]\n"
    "                                 [--whole-cell]\n"
    "       quadrivel-cli style FILE OUT.qdvl --style NAME [--password PW | --password-file FILE]\n"
    "       quadrivel-cli styles\n"
    "       quadrivel-cli colour FILE OUT.qdvl [--cells C1:R1-C2:R2] (--scale LOW[,MID],HIGH\n"
    "                                 [--middle N] | --rule COND --fill COLOUR [--text COLOUR]\n"
    "                                 [--bold]) [--password PW | --password-file FILE]\n"
    "options: --today YYYY-MM-DD  --password PW  --password-file FILE (- for standard input)\n"
    "         --decimals N (2 to 6); without a password option, QUADRIVEL_PASSWORD is used\n"
    "render and export choose the picture format by OUT's extension (.png .jpg .jpeg .gif .tif\n"
    ".tiff .bmp .webp); export also writes vector .svg and .pdf; export --kind bitmap always\n"
    "writes a 24-bit BMP. --scale N (1 to 4) multiplies every length of an exported picture\n"
    "(.svg and .pdf are sharp at any size and keep the plain size);\n"
    "--transparent leaves the background transparent: the page colour and every cell fill of\n"
    "that colour; other fills, lines, text and images stay opaque (.png .webp .svg .pdf only).\n"
    "export writes the whole table; a picture larger than its format takes (32767 pixels a\n"
    "side, .webp 16383, 2^30 pixels in all) is refused (exit 5), never cut; .svg and .pdf\n"
    "have no such limit.\n"
    "OUT may not be the input file. --alt-text also writes OUT's name with .txt: the\n"
    "table's texts row by row, for a picture's alternative text.\n"
    "text prints the table's texts as the editor shows them (number formats applied, series\n"
    "evaluated, a joined block once): tab-separated unless --format says csv, markdown or\n"
    "html (a joined block spans its cells).\n"
    "export --out-dir DIR writes DIR/NAME.EXT for each FILE (NAME: FILE's name without its\n"
    "extension; EXT: --format, png unless given, bmp for --kind bitmap) on up to N threads\n"
    "(--jobs, default: the processor count). A failed FILE is named on stderr and stops no\n"
    "other; a FILE whose NAME an earlier one has is refused (exit 5); the exit code is the\n"
    "highest of all.\n"
    "import reads CSV or TSV (comma, semicolon or tab, detected unless --delimiter C or tab;\n"
    "UTF-8 or Windows-1252) into a new table; cells 104x28 unless --cell-size (10 to 290).\n"
    "Data beyond 111 rows or columns is refused unless --rows N takes the first N records\n"
    "(header included) and --columns LIST the listed columns (from 1, as 1,3,5-7). Whole\n"
    "numbers get the English integer format, others the English decimal one, right-aligned.\n"
    "fill puts the data's fields into TABLE's cells row by row from its first cell (or COL,ROW\n"
    "from 1), texts only: every cell keeps its look, a joined block takes one field. More\n"
    "data rows than the table has are refused (exit 3) unless --grow adds rows made like the\n"
    "last; --clear-rest empties the rows after the data. A protected TABLE opens with\n"
    "QUADRIVEL_PASSWORD.\n"
    "sort orders the rows below the title bar (and below a header row with --header) by the\n"
    "columns given (from 1), numbers before texts, texts by the system language's collation,\n"
    "empty cells last; equal rows keep their order. A joined block across the rows refuses\n"
    "(exit 3).\n"
    "style writes FILE with the table style NAME to OUT.qdvl; import --style NAME styles the\n"
    "new table. styles lists the names: the built-in ones, then the user's own from\n"
    "$XDG_DATA_HOME/quadrivel/styles. An unknown NAME is a usage error that lists them.\n"
    "replace changes TEXT into the --with text wherever a cell stores it (a series command,\n"
    "a number as typed), as the editor's Replace all; --whole-cell takes only cells that hold\n"
    "TEXT alone. A cell the new text would take past 273 characters stays as it was.\n"
    "colour fills the number cells of the range (from 1, as COL:ROW-COL:ROW; unless given, the\n"
    "table without its title bars) by value; other cells are left as they are. --scale mixes\n"
    "LOW to HIGH (#RRGGBB), through MID at the median or at --middle N; or names a built-in\n"
    "scale: red-yellow-green, green-yellow-red, blue-white-red, blue-orange, viridis (the last\n"
    "two are told apart with red-green colour blindness). The text turns black or white,\n"
    "whichever reads better. --rule colours the cells whose number is >N, <N, =N or within\n"
    "A..B (both included) with --fill, --text (else black or white) and --bold. Only ordinary\n"
    "colours are written: colouring again recomputes from the numbers as they are then.\n"
    "exit codes: 0 success, 1 input unreadable, 2 usage, 3 not a work file or data that\n"
    "cannot become a table, 4 protected, 5 output not written");

constexpr int kFewestDecimals = 2;
constexpr int kMostDecimals = 6;

// Whole decimal numbers only: "3abc" is a usage error here, unlike the lenient settings file.
bool ParseStrictInt(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// The alternative text goes beside the picture: "table.png" -> "table.txt".
QString AltTextPath(const QString& picture) {
    const QFileInfo info(picture);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".txt"));
}

// The renderer's messages, kept for stderr.
class CollectedMessages final : public MessageSink {
public:
    void ShowMessage(const QString& text) override { texts.append(text); }
    QStringList texts;
};

struct Options {
    QString command;
    QString file;
    QString out;
    bool raw = false;
    ExportKind kind = ExportKind::Jpeg;
    ExportLook look;
    QString password;
    QString passwordFile;
    QString styleName;
    int decimalPlaces = kFewestDecimals;
    int16_t characterSet = 0;
    std::shared_ptr<const Clock> clock; // shared by a batch's exports
    // A batch export: every input in `files`, written into `outDir`.
    QStringList files;
    QString outDir;
    QString format;
    int jobs = 1;
    TableTextFormat textFormat = TableTextFormat::Tsv;
    bool altText = false;
};

constexpr int kMostJobs = 256;
const QString kDefaultBatchFormat = QStringLiteral("png");

// The batch form's own options: --out-dir DIR [--format EXT] [--jobs N].
QString ParseBatchOptions(const QCommandLineParser& parser, const QCommandLineOption& outDir,
                          const QCommandLineOption& format, const QCommandLineOption& jobs,
                          Options& options) {
    if (!parser.isSet(outDir))
        return (parser.isSet(format) && options.command != QStringLiteral("text")) ||
                       parser.isSet(jobs)
                   ? QStringLiteral("--format and --jobs belong to export --out-dir")
                   : QString();
    if (options.command != QStringLiteral("export"))
        return QStringLiteral("--out-dir belongs to export");
    options.outDir = parser.value(outDir);
    options.files = parser.positionalArguments().mid(1);
    const bool bitmap = options.kind == ExportKind::Bitmap;
    if (bitmap && parser.isSet(format))
        return QStringLiteral("--kind bitmap always writes .bmp; --format is not for it");
    options.format = bitmap ? QStringLiteral("bmp") : parser.value(format).toLower();
    if (options.format.isEmpty()) options.format = kDefaultBatchFormat;
    const QString example = QStringLiteral("picture.") + options.format;
    if (MimeTypeForPictureFile(example).isEmpty() && VectorFormatFor(example) == VectorFormat::None)
        return QStringLiteral("--format needs a picture extension: png jpg jpeg gif tif tiff bmp "
                              "webp svg pdf");
    options.jobs = QThread::idealThreadCount();
    if (parser.isSet(jobs) && (!ParseStrictInt(parser.value(jobs), options.jobs) ||
                               options.jobs < 1 || options.jobs > kMostJobs))
        return QStringLiteral("--jobs needs a whole number from 1 to %1").arg(kMostJobs);
    return {};
}

// The text command's --format; tab-separated unless given.
QString ParseTextFormat(const QCommandLineParser& parser, const QCommandLineOption& format,
                        Options& options) {
    if (options.command != QStringLiteral("text") || !parser.isSet(format)) return {};
    static const std::pair<QString, TableTextFormat> kFormats[] = {
        {QStringLiteral("tsv"), TableTextFormat::Tsv},
        {QStringLiteral("csv"), TableTextFormat::Csv},
        {QStringLiteral("markdown"), TableTextFormat::Markdown},
        {QStringLiteral("html"), TableTextFormat::Html}};
    for (const auto& [name, textFormat] : kFormats)
        if (parser.value(format) == name) {
            options.textFormat = textFormat;
            return {};
        }
    return QStringLiteral("--format of text is tsv, csv, markdown or html");
}

// Fills `options` from the arguments; an empty text when they are valid, else the reason.
QString ParseArguments(const QStringList& arguments, const ProgramSettings& settings,
                       Options& options) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption raw(QStringLiteral("raw"));
    const QCommandLineOption kind(QStringLiteral("kind"), QString(), QStringLiteral("KIND"));
    const QCommandLineOption today(QStringLiteral("today"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption password(QStringLiteral("password"), QString(), QStringLiteral("PW"));
    const QCommandLineOption passwordFile(QStringLiteral("password-file"), QString(),
                                          QStringLiteral("FILE"));
    const QCommandLineOption decimals(QStringLiteral("decimals"), QString(), QStringLiteral("N"));
    const QCommandLineOption scale(QStringLiteral("scale"), QString(), QStringLiteral("N"));
    const QCommandLineOption transparent(QStringLiteral("transparent"));
    const QCommandLineOption style(QStringLiteral("style"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption outDir(QStringLiteral("out-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("EXT"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), QString(), QStringLiteral("N"));
    const QCommandLineOption altText(QStringLiteral("alt-text"));
    parser.addOptions({raw, kind, today, password, passwordFile, decimals, scale, transparent,
                       style, outDir, format, jobs, altText});
    if (!parser.parse(QStringList{QStringLiteral("quadrivel-cli")} + arguments))
        return parser.errorText();

    const QStringList positional = parser.positionalArguments();
    options.command = positional.value(0);
    // dump and text read the table and print it.
    const bool dump =
        options.command == QStringLiteral("dump") || options.command == QStringLiteral("text");
    const bool styling = options.command == QStringLiteral("style");
    const bool pictures = styling || options.command == QStringLiteral("render") ||
                          options.command == QStringLiteral("export");
    const bool batch = parser.isSet(outDir) && options.command == QStringLiteral("export");
    if (!(dump && positional.size() == 2) && !(pictures && !batch && positional.size() == 3) &&
        !(batch && positional.size() >= 2))
        return {kUsage};
    if (parser.isSet(style) != styling)
        return styling ? QStringLiteral("style needs --style NAME")
                       : QStringLiteral("--style belongs to style and import");
    options.styleName = parser.value(style);
    options.file = positional[1];
    options.out = positional.value(2);

    options.raw = parser.isSet(raw);
    if (options.raw && options.command != QStringLiteral("dump"))
        return QStringLiteral("--raw belongs to dump");
    if (parser.isSet(kind)) {
        if (options.command != QStringLiteral("export"))
            return QStringLiteral("--kind belongs to export");
        const QString value = parser.value(kind);
        if (value == QStringLiteral("bitmap"))
            options.kind = ExportKind::Bitmap;
        else if (value != QStringLiteral("jpeg"))
            return QStringLiteral("--kind is jpeg or bitmap");
    }
    const bool exporting = options.command == QStringLiteral("export");
    if (const QString wrong = ParseTextFormat(parser, format, options); !wrong.isEmpty())
        return wrong;
    options.altText = parser.isSet(altText);
    if (options.altText && !exporting) return QStringLiteral("--alt-text belongs to export");
    if (const QString wrong = ParseBatchOptions(parser, outDir, format, jobs, options);
        !wrong.isEmpty())
        return wrong;
    if (parser.isSet(scale)) {
        if (!exporting) return QStringLiteral("--scale belongs to export");
        if (!ParseStrictInt(parser.value(scale), options.look.scale) || options.look.scale < 1 ||
            options.look.scale > kMaxExportScale)
            return QStringLiteral("--scale needs a whole number from 1 to 4");
    }
    options.look.transparent = parser.isSet(transparent);
    if (options.look.transparent) {
        if (!exporting) return QStringLiteral("--transparent belongs to export");
        const QString named = batch ? QStringLiteral("picture.") + options.format : options.out;
        if (!TransparencyPossible(options.kind, named))
            return (batch ? QStringLiteral("--format ") + options.format : options.out) +
                   QStringLiteral(": --transparent needs a .png, .webp, .svg or .pdf file of the "
                                  "jpeg kind");
    }
    if (!dump && !styling && !batch && IsSameFile(options.file, options.out))
        return options.out + QStringLiteral(": the output would overwrite the input file");
    if (options.altText && !batch && IsSameFile(options.file, AltTextPath(options.out)))
        return AltTextPath(options.out) +
               QStringLiteral(": the alternative text would overwrite the input file");

    options.decimalPlaces = settings.decimalPlaces;
    if (parser.isSet(decimals)) {
        int value = 0;
        if (!ParseStrictInt(parser.value(decimals), value) || value < kFewestDecimals ||
            value > kMostDecimals)
            return QStringLiteral("--decimals needs a whole number from 2 to 6");
        options.decimalPlaces = value;
    }
    options.characterSet = settings.characterSet;
    if (parser.isSet(password) && parser.isSet(passwordFile))
        return QStringLiteral("--password and --password-file exclude each other");
    options.password = parser.value(password);
    options.passwordFile = parser.value(passwordFile);

    if (parser.isSet(today)) {
        const QString text = parser.value(today);
        const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid()) return QStringLiteral("--today needs a date as YYYY-MM-DD");
        options.clock = std::make_shared<FixedClock>(date);
    } else {
        options.clock = std::make_shared<SystemClock>();
    }
    return {};
}

// The decimals from the settings file are held to the range the number formats know.
ProgramSettings CliSettings(const QString& settingsPath, QString& warning) {
    ProgramSettings settings =
        settingsPath.isEmpty() ? ProgramSettings{} : LoadSettings(settingsPath, &warning);
    if (settings.decimalPlaces < kFewestDecimals || settings.decimalPlaces > kMostDecimals)
        settings.decimalPlaces = kFewestDecimals;
    return settings;
}

RenderOptions OpeningOptions(const Options& options, const QString& decimalMask) {
    RenderOptions render;
    render.decimalMask = decimalMask;
    render.characterSet = options.characterSet;
    render.workFileFolder = WorkFileFolder(options.file);
    return render;
}

// Brings the document to the state the editor holds right after opening the file: the
// operations recomputed on reading and again by the window's first redraw (an operation over
// another's result settles only then), then settled as that redraw settles it.
void OpenLikeTheEditor(Document& document, const RenderOptions& render, const Clock& clock) {
    RecomputeOperations(document);
    RecomputeOperations(document);
    SettleForView(document, render, clock);
}

Status WritePicture(const Options& options, Document& document, const RenderOptions& render,
                    MessageSink& messages) {
    if (options.command == QStringLiteral("render"))
        return SavePictureAsImage(RenderOpeningView(document, render.decimalMask,
                                                    render.characterSet, *options.clock, messages),
                                  options.out);
    // The export command as chosen in the editor after opening: the image reports are
    // shared, so an unreadable image is told once.
    ImageReportMemory reports;
    OpenLikeTheEditor(document, render, *options.clock);
    QtDrawingSurface surface;
    const EncoderChoice choice = CutWriter(options.kind, options.out, surface, document, render,
                                           *options.clock, messages, reports, options.look);
    if (!choice.status.ok()) return choice.status;
    const QString reading = options.altText
                                ? TableText(document, render.decimalMask, TableTextFormat::Reading)
                                : QString();
    // Nothing reads the table after the export: let it go before the encoder takes its memory.
    if (!WriterDrawsFromDocument(options.kind, options.out)) document = Document();
    const Status written = WritePictureFile(options.out, choice.write);
    if (!written.ok() || !options.altText) return written;
    const QString textPath = AltTextPath(options.out);
    if (const Status refused = RefusedOutput(textPath); !refused.ok()) return refused;
    return WriteWholeFile(textPath, reading.toUtf8());
}

std::optional<CliResult> ResolvePassword(Options& options, const CliEnvironment& environment) {
    const PasswordRead read =
        ChosenPassword(options.password, options.passwordFile, environment.passwordVariable);
    if (!read.problem.isEmpty()) return Failure(kExitInputUnreadable, read.problem);
    options.password = read.password;
    return std::nullopt;
}

// Loads options.file and carries out the command on it.
CliResult RunOnFile(const Options& options, const std::optional<TableStyle>& style,
                    const QStringList& styleMessages) {
    const QString answer = options.password;
    Document document;
    const Status status = LoadAnyWorkFile(options.file, document, [&answer] { return answer; });
    if (!status.ok()) return Failure(ExitCodeFor(status.code), status.detail);

    CollectedMessages messages;
    if (status.missingCells > 0)
        messages.ShowMessage(
            QStringLiteral("%1: %2 cells of the table had no record and were made as new cells")
                .arg(options.file)
                .arg(status.missingCells));
    if (!status.warning.isEmpty()) messages.texts.append(status.warning);
    messages.texts += styleMessages;
    if (style) {
        SettleTable(document, *options.clock); // the cells the editor would style
        ApplyTableStyle(document, *style);
        const Status written = SaveWorkFile(options.out, document);
        CliResult result =
            written.ok() ? CliResult{} : Failure(ExitCodeFor(written.code), written.detail);
        result.messages = messages.texts;
        return result;
    }
    const RenderOptions render = OpeningOptions(options, BuildDecimalMask(options.decimalPlaces));
    const bool text = options.command == QStringLiteral("text");
    if (options.command != QStringLiteral("dump") && !text) {
        const Status written = WritePicture(options, document, render, messages);
        CliResult result =
            written.ok() ? CliResult{} : Failure(ExitCodeFor(written.code), written.detail);
        result.messages = messages.texts;
        return result;
    }
    if (!options.raw) OpenLikeTheEditor(document, render, *options.clock);
    if (text)
        return {kExitSuccess,
                TableText(document, render.decimalMask, options.textFormat).toUtf8(),
                {},
                messages.texts};
    return {kExitSuccess, DumpTableJson(document, options.decimalPlaces), {}, messages.texts};
}

// Every input of a batch export, each as the single-file export writes it.
CliResult ExportBatch(const Options& options) {
    if (!QDir().mkpath(options.outDir))
        return Failure(kExitOutputNotWritten,
                       options.outDir + QStringLiteral(": the folder could not be made"));
    return RunBatchExport(
        options.files, options.outDir, options.format, options.jobs,
        [&options](const QString& input, const QString& output) {
            if (IsSameFile(input, output) ||
                (options.altText && IsSameFile(input, AltTextPath(output))))
                return Failure(kExitUsage,
                               output +
                                   QStringLiteral(": the output would overwrite the input file"));
            Options job = options;
            job.file = input;
            job.out = output;
            return RunOnFile(job, std::nullopt, {});
        });
}

CliResult RunCommand(const QStringList& arguments, const ProgramSettings& settings,
                     const CliEnvironment& environment) {
    if (arguments == QStringList{QStringLiteral("--version")})
        return {kExitSuccess, QByteArrayLiteral("quadrivel-cli " QUADRIVEL_VERSION "\n"), {}, {}};
    if (arguments == QStringList{QStringLiteral("--help")})
        return {kExitSuccess, kUsage.toUtf8() + '\n', {}, {}};
    if (arguments.value(0) == QStringLiteral("import") ||
        arguments.value(0) == QStringLiteral("fill"))
        return RunImport(arguments, kUsage, environment.stylesFolder, environment.passwordVariable);
    if (arguments.value(0) == QStringLiteral("sort"))
        return RunSort(arguments, kUsage, environment.passwordVariable);
    if (arguments.value(0) == QStringLiteral("replace"))
        return RunReplace(arguments, kUsage, environment.passwordVariable);
    if (arguments.value(0) == QStringLiteral("colour"))
        return RunColour(arguments, kUsage, environment.passwordVariable);
    if (arguments == QStringList{QStringLiteral("styles")})
        return ListStyles(environment.stylesFolder);
    Options options;
    const QString usageError = ParseArguments(arguments, settings, options);
    if (!usageError.isEmpty())
        return Failure(kExitUsage, usageError == kUsage ? kUsage : usageError + u'\n' + kUsage);
    QStringList styleMessages;
    std::optional<TableStyle> style;
    if (options.command == QStringLiteral("style")) {
        QString unknown;
        style = ChosenStyle(options.styleName, environment.stylesFolder, styleMessages, unknown);
        if (!style) return {kExitUsage, {}, unknown, styleMessages};
    }
    if (std::optional<CliResult> failure = ResolvePassword(options, environment)) return *failure;
    if (!options.outDir.isEmpty()) return ExportBatch(options);
    return RunOnFile(options, style, styleMessages);
}

} // namespace

CliResult Failure(int exitCode, const QString& message) {
    return {exitCode, {}, message, {}};
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

CliResult RunCli(const QStringList& arguments, const CliEnvironment& environment) {
    QString settingsWarning;
    const ProgramSettings settings = CliSettings(environment.settingsPath, settingsWarning);
    CliResult result = RunCommand(arguments, settings, environment);
    if (!settingsWarning.isEmpty())
        result.messages.prepend(QStringLiteral("settings not read, the defaults stand: ") +
                                settingsWarning);
    return result;
}
