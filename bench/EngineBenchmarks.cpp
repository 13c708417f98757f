// Benchmarks of the engine: one network point, the special functions and whole runs.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "CrossoverElements.h"
#include "CrossoverNetwork.h"
#include "DenseSystem.h"
#include "ElementImpedances.h"
#include "FormState.h"
#include "ModelConstants.h"
#include "NetworkAssembly.h"
#include "Simulation.h"
#include "SimulationInputBuilder.h"
#include "SparseSystem.h"
#include "SpecialFunctions.h"
#include "TableFiles.h"

namespace {

engine::SimulationInput defaultInput() {
    model::FormState state;
    return model::BuildSimulationInput(state, model::NormaliseCrossover(state));
}

// A project with every branch switched on: driver 2 from the list, absorber chamber, extra
// tunnel, rear chamber 2, a port and a full crossover including the traps.
engine::SimulationInput allBranchesInput() {
    model::FormState s;
    s.RGTreiber2 = 2;
    s.EditxT1 = "0.3";
    s.EditxT2 = "0.6";
    s.EditAbr = "30";
    s.Editfbr = "40";
    s.EditLrk = "0.3";
    s.EditVvk = "1";
    s.EditLvk = "0.05";
    s.CBAK = true;
    s.EditVAK = "5";
    s.EditfAK = "80";
    s.EditAAT = "10";
    s.EditxAK = "0.6";
    s.CBRK2 = true;
    s.EditVrk2 = "10";
    s.CBET = true;
    s.EditAET = "20";
    s.EditLET = "0.2";
    s.EditxET = "0.9";
    s.EditBeta1 = "1";
    s.EditBeta2 = "2";
    const char* cells[][4] = {{"1", "0.1", "", "0.5"}, {"2", "", "22", ""},
                              {"5", "2", "10", "1"},   {"7", "3", "4.7", "0.2"},
                              {"8", "", "10", "0.5"},  {"10", "", "6.8", ""},
                              {"11", "", "47", ""},    {"12", "", "", "1.5"}};
    for (const auto& c : cells) {
        const int column = std::atoi(c[0]);
        for (int r = 1; r <= 3; ++r)
            s.FWGrid[column][r] = c[r];
    }
    s.OptionGrid[0] = "169";
    return model::BuildSimulationInput(s, model::NormaliseCrossover(s));
}

// Elements of one point at 1 kHz of the all-branches project.
engine::NetworkElements elementsAt1k(const engine::SimulationInput& in) {
    const engine::SimulationResult run = engine::Simulate(in, {}, {engine::SolverKind::Fast, false, {}});
    engine::NetworkElements e;
    const double f = 1000;
    const double omega = 2 * engine::ModelPi * f;
    engine::ComputeElectricalElements(in, run.drivers, f, omega, e);
    engine::ComputeAcousticElements(in, run.drivers, run.contour, run.enclosure, omega, e);
    return e;
}

void BM_SolveReference(benchmark::State& state) {
    const engine::NetworkElements e = elementsAt1k(allBranchesInput());
    engine::DenseSystem system;
    std::array<engine::Complex, engine::loop::Count> x{};
    for (auto _ : state) {
        system.clear();
        engine::StampNetwork(e, system);
        benchmark::DoNotOptimize(system.solve(x));
        benchmark::DoNotOptimize(x.data());
    }
}
BENCHMARK(BM_SolveReference)->Unit(benchmark::kMicrosecond);

void BM_SolveFast(benchmark::State& state) {
    const engine::NetworkElements e = elementsAt1k(allBranchesInput());
    engine::SparseSystem system;
    std::array<engine::Complex, engine::loop::Count> x{};
    for (auto _ : state) {
        system.clear();
        engine::StampNetwork(e, system);
        benchmark::DoNotOptimize(system.solve(x));
        benchmark::DoNotOptimize(x.data());
    }
}
BENCHMARK(BM_SolveFast)->Unit(benchmark::kMicrosecond);

// The special functions of one frequency point: four Jinc and eight BesselJ calls.
// The special functions of one frequency point: four Jinc and eight BesselJ calls; argument 0
// recursive, 1 tabled.
void BM_SpecialFunctions(benchmark::State& state) {
    const auto evaluation = state.range(0) == 0 ? engine::SeriesEvaluation::Recursive
                                                : engine::SeriesEvaluation::Tabled;
    double x = 0.3;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < 4; ++i) {
            sum += engine::Jinc(x + i, evaluation);
            sum += engine::BesselJ(0, x + i, evaluation) + engine::BesselJ(2, x + i, evaluation);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SpecialFunctions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RunStraightforward(benchmark::State& state) {
    const engine::SimulationInput in = defaultInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::Simulate(in, {}, {engine::SolverKind::Reference, false, {}, engine::SeriesEvaluation::Recursive}));
}
BENCHMARK(BM_RunStraightforward)->Unit(benchmark::kMillisecond);

void BM_RunFast(benchmark::State& state) {
    const engine::SimulationInput in = defaultInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::Simulate(in, {}, {engine::SolverKind::Fast, false, {}}));
}
BENCHMARK(BM_RunFast)->Unit(benchmark::kMillisecond);

void BM_RunWithTables(benchmark::State& state) {
    const engine::SimulationInput in = defaultInput();
    const std::string folder =
        (std::filesystem::temp_directory_path() / "velmora-bench-tables").string();
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        const engine::SimulationResult r = engine::Simulate(in, {}, {engine::SolverKind::Fast, true, {}});
        benchmark::DoNotOptimize(engine::WriteRunTables(folder, r.contourTable, r.dataTable));
    }
}
BENCHMARK(BM_RunWithTables)->Unit(benchmark::kMillisecond);

void BM_Run169AllBranches(benchmark::State& state) {
    const engine::SimulationInput in = allBranchesInput();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::Simulate(in, {}, {engine::SolverKind::Fast, false, {}}));
}
BENCHMARK(BM_Run169AllBranches)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
