#include "render/Renderer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numeric>

#include "render/SceneGeometry.h"
#include "render/ViewTransform.h"
#include "sample/SampleData.h"

using namespace zorhost;
using ::testing::Each;
using ::testing::FloatEq;
using ::testing::Gt;
using ::testing::Lt;
using ::testing::Pair;
using ::testing::Pointwise;

namespace {

// One renderer for the whole program: a context is costly to make.
Renderer& renderer()
{
    static std::unique_ptr<Renderer> instance = createGlRenderer();
    return *instance;
}

long brightness(const Image& image)
{
    return std::accumulate(image.rgb.begin(), image.rgb.end(), 0L);
}

long difference(const Image& a, const Image& b)
{
    long sum = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        sum += std::abs(int(a.rgb[i]) - int(b.rgb[i]));
    return sum;
}

// The centres of the pixels where `a` and `b` differ.
std::vector<std::pair<double, double>> changedPixels(const Image& a, const Image& b)
{
    std::vector<std::pair<double, double>> changed;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (std::memcmp(a.pixel(x, y), b.pixel(x, y), 3) != 0)
                changed.emplace_back(x + 0.5, y + 0.5);
    return changed;
}

// x and y of each vertex in turn.
std::vector<float> planeOf(const std::vector<Vertex>& vertices)
{
    std::vector<float> xy;
    for (const Vertex& vertex : vertices)
        xy.insert(xy.end(), {vertex.position[0], vertex.position[1]});
    return xy;
}

class RendererTest : public ::testing::Test {
protected:
    // 80 x 60 pixels looking down at the centre from above and in front, 30
    // away along the line of sight (the viewer's +z axis, in data
    // coordinates the third row of the turn).
    RendererTest() : sample_(makeWaveSample(3, 0.0, 2.0))
    {
        scene_.width = 80;
        scene_.height = 60;
        scene_.zones = {&sample_.zones[0].geometry};
        scene_.bounds = sample_.bounds;
        scene_.heightMin = sample_.heightMin;
        scene_.heightMax = sample_.heightMax;
        scene_.camera.psi = 50.0;
        scene_.camera.theta = 20.0;
        scene_.camera.width = 14.0;
        scene_.camera.position = {0.0f, 0.0f, 0.0f};
        const Matrix4 turn = rotationMatrix(scene_.camera);
        scene_.camera.position = {turn[2] * 30.0f, turn[6] * 30.0f, turn[10] * 30.0f};
    }

    SampleDataSet sample_;
    Scene scene_;
};

}  // namespace

TEST_F(RendererTest, DrawsAMarkerWhereTheViewPutsIt)
{
    // From 20 up the z axis, 8 units wide: x to the right, y up; theta turns
    // the view about z; in perspective the 30 degrees across span the
    // picture's width at the marker's depth.
    Camera down;
    down.position = {0.0f, 0.0f, 20.0f};
    down.width = 8.0;
    Camera turned = down;
    turned.theta = 90.0;
    Camera perspective = down;
    perspective.perspective = true;
    const double spread = 40.0 / std::tan(15.0 * std::acos(-1.0) / 180.0);
    const struct {
        Camera camera;
        Point3 point;
        std::pair<double, double> pixel;
    } cases[] = {
        {scene_.camera, {0, 0, 0}, {40.0, 30.0}},
        {down, {2, 1, 0}, {60.0, 20.0}},
        {turned, {2, 0, 0}, {40.0, 50.0}},
        {perspective, {1, 0, 0}, {40.0 + spread / 20.0, 30.0}},
        {perspective, {1, 0, 5}, {40.0 + spread / 15.0, 30.0}},
    };
    scene_.bounds = {{-4, -4, -1}, {4, 4, 6}};
    scene_.showFrameAxis = false;
    scene_.streamtraces = {true, false, 0.0, 1.0};
    scene_.zones = {};
    const Image empty = renderer().render(scene_);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixel.first);
        ZoneGeometry zone;
        zone.streamtraces = {Streamtrace{{c.point, c.point}, {0.0, 1.0}}};
        scene_.zones = {&zone};
        scene_.camera = c.camera;
        const std::vector<std::pair<double, double>> changed = changedPixels(empty, renderer().render(scene_));
        ASSERT_FALSE(changed.empty());
        std::pair<double, double> sum;
        for (const auto& [x, y] : changed)
            sum = {sum.first + x, sum.second + y};
        const double count = static_cast<double>(changed.size());
        EXPECT_NEAR(c.pixel.first, sum.first / count, 0.5);
        EXPECT_NEAR(c.pixel.second, sum.second / count, 0.5);
    }
}

TEST_F(RendererTest, LightSolutionTimeMarksAndSupersamplingChangeThePictureOfTheExportSize)
{
    const Image plain = renderer().render(scene_);
    ASSERT_EQ(80, plain.width);
    ASSERT_EQ(60, plain.height);
    EXPECT_GT(brightness(plain), 80L * 60 * 3 * 20);

    Scene later = scene_;
    later.zones = {&sample_.zones[1].geometry};
    EXPECT_GT(difference(plain, renderer().render(later)), 80L * 60 * 3);
    for (const bool markers : {true, false}) {
        SCOPED_TRACE(markers);
        Scene marked = scene_;
        marked.streamtraces = {markers, !markers, 0.0, 0.5};
        const Image atZero = renderer().render(marked);
        EXPECT_GT(difference(plain, atZero), 0);
        marked.streamtraces.timeAnchor = 0.25;
        EXPECT_GT(difference(atZero, renderer().render(marked)), 0);
    }

    // Supersampling keeps the size and smooths edges: roughly the same picture.
    Scene smooth = scene_;
    smooth.supersample = 3;
    const Image smoothed = renderer().render(smooth);
    ASSERT_EQ(std::make_pair(80, 60), std::make_pair(smoothed.width, smoothed.height));
    EXPECT_GT(difference(plain, smoothed), 0);
    EXPECT_LT(difference(plain, smoothed), 80L * 60 * 3 * 20);

    scene_.lightIntensity = 0.0;
    scene_.backgroundLight = 0.0;
    scene_.streamtraces.showMarkers = true;
    EXPECT_EQ(0, brightness(renderer().render(scene_))) << "no light, a black picture";
    scene_.backgroundLight = 10.0;
    const long dim = brightness(renderer().render(scene_));
    EXPECT_GT(dim, 0);
    EXPECT_LT(dim, brightness(plain));

    scene_.width = 0;
    EXPECT_THROW(renderer().render(scene_), RenderError);
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
    EXPECT_THAT(planeOf(streamtraceMarkers(scene_)), Pointwise(FloatEq(), {0.25f, 0.0f, 1.0f, 0.25f, 1.0f, 1.25f}));
    // Dashes over [0.25, 1.25] and [2.25, 3]; the first bends at the corner.
    EXPECT_THAT(planeOf(streamtraceDashes(scene_)),
                Pointwise(FloatEq(), {0.25f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.25f, 1.0f, 1.25f, 1.0f, 2.0f}));

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
    const std::vector<std::pair<double, double>> changed = changedPixels(shown, renderer().render(scene_));
    EXPECT_FALSE(changed.empty());
    EXPECT_THAT(changed, Each(Pair(Lt(20.0), Gt(40.0))));
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
