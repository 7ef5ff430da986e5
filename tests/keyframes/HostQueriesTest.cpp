#include <gtest/gtest.h>

#include "ZorUtil.h"
#include "keyframes/HostQueries.h"
#include "support/HostFixture.h"

namespace {

class HostQueriesTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
    }
};

TEST_F(HostQueriesTest, TransientOnlyWithAnEnabledZoneOfAStrand)
{
    EXPECT_FALSE(isDataSetTransient()) << "no data set";
    host().dataSet.loadZones({});
    EXPECT_FALSE(isDataSetTransient()) << "no zones";
    host().dataSet.addZone(0, 0.0);
    host().dataSet.addZone(-1, 0.0);
    const int strandZone = host().dataSet.addZone(1, 1.0, false);
    EXPECT_FALSE(isDataSetTransient());
    host().dataSet.setZoneEnabled(strandZone, true);
    EXPECT_TRUE(isDataSetTransient());
}

TEST_F(HostQueriesTest, TimeRangeCoversTheEnabledZonesOrKeepsThePresets)
{
    double minimum = -4.0;
    double maximum = 4.0;
    getSolutionTimeRange(minimum, maximum);
    host().dataSet.addZone(1, -7.0, false);
    getSolutionTimeRange(minimum, maximum);
    EXPECT_EQ(-4.0, minimum);
    EXPECT_EQ(4.0, maximum);
    for (const double time : {3.0, 1.0, 2.0})
        host().dataSet.addZone(1, time);
    host().dataSet.addZone(1, 9.0, false);
    getSolutionTimeRange(minimum, maximum);
    EXPECT_EQ(1.0, minimum);
    EXPECT_EQ(3.0, maximum);
}

TEST_F(HostQueriesTest, MarkersOrDashesEitherCountAndUnreadableValuesCountAsHidden)
{
    for (const int shown : {0, 1, 2, 3}) {
        host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS", (shown & 1) != 0);
        host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWDASHES", (shown & 2) != 0);
        EXPECT_EQ(shown != 0, areStreamtraceMarkersOrDashesShown()) << shown;
    }
    host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWDASHES", false);
    host().styles.failGets("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS");
    EXPECT_FALSE(areStreamtraceMarkersOrDashesShown());
}

}  // namespace
