// Tests of the main window's input check over a FormState.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "FormFields.h"
#include "InputCheck.h"

namespace {

using model::CheckMessage;
using model::CheckResult;
using model::CheckVariables;
using model::FormState;

using Text = std::string FormState::*;

CheckMessage notAllowed(const std::string& hint, const std::string& focus = "") {
    return {"", "Input " + hint + " not allowed!", focus};
}

const CheckMessage shapeMessage{"", "Throat area > or = mouth area. Shape not allowed!", ""};

// Starts from the form's start-up values, which pass the check.
class InputCheckTest : public ::testing::Test {
protected:
    FormState state;
    CheckResult check() { return CheckVariables(state); }
};

TEST_F(InputCheckTest, StartUpValuesPassWithoutMessage) {
    const CheckResult r = check();
    EXPECT_TRUE(r.InputsValid);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(state.Editfbr, "1");
    // A second check changes nothing more.
    const auto once = model::FormFields::List(state);
    const auto hints = state.hints;
    const CheckResult again = check();
    EXPECT_EQ(model::FormFields::List(state), once);
    EXPECT_EQ(state.hints, hints);
    EXPECT_EQ(again.messages, r.messages);
}

TEST_F(InputCheckTest, NormalisedBoxesTakeCleanNumbersSilently) {
    struct Case {
        Text box;
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {&FormState::Editl1, "0,5", "0.5"},         {&FormState::EditBeta1, "abc", "0"},
        {&FormState::EditBeta2, " 1,50 dB", "1.5"}, {&FormState::EditxT1, "-0.1", "0.1"},
        {&FormState::EditxT2, "-0,3", "0.3"},       {&FormState::EditdL, "1e-3x", "0.001"},
        {&FormState::EditLrk, "12.", "12"},         {&FormState::Editfbr, "0", "1"},
        {&FormState::Editfbr, "0.0", "1"},          {&FormState::Editfbr, "abc", "1"},
        {&FormState::Editfbr, "35,5", "35.5"},      {&FormState::EditBbr, "1/3", "1"},
        {&FormState::EditxAK, "+.25", "0.25"},      {&FormState::EditdLET, "-0.2", "-0.2"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.input);
        FormState s;
        s.*k.box = k.input;
        const CheckResult r = CheckVariables(s);
        EXPECT_EQ(s.*k.box, k.expected);
        EXPECT_TRUE(r.messages.empty());
        EXPECT_TRUE(r.InputsValid);
    }
}

TEST_F(InputCheckTest, ZeroInRequiredBoxReportsWithFocusButDoesNotBlock) {
    struct Case {
        Text box;
        const char* name;
        const char* input;
        const char* hint;
    };
    const Case cases[] = {
        {&FormState::EditQes, "EditQes", "abc", "Electrical Q-factor"},
        {&FormState::EditRdc, "EditRdc", "0,0", "Voice coil DC-resistance"},
        // Driver 2 values are required even while driver 2 is "Without".
        {&FormState::EditStk2, "EditStk2", "0", "Number driver 2"},
        {&FormState::EditAh, "EditAh", "", "Throat area"},
        {&FormState::EditB, "EditB", "-0", "Mouth width"},
        {&FormState::EditVrk, "EditVrk", "x20", "Volume of rear chamber"},
        {&FormState::EditVrk2, "EditVrk2", "0", "Volume of rear chamber 2"},
        {&FormState::EditAbst, "EditAbst", "0", "Distance mic->horn mouth"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        FormState s;
        s.*k.box = k.input;
        const CheckResult r = CheckVariables(s);
        EXPECT_EQ(s.*k.box, "0");
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0], notAllowed(k.hint, k.name));
        EXPECT_TRUE(r.InputsValid);
    }
}

TEST_F(InputCheckTest, RequiredBoxesAreRewrittenInGeneralFormat) {
    state.EditQes = " 0,710 ";
    state.EditSd = "1.5e2cm2";
    check();
    EXPECT_EQ(state.EditQes, "0.71");
    EXPECT_EQ(state.EditSd, "150");
}

TEST_F(InputCheckTest, RearChamberVolumeIsNotRequiredForRearLoadedHorn) {
    state.CBTyp = 1;
    state.EditVrk = "0";
    const CheckResult r = check();
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(state.EditVrk, "0");
}

TEST_F(InputCheckTest, DriverPositionMustLieInsideTheHorn) {
    state.Editl1 = "1.2";
    state.EditxT1 = "1.2"; // at the mouth is allowed
    EXPECT_TRUE(check().InputsValid);

    state.EditxT1 = "-1,5"; // the absolute value counts
    const CheckResult r = check();
    EXPECT_EQ(state.EditxT1, "1.5");
    EXPECT_FALSE(r.InputsValid);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], notAllowed("Position driver1"));

    // Until the value is corrected every check blocks the run again.
    EXPECT_FALSE(check().InputsValid);
    state.EditxT1 = "1";
    EXPECT_TRUE(check().InputsValid);
}

