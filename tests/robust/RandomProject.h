// Seeded random form states across the whole input space, for the engine stress test.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "FormState.h"

namespace robust {

// Draws the inputs of one project from a seed: every profile, horn type and placement, both
// drivers in all three modes, the optional chambers, port and tunnel, crossover cells, option
// grid values up to the limits the check allows (170 frequency points, 10001 contour points
// when asked for) and manual frequency ranges. Values are extreme but of the kind the input
// check accepts: tiny and huge areas and volumes, positions that share a grid index, lengths
// of zero, and in some projects the largest double, 1e-300 or the subnormal 1e-310 (typed as
// "1e999", "1e-300", "1e-310"). The same seed gives the same project on every platform (no
// library distributions).
class RandomProject {
public:
    explicit RandomProject(std::uint64_t seed) : m_random(seed) {}

    // A new project; `allowHugeContour` lets this one ask for 10001 contour points.
    model::FormState next(bool allowHugeContour);

private:
    double unit(); // [0, 1)
    bool chance(double probability);
    int integer(int low, int high); // low..high
    double logUniform(double low, double high);
    double extreme(double low, double high); // mostly log-uniform, sometimes an end value
    std::string text(double value);          // general format, sometimes with ","

    void drawDriver(std::string* fields[11]);
    void drawHorn(model::FormState& s);
    void drawBranches(model::FormState& s);
    void drawCrossover(model::FormState& s);
    void drawOptions(model::FormState& s, bool allowHugeContour);

    std::mt19937_64 m_random;
    bool m_everyBranch = false;
    double m_outlierChance = 0; // chance that a value is one of the outliers
    double m_length = 1;
};

} // namespace robust
