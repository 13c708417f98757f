// The commands of velmora-sim: run, check and new.
#include "SimCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>

#ifdef VELMORA_WITH_PICTURES
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "PlotPictures.h"
#include "SketchGeometry.h"
#include "SketchInput.h"
#include "SketchPainter.h"
#include "SlotPlots.h"
#endif
#ifdef VELMORA_WITH_HTML
#include "HeadlessExport.h"
#endif

#include "FormFields.h"
#include "FormState.h"
#include "InputCheck.h"
#include "MainWindowState.h"
#include "NumberFormat.h"
#include "ProjectFile.h"
#include "Responses.h"
#include "Simulation.h"
#include "SimulationInputBuilder.h"
#include "TableFiles.h"
#include "Windows1252.h"

namespace cli {

const char* const UsageText =
    "Usage:\n"
    "  velmora-sim run [PROJECT.vmx ...] --out DIR [options]\n"
    "      Loads the project as opening it does, runs the input check and, when it passes,\n"
    "      the simulation. Writes DIR/contour.txt and DIR/data.txt (the previous files are\n"
    "      kept as .bak) and DIR/report.txt (the parameter report). Without a project the\n"
    "      start-up values of the form are run. Notices are printed on stderr.\n"
    "      Up to four projects are run in a row into the colour slots 0, 1, 2, 3 (black,\n"
    "      red, green, blue), as four runs in a row in a fresh program; the tables, the report\n"
    "      and --format are those of the last run. A project that the check or the run\n"
    "      refuses stops the command before anything is written.\n"
    "      --pictures DIR          write the seven plot windows after the runs as PNG files\n"
    "                              of 412 x 233 pixels: SPL.png, Zel.png, Ausl.png,\n"
    "                              SPLmax.png, Pmax.png, Znorm.png, Phia.png (the curves of\n"
    "                              every run overlaid; drawn on Qt's offscreen platform\n"
    "                              unless QT_QPA_PLATFORM names another), and the sketch\n"
    "                              window of the last run as Skizze.png (412 x 233)\n"
    "      --html FILE.html        the HTML export of the program after opening the projects\n"
    "                              and pressing Start once for each: FILE.html and the folder\n"
    "                              FILE-Files beside it with the thirteen JPEG pictures of the\n"
    "                              windows and input pages (drawn offscreen like --pictures;\n"
    "                              the user's settings and tables are not touched)\n"
    "      --set Control=value     change an input after loading, before the check (repeatable;\n"
    "                              names as 'check' prints them, e.g. Editl1=1.5, CBKontur=2)\n"
    "      --sweep Control=start:stop:count   run once per value (linear steps; prefix the\n"
    "                              range with log: for logarithmic ones); each run goes to\n"
    "                              DIR/NN_Control=value/, all response lines to DIR/sweep.txt\n"
    "      --format tsv|csv|json   also print the response rows on stdout (--out optional)\n"
    "      --solver fast|reference the sparse solver (default) or the dense reference\n"
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

// One project per colour slot.
constexpr size_t MaxProjects = 4;

// What `run` was asked to do.
struct RunRequest {
    std::vector<std::string> projects; // run in a row into the slots 0..3; none: start-up values
    std::string out;
    std::string pictures; // --pictures DIR
    std::string html;     // --html FILE.html
    engine::SimulationOptions options;
    std::vector<std::pair<std::string, std::string>> sets; // --set Control=value, in order
    std::string sweepControl;                              // --sweep Control=…
    std::vector<double> sweepValues;
    std::string format; // --format tsv|csv|json: the response table on stdout
};

bool splitAssignment(const std::string& text, std::string& name, std::string& value) {
    const size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        return false;
    name = text.substr(0, eq);
    value = text.substr(eq + 1);
    return true;
}

// "start:stop:count" or "log:start:stop:count" → the values of the sweep.
bool parseSweep(const std::string& range, std::vector<double>& values, std::string& error) {
    std::string rest = range;
    const bool logarithmic = rest.rfind("log:", 0) == 0;
    if (logarithmic)
        rest = rest.substr(4);
    double start = 0, stop = 0;
    int count = 0;
    char tail = 0;
    if (std::sscanf(rest.c_str(), "%lf:%lf:%d%c", &start, &stop, &count, &tail) != 3 ||
        count < 1 || count > 1000 || !std::isfinite(start) || !std::isfinite(stop)) {
        error = "a sweep is start:stop:count or log:start:stop:count with 1 to 1000 values";
        return false;
    }
    if (logarithmic && !(start > 0 && stop > 0)) {
        error = "a logarithmic sweep needs start and stop above 0";
        return false;
    }
    for (int k = 0; k < count; ++k) {
        const double t = count == 1 ? 0.0 : static_cast<double>(k) / (count - 1);
        values.push_back(logarithmic ? start * std::pow(stop / start, t)
                                     : start + (stop - start) * t);
    }
    return true;
}

int parseRun(const std::vector<std::string>& args, RunRequest& r, std::ostream& err) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--out" && hasValue) {
            r.out = args[++i];
        } else if (a == "--solver" && hasValue) {
            const std::string& s = args[++i];
            if (s == "reference") {
                r.options.solver = engine::SolverKind::Reference;
                r.options.series = engine::SeriesEvaluation::Recursive;
            } else if (s == "fast") {
                r.options.solver = engine::SolverKind::Fast;
            } else {
                err << "velmora-sim: unknown solver '" << s << "'\n";
                return ExitBadArguments;
            }
        } else if (a == "--set" && hasValue) {
            std::string name, value;
            if (!splitAssignment(args[++i], name, value)) {
                err << "velmora-sim: --set needs Control=value\n";
                return ExitBadArguments;
            }
            r.sets.emplace_back(name, value);
        } else if (a == "--sweep" && hasValue) {
            std::string range, error;
            if (!r.sweepControl.empty() || !splitAssignment(args[++i], r.sweepControl, range) ||
                !parseSweep(range, r.sweepValues, error)) {
                err << "velmora-sim: --sweep Control=start:stop:count (once): " << error << "\n";
                return ExitBadArguments;
            }
        } else if (a == "--format" && hasValue) {
            r.format = args[++i];
            if (r.format != "tsv" && r.format != "csv" && r.format != "json") {
                err << "velmora-sim: --format is tsv, csv or json\n";
                return ExitBadArguments;
            }
        } else if (a == "--pictures" && hasValue) {
            r.pictures = args[++i];
        } else if (a == "--html" && hasValue) {
            r.html = args[++i];
        } else if (!a.empty() && a[0] != '-' && r.projects.size() < MaxProjects) {
            r.projects.push_back(a);
        } else if (!a.empty() && a[0] != '-') {
            err << "velmora-sim: run takes at most " << MaxProjects
                << " projects, one per colour slot\n";
            return ExitBadArguments;
        } else {
            err << "velmora-sim: unexpected argument '" << a << "'\n";
            return ExitBadArguments;
        }
    }
    if (r.out.empty() && r.format.empty() && r.pictures.empty() && r.html.empty()) {
        err << "velmora-sim: run needs --out DIR (or --format for stdout only, or --pictures, "
               "or --html)\n";
        return ExitBadArguments;
    }
    if (!r.sweepControl.empty() && r.out.empty()) {
        err << "velmora-sim: --sweep needs --out DIR\n";
        return ExitBadArguments;
    }
    if (!r.sweepControl.empty() &&
        (r.projects.size() > 1 || !r.pictures.empty() || !r.html.empty())) {
        err << "velmora-sim: --sweep takes one project and no --pictures or --html\n";
        return ExitBadArguments;
    }
    return ExitSuccess;
}