TEST_F(InputCheckTest, WideningProfilesNeedMouthLargerThanThroat) {
    struct Case {
        int profile;
        const char* throat;
        bool rejected;
    };
    const Case cases[] = {
        {6, "400", true},    {3, "400", true},  {4, "400", true},
        {6, "200", true}, // equal to 20 cm × 10 cm is not allowed either
        {6, "199.9", false}, {0, "400", false}, {1, "400", false},
        {2, "400", false},   {5, "400", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.profile);
        SCOPED_TRACE(k.throat);
        FormState s;
        s.EditAh = k.throat;
        s.EditH = "20";
        s.EditB = "10";
        s.CBKontur = k.profile;
        const CheckResult r = CheckVariables(s);
        EXPECT_EQ(r.InputsValid, !k.rejected);
        if (k.rejected) {
            ASSERT_EQ(r.messages.size(), 1u);
            EXPECT_EQ(r.messages[0], shapeMessage);
            EXPECT_EQ(s.CBKontur, 2);
        } else {
            EXPECT_TRUE(r.messages.empty());
            EXPECT_EQ(s.CBKontur, k.profile);
        }
    }
}

TEST_F(InputCheckTest, TractrixSwitchedToExponentialThenPasses) {
    state.EditAh = "400";
    state.EditH = "20";
    state.EditB = "10";
    state.CBKontur = 6;
    EXPECT_FALSE(check().InputsValid);
    EXPECT_EQ(state.CBKontur, 2);
    const CheckResult second = check();
    EXPECT_TRUE(second.InputsValid);
    EXPECT_TRUE(second.messages.empty());
}

TEST_F(InputCheckTest, MissingSelectionsGetDefaults) {
    state.CBKontur = -1;
    state.CBPosi = -1;
    EXPECT_TRUE(check().InputsValid);
    EXPECT_EQ(state.CBKontur, 0);
    EXPECT_EQ(state.CBPosi, 2);
}

TEST_F(InputCheckTest, DistanceHintsFollowHornType) {
    struct Case {
        int type;
        const char* abst;
        const char* dL;
        const char* dL2;
        const char* dLET;
    };
    const Case cases[] = {
        {1, "Distance mic -> cone 1", "Difference hornmouth - cone 1", "Difference cone 2 - cone 1",
         "Difference extra tunnel - cone 1"},
        {0, "Distance mic -> hornmouth", "Difference bassreflex port - hornmouth",
         "Difference cone 2 - hornmouth", "Difference extra tunnel - hornmouth"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.type);
        FormState s;
        s.CBTyp = k.type;
        CheckVariables(s);
        EXPECT_EQ(s.hints["EditAbst"], k.abst);
        EXPECT_EQ(s.hints["EditdL"], k.dL);
        EXPECT_EQ(s.hints["EditdL2"], k.dL2);
        EXPECT_EQ(s.hints["EditdLET"], k.dLET);
    }
}

TEST_F(InputCheckTest, DistanceMessageQuotesHintOfPreviousCheck) {
    state.CBTyp = 1;
    state.EditAbst = "0";
    CheckResult r = check();
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], notAllowed("Distance mic->horn mouth", "EditAbst")); // start-up
    r = check();
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], notAllowed("Distance mic -> cone 1", "EditAbst"));
    state.CBTyp = 0;
    r = check();
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], notAllowed("Distance mic -> cone 1", "EditAbst"));
}

// Every look and enabled state the check governs, reported whatever the options.
TEST_F(InputCheckTest, ReportsEveryGovernedControl) {
    const std::set<std::string> edits = {
        "EditRdc2", "Editfs2",   "EditQes2",  "EditQms2", "EditVas2",    "EditPmax2", "EditSd2",
        "EditZ1k2", "EditZ10k2", "EditXmax2", "EditStk2", "EditLSInfo2", "EditVrk",   "EditLrk",
        "EditBrk",  "EditAbr",   "EditBbr",   "Editfbr",  "EditdL",      "EditxAK",   "EditVAK",
        "EditfAK",  "EditAAT",   "EditBAK",   "EditVrk2", "EditdL2",     "EditxT2",   "EditxET",
        "EditLET",  "EditdLET",  "EditAET",   "EditBET"};
    const std::set<std::string> checks = {"CBAKSkizzeOben", "CBRK2", "CBT2SkizzeOben",
                                          "CBETSkizzeOben"};
    for (int driver2 : {0, 1, 2}) {
        for (bool options : {false, true}) {
            SCOPED_TRACE(driver2);
            SCOPED_TRACE(options);
            FormState s;
            s.RGTreiber2 = driver2;
            s.CBAK = s.CBET = s.CBRK2 = options;
            s.CBTyp = options ? 1 : 0;
            const CheckResult r = CheckVariables(s);
            std::set<std::string> activeKeys, enabledKeys;
            for (const auto& [name, on] : r.active)
                activeKeys.insert(name);
            for (const auto& [name, on] : r.enabled)
                enabledKeys.insert(name);
            EXPECT_EQ(activeKeys, edits);
            EXPECT_EQ(enabledKeys, checks);
        }
    }
}

