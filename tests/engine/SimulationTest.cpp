// A whole run: frequency grid and its limits, point caps, refusals, marked points, progress.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "EngineTestInputs.h"
#include "ModelConstants.h"
#include "Simulation.h"

namespace {

using engine::ModelPi;
using engine::Simulate;
using engine::SimulationResult;
using engine::SoundSpeed;
using enginetest::FormInput;
using enginetest::RelativelyNear;

// A manual simulation range.
void setRange(model::FormState& s, const char* fmin, const char* fmax) {
    s.CheckListAuto[8] = false;
    s.MinMaxGrid[0][8] = fmin;
    s.MinMaxGrid[1][8] = fmax;
}

// A horn that does not lower the slot's limit: mouth closed, 0.1 m long (10·c/L ≈ 34 kHz).
void unlimited(model::FormState& s) {
    s.CBMundGeschl = true;
    s.Editl1 = "0.1";
}

int lineCount(const std::string& table) {
    return static_cast<int>(std::count(table.begin(), table.end(), '\n'));
}

TEST(FrequencyGrid, GeometricProgressionBetweenTheLimits) {
    const SimulationResult r = Simulate(FormInput([](model::FormState& s) {
        unlimited(s);
        setRange(s, "20", "20000");
    }));
    ASSERT_FALSE(r.refused);
    EXPECT_EQ(r.rows.f[0], 20.0);
    // f_i = 20·1000^(i/99); pow and one product: relative 1e-14.
    EXPECT_NEAR(r.rows.f[1], 20 * std::pow(1000.0, 1.0 / 99), 1e-12);
    EXPECT_NEAR(r.rows.f[1], 21.45, 0.005);
    EXPECT_NEAR(r.rows.f[99], 20000, 1e-9);
    // Nothing lowers the limit: the first point above fmax is still computed and written.
    EXPECT_EQ(r.FmaxEff, 20000.0);
    ASSERT_EQ(r.pointCount, 101);
    EXPECT_NEAR(r.rows.f[100], 20 * std::pow(1000.0, 100.0 / 99), 1e-9);
    EXPECT_NEAR(r.rows.f[100], 21445, 1);
    for (int i = 1; i < r.pointCount; ++i)
        EXPECT_NEAR(r.rows.f[i] / r.rows.f[i - 1], std::pow(1000.0, 1.0 / 99), 1e-13) << i;
}

TEST(FrequencyGrid, AutomaticRangeRunsOnePointBeyondTwentyKilohertz) {
    const SimulationResult r = Simulate(FormInput(unlimited));
    EXPECT_EQ(r.fmin, 10.0);
    EXPECT_EQ(r.fmax, 20000.0);
    EXPECT_EQ(r.FmaxEff, 20000.0);
    ASSERT_EQ(r.pointCount, 101);
    EXPECT_EQ(r.rows.f[99], 20000.0); // 2000^(99/99)·10, not above the limit
    EXPECT_NEAR(r.rows.f[100], 21596, 0.5);
    EXPECT_EQ(lineCount(r.dataTable), 2 + 101);
    EXPECT_EQ(lineCount(r.contourTable), 1 + 51);
}

TEST(FrequencyGrid, CapOf169Points) {
    const SimulationResult r169 = Simulate(FormInput([](model::FormState& s) {
        unlimited(s);
        s.OptionGrid[0] = "169";
    }));
    ASSERT_EQ(r169.pointCount, 169);
    EXPECT_EQ(r169.rows.f[168], 20000.0);
    const SimulationResult r170 = Simulate(FormInput([](model::FormState& s) {
        unlimited(s);
        s.OptionGrid[0] = "170";
    }));
    ASSERT_EQ(r170.pointCount, 169);
    // One step below fmax: 20000 / 2000^(1/169).
    EXPECT_NEAR(r170.rows.f[168], 20000 / std::pow(2000.0, 1.0 / 169), 1e-9);
    EXPECT_LT(r170.rows.f[168], 20000.0);
    EXPECT_EQ(lineCount(r170.dataTable), 2 + 169);
}

TEST(FrequencyGrid, ManualRangeWithMinimumNotBelowMaximumIsAutomatic) {
    for (const char* fmin : {"500", "0", "-5"}) {
        const SimulationResult r = Simulate(FormInput([&](model::FormState& s) {
            unlimited(s);
            setRange(s, fmin, fmin);
        }));
        ASSERT_FALSE(r.refused) << fmin;
        EXPECT_TRUE(r.rangeForcedAutomatic) << fmin;
        EXPECT_EQ(r.fmin, 10.0) << fmin;
        EXPECT_EQ(r.fmax, 20000.0) << fmin;
        EXPECT_EQ(r.pointCount, 101) << fmin;
    }
}

struct LimitCase {
    const char* name;
    std::function<void(model::FormState&)> edit;
    double limit; // the expected FmaxEff [Hz]
};

TEST(FrequencyGrid, UpperLimitOfTheSlot) {
    const double c = SoundSpeed;
    const double rM = std::sqrt(0.02 / ModelPi); // 20 cm × 10 cm mouth
    // 50 cm² port at 50 Hz in 20 l: LBR = 0.2601450 m.
    const double LBR = 0.260144980397201;
    const LimitCase cases[] = {
        {"nothing", [](model::FormState&) {}, 20000},
        {"open mouth", [](model::FormState& s) { s.CBMundGeschl = false; },
         25 * c / (2 * ModelPi * rM)},
        {"horn length", [](model::FormState& s) { s.Editl1 = "1.2"; }, 10 * c / 1.2},
        {"port length",
         [](model::FormState& s) {
             s.EditAbr = "50";
             s.Editfbr = "50";
         },
         10 * c / LBR},
        {"port length, rear-loaded",
         [](model::FormState& s) {
             s.CBTyp = 1;
             s.EditAbr = "50";
             s.Editfbr = "50";
         },
         20000},
        {"port length, no horn type",
         [](model::FormState& s) {
             s.CBTyp = -1;
             s.EditAbr = "50";
             s.Editfbr = "50";
         },
         20000},
        {"extra tunnel opening",
         [](model::FormState& s) {
             s.CBET = true;
             s.EditAET = "500";
             s.EditLET = "0";
         },
         25 * c / (2 * ModelPi * std::sqrt(0.05 / ModelPi))},
        {"extra tunnel length",
         [](model::FormState& s) {
             s.CBET = true;
             s.EditLET = "0.01";
         },
         0.2 * c / 0.01},
        {"extra tunnel length, tunnel off", [](model::FormState& s) { s.EditLET = "0.005"; },
         20000},
        {"front chamber length", [](model::FormState& s) { s.EditLvk = "0.5"; }, 10 * c / 0.5},
        {"rear chamber length", [](model::FormState& s) { s.EditLrk = "0.25"; }, 10 * c / 0.25},
    };
    for (const LimitCase& lc : cases) {
        const SimulationResult r = Simulate(FormInput([&](model::FormState& s) {
            unlimited(s);
            lc.edit(s);
        }));
        ASSERT_FALSE(r.refused) << lc.name;
        EXPECT_TRUE(RelativelyNear(r.FmaxEff, lc.limit, 1e-12)) << lc.name << ": " << r.FmaxEff;
        // The sweep ends with the first point above the limit.
        const int last = r.pointCount - 1;
        EXPECT_GT(r.rows.f[last], r.FmaxEff) << lc.name;
        EXPECT_LE(r.rows.f[last - 1], r.FmaxEff) << lc.name;
    }
    // The start-up horn: the mouth limit ≈ 16933 Hz is below 20 kHz, the 1.2 m length lower.
    const SimulationResult start = Simulate(FormInput());
    EXPECT_NEAR(25 * c / (2 * ModelPi * rM), 16933, 1);
    EXPECT_TRUE(RelativelyNear(start.FmaxEff, 10 * c / 1.2, 1e-12));
}

TEST(FrequencyGrid, ZeroLengthDoesNotLimitTheSweep) {
    // L entered as 0 becomes √AM·10⁻⁶ m: 10·c/L is far above any frequency.
    const SimulationResult r = Simulate(FormInput([](model::FormState& s) {
        s.Editl1 = "0";
        s.CBMundGeschl = true;
    }));
    ASSERT_FALSE(r.refused);
    EXPECT_EQ(r.FmaxEff, 20000.0);
    EXPECT_EQ(r.pointCount, 101);
    EXPECT_TRUE(r.notices.empty());
}

TEST(FrequencyGrid, TooFewPoints) {
    struct Case {
        const char* name;
        std::function<void(model::FormState&)> edit;
    };
    const Case cases[] = {
        // 10·c/L = 8.5 Hz, below the first frequency of 10 Hz.
        {"long horn", [](model::FormState& s) { s.Editl1 = "400"; }},
        // The 1.2 m horn limits to 2830 Hz, below a range starting at 5 kHz.
        {"range above the limit", [](model::FormState& s) { setRange(s, "5000", "20000"); }},
        // A mouth of 2 m radius (100 cm × 1257 cm): 25·c/(2π·rM) = 676 Hz.
        {"wide open mouth",
         [](model::FormState& s) {
             s.EditH = "100";
             s.EditB = "1257";
             s.Editl1 = "0.1";
             setRange(s, "1000", "20000");
         }},
    };
    for (const Case& c : cases) {
        std::vector<int> progress;
        engine::SimulationOptions options;
        options.progress = [&](int value) { progress.push_back(value); };
        const SimulationResult r = Simulate(FormInput(c.edit), {}, options);
        ASSERT_FALSE(r.refused) << c.name;
        EXPECT_EQ(r.pointCount, 1) << c.name;
        ASSERT_FALSE(r.notices.empty()) << c.name;
        EXPECT_EQ(r.notices.back(), (engine::Notice{"Error", "Too few frequency points"}))
            << c.name;
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back(), 0) << c.name;
        // The one point is still computed and written.
        EXPECT_EQ(lineCount(r.dataTable), 3) << c.name;
    }
}

