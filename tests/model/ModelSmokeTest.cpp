#include <gtest/gtest.h>
#include "FormState.h"
TEST(Smoke, Defaults) { model::FormState s; EXPECT_EQ(s.EditRdc, "8"); }
