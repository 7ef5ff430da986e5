#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "addon/AddOnId.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;
using zorsim::WidgetModel;

// What the callbacks heard, in order.
std::vector<std::string> heard;

class WidgetControlsTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        heard.clear();
        holdLock();
        main = scratchDialog();
        const ZorGUIIntCallback onClick = [](const int* line) { heard.push_back("click " + std::to_string(*line)); };
        multi = ZorGUIListAdd(main, 1, 1, 50, 40, true, onClick);
        single = ZorGUIListAdd(main, 1, 45, 50, 40, false, onClick);
        for (const char* line : {"a", "b", "c", "d", "e"}) {
            ZorGUIListAppendItem(multi, line);
            ZorGUIListAppendItem(single, line);
        }
        button = ZorGUIButtonAdd(main, 10, 20, 300, 100, "&Go", [] { heard.push_back("button"); });
        label = ZorGUILabelAdd(main, 5, 6, "Count:");
        field = ZorGUITextFieldAdd(main, 1, 2, 3, 4, nullptr);
        radio = ZorGUIRadioBoxAdd(main, 1, 2, 3, 4, "&A", "&B", "&C", nullptr, "never", nullptr);
        menu = ZorGUIOptionMenuAdd(main, 1, 2, 3, 4, "x,y", nullptr);
        bar = ZorGUIMenuBarAdd(main);
        options = ZorGUIMenuAdd(bar, "&Options");
        item = ZorGUIMenuAddItem(options, "&Time...", "Time options", nullptr);
        modal = ZorGUIDialogCreateModal(
            main, 500, 200, "Modal", nullptr, [] { heard.push_back("ok"); }, nullptr, [] { heard.push_back("cancel"); },
            nullptr);
    }

    int main = 0, multi = 0, single = 0, button = 0, label = 0, field = 0, radio = 0, menu = 0;
    int bar = 0, options = 0, item = 0, modal = 0;
};

// The fixture counts on every misuse of the widget calls being noted, once.
TEST_F(WidgetControlsTest, MisusedCallsAreRefusedOnceEach)
{
    allowHostMisuse();
    const int two[] = {1, 2};
    const int outside[] = {2, 6};
    const std::function<void()> misuses[] = {
        [&] { ZorGUILabelSetText(field, "wrong kind"); },
        [&] { ZorGUIRadioBoxSetToggle(radio, 4); },
        [&] { ZorGUIOptionMenuSet(menu, 3); },
        [&] { EXPECT_EQ(ZOR_NO_CONTROL, ZorGUIMenuAddItem(bar, "not in a bar", "", nullptr)); },
        [] { EXPECT_EQ(ZOR_NO_CONTROL, ZorGUIListAdd(999, 0, 0, 1, 1, true, nullptr)); },
        [] { ZorGUISetSensitivity(999, false); },
        [&] { ZorGUIListDeleteItemAtPos(multi, 0); },
        [&] { ZorGUIListSetSelectedItems(multi, outside, 2); },
        [&] { ZorGUIListSetSelectedItems(single, two, 2); },
    };
    for (std::size_t index = 0; index < std::size(misuses); ++index) {
        misuses[index]();
        EXPECT_EQ(index + 1, widgets().refusedCalls().size()) << index;
    }
    EXPECT_TRUE(widgets().unlockedCalls().empty());
    ZorUtilLockFinish(AddOnId);
    ZorGUIListDeleteAllItems(multi);
    ZorUtilLockStart(AddOnId);
    EXPECT_EQ(1u, widgets().unlockedCalls().size());
}

TEST_F(WidgetControlsTest, TheUserCannotActWhereNothingIsShownOrBehindAModalDialog)
{
    ZorGUISetSensitivity(options, false);
    ZorGUISetSensitivity(field, false);
    const std::function<void()> impossible[] = {
        [&] { widgets().choose(radio, 4); },    [&] { widgets().pressButton(label); },
        [] { widgets().pressButton(999); },     [&] { widgets().pressOk(main); },
        [&] { widgets().pickMenuEntry(item); }, [&] { widgets().typeText(field, "x"); },
        [&] { widgets().pressOk(modal); },
    };
    for (std::size_t index = 0; index < std::size(impossible); ++index)
        EXPECT_THROW(impossible[index](), std::logic_error) << index;

    ZorGUIDialogLaunch(modal);
    EXPECT_THROW(widgets().pressButton(button), std::logic_error);
    EXPECT_THROW(widgets().closeDialog(modal), std::logic_error);
    widgets().pressCancel(modal);
    widgets().pressOk(modal);
    ZorGUIDialogDrop(modal);
    widgets().pressButton(button);
    EXPECT_THAT(heard, ElementsAre("cancel", "ok", "button"));
}

// A click selects one line, a shift-click the lines from the last click or
// ctrl-click on, a ctrl-click switches one line; a single-selection list
// takes each as a click. Every click reaches the list's callback.
TEST_F(WidgetControlsTest, ClicksSelectAsInAListAndReachTheCallback)
{
    using Click = void (WidgetModel::*)(int, int);
    const Click plain = &WidgetModel::clickListItem;
    const Click shift = &WidgetModel::shiftClickListItem;
    const Click ctrl = &WidgetModel::ctrlClickListItem;
    const struct {
        bool onMulti;
        Click click;
        int position;
        std::vector<int> selection;
    } clicks[] = {
        {true, plain, 2, {2}},      {true, shift, 4, {2, 3, 4}}, {true, shift, 1, {1, 2}},
        {true, ctrl, 4, {1, 2, 4}}, {true, ctrl, 1, {2, 4}},     {true, shift, 3, {1, 2, 3}},
        {false, plain, 2, {2}},     {false, shift, 4, {4}},      {false, ctrl, 3, {3}},
    };
    for (const auto& each : clicks) {
        const int list = each.onMulti ? multi : single;
        (widgets().*each.click)(list, each.position);
        EXPECT_EQ(each.selection, control(list).selection) << each.position;
        EXPECT_EQ("click " + std::to_string(each.position), heard.back());
    }
    EXPECT_EQ(std::size(clicks), heard.size());
}

}  // namespace
