// Element impedances, crossover ladders and voice coils, the network stamps, and the two
// solvers (the dense reference and the sparse one that must give the same x bit for bit).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <map>
#include <set>
#include <utility>

#include "DenseSystem.h"
#include "EngineTestInputs.h"
#include "ModelConstants.h"
#include "NetworkAssembly.h"
#include "Radiation.h"
#include "Simulation.h"
#include "SparseSystem.h"

namespace {

using engine::AirStiffness;
using engine::Complex;
using engine::ModelPi;
using engine::NetworkElements;
using enginetest::ElementsAt;
using enginetest::FormInput;
using enginetest::Prepared;
using enginetest::RelativelyNear;

// A system that records what the stamps write, entry by entry.
class RecordingSystem {
public:
    void set(int row, int column, Complex value) { m_a[{row, column}] = value; }
    void add(int row, int column, Complex value) { m_a[{row, column}] += value; }
    void setExcitation(int row, Complex value) { m_b[row] = value; }

    Complex at(int row, int column) const {
        auto it = m_a.find({row, column});
        return it == m_a.end() ? Complex() : it->second;
    }
    bool written(int row, int column) const { return m_a.count({row, column}) > 0; }
    Complex excitation(int row) const {
        auto it = m_b.find(row);
        return it == m_b.end() ? Complex() : it->second;
    }
    // Columns written in a row.
    int entries(int row) const {
        int n = 0;
        for (const auto& [key, value] : m_a)
            n += key.first == row ? 1 : 0;
        return n;
    }
    const std::map<std::pair<int, int>, Complex>& matrix() const { return m_a; }

private:
    std::map<std::pair<int, int>, Complex> m_a;
    std::map<int, Complex> m_b;
};

RecordingSystem stamp(const NetworkElements& e) {
    RecordingSystem s;
    engine::StampNetwork(e, s);
    return s;
}

bool isIdentityRow(const RecordingSystem& s, int row) {
    return s.entries(row) == 1 && s.at(row, row) == Complex(1, 0);
}

// ----- Element impedances -----

TEST(ElementImpedances, FrontChamberWithoutLength) {
    const Prepared p(FormInput([](model::FormState& s) { s.EditVvk = "2"; }));
    const double f = 300;
    const NetworkElements e = ElementsAt(p, f);
    EXPECT_EQ(e.Zs_VK, Complex());
    // Only the 50 joints of VVK/50 remain: −j·50κ/(ω·VVK).
    const double omega = 2 * ModelPi * f;
    const double expected = -50 * AirStiffness / (omega * 0.002);
    EXPECT_NEAR(e.Zc_VK.imag(), expected, 1e-14 * std::fabs(expected));
    EXPECT_EQ(e.Zc_VK.real(), 0.0);
}

// The dampings of the bank entry "damping_everywhere" plus the absorber and extra tunnel.
engine::SimulationInput dampedInput() {
    return FormInput([](model::FormState& s) {
        s.Editl1 = "1";
        s.EditBeta1 = "1";
        s.EditBeta2 = "3";
        s.EditVvk = "1";
        s.EditLvk = "0.1";
        s.EditBvk = "3";
        s.EditLrk = "0.3";
        s.EditBrk = "50";
        s.EditAbr = "40";
        s.Editfbr = "40";
        s.EditBbr = "4";
        s.CBAK = true;
        s.EditVAK = "3";
        s.EditAAT = "8";
        s.EditfAK = "150";
        s.EditBAK = "2";
        s.CBET = true;
        s.EditLET = "0.2";
        s.EditBET = "5";
    });
}

TEST(ElementImpedances, DampingGrowsWithFrequency) {
    const Prepared p(dampedInput());
    const NetworkElements e1 = ElementsAt(p, 125);
    const NetworkElements e2 = ElementsAt(p, 250);
    // Each resistance is a product with ω; doubling ω doubles it up to an ulp or two.
    for (int n : {0, 17, 50, 99})
        EXPECT_DOUBLE_EQ(e2.Zs_h[n].real(), 2 * e1.Zs_h[n].real()) << n;
    EXPECT_DOUBLE_EQ(e2.Zs_VK.real(), 2 * e1.Zs_VK.real());
    EXPECT_DOUBLE_EQ(e2.Zs_RK.real(), 2 * e1.Zs_RK.real());
    EXPECT_DOUBLE_EQ(e2.Zs_BR.real(), 2 * e1.Zs_BR.real());
    EXPECT_DOUBLE_EQ(e2.Zs_AT.real(), 2 * e1.Zs_AT.real());
    EXPECT_DOUBLE_EQ(e2.Zs_ET.real(), 2 * e1.Zs_ET.real());
    for (double r :
         {e1.Zs_VK.real(), e1.Zs_RK.real(), e1.Zs_BR.real(), e1.Zs_AT.real(), e1.Zs_ET.real()})
        EXPECT_GT(r, 0.0);
}

TEST(ElementImpedances, HornDampingRunsFromThroatToMouth) {
    // beta1 = 1, beta2 = 3, L = 1 m: segment n uses 1 + 2·n/100, so 2 at segment 50.
    const Prepared p(dampedInput());
    const double f = 400;
    const double omega = 2 * ModelPi * f;
    const NetworkElements e = ElementsAt(p, f);
    const double dx = 0.01;
    for (int n : {0, 50, 99}) {
        const double beta = 1 + 2 * n / 100.0;
        const double A = p.contour.ContourArea[n];
        EXPECT_NEAR(e.Zs_h[n].real(), beta * dx / A * omega / 628, 1e-14 * e.Zs_h[n].real()) << n;
        EXPECT_NEAR(e.Zs_h[n].imag(), 1.23 * omega * dx / A, 1e-14 * e.Zs_h[n].imag()) << n;
        EXPECT_NEAR(e.Zc_h[n].imag(), -AirStiffness / (omega * A * dx), 1e-14 * std::abs(e.Zc_h[n]))
            << n;
    }
    EXPECT_NEAR(e.Zs_h[50].real() / (dx / p.contour.ContourArea[50] * omega / 628), 2.0, 1e-14);
}

TEST(ElementImpedances, NoDampingLeavesOnlyRadiationResistance) {
    const Prepared p(FormInput([](model::FormState& s) {
        s.EditBrk = "0";
        s.EditAbr = "40";
        s.Editfbr = "40";
        s.CBAK = true;
        s.EditVAK = "3";
        s.EditAAT = "8";
        s.EditfAK = "150";
        s.CBET = true;
    }));
    const NetworkElements e = ElementsAt(p, 2000);
    for (int n = 0; n < 100; ++n) {
        EXPECT_EQ(e.Zs_h[n].real(), 0.0) << n;
        EXPECT_EQ(e.Zc_h[n].real(), 0.0) << n;
    }
    for (const Complex& z : {e.Zs_VK, e.Zc_VK, e.Zs_RK, e.Zc_RK, e.Zs_BR, e.Zc_BR, e.Zs_AT, e.Zc_AK,
                             e.Zs_ET, e.Zc_RK2})
        EXPECT_EQ(z.real(), 0.0);
    EXPECT_GT(e.Zr_M.real(), 0.0);
    EXPECT_GT(e.Zr_BR.real(), 0.0);
}

TEST(ElementImpedances, SuspensionResonatesAtFs) {
    // Mms and Cms come from fs: at f = fs the mass and the stiffness cancel.
    const Prepared p(FormInput());
    const NetworkElements e = ElementsAt(p, 50);
    const double Sd = 0.02;
    const double massReactance = 2 * ModelPi * 50 * p.drivers.driver1.Mms;
    EXPECT_NEAR(e.Zm1Acoustic.imag() * Sd * Sd, 0.0, 1e-12 * massReactance);
    EXPECT_NEAR(e.Zm1Acoustic.real() * Sd * Sd, p.drivers.driver1.Rms, 1e-12);
}

TEST(ElementImpedances, RadiationOfTheOpenings) {
    const double f = 700;
    const double k = 2 * ModelPi * f / engine::SoundSpeed;
    const Prepared free(FormInput([](model::FormState& s) { s.RGTreiber2 = 1; }));
    const NetworkElements e = ElementsAt(free, f);
    EXPECT_EQ(e.Zr_M, engine::RadiationImpedance(std::sqrt(free.input.AM / ModelPi),
                                                 free.contour.ContourArea[100], k));
    EXPECT_EQ(e.Zr_T2,
              engine::RadiationImpedance(free.drivers.a2, free.drivers.driver2.data.Sd, k));
    // With rear chamber 2 the back of driver 2's cone does not radiate.
    const Prepared closed(FormInput([](model::FormState& s) {
        s.RGTreiber2 = 1;
        s.CBRK2 = true;
    }));
    EXPECT_EQ(ElementsAt(closed, f).Zr_T2, Complex());
}

// ----- Crossover and voice coils -----

engine::SimulationInput crossoverInput(const std::function<void(model::FormState&)>& edit) {
    return FormInput([&](model::FormState& s) {
        s.RGTreiber2 = 2;
        edit(s);
    });
}

TEST(Crossover, CapacitorAloneInPositionFive) {
    // 10 µF at 1 kHz: −j/(ωC) = −j·15.9154941 Ω (π = 3.1415927), the open start value
    // replaced rather than put in parallel.
    const Prepared p(
        crossoverInput([](model::FormState& s) { enginetest::SetCrossover(s, 5, "", "10", ""); }));
    const NetworkElements e = ElementsAt(p, 1000);
    EXPECT_EQ(e.Z[5], Complex(0, -p.input.ElementInvC[5] / (2 * ModelPi * 1000)));
    EXPECT_NEAR(e.Z[5].imag(), -15.9154941, 5e-8);
}

TEST(Crossover, ParallelTrapOfPositionFive) {
    const double f = 1500;
    const double omega = 2 * ModelPi * f;
    const double zOpen = 8e9;
    struct Case {
        const char *R, *C, *L;
        Complex expected; // 1/Z = Σ 1/branch, computed with std::complex
    };
    const Complex jw(0, omega);
    const Case cases[] = {
        {"", "", "0.5", 1.0 / (1.0 / (jw * 0.0005) + 1.0 / zOpen)},
        {"3", "", "", 1.0 / (1.0 / 3.0 + 1.0 / zOpen)},
        {"3", "20", "0.5", 1.0 / (1.0 / 3.0 + 1.0 / (jw * 0.0005) + jw * 20e-6)},
        {"", "20", "0.5", 1.0 / (1.0 / (jw * 0.0005) + jw * 20e-6)},
    };
    for (const Case& c : cases) {
        const Prepared p(crossoverInput(
            [&](model::FormState& s) { enginetest::SetCrossover(s, 5, c.R, c.C, c.L); }));
        const Complex z5 = ElementsAt(p, f).Z[5];
        // Different but equivalent formulas: relative 1e-12.
        EXPECT_NEAR(std::abs(z5 - c.expected), 0.0, 1e-12 * std::abs(c.expected))
            << c.R << "/" << c.C << "/" << c.L;
    }
    // An inductance alone is in parallel with the open value: slightly less than jωL, which
    // shows as the small resistance (ωL)²/Zopen (the reactance differs below double precision).
    const Prepared pl(
        crossoverInput([](model::FormState& s) { enginetest::SetCrossover(s, 5, "", "", "0.5"); }));
    const Complex zl = ElementsAt(pl, f).Z[5];
    EXPECT_LE(std::abs(zl), omega * 0.0005);
    EXPECT_NEAR(zl.real(), std::pow(omega * 0.0005, 2) / zOpen, 1e-9 * zl.real());
    // An empty position 5 is a wire.
    EXPECT_EQ(ElementsAt(Prepared(crossoverInput([](model::FormState&) {})), f).Z[5], Complex());
}

TEST(Crossover, SeriesTrapOfPositionsSevenToNine) {
    const double f = 2000;
    const double omega = 2 * ModelPi * f;
    const Complex B7(2, omega * 0.0003 - 1 / (omega * 5e-6)); // 2 Ω + 0.3 mH + 5 µF
    const Complex B8(0, omega * 0.0001);                      // 0.1 mH
    const Complex B9(1, 0);                                   // 1 Ω
    struct Case {
        const char *R7, *C7, *L7, *L8, *R9;
        Complex expected;
        double tolerance; // relative: an empty branch is an open of 8·10⁹ Ω, not infinite
    };
    const Case cases[] = {
        {"2", "5", "0.3", "0.1", "", B7 * B8 / (B7 + B8), 1e-8},
        {"2", "5", "0.3", "0.1", "1", 1.0 / (1.0 / B7 + 1.0 / B8 + 1.0 / B9), 1e-12},
        {"", "", "", "", "1", B9, 1e-8},
        {"", "", "", "", "", Complex(), 0},
    };
    for (const Case& c : cases) {
        const Prepared p(crossoverInput([&](model::FormState& s) {
            enginetest::SetCrossover(s, 7, c.R7, c.C7, c.L7);
            enginetest::SetCrossover(s, 8, "", "", c.L8);
            enginetest::SetCrossover(s, 9, c.R9, "", "");
        }));
        const Complex z7 = ElementsAt(p, f).Z[7];
        if (c.tolerance == 0)
            EXPECT_EQ(z7, Complex()); // an empty trap is a wire
        else
            EXPECT_NEAR(std::abs(z7 - c.expected), 0.0, c.tolerance * std::abs(c.expected));
    }
}

TEST(Crossover, PositionsBehindTheLadderImpedances) {
    // Position k holds a resistance of k Ω: Z1..Z4 = 1..4, Z6 = 6, Z8..Z12 = 10..14.
    const Prepared p(crossoverInput([](model::FormState& s) {
        for (int k : {1, 2, 3, 4, 6, 10, 11, 12, 13, 14})
            s.FWGrid[k][1] = std::to_string(k);
    }));
    const NetworkElements e = ElementsAt(p, 800);
    const int position[13] = {0, 1, 2, 3, 4, 0, 6, 0, 10, 11, 12, 13, 14};
    for (int z = 1; z <= 12; ++z) {
        if (position[z] != 0) {
            EXPECT_EQ(e.Z[z], Complex(position[z], 0)) << "Z" << z;
        }
    }
    // A series R-L-C of one position: R + j(ωL − 1/(ωC)).
    const Prepared q(crossoverInput(
        [](model::FormState& s) { enginetest::SetCrossover(s, 3, "0.7", "47", "1.5"); }));
    const double omega = 2 * ModelPi * 800;
    const Complex z3 = ElementsAt(q, 800).Z[3];
    EXPECT_EQ(z3.real(), 0.7);
    EXPECT_NEAR(z3.imag(), omega * 0.0015 - 1 / (omega * 47e-6), 1e-12);
}

TEST(Crossover, CornerQuartersTheLadder) {
    auto edit = [](int position) {
        return [position](model::FormState& s) {
            s.CBPosi = position;
            s.RGTreiber2 = 2;
            enginetest::SetCrossover(s, 1, "0.3", "", "1");
            enginetest::SetCrossover(s, 2, "", "10", "");
            enginetest::SetCrossover(s, 5, "4", "20", "0.5");
            // Positions 7, 8 and 9 all filled: an empty branch would hold the open value
            // 10⁹·Rdc of the modelled (quartered) Rdc, not a quarter of anything entered.
            enginetest::SetCrossover(s, 7, "2", "5", "0.3");
            enginetest::SetCrossover(s, 8, "", "", "0.1");
            enginetest::SetCrossover(s, 9, "1", "", "");
            enginetest::SetCrossover(s, 11, "", "", "2");
        };
    };
    const NetworkElements half = ElementsAt(Prepared(FormInput(edit(2))), 900);
    const NetworkElements corner = ElementsAt(Prepared(FormInput(edit(4))), 900);
    // Division by 4 is exact in binary floating point.
    for (int z = 1; z <= 12; ++z)
        EXPECT_EQ(corner.Z[z], half.Z[z] / 4.0) << "Z" << z;
}

TEST(Crossover, IgnoredCrossoverConnectsBothDriversToTheSource) {
    const Prepared p(FormInput([](model::FormState& s) {
        s.CBPosi = 4; // the open value is not divided by PF
        s.CBohneFW = true;
        s.RGTreiber2 = 2;
        enginetest::SetCrossover(s, 1, "5", "", "1");
        enginetest::SetCrossover(s, 2, "", "10", "");
    }));
    const NetworkElements e = ElementsAt(p, 500);
    for (int z = 1; z <= 12; z += 2)
        EXPECT_EQ(e.Z[z], Complex()) << "Z" << z;
    for (int z = 2; z <= 12; z += 2)
        EXPECT_EQ(e.Z[z], Complex(8e9, 0)) << "Z" << z; // 10⁹ × the 8 in EditRdc
}

TEST(Crossover, DriverTwoWithoutDisconnectsItsLadder) {
    for (bool ignore : {false, true}) {
        const Prepared p(FormInput([&](model::FormState& s) {
            s.CBohneFW = ignore;
            s.CBPosi = 1;
        }));
        EXPECT_EQ(ElementsAt(p, 500).Z[9], Complex(8e9, 0)) << ignore;
    }
}

TEST(VoiceCoil, PureResistanceWithoutInductance) {
    const Prepared p(FormInput());
    for (double f : {10.0, 1000.0, 20000.0}) {
        const NetworkElements e = ElementsAt(p, f);
        EXPECT_EQ(e.ZE1, Complex(8, 0)) << f;
    }
}

TEST(VoiceCoil, MagnitudesAtOneAndTenKilohertz) {
    // The coil model is fitted to |ZE| at 1 kHz and 10 kHz: the network sees exactly those.
    const Prepared p(FormInput([](model::FormState& s) {
        s.EditZ1k = "10";
        s.EditZ10k = "30";
        s.CBPosi = 1; // PF 2: the modelled coil is half the impedance
    }));
    EXPECT_NEAR(std::abs(ElementsAt(p, 1000).ZE1), 5.0, 1e-12);
    EXPECT_NEAR(std::abs(ElementsAt(p, 10000).ZE1), 15.0, 1e-12);
    // Constant 60° phase of the reactive part: Im/Re of (ZE − Rdc) is √3.
    const Complex reactive = ElementsAt(p, 3000).ZE1 - 4.0;
    EXPECT_NEAR(reactive.imag() / reactive.real(), std::sqrt(3.0), 1e-12);
}

TEST(VoiceCoil, TurnOverFlipsTheCouplingOfDriverTwo) {
    auto stamped = [](bool turn) {
        return stamp(ElementsAt(Prepared(FormInput([&](model::FormState& s) {
                                    s.RGTreiber2 = 1;
                                    s.EditxT2 = "0.6";
                                    s.CBumdrehen = turn;
                                })),
                                300));
    };
    const RecordingSystem normal = stamped(false);
    const RecordingSystem turned = stamped(true);
    EXPECT_GT(normal.at(159, 160).real(), 0.0);
    EXPECT_EQ(turned.at(159, 160), -normal.at(159, 160));
    EXPECT_EQ(turned.at(160, 159), -normal.at(160, 159));
    EXPECT_EQ(normal.at(160, 159), -normal.at(159, 160));
    EXPECT_EQ(normal.at(4, 5), -normal.at(5, 4));
}

// ----- Stamps -----

TEST(Stamps, ElectricalRows) {
    const Prepared p(crossoverInput([](model::FormState& s) {
        for (int k = 1; k <= 14; ++k)
            s.FWGrid[k][1] = std::to_string(k);
        s.EditUe = "5";
    }));
    const NetworkElements e = ElementsAt(p, 640);
    const RecordingSystem s = stamp(e);
    const auto& Z = e.Z;
    EXPECT_EQ(s.excitation(0), Complex(5, 0));
    EXPECT_EQ(s.excitation(157), Complex(5, 0));
    EXPECT_EQ(s.at(0, 0), Z[1] + Z[2]);
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(s.at(0, c), Z[1]);
    EXPECT_EQ(s.at(1, 0), -Z[2]);
    EXPECT_EQ(s.at(1, 1), Z[3] + Z[4]);
    EXPECT_EQ(s.at(1, 4), Z[3]);
    EXPECT_EQ(s.at(2, 1), -Z[4]);
    EXPECT_EQ(s.at(2, 2), Z[5] + Z[6]);
    EXPECT_EQ(s.at(2, 4), Z[5]);
    EXPECT_EQ(s.at(3, 2), -Z[6]);
    EXPECT_EQ(s.at(3, 3), Z[7] + Z[8]);
    EXPECT_EQ(s.at(3, 4), Z[7]);
    EXPECT_EQ(s.at(4, 3), -Z[8]);
    EXPECT_EQ(s.at(4, 4), e.ZE1);
    EXPECT_EQ(s.at(4, 5), Complex(p.drivers.driver1.BxL / p.drivers.driver1.data.Sd, 0));
    EXPECT_EQ(s.at(157, 157), Z[9] + Z[10]);
    EXPECT_EQ(s.at(157, 159), Z[9]);
    EXPECT_EQ(s.at(158, 157), -Z[10]);
    EXPECT_EQ(s.at(158, 158), Z[11] + Z[12]);
    EXPECT_EQ(s.at(159, 158), -Z[12]);
    EXPECT_EQ(s.at(159, 159), e.ZE2);
    const int entries[5] = {5, 5, 4, 3, 3};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(s.entries(row), entries[row]) << row;
}

TEST(Stamps, ConeAndChamberLadders) {
    const Prepared p(dampedInput());
    const NetworkElements e = ElementsAt(p, 333);
    const RecordingSystem s = stamp(e);
    EXPECT_EQ(s.at(5, 5), e.Zm1Acoustic + e.Zc_VK + e.Zc_RK);
    EXPECT_EQ(s.at(5, 6), -e.Zc_VK);
    EXPECT_EQ(s.at(5, 161), -e.Zc_RK);
    EXPECT_EQ(s.at(30, 29), -e.Zc_VK);
    EXPECT_EQ(s.at(30, 30), e.Zs_VK + 2.0 * e.Zc_VK);
    EXPECT_EQ(s.at(161, 5), -e.Zc_RK);
    EXPECT_EQ(s.at(161, 161), e.Zs_RK + 2.0 * e.Zc_RK);
    EXPECT_EQ(s.at(210, 210), e.Zs_RK + e.Zc_RK + e.Zc_BR);
    EXPECT_EQ(s.at(210, 211), -e.Zc_BR);
    EXPECT_EQ(s.at(235, 235), e.Zs_BR + 2.0 * e.Zc_BR);
    EXPECT_EQ(s.at(260, 259), -e.Zc_BR);
    EXPECT_EQ(s.at(260, 260), e.Zr_BR + e.Zs_BR + e.Zc_BR);
    // A horn segment between its two contour points.
    EXPECT_EQ(s.at(100, 99), -e.Zc_h[44]);
    EXPECT_EQ(s.at(100, 100), e.Zs_h[44] + e.Zc_h[44] + e.Zc_h[45]);
    EXPECT_EQ(s.at(100, 101), -e.Zc_h[45]);
    EXPECT_EQ(s.at(155, 154), -e.Zc_h[99]);
    EXPECT_EQ(s.at(155, 155), e.Zr_M + e.Zs_h[99] + e.Zc_h[99]);
    EXPECT_EQ(s.entries(155), 2);
}

TEST(Stamps, DriverAtTheThroat) {
    NetworkElements e = ElementsAt(Prepared(FormInput()), 200);
    ASSERT_EQ(e.iT1, 0);
    const RecordingSystem s = stamp(e);
    EXPECT_EQ(s.at(55, 54), -e.Zc_VK);
    EXPECT_EQ(s.at(55, 55), e.Zs_VK + e.Zc_VK + e.Zc_h[0]);
    EXPECT_EQ(s.at(55, 56), -e.Zc_h[0]);
    EXPECT_EQ(s.entries(55), 3);
    EXPECT_EQ(s.at(56, 55), -e.Zc_h[0]);
    EXPECT_EQ(s.at(56, 56), e.Zs_h[0] + e.Zc_h[0] + e.Zc_h[1]);
}

TEST(Stamps, DriverAlongTheHorn) {
    NetworkElements e = ElementsAt(Prepared(FormInput()), 200);
    e.iT1 = 23;
    const RecordingSystem s = stamp(e);
    const Complex Zc = e.Zc_h[23];
    EXPECT_EQ(s.at(55, 55), e.Zs_VK + e.Zc_VK + Zc);
    EXPECT_EQ(s.at(55, 78), Zc);
    EXPECT_EQ(s.at(55, 79), -Zc);
    EXPECT_EQ(s.at(78, 55), Zc);
    EXPECT_EQ(s.at(79, 55), -Zc);
    // The throat end is closed: row 56 has no coupling to the front chamber.
    EXPECT_FALSE(s.written(56, 55));
    EXPECT_EQ(s.at(56, 56), e.Zs_h[0] + e.Zc_h[0] + e.Zc_h[1]);
    EXPECT_EQ(s.entries(56), 2);
}

TEST(Stamps, AbsentBranchesAreIdentityRows) {
    const NetworkElements e = ElementsAt(Prepared(FormInput([](model::FormState& s) {
                                             s.EditxT2 = "0.6";
                                             s.EditxAK = "0.6";
                                             s.EditxET = "0.6";
                                         })),
                                         200);
    ASSERT_FALSE(e.driver2Present || e.absorberPresent || e.extraTunnelPresent);
    const RecordingSystem s = stamp(e);
    for (int row : {156, 160, 261})
        EXPECT_TRUE(isIdentityRow(s, row)) << row;
    // No horn row carries a term of an absent branch.
    for (int row = 56; row <= 155; ++row) {
        EXPECT_FALSE(s.written(row, 156)) << row;
        EXPECT_FALSE(s.written(row, 160)) << row;
        EXPECT_FALSE(s.written(row, 261)) << row;
    }
}

TEST(Stamps, TwoDriversAtPointForty) {
    const NetworkElements e = ElementsAt(Prepared(FormInput([](model::FormState& s) {
                                             s.Editl1 = "1";
                                             s.EditxT1 = "0.4";
                                             s.RGTreiber2 = 1;
                                             s.EditxT2 = "0.4";
                                         })),
                                         200);
    ASSERT_EQ(e.iT1, 40);
    ASSERT_EQ(e.iT2, 40);
    const RecordingSystem s = stamp(e);
    const Complex Zc = e.Zc_h[40];
    EXPECT_EQ(s.at(55, 160), Zc);
    EXPECT_EQ(s.at(160, 55), Zc);
    EXPECT_EQ(s.at(160, 160), e.Zm2Acoustic + e.Zr_T2 + e.Zc_RK2 + Zc);
    // Both branches share the compliance with horn loops 95 and 96.
    for (int loop : {55, 160}) {
        EXPECT_EQ(s.at(95, loop), Zc) << loop;
        EXPECT_EQ(s.at(96, loop), -Zc) << loop;
        EXPECT_EQ(s.at(loop, 95), Zc) << loop;
        EXPECT_EQ(s.at(loop, 96), -Zc) << loop;
    }
}

TEST(Stamps, CrossTermsOfAllFourBranchesAtOnePoint) {
    NetworkElements e = ElementsAt(Prepared(FormInput([](model::FormState& s) {
                                       s.RGTreiber2 = 1;
                                       s.CBAK = true;
                                       s.CBET = true;
                                   })),
                                   200);
    e.iT1 = e.iT2 = e.iAK = e.iET = 30;
    const RecordingSystem s = stamp(e);
    const Complex Zc = e.Zc_h[30];
    const int loops[4] = {55, 156, 160, 261};
    const double sense[4] = {+1, -1, +1, -1}; // into the horn +, out of it −
    for (int p = 0; p < 4; ++p) {
        for (int q = 0; q < 4; ++q) {
            if (p != q) {
                EXPECT_EQ(s.at(loops[p], loops[q]), sense[p] * sense[q] * Zc)
                    << loops[p] << "," << loops[q];
            }
        }
        // Horn-side terms: +σ·Zc in the loop before the point, −σ·Zc in the one after it.
        EXPECT_EQ(s.at(85, loops[p]), sense[p] * Zc) << loops[p];
        EXPECT_EQ(s.at(86, loops[p]), -sense[p] * Zc) << loops[p];
        EXPECT_EQ(s.at(loops[p], 85), sense[p] * Zc) << loops[p];
        EXPECT_EQ(s.at(loops[p], 86), -sense[p] * Zc) << loops[p];
    }
    // At different points there are no cross terms.
    e.iT1 = 10;
    e.iAK = 20;
    e.iT2 = 30;
    e.iET = 40;
    const RecordingSystem apart = stamp(e);
    for (int p : loops) {
        for (int q : loops) {
            if (p != q) {
                EXPECT_FALSE(apart.written(p, q)) << p << "," << q;
            }
        }
    }
}

TEST(Stamps, ThroatDriverWithAbsorberAtPointOne) {
    NetworkElements e =
        ElementsAt(Prepared(FormInput([](model::FormState& s) { s.CBAK = true; })), 200);
    e.iT1 = 0;
    e.iAK = 1;
    const RecordingSystem s = stamp(e);
    const Complex Zc = e.Zc_h[1];
    // Loop 156 shares contour point 1 with horn loops 56 and 57 only.
    EXPECT_EQ(s.at(156, 56), -Zc);
    EXPECT_EQ(s.at(156, 57), Zc);
    EXPECT_EQ(s.at(156, 156), e.Zs_AT + e.Zc_AK + Zc);
    EXPECT_EQ(s.entries(156), 3);
    EXPECT_EQ(s.at(56, 156), -Zc);
    EXPECT_EQ(s.at(57, 156), Zc);
    EXPECT_FALSE(s.written(55, 156));
    EXPECT_EQ(s.entries(55), 3);
}

TEST(Stamps, BranchesAtPointNinetyNineWithTheMouthClosed) {
    NetworkElements e = ElementsAt(Prepared(FormInput([](model::FormState& s) {
                                       s.CBMundGeschl = true;
                                       s.RGTreiber2 = 1;
                                       s.CBAK = true;
                                       s.CBET = true;
                                   })),
                                   200);
    e.iT1 = e.iT2 = e.iAK = e.iET = 99;
    const RecordingSystem s = stamp(e);
    const Complex Zc = e.Zc_h[99];
    EXPECT_TRUE(isIdentityRow(s, 155)); // nothing is added to the closed mouth's row
    for (int loop : {55, 156, 160, 261}) {
        EXPECT_FALSE(s.written(155, loop)) << loop;
        EXPECT_EQ(s.at(154, loop), (loop == 55 || loop == 160 ? 1.0 : -1.0) * Zc) << loop;
    }
    EXPECT_EQ(s.at(156, 155), Zc); // the branch's own row keeps its mouth-side term
    EXPECT_EQ(s.at(160, 155), -Zc);
}

// ----- Solvers -----

// Index of the first unknown in which two solutions differ at all, −1 when they are equal.
int firstDifference(const std::array<Complex, 262>& a, const std::array<Complex, 262>& b) {
    for (int i = 0; i < 262; ++i) {
        if (!(a[i] == b[i]))
            return i;
    }
    return -1;
}

// Σ |A_rc·x_c − b_r| over a row relative to Σ |A_rc·x_c|: how well x satisfies the system.
double worstRelativeResidual(const RecordingSystem& s, const std::array<Complex, 262>& x) {
    std::array<Complex, 262> sum{};
    std::array<double, 262> scale{};
    for (const auto& [key, value] : s.matrix()) {
        sum[key.first] += value * x[key.second];
        scale[key.first] += std::abs(value * x[key.second]);
    }
    double worst = 0;
    for (int r = 0; r < 262; ++r) {
        const double residual = std::abs(sum[r] - s.excitation(r));
        const double denominator = scale[r] + std::abs(s.excitation(r));
        if (denominator > 0)
            worst = std::max(worst, residual / denominator);
    }
    return worst;
}

TEST(VariedInputs, HoldTheCasesTheyAreNamedFor) {
    // The solver comparisons rely on the bank reaching these attachment cases.
    struct Expected {
        const char* name;
        int iT1, iT2, iAK, iET;
        bool driver2, absorber, tunnel, closed;
    };
    const Expected expected[] = {
        {"shared_point_40", 40, 40, 40, 40, true, true, true, false},
        {"throat_driver_absorber_at_1", 0, 1, 1, 1, false, true, false, false},
        {"all_at_the_mouth_closed", 99, 99, 99, 99, true, true, true, true},
    };
    const std::vector<enginetest::NamedInput> bank = enginetest::VariedInputs();
    for (const Expected& x : expected) {
        auto it = std::find_if(bank.begin(), bank.end(),
                               [&](const enginetest::NamedInput& n) { return n.name == x.name; });
        ASSERT_NE(it, bank.end()) << x.name;
        const NetworkElements e = ElementsAt(Prepared(it->input), 100);
        EXPECT_EQ(e.iT1, x.iT1) << x.name;
        EXPECT_EQ(e.iT2, x.iT2) << x.name;
        EXPECT_EQ(e.iAK, x.iAK) << x.name;
        EXPECT_EQ(e.iET, x.iET) << x.name;
        EXPECT_EQ(e.driver2Present, x.driver2) << x.name;
        EXPECT_EQ(e.absorberPresent, x.absorber) << x.name;
        EXPECT_EQ(e.extraTunnelPresent, x.tunnel) << x.name;
        EXPECT_EQ(e.mouthClosed, x.closed) << x.name;
    }
    // Every profile, both horn types, all three choices of driver 2, turn over, a trap in
    // position 5 and 7, every placement factor.
    std::set<int> profiles, hornTypes, driver2Modes, factors;
    bool turnOver = false, trap5 = false, trap7 = false;
    for (const enginetest::NamedInput& n : bank) {
        profiles.insert(n.input.profile);
        hornTypes.insert(n.input.hornType);
        driver2Modes.insert(n.input.driver2Mode);
        factors.insert(n.input.PositionFactor);
        turnOver |= n.input.turnOver;
        trap5 |=
            n.input.ElementInvC[5] != 0 && n.input.ElementL[5] != 0 && n.input.ElementR[5] != 0;
        trap7 |= n.input.ElementInvC[7] != 0 && n.input.ElementL[8] != 0;
    }
    EXPECT_EQ(profiles.size(), 7u);
    EXPECT_EQ(hornTypes.size(), 2u);
    EXPECT_EQ(driver2Modes.size(), 3u);
    EXPECT_EQ(factors.size(), 3u);
    EXPECT_TRUE(turnOver && trap5 && trap7);
}

TEST(DenseSystem, SolvesTheNetwork) {
    for (const enginetest::NamedInput& named : enginetest::VariedInputs()) {
        const Prepared p(named.input);
        for (double f : {15.0, 180.0, 2500.0}) {
            const NetworkElements e = ElementsAt(p, f);
            const RecordingSystem recorded = stamp(e);
            engine::DenseSystem dense;
            engine::StampNetwork(e, dense);
            std::array<Complex, 262> x{};
            ASSERT_TRUE(dense.solve(x)) << named.name;
            // Elimination without pivoting on these ladders: relative residual far below
            // the four digits the results are shown with.
            EXPECT_LT(worstRelativeResidual(recorded, x), 1e-9) << named.name << " " << f;
        }
    }
}

TEST(DenseSystem, IdentityRowsGiveZero) {
    const Prepared p(FormInput([](model::FormState& s) { s.CBMundGeschl = true; }));
    NetworkElements e = ElementsAt(p, 400);
    engine::DenseSystem dense;
    engine::StampNetwork(e, dense);
    std::array<Complex, 262> x{};
    ASSERT_TRUE(dense.solve(x));
    for (int r : {155, 156, 160, 261})
        EXPECT_EQ(x[r], Complex()) << r;
    EXPECT_NE(x[154], Complex());
    // The closed mouth's radiation impedance and the absent branches' elements take no part.
    e.Zr_M *= 3.0;
    e.Zs_AT *= 5.0;
    e.Zc_AK *= 7.0;
    e.Zs_ET *= 2.0;
    e.Zr_ET *= 2.0;
    e.Zm2Acoustic *= 9.0;
    engine::DenseSystem changed;
    engine::StampNetwork(e, changed);
    std::array<Complex, 262> y{};
    ASSERT_TRUE(changed.solve(y));
    EXPECT_EQ(firstDifference(y, x), -1);
}

TEST(DenseSystem, ZeroPivotIsReported) {
    // Shunt position 2 at 0 Ω (no open value) and no series element: A[0][0] = 0.
    engine::SimulationInput in = FormInput();
    in.ElementR[2] = 0;
    const NetworkElements e = ElementsAt(Prepared(in), 100);
    engine::DenseSystem dense;
    engine::StampNetwork(e, dense);
    std::array<Complex, 262> x{};
    EXPECT_FALSE(dense.solve(x));
    engine::SparseSystem sparse;
    engine::StampNetwork(e, sparse);
    EXPECT_FALSE(sparse.solve(x));
}

TEST(SparseSystem, SameMatrixAndBitIdenticalSolution) {
    for (const enginetest::NamedInput& named : enginetest::VariedInputs()) {
        const Prepared p(named.input);
        for (double f : {10.0, 47.3, 333.0, 4100.0, 19000.0}) {
            const NetworkElements e = ElementsAt(p, f);
            engine::DenseSystem dense;
            engine::SparseSystem sparse;
            engine::StampNetwork(e, dense);
            engine::StampNetwork(e, sparse);
            for (int r = 0; r < 262; ++r)
                for (int c = 0; c < 262; ++c)
                    ASSERT_EQ(sparse.at(r, c), dense.at(r, c))
                        << named.name << " " << r << "," << c;
            std::array<Complex, 262> xd{};
            std::array<Complex, 262> xs{};
            ASSERT_TRUE(dense.solve(xd));
            ASSERT_TRUE(sparse.solve(xs));
            for (int i = 0; i < 262; ++i)
                ASSERT_EQ(xs[i], xd[i]) << named.name << " f " << f << " x[" << i << "]";
        }
    }
}

TEST(SparseSystem, ReusedAcrossPointsStaysIdentical) {
    // The sweep clears and refills one system per point: nothing may leak between points.
    const std::vector<enginetest::NamedInput> bank = enginetest::VariedInputs();
    engine::SparseSystem sparse;
    for (const enginetest::NamedInput& named : bank) {
        const Prepared p(named.input);
        for (double f : {31.0, 1234.0}) {
            const NetworkElements e = ElementsAt(p, f);
            engine::DenseSystem dense;
            engine::StampNetwork(e, dense);
            sparse.clear();
            engine::StampNetwork(e, sparse);
            std::array<Complex, 262> xd{};
            std::array<Complex, 262> xs{};
            ASSERT_TRUE(dense.solve(xd));
            ASSERT_TRUE(sparse.solve(xs));
            EXPECT_EQ(firstDifference(xs, xd), -1) << named.name << " " << f;
        }
    }
}

TEST(SparseSystem, WholeRunsAgreeWithTheReference) {
    engine::SimulationOptions reference;
    reference.solver = engine::SolverKind::Reference;
    engine::SimulationOptions fast;
    fast.solver = engine::SolverKind::Fast;
    for (const enginetest::NamedInput& named : enginetest::VariedInputs()) {
        const engine::SimulationResult a = engine::Simulate(named.input, {}, reference);
        const engine::SimulationResult b = engine::Simulate(named.input, {}, fast);
        ASSERT_EQ(a.pointCount, b.pointCount) << named.name;
        for (int i = 0; i < a.pointCount; ++i) {
            EXPECT_EQ(a.rows.SPL[i], b.rows.SPL[i]) << named.name << " " << i;
            EXPECT_EQ(a.rows.Zel[i], b.rows.Zel[i]) << named.name << " " << i;
            EXPECT_EQ(a.rows.x1[i], b.rows.x1[i]) << named.name << " " << i;
            EXPECT_EQ(a.rows.x2[i], b.rows.x2[i]) << named.name << " " << i;
            EXPECT_EQ(a.rows.Phi_a[i], b.rows.Phi_a[i]) << named.name << " " << i;
            EXPECT_EQ(a.rows.Zreal[i], b.rows.Zreal[i]) << named.name << " " << i;
            EXPECT_EQ(a.rows.SPLmax[i], b.rows.SPLmax[i]) << named.name << " " << i;
        }
        EXPECT_EQ(a.dataTable, b.dataTable) << named.name;
        EXPECT_EQ(a.notices, b.notices) << named.name;
    }
}

// The start-up input with a three-branch trap in positions 7 to 9 and a shunt capacitor in
// position 10 whose reactance cancels it exactly at 10 Hz, the first point of the sweep:
// A[3][3] = Z7 + Z8 = 0 there while A[4][3] = −Z8 is not, so the elimination meets the zero
// pivot while it reduces row 4 (columns 3, 4 and 5). Every other point is an ordinary network.
engine::SimulationInput zeroPivotAtTenHertz() {
    const double f = 10;
    const double omega = 2 * ModelPi * f;
    for (double L7 = 0.010; L7 < 0.011; L7 += 0.0001) {
        engine::SimulationInput in = FormInput();
        in.ElementL[7] = L7; // reactances only: Z7 is purely imaginary
        in.ElementL[8] = 0.003;
        in.ElementL[9] = 0.05;
        in.ElementR[10] = 0;
        const double reactance = ElementsAt(Prepared(in), f).Z[7].imag();
        double invC = reactance * omega;
        for (int step = 0; step < 64; ++step) {
            in.ElementInvC[10] = invC;
            const NetworkElements e = ElementsAt(Prepared(in), f);
            if (e.Z[7] + e.Z[8] == Complex())
                return in;
            invC = std::nextafter(invC, e.Z[8].imag() + reactance > 0 ? 2 * invC : 0.0);
        }
    }
    ADD_FAILURE() << "no exactly cancelling capacitor found";
    return FormInput();
}

TEST(SparseSystem, FailedSolveLeavesNothingForTheNextPoint) {
    const engine::SimulationInput bad = zeroPivotAtTenHertz();
    const NetworkElements eb = ElementsAt(Prepared(bad), 10);
    ASSERT_EQ(eb.Z[7] + eb.Z[8], Complex());
    ASSERT_NE(eb.Z[8], Complex());
    engine::SparseSystem sparse;
    engine::StampNetwork(eb, sparse);
    std::array<Complex, 262> x{};
    ASSERT_FALSE(sparse.solve(x));
    engine::DenseSystem refused;
    engine::StampNetwork(eb, refused);
    ASSERT_FALSE(refused.solve(x));
    // The same system object at the next point of a sweep.
    for (const enginetest::NamedInput& named : enginetest::VariedInputs()) {
        const NetworkElements e = ElementsAt(Prepared(named.input), 440);
        engine::DenseSystem dense;
        engine::StampNetwork(e, dense);
        sparse.clear();
        engine::StampNetwork(e, sparse);
        std::array<Complex, 262> xd{};
        std::array<Complex, 262> xs{};
        ASSERT_TRUE(dense.solve(xd));
        ASSERT_TRUE(sparse.solve(xs));
        EXPECT_EQ(firstDifference(xs, xd), -1) << named.name;
    }
}

TEST(SparseSystem, RunWithOneUnsolvablePointAgreesWithTheReference) {
    const engine::SimulationInput in = zeroPivotAtTenHertz();
    engine::SimulationOptions reference;
    reference.solver = engine::SolverKind::Reference;
    engine::SimulationOptions fast;
    fast.solver = engine::SolverKind::Fast;
    const engine::SimulationResult a = engine::Simulate(in, {}, reference);
    const engine::SimulationResult b = engine::Simulate(in, {}, fast);
    ASSERT_EQ(a.notices.size(), 1u);
    EXPECT_NE(a.notices[0].text.find("at 1 frequency point"), std::string::npos)
        << a.notices[0].text;
    EXPECT_EQ(a.rows.SPL[0], 0.0);
    EXPECT_GT(a.rows.Zel[1], 0.0);
    EXPECT_EQ(b.notices, a.notices);
    EXPECT_EQ(b.dataTable, a.dataTable);
    for (int i = 0; i < a.pointCount; ++i) {
        EXPECT_EQ(b.rows.SPL[i], a.rows.SPL[i]) << i;
        EXPECT_EQ(b.rows.Zel[i], a.rows.Zel[i]) << i;
    }
}

TEST(Network, IgnoredCrossoverMatchesAnEmptyGrid) {
    // An empty grid leaves only open shunts (8·10⁹ Ω) and wires: the coils see Ue directly,
    // as with "Ignore Crossover", up to shunt currents of 10⁻⁹ of the coil current.
    const engine::SimulationResult empty = engine::Simulate(FormInput());
    const engine::SimulationResult ignored =
        engine::Simulate(FormInput([](model::FormState& s) { s.CBohneFW = true; }));
    ASSERT_EQ(empty.pointCount, ignored.pointCount);
    for (int i = 0; i < empty.pointCount; ++i) {
        EXPECT_NEAR(empty.rows.SPL[i], ignored.rows.SPL[i], 1e-6) << i;
        EXPECT_TRUE(RelativelyNear(empty.rows.Zel[i], ignored.rows.Zel[i], 1e-7)) << i;
        EXPECT_TRUE(RelativelyNear(empty.rows.x1[i], ignored.rows.x1[i], 1e-7)) << i;
    }
}

} // namespace
