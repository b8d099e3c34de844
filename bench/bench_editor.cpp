// SPDX-License-Identifier: GPL-3.0-or-later
// A cell edit in the editor on a full table, from the dialog's Accept to the new view, and the
// opening of a full table of long texts: the Editor driven with a scripted Ui, no screen.
#include "app/dialogs/cell_edit_fields.h"
#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "app/editor/editor_state.h"
#include "app/scripted_ui.h"
#include "bench_goal.h"
#include "content/clock.h"
#include "gui_application.h"
#include "model/work_file.h"
#include "settled_child.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The window's side of the editor, with nothing to show.
class NoWindow final : public EditorShell {
public:
    void RebuildMenu() override {}
    void SetCommandEnabled(CommandId, bool) override {}
    void SetCommandChecked(CommandId, bool) override {}
    void SetTitle(const QString&) override {}
    void SetModified(bool) override {}
    void ShowNote(const QString&) override {}
    void ShowPictures() override {}
    void HideStart() override {}
    void FocusTableView() override {}
    void CloseWindow() override {}
    void OpenInPlaceEditor(const InPlaceLook&, const QString&) override {}
    void PlaceInPlaceEditor(const QRect&) override {}
    QString InPlaceEditorText() const override { return {}; }
    void CloseInPlaceEditor() override {}
    void ShowFindBar(bool) override {}
};

// A square table of `cells` x `cells` cells of the given size, each with the text `textAt`
// gives it, saved as a work file; false when it was not saved.
template <typename TextAt>
bool SaveFullTable(const QString& path, int cells, QSize cellSize, TextAt textAt) {
    Document document;
    document.settings.gridCellWidth = int16_t(cellSize.width());
    document.settings.gridCellHeight = int16_t(cellSize.height());
    CreateTable(document, cells, cells, 2, 2, 0);
    for (int row = 0; row < cells; ++row)
        for (int column = 0; column < cells; ++column)
            document.cell(column, row).text = textAt(column, row);
    return SaveWorkFile(path, document).ok();
}

constexpr int kCells = 109;
constexpr int kCellSize = 10;
constexpr double kGoalMs = 50;

// 109 x 109 cells of 10 x 10 pixels, a short number in each, opened in the editor from its
// command line; then cell after cell gets a new text through the cell editing dialog.
void BM_CellEditOnFullTable(benchmark::State& state) {
    EnsureGuiApplication();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("full.qdvl"));
    if (!SaveFullTable(path, kCells, QSize(kCellSize, kCellSize),
                       [](int column, int row) { return QString::number((column + row) % 100); }))
        state.SkipWithError("the table was not saved");
    ScriptedUi ui;
    NoWindow window;
    EditorState appState;
    appState.settingsPath = folder.filePath(QStringLiteral("Quadrivel.ini"));
    const FixedClock clock(QDate(2025, 6, 15));
    Editor editor(ui, clock, window, appState);
    editor.Initialise(path);
    if (appState.tableLoaded != 1) state.SkipWithError("the table was not opened");
    appState.settings.leftMouseMode = LeftMouseMode::EditCell;

    int edits = 0;
    ui.cellEditing = [&edits](CellEditFields& fields, ProgramState&) {
        fields.text = QString::number(++edits);
        fields.accepted = true;
        return true;
    };
    int cell = 0;
    const double fastest = FastestRunMs(state, [&] {
        const int column = cell % kCells;
        const int row = (cell / kCells) % kCells;
        ++cell;
        editor.LeftClick(column * kCellSize + kCellSize / 2, row * kCellSize + kCellSize / 2);
    });
    if (edits == 0) state.SkipWithError("no edit reached the table");
    ReportAgainstGoal(state, "cpu_ms", fastest, kGoalMs);
}
BENCHMARK(BM_CellEditOnFullTable)->Unit(benchmark::kMillisecond);

