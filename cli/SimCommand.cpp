// The commands of velmora-sim: run, check and new.
#include "SimCommand.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "FormFields.h"
#include "FormState.h"
#include "InputCheck.h"
#include "ProjectFile.h"
#include "Simulation.h"
#include "SimulationInputBuilder.h"
#include "TableFiles.h"
#include "Windows1252.h"

namespace cli {

const char* const UsageText =
    "Usage:\n"
    "  velmora-sim run [PROJECT.vmx] --out DIR [--solver fast|reference]\n"
    "      Loads the project as opening it does, runs the input check and, when it passes,\n"
    "      the simulation. Writes DIR/contour.txt and DIR/data.txt (the previous files are\n"
    "      kept as .bak) and DIR/report.txt (the parameter report). Without a project the\n"
    "      start-up values of the form are run. Notices are printed on stderr.\n"
    "  velmora-sim check PROJECT.vmx\n"
    "      Prints every input control after load and check as Control=value lines, then one\n"
    "      Message=text line per message of the check and InputsValid=1 or 0.\n"
    "  velmora-sim new FILE.vmx\n"
    "      Saves the start-up state of the form as a project.\n"
    "  velmora-sim --help\n"
    "Exit status: 0 success; 2 bad arguments or a path that cannot be read or written;\n"
    "3 the input check refused the project (its messages are printed on stderr);\n"
    "4 the run refused its inputs (a value that would divide by zero).\n";

namespace {

// A project file that can be opened: a readable regular file.
bool readableProject(const std::string& path, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        err << "velmora-sim: cannot read project " << path << "\n";
        return false;
    }
    std::ifstream probe(path, std::ios::binary);
    if (!probe) {
        err << "velmora-sim: cannot read project " << path << "\n";
        return false;
    }
    return true;
}

// Opening a project: driver 1, then everything else, then the input check.
model::CheckResult openProject(const std::string& path, model::FormState& state) {
    files::ProjectFile::LoadDriver1Values(path, state);
    files::ProjectFile::LoadOtherValues(path, state);
    return model::CheckVariables(state);
}

std::string escapeLineBreaks(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

void printMessages(const model::CheckResult& check, std::ostream& err) {
    for (const model::CheckMessage& m : check.messages)
        err << (m.caption.empty() ? "" : m.caption + ": ") << escapeLineBreaks(m.text) << "\n";
}

int runCommand(const std::vector<std::string>& args, std::ostream& err) {
    std::string project;
    std::string out;
    engine::SimulationOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--out" && i + 1 < args.size()) {
            out = args[++i];
        } else if (a == "--solver" && i + 1 < args.size()) {
            const std::string& s = args[++i];
            if (s == "reference") {
                options.solver = engine::SolverKind::Reference;
                options.series = engine::SeriesEvaluation::Recursive;
            } else if (s == "fast") {
                options.solver = engine::SolverKind::Fast;
            } else {
                err << "velmora-sim: unknown solver '" << s << "'\n";
                return ExitBadArguments;
            }
        } else if (!a.empty() && a[0] != '-' && project.empty()) {
            project = a;
        } else {
            err << "velmora-sim: unexpected argument '" << a << "'\n";
            return ExitBadArguments;
        }
    }
    if (out.empty()) {
        err << "velmora-sim: run needs --out DIR\n";
        return ExitBadArguments;
    }
    model::FormState state;
    model::CheckResult check;
    if (project.empty()) {
        check = model::CheckVariables(state);
    } else {
        if (!readableProject(project, err))
            return ExitBadArguments;
        check = openProject(project, state);
    }
    if (!check.InputsValid) {
        printMessages(check, err);
        err << "velmora-sim: the input check refused " << (project.empty() ? "the inputs" : project)
            << "\n";
        return ExitInvalidInputs;
    }
    printMessages(check, err); // messages that do not block a run
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (!std::filesystem::is_directory(out, ec)) {
        err << "velmora-sim: cannot use output folder " << out << "\n";
        return ExitBadArguments;
    }
    const engine::SimulationInput input = model::BuildSimulationInput(state, check.elements);
    const engine::SimulationResult result = engine::Simulate(input, {}, options);
    for (const engine::Notice& n : result.notices)
        err << (n.caption.empty() ? "" : n.caption + ": ") << escapeLineBreaks(n.text) << "\n";
    if (result.refused)
        return ExitRefused;
    if (std::string error = engine::WriteRunTables(out, result.contourTable, result.dataTable);
        !error.empty()) {
        err << "velmora-sim: " << error << "\n";
        return ExitBadArguments;
    }
    std::string report;
    for (const std::string& line : result.memo1)
        report += line + "\r\n";
    for (const std::string& line : result.memo2)
        report += line + "\r\n";
    std::ofstream file(std::filesystem::path(out) / "report.txt", std::ios::binary);
    file << engine::Utf8ToWindows1252(report);
    if (!file) {
        err << "velmora-sim: could not write " << (std::filesystem::path(out) / "report.txt").string()
            << "\n";
        return ExitBadArguments;
    }
    return ExitSuccess;
}

int checkCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "velmora-sim: check needs exactly one PROJECT.vmx\n";
        return ExitBadArguments;
    }
    if (!readableProject(args[0], err))
        return ExitBadArguments;
    model::FormState state;
    const model::CheckResult check = openProject(args[0], state);
    for (const auto& [name, value] : model::FormFields::List(state))
        out << name << "=" << escapeLineBreaks(value) << "\n";
    for (const model::CheckMessage& m : check.messages)
        out << "Message=" << escapeLineBreaks(m.text) << "\n";
    out << "InputsValid=" << (check.InputsValid ? 1 : 0) << "\n";
    return ExitSuccess;
}

int newCommand(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 1) {
        err << "velmora-sim: new needs exactly one FILE.vmx\n";
        return ExitBadArguments;
    }
    const model::FormState state;
    if (std::string error = files::ProjectFile::SaveValues(args[0], state); !error.empty()) {
        err << "velmora-sim: " << error << "\n";
        return ExitBadArguments;
    }
    return ExitSuccess;
}

} // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << UsageText;
        return ExitBadArguments;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << UsageText;
        return ExitSuccess;
    }
    if (command == "run")
        return runCommand(rest, err);
    if (command == "check")
        return checkCommand(rest, out, err);
    if (command == "new")
        return newCommand(rest, err);
    err << "velmora-sim: unknown command '" << command << "'\n" << UsageText;
    return ExitBadArguments;
}

} // namespace cli
