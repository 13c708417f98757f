// The network system as a dense 262 × 262 complex matrix, solved by Gaussian elimination
// without pivoting: the reference solver.
#pragma once

#include <array>
#include <vector>

#include "ComplexMath.h"
#include "NetworkElements.h"

namespace engine {

class DenseSystem {
public:
    static constexpr int N = loop::Count;

    DenseSystem();

    // Clears A and b to zero.
    void clear();
    void set(int row, int column, Complex value) { m_a[index(row, column)] = value; }
    void add(int row, int column, Complex value) { m_a[index(row, column)] += value; }
    void setExcitation(int row, Complex value) { m_b[static_cast<size_t>(row)] = value; }
    Complex at(int row, int column) const { return m_a[index(row, column)]; }
    Complex excitation(int row) const { return m_b[static_cast<size_t>(row)]; }

    // Forward elimination row by row (each row i reduced by rows 0..i−1 in order, entries
    // whose magnitude is exactly 0 skipped, the whole row updated), then back substitution.
    // Returns false when a pivot is exactly zero; x then holds no solution.
    bool solve(std::array<Complex, N>& x);

private:
    static size_t index(int row, int column) {
        return static_cast<size_t>(row) * N + static_cast<size_t>(column);
    }
    std::vector<Complex> m_a;
    std::vector<Complex> m_b;
};

} // namespace engine
