// Horn contour of the seven profiles, the horn volume, the tractrix and the contour list lines.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Contour.h"
#include "EngineTestInputs.h"
#include "ModelConstants.h"
#include "NumberFormat.h"
#include "Simulation.h"

namespace {

using engine::BuildContour;
using engine::ModelPi;
using enginetest::FormInput;
using enginetest::RelativelyNear;

// Composite Simpson rule with n (even) intervals: an integration independent of the closed
// forms of the horn volume.
double simpson(const std::function<double(double)>& f, double a, double b, int n = 2000) {
    const double h = (b - a) / n;
    double sum = f(a) + f(b);
    for (int i = 1; i < n; ++i)
        sum += f(a + i * h) * (i % 2 == 1 ? 4 : 2);
    return sum * h / 3;
}

struct ProfileCase {
    int profile;
    const char* name;
    double volumeTolerance; // relative; single-precision integral for the hyperbolic ones
};

class ProfileTest : public ::testing::TestWithParam<ProfileCase> {};

// Throat 50 cm², mouth 20 cm × 10 cm, length 1.2 m (the start-up horn).
constexpr double AT = 0.005;
constexpr double AM = 0.02;
constexpr double L = 1.2;

// The area of each profile written from its definition.
double profileArea(int profile, double x) {
    const double t = x / L;
    switch (profile) {
    case 0:
        return AT + (AM - AT) * t;
    case 1: {
        const double r = std::sqrt(AT) + (std::sqrt(AM) - std::sqrt(AT)) * t;
        return r * r;
    }
    case 2:
        return AT * std::pow(AM / AT, t);
    case 3:
        return AT * std::pow(std::cosh(std::acosh(std::sqrt(AM / AT)) * t), 2);
    case 4:
        return AT * std::pow(std::cosh(std::acosh(std::pow(AM / AT, 1.0 / 16)) * t), 16);
    case 5:
        return AT / (1 - (1 - AT / AM) * t);
    default:
        return 0;
    }
}

TEST_P(ProfileTest, EndAreasGridAndVolume) {
    const ProfileCase& c = GetParam();
    const engine::SimulationInput in =
        FormInput([&](model::FormState& s) { s.CBKontur = c.profile; });
    ASSERT_EQ(in.AT, AT);
    ASSERT_NEAR(in.AM, AM, 1e-18);
    const engine::Contour contour = BuildContour(in);
    for (int k = 0; k <= 100; ++k)
        EXPECT_NEAR(contour.ContourX[k], k * L * 0.01, 1e-15) << k;
    // Throat and mouth: the profile formulas meet both areas up to rounding.
    EXPECT_NEAR(contour.ContourArea[0], AT, 1e-12 * AT) << c.name;
    EXPECT_NEAR(contour.ContourArea[100], AM, 1e-12 * AM) << c.name;
    for (int k : {13, 50, 87})
        EXPECT_NEAR(contour.ContourArea[k], profileArea(c.profile, contour.ContourX[k]), 1e-12 * AM)
            << c.name << " k " << k;
    const double volume = simpson([&](double x) { return profileArea(c.profile, x); }, 0, L);
    EXPECT_TRUE(RelativelyNear(contour.VHorn, volume, c.volumeTolerance))
        << c.name << ": " << contour.VHorn << " vs " << volume;
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ProfileTest,
    ::testing::Values(ProfileCase{0, "parabolic", 1e-12}, ProfileCase{1, "conical", 1e-12},
                      ProfileCase{2, "exponential", 1e-12}, ProfileCase{3, "hyperbolic", 1e-6},
                      ProfileCase{4, "octo", 1e-6}, ProfileCase{5, "geometric", 1e-12}),
    [](const ::testing::TestParamInfo<ProfileCase>& p) { return std::string(p.param.name); });

TEST(Contour, MidpointIdentities) {
    // At x = L/2 each profile gives a mean of the end areas.
    auto mid = [](int profile) {
        return BuildContour(FormInput([&](model::FormState& s) { s.CBKontur = profile; }))
            .ContourArea[50];
    };
    const double tol = 1e-12 * AM;
    EXPECT_NEAR(mid(0), (AT + AM) / 2, tol);                                    // arithmetic
    EXPECT_NEAR(mid(1), std::pow((std::sqrt(AT) + std::sqrt(AM)) / 2, 2), tol); // radii
    EXPECT_NEAR(mid(2), std::sqrt(AT * AM), tol);                               // geometric
    EXPECT_NEAR(mid(3), (AT + std::sqrt(AT * AM)) / 2, tol); // cosh²(T/2) = (1 + cosh T)/2
    EXPECT_NEAR(mid(4), AT * std::pow((1 + std::pow(AM / AT, 1.0 / 16)) / 2, 8), tol);
    EXPECT_NEAR(mid(5), 2 * AT * AM / (AT + AM), tol); // harmonic
}

TEST(Contour, ConstantAreaBranches) {
    for (int profile : {2, 5}) {
        const engine::SimulationInput in = FormInput([&](model::FormState& s) {
            s.CBKontur = profile;
            s.EditH = "5"; // 5 cm × 10 cm = the 50 cm² throat
        });
        ASSERT_EQ(in.AT, in.AM);
        const engine::Contour c = BuildContour(in);
        for (int k = 0; k <= 100; ++k)
            EXPECT_EQ(c.ContourArea[k], in.AT) << profile << " k " << k;
        EXPECT_EQ(c.VHorn, in.AT * in.L) << profile;
    }
}

TEST(Contour, ExponentialContractsWhenTheMouthIsSmaller) {
    const engine::SimulationInput in = FormInput([](model::FormState& s) {
        s.CBKontur = 2;
        s.EditH = "2"; // 20 cm² mouth, 50 cm² throat
    });
    const engine::Contour c = BuildContour(in);
    for (int k = 1; k <= 100; ++k)
        EXPECT_LT(c.ContourArea[k], c.ContourArea[k - 1]);
    EXPECT_NEAR(c.ContourArea[100], in.AM, 1e-12 * in.AM);
    // (AT − AM)·L / ln(AT/AM)
    EXPECT_NEAR(c.VHorn, (in.AT - in.AM) * in.L / std::log(in.AT / in.AM), 1e-12 * c.VHorn);
}

TEST(CoshPowerIntegral, SinglePrecisionReduction) {
    const float u = 1.3f;
    const float b = 0.9f;
    // ∫0..b cosh²(ux) dx = b/2 + sinh(2ub)/(4u); float arithmetic: relative 1e-6.
    const double exact2 = b / 2.0 + std::sinh(2.0 * u * b) / (4.0 * u);
    EXPECT_TRUE(RelativelyNear(engine::CoshPowerIntegral(0, b, 2, u), exact2, 1e-6));
    const double exact16 = simpson([&](double x) { return std::pow(std::cosh(u * x), 16); }, 0, b);
    EXPECT_TRUE(RelativelyNear(engine::CoshPowerIntegral(0, b, 16, u), exact16, 1e-5));
    // A lower limit other than 0: the difference of the two integrals from 0.
    const double part = simpson([&](double x) { return std::pow(std::cosh(u * x), 16); }, 0.3, b);
    EXPECT_TRUE(RelativelyNear(engine::CoshPowerIntegral(0.3f, b, 16, u), part, 1e-5));
}

TEST(Tractrix, DistanceIsZeroUnlessTheParameterExceedsTheRadius) {
    EXPECT_EQ(engine::TractrixDistance(0.2, 0.2), 0.0);
    EXPECT_EQ(engine::TractrixDistance(0.1, 0.2), 0.0);
    // The tractrix length from radius y to R: ∫y..R √(R² − s²)/s ds.
    const double R = 0.5;
    const double y = 0.1;
    const double integral =
        simpson([&](double s) { return std::sqrt(R * R - s * s) / s; }, y, R, 200000);
    // The integrand's square-root end at s = R limits Simpson to about 1e-7.
    EXPECT_NEAR(engine::TractrixDistance(R, y), integral, 1e-6);
}

// Throat 200 cm², mouth 40 cm × 40 cm, length `length`, tractrix, placement `position`.
engine::SimulationInput tractrixInput(const char* length, int position = 2) {
    return FormInput([&](model::FormState& s) {
        s.EditAh = "200";
        s.EditH = "40";
        s.EditB = "40";
        s.Editl1 = length;
        s.CBKontur = 6;
        s.CBPosi = position;
    });
}

TEST(Tractrix, LongHornReachesTheMouth) {
    for (int position : {2, 4}) {
        const engine::SimulationInput in = tractrixInput("0.5", position);
        const engine::Contour c = BuildContour(in);
        const double rT = std::sqrt(0.02 / ModelPi);
        const double rM = std::sqrt(0.16 / ModelPi);
        EXPECT_NEAR(c.rTraktrix, 0.503, 5e-4) << position;
        EXPECT_GE(c.rTraktrix, rM);
        EXPECT_FALSE(c.mouthUnreachable);
        EXPECT_EQ(c.correctedEditH, "");
        // The length of this tractrix between the throat and the mouth radius is L.
        const double length =
            engine::TractrixDistance(c.rTraktrix, rT) - engine::TractrixDistance(c.rTraktrix, rM);
        EXPECT_NEAR(length, 0.5, 1e-12);
        // The contour ends at the mouth area (51 bisection steps: relative 1e-9).
        const double PF = in.PositionFactor;
        EXPECT_NEAR(c.ContourArea[0] / PF, 0.02, 1e-9);
        EXPECT_NEAR(c.ContourArea[100] / PF, 0.16, 1e-9);
        // Volume: the trapezoid rule over the 101 grid areas.
        double trapezoid = 0;
        for (int k = 1; k <= 100; ++k)
            trapezoid += (c.ContourArea[k] + c.ContourArea[k - 1]) / 2 * (0.5 * 0.01);
        EXPECT_NEAR(c.VHorn, trapezoid, 1e-12 * trapezoid);
        EXPECT_EQ(c.listLines.front(), "0.000\t200.00\t5.0\t8.0");
        EXPECT_EQ(c.listLines.back(), "0.500\t1600.00\t40.0\t22.6");
    }
}

TEST(Tractrix, ShortHornCannotReachTheMouth) {
    const engine::SimulationInput in = tractrixInput("0.1");
    const engine::Contour c = BuildContour(in);
    EXPECT_NEAR(c.rTraktrix, 0.180, 5e-4);
    EXPECT_LT(c.rTraktrix, std::sqrt(0.16 / ModelPi));
    EXPECT_TRUE(c.mouthUnreachable);
    // The contour ends at the tractrix parameter: π·R².
    const double end = ModelPi * c.rTraktrix * c.rTraktrix;
    EXPECT_NEAR(c.ContourArea[100], end, 1e-9 * end);
    // The reachable height at 40 cm width: 1015.66 cm² / 40 cm.
    EXPECT_EQ(c.correctedEditH, engine::FormatPicture(c.ContourArea[100] * 10000 / 40, "0.##"));
    EXPECT_EQ(c.correctedEditH, "25.39");

    const engine::SimulationResult r = engine::Simulate(in);
    ASSERT_FALSE(r.refused);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].caption, "");
    EXPECT_EQ(r.notices[0].text, "Mundfl\xC3\xA4"
                                 "che kann durch Traktrixfunktion\nnicht erreicht werden.");
    EXPECT_EQ(r.correctedEditH, "25.39");
    ASSERT_FALSE(r.memo2.empty());
    EXPECT_EQ(r.memo2.front(), "rTraktrix = 0.18 m");
}

