// Rendered plot windows read back pixel by pixel: curves where the mapping puts them, the
// drawing order of the slots, the end of a curve, the dashed part, clipping and swatches.
//
// Set VELMORA_PLOT_PICTURE_DIR to a folder to have RealRun.WritesPictures save the seven
// windows of a default run there as PNG files for a look by eye.
#include <gtest/gtest.h>

#include <cmath>

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "CrossoverElements.h"
#include "CurveGeometry.h"
#include "EvoSwatch.h"
#include "FormState.h"
#include "PlotGrid.h"
#include "PlotPainter.h"
#include "PlotTestRows.h"
#include "Simulation.h"
#include "SimulationInputBuilder.h"

namespace {

using plot::PlotKind;

const plot::PlotLayout Design = plot::LayoutPlotWindow(PlotKind::SPL, 412, 233);
const int W = Design.image.width;
const int H = Design.image.height;

QRgb rgb(const QColor& c) {
    return c.rgb();
}

// Colour of the client-area pixel at image pixel p.
QRgb imagePixel(const QImage& image, plot::Pixel p) {
    return image.pixel(Design.image.left + p.x, Design.image.top + p.y);
}

bool insideImage(plot::Pixel p) {
    return p.x > 0 && p.x < W - 1 && p.y > 0 && p.y < H - 1;
}

// A window after a labelling over flat runs: 10 … 20000 Hz, every value row 0 … 100.
plot::PlotInput flatInput(PlotKind kind) {
    plot::PlotInput in;
    in.kind = kind;
    for (auto& r : in.rows)
        r = plottest::ClearedRows();
    in.AxisMin.fill(0);
    in.AxisMax.fill(100);
    in.AxisMin[7] = 10;
    in.AxisMax[7] = 20000;
    in.FmaxEff.fill(20000);
    in.gridDrawn = true;
    in.valueLabels = plot::ValueLabelTexts(kind, 0, 100);
    return in;
}

int yOf(double v) {
    return plot::PlotPixel(0, plot::fy(v, 0, 100), W, H)->y;
}
int xOf(double f) {
    return plot::PlotPixel(plot::fx(f, 10, 20000), 0, W, H)->x;
}

// The seven windows after one run of the default project into slot 0 of a fresh program.
class RealRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        model::FormState form;
        const model::CrossoverElements elements = model::NormaliseCrossover(form);
        engine::SimulationOptions options;
        options.solver = engine::SolverKind::Fast;
        options.buildTables = false;
        const engine::SimulationResult result = engine::Simulate(
            model::BuildSimulationInput(form, elements), plottest::ClearedRows(), options);
        ASSERT_FALSE(result.refused);
        plot::SlotRows rows = plottest::ClearedSlots();
        rows[0] = result.rows;
        std::array<double, plot::SlotCount> FmaxEff{};
        FmaxEff[0] = result.FmaxEff;
        s_data = new plot::DrawGraphsData(plot::PrepareDrawGraphs(form, rows, FmaxEff, 0));
    }
    static void TearDownTestSuite() {
        delete s_data;
        s_data = nullptr;
    }
    static const plot::PlotInput& input(PlotKind kind) {
        return s_data->plots[plot::IndexOf(kind)];
    }
    static plot::DrawGraphsData* s_data;
};

plot::DrawGraphsData* RealRun::s_data = nullptr;

