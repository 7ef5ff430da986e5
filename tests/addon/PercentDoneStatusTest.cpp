#include <string>
#include <vector>

#include "addon/AddOnLock.h"
#include "addon/PercentDoneStatus.h"
#include "support/HostFixture.h"

namespace {

const std::string hint = " Press [Esc] or click [Stop] to cancel.";

}  // namespace

class PercentDoneStatusTest : public HostFixture {
protected:
    PercentDoneStatusTest() : HostFixture(HostLogging::On) {}

    // Runs `steps` steps of a status over `total` units and returns the
    // percentages the host was shown.
    std::vector<int> percentsPolled(uint32_t total, int steps)
    {
        AddOnLock lock;
        PercentDoneStatus status("Working", 0, total);
        for (int step = 0; step < steps; ++step)
            status.step();
        return host().status.percents();
    }
};

TEST_F(PercentDoneStatusTest, PollsTruncatedPercentsLimitedToAHundred)
{
    EXPECT_EQ((std::vector<int>{25, 50, 75, 100, 100}), percentsPolled(4, 5));
    freshHost();
    EXPECT_EQ((std::vector<int>{33, 66, 100}), percentsPolled(3, 3));
    freshHost();
    EXPECT_EQ((std::vector<int>{0, 1, 2}), percentsPolled(150, 3)) << "0.67 percent shows as 0";
}

TEST_F(PercentDoneStatusTest, StopButtonAndBarOnlyWithWorkToDo)
{
    for (uint32_t total : {0u, 1u, 4000000000u}) {
        SCOPED_TRACE(total);
        AddOnLock lock;
        PercentDoneStatus status("Working", 0, total);
        ASSERT_TRUE(host().status.isShown());
        EXPECT_EQ(total > 0, host().status.hasStopButton());
        EXPECT_EQ(total > 0, host().status.hasProgressBar());
    }
}

TEST_F(PercentDoneStatusTest, WithNothingToDoNeverPollsNorCancels)
{
    AddOnLock lock;
    const uint32_t total = 0;
    PercentDoneStatus status("Working", 0, total);
    host().status.requestCancel();
    for (int step = 0; step < 3; ++step)
        status.step();
    EXPECT_EQ(0, host().status.checks());
    EXPECT_FALSE(status.isCanceled());
}

TEST_F(PercentDoneStatusTest, CancelHintFollowsTheTextUnlessAskedNotTo)
{
    struct Case {
        uint32_t noCancelHint;
        bool hinted;
    };
    for (const Case& c : {Case{0, true}, Case{1, false}, Case{2, true}}) {
        SCOPED_TRACE(c.noCancelHint);
        freshHost();
        {
            AddOnLock lock;
            const uint32_t total = 10;
            PercentDoneStatus status("Animating....", c.noCancelHint, total);
            status.setText("Creating interpolated views....");
        }
        const std::string suffix = c.hinted ? hint : "";
        EXPECT_EQ((std::vector<std::string>{"Animating...." + suffix, "Creating interpolated views...." + suffix}),
                  host().status.texts());
        EXPECT_EQ(1, host().status.finishes());
        EXPECT_FALSE(host().status.isShown());
    }
}

TEST_F(PercentDoneStatusTest, ACancelOnceSeenStays)
{
    AddOnLock lock;
    const uint32_t total = 10;
    PercentDoneStatus status("Working", 0, total);
    host().status.cancelAtCheck(2);
    status.step();
    EXPECT_FALSE(status.isCanceled());
    status.step();
    EXPECT_TRUE(status.isCanceled());

    host().status.forgetCancel();
    status.step();
    EXPECT_TRUE(host().status.check(50)) << "the host answers go on again";
    EXPECT_TRUE(status.isCanceled());
}
