// Electrical side of one frequency point: crossover ladders, voice coils, couplings.
#include "CrossoverNetwork.h"

#include <cmath>

#include "ModelConstants.h"

namespace engine {

namespace {

// Series R-L-C of one position.
Complex seriesElement(const SimulationInput& in, int k, double omega) {
    return {in.ElementR[k], omega * in.ElementL[k] - in.ElementInvC[k] / omega};
}

// Lc = KL·f^(nL−1)·(√3 − j)/(2π); ZE = Rdc + jω·Lc.
Complex coilImpedance(const DriverModel& d, double f, double omega) {
    const double scale = d.KL * std::pow(f, d.nL - 1);
    const Complex Lc(scale * std::sqrt(3.0) / (2 * ModelPi), -scale / (2 * ModelPi));
    return {d.data.Rdc - omega * Lc.imag(), omega * Lc.real()};
}

} // namespace

void ComputeElectricalElements(const SimulationInput& in, const DriverParameters& drivers,
                               double f, double omega, NetworkElements& e) {
    auto& Z = e.Z;
    const double zOpen = 1e9 * drivers.driver1.data.Rdc;
    const double zOpenText = 1e9 * in.RdcText;
    const Complex open(zOpen, 0);
    const Complex jw(0, omega);

    if (!in.ignoreCrossover) {
        for (int k = 1; k <= 4; ++k)
            Z[k] = seriesElement(in, k, omega);

        // Position 5: R, L, C in parallel; an empty position is a wire.
        Complex z5 = open;
        if (in.ElementInvC[5] != 0)
            z5 = Complex(0, -in.ElementInvC[5] / omega);
        if (in.ElementL[5] != 0) {
            const Complex zl = jw * in.ElementL[5];
            z5 = Divide(zl * z5, zl + z5);
        }
        if (in.ElementR[5] != 0)
            z5 = Divide(in.ElementR[5] * z5, in.ElementR[5] + z5);
        Z[5] = z5 == open ? Complex() : z5;

        Z[6] = seriesElement(in, 6, omega);

        // Positions 7, 8, 9: three series R-L-C branches in parallel.
        Complex B[3];
        for (int i = 0; i < 3; ++i) {
            const int k = 7 + i;
            Complex b;
            if (in.ElementInvC[k] != 0)
                b = Complex(0, -in.ElementInvC[k] / omega);
            if (in.ElementL[k] != 0)
                b = b + jw * in.ElementL[k];
            if (in.ElementR[k] != 0)
                b = b + in.ElementR[k];
            B[i] = b == Complex() ? open : b;
        }
        if (B[0] == open && B[1] == open && B[2] == open)
            Z[7] = Complex();
        else
            Z[7] = Divide(B[0] * B[1] * B[2], B[0] * B[2] + B[0] * B[1] + B[1] * B[2]);

        for (int k = 8; k <= 12; ++k)
            Z[k] = seriesElement(in, k + 2, omega);
        for (int k = 1; k <= 12; ++k)
            Z[k] = Z[k] / static_cast<double>(in.PositionFactor);
    } else {
        for (int k = 1; k <= 12; ++k)
            Z[k] = k % 2 == 1 ? Complex() : Complex(zOpenText, 0);
    }
    if (in.driver2Mode == 0)
        Z[9] = Complex(zOpenText, 0);

    e.ZE1 = coilImpedance(drivers.driver1, f, omega);
    e.ZE2 = coilImpedance(drivers.driver2, f, omega);
    e.Ue = in.Ue;
    const double sigma2 = in.turnOver ? -1.0 : 1.0;
    e.coupling1 = drivers.driver1.BxL / drivers.driver1.data.Sd;
    e.coupling2 = sigma2 * drivers.driver2.BxL / drivers.driver2.data.Sd;
}

} // namespace engine
