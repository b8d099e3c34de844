// SPDX-License-Identifier: GPL-3.0-or-later
// The whole `quadrivel-cli export` and `dump` processes, start to exit, on a full 109 x 109
// table: load, opening redraw, export render, encoding and the atomic write; the peak memory
// is the largest of any one run of that export. Also the PNG export of a 111 x 111 table of
// emoji, whose glyphs come from a fallback colour font.
#include "bench_goal.h"
#include "child_run.h"
#include "gui_application.h"
#include "model/document.h"
#include "model/work_file.h"

#include <QDir>
#include <QFontDatabase>
#include <QImageReader>
#include <QRawFont>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

// 109 x 109 cells of 10 x 10 pixels, a short number in each, saved as a work file.
class FullTableFile {
public:
    FullTableFile() {
        Document document;
        document.settings.gridCellWidth = 10;
        document.settings.gridCellHeight = 10;
        CreateTable(document, 109, 109, 2, 2, 0);
        for (int row = 0; row < 109; ++row)
            for (int column = 0; column < 109; ++column)
                document.cell(column, row).text = QString::number((column + row) % 100);
        saved_ = SaveWorkFile(path(), document).ok();
    }
    // 111 x 111 cells of 40 x 40 pixels, six of twelve emoji in each (one with a variation
    // selector), more than a line holds.
    explicit FullTableFile(const QStringList& emoji) {
        Document document;
        document.settings.gridCellWidth = 40;
        document.settings.gridCellHeight = 40;
        CreateTable(document, 111, 111, 2, 2, 0);
        for (int row = 0; row < 111; ++row) {
            for (int column = 0; column < 111; ++column) {
                QString& text = document.cell(column, row).text;
                for (int k = 0; k < 6; ++k)
                    text += emoji[(row + column + k) % emoji.size()];
            }
        }
        saved_ = SaveWorkFile(path(), document).ok();
    }
    bool saved() const { return saved_; }
    QString path() const { return folder_.filePath(QStringLiteral("full.qdvl")); }
    QString Output(const QString& name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    bool saved_ = false;
};

constexpr double kExportGoalMs = 40;
// The JPEG export and its floor are each run as often, so that their fastest runs compare.
constexpr int kFloorRuns = 20;
constexpr double kExportGoalMiB = 30;
constexpr double kDumpGoalMs = 80;
// Vector output of the full table; a picture at scale 2, at most four times the plain PNG.
constexpr double kVectorGoalMs = 1000;
// SVG is written as it is drawn: at most twice the PNG export's time, in little memory.
constexpr double kSvgPerPngGoal = 2;
constexpr int kPngRuns = 10;
// WebP is encoded from the drawn picture without a second copy of it.
constexpr double kLargeExportGoalMiB = 40;
constexpr double kScale2GoalMs = 4 * 78;

// Runs the program once per iteration: the fastest run's processor time and the largest
// peak memory of any run; not succeeded when a run failed.
ChildRun FastestRun(benchmark::State& state, const QString& program, const QStringList& arguments) {
    ChildRun fastest;
    fastest.processorMs = 1e300;
    for (auto _ : state) {
        const ChildRun run = RunChild(program, arguments);
        if (!run.succeeded) {
            state.SkipWithError("the program failed");
            return run;
        }
        fastest.processorMs = std::min(fastest.processorMs, run.processorMs);
        fastest.peakMiB = std::max(fastest.peakMiB, run.peakMiB);
    }
    fastest.succeeded = true;
    return fastest;
}

ChildRun FastestCliRun(benchmark::State& state, const QStringList& arguments) {
    return FastestRun(state, QStringLiteral(QUADRIVEL_CLI), arguments);
}

// The export of the full table to `name`: its processor time against `goalMs` and its peak
// memory against `goalMiB`, each alone where the export has no goal.
void RunExport(benchmark::State& state, const QString& name, const QStringList& extra,
               std::optional<double> goalMs, std::optional<double> goalMiB = kExportGoalMiB) {
    const FullTableFile table;
    if (!table.saved()) {
        state.SkipWithError("the work file could not be written");
        return;
    }
    const ChildRun run = FastestCliRun(
        state, QStringList{QStringLiteral("export"), table.path(), table.Output(name)} + extra);
    if (!run.succeeded) return;
    if (goalMs)
        ReportAgainstGoal(state, "cpu_ms", run.processorMs, *goalMs);
    else
        state.counters["cpu_ms"] = run.processorMs;
    if (goalMiB)
        ReportAgainstGoal(state, "peak_MiB", run.peakMiB, *goalMiB);
    else
        state.counters["peak_MiB"] = run.peakMiB;
}

void BM_CliExportJpeg(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.jpg"), {}, kExportGoalMs);
}
BENCHMARK(BM_CliExportJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kFloorRuns);

// The floor under the JPEG export: Qt's start, the file's bytes read, one font, the picture,
// a glyph run per cell and the encoding, with nothing of the program's own (export_floor.cpp).
void BM_ExportFloorJpeg(benchmark::State& state) {
    const FullTableFile table;
    const QString exported = table.Output(QStringLiteral("exported.jpg"));
    const bool exportedOnce =
        RunChild(QStringLiteral(QUADRIVEL_CLI), {QStringLiteral("export"), table.path(), exported})
            .succeeded;
    const QSize size = exportedOnce ? QImageReader(exported).size() : QSize();
    if (!table.saved() || size.isEmpty()) {
        state.SkipWithError("the table could not be exported");
        return;
    }
    const ChildRun run =
        FastestRun(state, QStringLiteral(QUADRIVEL_EXPORT_FLOOR),
                   {table.path(), table.Output(QStringLiteral("floor.jpg")),
                    QString::number(size.width()), QString::number(size.height())});
    if (run.succeeded) state.counters["cpu_ms"] = run.processorMs;
}
BENCHMARK(BM_ExportFloorJpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kFloorRuns);

// The other picture formats, beside the JPEG export's goal: zlib's deflate keeps the PNG
// export above it.
void BM_CliExportPng(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.png"), {}, std::nullopt);
}
BENCHMARK(BM_CliExportPng)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliExportGif(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.gif"), {}, std::nullopt);
}
BENCHMARK(BM_CliExportGif)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliExportWebp(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.webp"), {}, std::nullopt, kLargeExportGoalMiB);
}
BENCHMARK(BM_CliExportWebp)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliExportBitmap(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.bmp"),
              {QStringLiteral("--kind"), QStringLiteral("bitmap")}, std::nullopt);
}
BENCHMARK(BM_CliExportBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every length doubled: at most four times the PNG at scale 1, in four times the pixels.
void BM_CliExportPngScale2(benchmark::State& state) {
    RunExport(state, QStringLiteral("full2.png"), {QStringLiteral("--scale"), QStringLiteral("2")},
              kScale2GoalMs, std::nullopt);
}
BENCHMARK(BM_CliExportPngScale2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The fastest of a few PNG exports of the full table, run just before another export so that
// the two compare on the machine as it is then; nothing when one failed.
std::optional<double> PngExportMs() {
    const FullTableFile table;
    const QStringList arguments{QStringLiteral("export"), table.path(),
                                table.Output(QStringLiteral("beside.png"))};
    if (!table.saved()) return std::nullopt;
    double fastest = 1e300;
    for (int run = 0; run < kPngRuns; ++run) {
        const ChildRun png = RunChild(QStringLiteral(QUADRIVEL_CLI), arguments);
        if (!png.succeeded) return std::nullopt;
        fastest = std::min(fastest, png.processorMs);
    }
    return fastest;
}

void BM_CliExportSvg(benchmark::State& state) {
    const std::optional<double> pngMs = PngExportMs();
    if (!pngMs) {
        state.SkipWithError("the PNG export failed");
        return;
    }
    state.counters["png_cpu_ms"] = *pngMs;
    RunExport(state, QStringLiteral("full.svg"), {}, kSvgPerPngGoal * *pngMs, kLargeExportGoalMiB);
}
BENCHMARK(BM_CliExportSvg)->Unit(benchmark::kMillisecond)->UseRealTime();

// Vector output through Qt's PDF writer: under a second.
void BM_CliExportPdf(benchmark::State& state) {
    RunExport(state, QStringLiteral("full.pdf"), {}, kVectorGoalMs, std::nullopt);
}
BENCHMARK(BM_CliExportPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// Fallback glyphs: each distinct emoji is measured and laid out once, not at every look.
constexpr double kEmojiExportGoalMs = 2000;

// Whether any installed font has a glyph for an emoji.
bool HasEmojiFont() {
    EnsureGuiApplication();
    const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(), [](const QString& family) {
        return QRawFont::fromFont(QFont(family)).supportsCharacter(char32_t(0x1F600));
    });
}

void BM_CliExportEmojiPng(benchmark::State& state) {
    if (!HasEmojiFont()) {
        state.SkipWithError("no emoji font installed (fonts-noto-color-emoji): nothing to measure");
        return;
    }
    const FullTableFile table(QStringList{
        QStringLiteral("\U0001F600"), QStringLiteral("\u2764\uFE0F"), QStringLiteral("\U0001F44D"),
        QStringLiteral("\U0001F389"), QStringLiteral("\U0001F525"), QStringLiteral("\u2705"),
        QStringLiteral("\U0001F680"), QStringLiteral("\U0001F431"), QStringLiteral("\U0001F355"),
        QStringLiteral("\u2B50"), QStringLiteral("\U0001F308"), QStringLiteral("\U0001F914")});
    if (!table.saved()) {
        state.SkipWithError("the work file could not be written");
        return;
    }
    const ChildRun run = FastestCliRun(
        state, {QStringLiteral("export"), table.path(), table.Output(QStringLiteral("emoji.png"))});
    if (run.succeeded) ReportAgainstGoal(state, "cpu_ms", run.processorMs, kEmojiExportGoalMs);
}
BENCHMARK(BM_CliExportEmojiPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// `quadrivel-cli dump` of the same table: the editor's state after opening, as JSON.
void BM_CliDump(benchmark::State& state) {
    const FullTableFile table;
    if (!table.saved()) {
        state.SkipWithError("the work file could not be written");
        return;
    }
    const ChildRun run = FastestCliRun(state, {QStringLiteral("dump"), table.path()});
    if (run.succeeded) ReportAgainstGoal(state, "cpu_ms", run.processorMs, kDumpGoalMs);
}
BENCHMARK(BM_CliDump)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
