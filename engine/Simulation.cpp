// One simulation run: derivations, report, frequency range, sweep, tables.
#include "Simulation.h"

#include <cmath>
#include <memory>

#include "CrossoverNetwork.h"
#include "DenseSystem.h"
#include "ElementImpedances.h"
#include "ModelConstants.h"
#include "NetworkAssembly.h"
#include "NumberFormat.h"
#include "Responses.h"
#include "SparseSystem.h"

namespace engine {

namespace {

constexpr int PointCap = 169;

const char* const ContourHeader = "x [m]\tA [cm\xB2]\tH [cm]\tr [cm]\r\n";
const char* const DataHeader = "f\tSPL\tZel\tx1\tSPLmax\tPmax\tZreal\tZimag\tx2\tPmax2\tPhi_a\r\n"
                               "[Hz]\t[dB]\t[Ohm]\t[mm]\t[dB]\t[W]\t\t\t[mm]\t[W]\t[\xB0]\r\n";

std::string driverRefusal(const DriverInput& d, const char* which) {
    struct Check {
        double value;
        bool positiveOnly;
        const char* name;
    };
    const Check checks[] = {
        {static_cast<double>(d.Stk), true, "the number of drivers"},
        {d.Rdc, true, "the voice coil DC-resistance Rdc"},
        {d.fs, true, "the free air resonance fs"},
        {d.Qes, true, "the electrical Q-factor Qes"},
        {d.Qms, false, "the mechanical Q-factor Qms"},
        {d.Vas, true, "the equivalent volume Vas"},
        {d.Sd, true, "the cone area Sd"},
        {d.Xmax, false, "the linear excursion Xmax"},
        {d.Pmax, true, "the power handling Pmax"},
    };
    for (const Check& c : checks) {
        if (!std::isfinite(c.value) || c.value == 0 || (c.positiveOnly && c.value < 0))
            return std::string("Simulation not started: ") + c.name + " of " + which +
                   (c.positiveOnly ? " must be above 0." : " must not be 0.");
    }
    return "";
}

// Frequency limit of the slot: fmax lowered by every limit of the openings and lengths.
double effectiveMaximum(const SimulationInput& in, const Enclosure& en, double fmax) {
    const double c = SoundSpeed;
    double limit = fmax;
    auto lower = [&](double value) {
        if (value < limit)
            limit = value;
    };
    if (!in.mouthClosed)
        lower(25 * c / (2 * ModelPi * std::sqrt(in.AM / ModelPi)));
    if (in.CBET)
        lower(25 * c / (2 * ModelPi * en.rET));
    lower(10 * c / in.L);
    if (in.hornType == 0 && en.LBR > 0)
        lower(10 * c / en.LBR);
    if (in.CBET && en.LET > 0)
        lower(0.2 * c / en.LET);
    if (en.LVK != 0)
        lower(10 * c / en.LVK);
    if (en.LRK != 0)
        lower(10 * c / en.LRK);
    return limit;
}

// Replaces a value that is not a finite number by 0; true when it did.
bool sanitize(double& v) {
    if (std::isfinite(v))
        return false;
    v = 0;
    return true;
}

// A point the network could not be solved at: every value but the frequency is 0 (Pmax2
// only where driver 2 takes part; otherwise the row keeps what it held).
void clearPoint(ResultRows& r, int i, bool driver2Present) {
    for (auto* row : {&r.SPL, &r.Zel, &r.x1, &r.x2, &r.SPLmax, &r.Pmax, &r.Zreal, &r.Zimag,
                      &r.Phi_a})
        (*row)[i] = 0;
    if (driver2Present)
        r.Pmax2[i] = 0;
}

bool sanitizePoint(ResultRows& r, int i) {
    bool any = false;
    for (auto* row : {&r.SPL, &r.Zel, &r.x1, &r.x2, &r.SPLmax, &r.Pmax, &r.Pmax2, &r.Zreal,
                      &r.Zimag, &r.Phi_a})
        any |= sanitize((*row)[i]);
    return any;
}

} // namespace

std::string RefusalReason(const SimulationInput& in) {
    if (std::string r = driverRefusal(in.driver1, "driver 1"); !r.empty())
        return r;
    if (in.driver2Mode == 2) {
        if (std::string r = driverRefusal(in.driver2, "driver 2"); !r.empty())
            return r;
    }
    auto refuse = [](const std::string& what) { return "Simulation not started: " + what; };
    if (!(in.PositionFactor >= 1))
        return refuse("the placement is unknown.");
    if (!std::isfinite(in.Ue) || in.Ue == 0)
        return refuse("the input voltage Vin must not be 0.");
    if (!(in.AT > 0))
        return refuse("the throat area AT must be above 0.");
    if (!(in.AM > 0) || !(in.mouthWidthCm != 0))
        return refuse("the mouth height and width must be above 0.");
    const int profile = in.profile < 0 ? 0 : in.profile;
    if ((profile == 3 || profile == 4 || profile == 6) && !(in.AM > in.AT))
        return refuse("this contour needs a mouth area larger than the throat area.");
    if (!std::isfinite(in.L) || !(in.L > 0))
        return refuse("the horn length must be above 0.");
    if (in.ContourPoints < 2 || in.ContourPoints > 10001)
        return refuse("the contour solution must be 2 to 10001 points.");
    if (in.FrequencyPoints < 2)
        return refuse("the frequency solution must be at least 2 points.");
    if (!in.autoFrequencyRange && in.rangeMin < in.rangeMax && !(in.rangeMin > 0))
        return refuse("the lowest simulation frequency must be above 0 Hz.");
    if (in.hornType != 1 && !(in.Vrk > 0))
        return refuse("the volume of the rear chamber VRC must be above 0.");
    if (in.hornType != 1 && in.portEntered && (!(in.Abr > 0) || in.fbr == 0))
        return refuse("a bass-reflex port needs an area above 0 and a frequency other than 0.");
    if (in.CBRK2 && in.driver2Mode >= 1 && in.Vrk2 == 0)
        return refuse("the volume of rear chamber 2 VRC2 must not be 0.");
    if (in.CBET && in.AET < 0)
        return refuse("the area of the extra tunnel must not be negative.");
    if (in.CBAK && in.fAK != 0 && in.VAK != 0 && in.AAT < 0)
        return refuse("the area of the absorber chamber tunnel must not be negative.");
    if (in.CBAK && in.fAK != 0 && in.VAK < 0) // its face (√PF·VAK)^(2/3) would be no number
        return refuse("the volume of the absorber chamber must not be negative.");
    for (int k = 1; k <= 14; ++k) {
        if (!std::isfinite(in.ElementR[k]) || !std::isfinite(in.ElementL[k]) ||
            !std::isfinite(in.ElementInvC[k]))
            return refuse("a crossover value of position " + std::to_string(k) +
                          " is out of range.");
    }
    const double values[] = {in.AT,  in.AM,   in.L,    in.beta1, in.beta2, in.xT1,  in.xT2,
                             in.dL,  in.dL2,  in.Vvk,  in.Lvk,   in.betaVK, in.Vrk, in.Lrk,
                             in.betaRK, in.Abr, in.fbr, in.betaBR, in.VAK, in.AAT, in.fAK,
                             in.betaAK, in.xAK, in.Vrk2, in.AET, in.LET, in.betaET, in.xET,
                             in.dLET, in.Abst, in.RdcText, in.rangeMin, in.rangeMax};
    for (double v : values) {
        if (!std::isfinite(v))
            return refuse("an input value is too large.");
    }
    return "";
}

SimulationResult Simulate(const SimulationInput& in, const ResultRows& previousSlot,
                          const SimulationOptions& options) {
    SimulationResult result;
    result.rows = previousSlot;
    auto progress = [&](int value) {
        if (options.progress)
            options.progress(value);
    };
    // A refused run leaves the slot as it was and reports only the reason.
    auto refused = [&](const std::string& reason) {
        SimulationResult r;
        r.rows = previousSlot;
        r.refused = true;
        r.notices.push_back({"Error", reason});
        progress(0);
        return r;
    };
    progress(10);
    if (std::string reason = RefusalReason(in); !reason.empty())
        return refused(reason);

    result.drivers = DeriveDriverParameters(in);
    result.contour = BuildContour(in);
    // Extreme dimensions can overflow the profile formulas (a vanishing throat, a length near
    // the double range): every area is a divisor of the network, so each must be a number > 0.
    bool contourUsable = std::isfinite(result.contour.VHorn);
    for (double area : result.contour.ContourArea)
        contourUsable = contourUsable && std::isfinite(area) && area > 0;
    if (!contourUsable)
        return refused("Simulation not started: the horn contour cannot be computed for this "
                       "throat, mouth and length.");
    if (in.profile == 6)
        result.memo2.push_back(FormatPicture(result.contour.rTraktrix, "rTraktrix = 0.### m"));
    if (result.contour.mouthUnreachable) {
        result.correctedEditH = result.contour.correctedEditH;
        result.notices.push_back(
            {"", "Mundfl\xC3\xA4" "che kann durch Traktrixfunktion\nnicht erreicht werden."});
    }
    result.enclosure = DeriveEnclosure(in, result.drivers, result.contour);
    const Enclosure& en = result.enclosure;
    if (en.LBRNegative)
        result.notices.push_back({"Notice", "LBR would be negative!"});
    if (en.LATNegative)
        result.notices.push_back({"Notice", "LAT would be negative!"});

    result.memo1 = DriverReportLines(in, result.drivers);
    for (const std::string& line : en.reportLines)
        result.memo2.push_back(line);
    for (const std::string& line : EnclosureReportLines(in, result.contour, en))
        result.memo2.push_back(line);

    // Frequency range and the slot's upper limit.
    result.rangeForcedAutomatic = !in.autoFrequencyRange && !(in.rangeMin < in.rangeMax);
    const bool automatic = in.autoFrequencyRange || result.rangeForcedAutomatic;
    result.fmin = automatic ? 10 : in.rangeMin;
    result.fmax = automatic ? 20000 : in.rangeMax;
    const int NF = in.FrequencyPoints - 1;
    result.FmaxEff = effectiveMaximum(in, en, result.fmax);
    // The point after fmax is still computed: its frequency must be a number too.
    if (!std::isfinite(std::pow(result.fmax / result.fmin, (NF + 1.0) / NF) * result.fmin))
        return refused("Simulation not started: the simulation frequency range is too wide.");

    if (options.buildTables) {
        result.contourTable = ContourHeader;
        for (const std::string& line : result.contour.listLines)
            result.contourTable += line + "\r\n";
        result.dataTable = DataHeader;
    }

    // The sweep.
    NetworkElements elements;
    std::array<Complex, loop::Count> x{};
    std::unique_ptr<DenseSystem> dense;
    std::unique_ptr<SparseSystem> sparse;
    if (options.solver == SolverKind::Reference)
        dense = std::make_unique<DenseSystem>();
    else
        sparse = std::make_unique<SparseSystem>();
    const double ratio = result.fmax / result.fmin;
    const double mouthArea99 = result.contour.ContourArea[99];
    const bool driver2Present = in.driver2Mode > 0;
    int singularPoints = 0;
    int invalidPoints = 0;
    int i = 0;
    for (;; ++i) {
        progress(10 + 80 * i / (NF + 1));
        const double f = std::pow(ratio, static_cast<double>(i) / NF) * result.fmin;
        result.rows.f[i] = f;
        const double omega = 2 * ModelPi * f;
        ComputeElectricalElements(in, result.drivers, f, omega, elements);
        ComputeAcousticElements(in, result.drivers, result.contour, en, omega, elements,
                                options.series);
        bool solved;
        if (dense) {
            dense->clear();
            StampNetwork(elements, *dense);
            solved = dense->solve(x);
        } else {
            sparse->clear();
            StampNetwork(elements, *sparse);
            solved = sparse->solve(x);
        }
        if (!solved)
            ++singularPoints;
        if (solved) {
            ComputeResponses(in, result.drivers, en, mouthArea99, omega, x, i, result.rows);
            if (sanitizePoint(result.rows, i))
                ++invalidPoints;
        } else {
            clearPoint(result.rows, i, driver2Present);
        }
        if (options.buildTables) {
            result.dataTable += DataTableLine(result.rows, i, driver2Present);
            result.dataTable += "\r\n";
        }
        if (f > result.FmaxEff || i + 1 == PointCap)
            break;
    }
    result.pointCount = i + 1;

    if (singularPoints > 0)
        result.notices.push_back(
            {"Notice", "The network could not be solved at " + std::to_string(singularPoints) +
                           " frequency point(s); their values are set to 0."});
    if (invalidPoints > 0)
        result.notices.push_back(
            {"Notice", "Some values were out of range at " + std::to_string(invalidPoints) +
                           " frequency point(s) and are set to 0."});
    if (result.pointCount < 2) {
        result.notices.push_back({"Error", "Too few frequency points"});
        progress(0);
    }
    return result;
}

} // namespace engine