TEST_F(RealRun, BlackCurveLiesWhereTheMappingPutsThePoints) {
    for (PlotKind kind : plot::AllPlotKinds) {
        const plot::PlotInput& in = input(kind);
        const QImage image = plot::RenderPlot(in);
        ASSERT_EQ(image.size(), QSize(412, 233));
        EXPECT_DOUBLE_EQ(image.devicePixelRatio(), 1.0);
        const engine::ResultRows& rows = in.rows[0];
        const int row = plot::AxisRowOf(kind);
        const int last = plot::LastDrawnPoint(rows, in.FmaxEff[0]);
        int checked = 0;
        for (int r = 0; r < last; r += 3) {
            const double v = kind == PlotKind::SPL      ? rows.SPL[r]
                             : kind == PlotKind::Zel    ? rows.Zel[r]
                             : kind == PlotKind::Ausl   ? rows.x1[r]
                             : kind == PlotKind::SPLmax ? rows.SPLmax[r]
                             : kind == PlotKind::Pmax   ? rows.Pmax[r]
                             : kind == PlotKind::Znorm  ? rows.Zreal[r]
                                                        : rows.Phi_a[r];
            const double fraction =
                row < 0 ? plot::fyPhase(v) : plot::fy(v, in.AxisMin[row], in.AxisMax[row]);
            const auto p =
                plot::PlotPixel(plot::fx(rows.f[r], in.AxisMin[7], in.AxisMax[7]), fraction, W, H);
            ASSERT_TRUE(p.has_value());
            if (!insideImage(*p))
                continue;
            EXPECT_EQ(imagePixel(image, *p), qRgb(0, 0, 0))
                << plot::PlotName(kind) << " point " << r << " at " << p->x << ", " << p->y;
            ++checked;
        }
        EXPECT_GT(checked, 5) << plot::PlotName(kind);
    }
}

TEST_F(RealRun, RangesAndCaptionsAfterTheRun) {
    const plot::AxisLabelling& l = s_data->labelling;
    EXPECT_DOUBLE_EQ(l.AxisMin[7], 10);
    EXPECT_DOUBLE_EQ(l.AxisMax[7], 20000);
    EXPECT_DOUBLE_EQ(l.AxisMax[0] - l.AxisMin[0], 50);
    EXPECT_EQ(plot::PlotCaption(PlotKind::Ausl, true, input(PlotKind::Ausl).CBAmplTreiber2),
              "Cone1 amplitude [mm]");
    EXPECT_EQ(plot::PlotCaption(PlotKind::Pmax, true, true), "Pmax2 [W]");
    EXPECT_EQ(plot::PlotCaption(PlotKind::Pmax), "Pmax in W");
    EXPECT_EQ(input(PlotKind::SPL).lineWidth, 1);
}

TEST_F(RealRun, WritesPictures) {
    const QString folder = qEnvironmentVariable("VELMORA_PLOT_PICTURE_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "VELMORA_PLOT_PICTURE_DIR not set";
    QDir().mkpath(folder);
    for (PlotKind kind : plot::AllPlotKinds) {
        const QString name = QString::fromStdString(plot::PlotName(kind)) + ".png";
        EXPECT_TRUE(plot::RenderPlot(input(kind)).save(QDir(folder).filePath(name)));
        plot::PlotInput large = input(kind);
        large.labelsFollowBottom = true;
        EXPECT_TRUE(
            plot::RenderPlot(large, QSize(624, 384)).save(QDir(folder).filePath("large-" + name)));
    }
    // Four slots overlaid: the run again, shifted down by 5 dB and scaled by 0.8 per slot.
    for (PlotKind kind : {PlotKind::SPL, PlotKind::Znorm}) {
        plot::PlotInput overlay = input(kind);
        for (int slot = 1; slot < plot::SlotCount; ++slot) {
            overlay.rows[slot] = overlay.rows[0];
            overlay.FmaxEff[slot] = overlay.FmaxEff[0] * (1 + slot);
            overlay.filled[slot] = true;
            for (int i = 0; i < engine::MaxPoints; ++i) {
                overlay.rows[slot].SPL[i] -= 5 * slot;
                overlay.rows[slot].Zreal[i] *= std::pow(0.8, slot);
                overlay.rows[slot].Zimag[i] *= std::pow(0.8, slot);
            }
        }
        const QString name = "overlay-" + QString::fromStdString(plot::PlotName(kind)) + ".png";
        EXPECT_TRUE(plot::RenderPlot(overlay).save(QDir(folder).filePath(name)));
    }
}

TEST(PaintPlot, BlackIsDrawnOverTheOtherSlots) {
    plot::PlotInput in = flatInput(PlotKind::SPL);
    in.rows[0] = in.rows[1] = in.rows[3] = plottest::FlatRun(); // the same 80 dB line
    in.filled = {true, true, false, true};
    const plot::Pixel p{xOf(1000), yOf(80)};
    EXPECT_EQ(imagePixel(plot::RenderPlot(in), p), qRgb(0, 0, 0));
    in.filled[0] = false; // red over blue
    EXPECT_EQ(imagePixel(plot::RenderPlot(in), p), qRgb(255, 0, 0));
    in.filled[1] = false;
    EXPECT_EQ(imagePixel(plot::RenderPlot(in), p), qRgb(0, 0, 255));
}

TEST(PaintPlot, EmptySlotsLeaveNoTrace) {
    plot::PlotInput in = flatInput(PlotKind::SPL);
    in.rows[2] = plottest::FlatRun(); // rows present, slot not filled
    const QImage image = plot::RenderPlot(in);
    for (int x = 1; x < W - 1; ++x)
        EXPECT_NE(imagePixel(image, {x, yOf(80)}), rgb(in.SlotColour[2])) << x;
    // Nothing but white and grid grey inside the image.
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const QRgb c = imagePixel(image, {x, y});
            ASSERT_TRUE(c == qRgb(255, 255, 255) || c == qRgb(160, 160, 160)) << x << ", " << y;
        }
}

