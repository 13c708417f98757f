// Chambers, port, tunnels, grid positions and total volume of the enclosure.
#include "Enclosure.h"

#include <cmath>

#include "ModelConstants.h"
#include "NumberFormat.h"

namespace engine {

namespace {

// trunc(100·x/L), saturated before the conversion so that no position overflows an int.
int gridIndex(double x, double L) {
    double v = std::trunc(100 * x / L);
    if (!(v < 100))
        return 100;
    return v < -1 ? -1 : static_cast<int>(v);
}

int clampBranchIndex(int i) { return i >= 100 ? 99 : (i < 1 ? 1 : i); }

} // namespace

void DriverGridIndices(const SimulationInput& in, int& iT1, int& iT2) {
    iT1 = gridIndex(in.xT1, in.L);
    if (iT1 >= 100)
        iT1 = 99;
    if (iT1 < 0) // the check keeps xT1 ≥ 0; never index before the throat
        iT1 = 0;
    iT2 = gridIndex(in.xT2, in.L);
    if (iT2 < 1)
        iT2 = 1;
    if (iT2 >= 100)
        iT2 = 99;
}

Enclosure DeriveEnclosure(const SimulationInput& in, const DriverParameters& drivers,
                          const Contour& contour) {
    Enclosure e;
    const double PF = in.PositionFactor;
    const double Sd = drivers.driver1.data.Sd;
    const double Vas = drivers.driver1.data.Vas;
    const double pi = ModelPi;
    const double rho = AirDensity;
    const double kappa = AirStiffness;

    DriverGridIndices(in, e.iT1, e.iT2);

    e.VVK = in.Vvk == 0 ? std::pow(Sd, 1.5) * 0.000001 : in.Vvk;
    e.LVK = in.Lvk;

    if (in.hornType != 1) {
        e.VRK = in.Vrk;
        e.Vtot = (contour.VHorn + e.VVK + e.VRK) * 1000 / PF;
        e.LRK = in.Lrk;
        if (!in.portEntered) {
            e.LBR = std::sqrt(Sd) * 0.001;
            e.ABR = 4 * pi * pi * rho * e.VRK * e.LBR / kappa;
        } else {
            e.ABR = in.Abr;
            e.fBR = in.fbr;
            e.LBR = e.ABR * kappa / (4 * pi * pi * e.fBR * e.fBR * rho * e.VRK) -
                    0.8 * std::sqrt(e.ABR / pi / PF);
            if (!(e.LBR >= 0)) {
                e.LBRNegative = true;
                e.LBR = std::sqrt(Sd) * 0.001;
            }
            e.Vtot += e.ABR * e.LBR * 1000 / PF;
        }
    } else {
        e.VRK = Vas * 0.000001;
        e.Vtot = (contour.VHorn + e.VVK) * 1000 / PF;
        e.LRK = 0;
        e.ABR = Sd;
        e.LBR = std::sqrt(Sd) * 0.001;
    }
    e.rBR = std::sqrt(e.ABR / pi);

    e.rearChamber2Active = in.CBRK2 && in.driver2Mode >= 1;
    if (e.rearChamber2Active) {
        e.VRK2 = in.Vrk2;
        e.Vtot += e.VRK2 * 1000 / PF;
    } else {
        e.VRK2 = drivers.driver2.data.Vas * 1000000000;
    }

    e.xAK = in.xAK;
    e.iAK = clampBranchIndex(gridIndex(e.xAK, in.L));
    e.AAT = in.AAT == 0 ? Sd * 0.000001 : in.AAT;
    e.absorberActive = in.fAK != 0 && in.VAK != 0 && in.CBAK;
    if (e.absorberActive) {
        e.fAK = in.fAK;
        e.VAK = in.VAK;
        e.LAT = e.AAT * kappa / (4 * pi * pi * e.fAK * e.fAK * rho * e.VAK) -
                0.8 * std::sqrt(e.AAT / pi / PF);
        if (!(e.LAT >= 0)) {
            e.LATNegative = true;
            e.LAT = std::sqrt(Sd) * 0.001;
        }
        e.Vtot += (e.AAT * e.LAT + e.VAK) * 1000 / PF;
        e.reportLines.push_back(FormatPicture(e.LAT * 100, "LAT = 0.# cm"));
    } else {
        e.VAK = Vas * 0.000001;
        e.LAT = std::sqrt(Sd) * 0.001;
    }
    e.AKFace = std::pow(std::sqrt(PF) * e.VAK, 2.0 / 3.0);
    e.AKDepth = std::sqrt(e.AKFace / PF);

    e.xET = in.xET;
    e.LET = in.LET;
    e.dLET = in.dLET;
    e.extraTunnelActive = in.AET != 0 && in.CBET;
    if (e.extraTunnelActive) {
        e.AET = in.AET;
        e.Vtot += e.AET * e.LET * 1000 / PF;
    } else {
        e.AET = Sd * 0.000001;
    }
    e.rET = std::sqrt(e.AET / pi);
    e.iET = clampBranchIndex(gridIndex(e.xET, in.L));
    e.Abst = in.Abst;
    return e;
}

std::vector<std::string> EnclosureReportLines(const SimulationInput& in, const Contour& contour,
                                              const Enclosure& e) {
    std::vector<std::string> lines;
    lines.push_back(FormatPicture(contour.VHorn * 1000 / in.PositionFactor, "VHorn = 0.## l"));
    if (in.hornType == 0 && in.portEntered && in.fbrEntered)
        lines.push_back(FormatPicture(e.LBR * 100, "LBR = 0.# cm"));
    lines.push_back("Vtot" + FormatPicture(e.Vtot, " = 0.### l"));
    return lines;
}

} // namespace engine
