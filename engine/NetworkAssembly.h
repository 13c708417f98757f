// The stamps of the 262-loop network: one loop equation per unknown, written into any system
// that offers set/add of matrix entries and set of the excitation.
#pragma once

#include "NetworkElements.h"

namespace engine {

// Writes every row of the system for one frequency point, in the fixed stamp order. The
// system must start empty (all entries zero); `System` provides
//   void set(int row, int column, Complex value);   // A[row][column] = value
//   void add(int row, int column, Complex value);   // A[row][column] += value
//   void setExcitation(int row, Complex value);     // b[row] = value
// Mesh analysis: each duct is a ladder whose neighbouring loops share the compliance of
// their joint; a branch at horn point m shares Zc_h[m] with horn loops 55+m and 56+m.
template <class System>
void StampNetwork(const NetworkElements& e, System& s) {
    using namespace loop;
    const auto& Z = e.Z;
    const auto& Zc = e.Zc_h;
    const auto& Zs = e.Zs_h;

    // Driver 1's crossover ladder and voice coil.
    s.setExcitation(0, Complex(e.Ue, 0));
    s.set(0, 0, Z[1] + Z[2]);
    for (int c = 1; c <= 4; ++c)
        s.set(0, c, Z[1]);
    s.set(1, 0, -Z[2]);
    s.set(1, 1, Z[3] + Z[4]);
    for (int c = 2; c <= 4; ++c)
        s.set(1, c, Z[3]);
    s.set(2, 1, -Z[4]);
    s.set(2, 2, Z[5] + Z[6]);
    s.set(2, 3, Z[5]);
    s.set(2, 4, Z[5]);
    s.set(3, 2, -Z[6]);
    s.set(3, 3, Z[7] + Z[8]);
    s.set(3, 4, Z[7]);
    s.set(4, 3, -Z[8]);
    s.set(4, 4, e.ZE1);
    s.set(4, 5, Complex(e.coupling1, 0));

    // Driver 1's cone: through the first joints of the front and rear chamber.
    s.set(5, 4, Complex(-e.coupling1, 0));
    s.set(5, 5, e.Zm1Acoustic + e.Zc_VK + e.Zc_RK);
    s.set(5, 6, -e.Zc_VK);
    s.set(5, RearChamberFirst, -e.Zc_RK);

    for (int r = 6; r <= 54; ++r) {
        s.set(r, r - 1, -e.Zc_VK);
        s.set(r, r, e.Zs_VK + 2.0 * e.Zc_VK);
        s.set(r, r + 1, -e.Zc_VK);
    }

    const bool closed = e.mouthClosed;
    // Cross terms of a branch loop p with the other present branches at its horn point.
    struct Branch {
        int loop;
        int point;
        double sense;
        bool present;
    };
    const Branch branches[4] = {
        {FrontChamberLast, e.iT1, +1.0, e.iT1 != 0},
        {Absorber, e.iAK, -1.0, e.absorberPresent},
        {Cone2, e.iT2, +1.0, e.driver2Present},
        {ExtraTunnel, e.iET, -1.0, e.extraTunnelPresent},
    };
    auto crossTerms = [&](int self) {
        const Branch& p = branches[self];
        for (int other = 0; other < 4; ++other) {
            const Branch& q = branches[other];
            if (other != self && q.present && q.point == p.point)
                s.set(p.loop, q.loop, p.sense * q.sense * Zc[p.point]);
        }
    };
    // Horn-side terms of a branch: its pressure share in the two horn loops at its point.
    auto hornSide = [&](const Branch& p) {
        const int m = p.point;
        s.add(55 + m, p.loop, p.sense * Zc[m]);
        if (!(closed && m == 99))
            s.add(56 + m, p.loop, -p.sense * Zc[m]);
    };

    if (e.iT1 == 0) {
        s.set(55, 54, -e.Zc_VK);
        s.set(55, 55, e.Zs_VK + e.Zc_VK + Zc[0]);
        s.set(55, 56, -Zc[0]);
        for (int r = 56; r <= 154; ++r) {
            const int n = r - 56;
            s.set(r, r - 1, -Zc[n]);
            s.set(r, r, Zs[n] + Zc[n] + Zc[n + 1]);
            s.set(r, r + 1, -Zc[n + 1]);
        }
    } else {
        const int m = e.iT1;
        s.set(55, 54, -e.Zc_VK);
        s.set(55, 55, e.Zs_VK + e.Zc_VK + Zc[m]);
        s.set(55, 55 + m, Zc[m]);
        s.set(55, 56 + m, -Zc[m]);
        crossTerms(0);
        // The throat end is closed: contour point 0 keeps its compliance only.
        s.set(56, 56, Zs[0] + Zc[0] + Zc[1]);
        s.set(56, 57, -Zc[1]);
        for (int r = 57; r <= 154; ++r) {
            const int n = r - 56;
            s.set(r, r - 1, -Zc[n]);
            s.set(r, r, Zs[n] + Zc[n] + Zc[n + 1]);
            s.set(r, r + 1, -Zc[n + 1]);
        }
        hornSide(branches[0]);
    }

    if (!closed) {
        s.set(Mouth, 154, -Zc[99]);
        s.set(Mouth, Mouth, e.Zr_M + Zs[99] + Zc[99]);
    } else {
        s.set(Mouth, Mouth, Complex(1, 0));
    }

    if (e.absorberPresent) {
        const int m = e.iAK;
        s.set(Absorber, Absorber, e.Zs_AT + e.Zc_AK + Zc[m]);
        s.set(Absorber, 55 + m, -Zc[m]);
        s.set(Absorber, 56 + m, Zc[m]);
        crossTerms(1);
        hornSide(branches[1]);
    } else {
        s.set(Absorber, Absorber, Complex(1, 0));
    }

    // Driver 2's crossover ladder and voice coil.
    s.setExcitation(Shunt10, Complex(e.Ue, 0));
    s.set(157, 157, Z[9] + Z[10]);
    s.set(157, 158, Z[9]);
    s.set(157, 159, Z[9]);
    s.set(158, 157, -Z[10]);
    s.set(158, 158, Z[11] + Z[12]);
    s.set(158, 159, Z[11]);
    s.set(159, 158, -Z[12]);
    s.set(159, 159, e.ZE2);
    s.set(159, 160, Complex(e.coupling2, 0));

    if (e.driver2Present) {
        const int m = e.iT2;
        s.set(Cone2, Coil2, Complex(-e.coupling2, 0));
        s.set(Cone2, Cone2, e.Zm2Acoustic + e.Zr_T2 + e.Zc_RK2 + Zc[m]);
        s.set(Cone2, 55 + m, Zc[m]);
        s.set(Cone2, 56 + m, -Zc[m]);
        crossTerms(2);
        hornSide(branches[2]);
    } else {
        s.set(Cone2, Cone2, Complex(1, 0));
    }

    // Rear chamber into the port.
    s.set(161, Cone1, -e.Zc_RK);
    s.set(161, 161, e.Zs_RK + 2.0 * e.Zc_RK);
    s.set(161, 162, -e.Zc_RK);
    for (int r = 162; r <= 209; ++r) {
        s.set(r, r - 1, -e.Zc_RK);
        s.set(r, r, e.Zs_RK + 2.0 * e.Zc_RK);
        s.set(r, r + 1, -e.Zc_RK);
    }
    s.set(210, 209, -e.Zc_RK);
    s.set(210, 210, e.Zs_RK + e.Zc_RK + e.Zc_BR);
    s.set(210, 211, -e.Zc_BR);
    for (int r = 211; r <= 259; ++r) {
        s.set(r, r - 1, -e.Zc_BR);
        s.set(r, r, e.Zs_BR + 2.0 * e.Zc_BR);
        s.set(r, r + 1, -e.Zc_BR);
    }
    s.set(PortOpening, 259, -e.Zc_BR);
    s.set(PortOpening, PortOpening, e.Zr_BR + e.Zs_BR + e.Zc_BR);

    if (e.extraTunnelPresent) {
        const int m = e.iET;
        s.set(ExtraTunnel, ExtraTunnel, e.Zr_ET + e.Zs_ET + Zc[m]);
        s.set(ExtraTunnel, 55 + m, -Zc[m]);
        s.set(ExtraTunnel, 56 + m, Zc[m]);
        crossTerms(3);
        hornSide(branches[3]);
    } else {
        s.set(ExtraTunnel, ExtraTunnel, Complex(1, 0));
    }
}

} // namespace engine
