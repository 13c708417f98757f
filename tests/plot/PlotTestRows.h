// Result rows for the plot tests: cleared slots and simple synthetic runs.
#pragma once

#include <cmath>

#include "AxisScaling.h"
#include "ResultRows.h"

namespace plottest {

// A slot as ClearValues leaves it: point 0 at 0 Hz, the level, impedance, driver-1
// amplitude, maximum level and driver-1 power rows at -1e10, impedance parts and phase 0.
inline engine::ResultRows ClearedRows() {
    engine::ResultRows r;
    r.f[0] = 0;
    r.SPL.fill(-1e10);
    r.Zel.fill(-1e10);
    r.x1.fill(-1e10);
    r.SPLmax.fill(-1e10);
    r.Pmax.fill(-1e10);
    return r;
}

inline plot::SlotRows ClearedSlots() {
    plot::SlotRows slotRows;
    for (auto& s : slotRows)
        s = ClearedRows();
    return slotRows;
}

// A run of `points` points (169 at most) from 10 Hz up by the factor `step`, every row at a
// constant value: SPL 80 dB, Zel 8 Ω, x1 0.5 mm, x2 0.25 mm, SPLmax 90 dB, Pmax 20 W,
// Pmax2 10 W, Zreal 1, Zimag 0.5, phase 45°. Points beyond keep the cleared values.
inline engine::ResultRows FlatRun(int points = 169, double step = std::pow(2000.0, 1.0 / 168)) {
    engine::ResultRows r = ClearedRows();
    for (int i = 0; i < points; ++i) {
        r.f[i] = 10 * std::pow(step, i);
        r.SPL[i] = 80;
        r.Zel[i] = 8;
        r.x1[i] = 0.5;
        r.x2[i] = 0.25;
        r.SPLmax[i] = 90;
        r.Pmax[i] = 20;
        r.Pmax2[i] = 10;
        r.Zreal[i] = 1;
        r.Zimag[i] = 0.5;
        r.Phi_a[i] = 45;
    }
    return r;
}

} // namespace plottest
