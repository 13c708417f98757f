// Driver quantities, the voice-coil model, driver 2's three choices and the report lines.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "DriverParameters.h"
#include "EngineTestInputs.h"
#include "ModelConstants.h"

namespace {

using engine::DeriveDriverParameters;
using engine::DriverReportLines;
using engine::ModelPi;
using enginetest::FormInput;

TEST(DriverParameters, FormDefaults) {
    // Rdc 8 Ω, fs 50 Hz, Qes = Qms = 0.71, Vas 60 l, Sd 200 cm², one driver, "Half space".
    const engine::SimulationInput in = FormInput();
    ASSERT_EQ(in.PositionFactor, 1);
    const engine::DriverParameters p = DeriveDriverParameters(in);
    const engine::DriverModel& d = p.driver1;
    // Cms = 0.06/(141820·0.02²); the others follow by their formulas (30-digit references).
    EXPECT_NEAR(d.Cms, 1.05767874770836271e-3, 1e-17);
    EXPECT_NEAR(d.Mms, 9.5795798930692613e-3, 1e-16);
    EXPECT_NEAR(d.Rms, 4.2387518677652355, 1e-13);
    EXPECT_NEAR(d.BxL, 5.8232306275916879, 1e-13);
    // Rdc = Z1k = Z10k: no inductance.
    EXPECT_EQ(d.KL, 0.0);
    EXPECT_EQ(d.nL, 1.0);

    const std::vector<std::string> expected = {
        "Cms = 1.058 mm/N", "Mms = 9.58 g", "Rms = 4.24 kg/s",
        "BxL = 5.82 N/A",   "Pe = 1 W",     "Qts = 0.355",
    };
    EXPECT_EQ(DriverReportLines(in, p), expected);
}

TEST(DriverParameters, CornerReportsOneRealDriver) {
    const engine::SimulationInput half = FormInput();
    const engine::SimulationInput corner = FormInput([](model::FormState& s) { s.CBPosi = 4; });
    ASSERT_EQ(corner.PositionFactor, 4);
    const engine::DriverParameters ph = DeriveDriverParameters(half);
    const engine::DriverParameters pc = DeriveDriverParameters(corner);
    EXPECT_EQ(DriverReportLines(corner, pc), DriverReportLines(half, ph));
    // The model holds four drivers in parallel: a quarter of the compliance, four times the
    // mass, the same force factor (rounding of the scaled inputs only).
    EXPECT_NEAR(pc.driver1.Cms, ph.driver1.Cms / 4, 1e-15 * ph.driver1.Cms);
    EXPECT_NEAR(pc.driver1.Mms, ph.driver1.Mms * 4, 1e-14 * ph.driver1.Mms);
    EXPECT_NEAR(pc.driver1.BxL, ph.driver1.BxL, 1e-14 * ph.driver1.BxL);
}

TEST(DriverParameters, StackedDriversShowOneDriver) {
    const engine::SimulationInput one = FormInput();
    const engine::SimulationInput three = FormInput([](model::FormState& s) { s.EditStk = "3"; });
    const std::vector<std::string> lines1 = DriverReportLines(one, DeriveDriverParameters(one));
    const std::vector<std::string> lines3 = DriverReportLines(three, DeriveDriverParameters(three));
    // Cms, Mms, Rms and BxL describe one driver; Pe is the power of all three at Ue.
    for (int i : {0, 1, 2, 3, 5})
        EXPECT_EQ(lines3[i], lines1[i]) << i;
    EXPECT_EQ(lines3[4], "Pe = 3 W");
}

// |Rdc + 2·X·e^(j60°)| with X = KL·f^nL: the coil impedance magnitude of the model.
double coilMagnitude(double Rdc, double KL, double nL, double f) {
    const double X = KL * std::pow(f, nL);
    return std::abs(std::complex<double>(Rdc + X, X * std::sqrt(3.0)));
}

TEST(VoiceCoilModel, FitsTheImpedancesAtOneAndTenKilohertz) {
    struct Case {
        double Rdc, Z1k, Z10k;
    };
    const Case cases[] = {{8, 10, 30}, {6.4, 7.5, 21}, {3.2, 12, 9}};
    for (const Case& c : cases) {
        double KL = 0, nL = 0;
        engine::VoiceCoilModel(c.Rdc, c.Z1k, c.Z10k, KL, nL);
        // The model must reproduce both magnitudes (rounding of log10 and pow only).
        EXPECT_NEAR(coilMagnitude(c.Rdc, KL, nL, 1000), c.Z1k, 1e-12 * c.Z1k);
        EXPECT_NEAR(coilMagnitude(c.Rdc, KL, nL, 10000), c.Z10k, 1e-12 * c.Z10k);
    }
    double KL = 0, nL = 0;
    engine::VoiceCoilModel(8, 10, 30, KL, nL);
    // X1k = √(25 − 12) − 2, X10k = √(225 − 12) − 2, nL = log10(X10k/X1k).
    EXPECT_NEAR(nL, 0.89455742391512050, 1e-14);
    EXPECT_NEAR(KL * std::pow(1000.0, nL), std::sqrt(13.0) - 2, 1e-13);
}

TEST(VoiceCoilModel, EqualImpedancesGiveAConstantReactance) {
    double KL = 0, nL = 1;
    engine::VoiceCoilModel(8, 10, 10, KL, nL);
    EXPECT_EQ(nL, 0.0);
    EXPECT_NEAR(KL, std::sqrt(13.0) - 2, 1e-15);
}

TEST(VoiceCoilModel, NoInductanceUnlessBothImpedancesExceedRdc) {
    struct Case {
        double Rdc, Z1k, Z10k;
    };
    const Case cases[] = {{8, 8, 8}, {8, 7, 20}, {8, 20, 8}, {8, 0, 0}};
    for (const Case& c : cases) {
        double KL = -1, nL = -1;
        engine::VoiceCoilModel(c.Rdc, c.Z1k, c.Z10k, KL, nL);
        EXPECT_EQ(KL, 0.0) << c.Z1k << " " << c.Z10k;
        EXPECT_EQ(nL, 1.0) << c.Z1k << " " << c.Z10k;
    }
}

TEST(DriverParameters, DriverTwoWithoutIsInert) {
    const engine::SimulationInput in = FormInput([](model::FormState& s) {
        s.RGTreiber2 = 0;
        s.EditZ1k = "10";
        s.EditZ10k = "30";
        s.EditRdc2 = "4"; // the list values are not read
    });
    const engine::DriverParameters p = DeriveDriverParameters(in);
    const engine::DriverInput& d1 = p.driver1.data;
    const engine::DriverInput& d2 = p.driver2.data;
    // Exact: each is one multiplication of driver 1's value.
    EXPECT_EQ(d2.Rdc, d1.Rdc * 1000000);
    EXPECT_EQ(d2.fs, d1.fs * 0.000001);
    EXPECT_EQ(d2.Z1k, d1.Z1k * 1000000);
    EXPECT_EQ(d2.Z10k, d1.Z10k * 1000000);
    EXPECT_EQ(d2.Sd, d1.Sd);
    // The voice-coil model follows the scaled values by the same rule.
    double KL = 0, nL = 0;
    engine::VoiceCoilModel(d2.Rdc, d2.Z1k, d2.Z10k, KL, nL);
    EXPECT_EQ(p.driver2.KL, KL);
    EXPECT_EQ(p.driver2.nL, nL);
    EXPECT_EQ(DriverReportLines(in, p).size(), 6u);
}

TEST(DriverParameters, DriverTwoAsDriverOneIsIdentical) {
    const engine::SimulationInput in = FormInput([](model::FormState& s) {
        s.RGTreiber2 = 1;
        s.EditZ1k = "10";
        s.EditZ10k = "30";
        s.EditRdc2 = "4";
    });
    const engine::DriverParameters p = DeriveDriverParameters(in);
    EXPECT_EQ(p.driver2.Cms, p.driver1.Cms);
    EXPECT_EQ(p.driver2.Mms, p.driver1.Mms);
    EXPECT_EQ(p.driver2.Rms, p.driver1.Rms);
    EXPECT_EQ(p.driver2.BxL, p.driver1.BxL);
    EXPECT_EQ(p.driver2.KL, p.driver1.KL);
    EXPECT_EQ(p.driver2.nL, p.driver1.nL);
    EXPECT_EQ(p.a2, std::sqrt(p.driver1.data.Sd / ModelPi));
    EXPECT_EQ(DriverReportLines(in, p).size(), 6u);
}

TEST(DriverParameters, DriverTwoFromTheListAddsItsLines) {
    const engine::SimulationInput in = FormInput([](model::FormState& s) {
        s.RGTreiber2 = 2;
        s.EditStk2 = "2";
        s.EditRdc2 = "4";
        s.Editfs2 = "40";
        s.EditQes2 = "0.5";
        s.EditQms2 = "2";
        s.EditVas2 = "30";
        s.EditSd2 = "130";
    });
    const engine::DriverParameters p = DeriveDriverParameters(in);
    // Two drivers of 130 cm²: a2 is the radius of 260 cm².
    EXPECT_NEAR(p.a2, std::sqrt(0.026 / ModelPi), 1e-15);
    // One real driver: Cms = 0.03/(141820·0.013²) = 1.25169 mm/N, Mms = 1/(4π²·1600·Cms)
    // = 12.64804 g, Qts = 0.4; Pe2 is the power of both drivers: 2.83²/(4/2) = 4.004 W.
    const std::vector<std::string> lines = DriverReportLines(in, p);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Cms2 = 1.252 mm/N");
    EXPECT_EQ(lines[8], "Mms2 = 12.648 g");
    EXPECT_EQ(lines[11], "Pe2 = 4 W");
    EXPECT_EQ(lines[12], "Qts2 = 0.4");
    EXPECT_EQ(lines[9].rfind("Rms2 = ", 0), 0u);
    EXPECT_EQ(lines[10].rfind("BxL2 = ", 0), 0u);
}

} // namespace