struct RefusalCase {
    const char* name;
    std::function<void(model::FormState&)> edit;
    const char* names; // a word the notice must contain
};

TEST(Simulation, RefusesInputsThatWouldDivideByZero) {
    const RefusalCase cases[] = {
        {"driver count", [](model::FormState& s) { s.EditStk = "0"; }, "number of drivers"},
        {"fs", [](model::FormState& s) { s.Editfs = "0"; }, "fs"},
        {"Qes", [](model::FormState& s) { s.EditQes = "0"; }, "Qes"},
        {"Qms", [](model::FormState& s) { s.EditQms = "0"; }, "Qms"},
        {"Vas", [](model::FormState& s) { s.EditVas = "0"; }, "Vas"},
        {"Sd", [](model::FormState& s) { s.EditSd = "0"; }, "Sd"},
        {"Rdc", [](model::FormState& s) { s.EditRdc = "0"; }, "Rdc"},
        {"negative fs", [](model::FormState& s) { s.Editfs = "-50"; }, "fs"},
        {"driver 2 Qes",
         [](model::FormState& s) {
             s.RGTreiber2 = 2;
             s.EditQes2 = "0";
         },
         "Qes"},
        {"driver 2 count",
         [](model::FormState& s) {
             s.RGTreiber2 = 2;
             s.EditStk2 = "0";
         },
         "driver 2"},
        {"fmin 0", [](model::FormState& s) { setRange(s, "0", "1000"); }, "frequency"},
        {"fmin negative", [](model::FormState& s) { setRange(s, "-10", "1000"); }, "frequency"},
        {"frequency points", [](model::FormState& s) { s.OptionGrid[0] = "1"; }, "frequency"},
        {"voltage", [](model::FormState& s) { s.EditUe = "0"; }, "voltage"},
        {"throat", [](model::FormState& s) { s.EditAh = "0"; }, "throat"},
        {"mouth", [](model::FormState& s) { s.EditB = "0"; }, "mouth"},
        {"rear chamber", [](model::FormState& s) { s.EditVrk = "0"; }, "rear chamber"},
        {"negative rear chamber", [](model::FormState& s) { s.EditVrk = "-20"; }, "rear chamber"},
        {"negative absorber chamber",
         [](model::FormState& s) {
             s.CBAK = true;
             s.EditVAK = "-2";
             s.EditfAK = "100";
         },
         "absorber chamber"},
        {"port without tuning",
         [](model::FormState& s) {
             s.EditAbr = "50";
             s.Editfbr = "0.0";
         },
         "port"},
    };
    engine::ResultRows before;
    before.f.fill(1.5);
    before.SPL.fill(-7.0);
    for (const RefusalCase& c : cases) {
        std::vector<int> progress;
        engine::SimulationOptions options;
        options.progress = [&](int value) { progress.push_back(value); };
        const SimulationResult r = Simulate(FormInput(c.edit), before, options);
        EXPECT_TRUE(r.refused) << c.name;
        ASSERT_EQ(r.notices.size(), 1u) << c.name;
        EXPECT_EQ(r.notices[0].caption, "Error") << c.name;
        EXPECT_NE(r.notices[0].text.find(c.names), std::string::npos)
            << c.name << ": " << r.notices[0].text;
        EXPECT_EQ(r.notices[0].text, engine::RefusalReason(FormInput(c.edit))) << c.name;
        // Nothing was computed: no tables, the slot untouched.
        EXPECT_EQ(r.pointCount, 0) << c.name;
        EXPECT_TRUE(r.contourTable.empty()) << c.name;
        EXPECT_TRUE(r.dataTable.empty()) << c.name;
        EXPECT_EQ(r.rows.f, before.f) << c.name;
        EXPECT_EQ(r.rows.SPL, before.SPL) << c.name;
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back(), 0) << c.name;
    }
}

