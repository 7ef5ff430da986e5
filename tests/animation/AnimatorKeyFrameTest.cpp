#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "addon/KeyFrameError.h"
#include "animation/AnimationTestSupport.h"
#include "animation/AnimatorKeyFrame.h"
#include "support/HostFixture.h"

namespace {

using testing::Pointwise;

// Two angles in degrees that point the same way.
MATCHER(SameAngle, "")
{
    return std::abs(std::remainder(std::get<0>(arg) - std::get<1>(arg), 360.0)) < 1e-9;
}

const auto viewerX = [](const zorsim::ViewState& view) { return view.position[0]; };
const auto viewerPsi = [](const zorsim::ViewState& view) { return view.psi; };
const auto viewWidth = [](const zorsim::ViewState& view) { return view.width; };

class AnimatorKeyFrameTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }

    // One value of the host's view at every frame the animator shows.
    template <typename Field>
    static std::vector<double> shown(const std::vector<KeyFrame_s>& keyFrames, Field field)
    {
        AnimatorKeyFrame animator(keyFrames, nullptr);
        std::vector<double> values;
        for (uint32_t frame = 0; frame < animator.getNumFrames(); ++frame) {
            animator.animateFrame(frame);
            values.push_back(field(host().view.current()));
        }
        EXPECT_THROW(animator.animateFrame(animator.getNumFrames()), std::out_of_range);
        return values;
    }
};

TEST_F(AnimatorKeyFrameTest, PositionsMoveInEqualStepsAndAKeyFrameWithoutFramesSharesTheNextOnesFrame)
{
    const struct {
        std::vector<KeyFrame_s> keyFrames;
        std::vector<double> x;
    } cases[] = {
        {{keyFrameAt(0.0, 4), keyFrameAt(4.0, 1), keyFrameAt(-2.0, 3)}, {0, 1, 2, 3, 4, -2}},
        {{keyFrameAt(0.0, 2), keyFrameAt(4.0, 0), keyFrameAt(8.0, 3), keyFrameAt(2.0, 0), keyFrameAt(5.0, 0)},
         {0, 2, 8, 6, 4, 5}},
        {{keyFrameAt(3.0, 0), keyFrameAt(1.0, 2), keyFrameAt(5.0, 9)}, {1, 3, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keyFrames.size());
        EXPECT_THAT(shown(c.keyFrames, viewerX), Pointwise(testing::DoubleNear(1e-12), c.x));
    }
}

TEST_F(AnimatorKeyFrameTest, AnglesTurnTheShortWayInEqualSteps)
{
    const struct {
        double from;
        double to;
        uint32_t frameCount;
        std::vector<double> psi;
    } cases[] = {
        {170.0, -170.0, 2, {170.0, 180.0, -170.0}},           {170.0, -170.0, 4, {170.0, 175.0, 180.0, -175.0, -170.0}},
        {-170.0, 170.0, 2, {-170.0, -180.0, 170.0}},          {0.0, 180.0, 4, {0.0, 45.0, 90.0, 135.0, 180.0}},
        {100.0, -80.0, 4, {100.0, 55.0, 10.0, -35.0, -80.0}},
    };
    const auto withPsi = [](double psi, uint32_t frameCount) {
        return KeyFrame_s(ThreeDView_s(0.0, 0.0, 10.0, psi, 30.0, 0.0, 2.0), "Key Frame", frameCount, 0.0);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to);
        const std::vector<KeyFrame_s> keyFrames = {withPsi(c.from, c.frameCount), withPsi(c.to, 1)};
        EXPECT_THAT(shown(keyFrames, viewerPsi), Pointwise(SameAngle(), c.psi));
    }
}

TEST_F(AnimatorKeyFrameTest, WidthIsSetWithPerspectiveOffAndPerspectiveKept)
{
    host().view.current().perspective = true;
    const std::vector<double> widths = shown({KeyFrame_s(ThreeDView_s(0, 0, 0, 0, 0, 0, 2.0), "A", 2, 0.0),
                                              KeyFrame_s(ThreeDView_s(0, 0, 0, 0, 0, 0, 4.0), "B", 1, 0.0)},
                                             viewWidth);
    EXPECT_THAT(widths, Pointwise(testing::DoubleEq(), std::vector<double>{2.0, 3.0, 4.0}));
    EXPECT_TRUE(host().view.current().perspective);
}

TEST_F(AnimatorKeyFrameTest, CancelWhileComputingStopsAfterTheViewInHand)
{
    host().status.cancelAtCheck(2);
    EXPECT_THROW(AnimatorKeyFrame(listOfFrames(10), nullptr), KeyFrameError);
    EXPECT_EQ(2, host().status.checks());
    EXPECT_FALSE(host().status.isShown());
    EXPECT_EQ("Creating interpolated views.... Press [Esc] or click [Stop] to cancel.", host().status.texts().at(0));
}

}  // namespace
