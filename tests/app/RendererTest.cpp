#include "render/Renderer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/SceneGeometry.h"
#include "render/ViewTransform.h"
#include "sample/SampleData.h"

using namespace zorhost;

namespace {

// One renderer for the whole program: a context is costly to make.
Renderer& renderer()
{
    static std::unique_ptr<Renderer> instance = createGlRenderer();
    return *instance;
}

class RendererTest : public ::testing::Test {
protected:
    RendererTest() : sample_(makeWaveSample(3, 0.0, 2.0))
    {
        scene_.width = 80;
        scene_.height = 60;
        scene_.zones = {&sample_.zones[0].geometry};
        scene_.bounds = sample_.bounds;
        scene_.heightMin = sample_.heightMin;
        scene_.heightMax = sample_.heightMax;
        // Looking down at the centre from above and in front.
        scene_.camera.psi = 50.0;
        scene_.camera.theta = 20.0;
        scene_.camera.width = 14.0;
        placeViewer(30.0);
    }

    // The viewer at `distance` from the centre along its line of sight.
    void placeViewer(double distance)
    {
        Scene probe = scene_;
        probe.camera.position = {0.0f, 0.0f, 0.0f};
        const Matrix4 turn = rotationMatrix(probe.camera);
        // The viewer's +z axis in data coordinates is the third row of the turn.
        scene_.camera.position = {static_cast<float>(turn[2] * distance), static_cast<float>(turn[6] * distance),
                                  static_cast<float>(turn[10] * distance)};
    }

    static long brightness(const Image& image)
    {
        long sum = 0;
        for (std::uint8_t value : image.rgb)
            sum += value;
        return sum;
    }

    static long difference(const Image& a, const Image& b)
    {
        long sum = 0;
        for (std::size_t i = 0; i < a.rgb.size(); ++i)
            sum += std::abs(int(a.rgb[i]) - int(b.rgb[i]));
        return sum;
    }

    SampleDataSet sample_;
    Scene scene_;
};

}  // namespace

TEST_F(RendererTest, ProjectsTheViewAsTheModelHoldsIt)
{
    double x = 0.0;
    double y = 0.0;
    ASSERT_TRUE(projectToPixel(scene_, {0.0f, 0.0f, 0.0f}, x, y));
    EXPECT_NEAR(40.0, x, 1e-3);
    EXPECT_NEAR(30.0, y, 1e-3);

    // Straight down the z axis without any turn: x to the right, y up.
    scene_.camera = Camera{};
    scene_.camera.position = {0.0f, 0.0f, 20.0f};
    scene_.camera.width = 8.0;
    ASSERT_TRUE(projectToPixel(scene_, {2.0f, 1.0f, 0.0f}, x, y));
    EXPECT_NEAR(40.0 + 2.0 * 80.0 / 8.0, x, 1e-3);
    EXPECT_NEAR(30.0 - 1.0 * 80.0 / 8.0, y, 1e-3);

    // Theta turns the view about z: the data's x axis now points up.
    scene_.camera.theta = 90.0;
    ASSERT_TRUE(projectToPixel(scene_, {2.0f, 0.0f, 0.0f}, x, y));
    EXPECT_NEAR(40.0, x, 1e-3);
    EXPECT_NEAR(30.0 + 20.0, y, 1e-3);

    // In perspective a point off the axis lands farther out when nearer.
    scene_.camera.theta = 0.0;
    scene_.camera.perspective = true;
    double far = 0.0;
    double near = 0.0;
    ASSERT_TRUE(projectToPixel(scene_, {1.0f, 0.0f, 0.0f}, far, y));
    ASSERT_TRUE(projectToPixel(scene_, {1.0f, 0.0f, 5.0f}, near, y));
    EXPECT_GT(near, far);
    EXPECT_FALSE(projectToPixel(scene_, {1.0f, 0.0f, 30.0f}, x, y));
}

TEST_F(RendererTest, ZeroLightDrawsABlackPictureOfTheExportSize)
{
    const Image lit = renderer().render(scene_);
    ASSERT_EQ(80, lit.width);
    ASSERT_EQ(60, lit.height);
    EXPECT_GT(brightness(lit), 80L * 60 * 3 * 20);

    scene_.lightIntensity = 0.0;
    scene_.backgroundLight = 0.0;
    scene_.streamtraces.showMarkers = true;
    EXPECT_EQ(0, brightness(renderer().render(scene_)));

    scene_.backgroundLight = 10.0;
    const Image dim = renderer().render(scene_);
    EXPECT_GT(brightness(dim), 0);
    EXPECT_LT(brightness(dim), brightness(lit));
}

