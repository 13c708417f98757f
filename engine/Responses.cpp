// Response quantities of one solved frequency point and its line of the response table.
#include "Responses.h"

#include <cmath>

#include "ModelConstants.h"
#include "NumberFormat.h"
#include "Radiation.h"

namespace engine {

void ComputeResponses(const SimulationInput& in, const DriverParameters& drivers,
                      const Enclosure& en, double mouthArea99, double omega,
                      const std::array<Complex, loop::Count>& x, int i, ResultRows& rows) {
    using namespace loop;
    const double k = omega / SoundSpeed;
    const int PF = in.PositionFactor;
    const double rM = std::sqrt(in.AM / ModelPi);
    const double wM = SpaceFactor(rM, omega, in.placementIndex);
    const double wT2 = SpaceFactor(drivers.a2, omega, in.placementIndex);
    const double wBR = SpaceFactor(en.rBR, omega, in.placementIndex);
    const double wET = SpaceFactor(en.rET, omega, in.placementIndex);
    const double Sd = drivers.driver1.data.Sd;
    const double Sd2 = drivers.driver2.data.Sd;
    const double Abst = en.Abst;

    Complex p;
    if (in.hornType == 1) {
        p = PistonPressure(wBR, x[PortOpening], en.ABR, Abst, k) -
            PistonPressure(wM, x[Mouth], mouthArea99, Abst + in.dL, k);
        if (!in.CBRK2)
            p = p + PistonPressure(wT2, x[Cone2], Sd2, Abst + in.dL2, k);
        if (in.CBET)
            p = p - PistonPressure(wET, x[ExtraTunnel], en.AET, Abst + en.dLET, k);
    } else {
        p = PistonPressure(wM, x[Mouth], mouthArea99, Abst, k) -
            PistonPressure(wBR, x[PortOpening], en.ABR, Abst + in.dL, k);
        if (!in.CBRK2)
            p = p - PistonPressure(wT2, x[Cone2], Sd2, Abst + in.dL2, k);
        if (in.CBET)
            p = p + PistonPressure(wET, x[ExtraTunnel], en.AET, Abst + en.dLET, k);
    }

    const double pressure = Magnitude(p);
    rows.SPL[i] = pressure == 0 ? SilentLevel : 20 * std::log10(pressure) + 94;
    rows.Phi_a[i] = (p.real() == 0 && p.imag() == 0)
                        ? 0.0
                        : -std::atan2(p.imag(), p.real()) * 180 / ModelPi;

    const Complex current = x[0] + x[1] + x[2] + x[3] + x[4] + x[157] + x[158] + x[159];
    rows.Zel[i] = PF * in.Ue / Magnitude(current);

    const Complex xi1 = Divide(x[Cone1], Complex(0, omega * Sd));
    rows.x1[i] = Magnitude(xi1) * 1000;
    const Complex xi2 = Divide(x[Cone2], Complex(0, omega * Sd2));
    rows.x2[i] = Magnitude(xi2) * 1000;

    const double Ue2 = in.Ue * in.Ue;
    const DriverInput& d1 = drivers.driver1.data;
    double P = std::pow(d1.Xmax / Magnitude(xi1), 2.0) * (Ue2 / d1.Rdc / PF) * 0.5;
    if (!(d1.Stk * d1.Pmax > P))
        P = d1.Stk * d1.Pmax;
    rows.Pmax[i] = P;
    rows.SPLmax[i] = 10 * std::log10(P * d1.Rdc * PF / Ue2) + rows.SPL[i];

    if (in.driver2Mode > 0) {
        const DriverInput& d2 = drivers.driver2.data;
        double P2 = std::pow(d2.Xmax / Magnitude(xi2), 2.0) * (Ue2 / d2.Rdc / PF) * 0.5;
        if (!(d2.Stk * d2.Pmax > P2))
            P2 = d2.Stk * d2.Pmax;
        rows.Pmax2[i] = P2;
        const double L2 = 10 * std::log10(P2 * d2.Rdc * PF / Ue2) + rows.SPL[i];
        if (rows.SPLmax[i] >= L2)
            rows.SPLmax[i] = L2;
    }

    const Complex numerator = (Sd * 50 * AirStiffness) * (x[Cone1] - x[FrontChamberFirst]);
    const Complex denominator =
        Complex(0, omega * AirDensity * SoundSpeed * en.VVK) * x[Cone1];
    const Complex Z = Divide(numerator, denominator);
    rows.Zreal[i] = Z.real();
    rows.Zimag[i] = Z.imag();
}

std::string DataTableLine(const ResultRows& r, int i, bool driver2Present) {
    std::string line;
    line.reserve(96);
    line += FormatPicture(r.f[i], "0.00");
    line += '\t';
    line += FormatPicture(r.SPL[i], "0.00");
    line += '\t';
    line += FormatPicture(r.Zel[i], "0.000");
    line += '\t';
    line += FormatPicture(r.x1[i], "0.00E+00");
    line += '\t';
    line += FormatPicture(r.SPLmax[i], "0.00");
    line += '\t';
    line += FormatPicture(r.Pmax[i], "0.000");
    line += '\t';
    line += FormatPicture(r.Zreal[i], "0.000");
    line += '\t';
    line += FormatPicture(r.Zimag[i], "0.000");
    line += '\t';
    if (driver2Present) {
        line += FormatPicture(r.x2[i], "0.00E+00");
        line += '\t';
        line += FormatPicture(r.Pmax2[i], "0.000");
    } else {
        line += '\t';
    }
    line += '\t';
    line += FormatPicture(r.Phi_a[i], "0.000");
    return line;
}

} // namespace engine
