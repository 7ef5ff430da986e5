#include <memory>
#include <stdexcept>

#include "addon/AddOnId.h"
#include "addon/KeyFrameError.h"
#include "addon/OnIdleManager.h"
#include "support/HostFixture.h"

class OnIdleManagerTest : public HostFixture {
protected:
    OnIdleManagerTest() : HostFixture(HostLogging::On) {}

    OnIdleManager::Job counting(int& runs)
    {
        return [&runs] { ++runs; };
    }
};

TEST_F(OnIdleManagerTest, OneJobWaitsAtATime)
{
    OnIdleManager manager;
    int first = 0;
    int second = 0;
    manager.add(counting(first));
    manager.add(counting(second));
    EXPECT_EQ(1u, host().idle.pending());
    EXPECT_EQ(1, host().calls.count("ZorUtilOnIdleQueueAddCallback"));

    host().idle.runIdle();
    EXPECT_EQ(1, first);
    EXPECT_EQ(0, second);
    EXPECT_FALSE(manager.hasPending());

    manager.add(counting(second));
    host().idle.runIdle();
    host().idle.runIdle();
    EXPECT_EQ(1, first);
    EXPECT_EQ(1, second);
}

TEST_F(OnIdleManagerTest, JobAddedByTheRunningJobIsDropped)
{
    OnIdleManager manager;
    int inner = 0;
    manager.add([&] { manager.add(counting(inner)); });
    EXPECT_EQ(1, host().idle.runIdle());
    EXPECT_EQ(0, inner);
    EXPECT_FALSE(manager.hasPending());
}

TEST_F(OnIdleManagerTest, JobRunsUnderTheLock)
{
    OnIdleManager manager;
    int depthInJob = 0;
    manager.add([&] { depthInJob = host().lock.depth(AddOnId); });
    host().idle.runIdle();
    EXPECT_EQ(1, depthInJob);
    EXPECT_TRUE(host().lock.isBalanced());
}

TEST_F(OnIdleManagerTest, ThrowingJobStaysInsideAndFreesTheSlot)
{
    OnIdleManager manager;
    manager.add([] { throw KeyFrameError("Refresh failed."); });
    EXPECT_NO_THROW(host().idle.runIdle());
    manager.add([] { throw std::runtime_error("not for the user"); });
    EXPECT_NO_THROW(host().idle.runIdle());
    EXPECT_EQ(std::vector<std::string>{"Refresh failed."}, host().messages.errors());

    int runs = 0;
    manager.add(counting(runs));
    host().idle.runIdle();
    EXPECT_EQ(1, runs);
    EXPECT_TRUE(host().lock.isBalanced());
}

TEST_F(OnIdleManagerTest, DestroyedManagerDropsItsJobAndTheQueuedCallbackIsHarmless)
{
    int runs = 0;
    auto manager = std::make_unique<OnIdleManager>();
    manager->add(counting(runs));
    manager.reset();
    auto other = std::make_unique<OnIdleManager>();
    EXPECT_EQ(1, host().idle.runIdle());
    EXPECT_EQ(0, runs);
    EXPECT_FALSE(other->hasPending());
    EXPECT_TRUE(host().lock.isBalanced());
}
