// velmora-sim: runs Velmora projects without a display.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CrossoverElements.h"
#include "FormState.h"
#include "Simulation.h"
#include "SimulationInputBuilder.h"
#include "TableFiles.h"

namespace {

const char* const Usage =
    "Usage: velmora-sim run --out DIR [--solver reference|fast]\n"
    "  Runs the start-up values of the form and writes DIR/contour.txt and DIR/data.txt\n"
    "  (the previous files are kept as .bak) and DIR/report.txt.\n"
    "Exit codes: 0 success, 2 bad arguments or unusable path, 4 inputs refused by the run.\n";

int run(const std::vector<std::string>& args) {
    std::string out;
    engine::SimulationOptions options;
    options.solver = engine::SolverKind::Fast;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size()) {
            out = args[++i];
        } else if (args[i] == "--solver" && i + 1 < args.size()) {
            const std::string& s = args[++i];
            if (s == "reference")
                options.solver = engine::SolverKind::Reference;
            else if (s == "fast")
                options.solver = engine::SolverKind::Fast;
            else {
                std::cerr << "velmora-sim: unknown solver '" << s << "'\n";
                return 2;
            }
        } else {
            std::cerr << "velmora-sim: unexpected argument '" << args[i] << "'\n" << Usage;
            return 2;
        }
    }
    if (out.empty()) {
        std::cerr << "velmora-sim: run needs --out DIR\n";
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (!std::filesystem::is_directory(out)) {
        std::cerr << "velmora-sim: cannot use output folder " << out << "\n";
        return 2;
    }
    model::FormState state;
    const model::CrossoverElements elements = model::NormaliseCrossover(state);
    const engine::SimulationInput input = model::BuildSimulationInput(state, elements);
    const engine::SimulationResult result = engine::Simulate(input, {}, options);
    for (const engine::Notice& n : result.notices)
        std::cerr << (n.caption.empty() ? "" : n.caption + ": ") << n.text << "\n";
    if (result.refused)
        return 4;
    if (std::string error = engine::WriteRunTables(out, result.contourTable, result.dataTable);
        !error.empty()) {
        std::cerr << "velmora-sim: " << error << "\n";
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::cout << Usage;
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "run")
        return run({args.begin() + 1, args.end()});
    std::cerr << "velmora-sim: unknown command '" << args[0] << "'\n" << Usage;
    return 2;
}
