#include "render/Renderer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

#include "render/SceneGeometry.h"
#include "render/ViewTransform.h"
#include "sample/SampleData.h"

using namespace zorhost;
using namespace ::testing;

namespace {

// One renderer for the whole program: a context is costly to make.
Renderer& renderer()
{
    static std::unique_ptr<Renderer> instance = createGlRenderer();
    return *instance;
}

// The sum of the absolute differences of the colour values of `a` and `b`;
// `a` alone against a black picture.
long difference(const Image& a, const Image& b = Image())
{
    long sum = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        sum += std::abs(int(a.rgb[i]) - int(i < b.rgb.size() ? b.rgb[i] : 0));
    return sum;
}

// The smallest box around the centres of the pixels where `a` and `b`
// differ: left, top, right and bottom.
std::array<double, 4> changedBox(const Image& a, const Image& b)
{
    std::array<double, 4> box{1e9, 1e9, -1e9, -1e9};
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (std::memcmp(a.pixel(x, y), b.pixel(x, y), 3) != 0)
                box = {std::min(box[0], x + 0.5), std::min(box[1], y + 0.5), std::max(box[2], x + 0.5),
                       std::max(box[3], y + 0.5)};
    return box;
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
        scene_.camera.psi = 50.0;
        scene_.camera.theta = 20.0;
        scene_.camera.width = 14.0;
        const Matrix4 turn = rotationMatrix(scene_.camera);
        scene_.camera.position = {turn[2] * 30.0f, turn[6] * 30.0f, turn[10] * 30.0f};
    }

    SampleDataSet sample_;
    Scene scene_;
};

}  // namespace

