// The picture boxes set their pixels themselves instead of through QPainter.
// Segment by segment and frame by frame, the pictures must be the very pixels
// that QPainter draws with the pen the boxes used to draw with.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <iomanip>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "app/Frame.h"
#include "plot/SegmentClip.h"
#include "plot/SegmentRaster.h"
#include "support/EnvironmentSize.h"
#include "support/FakeControls.h"
#include "ui/pictures/PictureBox.h"
#include "ui/window/Colour.h"

namespace quorvane {
namespace {

constexpr double kTwips = 15.0;

// Batches of 40 random segments per shape; QUORVANE_RASTER_BATCHES asks for
// more on a long run, or fewer under emulation.
int Batches()
{
    return static_cast<int>(testing::EnvironmentSize("QUORVANE_RASTER_BATCHES", 1500));
}

// The segments as the boxes drew them before: one drawLines call per batch,
// a cosmetic one-pixel pen, twips scaled to pixels.
void PaintSegments(QImage& image, QRgb colour, const std::vector<QLineF>& segments)
{
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromRgb(colour), 0));
    painter.scale(1.0 / kTwips, 1.0 / kTwips);
    painter.drawLines(segments.data(), static_cast<int>(segments.size()));
}

void RasterSegments(QImage& image, QRgb colour, const std::vector<QLineF>& segments)
{
    const PixelBuffer pixels{reinterpret_cast<std::uint32_t*>(image.bits()),
                             image.bytesPerLine() / 4, image.width(), image.height()};
    SegmentRaster raster(pixels, colour);
    for (const QLineF& segment : segments)
        raster.Draw(Segment{segment.x1(), segment.y1(), segment.x2(), segment.y2()});
}

