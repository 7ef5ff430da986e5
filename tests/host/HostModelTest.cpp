// The host model where its own rules decide what the add-on's tests and
// zorhost's users see: the bookkeeping the fixture's checks trust, how the
// view turns, which zones a frame draws, when an export starts and ends in a
// movie, and when a change waits to be shown.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "StyleValue.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace {

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;
using zorsim::Vector3;

class HostModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }

    static void setUpMovie(zorsim::ExportFormat format, const std::string& fileName)
    {
        ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, static_cast<int>(format));
        ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, reinterpret_cast<ZorArbParam>(fileName.c_str()));
    }

    static zorsim::ViewState& view() { return host().view.current(); }
    static bool rotate(int axis, double amount) { return ZorUtilViewRotate3D(axis, amount, 0.0, 0.0, 0.0, 0); }
    // The seven fields the add-on reads and writes, in its order.
    static std::array<double, 7> fields()
    {
        const zorsim::ViewState& v = view();
        return {v.position[0], v.position[1], v.position[2], v.psi, v.theta, v.alpha, v.width};
    }
    static Vector3 plus(const Vector3& a, const Vector3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }

    StyleValue threeDView{StringList{"THREEDVIEW"}};
    TempFolder folder;
    const std::string target = folder.path("movie.avi");
};

// The lock nests; a string is out until freed, and a second free or a free of
// something never handed out is a fault that releases nothing, also after
// further allocations.
TEST_F(HostModelTest, LockAndHandedOutStringsCountEveryMisuse)
{
    ZorUtilLockStart(7);
    ZorUtilLockStart(7);
    ZorUtilLockFinish(7);
    EXPECT_FALSE(host().lock.isBalanced());
    ZorUtilLockFinish(7);
    EXPECT_TRUE(host().lock.isBalanced());
    ZorUtilLockFinish(7);
    EXPECT_FALSE(host().lock.isBalanced()) << "a finish without a start";

    char* string = ZorUtilStringAlloc(14, nullptr);
    char* stringCopy = string;
    ZorUtilStringDealloc(&string);
    EXPECT_EQ(nullptr, string);
    char* other = ZorUtilStringAlloc(14, nullptr);
    ZorUtilStringDealloc(&stringCopy);
    EXPECT_EQ(1U, host().memory.stringsOut());
    ZorUtilStringDealloc(&other);

    char foreign[] = "not handed out";
    char* foreignPointer = foreign;
    ZorUtilStringDealloc(&foreignPointer);
    EXPECT_TRUE(host().memory.nothingOut());
    EXPECT_EQ(2, host().memory.faults());
    freshHost();
}

// The orientation R = Rz(theta) Rx(psi) Rz(alpha) maps the viewer's own axes
// to the data's, and a turn carries the viewer along: its place in its own
// axes stays, so it ends where the new R takes that place. With all angles 0
// a viewer 10 along its own +z stands on the data's +z looking at the origin;
// Rx(90) takes that place to the data's -y, and with psi at 90 Rz(90) takes
// -y on to +x. Alpha spins about the line of sight: a viewer one unit off it
// along its own x moves to its own y.
TEST_F(HostModelTest, ATurnChangesExactlyItsAngleAndCarriesTheViewerAlong)
{
    const Vector3 origin{1.0, -2.0, 0.5};
    const struct {
        int axis;
        double amount;
        std::array<double, 3> anglesBefore;
        std::array<double, 3> anglesAfter;
        Vector3 from;
        Vector3 to;
    } turns[] = {
        {ZOR_ROTATE_PSI, 90.0, {0.0, 0.0, 0.0}, {90.0, 0.0, 0.0}, {0.0, 0.0, 10.0}, {0.0, -10.0, 0.0}},
        {ZOR_ROTATE_THETA, 90.0, {90.0, 0.0, 0.0}, {90.0, 90.0, 0.0}, {0.0, -10.0, 0.0}, {10.0, 0.0, 0.0}},
        {ZOR_ROTATE_ALPHA, 90.0, {0.0, 0.0, 0.0}, {0.0, 0.0, 90.0}, {1.0, 0.0, 10.0}, {0.0, 1.0, 10.0}},
        // Angles stay in [-180, 180]; a viewer at the origin stays there.
        {ZOR_ROTATE_PSI, 30.0, {170.0, -20.0, 5.0}, {-160.0, -20.0, 5.0}, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
        {ZOR_ROTATE_THETA, -170.0, {10.0, -20.0, 5.0}, {10.0, 170.0, 5.0}, {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}},
    };
    for (const auto& turn : turns) {
        SCOPED_TRACE(testing::Message() << "axis " << turn.axis << " by " << turn.amount);
        view().rotationOrigin = origin;
        view().position = plus(origin, turn.from);
        std::tie(view().psi, view().theta, view().alpha) = std::tuple_cat(turn.anglesBefore);
        view().width = 3.0;
        ASSERT_TRUE(rotate(turn.axis, turn.amount));
        EXPECT_THAT(view().position, Pointwise(DoubleNear(1e-9), plus(origin, turn.to)));
        EXPECT_EQ(turn.anglesAfter, (std::array<double, 3>{view().psi, view().theta, view().alpha}));
        EXPECT_EQ(3.0, view().width);
        EXPECT_NEAR(std::hypot(turn.to[0], turn.to[1], turn.to[2]), view().distanceToOrigin(), 1e-9);
    }
}

// A turn by zero, about no axis of the viewer or outside a 3D plot changes
// nothing; each style value addresses one field, and the width cannot be set
// while the view is in perspective.
TEST_F(HostModelTest, OnlyTheAddressedFieldChanges)
{
    std::array<double, 7> expected = fields();
    EXPECT_TRUE(rotate(ZOR_ROTATE_PSI, 0.0));
    EXPECT_FALSE(rotate(2, 10.0));
    EXPECT_FALSE(ZorUtilViewRotate3D(ZOR_ROTATE_PSI, 10.0, 1.0, 0.0, 0.0, 0));
    EXPECT_EQ(expected, fields());
    const char* const names[] = {"X", "Y", "Z", "PSIANGLE", "THETAANGLE", "ALPHAANGLE", "VIEWWIDTH"};
    for (std::size_t field = 0; field < 7; ++field) {
        const StringList path = field < 3 ? StringList{"VIEWERPOSITION", names[field]} : StringList{names[field]};
        expected[field] = 11.0 + static_cast<double>(field);
        ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(expected[field], path)));
        EXPECT_EQ(expected, fields()) << names[field];
    }
    ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(true, StringList{"DRAWINPERSPECTIVE"})));
    EXPECT_FALSE(StyleValue::returnCodeOk(threeDView.set(9.0, StringList{"VIEWWIDTH"})));
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_FALSE(rotate(ZOR_ROTATE_PSI, 10.0));
    ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(false, StringList{"DRAWINPERSPECTIVE"})));
    EXPECT_EQ(expected, fields());
}

