#include <gtest/gtest.h>

#include <vector>

#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

class DataSetModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }

    static std::vector<int> walk(ZorSet set)
    {
        std::vector<int> members;
        for (ZorSetIndex zone = ZorUtilSetGetNextMember(set, 0); zone != 0;
             zone = ZorUtilSetGetNextMember(set, zone))
            members.push_back(zone);
        return members;
    }
};

TEST_F(DataSetModelTest, NoDataSetMeansNoSet)
{
    EXPECT_FALSE(ZorUtilDataSetIsAvailable());
    ZorSet set = nullptr;
    EXPECT_FALSE(ZorUtilZoneGetEnabled(&set));
    EXPECT_EQ(nullptr, set);
    EXPECT_EQ(0, ZorUtilZoneGetStrandID(1));
}

TEST_F(DataSetModelTest, EnabledSetHoldsTheEnabledZonesAscending)
{
    host().dataSet.addZone(0, 0.0);
    host().dataSet.addZone(1, 2.0, false);
    host().dataSet.addZone(1, 3.0);
    host().dataSet.addZone(2, 4.0);
    ZorSet set = nullptr;
    ASSERT_TRUE(ZorUtilZoneGetEnabled(&set));
    EXPECT_EQ((std::vector<int>{1, 3, 4}), walk(set));
    EXPECT_EQ(1, ZorUtilZoneGetStrandID(3));
    EXPECT_EQ(4.0, ZorUtilZoneGetSolutionTime(4));
    EXPECT_EQ(1u, host().memory.setsOut());
    ZorUtilSetDealloc(&set);
    EXPECT_EQ(nullptr, set);
    EXPECT_TRUE(host().memory.nothingOut());
    EXPECT_EQ(0, host().memory.faults());
}

TEST_F(DataSetModelTest, SecondFreeAndWalkAfterFreeAreFaults)
{
    allowHostMisuse();
    host().dataSet.addZone(0, 0.0);
    ZorSet set = nullptr;
    ASSERT_TRUE(ZorUtilZoneGetEnabled(&set));
    ZorSet copy = set;
    ZorUtilSetDealloc(&set);
    EXPECT_EQ(0, ZorUtilSetGetNextMember(copy, 0));
    ZorUtilSetDealloc(&copy);
    EXPECT_EQ(2, host().memory.faults());
}

TEST_F(DataSetModelTest, FrameDrawsStaticZonesAndTheDueZoneOfEachStrand)
{
    host().dataSet.addZone(0, 0.0);  // 1: static
    host().dataSet.addZone(1, 1.0);  // 2
    host().dataSet.addZone(1, 2.0);  // 3
    host().dataSet.addZone(1, 3.0);  // 4
    host().dataSet.addZone(2, 5.0);  // 5
    host().dataSet.addZone(2, 4.0);  // 6
    const struct {
        double time;
        std::vector<int> drawn;
    } cases[] = {
        {0.0, {1, 2, 6}},  // all of each strand later: the earliest
        {2.0, {1, 3, 6}},
        {2.5, {1, 3, 6}},
        {4.0, {1, 4, 6}},
        {9.0, {1, 4, 5}},
    };
    for (const auto& each : cases) {
        ASSERT_TRUE(ZorUtilSolutionTimeSetCurrent(each.time));
        EXPECT_EQ(each.time, ZorUtilSolutionTimeGetCurrent());
        EXPECT_EQ(each.drawn, host().dataSet.drawnZones()) << "at time " << each.time;
    }
}

}  // namespace