::testing::AssertionResult SamePixels(const QImage& mine, const QImage& painted)
{
    for (int y = 0; y < mine.height(); ++y)
        for (int x = 0; x < mine.width(); ++x)
            if (mine.pixel(x, y) != painted.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << mine.pixel(x, y)
                       << ", QPainter gives " << painted.pixel(x, y);
    return ::testing::AssertionSuccess();
}

struct Shape {
    const char* name;
    int width;   // pixels
    int height;
    float reach;  // largest length of a segment, in twips (0: anywhere)
    float margin;  // how far outside the image an end may lie, in twips
};

class SegmentShapes : public ::testing::TestWithParam<Shape> {};

// Random segments of every slope and length, ends on and off the pixel grid,
// inside, across and beyond the edges, zero and near-zero lengths.
TEST_P(SegmentShapes, RandomSegmentsSetTheSamePixelsAsQPainter)
{
    const Shape& shape = GetParam();
    std::mt19937 random(static_cast<unsigned>(shape.width * 7919 + shape.height));
    const float w = static_cast<float>(shape.width) * 15.0f;
    const float h = static_cast<float>(shape.height) * 15.0f;
    std::uniform_real_distribution<float> x(-shape.margin, w + shape.margin);
    std::uniform_real_distribution<float> y(-shape.margin, h + shape.margin);
    std::uniform_real_distribution<float> step(-shape.reach, shape.reach);
    std::uniform_int_distribution<int> grid(-4, 4 * std::max(shape.width, shape.height));
    std::uniform_int_distribution<int> kind(0, 9);
    const QRgb colours[] = {qRgb(0, 128, 0), qRgb(128, 0, 128), qRgb(0, 0, 128), qRgb(128, 64, 0)};
    for (int batch = 0, batches = Batches(); batch < batches; ++batch) {
        std::vector<QLineF> segments;
        for (int n = 0; n < 40; ++n) {
            QPointF a(x(random), y(random));
            QPointF b;
            switch (kind(random)) {
            case 0: b = a; break;  // no length
            case 1: b = a + QPointF(1e-12 * step(random), 1e-12 * step(random)); break;
            case 2:  // ends on quarter pixels
                a = QPointF(grid(random) * 3.75, grid(random) * 3.75);
                b = a + QPointF(std::round(step(random) / 3.75f) * 3.75, std::round(step(random) / 3.75f) * 3.75);
                break;
            case 3: b = QPointF(a.x(), a.y() + step(random)); break;  // vertical
            case 4: b = QPointF(a.x() + step(random), a.y()); break;  // horizontal
            case 5: b = QPointF(x(random), y(random)); break;         // anywhere
            default:
                b = shape.reach > 0 ? a + QPointF(step(random), step(random)) : QPointF(x(random), y(random));
                break;
            }
            segments.emplace_back(a, b);
        }
        const QRgb colour = colours[batch % 4];
        QImage painted(shape.width, shape.height, QImage::Format_RGB32);
        painted.fill(Qt::white);
        QImage mine = painted.copy();
        PaintSegments(painted, colour, segments);
        RasterSegments(mine, colour, segments);
        if (!SamePixels(mine, painted)) {
            for (const QLineF& s : segments) {
                QImage one(shape.width, shape.height, QImage::Format_RGB32);
                one.fill(Qt::white);
                QImage two = one.copy();
                PaintSegments(one, colour, {s});
                RasterSegments(two, colour, {s});
                ASSERT_TRUE(SamePixels(two, one)) << std::setprecision(17) << "segment (" << s.x1()
                                                  << ", " << s.y1() << ")-(" << s.x2() << ", "
                                                  << s.y2() << ")";
            }
            FAIL() << "batch " << batch << " differs, though each segment alone agrees";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, SegmentShapes,
    ::testing::Values(Shape{"SpectrumPictureShortSegments", 589, 181, 120.0f, 300.0f},
                      Shape{"TracePictureAnyLength", 589, 73, 0.0f, 3000.0f},
                      Shape{"SmallSubPixelSteps", 23, 17, 20.0f, 45.0f},
                      Shape{"TallNarrow", 3, 240, 900.0f, 60.0f},
                      Shape{"OnePixel", 1, 1, 40.0f, 30.0f},
                      Shape{"FarOutside", 64, 48, 0.0f, 1e6f}),
    [](const auto& info) { return std::string(info.param.name); });

// The box's pictures as they were drawn before: segments clipped, gathered and
// drawn by QPainter in one batch per colour, at most 16384 at a time.
class PaintedPicture final : public PlotSurface {
public:
    PaintedPicture(int width, int height, QRgb background)
        : image_(width, height, QImage::Format_RGB32), background_(background)
    {
    }

    float InnerWidth() const override { return static_cast<float>(image_.width() * 15); }
    float InnerHeight() const override { return static_cast<float>(image_.height() * 15); }
    void Clear() override
    {
        pending_.clear();
        image_.fill(background_);
    }
    void SetColour(std::int32_t colour) override
    {
        const QRgb next = fromBgr(colour).rgb();
        if (next != colour_)
            Flush();
        colour_ = next;
    }
    void DrawLine(float x1, float y1, float x2, float y2) override
    {
        const auto clipped = ClipSegment(Segment{x1, y1, x2, y2}, InnerWidth(), InnerHeight());
        if (!clipped)
            return;
        if (pending_.size() == 16384)
            Flush();
        pending_.emplace_back(clipped->x1, clipped->y1, clipped->x2, clipped->y2);
    }
    float OuterLeft() const override { return 0; }
    float OuterWidth() const override { return InnerWidth(); }

    const QImage& Picture()
    {
        Flush();
        return image_;
    }

private:
    void Flush()
    {
        if (!pending_.empty())
            PaintSegments(image_, colour_, pending_);
        pending_.clear();
    }

    QImage image_;
    QRgb background_;
    QRgb colour_ = qRgb(0, 0, 0);
    std::vector<QLineF> pending_;
};

// What a box shows inside its two-pixel border.
QImage Inside(PictureBox& box)
{
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(box.contentsRect());
}

// Real frames of every type and scheme at the heaviest settings, drawn into
// boxes the size of the window's and into pictures painted the old way.
TEST(PictureBoxPixels, FramesShowWhatQPainterDrewThem)
{
    const QSize outer[] = {{593, 69}, {593, 185}, {593, 77}, {593, 77}, {593, 185}};
    std::vector<std::unique_ptr<PictureBox>> boxes;
    std::vector<std::unique_ptr<PaintedPicture>> painted;
    for (const QSize& size : outer) {
        boxes.push_back(std::make_unique<PictureBox>());
        boxes.back()->resize(size);
        const QSize inner = boxes.back()->contentsRect().size();
        const QRgb background = boxes.back()->palette().color(boxes.back()->backgroundRole()).rgb();
        painted.push_back(std::make_unique<PaintedPicture>(inner.width(), inner.height(), background));
    }
    const FramePictures toBoxes{*boxes[0], *boxes[1], *boxes[2], *boxes[3], *boxes[4]};
    const FramePictures toPainted{*painted[0], *painted[1], *painted[2], *painted[3], *painted[4]};
    auto boxState = std::make_unique<SignalState>();
    auto paintedState = std::make_unique<SignalState>();
    for (SignalState* s : {boxState.get(), paintedState.get()}) {
        s->messageFrequencyDaHz = 0.5;
        s->carrierFrequencyDaHz = 6.4;
        s->depth = 1.0;
    }
    NoiseSource boxNoise;
    NoiseSource paintedNoise;
    testing::FakeControls controls;
    controls.modulatedTrace = CheckState::checked;
    controls.modulatedSpectrum = CheckState::checked;
    controls.memory = CheckState::checked;
    for (int frame = 0; frame < 96; ++frame) {
        controls.messageType = kMessageTypes[frame % 4];
        controls.scheme = kSchemes[(frame / 4) % 4];
        controls.timeZoom = static_cast<std::int16_t>(1 + (frame / 16) % 4);
        controls.linear = (frame / 8) % 2 ? CheckState::checked : CheckState::unchecked;
        controls.twoSided = (frame / 3) % 2 ? CheckState::checked : CheckState::unchecked;
        RunFrame(*boxState, controls, toBoxes, boxNoise, nullptr);
        RunFrame(*paintedState, controls, toPainted, paintedNoise, nullptr);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            ASSERT_TRUE(SamePixels(Inside(*boxes[i]), painted[i]->Picture()))
                << "frame " << frame << ", picture " << i;
    }
}

}  // namespace
}  // namespace quorvane
