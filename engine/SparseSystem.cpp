// Row-sparse Gaussian elimination without pivoting, identical in its results to the dense one.
#include "SparseSystem.h"

#include <algorithm>
#include <functional>

namespace engine {

SparseSystem::SparseSystem() {
    for (auto& row : m_rows)
        row.reserve(8);
    for (auto& row : m_upper)
        row.reserve(16);
    m_columns.reserve(N);
    m_pending.reserve(N);
}

void SparseSystem::clear() {
    for (auto& row : m_rows)
        row.clear();
    m_b.fill(Complex());
}

Complex* SparseSystem::find(int row, int column) {
    auto& entries = m_rows[static_cast<size_t>(row)];
    for (Entry& e : entries) {
        if (e.first == column)
            return &e.second;
    }
    entries.emplace_back(column, Complex());
    return &entries.back().second;
}

Complex SparseSystem::at(int row, int column) const {
    for (const Entry& e : m_rows[static_cast<size_t>(row)]) {
        if (e.first == column)
            return e.second;
    }
    return {};
}

bool SparseSystem::solve(std::array<Complex, N>& x) {
    const auto later = std::greater<int>();
    for (int i = 0; i < N; ++i) {
        m_columns.clear();
        m_pending.clear();
        for (const Entry& e : m_rows[static_cast<size_t>(i)]) {
            m_work[e.first] = e.second;
            m_present[e.first] = true;
            m_columns.push_back(e.first);
            if (e.first < i)
                m_pending.push_back(e.first);
        }
        std::make_heap(m_pending.begin(), m_pending.end(), later);
        while (!m_pending.empty()) {
            std::pop_heap(m_pending.begin(), m_pending.end(), later);
            const int j = m_pending.back();
            m_pending.pop_back();
            if (Magnitude(m_work[j]) == 0)
                continue;
            const auto& pivotRow = m_upper[static_cast<size_t>(j)];
            const Complex pivot = pivotRow.front().second; // the diagonal comes first
            if (Magnitude(pivot) == 0)
                return false;
            const Complex m = Divide(m_work[j], pivot);
            m_b[i] = m_b[i] - m * m_b[j];
            for (size_t k = 1; k < pivotRow.size(); ++k) {
                const int c = pivotRow[k].first;
                if (!m_present[c]) {
                    m_present[c] = true;
                    m_work[c] = Complex();
                    m_columns.push_back(c);
                    if (c < i) {
                        m_pending.push_back(c);
                        std::push_heap(m_pending.begin(), m_pending.end(), later);
                    }
                }
                m_work[c] = m_work[c] - m * pivotRow[k].second;
            }
        }
        // Keep the diagonal and the columns right of it, in ascending order.
        std::sort(m_columns.begin(), m_columns.end());
        auto& upper = m_upper[static_cast<size_t>(i)];
        upper.clear();
        if (!std::binary_search(m_columns.begin(), m_columns.end(), i))
            upper.emplace_back(i, Complex()); // the diagonal was not stamped: it is zero
        for (int c : m_columns) {
            if (c >= i)
                upper.emplace_back(c, m_work[c]);
            m_present[c] = false;
        }
    }
    for (int i = N - 1; i >= 0; --i) {
        const auto& upper = m_upper[static_cast<size_t>(i)];
        Complex s = m_b[i];
        for (size_t k = upper.size() - 1; k >= 1; --k)
            s = s - upper[k].second * x[upper[k].first];
        if (Magnitude(upper.front().second) == 0)
            return false;
        x[i] = Divide(s, upper.front().second);
    }
    return true;
}

} // namespace engine
