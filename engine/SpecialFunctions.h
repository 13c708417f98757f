// The model's own approximations of factorial, gamma, Bessel, jinc and Struve functions.
//
// These are not exact library functions: their fixed term counts and switch-over points are
// part of the simulation results and must not be "improved".
#pragma once

namespace engine {

// How the series of BesselJ and Jinc obtain their factorials and gamma values: by the
// recursions on every term, or from tables filled once by those same recursions (identical
// values, a fraction of the cost).
enum class SeriesEvaluation { Recursive, Tabled };

// m! for m ≥ 0 by the recursion m·(m−1)!, 1 for m ≤ 1, in extended precision.
// The largest argument used is 100 (≈ 9.33·10^157).
long double Factorial(int m);

// Euler's product limit cut at 100 factors: for x > 3 reduced by Γ(x) = (x−1)·Γ(x−1); for
// 0 < x ≤ 3, g = 100!·100^(x−1) divided by (x+i) for i = 0..99 in that order.
// Gives Γ(1) = 1, Γ(2) = 100/101, Γ(3) ≈ 1.941371 (not the exact gamma function).
double GammaFunction(double x);

// Bessel function of the first kind of order n ≥ 0 for x ≥ 0: the asymptotic form
// √(2/(πx))·cos(x − π/4 − nπ/2) for x > 5(n+1); 1 or 0 at x = 0; otherwise the power series
// Σ_{i=0..50} (x/2)^(n+2i)·(−1)^i / i! / Γ(n+i+1) with the approximate Γ above; each term in
// extended precision, the powers by repeated squaring, added to a double sum.
double BesselJ(int n, double x, SeriesEvaluation evaluation = SeriesEvaluation::Tabled);

// 2·J1(x)/x for x ≥ 0: asymptotic form for x > 10, otherwise the 51-term series
// Σ (x/2)^(2i)·(−1)^i / i! / Γ(i+2), capped at 1 (the series starts at 1.01 because of Γ).
double Jinc(double x, SeriesEvaluation evaluation = SeriesEvaluation::Tabled);

// Struve function H1 by the first two Neumann terms: (2/π)·(1 − J0(x) + (2/3)·J2(x)).
double StruveH1(double x, SeriesEvaluation evaluation = SeriesEvaluation::Tabled);

} // namespace engine