TEST(PaintPlot, CurveEndsOnePointAboveFmaxEff) {
    plot::PlotInput in = flatInput(PlotKind::SPLmax);
    in.rows[0] = plottest::FlatRun(); // SPLmax 90 dB
    in.filled[0] = true;
    in.FmaxEff[0] = 1000;
    const int last = plot::LastDrawnPoint(in.rows[0], 1000);
    const int endX = xOf(in.rows[0].f[last]);
    const QImage image = plot::RenderPlot(in);
    const int y = yOf(90);
    for (int x = 1; x <= endX; ++x)
        EXPECT_EQ(imagePixel(image, {x, y}), qRgb(0, 0, 0)) << x;
    for (int x = endX + 2; x < W - 1; ++x)
        EXPECT_NE(imagePixel(image, {x, y}), qRgb(0, 0, 0)) << x;
}

TEST(PaintPlot, ImaginaryPartIsDashed) {
    plot::PlotInput in = flatInput(PlotKind::Znorm);
    in.AxisMin[5] = -4;
    in.AxisMax[5] = 6;
    in.rows[0] = plottest::FlatRun(12, 2.0); // 10, 20, 40 … Hz: segments of about 32 pixels
    in.filled[0] = true;
    const QImage image = plot::RenderPlot(in);
    const auto x = [](double f) { return xOf(f); };
    const int yReal = plot::PlotPixel(0, plot::fy(1, -4, 6), W, H)->y;
    const int yImag = plot::PlotPixel(0, plot::fy(0.5, -4, 6), W, H)->y;
    ASSERT_GT(yReal + 3, 0);
    ASSERT_NE(yReal, yImag);
    const int middle12 = (x(20) + x(40)) / 2; // segment r = 2: drawn
    const int middle23 = (x(40) + x(80)) / 2; // segment r = 3: a gap
    EXPECT_EQ(imagePixel(image, {middle12, yReal}), qRgb(0, 0, 0));
    EXPECT_EQ(imagePixel(image, {middle23, yReal}), qRgb(0, 0, 0));
    EXPECT_EQ(imagePixel(image, {middle12, yImag}), qRgb(0, 0, 0));
    EXPECT_NE(imagePixel(image, {middle23, yImag}), qRgb(0, 0, 0));
}

