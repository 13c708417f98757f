// Seeded random form states across the whole input space, for the engine stress test.
#include "RandomProject.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "NumberFormat.h"

namespace robust {

double RandomProject::unit() {
    return static_cast<double>(m_random() >> 11) * 0x1.0p-53;
}

bool RandomProject::chance(double probability) {
    return unit() < probability;
}

int RandomProject::integer(int low, int high) {
    return low + static_cast<int>(unit() * (high - low + 1));
}

double RandomProject::logUniform(double low, double high) {
    return low * std::pow(high / low, unit());
}

double RandomProject::extreme(double low, double high) {
    if (chance(0.05))
        return low;
    if (chance(0.05))
        return high;
    if (chance(m_outlierChance)) { // what a slip of the keyboard types: "1e999", "1e-310"
        const double outliers[] = {std::numeric_limits<double>::max(), 1e-300, 1e-310};
        return outliers[integer(0, 2)];
    }
    return logUniform(low, high);
}

std::string RandomProject::text(double value) {
    std::string t = engine::FormatGeneral(value);
    if (chance(0.1))
        std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

// Rdc, fs, Qes, Qms, Vas, Pmax, Sd, Z1k, Z10k, Xmax, Stk of one driver.
void RandomProject::drawDriver(std::string* f[11]) {
    const double Rdc = extreme(0.01, 1000);
    *f[0] = text(Rdc);
    *f[1] = text(extreme(1, 20000));
    *f[2] = text(extreme(0.01, 50));
    *f[3] = text(extreme(0.05, 1000));
    *f[4] = text(extreme(0.001, 100000)); // Vas [l]
    *f[5] = text(extreme(0.01, 100000));  // Pmax [W]
    *f[6] = text(extreme(0.01, 100000));  // Sd [cm²]
    // Impedances below Rdc switch the voice-coil model off; above, it fits a power law.
    *f[7] = text(Rdc * logUniform(0.5, 50));
    *f[8] = text(Rdc * logUniform(0.5, 500));
    *f[9] = text(extreme(0.001, 100)); // Xmax [mm]
    *f[10] = std::to_string(chance(0.8) ? 1 : integer(2, 64));
}

void RandomProject::drawHorn(model::FormState& s) {
    s.CBKontur = integer(0, 6);
    s.CBTyp = integer(0, 1);
    s.CBPosi = integer(-1, 4);
    s.CBMundGeschl = chance(0.15);
    const double throat = extreme(1e-4, 1e6); // cm²
    double height = extreme(1e-3, 1e4);       // cm
    double width = extreme(1e-3, 1e4);
    // The widening profiles need a mouth larger than the throat, or the check refuses them.
    if ((s.CBKontur == 3 || s.CBKontur == 4 || s.CBKontur == 6) && height * width <= throat) {
        const double grow = std::sqrt(throat / (height * width)) * logUniform(1.01, 100);
        height *= grow;
        width *= grow;
    }
    s.EditAh = text(throat);
    s.EditH = text(height);
    s.EditB = text(width);
    m_length = chance(0.05) ? 0 : extreme(0.001, 50);
    s.Editl1 = text(m_length);
    s.EditBeta1 = text(chance(0.5) ? 0 : extreme(0.001, 100));
    s.EditBeta2 = text(chance(0.5) ? 0 : extreme(0.001, 100));
    s.EditxT1 = text(chance(0.3) ? 0 : m_length * unit());
    s.EditdL = text(chance(0.5) ? 0 : (unit() - 0.5) * 10);
    s.EditAbst = text(extreme(0.001, 1000));
}

void RandomProject::drawBranches(model::FormState& s) {
    s.EditVvk = text(chance(0.5) && !m_everyBranch ? 0 : extreme(1e-4, 1e5));
    s.EditLvk = text(chance(0.6) ? 0 : extreme(1e-4, 10));
    s.EditBvk = text(chance(0.6) ? 0 : extreme(1e-3, 1e4));
    s.EditVrk = text(extreme(1e-4, 1e7));
    s.EditLrk = text(chance(0.6) ? 0 : extreme(1e-4, 10));
    s.EditBrk = text(chance(0.3) ? 500 : extreme(1e-3, 1e5));
    const bool port = m_everyBranch || chance(0.4);
    s.EditAbr = text(port ? extreme(1e-4, 1e5) : 0);
    s.Editfbr = text(port ? extreme(0.1, 5000) : 0);
    s.EditBbr = text(chance(0.5) ? 0 : extreme(1e-3, 100));

    // Positions on the horn; some branches share the grid index of a driver or of each other.
    const double xT1 = engine::ParseGridNumber(s.EditxT1);
    auto position = [&]() {
        if (chance(0.25))
            return xT1;
        return chance(0.1) ? m_length : m_length * unit();
    };
    s.CBAK = m_everyBranch || chance(0.3);
    s.EditVAK = text(chance(0.1) ? 0 : extreme(1e-4, 1e5));
    s.EditAAT = text(chance(0.1) ? 0 : extreme(1e-4, 1e5));
    s.EditfAK = text(chance(0.1) ? 0 : extreme(0.1, 5000));
    s.EditBAK = text(chance(0.5) ? 0 : extreme(1e-3, 100));
    s.EditxAK = text(position());
    s.CBAKSkizzeOben = chance(0.5);

    s.RGTreiber2 = m_everyBranch ? 2 : integer(0, 2);
    s.CBumdrehen = chance(0.5);
    s.CBT2SkizzeOben = chance(0.5);
    s.CBRK2 = m_everyBranch || chance(0.4);
    s.EditVrk2 = text(extreme(1e-4, 1e7));
    s.EditxT2 = text(position());
    s.EditdL2 = text(chance(0.5) ? 0 : (unit() - 0.5) * 10);

    s.CBET = m_everyBranch || chance(0.3);
    s.EditAET = text(chance(0.1) ? 0 : extreme(1e-4, 1e5));
    s.EditLET = text(chance(0.1) ? 0 : extreme(1e-4, 100));
    s.EditBET = text(chance(0.5) ? 0 : extreme(1e-3, 100));
    s.EditxET = text(chance(0.2) ? engine::ParseGridNumber(s.EditxAK) : position());
    s.EditdLET = text(chance(0.5) ? 0 : (unit() - 0.5) * 10);
    s.CBETSkizzeOben = chance(0.5);
}

void RandomProject::drawCrossover(model::FormState& s) {
    s.CBohneFW = chance(0.1);
    if (!m_everyBranch && chance(0.4))
        return; // the empty grid: plain wires and open shunts
    for (int c = 1; c <= 14; ++c) {
        if (chance(0.5))
            s.FWGrid[c][1] = text(extreme(1e-3, 1e4)); // R [Ω]
        if (chance(0.4))
            s.FWGrid[c][2] = text(extreme(1e-3, 1e5)); // C [µF]
        if (chance(0.4))
            s.FWGrid[c][3] = text(extreme(1e-4, 1e3)); // L [mH]
    }
}

void RandomProject::drawOptions(model::FormState& s, bool allowHugeContour) {
    const int frequencyPoints[] = {2, 3, 12, 50, 100, 168, 169, 170, 500};
    s.OptionGrid[0] = std::to_string(frequencyPoints[integer(0, 8)]);
    s.OptionGrid[1] = std::to_string(allowHugeContour ? 10001 : integer(2, 201));
    s.OptionGrid[2] = std::to_string(integer(1, 5));
    for (int row = 0; row < 9; ++row)
        s.CheckListAuto[row] = chance(0.8);
    s.CheckListAuto[8] = chance(0.6);
    // Manual range: usually min < max; sometimes equal or reversed (taken as automatic), and
    // now and then across the whole range of a double.
    double low = extreme(0.01, 50000);
    double high = chance(0.85) ? low * logUniform(1.001, 1e5) : low * unit();
    if (chance(0.03)) {
        low = logUniform(1e-300, 1);
        high = logUniform(1e3, 1e300);
    }
    s.MinMaxGrid[0][8] = text(low);
    s.MinMaxGrid[1][8] = text(high);
    s.CBAmplTreiber2 = chance(0.5);
    s.CBPmaxTreiber2 = chance(0.5);
}

model::FormState RandomProject::next(bool allowHugeContour) {
    model::FormState s;
    m_everyBranch = chance(0.15);
    m_outlierChance = chance(0.1) ? 0.05 : 0; // one project in ten has such values
    std::string* driver1[11] = {&s.EditRdc,  &s.Editfs,   &s.EditQes, &s.EditQms,
                                &s.EditVas,  &s.EditPmax, &s.EditSd,  &s.EditZ1k,
                                &s.EditZ10k, &s.EditXmax, &s.EditStk};
    std::string* driver2[11] = {&s.EditRdc2,  &s.Editfs2,   &s.EditQes2, &s.EditQms2,
                                &s.EditVas2,  &s.EditPmax2, &s.EditSd2,  &s.EditZ1k2,
                                &s.EditZ10k2, &s.EditXmax2, &s.EditStk2};
    drawDriver(driver1);
    drawDriver(driver2);
    s.EditUe = text(extreme(0.001, 1000));
    drawHorn(s);
    drawBranches(s);
    drawCrossover(s);
    drawOptions(s, allowHugeContour);
    return s;
}

} // namespace robust