TEST(Simulation, RefusesZeroOrNegativeHornLength) {
    // The form's zero rule turns an entered 0 into √AM·10⁻⁶ m; an input set that still holds
    // no length would divide every contour position by zero.
    for (double L : {0.0, -1.0}) {
        engine::SimulationInput in = FormInput();
        in.L = L;
        const SimulationResult r = Simulate(in);
        EXPECT_TRUE(r.refused) << L;
        ASSERT_EQ(r.notices.size(), 1u);
        EXPECT_NE(r.notices[0].text.find("horn length"), std::string::npos);
    }
}

TEST(Simulation, AcceptedInputsGiveNumbersEverywhere) {
    for (const enginetest::NamedInput& named : enginetest::VariedInputs()) {
        EXPECT_EQ(engine::RefusalReason(named.input), "") << named.name;
        const SimulationResult r = Simulate(named.input);
        ASSERT_FALSE(r.refused) << named.name;
        ASSERT_GE(r.pointCount, 2) << named.name;
        for (const engine::Notice& n : r.notices)
            EXPECT_NE(n.caption, "Error") << named.name << ": " << n.text;
        const engine::ResultRows& rows = r.rows;
        for (int i = 0; i < r.pointCount; ++i) {
            for (double v :
                 {rows.f[i], rows.SPL[i], rows.Zel[i], rows.x1[i], rows.x2[i], rows.SPLmax[i],
                  rows.Pmax[i], rows.Pmax2[i], rows.Zreal[i], rows.Zimag[i], rows.Phi_a[i]})
                ASSERT_TRUE(std::isfinite(v)) << named.name << " point " << i;
            EXPECT_GT(rows.Zel[i], 0.0) << named.name << " point " << i;
        }
        EXPECT_EQ(lineCount(r.dataTable), 2 + r.pointCount) << named.name;
        EXPECT_EQ(lineCount(r.contourTable), 1 + named.input.ContourPoints) << named.name;
        EXPECT_EQ(r.dataTable.find("nan"), std::string::npos) << named.name;
        EXPECT_EQ(r.dataTable.find("inf"), std::string::npos) << named.name;
    }
}

