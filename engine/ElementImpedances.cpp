// Acoustic element impedances of one frequency point.
#include "ElementImpedances.h"

#include "ModelConstants.h"
#include "Radiation.h"

namespace engine {

namespace {

// Zv(V) = κP0/(jωV) = −j·κP0/(ω·V): an enclosed air volume.
Complex volumeImpedance(double V, double omega) { return {0, -AirStiffness / (omega * V)}; }

Complex mechanical(const DriverModel& d, double omega) {
    return {d.Rms, omega * d.Mms - 1 / (omega * d.Cms)};
}

} // namespace

void ComputeAcousticElements(const SimulationInput& in, const DriverParameters& drivers,
                             const Contour& contour, const Enclosure& en, double omega,
                             NetworkElements& e, SeriesEvaluation series) {
    const double k = omega / SoundSpeed;
    const double rhoOmega = AirDensity * omega; // jωρ = (0, ρω)
    const double L = in.L;
    const double dx = L * 0.01;

    // Suspensions referred to the acoustic side.
    const double Sd = drivers.driver1.data.Sd;
    const double Sd2 = drivers.driver2.data.Sd;
    const Complex Zm1 = mechanical(drivers.driver1, omega);
    const Complex Zm2 = mechanical(drivers.driver2, omega);
    e.Zm1Acoustic = Zm1 / (Sd * Sd);
    e.Zm2Acoustic = Zm2 / (Sd2 * Sd2);

    // Radiation of the openings.
    const double rM = std::sqrt(in.AM / ModelPi);
    e.Zr_M = RadiationImpedance(rM, contour.ContourArea[100], k, series);
    e.Zr_T2 = in.CBRK2 ? Complex() : RadiationImpedance(drivers.a2, Sd2, k, series);
    e.Zr_BR = RadiationImpedance(en.rBR, en.ABR, k, series);
    e.Zr_ET = RadiationImpedance(en.rET, en.AET, k, series);

    // Damping resistances, growing in proportion to ω.
    for (int n = 0; n < 100; ++n) {
        const double A = contour.ContourArea[n];
        const double Rh = (in.beta1 + (in.beta2 - in.beta1) * contour.ContourX[n] / L) * dx / A *
                          omega / 628;
        e.Zs_h[n] = Complex(Rh, rhoOmega * dx / A);
        e.Zc_h[n] = volumeImpedance(A * dx, omega);
    }
    const double RVK = in.betaVK * (en.LVK * en.LVK) / en.VVK * omega / 628;
    const double RRK = in.betaRK * (en.LRK * en.LRK) / en.VRK * omega / 628;
    const double RBR = in.betaBR * en.LBR / en.ABR * omega / 628;
    const double RAT = in.betaAK * en.LAT / en.AAT * omega / 628;
    const double RET = in.betaET * en.LET / en.AET * omega / 628;

    e.Zs_VK = Complex(0.02 * RVK, rhoOmega * 0.02 * (en.LVK * en.LVK) / en.VVK);
    e.Zc_VK = Complex(0, -50 * AirStiffness / (omega * en.VVK));
    e.Zs_RK = Complex(0.02 * RRK, rhoOmega * (en.LRK * en.LRK) / (50 * en.VRK));
    e.Zc_RK = volumeImpedance(en.VRK / 50, omega);
    e.Zs_BR = Complex(0.02 * RBR, rhoOmega * en.LBR / (50 * en.ABR));
    e.Zc_BR = volumeImpedance(en.ABR * en.LBR / 50, omega);
    e.Zs_AT = Complex(RAT, rhoOmega * en.LAT / en.AAT);
    e.Zc_AK = volumeImpedance(en.VAK, omega);
    e.Zs_ET = Complex(RET, rhoOmega * en.LET / en.AET);
    e.Zc_RK2 = volumeImpedance(en.VRK2, omega);

    e.iT1 = en.iT1;
    e.iT2 = en.iT2;
    e.iAK = en.iAK;
    e.iET = en.iET;
    e.driver2Present = in.driver2Mode != 0;
    e.absorberPresent = in.CBAK;
    e.extraTunnelPresent = in.CBET;
    e.mouthClosed = in.mouthClosed;
}

} // namespace engine