bool applySet(model::FormState& state, const std::string& name, const std::string& value,
              std::ostream& err) {
    if (model::FormFields::Set(state, name, value))
        return true;
    err << "velmora-sim: cannot set " << name << " to '" << value
        << "' (unknown control, or a value that does not fit it)\n";
    return false;
}

// Writes contour.txt, data.txt (with .bak) and report.txt of one run into `folder`.
bool writeRunFiles(const std::string& folder, const engine::SimulationResult& result,
                   std::ostream& err) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        err << "velmora-sim: cannot use output folder " << folder << "\n";
        return false;
    }
    if (std::string error = engine::WriteRunTables(folder, result.contourTable, result.dataTable);
        !error.empty()) {
        err << "velmora-sim: " << error << "\n";
        return false;
    }
    std::string report;
    for (const std::string& line : result.memo1)
        report += line + "\r\n";
    for (const std::string& line : result.memo2)
        report += line + "\r\n";
    const std::filesystem::path reportPath = std::filesystem::path(folder) / "report.txt";
    std::ofstream file(reportPath, std::ios::binary);
    file << engine::Utf8ToWindows1252(report);
    file.close();
    if (!file) {
        err << "velmora-sim: could not write " << reportPath.string() << "\n";
        return false;
    }
    return true;
}

