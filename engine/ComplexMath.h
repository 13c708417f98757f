// Complex division as the model defines it, used wherever two complex values are divided.
#pragma once

#include <complex>

namespace engine {

using Complex = std::complex<double>;

// (a+jb)/(c+jd) = ((ac+bd) + j(bc−ad)) / (c²+d²), without the scaling of std::complex.
inline Complex Divide(Complex x, Complex y) {
    double a = x.real(), b = x.imag(), c = y.real(), d = y.imag();
    double den = c * c + d * d;
    return {(a * c + b * d) / den, (b * c - a * d) / den};
}

// Magnitude as √(Re² + Im²), without the overflow protection of std::abs.
inline double Magnitude(Complex z) { return std::sqrt(z.real() * z.real() + z.imag() * z.imag()); }

} // namespace engine
