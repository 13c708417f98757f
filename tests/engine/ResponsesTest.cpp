// Response quantities of a solved point: pressure sum, level, phase, impedances, excursions,
// power limits, and the line of the response table.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "DenseSystem.h"
#include "EngineTestInputs.h"
#include "ModelConstants.h"
#include "NetworkAssembly.h"
#include "Responses.h"
#include "Simulation.h"

namespace {

using engine::AirDensity;
using engine::AirStiffness;
using engine::Complex;
using engine::ModelPi;
using engine::SoundSpeed;
using enginetest::ElementsAt;
using enginetest::FormInput;
using enginetest::Prepared;
using enginetest::RelativelyNear;
using Solution = std::array<Complex, engine::loop::Count>;

Solution solve(const Prepared& p, double f) {
    engine::DenseSystem system;
    engine::StampNetwork(ElementsAt(p, f), system);
    Solution x{};
    EXPECT_TRUE(system.solve(x));
    return x;
}

// Responses of solution x at frequency f, written at index 0 of fresh rows.
engine::ResultRows respond(const Prepared& p, double f, const Solution& x,
                           const engine::ResultRows& before = {}) {
    engine::ResultRows rows = before;
    engine::ComputeResponses(p.input, p.drivers, p.enclosure, p.contour.ContourArea[99],
                             2 * ModelPi * f, x, 0, rows);
    return rows;
}

TEST(Responses, DoubledVoltage) {
    auto run = [](const char* Ue) {
        return engine::Simulate(FormInput([&](model::FormState& s) {
            s.EditUe = Ue;
            s.RGTreiber2 = 2;
            s.EditxT2 = "0.6";
            s.EditSd2 = "120";
            s.EditPmax = "1000";
            s.EditPmax2 = "1000";
        }));
    };
    const engine::SimulationResult a = run("2.83");
    const engine::SimulationResult b = run("5.66");
    ASSERT_EQ(a.pointCount, b.pointCount);
    const engine::ResultRows& r = a.rows;
    const engine::ResultRows& s = b.rows;
    for (int i = 0; i < a.pointCount; ++i) {
        // The system is linear in Ue: every volume velocity doubles (exactly, a power of 2),
        // so only the last rounding of each derived value may differ.
        EXPECT_NEAR(s.SPL[i] - r.SPL[i], 20 * std::log10(2.0), 1e-9) << i;
        EXPECT_NEAR(s.SPL[i] - r.SPL[i], 6.02, 0.005) << i;
        EXPECT_TRUE(RelativelyNear(s.Zel[i], r.Zel[i], 1e-14)) << i;
        EXPECT_NEAR(s.Zreal[i], r.Zreal[i], 1e-14 * std::hypot(r.Zreal[i], r.Zimag[i])) << i;
        EXPECT_NEAR(s.Zimag[i], r.Zimag[i], 1e-14 * std::hypot(r.Zreal[i], r.Zimag[i])) << i;
        EXPECT_NEAR(s.Phi_a[i], r.Phi_a[i], 1e-9) << i;
        EXPECT_TRUE(RelativelyNear(s.x1[i], 2 * r.x1[i], 1e-14)) << i;
        EXPECT_TRUE(RelativelyNear(s.x2[i], 2 * r.x2[i], 1e-14)) << i;
        // The power that drives the cone to Xmax does not depend on Ue, nor its level.
        EXPECT_TRUE(RelativelyNear(s.Pmax[i], r.Pmax[i], 1e-13)) << i;
        EXPECT_TRUE(RelativelyNear(s.Pmax2[i], r.Pmax2[i], 1e-13)) << i;
        EXPECT_NEAR(s.SPLmax[i], r.SPLmax[i], 1e-9) << i;
    }
}

TEST(Responses, DriverTwoWithoutKeepsItsPowerRow) {
    engine::ResultRows before;
    before.Pmax2.fill(7.0);
    before.x2.fill(3.0);
    const engine::SimulationInput in = FormInput();
    const engine::SimulationResult r = engine::Simulate(in, before);
    ASSERT_GT(r.pointCount, 2);
    const double Rdc = 8;
    const double Ue = 2.83;
    for (int i = 0; i < r.pointCount; ++i) {
        EXPECT_EQ(r.rows.x2[i], 0.0) << i;    // x[160] = 0: row 160 is an identity row
        EXPECT_EQ(r.rows.Pmax2[i], 7.0) << i; // not written
        // SPLmax is driver 1's alone.
        EXPECT_NEAR(r.rows.SPLmax[i],
                    10 * std::log10(r.rows.Pmax[i] * Rdc / (Ue * Ue)) + r.rows.SPL[i], 1e-12)
            << i;
    }
}

TEST(Responses, ThermalLimit) {
    // A rated power far below what the excursion allows: Pmax = Stk1·PR1 exactly.
    for (const char* count : {"1", "2"}) {
        const engine::SimulationResult r = engine::Simulate(FormInput([&](model::FormState& s) {
            s.EditPmax = "0.001";
            s.EditStk = count;
        }));
        const double stk = std::atoi(count);
        const double Rdc = 8 / stk; // the model's Rdc of Stk drivers in parallel
        for (int i = 0; i < r.pointCount; ++i) {
            EXPECT_EQ(r.rows.Pmax[i], stk * 0.001) << i;
            EXPECT_NEAR(r.rows.SPLmax[i],
                        r.rows.SPL[i] + 10 * std::log10(stk * 0.001 * Rdc / (2.83 * 2.83)), 1e-12)
                << i;
        }
    }
}

TEST(Responses, ExcursionLimitAtXmax) {
    // Ue 2.83 V, Rdc 8 Ω, one driver, PF 1: when |ξ1| = Xmax, P = 0.5·2.83²/8 = 0.50056 W
    // and SPLmax = SPL − 3.01 dB.
    const Prepared p(FormInput());
    const double f = 120;
    const double omega = 2 * ModelPi * f;
    Solution x = solve(p, f);
    const double Sd = 0.02;
    const double Xmax = 0.002;
    x[5] = Complex(0, omega * Sd) * std::polar(Xmax, 0.7); // ξ1 = Xmax·e^(j0.7)
    const engine::ResultRows rows = respond(p, f, x);
    EXPECT_NEAR(rows.x1[0], 2.0, 1e-12);
    EXPECT_NEAR(rows.Pmax[0], 0.5 * 2.83 * 2.83 / 8, 1e-12);
    EXPECT_NEAR(rows.Pmax[0], 0.5006, 5e-5);
    EXPECT_NEAR(rows.SPLmax[0] - rows.SPL[0], 10 * std::log10(0.5), 1e-10);
    EXPECT_NEAR(rows.SPLmax[0] - rows.SPL[0], -3.01, 0.005);
}

TEST(Responses, SmallerLevelOfTheTwoDriversWins) {
    const Prepared p(FormInput([](model::FormState& s) {
        s.RGTreiber2 = 2;
        s.EditxT2 = "0.6";
        s.EditXmax2 = "0.5";
        s.EditPmax = "1000";
        s.EditPmax2 = "1000";
    }));
    const double f = 80;
    const Solution x = solve(p, f);
    const engine::ResultRows rows = respond(p, f, x);
    const double Ue2 = 2.83 * 2.83;
    const double L1 = 10 * std::log10(rows.Pmax[0] * 8 / Ue2) + rows.SPL[0];
    const double L2 = 10 * std::log10(rows.Pmax2[0] * 8 / Ue2) + rows.SPL[0];
    EXPECT_NEAR(rows.SPLmax[0], std::min(L1, L2), 1e-12);
    // ξ2 = x[160]/(jω·Sd2), P2 from Xmax2 = 0.5 mm.
    const double xi2 = std::abs(x[160]) / (2 * ModelPi * f * 0.02);
    EXPECT_NEAR(rows.x2[0], xi2 * 1000, 1e-12 * rows.x2[0]);
    EXPECT_NEAR(rows.Pmax2[0], std::pow(0.0005 / xi2, 2) * Ue2 / 8 * 0.5, 1e-12 * rows.Pmax2[0]);
}

TEST(Responses, RearLoadedPressureIsTheNegative) {
    // One and the same solution, all path differences 0, every opening radiating (no rear
    // chamber 2, extra tunnel on): the rear-loaded sum is −p of the front-loaded one.
    const Prepared front(FormInput([](model::FormState& s) {
        s.RGTreiber2 = 1;
        s.EditxT2 = "0.5";
        s.CBET = true;
        s.EditxET = "0.9";
        s.EditAbr = "40";
        s.Editfbr = "40";
        s.CBPosi = 0; // weights below 1 as well
    }));
    Prepared rear = front;
    rear.input.hornType = 1;
    for (double f : {30.0, 150.0, 900.0}) {
        const Solution x = solve(front, f);
        const engine::ResultRows a = respond(front, f, x);
        const engine::ResultRows b = respond(rear, f, x);
        // Negating every term is exact in floating point: the same magnitude bit for bit.
        EXPECT_EQ(a.SPL[0], b.SPL[0]) << f;
        // Half a turn apart: atan2 gives exactly π, which the model's degrees (180/3.1415927)
        // show as 179.9999973.
        EXPECT_NEAR(std::fabs(a.Phi_a[0] - b.Phi_a[0]), 180 * std::numbers::pi / ModelPi, 1e-9)
            << f;
    }
}

TEST(Responses, ZeroPressure) {
    const Prepared p(FormInput());
    const double f = 200;
    Solution x = solve(p, f);
    for (int i : {155, 160, 260, 261})
        x[i] = Complex();
    const engine::ResultRows rows = respond(p, f, x);
    EXPECT_EQ(rows.Phi_a[0], 0.0);
    EXPECT_EQ(rows.SPL[0], engine::SilentLevel);
    EXPECT_TRUE(std::isfinite(rows.SPLmax[0]));
    EXPECT_TRUE(std::isfinite(rows.Zel[0]));
}

TEST(Responses, ImpedancesAndExcursionFromTheSolution) {
    const Prepared p(FormInput([](model::FormState& s) {
        s.CBPosi = 1; // PF 2
        s.EditVvk = "1";
        s.RGTreiber2 = 1;
    }));
    const double f = 250;
    const double omega = 2 * ModelPi * f;
    Solution x{};
    const Complex parts[8] = {{1e-3, 2e-4}, {-3e-4, 1e-4}, {5e-5, 0}, {0, -7e-5},
                              {0.2, -0.1},  {2e-3, 0},     {0, 4e-4}, {0.05, 0.02}};
    const int index[8] = {0, 1, 2, 3, 4, 157, 158, 159};
    Complex current;
    for (int k = 0; k < 8; ++k) {
        x[index[k]] = parts[k];
        current += parts[k];
    }
    x[5] = Complex(1e-4, 0);
    x[6] = Complex(0.5e-4, 0);
    x[160] = Complex(0, 3e-5);
    x[155] = Complex(1e-4, -1e-4);
    const engine::ResultRows rows = respond(p, f, x);
    // Zel = PF·Ue/|I| for the source current of both ladders.
    EXPECT_NEAR(rows.Zel[0], 2 * 2.83 / std::abs(current), 1e-12 * rows.Zel[0]);
    // Cone amplitude: |x[5]|/(ω·Sd) in mm, Sd of two mirror enclosures 0.04 m².
    EXPECT_NEAR(rows.x1[0], 1e-4 / (omega * 0.04) * 1000, 1e-15);
    EXPECT_NEAR(rows.x2[0], 3e-5 / (omega * 0.04) * 1000, 1e-15);
    // x[5] − x[6] = x[5]/2: Z = Sd·50κ/2 / (jωρc·VVK), purely negative imaginary.
    const double VVK = 0.002;
    const double expected = -0.04 * 25 * AirStiffness / (omega * AirDensity * SoundSpeed * VVK);
    EXPECT_NEAR(rows.Zimag[0], expected, 1e-12 * std::fabs(expected));
    EXPECT_NEAR(rows.Zreal[0], 0.0, 1e-12 * std::fabs(expected));
}

TEST(Responses, ClosedBoxFarBelowResonance) {
    // Mouth closed, horn 0.6 m: at 10 Hz every volume is a plain compliance, so the cone is
    // held by K = 1/Cms + Sd²κ/V_rear + Sd²κ/V_front and moves ξ = BxL·(Ue/Rdc)/K. The rear
    // chamber leaks through its port tuned to 1 Hz, which stiffens it by 1/(1 − (1/10)²).
    // Mass, motional impedance and the horn's length leave about 1 % (tolerance 2 %).
    const engine::SimulationInput in = FormInput([](model::FormState& s) {
        s.CBMundGeschl = true;
        s.Editl1 = "0.6";
        s.CheckListAuto[8] = false;
        s.MinMaxGrid[0][8] = "10";
        s.MinMaxGrid[1][8] = "100";
    });
    const engine::SimulationResult r = engine::Simulate(in);
    ASSERT_FALSE(r.refused);
    ASSERT_EQ(r.rows.f[0], 10.0);
    const double Sd = 0.02;
    const double omega = 2 * ModelPi * 10;
    double frontVolume = r.enclosure.VVK;
    for (int n = 0; n < 100; ++n)
        frontVolume += r.contour.ContourArea[n] * in.L * 0.01;
    const double K = 1 / r.drivers.driver1.Cms + Sd * Sd * AirStiffness / 0.02 / (1 - 0.01) +
                     Sd * Sd * AirStiffness / frontVolume;
    const double xi = r.drivers.driver1.BxL * (2.83 / 8) / K;
    EXPECT_TRUE(RelativelyNear(r.rows.x1[0], xi * 1000, 0.02)) << r.rows.x1[0] << " mm";
    // The coil sees little motional impedance: Zel ≈ Rdc.
    EXPECT_TRUE(RelativelyNear(r.rows.Zel[0], 8, 0.005)) << r.rows.Zel[0];
    // In front of the cone: the compliance of the front air, Sd·κ/(jω·ρc·V_front).
    const double Zfront = -Sd * AirStiffness / (omega * AirDensity * SoundSpeed * frontVolume);
    EXPECT_TRUE(RelativelyNear(r.rows.Zimag[0], Zfront, 0.02)) << r.rows.Zimag[0];
    EXPECT_NEAR(r.rows.Zreal[0], 0.0, 1e-6 * std::fabs(Zfront)); // no damping, no radiation
}

TEST(Responses, OpenHornIsAMassLoadFarBelowItsCutOff) {
    // The start-up parabolic horn, open: at 10 Hz the air in it is a mass ρ·∫dx/A(x) =
    // ρ·L·ln(AM/AT)/(AM − AT), plus the mouth's radiation mass 8ρa/(3π·A) of a small baffled
    // piston, so Z = Sd·ω·M/(ρc). The horn's compliance adds about (kL)²/3 = 1.6 %; no
    // radiation resistance below the Jinc cap (tolerance 3 %).
    const engine::SimulationResult r = engine::Simulate(FormInput());
    ASSERT_EQ(r.rows.f[0], 10.0);
    const double AT = 0.005, AM = 0.02, L = 1.2, Sd = 0.02;
    const double a = std::sqrt(AM / ModelPi);
    const double mass =
        AirDensity * L * std::log(AM / AT) / (AM - AT) + 8 * AirDensity * a / (3 * ModelPi * AM);
    const double omega = 2 * ModelPi * 10;
    EXPECT_TRUE(
        RelativelyNear(r.rows.Zimag[0], Sd * omega * mass / (AirDensity * SoundSpeed), 0.03))
        << r.rows.Zimag[0];
    EXPECT_NEAR(r.rows.Zreal[0], 0.0, 1e-6 * r.rows.Zimag[0]); // rounding only
}

TEST(DataTableLine, FieldsAndFormats) {
    engine::ResultRows rows;
    rows.f[3] = 21.4514;
    rows.SPL[3] = -3.456;
    rows.Zel[3] = 8.0006;
    rows.x1[3] = 0.0012345;
    rows.SPLmax[3] = 90.125; // exactly representable half: rounded away from zero
    rows.Pmax[3] = 100;
    rows.Zreal[3] = -0.0004; // no "-0.000"
    rows.Zimag[3] = -1.23456;
    rows.x2[3] = 0;
    rows.Pmax2[3] = 0.5006;
    rows.Phi_a[3] = -179.9996;
    EXPECT_EQ(engine::DataTableLine(rows, 3, true),
              "21.45\t-3.46\t8.001\t1.23E-03\t90.13\t100.000\t0.000\t-1.235\t0.00E+00\t0.501\t"
              "-180.000");
    // Without driver 2 its two fields are empty: three TABs in a row.
    EXPECT_EQ(engine::DataTableLine(rows, 3, false),
              "21.45\t-3.46\t8.001\t1.23E-03\t90.13\t100.000\t0.000\t-1.235\t\t\t-180.000");
}

} // namespace
