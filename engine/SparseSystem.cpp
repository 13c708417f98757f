// Row-sparse Gaussian elimination without pivoting, identical in its results to the dense one.
#include "SparseSystem.h"

#include <stdexcept>

namespace engine {

namespace {

// Lowest column ≥ from whose bit is set, or `limit` when there is none below it.
template <size_t Words>
int nextColumn(const std::array<std::uint64_t, Words>& bits, int from, int limit) {
    for (int w = from / 64; w < static_cast<int>(Words) && w * 64 < limit; ++w) {
        std::uint64_t word = bits[static_cast<size_t>(w)];
        if (w == from / 64)
            word &= ~std::uint64_t(0) << (from % 64);
        if (word != 0) {
            const int c = w * 64 + __builtin_ctzll(word);
            return c < limit ? c : limit;
        }
    }
    return limit;
}

// |z| == 0 exactly as √(Re² + Im²) == 0 decides it, without the root.
bool isZero(Complex z) { return z.real() * z.real() + z.imag() * z.imag() == 0; }

// a − m·v with the operations of the complex product (ac − bd, ad + bc).
Complex subtractProduct(Complex a, Complex m, Complex v) {
    const double re = m.real() * v.real() - m.imag() * v.imag();
    const double im = m.real() * v.imag() + m.imag() * v.real();
    return {a.real() - re, a.imag() - im};
}

} // namespace

SparseSystem::SparseSystem() {
    m_upperColumns.resize(static_cast<size_t>(N) * 8);
    m_upperValues.resize(static_cast<size_t>(N) * 8);
}

void SparseSystem::clear() {
    for (Row& row : m_rows)
        row.count = 0;
    m_b.fill(Complex());
}

Complex* SparseSystem::find(int row, int column) {
    Row& r = m_rows[static_cast<size_t>(row)];
    for (int k = 0; k < r.count; ++k) {
        if (r.columns[k] == column)
            return &r.values[k];
    }
    if (r.count == RowCapacity)
        throw std::logic_error("network row holds more entries than the stamps write");
    r.columns[r.count] = column;
    r.values[r.count] = Complex();
    return &r.values[r.count++];
}

Complex SparseSystem::at(int row, int column) const {
    const Row& r = m_rows[static_cast<size_t>(row)];
    for (int k = 0; k < r.count; ++k) {
        if (r.columns[k] == column)
            return r.values[k];
    }
    return {};
}

bool SparseSystem::solve(std::array<Complex, N>& x) {
    size_t used = 0;
    m_upperStart[0] = 0;
    for (int i = 0; i < N; ++i) {
        const Row& row = m_rows[static_cast<size_t>(i)];
        for (int k = 0; k < row.count; ++k) {
            const int c = row.columns[k];
            m_work[c] = row.values[k];
            m_present[static_cast<size_t>(c / 64)] |= std::uint64_t(1) << (c % 64);
        }
        // Columns left of the diagonal in increasing order, fill-in included: a pivot row
        // only adds columns right of its own diagonal, so the scan never misses one.
        for (int j = nextColumn(m_present, 0, i); j < i; j = nextColumn(m_present, j + 1, i)) {
            if (isZero(m_work[j]))
                continue;
            const size_t begin = static_cast<size_t>(m_upperStart[j]);
            const size_t end = static_cast<size_t>(m_upperStart[j + 1]);
            const Complex pivot = m_upperValues[begin]; // the diagonal comes first
            if (isZero(pivot)) {
                m_present.fill(0); // the next solve starts from an empty scratch row
                return false;
            }
            const Complex m = Divide(m_work[j], pivot);
            m_b[i] = subtractProduct(m_b[i], m, m_b[j]);
            for (size_t k = begin + 1; k < end; ++k) {
                const int c = m_upperColumns[k];
                std::uint64_t& word = m_present[static_cast<size_t>(c / 64)];
                const std::uint64_t bit = std::uint64_t(1) << (c % 64);
                if (!(word & bit)) {
                    word |= bit;
                    m_work[c] = Complex();
                }
                m_work[c] = subtractProduct(m_work[c], m, m_upperValues[k]);
            }
        }
        // Keep the diagonal and the columns right of it, in ascending order.
        if (used + N > m_upperColumns.size()) {
            m_upperColumns.resize(m_upperColumns.size() * 2);
            m_upperValues.resize(m_upperValues.size() * 2);
        }
        if (!(m_present[static_cast<size_t>(i / 64)] & (std::uint64_t(1) << (i % 64)))) {
            m_upperColumns[used] = i; // the diagonal was not stamped: it is zero
            m_upperValues[used++] = Complex();
        }
        for (int c = nextColumn(m_present, i, N); c < N; c = nextColumn(m_present, c + 1, N)) {
            m_upperColumns[used] = c;
            m_upperValues[used++] = m_work[c];
        }
        m_present.fill(0);
        m_upperStart[i + 1] = static_cast<int>(used);
    }
    for (int i = N - 1; i >= 0; --i) {
        const size_t begin = static_cast<size_t>(m_upperStart[i]);
        Complex s = m_b[i];
        for (size_t k = static_cast<size_t>(m_upperStart[i + 1]) - 1; k > begin; --k)
            s = subtractProduct(s, m_upperValues[k], x[m_upperColumns[k]]);
        if (isZero(m_upperValues[begin]))
            return false;
        x[i] = Divide(s, m_upperValues[begin]);
    }
    return true;
}

} // namespace engine
