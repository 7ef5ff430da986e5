#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ZorUtil.h"
#include "addon/KeyFrameError.h"
#include "keyframes/ViewCapture.h"
#include "support/HostFixture.h"

namespace {

class ViewCaptureTest : public HostFixture {
protected:
    ViewCaptureTest() : HostFixture(HostLogging::On) {}

    static zorsim::ViewState& hostView() { return host().view.current(); }
};

TEST_F(ViewCaptureTest, CaptureOutside3DIsRefused)
{
    for (int plotType : {ZOR_PLOT_CARTESIAN2D, ZOR_PLOT_XYLINE, ZOR_PLOT_POLAR, ZOR_PLOT_SKETCH}) {
        freshHost();
        addFrame(plotType);
        EXPECT_THROW_MSG(captureCurrentView(), KeyFrameError, "The current frame must be in 3D Cartesian mode.");
    }
    freshHost();
    EXPECT_THROW_MSG(captureCurrentView(), KeyFrameError, "The current frame must be in 3D Cartesian mode.");
}

TEST_F(ViewCaptureTest, CaptureConvertsRadiansToDegrees)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    hostView().psi = 90.0;
    hostView().theta = -90.0;
    hostView().alpha = 0.0;
    hostView().position = {1.5, -2.5, 3.5};
    hostView().width = 6.25;
    const ThreeDView_s view = captureCurrentView();
    EXPECT_DOUBLE_EQ(90.0, view.psi);
    EXPECT_DOUBLE_EQ(-90.0, view.theta);
    EXPECT_EQ(0.0, view.alpha);
    EXPECT_EQ(ThreeDView_s(1.5, -2.5, 3.5, view.psi, view.theta, 0.0, 6.25), view);
}

TEST_F(ViewCaptureTest, AppliedViewIsCapturedBackUnchanged)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    const ThreeDView_s applied(3.0, -4.0, 12.0, 30.0, -120.0, 15.0, 2.75);
    applyView(applied);
    const ThreeDView_s captured = captureCurrentView();
    EXPECT_DOUBLE_EQ(applied.x, captured.x);
    EXPECT_DOUBLE_EQ(applied.y, captured.y);
    EXPECT_DOUBLE_EQ(applied.z, captured.z);
    EXPECT_DOUBLE_EQ(applied.psi, captured.psi);
    EXPECT_DOUBLE_EQ(applied.theta, captured.theta);
    EXPECT_DOUBLE_EQ(applied.alpha, captured.alpha);
    EXPECT_DOUBLE_EQ(applied.width, captured.width);
}

TEST_F(ViewCaptureTest, ApplySetsEveryValueInOrderWithDrawingSuspended)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    hostView().perspective = true;
    applyView(ThreeDView_s(1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0));
    const std::vector<std::string> expected = {
        "ZorUtilLockStart",
        "ZorUtilLockStart",
        "ZorUtilDrawGraphics 0",
        "StyleValue::set THREEDVIEW PSIANGLE 4",
        "StyleValue::set THREEDVIEW THETAANGLE 5",
        "StyleValue::set THREEDVIEW ALPHAANGLE 6",
        "StyleValue::set THREEDVIEW VIEWERPOSITION X 1",
        "StyleValue::set THREEDVIEW VIEWERPOSITION Y 2",
        "StyleValue::set THREEDVIEW VIEWERPOSITION Z 3",
        "StyleValue::get THREEDVIEW DRAWINPERSPECTIVE",
        "StyleValue::set THREEDVIEW DRAWINPERSPECTIVE false",
        "StyleValue::set THREEDVIEW VIEWWIDTH 7",
        "StyleValue::set THREEDVIEW DRAWINPERSPECTIVE true",
        "ZorUtilDrawGraphics 1",
        "ZorUtilLockFinish",
        "ZorUtilLockFinish",
    };
    EXPECT_EQ(expected, host().calls.all());
    EXPECT_TRUE(host().drawing.isDrawing());
    EXPECT_TRUE(hostView().perspective);
    EXPECT_EQ(7.0, hostView().width);
}

TEST_F(ViewCaptureTest, ApplyWithAnUnreadablePerspectiveFlagLeavesItOff)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    hostView().perspective = true;
    host().styles.failGets("THREEDVIEW DRAWINPERSPECTIVE");
    applyView(ThreeDView_s(0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 3.0));
    EXPECT_FALSE(hostView().perspective);
    EXPECT_EQ(3.0, hostView().width);
}

TEST_F(ViewCaptureTest, NormalizeAngleStaysInsideHalfTurns)
{
    const struct {
        double angle;
        double expected;
    } cases[] = {
        {540.0, 180.0},  {181.0, -179.0}, {-180.0, -180.0}, {-540.0, -180.0}, {180.0, 180.0},
        {-181.0, 179.0}, {0.0, 0.0},      {720.0, 0.0},     {-179.5, -179.5}, {1080.25, 0.25},
    };
    for (const auto& each : cases) {
        double angle = each.angle;
        normalizeAngle(angle);
        EXPECT_EQ(each.expected, angle) << "from " << each.angle;
    }
}

TEST_F(ViewCaptureTest, NormalizeAngleEndsForHugeAndNonFiniteAngles)
{
    for (double huge : {1e300, -1e300, 3.6e15 + 90.0}) {
        double angle = huge;
        normalizeAngle(angle);
        EXPECT_LE(angle, 180.0) << huge;
        EXPECT_GE(angle, -180.0) << huge;
    }
    double infinite = std::numeric_limits<double>::infinity();
    normalizeAngle(infinite);
    EXPECT_TRUE(std::isinf(infinite));
}

}  // namespace