TEST_F(RendererTest, MarksSitAtAnchorStepsAlongEachStreamtraceAndAreDrawnWhereTheViewPutsThem)
{
    ZoneGeometry zone;
    zone.streamtraces = {Streamtrace{{{0, 0, 0}, {1, 0, 0}, {1, 2, 0}}, {0.0, 1.0, 3.0}}};
    scene_.zones = {&zone};
    scene_.streamtraces = {true, true, 0.25, 1.0};
    // x and y of each vertex in turn.
    const auto plane = [](const std::vector<Vertex>& vertices) {
        std::vector<float> xy;
        for (const Vertex& vertex : vertices)
            xy.insert(xy.end(), {vertex.position[0], vertex.position[1]});
        return xy;
    };
    EXPECT_THAT(plane(streamtraceMarkers(scene_)), Pointwise(FloatEq(), {0.25f, 0.0f, 1.0f, 0.25f, 1.0f, 1.25f}));
    // Dashes over [0.25, 1.25] and [2.25, 3]; the first bends at the corner.
    EXPECT_THAT(plane(streamtraceDashes(scene_)),
                Pointwise(FloatEq(), {0.25f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.25f, 1.0f, 1.25f, 1.0f, 2.0f}));

    // A timing that cannot be drawn places nothing (and does not hang).
    for (double delta : {0.0, -1.0, std::nan("")}) {
        scene_.streamtraces.deltaTime = delta;
        EXPECT_TRUE(streamtraceMarkers(scene_).empty() && streamtraceDashes(scene_).empty()) << delta;
    }
    scene_.streamtraces.deltaTime = 1e-12;
    EXPECT_LE(streamtraceMarkers(scene_).size(), 4096u);

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
    const std::tuple<Camera, Point3, std::pair<double, double>> cases[] = {
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
    for (const auto& [camera, point, pixel] : cases) {
        SCOPED_TRACE(pixel.first);
        ZoneGeometry marked;
        marked.streamtraces = {Streamtrace{{point, point}, {0.0, 1.0}}};
        scene_.zones = {&marked};
        scene_.camera = camera;
        const std::array<double, 4> box = changedBox(empty, renderer().render(scene_));
        EXPECT_THAT(std::make_pair((box[0] + box[2]) / 2.0, (box[1] + box[3]) / 2.0),
                    Pair(DoubleNear(pixel.first, 0.5), DoubleNear(pixel.second, 0.5)));
    }
}

TEST_F(RendererTest, LightMarksAxisAndSupersamplingChangeThePictureOfTheExportSizeInItsOwnContext)
{
    const Image plain = renderer().render(scene_);
    ASSERT_EQ(std::make_pair(80, 60), std::make_pair(plain.width, plain.height));
    Scene changed = scene_;
    changed.width = 40;
    {
        // A second renderer of the thread draws in a context of its own, and
        // dropped while the first one's is current it leaves that one whole.
        const std::unique_ptr<Renderer> second = createGlRenderer();
        const Image narrow = second->render(changed);
        EXPECT_EQ(plain.rgb, renderer().render(scene_).rgb);
        EXPECT_EQ(narrow.rgb, second->render(changed).rgb);
        renderer().render(changed);
    }
    EXPECT_EQ(plain.rgb, renderer().render(scene_).rgb);

    // The axis triad shows in the lower left corner only.
    changed = scene_;
    changed.showFrameAxis = false;
    EXPECT_THAT(changedBox(plain, renderer().render(changed)), ElementsAre(Lt(20.0), Gt(40.0), Lt(20.0), Gt(40.0)));
    // Dashes show, and move with the time anchor.
    changed = scene_;
    changed.streamtraces = {false, true, 0.0, 0.5};
    const Image dashed = renderer().render(changed);
    changed.streamtraces.timeAnchor = 0.25;
    EXPECT_GT(difference(plain, dashed), 0);
    EXPECT_GT(difference(dashed, renderer().render(changed)), 0);
    // Supersampling keeps the size and smooths edges: roughly the same picture.
    changed = scene_;
    changed.supersample = 3;
    const Image smoothed = renderer().render(changed);
    ASSERT_EQ(std::make_pair(80, 60), std::make_pair(smoothed.width, smoothed.height));
    EXPECT_GT(difference(plain, smoothed), 0);
    EXPECT_LT(difference(plain, smoothed), 80L * 60 * 3 * 20);

    scene_.lightIntensity = 0.0;
    scene_.backgroundLight = 0.0;
    scene_.streamtraces.showMarkers = true;
    EXPECT_EQ(0, difference(renderer().render(scene_))) << "no light, a black picture";
    scene_.backgroundLight = 10.0;
    const long dim = difference(renderer().render(scene_));
    EXPECT_GT(dim, 0);
    EXPECT_LT(dim, difference(plain));

    scene_.width = 0;
    EXPECT_THROW(renderer().render(scene_), RenderError);
}

TEST_F(RendererTest, SendsEachZoneToTheGlOnceAndHoldsOnlyTheZonesOfTheLastPicture)
{
    const std::unique_ptr<Renderer> own = createGlRenderer();
    const auto uploads = [&] { return own->geometryBuffers().uploads; };
    const auto held = [&] { return own->geometryBuffers().held; };
    ZoneGeometry valued;
    valued.triangles.points = {{-3, -3, 1}, {3, -3, 1}, {3, 3, 2}, {-3, 3, 2}};
    valued.triangles.normals.assign(4, {0, 0, 1});
    valued.triangles.indices = {0, 1, 2, 0, 2, 3};
    valued.triangles.values = {0.25f, 1.5f};
    valued.triangles.valuePerTriangle = true;
    scene_.zones.push_back(&valued);
    scene_.colourVariable = "p";
    scene_.colourMax = 2.0;
    // The sample's surface and lines, and the valued surface, drawn as they
    // were when every picture sent its vertices anew.
    const Image first = own->render(scene_);
    std::uint64_t hash = 14695981039346656037ull;
    for (std::uint8_t byte : first.rgb)
        hash = (hash ^ byte) * 1099511628211ull;
    EXPECT_EQ(5266168574076758159ull, hash);
    EXPECT_EQ(3u, uploads());

    // Another colouring sends the zones again in its colours; another view
    // and markers send nothing of them again.
    scene_.colourMax = 4.0;
    EXPECT_NE(first.rgb, own->render(scene_).rgb);
    scene_.camera.theta += 30.0;
    scene_.streamtraces = {true, true, 0.5, 0.25};
    own->render(scene_);
    EXPECT_THAT(std::vector<std::size_t>({uploads(), held()}), ElementsAre(6, 3));

    // A time series holds one step's buffers; a copy of a zone (data read
    // again) is a zone of its own; a picture without zones holds none.
    for (const SampleZone& step : sample_.zones) {
        scene_.zones = {&step.geometry};
        own->render(scene_);
        EXPECT_EQ(2u, held());
    }
    const ZoneGeometry copy = sample_.zones.back().geometry;
    scene_.zones = {&copy};
    own->render(scene_);
    EXPECT_EQ(2u, held());
    // The first step was shown already; the next two and the copy were not.
    EXPECT_EQ(6u + 3u * 2u, uploads());
    scene_.zones = {};
    own->render(scene_);
    EXPECT_EQ(0u, held());
}
