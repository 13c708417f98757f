// Electro-mechanical quantities of both drivers derived from their Thiele/Small data.
#include "DriverParameters.h"

#include <cmath>

#include "ModelConstants.h"
#include "NumberFormat.h"

namespace engine {

void VoiceCoilModel(double Rdc, double Z1k, double Z10k, double& KL, double& nL) {
    if (Z1k > Rdc && Z10k > Rdc) {
        double X1k = std::sqrt(Z1k * Z1k * 0.25 - 3 * Rdc * Rdc * 0.0625) - 0.25 * Rdc;
        double X10k = std::sqrt(Z10k * Z10k * 0.25 - 3 * Rdc * Rdc * 0.0625) - 0.25 * Rdc;
        nL = std::log10(X10k / X1k);
        KL = X1k / std::pow(1000.0, nL);
    } else {
        KL = 0;
        nL = 1;
    }
}

DriverParameters DeriveDriverParameters(const SimulationInput& input) {
    DriverParameters p;
    p.driver1.data = input.driver1;
    p.driver2.data = input.driver2;
    if (input.driver2Mode == 0) {
        DriverInput& d2 = p.driver2.data;
        d2.Rdc = input.driver1.Rdc * 1000000;
        d2.fs = input.driver1.fs * 0.000001;
        d2.Z1k = input.driver1.Z1k * 1000000;
        d2.Z10k = input.driver1.Z10k * 1000000;
    }
    p.a2 = std::sqrt(p.driver2.data.Sd / ModelPi);

    DriverModel* drivers[2] = {&p.driver1, &p.driver2};
    for (DriverModel* d : drivers)
        d->Cms = d->data.Vas / (AirStiffness * d->data.Sd * d->data.Sd);
    for (DriverModel* d : drivers)
        d->Mms = 1 / (4 * ModelPi * ModelPi * d->data.fs * d->data.fs * d->Cms);
    for (DriverModel* d : drivers)
        d->Rms = 1 / (2 * ModelPi * d->data.fs * d->Cms * d->data.Qms);
    for (DriverModel* d : drivers)
        d->BxL = std::sqrt(2 * ModelPi * d->data.fs * d->data.Rdc * d->Mms / d->data.Qes);
    for (DriverModel* d : drivers)
        VoiceCoilModel(d->data.Rdc, d->data.Z1k, d->data.Z10k, d->KL, d->nL);
    return p;
}

namespace {

void appendDriverLines(std::vector<std::string>& lines, const DriverModel& d, double Ue, int PF,
                       const std::string& suffix) {
    const double stk = d.data.Stk;
    lines.push_back(FormatPicture(stk * d.Cms * PF * 1000, "Cms" + suffix + " = 0.### mm/N"));
    lines.push_back(FormatPicture(d.Mms / stk / PF * 1000, "Mms" + suffix + " = 0.### g"));
    lines.push_back(FormatPicture(d.Rms / stk / PF, "Rms" + suffix + " = 0.## kg/s"));
    lines.push_back(FormatPicture(d.BxL, "BxL" + suffix + " = 0.## N/A"));
    lines.push_back(FormatPicture(Ue * Ue / d.data.Rdc / PF, "Pe" + suffix + " = 0.## W"));
    lines.push_back(FormatPicture(d.data.Qms * d.data.Qes / (d.data.Qms + d.data.Qes),
                                  "Qts" + suffix + " = 0.###"));
}

} // namespace

std::vector<std::string> DriverReportLines(const SimulationInput& input,
                                           const DriverParameters& drivers) {
    std::vector<std::string> lines;
    appendDriverLines(lines, drivers.driver1, input.Ue, input.PositionFactor, "");
    if (input.driver2Mode == 2) {
        lines.emplace_back();
        appendDriverLines(lines, drivers.driver2, input.Ue, input.PositionFactor, "2");
    }
    return lines;
}

} // namespace engine
