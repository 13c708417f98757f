// The network system stored by rows of non-zero entries, solved by the same Gaussian
// elimination as the dense reference, restricted to the entries that can reach the solution.
#pragma once

#include <array>
#include <cstdint>
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
// All storage is allocated once; a point costs a few thousand complex operations.
class SparseSystem {
public:
    static constexpr int N = loop::Count;
    static constexpr int RowCapacity = 16; // entries a stamp writes into one row, at most

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
    struct Row {
        int count = 0;
        std::array<int, RowCapacity> columns{};
        std::array<Complex, RowCapacity> values{};
    };
    Complex* find(int row, int column);

    std::array<Row, N> m_rows;            // assembled rows, in stamp order
    std::array<Complex, N> m_b{};
    // Reduced rows, one after the other: row i holds its diagonal and the columns right of
    // it, ascending, at m_upperColumns/m_upperValues[m_upperStart[i] .. m_upperStart[i+1]).
    std::array<int, N + 1> m_upperStart{};
    std::vector<int> m_upperColumns;
    std::vector<Complex> m_upperValues;
    // Scratch of the row being reduced: its values and a bit per column holding a value.
    static constexpr int Words = (N + 63) / 64;
    std::array<Complex, N> m_work{};
    std::array<std::uint64_t, Words> m_present{};
};

} // namespace engine
