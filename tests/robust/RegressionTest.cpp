// Inputs that the fuzz targets in fuzz/ or the engine stress test found breaking an invariant,
// kept as regression tests. Each case names what found it.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "FormFields.h"
#include "FormState.h"
#include "InputCheck.h"
#include "NumberFormat.h"
#include "RunInvariants.h"
#include "Simulation.h"
#include "SimulationInputBuilder.h"

namespace {

using engine::FormatGeneral;
using engine::ParseGridNumber;

// The general format is what the input check writes back into a box; reading that text again
// must give the same text, or every later check changes the box once more.
struct ReadBackCase {
    const char* typed;
    const char* note;
};

// fuzz_grid_number: a value just below 0.00001 rounds to 15 digits as 1E-5 but was written in
// scientific notation because the unrounded value decided; the next check made it "0.00001".
const ReadBackCase smallestFixed[] = {
    {"0.0000099999999999999995", "rounds up to the smallest fixed-notation value"},
    {"-0.0000099999999999999999", "the same, negative"},
    {"0.00001", "exactly the threshold"},
    {"9.9999999999999E-6", "stays below the threshold after rounding"},
};

// fuzz_grid_number and fuzz_number_format: magnitudes from 1.797693134862315e308 round to
// "1.79769313486232E308", which lies beyond the largest double; ParseGridNumber reads it as 0,
// so a second check turned the value into "0".
const ReadBackCase largestDoubles[] = {
    {"1.7976931348623157e308", "the largest double"},
    {"-1.7976931348623157e308", "its negative"},
    {"1.797693134862315e308", "the smallest magnitude that rounds beyond it"},
    {"1.79769313486231e308", "the largest 15-digit value, which reads back"},
};

void expectReadsBack(const ReadBackCase& c) {
    const std::string once = FormatGeneral(ParseGridNumber(c.typed));
    EXPECT_EQ(FormatGeneral(ParseGridNumber(once)), once) << c.typed << " (" << c.note << ")";

    // The same through the input check: a second check leaves the box as the first left it.
    model::FormState state;
    ASSERT_TRUE(model::FormFields::Set(state, "EditAbst", c.typed));
    model::CheckVariables(state);
    const std::string checked = state.EditAbst;
    model::CheckVariables(state);
    EXPECT_EQ(state.EditAbst, checked) << c.typed << " (" << c.note << ")";
}

TEST(GeneralFormat, SmallestFixedReadsBack) {
    for (const ReadBackCase& c : smallestFixed)
        expectReadsBack(c);
}

TEST(GeneralFormat, LargestDoublesReadBack) {
    for (const ReadBackCase& c : largestDoubles)
        expectReadsBack(c);
}

// Projects that the input check lets run but whose run broke an invariant of
// RunInvariants.h: the start-up form with the controls given changed.
struct RunCase {
    const char* finding;
    std::vector<std::pair<std::string, std::string>> controls;
};

const RunCase runCases[] = {
    // EngineStressTest: the geometric profile A(x) = AT / (1 - q·x/L), q = 1 - AT/AM, divides
    // by zero at the mouth once AT/AM is below 2^-53 (q rounds to 1): ContourArea[100] and
    // VHorn are infinite and every point of the sweep is out of range.
    {"geometric horn with a throat far smaller than its mouth",
     {{"CBKontur", "5"}, {"EditAh", "1E-20"}}},
    // EngineStressTest: with a subnormal mouth area AT/AM overflows, q is -inf and the
    // geometric contour is NaN from its first point on.
    {"geometric horn with a subnormal mouth area", {{"CBKontur", "5"}, {"EditH", "1E-310"}}},
    // fuzz_pipeline: the exponential, hyperbolic and octo-hyperbolic profiles take the flare
    // from AM/AT; with a subnormal throat area (1E-310 cm²) that ratio overflows, the flare is
    // infinite and the contour is NaN from its first point on.
    {"exponential horn with a subnormal throat area", {{"CBKontur", "2"}, {"EditAh", "1E-310"}}},
    {"hyperbolic horn with a subnormal throat area", {{"CBKontur", "3"}, {"EditAh", "1E-310"}}},
    {"octo-hyperbolic horn with a subnormal throat area",
     {{"CBKontur", "4"}, {"EditAh", "1E-310"}}},
    // EngineStressTest: a horn length near the double range overflows the profile formulas
    // (x·(√AM − √AT) for the conical profile, m·x for the exponential one, L² in the tractrix
    // one from about 1.3E154 m): the contour holds infinities or NaN.
    {"exponential horn of the largest length", {{"CBKontur", "2"}, {"Editl1", "1E999"}}},
    {"tractrix horn 1E160 m long", {{"CBKontur", "6"}, {"Editl1", "1E160"}}},
    {"conical horn narrowing from a 2.5 m² throat, of the largest length",
     {{"CBKontur", "1"},
      {"Editl1", "1E999"},
      {"EditAh", "6298"},
      {"EditH", "0.03"},
      {"EditB", "7785"},
      {"CBPosi", "4"}}},
    // EngineStressTest: a manual range whose ratio fmax/fmin exceeds the largest double makes
    // pow(ratio, i/NF) infinite, and the frequency row holds an infinity from point 1 on.
    {"manual frequency range wider than a double",
     {{"CheckListAuto[8]", "0"}, {"MinMaxGrid[0,8]", "1E-300"}, {"MinMaxGrid[1,8]", "1E300"}}},
};

TEST(RunRegression, ProjectsThatBrokeTheRunInvariants) {
    for (const RunCase& c : runCases) {
        SCOPED_TRACE(c.finding);
        model::FormState state;
        for (const auto& [name, value] : c.controls)
            ASSERT_TRUE(model::FormFields::Set(state, name, value)) << name;
        const model::CheckResult check = model::CheckVariables(state);
        ASSERT_TRUE(check.InputsValid);
        const engine::ResultRows previous = robust::FilledSlot(7.25);
        const engine::SimulationResult result =
            engine::Simulate(model::BuildSimulationInput(state, check.elements), previous);
        EXPECT_EQ(robust::RunViolation(result), "");
        EXPECT_EQ(robust::SlotViolation(result, previous, false), "");
    }
}

} // namespace