TEST(PaintPlot, LineWidthAndClipping) {
    plot::PlotInput in = flatInput(PlotKind::SPL);
    in.rows[0] = plottest::FlatRun();
    in.rows[0].SPL[84] = 1e12; // far above the axis: the line leaves the image at the top
    in.filled[0] = true;
    in.lineWidth = 3;
    const QImage image = plot::RenderPlot(in);
    const int y = yOf(80);
    const int x = xOf(200);
    for (int dy : {-1, 0, 1})
        EXPECT_EQ(imagePixel(image, {x, y + dy}), qRgb(0, 0, 0)) << dy;
    EXPECT_NE(imagePixel(image, {x, y + 3}), qRgb(0, 0, 0));
    // The spike reaches the top edge of the image but nothing above it.
    const int spikeX = xOf(in.rows[0].f[84]);
    bool topReached = false;
    for (int dx = -3; dx <= 3; ++dx)
        topReached |= imagePixel(image, {spikeX + dx, 1}) == qRgb(0, 0, 0);
    EXPECT_TRUE(topReached);
    for (int row = 0; row < Design.image.top; ++row)
        for (int col = Design.image.left; col < image.width(); ++col)
            ASSERT_EQ(image.pixel(col, row), rgb(in.buttonFace)) << col << ", " << row;
}

TEST(PaintPlot, StripCarriesLabelsOnceTheGridIsDrawn) {
    plot::PlotInput in = flatInput(PlotKind::Zel);
    const auto darkPixels = [](const QImage& image, int from, int to) {
        int dark = 0;
        for (int y = Design.strip.top; y < Design.strip.top + Design.strip.height; ++y)
            for (int x = from; x < to; ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    // Around the 1 kHz label and well away from any label (between 1k and 2k).
    const int at1k = Design.image.left + xOf(1000);
    const int between = Design.image.left + (xOf(1300) + xOf(1500)) / 2;
    const QImage drawn = plot::RenderPlot(in);
    EXPECT_GT(darkPixels(drawn, at1k - 6, at1k + 6), 5);
    EXPECT_EQ(darkPixels(drawn, between - 1, between + 1), 0);

    in.gridDrawn = false; // as after start-up: no grid, no labels on the strip
    const QImage fresh = plot::RenderPlot(in);
    EXPECT_EQ(darkPixels(fresh, Design.strip.left, 412), 0);
    EXPECT_EQ(imagePixel(fresh, {W / 2, H / 2}), rgb(in.buttonFace));
}

// 20 kHz is both the last decade label and the fmax label at the right edge, a pixel apart:
// the second writing covers the first instead of thickening it.
TEST(PaintPlot, LabelWrittenTwiceShowsOnce) {
    const plot::PlotInput in = flatInput(PlotKind::SPL);
    const QImage drawn = plot::RenderPlot(in);
    const QFontMetrics metrics(plot::PlotFont());
    const QString text = QStringLiteral("20k");
    const int width = metrics.horizontalAdvance(text);
    const QRect cell(plot::StripLabelLeft(Design.stripOffset() + W, width), 0, width,
                     Design.strip.height);
    QImage once(Design.strip.width, Design.strip.height, QImage::Format_RGB32);
    once.fill(in.buttonFace);
    {
        QPainter painter(&once);
        painter.setFont(plot::PlotFont());
        painter.setPen(Qt::black);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    }
    for (int y = 0; y < cell.height(); ++y)
        for (int x = cell.left(); x <= cell.right() && x < once.width(); ++x)
            ASSERT_EQ(drawn.pixel(Design.strip.left + x, Design.strip.top + y), once.pixel(x, y))
                << x << ", " << y;
}

TEST(EvoSwatch, FrameForTheOthersFullSquareForTheNextSlot) {
    const QColor face = plot::DefaultButtonFace();
    const QColor green(0, 128, 0);
    QImage image(plot::SwatchSize, plot::SwatchSize, QImage::Format_RGB32);
    for (bool selected : {false, true}) {
        image.fill(Qt::magenta);
        QPainter painter(&image);
        plot::DrawEvoImage(painter, image.size(), green, selected, face);
        painter.end();
        const QRgb frame = selected ? green.rgb() : face.rgb();
        for (int i : {0, 1, 13, 14}) {
            EXPECT_EQ(image.pixel(i, 7), frame) << selected << " x " << i;
            EXPECT_EQ(image.pixel(7, i), frame) << selected << " y " << i;
        }
        for (int i : {2, 7, 12})
            EXPECT_EQ(image.pixel(i, i), green.rgb()) << selected << " " << i;
    }
}

} // namespace
