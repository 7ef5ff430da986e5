#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

#include "StyleValue.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

class ViewModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }

    static zorsim::ViewState& view() { return host().view.current(); }

    static bool rotate(int axis, double amount) { return ZorUtilViewRotate3D(axis, amount, 0.0, 0.0, 0.0, 0); }
};

TEST_F(ViewModelTest, RotationTurnsThePositionRigidlyAboutTheOrigin)
{
    view().rotationOrigin = {1.0, -2.0, 0.5};
    view().lookAt({1.0, -2.0, 0.5}, 7.0);
    view().position[0] += 0.75;  // the viewer stands off the line of sight
    const double distance = view().distanceToOrigin();
    for (int axis : {ZOR_ROTATE_PSI, ZOR_ROTATE_THETA, ZOR_ROTATE_ALPHA}) {
        const zorsim::Vector3 before = view().position;
        ASSERT_TRUE(rotate(axis, 25.0));
        EXPECT_NEAR(distance, view().distanceToOrigin(), 1e-9) << "axis " << axis;
        const double moved = std::hypot(view().position[0] - before[0], view().position[1] - before[1],
                                        view().position[2] - before[2]);
        EXPECT_GT(moved, 0.1) << "axis " << axis << " left the viewer where it stood";
    }
}

TEST_F(ViewModelTest, RotationChangesExactlyItsAngleAndWraps)
{
    view().psi = 170.0;
    view().theta = -20.0;
    view().alpha = 5.0;
    ASSERT_TRUE(rotate(ZOR_ROTATE_PSI, 30.0));
    EXPECT_DOUBLE_EQ(-160.0, view().psi);
    EXPECT_EQ(-20.0, view().theta);
    EXPECT_EQ(5.0, view().alpha);
    ASSERT_TRUE(rotate(ZOR_ROTATE_THETA, -170.0));
    EXPECT_DOUBLE_EQ(170.0, view().theta);
    ASSERT_TRUE(rotate(ZOR_ROTATE_ALPHA, -10.0));
    EXPECT_DOUBLE_EQ(-5.0, view().alpha);
}

TEST_F(ViewModelTest, RotationByZeroOrAboutAnotherAxisChangesNothing)
{
    const zorsim::ViewState before = view();
    EXPECT_TRUE(rotate(ZOR_ROTATE_PSI, 0.0));
    EXPECT_FALSE(rotate(2, 10.0));
    EXPECT_FALSE(ZorUtilViewRotate3D(ZOR_ROTATE_PSI, 10.0, 1.0, 0.0, 0.0, 0));
    EXPECT_EQ(before.position, view().position);
    EXPECT_EQ(before.psi, view().psi);

    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_FALSE(rotate(ZOR_ROTATE_PSI, 10.0));
    EXPECT_EQ(before.psi, view().psi);
}

TEST_F(ViewModelTest, StyleValuesAddressOneFieldEach)
{
    StyleValue threeDView(StringList{"THREEDVIEW"});
    const struct {
        StringList path;
        double value;
        const double* field;
    } cases[] = {
        {{"PSIANGLE"}, 11.0, &view().psi},
        {{"THETAANGLE"}, 12.0, &view().theta},
        {{"ALPHAANGLE"}, 13.0, &view().alpha},
        {{"VIEWERPOSITION", "X"}, 14.0, &view().position[0]},
        {{"VIEWERPOSITION", "Y"}, 15.0, &view().position[1]},
        {{"VIEWERPOSITION", "Z"}, 16.0, &view().position[2]},
        {{"VIEWWIDTH"}, 17.0, &view().width},
    };
    for (const auto& each : cases) {
        const zorsim::ViewState before = view();
        ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(each.value, each.path)));
        EXPECT_EQ(each.value, *each.field);
        double read = 0.0;
        ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.get(read, each.path)));
        EXPECT_EQ(each.value, read);
        int changedFields = 0;
        for (std::size_t i = 0; i < 3; ++i)
            changedFields += before.position[i] != view().position[i];
        changedFields += before.psi != view().psi;
        changedFields += before.theta != view().theta;
        changedFields += before.alpha != view().alpha;
        changedFields += before.width != view().width;
        EXPECT_EQ(1, changedFields) << each.path.get(0);
    }
    double unknown = 3.0;
    EXPECT_FALSE(StyleValue::returnCodeOk(threeDView.get(unknown, StringList{"VIEWERPOSITION", "W"})));
    EXPECT_EQ(3.0, unknown);
}

TEST_F(ViewModelTest, WidthIsRefusedInPerspectiveAndKeptAcrossIt)
{
    StyleValue threeDView(StringList{"THREEDVIEW"});
    ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(4.0, StringList{"VIEWWIDTH"})));
    ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(true, StringList{"DRAWINPERSPECTIVE"})));
    EXPECT_FALSE(StyleValue::returnCodeOk(threeDView.set(9.0, StringList{"VIEWWIDTH"})));
    EXPECT_EQ(4.0, view().width);
    ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.set(false, StringList{"DRAWINPERSPECTIVE"})));
    double width = 0.0;
    ASSERT_TRUE(StyleValue::returnCodeOk(threeDView.get(width, StringList{"VIEWWIDTH"})));
    EXPECT_EQ(4.0, width);
}

}  // namespace
