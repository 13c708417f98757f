// Tests of painting the principle sketch on an offscreen image.
#include <gtest/gtest.h>

#include <QImage>

#include "SketchGeometry.h"
#include "SketchPainter.h"

namespace {

using plot::SketchColour;
using plot::SketchPrimitives;

// The test main provides the QGuiApplication on the offscreen platform.

bool IsBlack(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}
bool IsWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

TEST(SketchPainter, WhiteSurfaceOfTheGivenSizeAtPixelRatioOne) {
    SketchPrimitives sketch;
    sketch.moveTo(10, 20);
    sketch.lineTo(90, 20, SketchColour::Black, 1);
    const QImage image = plot::RenderSketch(QSize(120, 60), sketch);
    EXPECT_EQ(image.size(), QSize(120, 60));
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    EXPECT_TRUE(IsWhite(image, 0, 0));
    EXPECT_TRUE(IsWhite(image, 119, 59));
    EXPECT_TRUE(IsBlack(image, 10, 20));
    EXPECT_TRUE(IsBlack(image, 50, 20));
    EXPECT_TRUE(IsWhite(image, 50, 19)); // one pixel wide, not antialiased
    EXPECT_TRUE(IsWhite(image, 50, 21));
}

TEST(SketchPainter, WhiteLinesEraseAndWidePensAreWide) {
    SketchPrimitives sketch;
    sketch.moveTo(10, 10);
    sketch.lineTo(100, 10, SketchColour::Black, 1);
    sketch.moveTo(40, 10);
    sketch.lineTo(60, 10, SketchColour::White, 1);
    sketch.moveTo(30, 40);
    sketch.lineTo(80, 40, SketchColour::Black, 5);
    const QImage image = plot::RenderSketch(QSize(120, 60), sketch);
    EXPECT_TRUE(IsBlack(image, 20, 10));
    EXPECT_TRUE(IsWhite(image, 50, 10));
    EXPECT_TRUE(IsBlack(image, 90, 10));
    for (int dy = -2; dy <= 2; ++dy)
        EXPECT_TRUE(IsBlack(image, 55, 40 + dy)) << dy;
    EXPECT_TRUE(IsWhite(image, 55, 44));
}

TEST(SketchPainter, PaintsIntoAnyPainterWithItsOwnBackground) {
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    SketchPrimitives sketch;
    sketch.moveTo(5, 5);
    sketch.lineTo(5, 30, SketchColour::Black, 3);
    {
        QPainter painter(&image);
        plot::PaintSketch(painter, image.size(), sketch);
    }
    EXPECT_TRUE(IsWhite(image, 49, 39));
    EXPECT_TRUE(IsBlack(image, 5, 20));
    EXPECT_TRUE(IsBlack(image, 6, 20));
}

// A whole sketch of a side-wall driver: the lower wall is gone over the front chamber's
// opening and present elsewhere.
TEST(SketchPainter, SideWallOpeningIsErasedInThePicture) {
    plot::SketchInput in;
    in.L = 2;
    for (size_t k = 0; k <= 100; ++k)
        in.ContourArea[k] = 0.01 + 0.04 * double(k) / 100; // conical, 10 cm .. 22 cm square
    in.AT = in.ContourArea[0];
    in.AM = in.ContourArea[100];
    in.Sd = 0.02;
    in.xT1 = 0.6;
    in.iT1 = 30;
    in.VVK = 0.001;
    in.LVK = 0.05;
    in.EditLvk = 0.05;
    in.VRK = 0.02;
    in.LRK = 0.2;
    in.ABR = 0.003;
    in.LBR = 0.1;
    const QSize size(405, 225);
    const plot::SketchDrawing d = plot::DrawSketch(in, size.width(), size.height());
    const QImage image = plot::RenderSketch(size, d.primitives);

    auto px = [&](double x) { return int((x + d.SketchLeft) * d.SketchScale); };
    auto pyLower = [&](int k) {
        return int((d.SketchMid + plot::HalfSide(in.ContourArea[size_t(k)], 1)) * d.SketchScale);
    };
    EXPECT_TRUE(IsWhite(image, px(0.6), pyLower(30))); // inside the opening
    EXPECT_TRUE(IsBlack(image, px(1.5), pyLower(75))); // the wall further on
    // The cone across the chamber's bottom, 5 pixels thick.
    const int coneY =
        int((d.SketchMid + plot::HalfSide(in.ContourArea[30], 1) + in.LVK) * d.SketchScale);
    EXPECT_TRUE(IsBlack(image, px(0.6) + 3, coneY + 2));
    EXPECT_TRUE(IsBlack(image, px(0.6) + 3, coneY - 2));
}

} // namespace
