// The model's own approximations of factorial, gamma, Bessel, jinc and Struve functions.
#include "SpecialFunctions.h"

#include <array>
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

namespace {

constexpr int SeriesTerms = 51;
constexpr int GammaTableSize = 64; // integer arguments 0..63 (0 unused)

// Factorial(0..50) and GammaFunction(1..63), computed once by the recursions themselves.
struct SeriesTables {
    std::array<long double, SeriesTerms> factorial{};
    std::array<double, GammaTableSize> gamma{};
    SeriesTables() {
        for (int i = 0; i < SeriesTerms; ++i)
            factorial[i] = Factorial(i);
        for (int k = 1; k < GammaTableSize; ++k)
            gamma[k] = GammaFunction(k);
    }
};

const SeriesTables& tables() {
    static const SeriesTables t;
    return t;
}

// (−1)^i as the power gives it.
long double alternatingSign(int i) { return i % 2 == 0 ? 1.0L : -1.0L; }

// base^exponent for an integer exponent ≥ 0 by repeated squaring, in extended precision: the
// power of the series terms.
long double integerPower(long double base, int exponent) {
    long double result = 1.0L;
    while (exponent > 0) {
        while (exponent % 2 == 0) {
            exponent /= 2;
            base = base * base;
        }
        --exponent;
        result = result * base;
    }
    return result;
}

// True when adding `term` and every later term of a series to `sum` cannot change it: the
// terms have passed their peak (each later one less than half the one before, `ratio` being
// the bound of that quotient) and |term| is below a quarter of the spacing of doubles at sum,
// so sum + term rounds back to sum. Skipping such terms leaves the result bit for bit the same.
bool restIsNegligible(double sum, double term, double ratio) {
    if (!(ratio < 0.5) || sum == 0 || !std::isfinite(sum))
        return false;
    const double spacing = std::nextafter(std::fabs(sum), 0.0) - std::fabs(sum);
    return std::fabs(term) < std::fabs(spacing) / 4;
}

} // namespace

double BesselJ(int n, double x, SeriesEvaluation evaluation) {
    if (x > 5.0 * (n + 1))
        return std::sqrt(2 / (ModelPi * x)) * std::cos(x - ModelPi / 4 - n * ModelPi / 2);
    if (x == 0)
        return n == 0 ? 1.0 : 0.0;
    double sum = 0;
    if (evaluation == SeriesEvaluation::Tabled && n >= 0 && n + SeriesTerms < GammaTableSize) {
        const SeriesTables& t = tables();
        const double halfSquared = (x / 2) * (x / 2);
        for (int i = 0; i < SeriesTerms; ++i) {
            long double term = integerPower(static_cast<long double>(x / 2), n + 2 * i) *
                               alternatingSign(i) / t.factorial[i] / t.gamma[n + i + 1];
            const double ratio = halfSquared / ((i + 1.0) * (n + i + 1.0));
            if (restIsNegligible(sum, static_cast<double>(term), ratio))
                break;
            sum += static_cast<double>(term);
        }
        return sum;
    }
    for (int i = 0; i < SeriesTerms; ++i) {
        long double term = integerPower(static_cast<long double>(x / 2), n + 2 * i) *
                           integerPower(-1.0L, i) / Factorial(i) / GammaFunction(n + i + 1);
        sum += static_cast<double>(term);
    }
    return sum;
}

double Jinc(double x, SeriesEvaluation evaluation) {
    if (x > 10)
        return std::sqrt(2 / (ModelPi * x)) * std::cos(x - ModelPi / 4 - ModelPi / 2) * 2 / x;
    double sum = 0;
    if (evaluation == SeriesEvaluation::Tabled) {
        const SeriesTables& t = tables();
        const double halfSquared = (x / 2) * (x / 2);
        for (int i = 0; i < SeriesTerms; ++i) {
            long double term = integerPower(static_cast<long double>(x / 2), 2 * i) *
                               alternatingSign(i) / t.factorial[i] / t.gamma[i + 2];
            if (restIsNegligible(sum, static_cast<double>(term), halfSquared / ((i + 1.0) * (i + 2.0))))
                break;
            sum += static_cast<double>(term);
        }
    } else {
        for (int i = 0; i < SeriesTerms; ++i) {
            long double term = integerPower(static_cast<long double>(x / 2), 2 * i) *
                               integerPower(-1.0L, i) / Factorial(i) / GammaFunction(i + 2);
            sum += static_cast<double>(term);
        }
    }
    return sum > 1 ? 1.0 : sum;
}

double StruveH1(double x, SeriesEvaluation evaluation) {
    return (2 / ModelPi) *
           (1 - BesselJ(0, x, evaluation) + (1.0 / 3.0) * 2 * BesselJ(2, x, evaluation));
}

} // namespace engine
