// What every simulation run must satisfy whatever its inputs; shared by the pipeline fuzzer
// and the engine stress test.
#pragma once

#include <array>
#include <cctype>
#include <cmath>
#include <string>
#include <string_view>

#include "Simulation.h"

namespace robust {

// True when `text` holds "nan" or "inf" in any letter case: a number that the table writer
// let through unformatted.
inline bool MentionsNonFinite(std::string_view text) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        std::string word;
        for (std::size_t k = 0; k < 3; ++k)
            word.push_back(
                static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + k]))));
        if (word == "nan" || word == "inf")
            return true;
    }
    return false;
}

inline std::size_t CountLines(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

// The first broken promise of a run, or "" when it kept them all:
// - a refused run says why in a notice and computes nothing;
// - otherwise every result row up to pointCount, the frequency range, the slot limit and the
//   101-point contour are finite numbers, the tables mention no NaN or infinity, the response
//   table has one line per point after its two header lines, and a run of fewer than two
//   points says so in a notice.
inline std::string RunViolation(const engine::SimulationResult& r, bool tablesBuilt = true) {
    if (r.refused) {
        if (r.notices.empty() || r.notices.front().text.empty())
            return "refused without a notice";
        if (r.pointCount != 0 || !r.dataTable.empty() || !r.contourTable.empty())
            return "refused, yet results or tables were produced";
        return "";
    }
    if (r.pointCount < 1 || r.pointCount > 169)
        return "pointCount " + std::to_string(r.pointCount) + " outside 1..169";
    if (r.pointCount < 2 && r.notices.empty())
        return "fewer than two points without a notice";
    const std::pair<const char*, const std::array<double, engine::MaxPoints>*> rows[] = {
        {"f", &r.rows.f},         {"SPL", &r.rows.SPL},     {"Zel", &r.rows.Zel},
        {"x1", &r.rows.x1},       {"x2", &r.rows.x2},       {"SPLmax", &r.rows.SPLmax},
        {"Pmax", &r.rows.Pmax},   {"Pmax2", &r.rows.Pmax2}, {"Zreal", &r.rows.Zreal},
        {"Zimag", &r.rows.Zimag}, {"Phi_a", &r.rows.Phi_a},
    };
    for (const auto& [name, row] : rows) {
        for (int i = 0; i < r.pointCount; ++i) {
            if (!std::isfinite((*row)[i]))
                return std::string("row ") + name + "[" + std::to_string(i) +
                       "] = " + std::to_string((*row)[i]);
        }
    }
    for (double v : {r.fmin, r.fmax, r.FmaxEff}) {
        if (!std::isfinite(v))
            return "frequency range or FmaxEff not finite";
    }
    for (int k = 0; k < 101; ++k) {
        if (!std::isfinite(r.contour.ContourX[k]) || !std::isfinite(r.contour.ContourArea[k]))
            return "contour point " + std::to_string(k) + " not finite";
    }
    if (!tablesBuilt)
        return "";
    if (MentionsNonFinite(r.contourTable))
        return "contour table mentions nan/inf";
    if (MentionsNonFinite(r.dataTable))
        return "data table mentions nan/inf";
    if (CountLines(r.dataTable) != static_cast<std::size_t>(r.pointCount) + 2)
        return "data table has " + std::to_string(CountLines(r.dataTable)) + " lines for " +
               std::to_string(r.pointCount) + " points";
    return "";
}

// A slot filled with `value` everywhere: what the run receives as the slot's previous rows.
inline engine::ResultRows FilledSlot(double value) {
    engine::ResultRows rows;
    for (auto* row : {&rows.f, &rows.SPL, &rows.Zel, &rows.x1, &rows.x2, &rows.SPLmax, &rows.Pmax,
                      &rows.Pmax2, &rows.Zreal, &rows.Zimag, &rows.Phi_a})
        row->fill(value);
    return rows;
}

// The part of the slot a run must not write, compared with what the slot held before: every
// row beyond pointCount (all of them after a refusal) and Pmax2 when driver 2 is absent.
inline std::string SlotViolation(const engine::SimulationResult& r,
                                 const engine::ResultRows& previous, bool driver2Present) {
    const engine::ResultRows& now = r.rows;
    const std::pair<const char*, const std::array<double, engine::MaxPoints> engine::ResultRows::*>
        rows[] = {
            {"f", &engine::ResultRows::f},         {"SPL", &engine::ResultRows::SPL},
            {"Zel", &engine::ResultRows::Zel},     {"x1", &engine::ResultRows::x1},
            {"x2", &engine::ResultRows::x2},       {"SPLmax", &engine::ResultRows::SPLmax},
            {"Pmax", &engine::ResultRows::Pmax},   {"Pmax2", &engine::ResultRows::Pmax2},
            {"Zreal", &engine::ResultRows::Zreal}, {"Zimag", &engine::ResultRows::Zimag},
            {"Phi_a", &engine::ResultRows::Phi_a},
        };
    for (const auto& [name, row] : rows) {
        const bool untouched = std::string(name) == "Pmax2" && !driver2Present;
        for (int i = untouched ? 0 : r.pointCount; i < engine::MaxPoints; ++i) {
            const double before = (previous.*row)[i];
            const double after = (now.*row)[i];
            if (!(after == before || (std::isnan(after) && std::isnan(before))))
                return std::string("row ") + name + "[" + std::to_string(i) +
                       "] was overwritten beyond the run";
        }
    }
    return "";
}

} // namespace robust
