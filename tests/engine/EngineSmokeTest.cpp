#include <gtest/gtest.h>
#include "Simulation.h"
TEST(Smoke, Runs) { auto r = engine::Simulate({}); EXPECT_FALSE(r.refused); }
