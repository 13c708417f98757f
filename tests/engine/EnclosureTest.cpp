// Chambers, port, absorber chamber, rear chamber 2, extra tunnel, grid positions, total volume.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Contour.h"
#include "DriverParameters.h"
#include "Enclosure.h"
#include "EngineTestInputs.h"
#include "ModelConstants.h"
#include "Simulation.h"

namespace {

using engine::ModelPi;
using enginetest::FormInput;

struct Derived {
    engine::SimulationInput input;
    engine::Contour contour;
    engine::Enclosure enclosure;
    std::vector<std::string> reportLines; // VHorn, LBR, Vtot
};

Derived derive(const engine::SimulationInput& in) {
    Derived d{in, engine::BuildContour(in), {}, {}};
    d.enclosure = engine::DeriveEnclosure(in, engine::DeriveDriverParameters(in), d.contour);
    d.reportLines = engine::EnclosureReportLines(in, d.contour, d.enclosure);
    return d;
}

Derived deriveForm(const std::function<void(model::FormState&)>& edit) {
    return derive(FormInput(edit));
}

// The start-up horn: 15 l of parabolic horn (125 cm² mean area over 1.2 m), a 20 l rear
// chamber and the substitute front chamber Sd^1.5·1e-6 m³ of a zero entry, formed from the
// modelled cone area PF·200 cm² and shown divided by PF.
constexpr double HornLitres = 15;
constexpr double RearLitres = 20;
double frontLitres(double PF = 1) {
    return std::pow(0.02 * PF, 1.5) * 1e-6 * 1000 / PF;
}
const double FrontLitres = frontLitres();

TEST(Enclosure, PortLengthForTheTuning) {
    // 20 l, 50 cm², 50 Hz: LBR = 0.005·141820/(4π²·2500·1.23·0.02) − 0.8·√(0.005/π)
    // = 0.2601450 m (30-digit reference).
    for (int position : {2, 1}) { // "Half space" PF 1, "Floor" PF 2
        const Derived d = deriveForm([&](model::FormState& s) {
            s.EditAbr = "50";
            s.Editfbr = "50";
            s.CBPosi = position;
        });
        const engine::Enclosure& e = d.enclosure;
        // PF 2 doubles area and volume: the Helmholtz term and the end correction of one
        // real port stay the same up to rounding.
        EXPECT_NEAR(e.LBR, 0.260144980397201, 1e-13) << position;
        EXPECT_FALSE(e.LBRNegative);
        EXPECT_NEAR(e.ABR, 0.005 * d.input.PositionFactor, 1e-17);
        EXPECT_NEAR(e.rBR, std::sqrt(e.ABR / ModelPi), 1e-16);
        const std::vector<std::string> expected = {"VHorn = 15 l", "LBR = 26 cm",
                                                   "Vtot = 36.301 l"};
        EXPECT_EQ(d.reportLines, expected) << position;
        EXPECT_NEAR(e.Vtot,
                    HornLitres + frontLitres(d.input.PositionFactor) + RearLitres +
                        5 * 0.0260144980397201 * 10,
                    1e-9);
    }
}

TEST(Enclosure, NoPortEntered) {
    const Derived d = deriveForm([](model::FormState&) {});
    const engine::Enclosure& e = d.enclosure;
    const double Sd = 0.02;
    // A port of √Sd·1 mm length tuned to 1 Hz: ABR = 4π²ρ·VRK·LBR/κ.
    EXPECT_EQ(e.LBR, std::sqrt(Sd) * 0.001);
    EXPECT_NEAR(e.ABR, 4 * ModelPi * ModelPi * 1.23 * 0.02 * e.LBR / 141820, 1e-20);
    EXPECT_EQ(e.fBR, 0.0);
    const std::vector<std::string> expected = {"VHorn = 15 l", "Vtot = 35 l"};
    EXPECT_EQ(d.reportLines, expected);
    EXPECT_NEAR(e.Vtot, HornLitres + FrontLitres + RearLitres, 1e-9);
    EXPECT_EQ(e.VVK, std::pow(Sd, 1.5) * 0.000001);
    EXPECT_EQ(e.LVK, 0.0);
}

TEST(Enclosure, PortTooShortForItsTuning) {
    // 1 l, 100 cm², 2 kHz: Helmholtz length 7.3 mm, end correction 45 mm.
    const Derived d = deriveForm([](model::FormState& s) {
        s.EditVrk = "1";
        s.EditAbr = "100";
        s.Editfbr = "2000";
    });
    EXPECT_TRUE(d.enclosure.LBRNegative);
    EXPECT_EQ(d.enclosure.LBR, std::sqrt(0.02) * 0.001);
    EXPECT_NEAR(d.enclosure.Vtot, HornLitres + FrontLitres + 1 + 0.01 * d.enclosure.LBR * 1000,
                1e-9);
    const engine::SimulationResult r = engine::Simulate(d.input);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0], (engine::Notice{"Notice", "LBR would be negative!"}));
    EXPECT_EQ(r.memo2[1], "LBR = 0 cm"); // 0.014 cm
}

