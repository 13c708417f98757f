// Geometry of the principle sketch: extents and scale, horn walls, driver 1 in its two
// arrangements, and the branches on the horn wall.
#include "SketchGeometry.h"

#include <algorithm>
#include <cmath>

namespace plot {

namespace {

// Larger values would only be clipped anyway; the limit keeps every conversion to int defined.
constexpr double coordinateLimit = 1e6;

// Truncation toward zero, with NaN as 0 and the range held to ±coordinateLimit.
int Trunc(double v) {
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(v, -coordinateLimit, coordinateLimit));
}

int Floor(double v) {
    return Trunc(std::floor(v));
}
int Ceil(double v) {
    return Trunc(std::ceil(v));
}
int Clamp(int k) {
    return std::clamp(k, 0, 100);
}

// The pen and its position, as a canvas keeps them between calls.
class Canvas {
public:
    explicit Canvas(SketchPrimitives& out) : m_out(out) {}
    void pen(SketchColour colour, int width) {
        m_colour = colour;
        m_width = width;
    }
    void penWidth(int width) { m_width = width; }
    void moveTo(int x, int y) { m_out.moveTo(x, y); }
    void lineTo(int x, int y) { m_out.lineTo(x, y, m_colour, m_width); }
    SketchPrimitives& primitives() { return m_out; }
    SketchColour colour() const { return m_colour; }
    int width() const { return m_width; }

private:
    SketchPrimitives& m_out;
    SketchColour m_colour = SketchColour::Black;
    int m_width = 1;
};

class Sketcher {
public:
    Sketcher(const SketchInput& in, SketchDrawing& d, int width, int height)
        : m_in(in), m_d(d), m_canvas(d.primitives), m_W(width), m_H(height), m_dx(in.L / 100) {}

    void run();

private:
    double half(double area) const { return HalfSide(area, m_in.PositionFactor); }
    double w(int k) const { return half(m_in.ContourArea[static_cast<size_t>(Clamp(k))]); }
    int px(double x) const { return Trunc((x + m_d.SketchLeft) * m_d.SketchScale); }
    int py(double r, int s) const { return Trunc((m_d.SketchMid - s * r) * m_d.SketchScale); }
    bool rearLoaded() const { return m_in.CBTyp != 0; }

    void element(double h, double x) {
        m_d.SketchLeft = std::max(m_d.SketchLeft, h - x);
        m_d.SketchRight = std::max(m_d.SketchRight, h + x - m_in.L);
    }
    void height(double v) { m_d.SketchMid = std::max(m_d.SketchMid, v); }

    void chamberSections();
    void extents();
    void scale();
    void upperWall();
    void lowerWall();
    void roomForLeftArrow(double coneX);
    void driverAtThroat();
    void driverInSideWall();
    void wallOpening(int j1, int j2, int s);
    void absorberChamber();
    void extraTunnel();
    void driver2();
    void rearChamber2();

