// Horn contour: cross-section areas of the seven profiles on the 101-point grid, the horn
// volume and the lines of the contour list.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "SimulationInput.h"

namespace engine {

struct Contour {
    std::array<double, 101> ContourX{};    // k·L/100 [m], throat at 0
    std::array<double, 101> ContourArea{}; // modelled (mirror-scaled) area [m²]
    double VHorn = 0;                      // modelled horn volume [m³]
    double rTraktrix = 0;                  // tractrix parameter [m] (profile 6 only)
    bool mouthUnreachable = false;         // tractrix shorter than the mouth needs
    std::string correctedEditH;            // the height the tractrix reaches, "0.##" [cm]
    std::vector<std::string> listLines;    // the NK+1 data lines of contour.txt, without CR LF
};

// ∫_a^b cosh^n(u·x) dx by the reduction formula, evaluated in single precision.
float CoshPowerIntegral(float a, float b, int n, float u);

// Axial distance along a tractrix of parameter R from radius y to radius R; 0 unless R > y.
double TractrixDistance(double R, double y);
// Tractrix parameter R whose length from rT to rM is L (51 bisection steps).
double TractrixParameter(double L, double rT, double rM);
// Radius at axial position x of the tractrix through rT of length L to rM.
double TractrixRadius(double L, double rT, double rM, double x);
// The same with the parameter R computed once (identical results, much faster).
double TractrixRadiusWithParameter(double R, double rT, double x);

// Profile index 0..6 (−1 counts as 0): contour grid, volume and contour list lines.
Contour BuildContour(const SimulationInput& input);

} // namespace engine
