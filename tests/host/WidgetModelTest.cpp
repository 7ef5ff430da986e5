#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<int> clickedPositions;

void recordClick(const int* position)
{
    clickedPositions.push_back(*position);
}

class WidgetModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        clickedPositions.clear();
        ZorUtilLockStart(1);
        const int dialog = ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 100, 80, "Lists", nullptr, nullptr, nullptr);
        multi = ZorGUIListAdd(dialog, 1, 1, 50, 40, true, recordClick);
        single = ZorGUIListAdd(dialog, 1, 45, 50, 40, false, recordClick);
        for (const char* line : {"a", "b", "c", "d", "e"}) {
            ZorGUIListAppendItem(multi, line);
            ZorGUIListAppendItem(single, line);
        }
        ZorGUIDialogLaunch(dialog);
    }
    void TearDown() override
    {
        ZorUtilLockFinish(1);
        HostFixture::TearDown();
    }

    static zorsim::WidgetModel& widgets() { return host().widgets; }
    static const zorsim::Control& list(int id) { return widgets().control(id); }

    static std::vector<int> selectedThroughApi(int listId)
    {
        int* array = nullptr;
        int count = -1;
        ZorGUIListGetSelectedItems(listId, &array, &count);
        std::vector<int> positions(array, array + count);
        ZorUtilArrayDealloc(reinterpret_cast<void**>(&array));
        return positions;
    }

    int multi = ZOR_NO_CONTROL;
    int single = ZOR_NO_CONTROL;
};

TEST_F(WidgetModelTest, EditsKeepTheSelectionOnTheSameLines)
{
    const int positions[] = {4, 2, 5};
    ZorGUIListSetSelectedItems(multi, positions, 3);
    EXPECT_THAT(selectedThroughApi(multi), ElementsAre(2, 4, 5));
    ZorGUIListDeleteItemAtPos(multi, 4);
    EXPECT_THAT(list(multi).items, ElementsAre("a", "b", "c", "e"));
    EXPECT_THAT(list(multi).selection, ElementsAre(2, 4));
    ZorGUIListReplaceItem(multi, "B", 2);
    EXPECT_EQ("B", list(multi).items[1]);
    EXPECT_THAT(list(multi).selection, ElementsAre(2, 4));
    ZorGUIListDeleteAllItems(multi);
    EXPECT_EQ(0, ZorGUIListGetItemCount(multi));
    EXPECT_THAT(selectedThroughApi(multi), IsEmpty());
    EXPECT_THAT(widgets().refusedCalls(), IsEmpty());
}

TEST_F(WidgetModelTest, MisusedOrUnlockedCallsAreNotedAndChangeNothing)
{
    const int two[] = {1, 2};
    const int outside[] = {2, 6};
    const std::function<void()> misuses[] = {
        [&] { ZorGUIListReplaceItem(multi, "x", 6); },
        [&] { ZorGUIListDeleteItemAtPos(multi, 0); },
        [&] { ZorGUIListSetSelectedItem(multi, 0); },
        [&] { ZorGUIListSetSelectedItems(multi, outside, 2); },
        [&] { ZorGUIListSetSelectedItems(single, two, 2); },
        [] { ZorGUIListAppendItem(999, "x"); },
        [] { ZorGUISetSensitivity(999, false); },
    };
    ZorGUIListSetSelectedItem(multi, 3);
    ZorGUIListSetSelectedItem(single, 3);
    std::size_t refusals = 0;
    for (const auto& misuse : misuses) {
        misuse();
        EXPECT_EQ(++refusals, widgets().refusedCalls().size());
        EXPECT_EQ(5u, list(multi).items.size());
        EXPECT_THAT(list(multi).selection, ElementsAre(3));
        EXPECT_THAT(list(single).selection, ElementsAre(3));
    }
    EXPECT_EQ(ZOR_NO_CONTROL, ZorGUIListAdd(999, 0, 0, 1, 1, true, nullptr));

    EXPECT_THAT(widgets().unlockedCalls(), IsEmpty());
    ZorUtilLockFinish(1);
    ZorGUIListDeleteAllItems(multi);
    ZorUtilLockStart(1);
    EXPECT_EQ(1u, widgets().unlockedCalls().size());
    freshHost();
    ZorUtilLockStart(1);
}

TEST_F(WidgetModelTest, ClicksSelectAndReachTheCallback)
{
    widgets().clickListItem(multi, 2);
    widgets().shiftClickListItem(multi, 4);
    EXPECT_THAT(list(multi).selection, ElementsAre(2, 3, 4));
    widgets().shiftClickListItem(multi, 1);
    EXPECT_THAT(list(multi).selection, ElementsAre(1, 2));
    widgets().ctrlClickListItem(multi, 4);
    widgets().ctrlClickListItem(multi, 1);
    EXPECT_THAT(list(multi).selection, ElementsAre(2, 4));
    widgets().shiftClickListItem(multi, 3);
    EXPECT_THAT(list(multi).selection, ElementsAre(1, 2, 3));
    widgets().clickListItem(single, 2);
    widgets().shiftClickListItem(single, 4);
    widgets().ctrlClickListItem(single, 3);
    EXPECT_THAT(list(single).selection, ElementsAre(3));
    EXPECT_THAT(clickedPositions, ElementsAre(2, 4, 1, 4, 1, 3, 2, 4, 3));
}

}  // namespace
