#include <gtest/gtest.h>

#include "ZorUtil.h"
#include "keyframes/HostQueries.h"
#include "support/HostFixture.h"

namespace {

class HostQueriesTest : public HostFixture {};

// Only enabled zones count: the data set is transient when one of them
// belongs to a strand, and their times span the range; without any, the
// range keeps what it was.
TEST_F(HostQueriesTest, TransienceAndTimeRangeTakeOnlyTheEnabledZones)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    double minimum = -4.0;
    double maximum = 4.0;
    EXPECT_FALSE(isDataSetTransient()) << "no data set";
    const int strandZone = host().dataSet.addZone(1, -7.0, false);
    EXPECT_FALSE(isDataSetTransient()) << "no enabled zones";
    getSolutionTimeRange(minimum, maximum);
    EXPECT_EQ(-4.0, minimum);
    EXPECT_EQ(4.0, maximum);

    host().dataSet.addZone(0, 3.0);
    host().dataSet.addZone(-1, 1.0);
    host().dataSet.addZone(1, 9.0, false);
    EXPECT_FALSE(isDataSetTransient());
    host().dataSet.setZoneEnabled(strandZone, true);
    EXPECT_TRUE(isDataSetTransient());
    getSolutionTimeRange(minimum, maximum);
    EXPECT_EQ(-7.0, minimum);
    EXPECT_EQ(3.0, maximum);
}

TEST_F(HostQueriesTest, MarkersOrDashesEitherCount)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    for (const int shown : {0, 1, 2, 3}) {
        host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS", (shown & 1) != 0);
        host().styles.setValue("STREAMATTRIBUTES STREAMTIMING SHOWDASHES", (shown & 2) != 0);
        EXPECT_EQ(shown != 0, areStreamtraceMarkersOrDashesShown()) << shown;
    }
}

}  // namespace