TEST(ContourList, PointCountAndPositions) {
    const engine::Contour c51 = BuildContour(FormInput());
    ASSERT_EQ(c51.listLines.size(), 51u);
    for (int i = 0; i <= 50; ++i)
        EXPECT_EQ(c51.listLines[i].substr(0, c51.listLines[i].find('\t')),
                  engine::FormatPicture(i * 1.2 / 50, "0.000"))
            << i;
    // Parabolic 50 → 200 cm² over 1.2 m, x = 0.6 m: A = 125 cm², H = 125/10 = 12.5 cm,
    // r = √(0.0125/π)·100 = 6.31 cm.
    EXPECT_EQ(c51.listLines[25], "0.600\t125.00\t12.5\t6.3");

    const engine::Contour c2 =
        BuildContour(FormInput([](model::FormState& s) { s.OptionGrid[1] = "2"; }));
    ASSERT_EQ(c2.listLines.size(), 2u);
    EXPECT_EQ(c2.listLines[0], "0.000\t50.00\t5.0\t4.0");
    EXPECT_EQ(c2.listLines[1], "1.200\t200.00\t20.0\t8.0");
}

// The four numbers of a contour list line.
std::vector<double> fields(const std::string& line) {
    std::vector<double> values;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        values.push_back(engine::ParseGridNumber(line.substr(start, tab - start)));
        if (tab == std::string::npos)
            return values;
        start = tab + 1;
    }
}

