#include <gtest/gtest.h>

#include <array>
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
    // The seven fields the add-on reads and writes, in its order.
    static std::array<double, 7> fields()
    {
        const zorsim::ViewState& v = view();
        return {v.position[0], v.position[1], v.position[2], v.psi, v.theta, v.alpha, v.width};
    }

    StyleValue threeDView{StringList{"THREEDVIEW"}};
};

TEST_F(ViewModelTest, RotationChangesExactlyItsAngleAndTurnsThePositionRigidly)
{
    view().rotationOrigin = {1.0, -2.0, 0.5};
    view().lookAt({1.0, -2.0, 0.5}, 7.0);
    view().position[0] += 0.75;  // the viewer stands off the line of sight
    view().psi = 170.0;
    view().theta = -20.0;
    const double distance = view().distanceToOrigin();
    const struct {
        int axis;
        double amount;
        std::size_t angleField;
        double angle;
    } turns[] = {
        {ZOR_ROTATE_PSI, 30.0, 3, -160.0}, {ZOR_ROTATE_THETA, -170.0, 4, 170.0}, {ZOR_ROTATE_ALPHA, -10.0, 5, -10.0}};
    for (const auto& turn : turns) {
        std::array<double, 7> expected = fields();
        ASSERT_TRUE(rotate(turn.axis, turn.amount));
        expected[turn.angleField] = turn.angle;
        for (std::size_t field = 3; field < 7; ++field)
            EXPECT_DOUBLE_EQ(expected[field], fields()[field]) << "axis " << turn.axis << " field " << field;
        EXPECT_NEAR(distance, view().distanceToOrigin(), 1e-9) << "axis " << turn.axis;
        EXPECT_GT(std::hypot(view().position[0] - expected[0], view().position[1] - expected[1],
                             view().position[2] - expected[2]),
                  0.1)
            << "axis " << turn.axis << " left the viewer where it stood";
    }
}

TEST_F(ViewModelTest, RotationByZeroAboutAnotherAxisOrInAnotherPlotChangesNothing)
{
    const std::array<double, 7> before = fields();
    EXPECT_TRUE(rotate(ZOR_ROTATE_PSI, 0.0));
    EXPECT_FALSE(rotate(2, 10.0));
    EXPECT_FALSE(ZorUtilViewRotate3D(ZOR_ROTATE_PSI, 10.0, 1.0, 0.0, 0.0, 0));
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_FALSE(rotate(ZOR_ROTATE_PSI, 10.0));
    EXPECT_EQ(before, fields());
}

TEST_F(ViewModelTest, StyleValuesAddressOneFieldEach)
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
    EXPECT_EQ(3.0, unknown);
}

TEST_F(ViewModelTest, WidthIsRefusedInPerspectiveAndKeptAcrossIt)
{
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
