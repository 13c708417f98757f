// Radiation impedance, placement weight and on-axis pressure of a baffled piston.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelConstants.h"
#include "Radiation.h"

namespace {

using engine::AirDensity;
using engine::Complex;
using engine::ModelPi;
using engine::SoundSpeed;

struct ImpedanceCase {
    double ka;
    double resistance; // Re Z / (ρc/A)
    double reactance;  // Im Z / (ρc/A)
};

TEST(RadiationImpedance, NormalisedValuesAtFourKa) {
    // Seven decimals as quoted for the model: within half a unit of the last decimal.
    const ImpedanceCase cases[] = {
        {0.05, 0.0, 0.0430505},
        {0.5, 0.1135198, 0.4020369},
        {1, 0.4260581, 0.6504179},
        {5, 1.0112429, 0.1810090},
    };
    for (double a : {0.1, 0.02}) {
        for (const ImpedanceCase& c : cases) {
            const double A = ModelPi * a * a;
            const double z0 = AirDensity * SoundSpeed / A;
            const Complex z = engine::RadiationImpedance(a, A, c.ka / a);
            EXPECT_NEAR(z.real() / z0, c.resistance, 5e-8) << "ka " << c.ka;
            EXPECT_NEAR(z.imag() / z0, c.reactance, 5e-8) << "ka " << c.ka;
        }
    }
}

TEST(RadiationImpedance, ResistanceExactlyZeroBelowTheJincCap) {
    // Jinc(2ka) is capped at 1 for 2ka ≤ 0.2791: no radiation resistance at all.
    const double a = 0.1;
    for (double ka : {0.001, 0.05, 0.1, 0.139}) {
        const Complex z = engine::RadiationImpedance(a, ModelPi * a * a, ka / a);
        EXPECT_EQ(z.real(), 0.0) << ka;
        EXPECT_GT(z.imag(), 0.0) << ka;
    }
    EXPECT_GT(engine::RadiationImpedance(a, ModelPi * a * a, 0.14 / a).real(), 0.0);
}

TEST(RadiationImpedance, InverseToTheArea) {
    // ρc/A scales the whole impedance: doubling A halves both parts (up to rounding).
    const Complex z1 = engine::RadiationImpedance(0.1, 0.02, 7.0);
    const Complex z2 = engine::RadiationImpedance(0.1, 0.04, 7.0);
    EXPECT_NEAR(z2.real(), z1.real() / 2, 1e-14 * std::abs(z1));
    EXPECT_NEAR(z2.imag(), z1.imag() / 2, 1e-14 * std::abs(z1));
}

TEST(SpaceFactor, PlacementWeights) {
    const double omega = 2 * ModelPi * 100;
    // "Free" and "Floor": a 10 cm opening at 100 Hz (ka ≈ 0.18504).
    EXPECT_NEAR(engine::SpaceFactor(0.1, omega, 0), 0.5003513, 5e-8);
    EXPECT_NEAR(engine::SpaceFactor(0.1, omega, 1), 0.5003513, 5e-8);
    // Rising to 0.8 at high ka: at ka = 100 the remaining difference is 0.3·1e-8.
    EXPECT_NEAR(engine::SpaceFactor(100 * SoundSpeed / omega, omega, 0), 0.8, 1e-8);
    // A vanishing opening: exactly the low-frequency weight.
    EXPECT_EQ(engine::SpaceFactor(1e-9, omega, 0), 0.5);
    for (int index : {-1, 2, 3, 4})
        EXPECT_EQ(engine::SpaceFactor(0.1, omega, index), 1.0) << index;
}

TEST(PistonPressure, FarFieldOfABaffledPiston) {
    // Far away √(A/π + r²) − r → A/(2πr), so |p| → ρ·ω·w·|q|/(2πr), the textbook on-axis
    // pressure of a small baffled source; at r = 100 m, A = 10 cm² the relative difference
    // is below 1e-6.
    const double f = 200;
    const double omega = 2 * ModelPi * f;
    const double k = omega / SoundSpeed;
    const double r = 100;
    const double A = 0.001;
    const Complex q(2e-4, -1e-4);
    const double w = 0.7;
    const Complex p = engine::PistonPressure(w, q, A, r, k);
    const double farField = AirDensity * omega * w * std::abs(q) / (2 * ModelPi * r);
    EXPECT_NEAR(std::abs(p) / farField, 1.0, 1e-6);
    // −j times a positive factor times q: the phase is that of q less 90°.
    const Complex ratio = p / q;
    EXPECT_NEAR(ratio.real(), 0.0, 1e-12 * std::abs(ratio));
    EXPECT_LT(ratio.imag(), 0.0);
}

TEST(PistonPressure, LinearInVolumeVelocityAndWeight) {
    const double k = 3.0;
    const Complex p1 = engine::PistonPressure(1.0, Complex(1, 0), 0.02, 0.5, k);
    const Complex pj = engine::PistonPressure(1.0, Complex(0, 1), 0.02, 0.5, k);
    // q = 1 gives a purely negative-imaginary pressure, q = j a real one of the same size.
    EXPECT_EQ(p1.real(), 0.0);
    EXPECT_LT(p1.imag(), 0.0);
    EXPECT_EQ(pj.imag(), 0.0);
    EXPECT_EQ(pj.real(), -p1.imag());
    const Complex p2 = engine::PistonPressure(0.5, Complex(3, -2), 0.02, 0.5, k);
    const Complex expected = 0.5 * (3.0 * p1 - 2.0 * pj);
    EXPECT_NEAR(std::abs(p2 - expected), 0.0, 1e-14 * std::abs(expected));
    // No propagation phase: at the opening itself (r = 0) s = sin(√(A/π)·k/2).
    const Complex p0 = engine::PistonPressure(1.0, Complex(1, 0), 0.02, 0.0, k);
    const double s0 = std::sin(std::sqrt(0.02 / ModelPi) * k * 0.5);
    EXPECT_NEAR(p0.imag(), -2 * AirDensity * SoundSpeed * s0 / 0.02, 1e-12 * std::abs(p0));
}

} // namespace
