#include <gtest/gtest.h>

#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

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
        dialog = ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 100, 80, "Lists", nullptr, nullptr, nullptr);
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

    int dialog = ZOR_NO_CONTROL;
    int multi = ZOR_NO_CONTROL;
    int single = ZOR_NO_CONTROL;
};

TEST_F(WidgetModelTest, EditsKeepTheSelectionOnTheSameLines)
{
    const int positions[] = {4, 2, 5};
    ZorGUIListSetSelectedItems(multi, positions, 3);
    EXPECT_EQ((std::vector<int>{2, 4, 5}), selectedThroughApi(multi));
    ZorGUIListDeleteItemAtPos(multi, 4);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "e"}), list(multi).items);
    EXPECT_EQ((std::vector<int>{2, 4}), list(multi).selection);
    ZorGUIListReplaceItem(multi, "B", 2);
    EXPECT_EQ("B", list(multi).items[1]);
    EXPECT_EQ((std::vector<int>{2, 4}), list(multi).selection);
    ZorGUIListDeleteAllItems(multi);
    EXPECT_EQ(0, ZorGUIListGetItemCount(multi));
    EXPECT_TRUE(selectedThroughApi(multi).empty());
    EXPECT_TRUE(widgets().refusedCalls().empty());
}

TEST_F(WidgetModelTest, SelectedItemsArrayIsTrackedUntilFreedOnce)
{
    allowHostMisuse();
    ZorGUIListSetSelectedItem(single, 3);
    int* array = nullptr;
    int count = 0;
    ZorGUIListGetSelectedItems(single, &array, &count);
    ASSERT_EQ(1, count);
    EXPECT_EQ(3, array[0]);
    EXPECT_EQ(1u, host().memory.arraysOut());
    int* copy = array;
    ZorUtilArrayDealloc(reinterpret_cast<void**>(&array));
    EXPECT_EQ(nullptr, array);
    EXPECT_TRUE(host().memory.nothingOut());
    ZorUtilArrayDealloc(reinterpret_cast<void**>(&copy));
    EXPECT_EQ(1, host().memory.doubleFrees());

    ZorGUIListDeselectAllItems(single);
    array = reinterpret_cast<int*>(&count);
    ZorGUIListGetSelectedItems(single, &array, &count);
    EXPECT_EQ(nullptr, array);
    EXPECT_EQ(0, count);
}

TEST_F(WidgetModelTest, MisusedCallsAreRefusedAndChangeNothing)
{
    allowHostMisuse();
    const int two[] = {1, 2};
    const int outside[] = {2, 6};
    const struct {
        const char* what;
        void (*call)(int multi, int single, const int* two, const int* outside);
    } misuses[] = {
        {"replace past the end", [](int m, int, const int*, const int*) { ZorGUIListReplaceItem(m, "x", 6); }},
        {"delete position 0", [](int m, int, const int*, const int*) { ZorGUIListDeleteItemAtPos(m, 0); }},
        {"select position 0", [](int m, int, const int*, const int*) { ZorGUIListSetSelectedItem(m, 0); }},
        {"select outside", [](int m, int, const int*, const int* o) { ZorGUIListSetSelectedItems(m, o, 2); }},
        {"two in a single list", [](int, int s, const int* t, const int*) { ZorGUIListSetSelectedItems(s, t, 2); }},
        {"unknown list", [](int, int, const int*, const int*) { ZorGUIListAppendItem(999, "x"); }},
        {"sensitivity of nothing", [](int, int, const int*, const int*) { ZorGUISetSensitivity(999, false); }},
    };
    ZorGUIListSetSelectedItem(multi, 3);
    ZorGUIListSetSelectedItem(single, 3);
    std::size_t refusals = 0;
    for (const auto& misuse : misuses) {
        misuse.call(multi, single, two, outside);
        EXPECT_EQ(++refusals, widgets().refusedCalls().size()) << misuse.what;
        EXPECT_EQ(5u, list(multi).items.size()) << misuse.what;
        EXPECT_EQ((std::vector<int>{3}), list(multi).selection) << misuse.what;
        EXPECT_EQ((std::vector<int>{3}), list(single).selection) << misuse.what;
    }
    EXPECT_EQ(ZOR_NO_CONTROL, ZorGUIListAdd(999, 0, 0, 1, 1, true, nullptr));
}

TEST_F(WidgetModelTest, ClicksSelectAndReachTheCallback)
{
    widgets().clickListItem(multi, 2);
    widgets().shiftClickListItem(multi, 4);
    EXPECT_EQ((std::vector<int>{2, 3, 4}), list(multi).selection);
    widgets().shiftClickListItem(multi, 1);
    EXPECT_EQ((std::vector<int>{1, 2}), list(multi).selection);
    widgets().clickListItem(single, 2);
    widgets().shiftClickListItem(single, 4);
    EXPECT_EQ((std::vector<int>{4}), list(single).selection);
    EXPECT_EQ((std::vector<int>{2, 4, 1, 2, 4}), clickedPositions);
}

TEST_F(WidgetModelTest, CallsWithoutTheLockAreNoted)
{
    allowHostMisuse();
    EXPECT_TRUE(widgets().unlockedCalls().empty());
    ZorUtilLockFinish(1);
    ZorGUIListDeleteAllItems(multi);
    ZorUtilLockStart(1);
    EXPECT_EQ(1u, widgets().unlockedCalls().size());
}

}  // namespace