TEST_F(InputCheckTest, HornTypeAndPortLooks) {
    struct Case {
        int type;
        const char* port;
        bool rearChamber; // EditVrk, EditLrk, EditBrk, EditAbr
        bool portTuning;  // EditBbr, Editfbr
        bool dL;
    };
    const Case cases[] = {
        {0, "0", true, false, false},
        {0, "12", true, true, true},
        {1, "0", false, false, true},
        {1, "12", false, false, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.type);
        SCOPED_TRACE(k.port);
        FormState s;
        s.CBTyp = k.type;
        s.EditAbr = k.port;
        const CheckResult r = CheckVariables(s);
        for (const char* name : {"EditVrk", "EditLrk", "EditBrk", "EditAbr"})
            EXPECT_EQ(r.active.at(name), k.rearChamber) << name;
        EXPECT_EQ(r.active.at("EditBbr"), k.portTuning);
        EXPECT_EQ(r.active.at("Editfbr"), k.portTuning);
        EXPECT_EQ(r.active.at("EditdL"), k.dL);
    }
}

TEST_F(InputCheckTest, Driver2Looks) {
    struct Case {
        int driver2;
        bool rearChamber2;
        bool ownValues;
        bool xT2, Vrk2, dL2, enabled;
    };
    const Case cases[] = {
        {0, false, false, false, false, false, false}, {0, true, false, false, false, false, false},
        {1, false, false, true, false, true, true},    {1, true, false, true, true, false, true},
        {2, false, true, true, false, true, true},     {2, true, true, true, true, false, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.driver2);
        SCOPED_TRACE(k.rearChamber2);
        FormState s;
        s.RGTreiber2 = k.driver2;
        s.CBRK2 = k.rearChamber2;
        const CheckResult r = CheckVariables(s);
        for (const char* name : {"EditRdc2", "Editfs2", "EditStk2", "EditLSInfo2"})
            EXPECT_EQ(r.active.at(name), k.ownValues) << name;
        EXPECT_EQ(r.active.at("EditxT2"), k.xT2);
        EXPECT_EQ(r.active.at("EditVrk2"), k.Vrk2);
        EXPECT_EQ(r.active.at("EditdL2"), k.dL2);
        EXPECT_EQ(r.enabled.at("CBRK2"), k.enabled);
        EXPECT_EQ(r.enabled.at("CBT2SkizzeOben"), k.enabled);
    }
}

TEST_F(InputCheckTest, AbsorberChamberAndTunnelLooks) {
    for (bool on : {false, true}) {
        SCOPED_TRACE(on);
        FormState s;
        s.CBAK = on;
        s.CBET = !on;
        const CheckResult r = CheckVariables(s);
        for (const char* name : {"EditxAK", "EditVAK", "EditfAK", "EditAAT", "EditBAK"})
            EXPECT_EQ(r.active.at(name), on) << name;
        EXPECT_EQ(r.enabled.at("CBAKSkizzeOben"), on);
        for (const char* name : {"EditxET", "EditLET", "EditdLET", "EditAET", "EditBET"})
            EXPECT_EQ(r.active.at(name), !on) << name;
        EXPECT_EQ(r.enabled.at("CBETSkizzeOben"), !on);
    }
}

