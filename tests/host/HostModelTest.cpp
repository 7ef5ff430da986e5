#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "StyleValue.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

class HostModelTest : public HostFixture {};

TEST_F(HostModelTest, LockNestsAndReportsUnmatchedFinishes)
{
    ZorUtilLockStart(7);
    ZorUtilLockStart(7);
    ZorUtilLockFinish(7);
    EXPECT_FALSE(host().lock.isBalanced());
    ZorUtilLockFinish(7);
    EXPECT_TRUE(host().lock.isBalanced());
    ZorUtilLockFinish(7);
    EXPECT_EQ(1, host().lock.unmatchedFinishes());
    freshHost();
}

TEST_F(HostModelTest, StyleValuesAreTypedWithDefaults)
{
    StyleValue light(StringList{"GLOBALTHREED", "LIGHTSOURCE"});
    double intensity = 0.0;
    ASSERT_TRUE(StyleValue::returnCodeOk(light.get(intensity, StringList{"INTENSITY"})));
    EXPECT_EQ(75.0, intensity);
    bool wrongType = true;
    EXPECT_FALSE(StyleValue::returnCodeOk(light.get(wrongType, StringList{"INTENSITY"})));
    EXPECT_TRUE(wrongType);
    double unknown = 3.0;
    EXPECT_FALSE(StyleValue::returnCodeOk(light.get(unknown, StringList{"NOSUCHVALUE"})));
    EXPECT_EQ(3.0, unknown);
}

TEST_F(HostModelTest, StatusLineCancelsAtTheAskedCheckOnly)
{
    host().status.cancelAtCheck(3);
    ZorUtilStatusStartPercentDone("Working", true, true);
    EXPECT_TRUE(ZorUtilStatusCheckPercentDone(10));
    EXPECT_TRUE(ZorUtilStatusCheckPercentDone(20));
    EXPECT_FALSE(ZorUtilStatusCheckPercentDone(30));
    EXPECT_FALSE(ZorUtilStatusCheckPercentDone(40)) << "a cancel holds until the line finishes";
    ZorUtilStatusFinishPercentDone();
    ZorUtilStatusStartPercentDone("Again", true, true);
    EXPECT_TRUE(ZorUtilStatusCheckPercentDone(50)) << "a new line starts uncancelled";
    ZorUtilStatusFinishPercentDone();
}

TEST_F(HostModelTest, LogsStayEmptyUntilATestTurnsThemOn)
{
    ZorUtilStatusStartPercentDone("Working", true, true);
    ZorUtilStatusCheckPercentDone(10);
    ZorUtilStatusCheckPercentDone(30);
    EXPECT_EQ(std::vector<int>{30}, host().status.percents()) << "only the last percent is kept";
    EXPECT_THROW(host().calls.all(), std::logic_error) << "an empty log read as if it were on";
    host().setLogging(true);
    ZorUtilStatusCheckPercentDone(50);
    EXPECT_EQ((std::vector<int>{30, 50}), host().status.percents());
    EXPECT_EQ(1, host().calls.count("ZorUtilStatusCheckPercentDone"));
    ZorUtilStatusFinishPercentDone();
}
