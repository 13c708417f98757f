// Dense Gaussian elimination without pivoting: the reference solver of the network.
#include "DenseSystem.h"

#include <algorithm>

namespace engine {

DenseSystem::DenseSystem() : m_a(static_cast<size_t>(N) * N), m_b(N) {}

void DenseSystem::clear() {
    std::fill(m_a.begin(), m_a.end(), Complex());
    std::fill(m_b.begin(), m_b.end(), Complex());
}

bool DenseSystem::solve(std::array<Complex, N>& x) {
    for (int i = 1; i < N; ++i) {
        Complex* rowI = &m_a[index(i, 0)];
        for (int j = 0; j < i; ++j) {
            if (Magnitude(rowI[j]) == 0)
                continue;
            const Complex pivot = m_a[index(j, j)];
            if (Magnitude(pivot) == 0)
                return false;
            const Complex m = Divide(rowI[j], pivot);
            m_b[i] = m_b[i] - m * m_b[j];
            const Complex* rowJ = &m_a[index(j, 0)];
            for (int c = 0; c < N; ++c)
                rowI[c] = rowI[c] - m * rowJ[c];
        }
    }
    for (int i = N - 1; i >= 0; --i) {
        Complex s = m_b[i];
        const Complex* rowI = &m_a[index(i, 0)];
        for (int c = N - 1; c > i; --c)
            s = s - rowI[c] * x[c];
        if (Magnitude(rowI[i]) == 0)
            return false;
        x[i] = Divide(s, rowI[i]);
    }
    return true;
}

} // namespace engine