    const SketchInput& m_in;
    SketchDrawing& m_d;
    Canvas m_canvas;
    int m_W, m_H;
    double m_dx;
};

void Sketcher::run() {
    chamberSections();
    m_d.primitives.width = m_W;
    m_d.primitives.height = m_H;
    extents();
    if (m_in.xT1 == 0)
        driverAtThroat();
    else
        driverInSideWall();
    if (m_in.CBAK)
        absorberChamber();
    if (m_in.CBET)
        extraTunnel();
    if (m_in.RGTreiber2 > 0)
        driver2();
    if (m_in.CBRK2 && m_in.RGTreiber2 != 0)
        rearChamber2();
}

void Sketcher::chamberSections() {
    if (m_in.LVK == 0) {
        m_d.VKArea = m_in.Sd;
    } else {
        m_d.VKArea = m_in.VVK / m_in.LVK;
        if (m_in.EditLvk == 0)
            m_d.notices.push_back({"Notice", "LFC is 0!"});
    }
    if (m_in.LRK == 0) {
        m_d.RKArea = m_d.VKArea;
        if (m_in.CBTyp == 0)
            m_d.notices.push_back({"Notice", "LRC is 0!"});
    } else {
        m_d.RKArea = m_in.VRK / m_in.LRK;
    }
    m_d.RK2Face = m_in.RK2Face;
    m_d.RK2Depth = m_in.RK2Depth;
    if (m_in.CBRK2 && m_in.RGTreiber2 != 0) {
        const double PF = m_in.PositionFactor;
        m_d.RK2Face = std::max(m_in.Sd2, std::pow(std::sqrt(PF) * m_in.VRK2, 2.0 / 3.0));
        m_d.RK2Depth = std::sqrt(m_d.RK2Face / PF);
    }
}

// Every branch element counts, switched on or not: switched-off ones carry tiny substitutes.
void Sketcher::extents() {
    m_d.SketchLeft = 0;
    m_d.SketchRight = 0;
    m_d.SketchMid = 0.1;
    element(half(m_in.AAT), m_in.xAK);
    element(half(m_in.AKFace), m_in.xAK);
    element(half(m_in.AET), m_in.xET);
    if (m_in.RGTreiber2 != 0)
        element(half(m_in.Sd2), m_in.xT2);
    element(half(m_d.RK2Face), m_in.xT2);
    height(half(m_in.AT));
    height(w(m_in.iAK) + m_in.LAT + m_in.AKDepth);
    height(w(m_in.iET) + m_in.LET);
    height(w(m_in.iT2) + m_d.RK2Depth);
    height(half(m_in.AM));
}

// One scale for both directions, fitted to the narrower limit; the axis then sits at the
// vertical centre unless the height is the limit.
void Sketcher::scale() {
    const double extent = m_d.SketchLeft + m_in.L + m_d.SketchRight;
    m_d.SketchScale = (m_W - 1) / extent;
    const double h2 = (m_H - 1) / 2; // integer division, toward zero
    m_d.SketchScale = std::min(m_d.SketchScale, h2 / m_d.SketchMid);
    if (extent > m_d.SketchMid)
        m_d.SketchMid = h2 / m_d.SketchScale;
}

// The arrow of a rear-loaded horn's driver at the throat points left from the cone, 8 pixels
// long with a 3-pixel pen. A quarter of the cone's half side in front of it is less than that
// in a small window, and the arrow, the only sign of the horn type, would leave the image. So
// the cone at coneX keeps at least arrowRoom pixels to the left edge: with D metres between
// them, either limit of the scale, (W − 1)/(E + D) or h₂/SketchMid, gives D·scale ≥ arrowRoom
// (E is the extent without D).
void Sketcher::roomForLeftArrow(double coneX) {
    constexpr double arrowRoom = 10;
    const double D = m_d.SketchLeft + coneX;
    const double E = -coneX + m_in.L + m_d.SketchRight;
    double needed = 0;
    if (m_W - 1 > arrowRoom)
        needed = arrowRoom * E / (m_W - 1 - arrowRoom);
    const double h2 = (m_H - 1) / 2;
    if (h2 > 0)
        needed = std::max(needed, arrowRoom * m_d.SketchMid / h2);
    if (needed > D)
        m_d.SketchLeft += needed - D;
}

// Upper wall from the current pen position, then the closed mouth.
void Sketcher::upperWall() {
    for (int k = 0; k <= 100; ++k)
        m_canvas.lineTo(px(k * m_dx), py(w(k), +1));
    if (m_in.CBMundGeschl)
        m_canvas.lineTo(px(m_in.L), py(half(m_in.AM), -1));
}

void Sketcher::lowerWall() {
    for (int k = 0; k <= 100; ++k)
        m_canvas.lineTo(px(k * m_dx), py(w(k), -1));
}

// Driver 1 on the axis in front of the throat: port, rear chamber, cone, front chamber from
// the left.
void Sketcher::driverAtThroat() {
    const double hP = half(m_in.ABR), hR = half(m_d.RKArea), hF = half(m_d.VKArea);
    const double hS = half(m_in.Sd), hT = half(m_in.AT);
    const double x1 = -m_in.LVK, x2 = x1 - m_in.LRK, x3 = x2 - m_in.LBR;

    double left = m_in.LBR + m_in.LRK + m_in.LVK;
    if (rearLoaded())
        left += std::sqrt(m_in.Sd / (64.0 * m_in.PositionFactor)); // room for the arrow
    m_d.SketchLeft = std::max(m_d.SketchLeft, left);
    height(hP);
    height(hR);
    height(hF);
    if (rearLoaded())
        roomForLeftArrow(x1);
    scale();

    m_canvas.pen(SketchColour::Black, 1);
    m_canvas.moveTo(px(x3), py(hP, +1));
    m_canvas.lineTo(px(x2), py(hP, +1));
    m_canvas.lineTo(px(x2), py(hR, +1));
    m_canvas.lineTo(px(x1), py(hR, +1));
    m_canvas.lineTo(px(x1), py(hR, -1)); // partition over the full rear chamber height

    const double S = m_d.SketchScale, mid = m_d.SketchMid;
    m_canvas.penWidth(5);
    m_canvas.moveTo(px(x1), Trunc((mid - hS) * S + 2));
    m_canvas.lineTo(px(x1), Trunc((mid + hS) * S - 2));

    m_canvas.penWidth(3);
    const int d = rearLoaded() ? -1 : 1;
    DrawArrow(m_d.primitives, px(x1), Trunc(mid * S), Trunc((m_d.SketchLeft + x1) * S + 8 * d),
              Trunc(mid * S), m_canvas.colour(), m_canvas.width());

    m_canvas.penWidth(1);
    m_canvas.moveTo(px(x1), py(hR, +1));
    m_canvas.lineTo(px(x1), py(hF, +1));
    m_canvas.lineTo(px(0), py(hF, +1));
    m_canvas.lineTo(px(0), py(hT, +1));
    upperWall();

    m_canvas.moveTo(px(x3), py(hP, -1));
    m_canvas.lineTo(px(x2), py(hP, -1));
    m_canvas.lineTo(px(x2), py(hR, -1));
    m_canvas.lineTo(px(x1), py(hR, -1));
    m_canvas.moveTo(px(x1), py(hR, -1));
    m_canvas.lineTo(px(x1), py(hF, -1));
    m_canvas.lineTo(px(0), py(hF, -1));
    m_canvas.lineTo(px(0), py(hT, -1));
    lowerWall();
}

// Driver 1 below the lower wall at xT1: the front chamber opens into the wall, the cone at
// its bottom, the rear chamber and the port hanging below.
void Sketcher::driverInSideWall() {
    const double hP = half(m_in.ABR), hR = half(m_d.RKArea), hF = half(m_d.VKArea);
    const double hS = half(m_in.Sd), hT = half(m_in.AT);
    const double xT1 = m_in.xT1;
    const double w1 = w(m_in.iT1);
    const double y1 = w1 + m_in.LVK, y2 = y1 + m_in.LRK, y3 = y2 + m_in.LBR;

    element(hF, xT1);
    element(hS, xT1);
    element(hR, xT1);
    element(hP, xT1);
    height(w1 + m_in.LBR + m_in.LRK + m_in.LVK);
    scale();

    m_canvas.pen(SketchColour::Black, 1);
    m_canvas.moveTo(px(0), py(hT, -1));
    m_canvas.lineTo(px(0), py(hT, +1));
    upperWall();
    m_canvas.moveTo(px(0), py(hT, -1));
    lowerWall();

    // Erase the lower wall over the opening, half a grid step beyond each end.
    const int i1 = Floor((xT1 - hF) / m_dx + 0.5);
    const int i2 = std::min(100, Floor((xT1 + hF) / m_dx + 0.5));
    m_canvas.pen(SketchColour::White, 1);
    m_canvas.moveTo(px((i1 - 0.5) * m_dx), py(w(std::max(i1, 0)), -1));
    for (int k = std::max(i1, 0); k <= i2; ++k)
        m_canvas.lineTo(px(k * m_dx), py(w(k), -1));
    m_canvas.lineTo(px((i2 + 0.5) * m_dx), py(w(i2), -1));

    m_canvas.pen(SketchColour::Black, 1);
    double r1;
    if (i1 < 0) {
        m_canvas.moveTo(px(0), py(w(0), -1));
        r1 = w(0);
    } else {
        m_canvas.moveTo(px((i1 - 0.5) * m_dx), py(w(i1), -1));
        r1 = w(i1);
    }
    m_canvas.lineTo(px(xT1 - hF), py(r1, -1));
    m_canvas.lineTo(px(xT1 - hF), py(y1, -1));
    m_canvas.moveTo(px(xT1 + hF), py(y1, -1));
    m_canvas.lineTo(px(xT1 + hF), py(w(i2), -1));
    m_canvas.lineTo(px((i2 + 0.5) * m_dx), py(w(i2), -1));
    if (i2 == 100)
        m_canvas.lineTo(px(m_in.L), py(w(100), -1));

    m_canvas.moveTo(px(xT1 - hR), py(y1, -1));
    m_canvas.lineTo(px(xT1 + hR), py(y1, -1));
    m_canvas.lineTo(px(xT1 + hR), py(y2, -1));
    m_canvas.lineTo(px(xT1 + hP), py(y2, -1));
    m_canvas.lineTo(px(xT1 + hP), py(y3, -1));
    m_canvas.moveTo(px(xT1 - hP), py(y2, -1));
    m_canvas.lineTo(px(xT1 - hP), py(y3, -1));
    m_canvas.moveTo(px(xT1 - hP), py(y2, -1));
    m_canvas.lineTo(px(xT1 - hR), py(y2, -1));
    m_canvas.lineTo(px(xT1 - hR), py(y1, -1));

    m_canvas.penWidth(5);
    m_canvas.moveTo(px(xT1 - hS), py(y1, -1));
    m_canvas.lineTo(px(xT1 + hS), py(y1, -1));

    m_canvas.penWidth(3);
    const int d = rearLoaded() ? -1 : 1;
    DrawArrow(m_d.primitives, px(xT1), py(y1, -1), px(xT1),
              Trunc((m_d.SketchMid + y1) * m_d.SketchScale - 8 * d), m_canvas.colour(),
              m_canvas.width());
}

// Erases the wall on side s from grid index j1 to j2: positions from the index itself,
// wall offsets from the index held to 0..100. Beyond the grid the offset is constant, so the
// run of points outside it is one straight line and drawn as such.
void Sketcher::wallOpening(int j1, int j2, int s) {
    m_canvas.pen(SketchColour::White, 1);
    m_canvas.moveTo(px(j1 * m_dx), py(w(j1), s));
    for (int k = j1; k <= j2; ++k) {
        if (k != j1 && k != j2 && (k < 0 || k > 100))
            continue;
        m_canvas.lineTo(px(k * m_dx), py(w(k), s));
    }
}

void Sketcher::absorberChamber() {
    const int s = m_in.CBAKSkizzeOben ? 1 : -1;
    const double hA = half(m_in.AAT), hK = half(m_in.AKFace), wA = w(m_in.iAK);
    const double xAK = m_in.xAK;
    const int j1 = Floor((xAK - hA) / m_dx), j2 = Ceil((xAK + hA) / m_dx);
    wallOpening(j1, j2, s);

    m_canvas.pen(SketchColour::Black, 1);
    const int a = Clamp(j1), b = Clamp(j2);
    const double tunnelEnd = wA + m_in.LAT, chamberEnd = tunnelEnd + m_in.AKDepth;
    m_canvas.moveTo(px(a * m_dx), py(w(a), s));
    m_canvas.lineTo(px(xAK - hA), py(w(a), s));
    m_canvas.lineTo(px(xAK - hA), py(tunnelEnd, s));
    m_canvas.lineTo(px(xAK - hK), py(tunnelEnd, s));
    m_canvas.lineTo(px(xAK - hK), py(chamberEnd, s));
    m_canvas.lineTo(px(xAK + hK), py(chamberEnd, s));
    m_canvas.lineTo(px(xAK + hK), py(tunnelEnd, s));
    m_canvas.lineTo(px(xAK + hA), py(tunnelEnd, s));
    m_canvas.lineTo(px(xAK + hA), py(w(b), s));
    m_canvas.lineTo(px(b * m_dx), py(w(b), s));
}

void Sketcher::extraTunnel() {
    const int s = m_in.CBETSkizzeOben ? 1 : -1;
    const double hE = half(m_in.AET), wE = w(m_in.iET);
    const double xET = m_in.xET;
    const int j1 = Floor((xET - hE) / m_dx), j2 = Ceil((xET + hE) / m_dx);
    wallOpening(j1, j2, s);

    m_canvas.pen(SketchColour::Black, 1);
    const int a = Clamp(j1), b = Clamp(j2);
    m_canvas.moveTo(px(a * m_dx), py(w(a), s));
    m_canvas.lineTo(px(xET - hE), py(w(a), s));
    m_canvas.lineTo(px(xET - hE), py(wE + m_in.LET, s));
    m_canvas.moveTo(px(xET + hE), py(wE + m_in.LET, s));
    m_canvas.lineTo(px(xET + hE), py(w(b), s));
    m_canvas.lineTo(px(b * m_dx), py(w(b), s));
}

// The cone of driver 2 along the local wall, tilted by its slope, with an arrow
// perpendicular to the wall: into the horn for g = −1, away from it for g = +1.
void Sketcher::driver2() {
    const int s = m_in.CBT2SkizzeOben ? 1 : -1;
    const int iT2 = m_in.iT2;
    const double t = iT2 > 49 ? (w(iT2) - w(iT2 - 1)) / m_dx : (w(iT2 + 1) - w(iT2)) / m_dx;
    const double theta = std::atan(t);
    const double c = std::cos(theta), sn = std::sin(theta);
    const double hS2 = half(m_in.Sd2);
    const double xT2 = m_in.xT2;
    const int j1 = std::max(-1000, Floor((xT2 - c * hS2) * 100 / m_in.L + 0.5));
    const int j2 = std::min(1000, Floor((xT2 + c * hS2) * 100 / m_in.L + 0.5));
    wallOpening(j1, j2, s);

    const int i = rearLoaded() ? 1 : 0;
    const int u = m_in.CBumdrehen ? 1 : 0;
    const int g = (1 - 2 * i) * (2 * u - 1);

    const double S = m_d.SketchScale, mid = m_d.SketchMid;
    auto yRaw = [&](double r) { return (mid - s * r) * S; };
    m_canvas.pen(SketchColour::Black, 5);
    double yP;
    if (j1 >= 0 && j1 <= 99) { // case C: from the opening's start along the wall
        m_canvas.moveTo(px(j1 * m_dx), py(w(j1), s));
        m_canvas.lineTo(px(j2 * m_dx), py(w(j1) + sn * 2 * hS2, s));
        yP = yRaw(w(j1) + sn * hS2);
    } else if (j2 >= 0 && j2 <= 99) { // case B: back from the opening's end
        m_canvas.moveTo(px(j2 * m_dx), py(w(j2), s));
        m_canvas.lineTo(px(j1 * m_dx), py(w(j2) - sn * 2 * hS2, s));
        yP = yRaw(w(j2) - sn * hS2);
    } else { // case A: centred on the wall point of iT2
        m_canvas.moveTo(px(xT2 - c * hS2), py(w(iT2) - sn * hS2, s));
        m_canvas.lineTo(px(xT2 + c * hS2), py(w(iT2) + sn * hS2, s));
        yP = yRaw(w(iT2));
    }
    m_canvas.penWidth(3);
    DrawArrow(m_d.primitives, px(xT2), Trunc(yP), Trunc((m_d.SketchLeft + xT2) * S - 8 * g * sn),
              Trunc(yP - 8 * s * g * c), m_canvas.colour(), m_canvas.width());
}

// A box RK2Depth deep standing on the wall at iT2, without erasing the wall.
void Sketcher::rearChamber2() {
    const int s = m_in.CBT2SkizzeOben ? 1 : -1;
    const int iT2 = m_in.iT2;
    const double h2 = half(m_d.RK2Face), c = iT2 * m_dx;
    const int k1 = Floor(iT2 - h2 / m_dx + 0.5), k2 = Floor(iT2 + h2 / m_dx + 0.5);
    m_canvas.pen(SketchColour::Black, 1);
    if (k1 < 0) {
        m_canvas.moveTo(px(0), py(w(0), s));
        m_canvas.lineTo(px(c - h2), py(w(0), s));
    } else {
        m_canvas.moveTo(px(c - h2), py(w(k1), s));
    }
    const double bottom = w(iT2) + m_d.RK2Depth;
    m_canvas.lineTo(px(c - h2), py(bottom, s));
    m_canvas.lineTo(px(c + h2), py(bottom, s));
    if (k2 <= 100) {
        m_canvas.lineTo(px(c + h2), py(w(k2), s));
    } else {
        m_canvas.lineTo(px(c + h2), py(w(100), s));
        m_canvas.lineTo(px(m_in.L), py(w(100), s));
    }
}

} // namespace

double HalfSide(double area, int positionFactor) {
    return std::sqrt(area / (4.0 * positionFactor));
}

void DrawArrow(SketchPrimitives& out, int x1, int y1, int x2, int y2, SketchColour colour,
               int penWidth) {
    out.moveTo(x1, y1);
    out.lineTo(x2, y2, colour, penWidth);
    const double sx = x1 > x2 ? -1 : 1, sy = y1 > y2 ? -1 : 1;
    const double theta =
        x1 == x2 ? 1.571 : std::atan(std::fabs(double(y2 - y1)) / std::fabs(double(x2 - x1)));
    for (double side : {-0.45, 0.45}) {
        out.moveTo(x2, y2);
        out.lineTo(Trunc(x2 - std::ceil(8 * sx * std::cos(theta + side) - 0.5)),
                   Trunc(y2 - std::ceil(8 * sy * std::sin(theta + side) - 0.5)), colour, penWidth);
    }
}

SketchDrawing DrawSketch(const SketchInput& input, int width, int height) {
    SketchDrawing d;
    Sketcher(input, d, std::max(width, 0), std::max(height, 0)).run();
    return d;
}

} // namespace plot