// The response rows of a run for other tools: tsv or csv with a header line, or json.
void printResponses(const engine::SimulationResult& result, bool driver2Present,
                    const std::string& format, std::ostream& out) {
    static const char* const names[] = {"f",     "SPL",   "Zel",   "x1", "SPLmax", "Pmax",
                                        "Zreal", "Zimag", "x2",    "Pmax2", "Phi_a"};
    const engine::ResultRows& r = result.rows;
    auto rowValues = [&](int i) {
        const double v[] = {r.f[i],     r.SPL[i],   r.Zel[i], r.x1[i],    r.SPLmax[i], r.Pmax[i],
                            r.Zreal[i], r.Zimag[i], r.x2[i],  r.Pmax2[i], r.Phi_a[i]};
        std::vector<std::string> texts;
        for (int k = 0; k < 11; ++k)
            texts.push_back((k == 8 || k == 9) && !driver2Present ? "" : engine::FormatGeneral(v[k]));
        return texts;
    };
    if (format == "json") {
        out << "{\"FmaxEff\": " << engine::FormatGeneral(result.FmaxEff) << ", \"points\": [";
        for (int i = 0; i < result.pointCount; ++i) {
            const auto texts = rowValues(i);
            out << (i ? ",\n  {" : "\n  {");
            bool first = true;
            for (int k = 0; k < 11; ++k) {
                if (texts[k].empty())
                    continue;
                out << (first ? "" : ", ") << "\"" << names[k] << "\": " << texts[k];
                first = false;
            }
            out << "}";
        }
        out << "\n]}\n";
        return;
    }
    const char separator = format == "csv" ? ',' : '\t';
    for (int k = 0; k < 11; ++k)
        out << (k ? std::string(1, separator) : "") << names[k];
    out << "\n";
    for (int i = 0; i < result.pointCount; ++i) {
        const auto texts = rowValues(i);
        for (int k = 0; k < 11; ++k)
            out << (k ? std::string(1, separator) : "") << texts[k];
        out << "\n";
    }
}

// Loads the project (or the start-up values when `project` is empty), applies --set, runs
// the check and the run into the current slot of `program`, as the main window does.
// Returns the exit status; `result` and `state` hold the outcome.
int simulateOnce(const RunRequest& r, const std::string& project,
                 const std::vector<std::pair<std::string, std::string>>& sets,
                 model::FormState& state, engine::SimulationResult& result,
                 model::MainWindowState& program, std::ostream& err) {
    if (!project.empty()) {
        files::ProjectFile::LoadDriver1Values(project, state);
        files::ProjectFile::LoadOtherValues(project, state);
    }
    for (const auto& [name, value] : sets) {
        if (!applySet(state, name, value, err))
            return ExitBadArguments;
    }
    const model::CheckResult check = model::CheckVariables(state);
    printMessages(check, err);
    if (!check.InputsValid) {
        err << "velmora-sim: the input check refused " << (project.empty() ? "the inputs" : project)
            << "\n";
        return ExitInvalidInputs;
    }
    program.form = state;
    program.lastCheck = check;
    program.InputsValid = true;
    result = program.simulate(r.options);
    for (const engine::Notice& n : result.notices)
        err << (n.caption.empty() ? "" : n.caption + ": ") << escapeLineBreaks(n.text) << "\n";
    return result.refused ? ExitRefused : ExitSuccess;
}

#ifdef VELMORA_WITH_PICTURES
using PlotWindows = std::array<plot::PlotInput, plot::PlotKindCount>;

// The inputs of the seven windows after DrawGraphs over the program's slots.
PlotWindows drawGraphs(const model::MainWindowState& program) {
    return plot::PrepareDrawGraphs(program, program.form).plots;
}