TEST_F(HostModelTest, AFrameDrawsItsStaticZonesAndTheDueZoneOfEachStrand)
{
    for (const auto& [strand, time] : {std::pair{0, 0.0}, {1, 1.0}, {1, 2.0}, {1, 3.0}, {2, 5.0}, {2, 4.0}})
        host().dataSet.addZone(strand, time);
    host().dataSet.addZone(1, 2.5, false);
    const struct {
        double time;
        std::vector<int> drawn;
    } cases[] = {
        {0.0, {1, 2, 6}},  // all of each strand later: the earliest
        {2.0, {1, 3, 6}},  // a zone of the current time is due
        {2.5, {1, 3, 6}},  // a disabled zone is never drawn
        {4.0, {1, 4, 6}}, {5.0, {1, 4, 5}}, {9.0, {1, 4, 5}},
    };
    for (const auto& each : cases) {
        ASSERT_TRUE(ZorUtilSolutionTimeSetCurrent(each.time));
        EXPECT_EQ(each.drawn, host().dataSet.drawnZones()) << "at time " << each.time;
    }
}

TEST_F(HostModelTest, AnExportStartsOnlyForAMovieItCanWriteWhichAppearsUnderItsNameWhenComplete)
{
    using zorsim::ExportFormat;
    EXPECT_FALSE(ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, 0)) << "a null text";
    EXPECT_FALSE(ZorUtilExportSetup("NOSUCHKEYWORD", nullptr, 0.0, 1));
    const std::pair<ExportFormat, std::string> refused[] = {{ExportFormat::PNG, target},
                                                            {ExportFormat::AVI, ""},
                                                            {ExportFormat::AVI, folder.path("no/m.avi")},
                                                            {ExportFormat::AVI, folder.root()}};
    for (const auto& [format, fileName] : refused) {
        setUpMovie(format, fileName);
        EXPECT_FALSE(ZorUtilExportStart()) << static_cast<int>(format) << " " << fileName;
    }
    setUpMovie(ExportFormat::AVI, target);
    ASSERT_TRUE(ZorUtilExportStart());
    EXPECT_FALSE(ZorUtilExportStart()) << "one movie at a time";
    EXPECT_TRUE(ZorUtilExportNextFrame());
    EXPECT_FALSE(std::filesystem::exists(target)) << "an unfinished movie is not under its name";
    EXPECT_TRUE(ZorUtilExportFinish());
    EXPECT_THAT(folder.entries(), ElementsAre("movie.avi"));
    EXPECT_FALSE(ZorUtilExportNextFrame()) << "no movie runs any more";
    EXPECT_FALSE(ZorUtilExportFinish());
}

// A window repaints when told that a change waits: told once per change made
// while drawing is on, once when drawing comes back on after changes, never
// for settings that change no picture, and not after a redraw showed it.
TEST_F(HostModelTest, AFaceIsToldOnceWhenAChangeStartsToWaitToBeShown)
{
    int told = 0;
    host().drawing.onChangeWaiting = [&told] { ++told; };
    const auto turn = [] { rotate(ZOR_ROTATE_THETA, 5.0); };
    const auto setSpeed = [] { ZorUtilExportSetup("ANIMATIONSPEED", nullptr, 12.0, 0); };
    const auto redraw = [] { ZorUtilRedraw(true); };
    struct Case {
        const char* what;
        std::vector<std::function<void()>> steps;
        int told;
        bool waiting;
    };
    const Case cases[] = {
        {"a turn", {turn}, 1, true},
        {"two turns before the repaint", {turn, turn}, 1, true},
        {"a turn and a redraw", {turn, redraw}, 1, false},
        {"an export setting", {setSpeed}, 0, false},
        {"turns with drawing off", {[] { ZorUtilDrawGraphics(false); }, turn, turn}, 0, false},
        {"drawing back on", {[] { ZorUtilDrawGraphics(false); }, turn, [] { ZorUtilDrawGraphics(true); }}, 1, true},
        {"the solution time", {[] { ZorUtilSolutionTimeSetCurrent(0.0); }}, 1, true},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.what);
        host().drawing.changesShown();
        told = 0;
        for (const auto& step : each.steps)
            step();
        EXPECT_EQ(each.told, told);
        EXPECT_EQ(each.waiting, host().drawing.isChangeWaiting());
        while (!host().drawing.isDrawing())
            ZorUtilDrawGraphics(true);
    }
    host().drawing.onChangeWaiting = nullptr;
}

}  // namespace
