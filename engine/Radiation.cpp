// Radiation of a rigid circular piston in an infinite baffle.
#include "Radiation.h"

#include <cmath>

#include "ModelConstants.h"
#include "SpecialFunctions.h"

namespace engine {

Complex RadiationImpedance(double a, double A, double k, SeriesEvaluation evaluation) {
    double ka = k * a;
    double z0 = AirDensity * SoundSpeed / A;
    return {z0 * (1 - Jinc(2 * ka, evaluation)), z0 * StruveH1(2 * ka, evaluation) / ka};
}

double SpaceFactor(double a, double omega, int placementIndex) {
    if (placementIndex == 0 || placementIndex == 1) {
        double ka = omega * a / SoundSpeed;
        double ka4 = std::pow(ka, 4.0);
        return 0.5 + 0.3 * ka4 / (ka4 + 1);
    }
    return 1.0;
}

Complex PistonPressure(double w, Complex q, double A, double r, double k) {
    double s = std::sin((std::sqrt(A / ModelPi + r * r) - r) * k * 0.5);
    double factor = 2 * AirDensity * SoundSpeed * w * s / A;
    // s·(−j·2ρcw)·q/A = (factor·Im q) − j·(factor·Re q)
    return {factor * q.imag(), -factor * q.real()};
}

} // namespace engine
