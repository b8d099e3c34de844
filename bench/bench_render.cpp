// SPDX-License-Identifier: GPL-3.0-or-later
// Full redraws of the largest tables: the window's redraw (operations, clear, page frame,
// series, cells) and the copy into the view.
#include "bench_goal.h"
#include "content/clock.h"
#include "gui_application.h"
#include "model/document.h"
#include "render/image_report_memory.h"
#include "render/message_sink.h"
#include "render/picture.h"
#include "render/qt_drawing_surface.h"
#include "render/table_renderer.h"

#include <benchmark/benchmark.h>

namespace {

class SilentSink final : public MessageSink {
public:
    void ShowMessage(const QString&) override {}
};

Document MakeTable(int count, int cellSize) {
    Document document;
    document.settings.gridCellWidth = int16_t(cellSize);
    document.settings.gridCellHeight = int16_t(cellSize);
    CreateTable(document, count, count, 2, 2, 0);
    return document;
}

constexpr double kGoalMs = 12;

void RunRedraws(benchmark::State& state, Document& document) {
    QImage tablePicture = MakePicture(kPictureSize, kPictureSize);
    QImage viewPicture = MakePicture(kPictureSize, kPictureSize);
    QtDrawingSurface surface;
    const FixedClock clock(QDate(2024, 5, 17));
    SilentSink messages;
    ImageReportMemory reports;
    const double fastest = FastestRunMs(state, [&] {
        ClearPicture(surface, viewPicture, document.settings.pageColour);
        RedrawTablePicture(surface, tablePicture, document, RenderOptions{}, clock, messages,
                           reports);
        ShowView(surface, viewPicture, tablePicture, 0, 0);
        surface.ReleaseTarget();
        benchmark::DoNotOptimize(viewPicture.constBits());
    });
    ReportAgainstGoal(state, "cpu_ms", fastest, kGoalMs);
}

// 109 x 109 cells of 10 x 10 pixels, a short number in each.
void BM_RedrawFullTableShortTexts(benchmark::State& state) {
    EnsureGuiApplication();
    Document document = MakeTable(109, 10);
    for (int row = 0; row < 109; ++row)
        for (int column = 0; column < 109; ++column)
            document.cell(column, row).text = QString::number((column + row) % 100);
    RunRedraws(state, document);
}
BENCHMARK(BM_RedrawFullTableShortTexts)->Unit(benchmark::kMillisecond);

// 40 x 40 cells of 27 x 27 pixels, each with a justified text of several lines.
void BM_RedrawJustifiedTexts(benchmark::State& state) {
    EnsureGuiApplication();
    Document document = MakeTable(40, 27);
    for (int row = 0; row < 40; ++row) {
        for (int column = 0; column < 40; ++column) {
            CellRecord& cell = document.cell(column, row);
            cell.text =
                QStringLiteral("Tax %1 of the total in a long cell text").arg(row * 40 + column);
            cell.alignment = Alignment::Justified;
            cell.fontSize = 6;
        }
    }
    RunRedraws(state, document);
}
BENCHMARK(BM_RedrawJustifiedTexts)->Unit(benchmark::kMillisecond);

} // namespace