TEST_F(RendererTest, TheSurfaceFollowsTheSolutionTimeAndMarksMoveWithTheTimeAnchor)
{
    const Image plain = renderer().render(scene_);
    Scene later = scene_;
    later.zones = {&sample_.zones[1].geometry};
    EXPECT_GT(difference(plain, renderer().render(later)), 80L * 60 * 3);
    for (const bool markers : {true, false}) {
        scene_.streamtraces = {markers, !markers, 0.0, 0.5};
        const Image marked = renderer().render(scene_);
        EXPECT_GT(difference(plain, marked), 0) << markers;
        scene_.streamtraces.timeAnchor = 0.25;
        EXPECT_GT(difference(marked, renderer().render(scene_)), 0) << markers;
    }
}

TEST_F(RendererTest, MarksSitAtAnchorStepsAlongEachStreamtrace)
{
    Streamtrace trace;
    trace.points = {{0, 0, 0}, {1, 0, 0}, {1, 2, 0}};
    trace.times = {0.0, 1.0, 3.0};
    ZoneGeometry zone;
    zone.streamtraces = {trace};
    scene_.zones = {&zone};
    scene_.streamtraces = {true, true, 0.25, 1.0};

    const std::vector<Vertex> markers = streamtraceMarkers(scene_);
    ASSERT_EQ(3u, markers.size());
    const float expected[3][2] = {{0.25f, 0.0f}, {1.0f, 0.25f}, {1.0f, 1.25f}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(expected[i][0], markers[i].position[0]) << i;
        EXPECT_FLOAT_EQ(expected[i][1], markers[i].position[1]) << i;
    }
    // Dashes over [0.25, 1.25] and [2.25, 3]; the first bends at the corner.
    const std::vector<Vertex> dashes = streamtraceDashes(scene_);
    ASSERT_EQ(6u, dashes.size());
    const float dashEnds[6][2] = {{0.25f, 0.0f}, {1.0f, 0.0f},  {1.0f, 0.0f},
                                  {1.0f, 0.25f}, {1.0f, 1.25f}, {1.0f, 2.0f}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(dashEnds[i][0], dashes[i].position[0]) << i;
        EXPECT_FLOAT_EQ(dashEnds[i][1], dashes[i].position[1]) << i;
    }

    // A timing that cannot be drawn places nothing (and does not hang).
    for (double delta : {0.0, -1.0, std::nan("")}) {
        scene_.streamtraces.deltaTime = delta;
        EXPECT_TRUE(streamtraceMarkers(scene_).empty()) << delta;
        EXPECT_TRUE(streamtraceDashes(scene_).empty()) << delta;
    }
    scene_.streamtraces.deltaTime = 1e-12;
    EXPECT_LE(streamtraceMarkers(scene_).size(), 4096u);
}

TEST_F(RendererTest, AxisTriadShowsInTheLowerLeftCornerOnly)
{
    const Image shown = renderer().render(scene_);
    scene_.showFrameAxis = false;
    const Image hidden = renderer().render(scene_);
    long corner = 0;
    long elsewhere = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            for (int c = 0; c < 3; ++c) {
                const long d = std::abs(int(shown.pixel(x, y)[c]) - int(hidden.pixel(x, y)[c]));
                (x < 20 && y >= 40 ? corner : elsewhere) += d;
            }
    EXPECT_GT(corner, 0);
    EXPECT_EQ(0, elsewhere);
}

TEST_F(RendererTest, SupersamplingKeepsTheSizeAndSmoothsEdges)
{
    const Image plain = renderer().render(scene_);
    scene_.supersample = 3;
    const Image smooth = renderer().render(scene_);
    ASSERT_EQ(plain.width, smooth.width);
    ASSERT_EQ(plain.height, smooth.height);
    EXPECT_GT(difference(plain, smooth), 0);
    // Roughly the same picture.
    EXPECT_LT(difference(plain, smooth), 80L * 60 * 3 * 20);

    scene_.width = 0;
    EXPECT_THROW(renderer().render(scene_), RenderError);
}

TEST_F(RendererTest, TwoRenderersOfOneThreadEachDrawInTheirOwnContext)
{
    const Image first = renderer().render(scene_);
    const std::unique_ptr<Renderer> second = createGlRenderer();
    Scene small = scene_;
    small.width = 40;
    small.height = 30;
    const Image secondSmall = second->render(small);
    EXPECT_EQ(first.rgb, renderer().render(scene_).rgb);
    EXPECT_EQ(secondSmall.rgb, second->render(small).rgb);
}