TEST(Simulation, UnsolvablePointsAreMarked) {
    // Shunt position 2 at 0 Ω without the open value the input check would give it: the
    // source is short-circuited and A[0][0] = 0 at every point.
    engine::SimulationInput in = FormInput();
    in.ElementR[2] = 0;
    const SimulationResult r = Simulate(in);
    ASSERT_FALSE(r.refused);
    ASSERT_GT(r.pointCount, 2);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].caption, "Notice");
    EXPECT_NE(r.notices[0].text.find(std::to_string(r.pointCount) + " frequency point"),
              std::string::npos)
        << r.notices[0].text;
    const engine::ResultRows& rows = r.rows;
    for (int i = 0; i < r.pointCount; ++i) {
        EXPECT_GT(rows.f[i], 0.0);
        for (double v : {rows.SPL[i], rows.Zel[i], rows.x1[i], rows.x2[i], rows.SPLmax[i],
                         rows.Pmax[i], rows.Zreal[i], rows.Zimag[i], rows.Phi_a[i]})
            EXPECT_EQ(v, 0.0) << "point " << i;
    }
    // Every table line holds numbers: the frequency and zeros.
    const size_t line = r.dataTable.find("\r\n", r.dataTable.find("\r\n") + 2) + 2;
    EXPECT_EQ(r.dataTable.substr(line, r.dataTable.find("\r\n", line) - line),
              "10.00\t0.00\t0.000\t0.00E+00\t0.00\t0.000\t0.000\t0.000\t\t\t0.000");
}

TEST(Simulation, ProgressAndUntouchedPointsOfTheSlot) {
    engine::ResultRows before;
    before.SPL.fill(42.0);
    before.f.fill(3.0);
    std::vector<int> progress;
    engine::SimulationOptions options;
    options.progress = [&](int value) { progress.push_back(value); };
    const SimulationResult r = Simulate(FormInput(), before, options);
    ASSERT_GT(r.pointCount, 2);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 10);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    // 10 + ⌊80·i/(NF + 1)⌋ for the last point i.
    EXPECT_EQ(progress.back(), 10 + 80 * (r.pointCount - 1) / 100);
    for (int i = r.pointCount; i < engine::MaxPoints; ++i) {
        EXPECT_EQ(r.rows.SPL[i], 42.0) << i;
        EXPECT_EQ(r.rows.f[i], 3.0) << i;
    }
}

TEST(Simulation, CornerReportsOneRealEnclosure) {
    auto run = [](int position) {
        return Simulate(FormInput([&](model::FormState& s) {
            s.CBPosi = position;
            s.EditAbr = "50";
            s.Editfbr = "50";
        }));
    };
    const SimulationResult half = run(2);
    const SimulationResult corner = run(4);
    EXPECT_EQ(corner.memo1, half.memo1);
    EXPECT_EQ(corner.memo2, half.memo2);
    const std::vector<std::string> expected = {"VHorn = 15 l", "LBR = 26 cm", "Vtot = 36.301 l"};
    EXPECT_EQ(half.memo2, expected);
}

} // namespace
