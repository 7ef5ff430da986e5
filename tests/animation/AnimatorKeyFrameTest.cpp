#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "addon/KeyFrameError.h"
#include "animation/AnimationTestSupport.h"
#include "animation/AnimatorKeyFrame.h"
#include "support/HostFixture.h"

namespace {

class AnimatorKeyFrameTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }

    static KeyFrame_s keyFrameWithPsi(double psi, uint32_t frameCount)
    {
        return KeyFrame_s(ThreeDView_s(0.0, 0.0, 10.0, psi, 30.0, 0.0, 2.0), "Key Frame", frameCount, 0.0);
    }

    // The host's view at every frame the animator shows.
    static std::vector<zorsim::ViewState> viewsShown(const std::vector<KeyFrame_s>& keyFrames)
    {
        AnimatorKeyFrame animator(keyFrames, nullptr);
        std::vector<zorsim::ViewState> views;
        for (uint32_t frame = 0; frame < animator.getNumFrames(); ++frame) {
            animator.animateFrame(frame);
            views.push_back(host().view.current());
        }
        EXPECT_THROW(animator.animateFrame(animator.getNumFrames()), std::out_of_range);
        return views;
    }

    static void expectShows(const ThreeDView_s& expected, const zorsim::ViewState& shown, uint32_t frame)
    {
        const ThreeDView_s actual(shown.position[0], shown.position[1], shown.position[2], shown.psi, shown.theta,
                                  shown.alpha, shown.width);
        EXPECT_EQ(expected, actual) << "frame " << frame;
    }

    static std::vector<double> psisShown(const std::vector<KeyFrame_s>& keyFrames)
    {
        std::vector<double> psis;
        for (const zorsim::ViewState& view : viewsShown(keyFrames))
            psis.push_back(view.psi);
        return psis;
    }
};

TEST_F(AnimatorKeyFrameTest, PositionsMoveInEqualStepsAndKeyFramesAreShownExactly)
{
    const std::vector<KeyFrame_s> keyFrames = {keyFrameAt(0.0, 4), keyFrameAt(4.0, 1), keyFrameAt(-2.0, 3)};
    const std::vector<zorsim::ViewState> views = viewsShown(keyFrames);
    ASSERT_EQ(6U, views.size()) << "the last key frame's count is not used";
    const std::vector<double> expectedX = {0, 1, 2, 3, 4, -2};
    for (std::size_t frame = 0; frame < views.size(); ++frame)
        EXPECT_DOUBLE_EQ(expectedX[frame], views[frame].position[0]) << "frame " << frame;
    expectShows(keyFrames[0].view, views[0], 0);
    expectShows(keyFrames[1].view, views[4], 4);
    expectShows(keyFrames[2].view, views[5], 5);
}

TEST_F(AnimatorKeyFrameTest, AnglesTurnTheShortWayInEqualSteps)
{
    struct Case {
        double from;
        double to;
        uint32_t frameCount;
        std::vector<double> expected;
    };
    const std::vector<Case> cases = {
        {170.0, -170.0, 2, {170.0, 180.0, -170.0}},           {170.0, -170.0, 4, {170.0, 175.0, 180.0, -175.0, -170.0}},
        {-170.0, 170.0, 2, {-170.0, -180.0, 170.0}},          {0.0, 180.0, 4, {0.0, 45.0, 90.0, 135.0, 180.0}},
        {100.0, -80.0, 4, {100.0, 55.0, 10.0, -35.0, -80.0}},
    };
    for (const Case& c : cases) {
        const std::vector<double> psis = psisShown({keyFrameWithPsi(c.from, c.frameCount), keyFrameWithPsi(c.to, 1)});
        ASSERT_EQ(c.expected.size(), psis.size()) << c.from << " to " << c.to;
        for (std::size_t frame = 0; frame < psis.size(); ++frame) {
            const double difference = std::remainder(psis[frame] - c.expected[frame], 360.0);
            EXPECT_NEAR(0.0, difference, 1e-9) << c.from << " to " << c.to << ", frame " << frame;
        }
    }
}

TEST_F(AnimatorKeyFrameTest, AKeyFrameWithoutFramesSharesItsFrameWithTheNext)
{
    const std::vector<KeyFrame_s> keyFrames = {keyFrameAt(0.0, 2), keyFrameAt(4.0, 0), keyFrameAt(8.0, 3),
                                               keyFrameAt(2.0, 0), keyFrameAt(5.0, 0)};
    const std::vector<zorsim::ViewState> views = viewsShown(keyFrames);
    ASSERT_EQ(6U, views.size()) << "1 + 2 + 0 + 3 + 0 frames";
    EXPECT_DOUBLE_EQ(2.0, views[1].position[0]) << "halfway to key frame 1";
    expectShows(keyFrames[2].view, views[2], 2);
    EXPECT_DOUBLE_EQ(6.0, views[3].position[0]);
    EXPECT_DOUBLE_EQ(4.0, views[4].position[0]);
    expectShows(keyFrames[4].view, views[5], 5);

    const std::vector<zorsim::ViewState> leading =
        viewsShown({keyFrameAt(3.0, 0), keyFrameAt(1.0, 2), keyFrameAt(5.0, 9)});
    ASSERT_EQ(3U, leading.size());
    EXPECT_DOUBLE_EQ(1.0, leading[0].position[0]);
    EXPECT_DOUBLE_EQ(3.0, leading[1].position[0]);
    EXPECT_DOUBLE_EQ(5.0, leading[2].position[0]);
}

TEST_F(AnimatorKeyFrameTest, WidthIsSetWithPerspectiveOffAndPerspectiveKept)
{
    host().view.current().perspective = true;
    const std::vector<zorsim::ViewState> views =
        viewsShown({KeyFrame_s(ThreeDView_s(0, 0, 0, 0, 0, 0, 2.0), "A", 2, 0.0),
                    KeyFrame_s(ThreeDView_s(0, 0, 0, 0, 0, 0, 4.0), "B", 1, 0.0)});
    ASSERT_EQ(3U, views.size());
    EXPECT_DOUBLE_EQ(3.0, views[1].width);
    EXPECT_TRUE(host().view.current().perspective);
}

TEST_F(AnimatorKeyFrameTest, CancelWhileComputingStopsAfterTheViewInHand)
{
    host().status.cancelAtCheck(2);
    EXPECT_THROW_MSG(AnimatorKeyFrame(listOfFrames(10), nullptr), KeyFrameError, "Animation canceled.");
    EXPECT_EQ(2, host().status.checks());
    EXPECT_FALSE(host().status.isShown());
    EXPECT_EQ("Creating interpolated views.... Press [Esc] or click [Stop] to cancel.", host().status.texts().at(0));
}

}  // namespace
