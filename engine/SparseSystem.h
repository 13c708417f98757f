// The network system stored by rows of non-zero entries, solved by the same Gaussian
// elimination as the dense reference, restricted to the entries that can reach the solution.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "ComplexMath.h"
#include "NetworkElements.h"

namespace engine {

// Performs exactly the floating-point operations of DenseSystem::solve on every entry that
// can affect x, in the same order, so the solution is identical:
// - a row is reduced by the earlier rows at its non-zero columns left of the diagonal, in
//   increasing column order, fill-in included as it appears;
// - only the pivot row's columns right of its diagonal are applied (the dense solver also
//   updates columns that the elimination has already passed; those never reach x);
// - back substitution visits each row's columns in decreasing order.
class SparseSystem {
public:
    static constexpr int N = loop::Count;

    SparseSystem();

    // Empties every row; storage is kept for the next point.
    void clear();
    void set(int row, int column, Complex value) { *find(row, column) = value; }
    void add(int row, int column, Complex value) { *find(row, column) += value; }
    void setExcitation(int row, Complex value) { m_b[static_cast<size_t>(row)] = value; }
    // The entry as assembled (before solve); zero when not stamped.
    Complex at(int row, int column) const;

    // Returns false when a pivot is exactly zero.
    bool solve(std::array<Complex, N>& x);

private:
    using Entry = std::pair<int, Complex>;
    Complex* find(int row, int column);

    std::array<std::vector<Entry>, N> m_rows;   // assembled rows, any column order
    std::array<std::vector<Entry>, N> m_upper;  // reduced rows: columns ≥ diagonal, ascending
    std::array<Complex, N> m_b{};
    // Scratch of the row being reduced.
    std::array<Complex, N> m_work{};
    std::array<bool, N> m_present{};
    std::vector<int> m_columns;
    std::vector<int> m_pending; // min-heap of columns left of the diagonal still to visit
};

} // namespace engine