// Renders the windows (as after start-up when nothing was drawn) into `folder` under a
// QGuiApplication of its own, on the offscreen platform unless another one is asked for.
bool writePictures(const std::string& folder, const std::optional<PlotWindows>& shown,
                   std::ostream& err) {
    PlotWindows plots;
    for (plot::PlotKind kind : plot::AllPlotKinds)
        plots[plot::IndexOf(kind)] =
            shown ? (*shown)[plot::IndexOf(kind)] : plot::StartPlotInput(kind);
    std::string error;
    if (QGuiApplication::instance()) {
        error = plot::WritePlotPictures(plots, folder);
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        int argc = 1;
        char name[] = "velmora-sim";
        char* argv[] = {name, nullptr};
        QGuiApplication application(argc, argv);
        error = plot::WritePlotPictures(plots, folder);
    }
    if (!error.empty()) {
        err << "velmora-sim: " << error << "\n";
        return false;
    }
    return true;
}

// The sketch window at its design size: client area 412 × 233, Im1 5 pixels inside.
constexpr int SketchClientWidth = 412;
constexpr int SketchClientHeight = 233;

// What DrawSketch left: the last drawing and the rear-chamber-2 size kept for the next.
struct SketchShown {
    std::optional<plot::SketchPrimitives> drawing;
    double RK2Face = 0, RK2Depth = 0;
};

// DrawSketch at the end of a run, from the values the run read (`runForm`, the form before
// the run's own corrections) and the controls after it.
void drawSketch(SketchShown& sketch, const model::FormState& runForm,
                const engine::SimulationResult& result, const model::MainWindowState& program) {
    const engine::SimulationInput input =
        model::BuildSimulationInput(runForm, program.lastCheck.elements);
    const auto slot = static_cast<std::size_t>(program.ColourSlot);
    const plot::SketchInput in =
        plot::MakeSketchInput(input, result, program.slotResults[slot].ContourArea, program.form,
                              sketch.RK2Face, sketch.RK2Depth);
    const plot::SketchDrawing drawn =
        plot::DrawSketch(in, SketchClientWidth - 10, SketchClientHeight - 10);
    sketch.drawing = drawn.primitives;
    sketch.RK2Face = drawn.RK2Face;
    sketch.RK2Depth = drawn.RK2Depth;
}

