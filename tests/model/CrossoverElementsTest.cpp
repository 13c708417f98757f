// Tests of the crossover grid normalisation into the element arrays.
#include <gtest/gtest.h>

#include <cmath>

#include "CrossoverElements.h"

namespace {

using model::CrossoverElements;
using model::FormState;
using model::NormaliseCrossover;

// Values come from one parse and one scaling multiplication or division, so they agree with
// the expected expression to a few units in the last place.
constexpr double relTol = 1e-12;

void expectRelNear(double expected, double actual) {
    EXPECT_NEAR(expected, actual, std::fabs(expected) * relTol);
}

// A state whose grid is empty and whose driver 1 resistance is 8 Ω.
class CrossoverElementsTest : public ::testing::Test {
protected:
    FormState state;
};

TEST_F(CrossoverElementsTest, CommaCapacitorInShuntPosition) {
    state.FWGrid[2][2] = "4,7";
    const CrossoverElements e = NormaliseCrossover(state);
    EXPECT_EQ(state.FWGrid[2][2], "4.7");
    expectRelNear(1 / 0.0000047, e.ElementInvC[2]);
    // A capacitor makes the shunt a real branch: no open-circuit resistance.
    EXPECT_EQ(e.ElementR[2], 0);
    EXPECT_EQ(e.ElementL[2], 0);
    EXPECT_EQ(state.FWGrid[2][1], "");
    EXPECT_EQ(state.FWGrid[2][3], "");
}

TEST_F(CrossoverElementsTest, EmptyGridOpensShuntsAndShortsSeries) {
    state.EditRdc = "6,5"; // the grid reads the resistance like any cell
    const CrossoverElements e = NormaliseCrossover(state);
    for (int c = 1; c <= 14; ++c) {
        SCOPED_TRACE(c);
        const bool shunt = c == 2 || c == 4 || c == 6 || c == 10 || c == 12 || c == 14;
        EXPECT_EQ(model::IsShuntPosition(c), shunt);
        if (shunt)
            expectRelNear(6.5e9, e.ElementR[c]);
        else
            EXPECT_EQ(e.ElementR[c], 0);
        EXPECT_EQ(e.ElementL[c], 0);
        EXPECT_EQ(e.ElementInvC[c], 0);
    }
}

TEST_F(CrossoverElementsTest, ClearedPositionsBecomeOpenShuntOrWire) {
    for (int c : {3, 4})
        state.FWGrid[c] = {"", "2.2", "10", "0.33"};
    CrossoverElements e = NormaliseCrossover(state);
    EXPECT_EQ(e.ElementR[4], 2.2);
    for (int c : {3, 4})
        for (int r = 1; r <= 3; ++r)
            state.FWGrid[c][r].clear();
    e = NormaliseCrossover(state);
    expectRelNear(1e9 * 8, e.ElementR[4]);
    EXPECT_EQ(e.ElementR[3], 0);
    EXPECT_EQ(e.ElementInvC[4], 0);
    EXPECT_EQ(e.ElementL[4], 0);
}

TEST_F(CrossoverElementsTest, CellsAreRewrittenAndScaled) {
    struct Case {
        const char* r;
        const char* c;
        const char* l;
        const char* shownR;
        const char* shownC;
        const char* shownL;
        double R;
        double invC;
        double L;
    };
    const Case cases[] = {
        {"8,2", "", "1,5", "8.2", "", "1.5", 8.2, 0, 0.0015},
        {" 3.30 Ohm", "100uF", "2e-1", "3.3", "100", "0.2", 3.3, 1 / 100e-6, 0.0002},
        {"0", "0,0", "abc", "", "", "", 0, 0, 0},
        {"-1", "", "", "-1", "", "", -1, 0, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.r);
        FormState s;
        s.FWGrid[13] = {"", k.r, k.c, k.l};
        const CrossoverElements e = NormaliseCrossover(s);
        EXPECT_EQ(s.FWGrid[13][1], k.shownR);
        EXPECT_EQ(s.FWGrid[13][2], k.shownC);
        EXPECT_EQ(s.FWGrid[13][3], k.shownL);
        expectRelNear(k.R, e.ElementR[13]);
        expectRelNear(k.invC, e.ElementInvC[13]);
        expectRelNear(k.L, e.ElementL[13]);
    }
}

TEST_F(CrossoverElementsTest, ZeroCellsInShuntStillOpenIt) {
    // "0" in every cell is no element at all: the shunt stays open.
    state.FWGrid[12] = {"", "0", "0", "0,000"};
    const CrossoverElements e = NormaliseCrossover(state);
    expectRelNear(8e9, e.ElementR[12]);
    EXPECT_EQ(state.FWGrid[12][1], "");
    EXPECT_EQ(state.FWGrid[12][2], "");
    EXPECT_EQ(state.FWGrid[12][3], "");
}

TEST_F(CrossoverElementsTest, ShuntWithInductorOnlyIsNotOpen) {
    state.FWGrid[6][3] = "0.5";
    const CrossoverElements e = NormaliseCrossover(state);
    EXPECT_EQ(e.ElementR[6], 0);
    expectRelNear(0.0005, e.ElementL[6]);
}

} // namespace