TEST_F(InputCheckTest, AbsorberChamberPositionAndHornLength) {
    struct Case {
        bool chamber;
        const char* length;
        const char* position;
        std::vector<CheckMessage> messages;
    };
    const CheckMessage position = notAllowed("Position absorber chamber");
    const CheckMessage length = notAllowed("Horn length");
    const Case cases[] = {
        {true, "0", "0.5", {position, length}},
        {true, "0", "0", {length}},
        {true, "1.2", "1.3", {position}},
        {true, "1.2", "1.2", {}},
        {false, "0", "0.5", {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.length);
        SCOPED_TRACE(k.position);
        FormState s;
        s.CBAK = k.chamber;
        s.Editl1 = k.length;
        s.EditxAK = k.position;
        const CheckResult r = CheckVariables(s);
        EXPECT_EQ(r.messages, k.messages);
        EXPECT_EQ(r.InputsValid, k.messages.empty());
    }
}

TEST_F(InputCheckTest, ExtraTunnelPositionAndHornLength) {
    struct Case {
        bool tunnel;
        const char* length;
        const char* position;
        std::vector<CheckMessage> messages;
    };
    const CheckMessage position = notAllowed("Position extra tunnel");
    const CheckMessage length = notAllowed("Horn length");
    const Case cases[] = {
        {true, "0", "0.5", {position, length}},
        {true, "0", "0", {length}},
        {true, "1.2", "1.3", {position}},
        {true, "1.2", "1.2", {}},
        {false, "1.2", "1.3", {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.length);
        SCOPED_TRACE(k.position);
        FormState s;
        s.CBET = k.tunnel;
        s.Editl1 = k.length;
        s.EditxET = k.position;
        const CheckResult r = CheckVariables(s);
        EXPECT_EQ(r.messages, k.messages);
        EXPECT_EQ(r.InputsValid, k.messages.empty());
    }
}

TEST_F(InputCheckTest, Driver2PositionCheckedOnlyWithDriver2) {
    state.Editl1 = "1";
    state.EditxT2 = "-1.1";
    CheckResult r = check();
    EXPECT_EQ(state.EditxT2, "1.1");
    EXPECT_TRUE(r.InputsValid);
    EXPECT_TRUE(r.messages.empty());

    state.RGTreiber2 = 1;
    r = check();
    EXPECT_FALSE(r.InputsValid);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], notAllowed("Position driver2"));
}

TEST_F(InputCheckTest, MessagesComeInStepOrder) {
    state.EditQes = "0";  // step 2
    state.EditxT1 = "5";  // step 6
    state.EditAh = "500"; // step 7
    state.CBKontur = 3;
    state.EditAbst = "0"; // step 9
    state.CBAK = true;    // step 15
    state.EditxAK = "9";
    const CheckResult r = check();
    const std::vector<CheckMessage> expected = {notAllowed("Electrical Q-factor", "EditQes"),
                                                notAllowed("Position driver1"), shapeMessage,
                                                notAllowed("Distance mic->horn mouth", "EditAbst"),
                                                notAllowed("Position absorber chamber")};
    EXPECT_EQ(r.messages, expected);
    EXPECT_FALSE(r.InputsValid);
}

TEST_F(InputCheckTest, OptionGridWholeNumbersAndClamps) {
    struct Case {
        size_t row;
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {0, "500", "170"},
        {0, "1", "2"},
        {0, "15", "15"},
        {0, "170", "170"},
        {0, "abc", "2"},
        {0, "2.5", "2"},
        {1, "100000", "10001"},
        {1, "1", "2"},
        {1, "15", "15"},
        {1, "10001", "10001"},
        {1, "99999999999", "10001"},
        {1, "-7", "2"},
        {2, "3", "3"},
        {2, " 4 ", "4"},
        {2, "2.5", "0"},
        {2, "x", "0"},
        {2, "+007", "7"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.row);
        SCOPED_TRACE(k.input);
        FormState s;
        s.OptionGrid[k.row] = k.input;
        const CheckResult r = CheckVariables(s);
        EXPECT_EQ(s.OptionGrid[k.row], k.expected);
        EXPECT_TRUE(r.messages.empty());
    }
}

TEST_F(InputCheckTest, MinMaxGridCellsBecomeGeneralNumbers) {
    state.MinMaxGrid[0][0] = "1,5e3";
    state.MinMaxGrid[1][0] = "-20 dB";
    state.MinMaxGrid[0][8] = "";
    state.MinMaxGrid[1][8] = "20000.000";
    state.MinMaxGrid[1][4] = "max";
    check();
    EXPECT_EQ(state.MinMaxGrid[0][0], "1500");
    EXPECT_EQ(state.MinMaxGrid[1][0], "-20");
    EXPECT_EQ(state.MinMaxGrid[0][8], "0");
    EXPECT_EQ(state.MinMaxGrid[1][8], "20000");
    EXPECT_EQ(state.MinMaxGrid[1][4], "0");
}

TEST_F(InputCheckTest, CrossoverUsesResistanceAfterItsRewrite) {
    state.EditRdc = "6,5";
    state.FWGrid[2][2] = "4,7";
    const CheckResult r = check();
    EXPECT_EQ(state.FWGrid[2][2], "4.7");
    // One parse and one scaling each: agreement to a few units in the last place.
    EXPECT_NEAR(r.elements.ElementInvC[2], 1 / 0.0000047, 1e-12 / 0.0000047);
    EXPECT_NEAR(r.elements.ElementR[4], 6.5e9, 6.5e9 * 1e-12);
    EXPECT_EQ(r.elements.ElementR[3], 0);
}

} // namespace