TEST(ContourList, MirrorPlacementsListOneRealHorn) {
    // One unit of the last written decimal of x, A, H, r: an area divided back by PF may
    // differ from the unscaled one by an ulp, which moves a value lying exactly on a half.
    const double unit[] = {0.001, 0.01, 0.1, 0.1};
    for (int profile = 0; profile <= 6; ++profile) {
        auto lines = [&](int position) {
            return BuildContour(FormInput([&](model::FormState& s) {
                       s.CBKontur = profile;
                       s.CBPosi = position;
                   }))
                .listLines;
        };
        const auto half = lines(2);
        EXPECT_EQ(half.front().substr(0, 12), "0.000\t50.00\t") << profile;
        EXPECT_EQ(half.back().substr(0, 18), "1.200\t200.00\t20.0\t") << profile;
        for (int position : {1, 4}) { // "Floor" (PF 2) and "Corner" (PF 4)
            const auto mirrored = lines(position);
            ASSERT_EQ(mirrored.size(), half.size());
            EXPECT_EQ(mirrored.front(), half.front()) << profile;
            EXPECT_EQ(mirrored.back(), half.back()) << profile;
            for (size_t i = 0; i < half.size(); ++i) {
                const std::vector<double> a = fields(mirrored[i]);
                const std::vector<double> b = fields(half[i]);
                ASSERT_EQ(a.size(), 4u);
                for (int f = 0; f < 4; ++f)
                    EXPECT_NEAR(a[f], b[f], unit[f] * 1.0001) << profile << " line " << i;
            }
        }
    }
}

TEST(ContourList, ZeroLengthCollapsesEveryPosition) {
    const engine::SimulationInput in = FormInput([](model::FormState& s) { s.Editl1 = "0"; });
    EXPECT_EQ(in.L, std::sqrt(in.AM) * 0.000001);
    const engine::Contour c = BuildContour(in);
    for (const std::string& line : c.listLines)
        EXPECT_EQ(line.substr(0, 6), "0.000\t");
    EXPECT_EQ(c.listLines.back(), "0.000\t200.00\t20.0\t8.0");
}

} // namespace
