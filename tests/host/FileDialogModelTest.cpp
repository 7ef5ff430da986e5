#include <gtest/gtest.h>

#include <string>

#include "ZorUtil.h"
#include "support/HostFixture.h"

class FileDialogModelTest : public HostFixture {
protected:
    // Runs the save dialog as an add-on would; the chosen name stays handed out.
    static bool runSaveDialog(char** chosen)
    {
        return ZorUtilDialogGetFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE, chosen, "Key Frame Animation",
                                        "animation.keyframe", "*.keyframe");
    }
};

TEST_F(FileDialogModelTest, AnswersFromTheQueueThenCancels)
{
    host().fileDialog.answerWith("/tmp/first.keyframe");
    host().fileDialog.answerCancel();

    char* chosen = nullptr;
    ASSERT_TRUE(runSaveDialog(&chosen));
    EXPECT_EQ("/tmp/first.keyframe", std::string(chosen));
    ZorUtilStringDealloc(&chosen);
    EXPECT_EQ(nullptr, chosen);

    EXPECT_FALSE(runSaveDialog(&chosen));
    EXPECT_EQ(nullptr, chosen);
    EXPECT_FALSE(runSaveDialog(&chosen));
    EXPECT_EQ(1, host().fileDialog.unanswered());

    EXPECT_EQ(3U, host().fileDialog.requests().size());
    EXPECT_TRUE(host().memory.nothingOut());
    EXPECT_EQ(0, host().memory.faults());
}

TEST_F(FileDialogModelTest, ASecondFreeIsAFaultEvenAfterFurtherAllocations)
{
    allowHostMisuse();
    host().fileDialog.answerWith("twice.keyframe");
    char* chosen = nullptr;
    ASSERT_TRUE(runSaveDialog(&chosen));
    char* copy = chosen;
    ZorUtilStringDealloc(&chosen);
    EXPECT_EQ('X', copy[0]) << "a freed name must not keep its text";

    // Without keeping freed blocks, the allocator would hand this address out again.
    char* other = ZorUtilStringAlloc(14, nullptr);
    ZorUtilStringDealloc(&copy);
    EXPECT_EQ(1, host().memory.doubleFrees());
    EXPECT_EQ(1U, host().memory.stringsOut()) << "the second free must not release another string";
    ZorUtilStringDealloc(&other);

    char foreign[] = "not handed out";
    char* foreignPointer = foreign;
    ZorUtilStringDealloc(&foreignPointer);
    EXPECT_EQ(2, host().memory.faults());
    EXPECT_EQ(1, host().memory.doubleFrees());
}