TEST(Enclosure, RearLoadedHorn) {
    const Derived d = deriveForm([](model::FormState& s) {
        s.CBTyp = 1;
        s.EditAbr = "50"; // not used by a rear-loaded horn
        s.Editfbr = "50";
        s.EditLrk = "0.3";
    });
    const engine::Enclosure& e = d.enclosure;
    const double Sd = 0.02;
    const double Vas = 0.06;
    EXPECT_EQ(e.VRK, Vas * 0.000001);
    EXPECT_EQ(e.LRK, 0.0);
    EXPECT_EQ(e.ABR, Sd); // the port is the cone's own area
    EXPECT_EQ(e.LBR, std::sqrt(Sd) * 0.001);
    const std::vector<std::string> expected = {"VHorn = 15 l", "Vtot = 15 l"};
    EXPECT_EQ(d.reportLines, expected);
    EXPECT_NEAR(e.Vtot, HornLitres + FrontLitres, 1e-9);
}

TEST(Enclosure, TotalVolumeOfEveryPart) {
    // Port 50 cm² at 50 Hz, rear chamber 2 of 10 l behind driver 2, absorber chamber 5 l with
    // a 10 cm² tunnel at 100 Hz, extra tunnel 10 cm² × 0.5 m.
    // LAT = 0.001·141820/(4π²·10⁴·1.23·0.005) − 0.8·√(0.001/π) = 0.0441391 m.
    const double LAT = 0.0441390796949191;
    for (int position : {2, 4}) {
        const Derived d = deriveForm([&](model::FormState& s) {
            s.CBPosi = position;
            s.EditAbr = "50";
            s.Editfbr = "50";
            s.RGTreiber2 = 1;
            s.CBRK2 = true;
            s.EditVrk2 = "10";
            s.EditxT2 = "0.6";
            s.CBAK = true;
            s.EditVAK = "5";
            s.EditAAT = "10";
            s.EditfAK = "100";
            s.EditxAK = "0.3";
            s.CBET = true;
            s.EditAET = "10";
            s.EditLET = "0.5";
            s.EditxET = "0.9";
        });
        const engine::Enclosure& e = d.enclosure;
        const double PF = d.input.PositionFactor;
        EXPECT_TRUE(e.rearChamber2Active);
        EXPECT_TRUE(e.absorberActive);
        EXPECT_TRUE(e.extraTunnelActive);
        EXPECT_NEAR(e.LAT, LAT, 1e-13) << position;
        EXPECT_NEAR(e.VRK2, 0.01 * PF, 1e-17);
        EXPECT_NEAR(e.VAK, 0.005 * PF, 1e-17);
        EXPECT_NEAR(e.AAT, 0.001 * PF, 1e-18);
        EXPECT_NEAR(e.AET, 0.001 * PF, 1e-18);
        EXPECT_NEAR(e.rET, std::sqrt(0.001 * PF / ModelPi), 1e-16);
        // (√PF·VAK)^(2/3) and √(AKFace/PF): the sketch's chamber face and depth.
        EXPECT_NEAR(e.AKFace, std::pow(std::sqrt(PF) * 0.005 * PF, 2.0 / 3.0), 1e-15);
        EXPECT_NEAR(e.AKDepth, std::sqrt(e.AKFace / PF), 1e-15);
        const double litres = HornLitres + frontLitres(PF) + RearLitres +
                              0.005 * 0.260144980397201 * 1000 + 10 + (0.001 * LAT * 1000 + 5) +
                              0.001 * 0.5 * 1000;
        EXPECT_NEAR(e.Vtot, litres, 1e-9) << position;
        ASSERT_EQ(e.reportLines.size(), 1u);
        EXPECT_EQ(e.reportLines[0], "LAT = 4.4 cm");
        EXPECT_EQ(e.iAK, 25);
        EXPECT_EQ(e.iET, 75);
        EXPECT_EQ(e.iT2, 50);
    }
}