constexpr int kFullCells = 111;
constexpr double kOpenGoalMs = 150;
constexpr double kOpenGoalWallMs = 300;
constexpr double kOpenGoalMiB = 80;

// 111 x 111 cells of 100 x 32 pixels, each holding a text of the longest length.
bool SaveFullTableOfLongTexts(const QString& path) {
    const QString text = QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipiscing elit, "
                                        "sed do eiusmod tempor incididunt ")
                             .repeated(3)
                             .left(kTextMaxUnits);
    return SaveFullTable(path, kFullCells, QSize(100, 32), [&text](int, int) { return text; });
}

// A full table of 111 x 111 cells, each holding a text of the longest length, opened in the
// editor as from its command line: the file read, the table laid out and drawn, the view and
// rulers shown. The process's own start (Qt and fontconfig) is not in it.
void BM_OpenFullTableOfLongTexts(benchmark::State& state) {
    EnsureGuiApplication();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.qdvl"));
    if (!SaveFullTableOfLongTexts(path)) state.SkipWithError("the table was not saved");
    ScriptedUi ui;
    NoWindow window;
    const FixedClock clock(QDate(2025, 6, 15));
    bool opened = true;
    const double fastest = FastestRunMs(state, [&] {
        EditorState appState;
        appState.settingsPath = folder.filePath(QStringLiteral("Quadrivel.ini"));
        Editor editor(ui, clock, window, appState);
        editor.Initialise(path);
        opened = opened && appState.tableLoaded == 1;
    });
    if (!opened) state.SkipWithError("the table was not opened");
    ReportAgainstGoal(state, "cpu_ms", fastest, kOpenGoalMs);
}
BENCHMARK(BM_OpenFullTableOfLongTexts)->Unit(benchmark::kMillisecond)->Iterations(5);

#ifdef QUADRIVEL_EDITOR
// The same table opened by the editor program from its command line, as a person starts it:
// the process's start (Qt, fontconfig, the libraries), the window built and shown, the table
// read, laid out and painted, to the moment the process goes idle. Qt's offscreen platform
// stands in for the screen. A home of its own holds the file type's association, so that no
// first-run question waits.
void BM_EditorProcessOpensFullTableOfLongTexts(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.qdvl"));
    if (!SaveFullTableOfLongTexts(path)) state.SkipWithError("the table was not saved");
    const QString home = folder.filePath(QStringLiteral("home"));
    QDir().mkpath(home + QStringLiteral("/.config"));
    QFile associations(home + QStringLiteral("/.config/mimeapps.list"));
    if (!associations.open(QIODevice::WriteOnly) ||
        associations.write("[Default Applications]\napplication/x-quadrivel=quadrivel.desktop\n") <
            0)
        state.SkipWithError("the association was not written");
    associations.close();
    const QStringList environment{
        QStringLiteral("QT_QPA_PLATFORM=offscreen"), QStringLiteral("HOME=") + home,
        QStringLiteral("XDG_RUNTIME_DIR=") + home, QStringLiteral("LANG=C.UTF-8")};
    SettledRun fastest;
    fastest.processorMs = 1e300;
    bool settled = true;
    for (auto _ : state) {
        const SettledRun run =
            RunUntilSettled(QStringLiteral(QUADRIVEL_EDITOR), {path}, environment);
        settled = settled && run.settled;
        if (run.processorMs < fastest.processorMs) fastest = run;
    }
    if (!settled) state.SkipWithError("the editor did not settle");
    ReportAgainstGoal(state, "cpu_ms", fastest.processorMs, kOpenGoalMs);
    ReportAgainstGoal(state, "wall_ms", fastest.wallMs, kOpenGoalWallMs);
    ReportAgainstGoal(state, "peak_MiB", fastest.peakMiB, kOpenGoalMiB);
}
BENCHMARK(BM_EditorProcessOpensFullTableOfLongTexts)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(7)
    ->UseRealTime();
#endif

} // namespace