// Skizze.png beside the plot pictures: white, the last drawing at (5, 5).
bool writeSketchPicture(const std::string& folder, const SketchShown& sketch, std::ostream& err) {
    auto write = [&] {
        QImage image(SketchClientWidth, SketchClientHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        if (sketch.drawing) {
            QPainter painter(&image);
            const QSize surface(SketchClientWidth - 10, SketchClientHeight - 10);
            painter.drawImage(5, 5, plot::RenderSketch(surface, *sketch.drawing));
        }
        const std::string path = (std::filesystem::path(folder) / "Skizze.png").string();
        return image.save(QString::fromStdString(path), "PNG");
    };
    bool written = false;
    if (QGuiApplication::instance()) {
        written = write();
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        int argc = 1;
        char name[] = "velmora-sim";
        char* argv[] = {name, nullptr};
        QGuiApplication application(argc, argv);
        written = write();
    }
    if (!written)
        err << "velmora-sim: could not write " << (std::filesystem::path(folder) / "Skizze.png")
            << "\n";
    return written;
}
#else
struct PlotWindows {};
struct SketchShown {};

PlotWindows drawGraphs(const model::MainWindowState&) {
    return {};
}

void drawSketch(SketchShown&, const model::FormState&, const engine::SimulationResult&,
                const model::MainWindowState&) {}

bool writePictures(const std::string&, const std::optional<PlotWindows>&, std::ostream& err) {
    err << "velmora-sim: this build has no pictures (built without Qt)\n";
    return false;
}

bool writeSketchPicture(const std::string&, const SketchShown&, std::ostream&) {
    return false;
}
#endif

// --html: the program itself, started offscreen, opens and runs the projects and exports.
int writeHtml(const RunRequest& r, std::ostream& err) {
#ifdef VELMORA_WITH_HTML
    using Kind = ui::HeadlessExport::Outcome::Kind;
    const ui::HeadlessExport::Outcome outcome = ui::HeadlessExport::run(
        r.projects,
        [&r, &err](model::FormState& state) {
            for (const auto& [name, value] : r.sets)
                if (!applySet(state, name, value, err))
                    return false;
            return true;
        },
        r.html);
    if (outcome.kind == Kind::Written)
        return ExitSuccess;
    // The program's own messages tell why.
    for (const std::string& message : outcome.messages)
        err << "velmora-sim: --html: " << escapeLineBreaks(message) << "\n";
    if (!outcome.error.empty())
        err << "velmora-sim: --html: " << outcome.error << "\n";
    return outcome.kind == Kind::InvalidInputs ? ExitInvalidInputs
           : outcome.kind == Kind::Refused     ? ExitRefused
                                               : ExitBadArguments;
#else
    (void)r;
    err << "velmora-sim: this build has no HTML export (built without Qt)\n";
    return ExitBadArguments;
#endif
}

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    RunRequest r;
    if (int status = parseRun(args, r, err); status != ExitSuccess)
        return status;
    for (const std::string& project : r.projects)
        if (!readableProject(project, err))
            return ExitBadArguments;
    const std::string firstProject = r.projects.empty() ? std::string() : r.projects.front();

    if (r.sweepControl.empty()) {
        // A fresh program: slot 0 first, every slot empty; the slot advances after each run
        // as with the colour-change option on.
        model::MainWindowState program;
        model::FormState state;
        engine::SimulationResult result;
        const std::vector<std::string> projects =
            r.projects.empty() ? std::vector<std::string>{""} : r.projects;
        std::optional<PlotWindows> shown;
        SketchShown sketch;
        for (const std::string& project : projects) {
            state = model::FormState();
            const int status = simulateOnce(r, project, r.sets, state, result, program, err);
            if (status != ExitSuccess)
                return status;
            // DrawGraphs follows a run of at least two points; the windows keep what they
            // showed after a shorter one.
            if (!r.pictures.empty() && result.pointCount >= 2)
                shown = drawGraphs(program);
            // DrawSketch follows every run.
            if (!r.pictures.empty())
                drawSketch(sketch, state, result, program);
            program.advanceColourSlot();
        }
        if (!r.out.empty() && !writeRunFiles(r.out, result, err))
            return ExitBadArguments;
        if (!r.format.empty())
            printResponses(result, state.RGTreiber2 > 0, r.format, out);
        if (!r.pictures.empty() && !writePictures(r.pictures, shown, err))
            return ExitBadArguments;
        if (!r.pictures.empty() && !writeSketchPicture(r.pictures, sketch, err))
            return ExitBadArguments;
        if (!r.html.empty())
            return writeHtml(r, err);
        return ExitSuccess;
    }

    // A sweep: one folder per value, and all response lines in one table with the value first.
    std::string combined = r.sweepControl + "\t" +
                           "f\tSPL\tZel\tx1\tSPLmax\tPmax\tZreal\tZimag\tx2\tPmax2\tPhi_a\r\n";
    int worst = ExitSuccess;
    for (size_t k = 0; k < r.sweepValues.size(); ++k) {
        const std::string value = engine::FormatGeneral(r.sweepValues[k]);
        auto sets = r.sets;
        sets.emplace_back(r.sweepControl, value);
        model::FormState state;
        engine::SimulationResult result;
        model::MainWindowState program;
        const int status = simulateOnce(r, firstProject, sets, state, result, program, err);
        if (status == ExitBadArguments)
            return status;
        if (status != ExitSuccess) {
            err << "velmora-sim: " << r.sweepControl << "=" << value << " was not run\n";
            worst = std::max(worst, status);
            continue;
        }
        const std::string index = (k + 1 < 10 ? "0" : "") + std::to_string(k + 1);
        const std::string folder =
            (std::filesystem::path(r.out) / (index + "_" + r.sweepControl + "=" + value)).string();
        if (!writeRunFiles(folder, result, err))
            return ExitBadArguments;
        for (int i = 0; i < result.pointCount; ++i)
            combined += value + "\t" + engine::DataTableLine(result.rows, i, state.RGTreiber2 > 0) +
                        "\r\n";
        if (!r.format.empty())
            printResponses(result, state.RGTreiber2 > 0, r.format, out);
    }
    const std::filesystem::path combinedPath = std::filesystem::path(r.out) / "sweep.txt";
    std::ofstream file(combinedPath, std::ios::binary);
    file << combined;
    file.close();
    if (!file) {
        err << "velmora-sim: could not write " << combinedPath.string() << "\n";
        return ExitBadArguments;
    }
    return worst;
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
        return runCommand(rest, out, err);
    if (command == "check")
        return checkCommand(rest, out, err);
    if (command == "new")
        return newCommand(rest, err);
    err << "velmora-sim: unknown command '" << command << "'\n" << UsageText;
    return ExitBadArguments;
}

} // namespace cli
