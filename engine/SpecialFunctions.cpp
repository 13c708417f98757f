// The model's own approximations of factorial, gamma, Bessel, jinc and Struve functions.
#include "SpecialFunctions.h"

#include <cmath>

#include "ModelConstants.h"

namespace engine {

long double Factorial(int m) {
    if (m <= 1)
        return 1.0L;
    return static_cast<long double>(m) * Factorial(m - 1);
}

double GammaFunction(double x) {
    if (x > 3)
        return (x - 1) * GammaFunction(x - 1);
    long double g = Factorial(100) * std::pow(100.0L, static_cast<long double>(x - 1));
    for (int i = 0; i < 100; ++i)
        g = g / (x + i);
    return static_cast<double>(g);
}

double BesselJ(int n, double x) {
    if (x > 5.0 * (n + 1))
        return std::sqrt(2 / (ModelPi * x)) * std::cos(x - ModelPi / 4 - n * ModelPi / 2);
    if (x == 0)
        return n == 0 ? 1.0 : 0.0;
    double sum = 0;
    for (int i = 0; i <= 50; ++i) {
        long double term = std::pow(static_cast<long double>(x / 2), n + 2 * i) *
                           std::pow(-1.0L, i) / Factorial(i) / GammaFunction(n + i + 1);
        sum += static_cast<double>(term);
    }
    return sum;
}

double Jinc(double x) {
    if (x > 10)
        return std::sqrt(2 / (ModelPi * x)) * std::cos(x - ModelPi / 4 - ModelPi / 2) * 2 / x;
    double sum = 0;
    for (int i = 0; i <= 50; ++i) {
        long double term = std::pow(static_cast<long double>(x / 2), 2 * i) * std::pow(-1.0L, i) /
                           Factorial(i) / GammaFunction(i + 2);
        sum += static_cast<double>(term);
    }
    return sum > 1 ? 1.0 : sum;
}

double StruveH1(double x) {
    return (2 / ModelPi) * (1 - BesselJ(0, x) + (1.0 / 3.0) * 2 * BesselJ(2, x));
}

} // namespace engine
