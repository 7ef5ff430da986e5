#include <gtest/gtest.h>

#include "ZorUtil.h"
#include "keyframes/HostQueries.h"
#include "support/HostFixture.h"

namespace {

class HostQueriesTest : public HostFixture {
protected:
    HostQueriesTest() : HostFixture(HostLogging::On) {}

    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }
    void TearDown() override
    {
        EXPECT_TRUE(host().memory.nothingOut()) << "an enabled-zone set was not freed";
        EXPECT_EQ(0, host().memory.faults());
        HostFixture::TearDown();
    }
};

TEST_F(HostQueriesTest, TransientOnlyWithAnEnabledZoneOfAStrand)
{
    EXPECT_FALSE(isDataSetTransient());  // no data set
    host().dataSet.loadZones({});
    EXPECT_FALSE(isDataSetTransient());  // no zones
    host().dataSet.addZone(0, 0.0);
    host().dataSet.addZone(-1, 0.0);
    EXPECT_FALSE(isDataSetTransient());
    const int strandZone = host().dataSet.addZone(1, 1.0, false);
    EXPECT_FALSE(isDataSetTransient());
    host().dataSet.setZoneEnabled(strandZone, true);
    EXPECT_TRUE(isDataSetTransient());
}

TEST_F(HostQueriesTest, TransientWalkStopsAtTheFirstStrandZone)
{
    host().dataSet.addZone(1, 0.0);
    host().dataSet.addZone(1, 1.0);
    host().dataSet.addZone(1, 2.0);
    host().calls.clear();
    EXPECT_TRUE(isDataSetTransient());
    EXPECT_EQ(1, host().calls.count("ZorUtilZoneGetStrandID"));
    EXPECT_EQ(1, host().calls.count("ZorUtilSetDealloc"));
}

TEST_F(HostQueriesTest, TimeRangeCoversTheEnabledZones)
{
    host().dataSet.addZone(1, 3.0);
    host().dataSet.addZone(1, 1.0);
    host().dataSet.addZone(1, 2.0);
    host().dataSet.addZone(1, -7.0, false);
    host().dataSet.addZone(1, 9.0, false);
    double minimum = 0.0;
    double maximum = 0.0;
    getSolutionTimeRange(minimum, maximum);
    EXPECT_EQ(1.0, minimum);
    EXPECT_EQ(3.0, maximum);
}

TEST_F(HostQueriesTest, TimeRangeWithoutEnabledZonesKeepsThePresets)
{
    double minimum = -4.0;
    double maximum = 4.0;
    getSolutionTimeRange(minimum, maximum);  // no data set
    host().dataSet.addZone(1, 1.0, false);
    getSolutionTimeRange(minimum, maximum);  // no enabled zone
    EXPECT_EQ(-4.0, minimum);
    EXPECT_EQ(4.0, maximum);
}

TEST_F(HostQueriesTest, MarkersOrDashesEitherCount)
{
    const struct {
        bool markers;
        bool dashes;
    } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& each : cases) {
        host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS", each.markers);
        host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWDASHES", each.dashes);
        EXPECT_EQ(each.markers || each.dashes, areStreamtraceMarkersOrDashesShown());
    }
}

TEST_F(HostQueriesTest, UnreadableTimingValuesCountAsHidden)
{
    host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS", true);
    host().styles.failGets("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS");
    EXPECT_FALSE(areStreamtraceMarkersOrDashesShown());
}

}  // namespace
