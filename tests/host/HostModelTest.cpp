#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

using ::testing::ElementsAre;

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

TEST_F(HostModelTest, StatusLineCancelsAtTheAskedCheckUntilTheLineFinishes)
{
    host().status.cancelAtCheck(2);
    ZorUtilStatusStartPercentDone("Working", true, true);
    EXPECT_TRUE(ZorUtilStatusCheckPercentDone(10));
    EXPECT_FALSE(ZorUtilStatusCheckPercentDone(20));
    EXPECT_FALSE(ZorUtilStatusCheckPercentDone(30));
    ZorUtilStatusFinishPercentDone();
    ZorUtilStatusStartPercentDone("Again", true, true);
    EXPECT_TRUE(ZorUtilStatusCheckPercentDone(50)) << "a new line starts uncancelled";
    EXPECT_EQ(std::vector<int>{50}, host().status.percents()) << "without the log only the last percent is kept";
    EXPECT_THROW(host().calls.all(), std::logic_error) << "an empty log read as if it were on";
    host().setLogging(true);
    ZorUtilStatusCheckPercentDone(60);
    EXPECT_THAT(host().status.percents(), ElementsAre(50, 60));
    EXPECT_EQ(1, host().calls.count("ZorUtilStatusCheckPercentDone"));
    ZorUtilStatusFinishPercentDone();
}

TEST_F(HostModelTest, FileDialogAnswersFromTheQueueThenCancels)
{
    host().fileDialog.answerWith("/tmp/first.keyframe");
    host().fileDialog.answerCancel();
    const auto runSaveDialog = [](char** chosen) {
        return ZorUtilDialogGetFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE, chosen, "Key Frame Animation",
                                        "animation.keyframe", "*.keyframe");
    };
    char* chosen = nullptr;
    ASSERT_TRUE(runSaveDialog(&chosen));
    EXPECT_EQ("/tmp/first.keyframe", std::string(chosen));
    ZorUtilStringDealloc(&chosen);
    EXPECT_FALSE(runSaveDialog(&chosen));
    EXPECT_EQ(nullptr, chosen);
    EXPECT_FALSE(runSaveDialog(&chosen));
    EXPECT_EQ(1, host().fileDialog.unanswered());
    EXPECT_EQ(3U, host().fileDialog.requests().size());
    EXPECT_TRUE(host().memory.nothingOut());
}

// Strings, arrays and sets handed out are tracked until freed; a second free
// or a free of something not handed out is a fault, also after further
// allocations, so that the fixture's leak and misuse checks can trust them.
TEST_F(HostModelTest, HandedOutBlocksAreTrackedUntilFreedOnce)
{
    char* string = ZorUtilStringAlloc(14, nullptr);
    std::strcpy(string, "text");
    char* stringCopy = string;
    ZorUtilStringDealloc(&string);
    EXPECT_EQ(nullptr, string);
    EXPECT_EQ('X', stringCopy[0]) << "a freed string must not keep its text";
    char* other = ZorUtilStringAlloc(14, nullptr);
    ZorUtilStringDealloc(&stringCopy);
    EXPECT_EQ(1U, host().memory.stringsOut()) << "the second free must not release another string";
    ZorUtilStringDealloc(&other);

    ZorUtilLockStart(1);
    const int dialog = ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 100, 80, "Lists", nullptr, nullptr, nullptr);
    const int list = ZorGUIListAdd(dialog, 1, 1, 50, 40, true, nullptr);
    ZorGUIListAppendItem(list, "a");
    ZorGUIListSetSelectedItem(list, 1);
    int* array = nullptr;
    int count = 0;
    ZorGUIListGetSelectedItems(list, &array, &count);
    ZorUtilLockFinish(1);
    EXPECT_EQ(1U, host().memory.arraysOut());
    int* arrayCopy = array;
    ZorUtilArrayDealloc(reinterpret_cast<void**>(&array));
    ZorUtilArrayDealloc(reinterpret_cast<void**>(&arrayCopy));

    host().frames.addFrame(ZOR_PLOT_CARTESIAN3D);
    host().dataSet.addZone(0, 0.0);
    ZorSet set = nullptr;
    ASSERT_TRUE(ZorUtilZoneGetEnabled(&set));
    EXPECT_EQ(1U, host().memory.setsOut());
    ZorSet setCopy = set;
    ZorUtilSetDealloc(&set);
    EXPECT_EQ(0, ZorUtilSetGetNextMember(setCopy, 0)) << "a freed set walked";
    ZorUtilSetDealloc(&setCopy);

    char foreign[] = "not handed out";
    char* foreignPointer = foreign;
    ZorUtilStringDealloc(&foreignPointer);
    EXPECT_TRUE(host().memory.nothingOut());
    EXPECT_EQ(2, host().memory.doubleFrees());
    EXPECT_EQ(5, host().memory.faults());
    freshHost();
}
