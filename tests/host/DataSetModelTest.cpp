#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;

class DataSetModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }
};

TEST_F(DataSetModelTest, EnabledSetHoldsTheEnabledZonesAscending)
{
    ZorSet set = nullptr;
    EXPECT_FALSE(ZorUtilDataSetIsAvailable());
    EXPECT_FALSE(ZorUtilZoneGetEnabled(&set)) << "no data set, no set";
    EXPECT_EQ(nullptr, set);

    host().dataSet.addZone(0, 0.0);
    host().dataSet.addZone(1, 2.0, false);
    host().dataSet.addZone(1, 3.0);
    host().dataSet.addZone(2, 4.0);
    ASSERT_TRUE(ZorUtilZoneGetEnabled(&set));
    std::vector<int> members;
    for (ZorSetIndex zone = ZorUtilSetGetNextMember(set, 0); zone != 0; zone = ZorUtilSetGetNextMember(set, zone))
        members.push_back(zone);
    EXPECT_THAT(members, ElementsAre(1, 3, 4));
    EXPECT_EQ(1, ZorUtilZoneGetStrandID(3));
    EXPECT_EQ(4.0, ZorUtilZoneGetSolutionTime(4));
    ZorUtilSetDealloc(&set);
}

TEST_F(DataSetModelTest, FrameDrawsStaticZonesAndTheDueZoneOfEachStrand)
{
    for (const auto& [strand, time] : {std::pair{0, 0.0}, {1, 1.0}, {1, 2.0}, {1, 3.0}, {2, 5.0}, {2, 4.0}})
        host().dataSet.addZone(strand, time);
    const struct {
        double time;
        std::vector<int> drawn;
    } cases[] = {
        {0.0, {1, 2, 6}},  // all of each strand later: the earliest
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
