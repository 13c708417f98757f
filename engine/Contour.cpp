// Horn contour of the seven profiles, horn volume and contour list lines.
#include "Contour.h"

#include <cmath>
#include <functional>

#include "ModelConstants.h"
#include "NumberFormat.h"

namespace engine {

float CoshPowerIntegral(float a, float b, int n, float u) {
    // I[r] for r = 0..n; I[0] is not needed by the recursion for the orders used.
    std::vector<float> I(static_cast<size_t>(std::max(n, 2)) + 1, 0.0f);
    I[1] = (std::sinh(u * b) - std::sinh(u * a)) / u;
    I[2] = (std::cosh(u * b) * std::sinh(u * b) / (2 * u) + b / 2) -
           (std::cosh(u * a) * std::sinh(u * a) / (2 * u) + a / 2);
    for (int r = 3; r <= n; ++r) {
        float fr = static_cast<float>(r);
        I[r] = std::sinh(u * b) * std::pow(std::cosh(u * b), static_cast<float>(r - 1)) / (u * fr) -
               std::pow(std::cosh(u * a), static_cast<float>(r - 1)) * std::sinh(u * a) / (u * fr) +
               (static_cast<float>(r - 1) / fr) * I[r - 2];
    }
    return I[n];
}

double TractrixDistance(double R, double y) {
    if (R > y) {
        double root = std::sqrt(R * R - y * y);
        return R * std::log((R + root) / y) - root;
    }
    return 0;
}

double TractrixParameter(double L, double rT, double rM) {
    double g = L / std::log(rM / rT);
    double lo = rM;
    double hi = std::sqrt(std::pow(rT * L / (rM - rT) + L, 2) + rM * rM);
    for (int step = 0; step < 51; ++step) {
        double d = TractrixDistance(g, rT) - TractrixDistance(g, rM);
        if (d > L) {
            hi = g;
            g = (lo + g) / 2;
        } else {
            lo = g;
            g = (g + hi) / 2;
        }
    }
    return g;
}

double TractrixRadiusWithParameter(double R, double rT, double x) {
    double y = (rT + R) / 2;
    double lo = rT;
    double hi = R;
    double throatDistance = TractrixDistance(R, rT);
    for (int step = 0; step < 51; ++step) {
        if (throatDistance - TractrixDistance(R, y) > x) {
            hi = y;
            y = (lo + y) / 2;
        } else {
            lo = y;
            y = (y + hi) / 2;
        }
    }
    return y;
}

double TractrixRadius(double L, double rT, double rM, double x) {
    return TractrixRadiusWithParameter(TractrixParameter(L, rT, rM), rT, x);
}

Contour BuildContour(const SimulationInput& in) {
    Contour c;
    const double L = in.L;
    const double AT = in.AT;
    const double AM = in.AM;
    const double PF = in.PositionFactor;
    const int profile = in.profile < 0 ? 0 : in.profile;
    const double dx = L * 0.01;
    for (int k = 0; k <= 100; ++k)
        c.ContourX[k] = k * dx;

    // Area of the modelled system at x for the analytic profiles.
    std::function<double(double)> area;
    double T = 0;
    double q = 0;
    switch (profile) {
    default:
    case 0:
        area = [&](double x) { return AT + (AM - AT) * x / L; };
        c.VHorn = (AT + (AM - AT) * 0.5) * L;
        break;
    case 1: {
        area = [&](double x) {
            double r = std::sqrt(AT) + (std::sqrt(AM) - std::sqrt(AT)) * x / L;
            return r * r;
        };
        double s = (std::sqrt(AM) - std::sqrt(AT)) / L;
        c.VHorn = (L / 3) * (3 * AT + 3 * std::sqrt(AT) * s * L + s * s * L * L);
        break;
    }
    case 2: {
        double m = std::log(AM / AT);
        area = [=](double x) { return AT * std::exp(m * x / L); };
        c.VHorn = m == 0 ? AT * L : AT * L * (std::exp(m) - 1) / m;
        break;
    }
    case 3:
    case 4: {
        int n = profile == 3 ? 2 : 16;
        double ratio = profile == 3 ? std::sqrt(AM / AT) : std::pow(AM / AT, 1.0 / 16);
        T = ratio <= 1 ? 0 : std::acosh(ratio);
        area = [=](double x) { return AT * std::pow(std::cosh(T * x / L), n); };
        c.VHorn = AT * static_cast<double>(CoshPowerIntegral(
                           0.0f, static_cast<float>(L), n, static_cast<float>(T / L)));
        break;
    }
    case 5:
        if (AT != AM) {
            q = 1 - AT / AM;
            area = [=](double x) { return AT / (1 - q * x / L); };
            c.VHorn = -AT * (L / q) * std::log(1 - q);
        } else {
            area = [=](double) { return AT; };
            c.VHorn = AT * L;
        }
        break;
    case 6:
        break;
    }

    if (profile == 6) {
        const double rT = std::sqrt(AT / PF / ModelPi);
        const double rM = std::sqrt(AM / PF / ModelPi);
        c.rTraktrix = TractrixParameter(L, rT, rM);
        const double R = c.rTraktrix;
        c.VHorn = 0;
        for (int k = 0; k <= 100; ++k) {
            double r = TractrixRadiusWithParameter(R, rT, c.ContourX[k]);
            c.ContourArea[k] = ModelPi * r * r * PF;
            if (k >= 1)
                c.VHorn += (c.ContourArea[k] + c.ContourArea[k - 1]) / 2 *
                           (c.ContourX[k] - c.ContourX[k - 1]);
        }
        if (c.rTraktrix < rM) {
            c.mouthUnreachable = true;
            c.correctedEditH = FormatPicture(c.ContourArea[100] * 10000 / PF / in.mouthWidthCm, "0.##");
        }
        // The list shows one real horn directly.
        area = [=](double x) {
            double r = TractrixRadiusWithParameter(R, rT, x);
            return ModelPi * r * r;
        };
    } else {
        for (int k = 0; k <= 100; ++k)
            c.ContourArea[k] = area(c.ContourX[k]);
    }

    const int NK = in.ContourPoints - 1;
    c.listLines.reserve(static_cast<size_t>(NK) + 1);
    for (int i = 0; i <= NK; ++i) {
        double x = i * L / NK;
        double A = profile == 6 ? area(x) : area(x) / PF;
        std::string line = FormatPicture(x, "0.000");
        line += '\t';
        line += FormatPicture(A * 10000, "0.00");
        line += '\t';
        line += FormatPicture(A * 10000 / in.mouthWidthCm, "0.0");
        line += '\t';
        line += FormatPicture(std::sqrt(A / ModelPi) * 100, "0.0");
        c.listLines.push_back(std::move(line));
    }
    return c;
}

} // namespace engine
