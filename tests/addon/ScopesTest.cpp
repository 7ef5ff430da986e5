#include <string>
#include <vector>

#include "addon/AddOnId.h"
#include "addon/AddOnLock.h"
#include "addon/KeyFrameError.h"
#include "addon/SuspendDisplayLists.h"
#include "addon/SuspendGraphics.h"
#include "support/HostFixture.h"

namespace {

const char* const displayLists = "INTERFACE USEDISPLAYLISTS";

}  // namespace

class ScopesTest : public HostFixture {
protected:
    ScopesTest() : HostFixture(HostLogging::On) {}
};

TEST_F(ScopesTest, SuspendGraphicsLocksThenStopsDrawingAndUndoesItInReverse)
{
    {
        SuspendGraphics noDrawing;
        EXPECT_FALSE(host().drawing.isDrawing());
        EXPECT_EQ(1, host().lock.depth(AddOnId));
    }
    const std::vector<std::string> expected = {"ZorUtilLockStart", "ZorUtilDrawGraphics 0",
                                               "ZorUtilDrawGraphics 1", "ZorUtilLockFinish"};
    EXPECT_EQ(expected, host().calls.all());
    EXPECT_TRUE(host().drawing.isDrawing());
    EXPECT_EQ(0, host().drawing.unmatchedOns());
}

TEST_F(ScopesTest, NestedScopesCloseWhenAnExceptionPasses)
{
    host().styles.setValue(displayLists, true);
    try {
        AddOnLock lock;
        SuspendGraphics noDrawing;
        SuspendDisplayLists noDisplayLists;
        SuspendGraphics again;
        EXPECT_EQ(3, host().lock.depth(AddOnId));
        EXPECT_EQ(2, host().drawing.offDepth());
        throw KeyFrameError("stop");
    } catch (const KeyFrameError&) {
    }
    EXPECT_TRUE(host().lock.isBalanced());
    EXPECT_TRUE(host().drawing.isDrawing());
    EXPECT_EQ(0, host().drawing.unmatchedOns());
    EXPECT_TRUE(host().styles.boolValue(displayLists));
}

TEST_F(ScopesTest, SuspendDisplayListsRestoresWhateverItFound)
{
    for (bool found : {true, false}) {
        SCOPED_TRACE(found);
        host().styles.setValue(displayLists, found);
        {
            AddOnLock lock;
            SuspendDisplayLists outer;
            EXPECT_FALSE(host().styles.boolValue(displayLists));
            {
                SuspendDisplayLists inner;
                EXPECT_FALSE(host().styles.boolValue(displayLists));
            }
            EXPECT_FALSE(host().styles.boolValue(displayLists));
        }
        EXPECT_EQ(found, host().styles.boolValue(displayLists));
    }
}

TEST_F(ScopesTest, SuspendDisplayListsTakesFalseWhenTheHostDoesNotReportTheValue)
{
    host().styles.setValue(displayLists, true);
    host().styles.failGets(displayLists);
    {
        AddOnLock lock;
        SuspendDisplayLists noDisplayLists;
    }
    EXPECT_FALSE(host().styles.boolValue(displayLists));
}
