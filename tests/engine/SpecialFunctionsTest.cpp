// The model's own factorial, gamma, Bessel, jinc and Struve approximations.
//
// Reference values were computed once in 40-digit arithmetic from the same definitions (the
// 100-factor gamma product, the 51-term series, the switch-over points, π = 3.1415927); the
// tolerances cover the double-precision sums of the series.
#include <gtest/gtest.h>

#include <cmath>

#include "ModelConstants.h"
#include "SpecialFunctions.h"

namespace {

using engine::BesselJ;
using engine::GammaFunction;
using engine::Jinc;
using engine::ModelPi;
using engine::StruveH1;

TEST(Factorial, RecursionValues) {
    EXPECT_EQ(engine::Factorial(0), 1.0L);
    EXPECT_EQ(engine::Factorial(1), 1.0L);
    EXPECT_EQ(engine::Factorial(5), 120.0L);
    // Every partial product of 20! is an integer with fewer than 53 significant bits: exact.
    EXPECT_EQ(engine::Factorial(20), 2432902008176640000.0L);
    // 100! ≈ 9.33262154439441e157, the largest value the gamma product uses; relative 1e-14
    // allows the rounding of 99 multiplications.
    EXPECT_NEAR(static_cast<double>(engine::Factorial(100)) / 9.33262154439441e157, 1.0, 1e-14);
}

TEST(GammaFunction, EulerProductCutAtHundredFactors) {
    struct Case {
        double x;
        double value;
    };
    const Case cases[] = {
        {1, 1.0},
        {2, 100.0 / 101.0},             // 100·100!/101!
        {3, 20000.0 / (101.0 * 102.0)}, // 2·100²/(101·102) ≈ 1.941371
        {2.5, 1.3048090539541726},
        {0.5, 1.7746707942830701},
        {1.5, 0.88292079317565679},
    };
    for (const Case& c : cases) {
        // 100 divisions and a power in double/extended precision: relative 1e-14.
        EXPECT_NEAR(GammaFunction(c.x), c.value, 1e-14 * c.value) << c.x;
    }
    EXPECT_NEAR(GammaFunction(2), 0.990099, 5e-7);
    EXPECT_NEAR(GammaFunction(3), 1.941371, 5e-7);
    EXPECT_NEAR(GammaFunction(2.5), 1.304809, 5e-7);
}

TEST(GammaFunction, AboveThreeReducedByTheRecursion) {
    // Γ(4) is formed as 3·Γ(3) by the same double multiplication: bit-identical.
    EXPECT_EQ(GammaFunction(4), 3 * GammaFunction(3));
    EXPECT_NEAR(GammaFunction(4), 5.824112, 5e-7);
    EXPECT_EQ(GammaFunction(5.5), 4.5 * GammaFunction(4.5));
}

struct BesselCase {
    int n;
    double x;
    double value;
    double tolerance; // absolute: the series at x ≥ 5 loses digits to cancellation
};

TEST(BesselJ, SeriesAndAsymptoticBranches) {
    const BesselCase cases[] = {
        {0, 1, 0.76315665669201714, 1e-14}, // not the exact 0.7651977: approximate Γ
        {2, 1, 0.11837357017684387, 1e-14},
        {1, 0.5, 0.24453496509665508, 1e-14},
        {0, 3, -0.25265552393997183, 1e-13},
        {0, 5, -0.086910193808031321, 1e-12},     // 5 is not above 5·1: still the series
        {0, 5.0001, -0.17034451980274551, 1e-12}, // asymptotic form
        {1, 10, -0.056214376896838948, 1e-11},
        {1, 10.0001, 0.052615725427091281, 1e-12},
        {2, 15, 0.042827142650103039, 1e-10},
        {2, 15.0001, 0.015957124618820743, 1e-12},
    };
    for (const BesselCase& c : cases)
        EXPECT_NEAR(BesselJ(c.n, c.x), c.value, c.tolerance) << "J" << c.n << "(" << c.x << ")";
    // The values quoted for the model (seven decimals, so within half a unit of the last).
    EXPECT_NEAR(BesselJ(0, 1), 0.7631567, 5e-8);
    EXPECT_NEAR(BesselJ(2, 1), 0.1183736, 5e-8);
    EXPECT_NEAR(BesselJ(0, 5), -0.0869102, 5e-8);
    EXPECT_NEAR(BesselJ(0, 5.0001), -0.1703445, 5e-8);
}

TEST(BesselJ, AtZero) {
    EXPECT_EQ(BesselJ(0, 0), 1.0);
    EXPECT_EQ(BesselJ(1, 0), 0.0);
    EXPECT_EQ(BesselJ(2, 0), 0.0);
}

TEST(BesselJ, AsymptoticFormWithModelPi) {
    for (int n : {0, 1, 2}) {
        const double x = 5.0 * (n + 1) + 0.5;
        const double expected =
            std::sqrt(2 / (ModelPi * x)) * std::cos(x - ModelPi / 4 - n * ModelPi / 2);
        // The same expression: only the evaluation order may differ.
        EXPECT_NEAR(BesselJ(n, x), expected, 1e-15) << n;
    }
}

TEST(Jinc, SeriesCappedAtOne) {
    EXPECT_EQ(Jinc(0), 1.0); // the series gives 101/100 at 0
    EXPECT_EQ(Jinc(0.1), 1.0);
    EXPECT_EQ(Jinc(0.279), 1.0); // the series stays above 1 up to x ≈ 0.2791188
    EXPECT_LT(Jinc(0.2792), 1.0);
    EXPECT_NEAR(Jinc(0.2792), 0.99999420071731839, 1e-14);
    EXPECT_NEAR(Jinc(0.5), 0.97813986038662031, 1e-14);
    EXPECT_NEAR(Jinc(1), 0.88648022686886102, 1e-14);
    EXPECT_NEAR(Jinc(3), 0.21266569271561316, 1e-13);
    EXPECT_NEAR(Jinc(1), 0.8864802, 5e-8);
}

TEST(Jinc, SwitchOverAtTenShowsAsAJump) {
    EXPECT_NEAR(Jinc(10), -0.01124287537936779, 1e-11); // series, cancellation of terms ~100
    EXPECT_NEAR(Jinc(10.0001), 0.010523039855019706, 1e-14);
    EXPECT_NEAR(Jinc(10), -0.0112429, 5e-8);
    EXPECT_NEAR(Jinc(10.0001), 0.0105230, 5e-8);
}

TEST(StruveH1, TwoNeumannTerms) {
    EXPECT_EQ(StruveH1(0), 0.0);
    EXPECT_NEAR(StruveH1(1), 0.20101845586744081, 1e-14);
    EXPECT_NEAR(StruveH1(1), 0.2010185, 5e-8);
    EXPECT_NEAR(StruveH1(2), 0.65041794258174779, 1e-14);
    EXPECT_NEAR(StruveH1(7), 0.31329561671400281, 1e-12); // J0 asymptotic, J2 series
    for (double x : {0.3, 2.0, 6.0, 20.0}) {
        const double expected =
            (2 / ModelPi) * (1 - BesselJ(0, x) + (1.0 / 3.0) * 2 * BesselJ(2, x));
        EXPECT_NEAR(StruveH1(x), expected, 1e-15) << x;
    }
}

} // namespace
