#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>

#include "StyleValue.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

using ::testing::DoubleNear;
using ::testing::Pointwise;
using zorsim::Vector3;

class ViewModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
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
};

// The orientation R = Rz(theta) Rx(psi) Rz(alpha) maps the viewer's own axes
// to the data's, and a turn carries the viewer along: its place in its own
// axes stays, so it ends where the new R takes that place. With all angles 0
// a viewer 10 along its own +z stands on the data's +z looking at the origin;
// Rx(90) takes that place to the data's -y, and with psi at 90 Rz(90) takes
// -y on to +x. Alpha spins about the line of sight: a viewer one unit off it
// along its own x moves to its own y.
TEST_F(ViewModelTest, ATurnChangesExactlyItsAngleAndCarriesTheViewerAlong)
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
        view().psi = turn.anglesBefore[0];
        view().theta = turn.anglesBefore[1];
        view().alpha = turn.anglesBefore[2];
        view().width = 3.0;
        ASSERT_TRUE(rotate(turn.axis, turn.amount));
        EXPECT_THAT(view().position, Pointwise(DoubleNear(1e-9), plus(origin, turn.to)));
        EXPECT_EQ(turn.anglesAfter, (std::array<double, 3>{view().psi, view().theta, view().alpha}));
        EXPECT_EQ(3.0, view().width);
        EXPECT_NEAR(std::hypot(turn.to[0], turn.to[1], turn.to[2]), view().distanceToOrigin(), 1e-9);
    }
}

TEST_F(ViewModelTest, ATurnByZeroAboutAnotherAxisOrInAnotherPlotChangesNothing)
{
    const std::array<double, 7> before = fields();
    EXPECT_TRUE(rotate(ZOR_ROTATE_PSI, 0.0));
    EXPECT_FALSE(rotate(2, 10.0));
    EXPECT_FALSE(ZorUtilViewRotate3D(ZOR_ROTATE_PSI, 10.0, 1.0, 0.0, 0.0, 0));
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_FALSE(rotate(ZOR_ROTATE_PSI, 10.0));
    EXPECT_EQ(before, fields());
}

TEST_F(ViewModelTest, StyleValuesAddressOneFieldEachAndTheWidthIsKeptThroughPerspective)
{
    const StringList paths[] = {{"VIEWERPOSITION", "X"},
                                {"VIEWERPOSITION", "Y"},
                                {"VIEWERPOSITION", "Z"},
                                {"PSIANGLE"},
                                {"THETAANGLE"},
                                {"ALPHAANGLE"},
                                {"VIEWWIDTH"}};
    for (std::size_t field = 0; field < 7; ++field) {
        std::array<double, 7> expected = fields();
        expected[field] = 11.0 + static_cast<double>(field);
        ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(expected[field], paths[field])));
        EXPECT_EQ(expected, fields()) << paths[field].get(0);
        double read = 0.0;
        ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.get(read, paths[field])));
        EXPECT_EQ(expected[field], read);
    }
    double unknown = 3.0;
    EXPECT_FALSE(StyleValue::returnCodeOk(threeDView.get(unknown, StringList{"VIEWERPOSITION", "W"})));

    ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(true, StringList{"DRAWINPERSPECTIVE"})));
    EXPECT_FALSE(StyleValue::returnCodeOk(threeDView.set(9.0, StringList{"VIEWWIDTH"})));
    ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(false, StringList{"DRAWINPERSPECTIVE"})));
    EXPECT_EQ(17.0, view().width);
}

}  // namespace