TEST(Enclosure, SwitchedOffPartsKeepSubstitutes) {
    const double Sd = 0.02;
    const double Vas = 0.06;
    struct Case {
        const char* name;
        std::function<void(model::FormState&)> edit;
    };
    const Case cases[] = {
        {"absorber without frequency",
         [](model::FormState& s) {
             s.CBAK = true;
             s.EditVAK = "5";
             s.EditAAT = "10";
         }},
        {"absorber without volume",
         [](model::FormState& s) {
             s.CBAK = true;
             s.EditfAK = "100";
             s.EditAAT = "10";
         }},
        {"absorber not checked",
         [](model::FormState& s) {
             s.EditVAK = "5";
             s.EditfAK = "100";
         }},
        {"extra tunnel not checked", [](model::FormState& s) { s.EditAET = "10"; }},
        {"extra tunnel of zero area",
         [](model::FormState& s) {
             s.CBET = true;
             s.EditAET = "0";
         }},
        {"rear chamber 2 with driver 2 without",
         [](model::FormState& s) {
             s.RGTreiber2 = 0;
             s.CBRK2 = true;
             s.EditVrk2 = "10";
         }},
        {"rear chamber 2 not checked",
         [](model::FormState& s) {
             s.RGTreiber2 = 2;
             s.EditVrk2 = "10";
         }},
    };
    for (const Case& c : cases) {
        const Derived d = deriveForm(c.edit);
        const engine::Enclosure& e = d.enclosure;
        EXPECT_FALSE(e.absorberActive) << c.name;
        EXPECT_FALSE(e.extraTunnelActive) << c.name;
        EXPECT_FALSE(e.rearChamber2Active) << c.name;
        EXPECT_TRUE(e.reportLines.empty()) << c.name; // no "LAT" line
        EXPECT_NEAR(e.Vtot, HornLitres + FrontLitres + RearLitres, 1e-9) << c.name;
        EXPECT_EQ(e.VAK, Vas * 0.000001) << c.name;
        EXPECT_EQ(e.LAT, std::sqrt(Sd) * 0.001) << c.name;
        EXPECT_EQ(e.AET, Sd * 0.000001) << c.name;
        EXPECT_EQ(e.VRK2, Vas * 1000000000) << c.name; // driver 2 has driver 1's Vas here
    }
    // A zero tunnel area of the absorber chamber is replaced as well.
    EXPECT_EQ(deriveForm([](model::FormState&) {}).enclosure.AAT, Sd * 0.000001);
}

TEST(Enclosure, AbsorberTunnelTooShort) {
    const engine::SimulationResult r = engine::Simulate(FormInput([](model::FormState& s) {
        s.CBAK = true;
        s.EditVAK = "1";
        s.EditAAT = "100";
        s.EditfAK = "3000";
    }));
    EXPECT_TRUE(r.enclosure.LATNegative);
    EXPECT_EQ(r.enclosure.LAT, std::sqrt(0.02) * 0.001);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0], (engine::Notice{"Notice", "LAT would be negative!"}));
    // The report still gets its "LAT" line, written before VHorn.
    ASSERT_EQ(r.memo2.size(), 3u);
    EXPECT_EQ(r.memo2[0], "LAT = 0 cm");
    EXPECT_EQ(r.memo2[1], "VHorn = 15 l");
}

TEST(Enclosure, ReportOrder) {
    const engine::SimulationResult r = engine::Simulate(FormInput([](model::FormState& s) {
        s.CBKontur = 6;
        s.EditAbr = "50";
        s.Editfbr = "50";
        s.CBAK = true;
        s.EditVAK = "5";
        s.EditAAT = "10";
        s.EditfAK = "100";
    }));
    ASSERT_EQ(r.memo2.size(), 5u);
    EXPECT_EQ(r.memo2[0].rfind("rTraktrix = ", 0), 0u);
    EXPECT_EQ(r.memo2[1], "LAT = 4.4 cm");
    EXPECT_EQ(r.memo2[2].rfind("VHorn = ", 0), 0u);
    EXPECT_EQ(r.memo2[3], "LBR = 26 cm");
    EXPECT_EQ(r.memo2[4].rfind("Vtot = ", 0), 0u);
}

struct IndexCase {
    double xT1, xT2, xAK, xET;
    int iT1, iT2, iAK, iET;
};

TEST(Enclosure, GridIndicesAndTheirClamps) {
    // L = 1 m: index = trunc(100·x); driver 1 clamped to 0..99, the others to 1..99.
    const IndexCase cases[] = {
        {0, 0, 0, 0, 0, 1, 1, 1},
        {1, 1, 1, 1, 99, 99, 99, 99}, // x = L gives 100
        {0.4, 0.4, 0.4, 0.4, 40, 40, 40, 40},
        {0.999, 0.015, 0.5, 0.0099, 99, 1, 50, 1},
        {2.5, 3, 7, 9, 99, 99, 99, 99},       // beyond the horn
        {-0.3, -0.3, -0.3, -0.3, 0, 1, 1, 1}, // before the throat
    };
    for (const IndexCase& c : cases) {
        engine::SimulationInput in;
        in.L = 1;
        in.xT1 = c.xT1;
        in.xT2 = c.xT2;
        in.xAK = c.xAK;
        in.xET = c.xET;
        const engine::Enclosure e = derive(in).enclosure;
        EXPECT_EQ(e.iT1, c.iT1) << c.xT1;
        EXPECT_EQ(e.iT2, c.iT2) << c.xT2;
        EXPECT_EQ(e.iAK, c.iAK) << c.xAK;
        EXPECT_EQ(e.iET, c.iET) << c.xET;
    }
}

} // namespace
