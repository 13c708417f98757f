// Benchmark of one live-preview update: the run of an edit and the redraw of every window.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "MainWindowState.h"
#include "PlotPainter.h"
#include "SimulationInputBuilder.h"
#include "SketchGeometry.h"
#include "SketchInput.h"
#include "SketchPainter.h"
#include "SlotPlots.h"
#include "TableFiles.h"

namespace {

// The fonts of the painting need a QGuiApplication; one for the whole benchmark program. It
// is never destroyed: after main, static destruction would tear it down after Qt's own
// globals and crash.
void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "velmora-bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
}

// The main window's model after start-up and four Starts of the default project with 170
// frequency points over 10 Hz to 2 kHz, below the horn's upper limit, so that every run
// computes the 169 points a run may have: four filled slots to draw, the worst case of the
// windows, with slot 3 the current one that the live preview re-runs.
model::MainWindowState fourFilledSlots() {
    model::MainWindowState state;
    state.form.OptionGrid = {"170", "51", "1"};
    for (auto& column : state.form.MinMaxGrid)
        column.fill("0");
    state.form.CheckListAuto.fill(true);
    state.form.MinMaxGrid[0][8] = "10";
    state.form.MinMaxGrid[1][8] = "2000";
    state.form.CheckListAuto[8] = false;
    state.checkVariables();
    for (int slot = 0; slot < model::SlotCount; ++slot) {
        state.ColourSlot = slot;
        state.simulate();
    }
    return state;
}

// One update as the main window's live preview does it: the run into the current slot, both
// tables written, DrawGraphs (the axis labelling and the seven windows' inputs) with each
// window painted into an image of its design size, and the sketch drawn and painted.
void BM_LiveRunAndRedraw(benchmark::State& bench) {
    ensureGuiApplication();
    model::MainWindowState state = fourFilledSlots();
    const std::string folder =
        (std::filesystem::temp_directory_path() / "velmora-bench-live").string();
    std::filesystem::create_directories(folder);
    const QSize sketchSize(402, 223); // the sketch window's client area less its margins
    int points = 0;
    for (auto _ : bench) {
        const engine::SimulationInput input =
            model::BuildSimulationInput(state.form, state.lastCheck.elements);
        const engine::SimulationResult result = state.simulate();
        points = result.pointCount;
        benchmark::DoNotOptimize(
            engine::WriteRunTables(folder, result.contourTable, result.dataTable));

        const plot::DrawGraphsData drawing = plot::PrepareDrawGraphs(state, state.form);
        for (const plot::PlotInput& window : drawing.plots) {
            const QImage picture = plot::RenderPlot(window);
            benchmark::DoNotOptimize(picture.constBits());
        }

        const auto slot = static_cast<std::size_t>(state.ColourSlot);
        const plot::SketchDrawing sketch = plot::DrawSketch(
            plot::MakeSketchInput(input, result, state.slotResults[slot].ContourArea, state.form, 0,
                                  0),
            sketchSize.width(), sketchSize.height());
        const QImage picture = plot::RenderSketch(sketchSize, sketch.primitives);
        benchmark::DoNotOptimize(picture.constBits());
    }
    bench.counters["points"] = points;
}
BENCHMARK(BM_LiveRunAndRedraw)->Unit(benchmark::kMillisecond);

} // namespace
