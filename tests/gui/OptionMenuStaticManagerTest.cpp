#include "gui/OptionMenuStaticManager.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ZorGUI.h"
#include "support/HostFixture.h"

namespace {

const DisplayRow_s<int> Rows[] = {{"one", 1}, {"two", 2}, {"five", 5}};

using OptionMenuStaticManagerTest = HostFixture;

TEST_F(OptionMenuStaticManagerTest, FillsTheMenuInTableOrderAndChoosesAndReadsByValue)
{
    holdLock();
    const int menu = ZorGUIOptionMenuAdd(scratchDialog(), 0, 0, 10, 10, " ", nullptr);
    OptionMenuStaticManager<int> numbers(Rows, 3);
    numbers.attachOptionMenu(menu);
    numbers.attachOptionMenu(menu);
    EXPECT_EQ((std::vector<std::string>{"one", "two", "five"}), control(menu).items);

    EXPECT_TRUE(numbers.setSelectedItem(5));
    EXPECT_EQ(3, control(menu).chosen);
    EXPECT_EQ(5, numbers.getSelectedItem());
    widgets().choose(menu, 1);
    EXPECT_EQ(1, numbers.getSelectedItem());
    EXPECT_FALSE(numbers.setSelectedItem(7));
    EXPECT_EQ(1, control(menu).chosen);

    EXPECT_THROW(numbers.getDisplayString(7), std::out_of_range);
    ZorGUIOptionMenuDeleteAllItems(menu);
    EXPECT_THROW(numbers.getSelectedItem(), std::out_of_range);
}

TEST(ListModelPreMappedTest, IgnoresEdits)
{
    ListModelPreMapped<int> numbers(Rows, 3);
    numbers.removeItem(0);
    numbers.insertItem(0, 9);
    numbers.setItem(1, 9);
    EXPECT_EQ(2, numbers.getItem(1));
}

}  // namespace
