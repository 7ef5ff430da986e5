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
    static zorsim::ViewState& hostView() { return host().view.current(); }
};

TEST_F(ViewCaptureTest, AnAppliedViewIsCapturedBackInDegreesWithThePerspectiveKeptAndOnlyIn3D)
{
    EXPECT_THROW(captureCurrentView(), KeyFrameError) << "no frame";
    for (const int plotType : {ZOR_PLOT_CARTESIAN2D, ZOR_PLOT_SKETCH}) {
        addFrame(plotType);
        EXPECT_THROW(captureCurrentView(), KeyFrameError) << plotType;
    }
    addFrame(ZOR_PLOT_CARTESIAN3D);
    hostView().perspective = true;
    applyView(ThreeDView_s(3.0, -4.0, 12.0, 90.0, -120.0, 15.0, 2.75));
    EXPECT_EQ(2.75, hostView().width) << "the width is set with the perspective off";
    EXPECT_TRUE(hostView().perspective);
    const ThreeDView_s captured = captureCurrentView();
    EXPECT_EQ(ThreeDView_s(3.0, -4.0, 12.0, captured.psi, captured.theta, captured.alpha, 2.75), captured);
    EXPECT_DOUBLE_EQ(90.0, captured.psi);
    EXPECT_DOUBLE_EQ(-120.0, captured.theta);
    EXPECT_DOUBLE_EQ(15.0, captured.alpha);

    host().styles.failGets("THREEDVIEW DRAWINPERSPECTIVE");
    applyView(ThreeDView_s(0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 3.0));
    EXPECT_FALSE(hostView().perspective) << "an unreadable perspective flag is left off";
}

// Ordinary angles step into [-180, 180]; huge ones end there too, and
// non-finite ones are left as they are.
TEST_F(ViewCaptureTest, NormalizeAngleBringsEveryFiniteAngleIntoHalfTurns)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        double angle;
        double expected;
    } cases[] = {
        {540.0, 180.0},  {181.0, -179.0}, {-180.0, -180.0}, {-540.0, -180.0}, {180.0, 180.0},
        {-181.0, 179.0}, {720.0, 0.0},    {-179.5, -179.5}, {1080.25, 0.25},  {infinity, infinity},
    };
    for (const auto& each : cases) {
        double angle = each.angle;
        normalizeAngle(angle);
        EXPECT_EQ(each.expected, angle) << "from " << each.angle;
    }
    for (double huge : {1e300, -1e300, 3.6e15 + 90.0}) {
        normalizeAngle(huge);
        EXPECT_LE(std::fabs(huge), 180.0);
    }
}

}  // namespace
