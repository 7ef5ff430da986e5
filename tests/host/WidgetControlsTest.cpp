#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

// What the callbacks heard, in order, as "name value".
std::vector<std::string> heard;

void onButton()
{
    heard.push_back("button");
}
void onUp()
{
    heard.push_back("up");
}
void onDown()
{
    heard.push_back("down");
}
void onOk()
{
    heard.push_back("ok");
}
void onCancel()
{
    heard.push_back("cancel");
}
void onHelp()
{
    heard.push_back("help");
}
void onInt(const int* value)
{
    heard.push_back("int " + std::to_string(*value));
}
int onText(const char* text)
{
    heard.push_back(std::string("text ") + text);
    return 1;
}

using ::testing::ElementsAre;

class WidgetControlsTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        heard.clear();
        ZorUtilLockStart(1);
        main = ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 900, 700, "Main", nullptr, nullptr, onHelp);
        button = ZorGUIButtonAdd(main, 10, 20, 300, 100, "&Go", onButton);
        label = ZorGUILabelAdd(main, 5, 6, "Count:");
        field = ZorGUITextFieldAdd(main, 1, 2, 3, 4, onText);
        spin = ZorGUISpinTextFieldAdd(main, 1, 2, 3, 4, onText, onUp, onDown);
        toggle = ZorGUIToggleAdd(main, 1, 2, 3, 4, "&Fade", onInt);
        radio = ZorGUIRadioBoxAdd(main, 1, 2, 3, 4, "&A", "&B", "&C", nullptr, "never", onInt);
        menu = ZorGUIOptionMenuAdd(main, 1, 2, 3, 4, "x,y", onInt);
        bar = ZorGUIMenuBarAdd(main);
        options = ZorGUIMenuAdd(bar, "&Options");
        item = ZorGUIMenuAddItem(options, "&Time...", "Time options", onButton);
        ZorGUIMenuAddSeparator(options);
        menuToggle = ZorGUIMenuAddToggle(options, "&Loop", "Loop it", onInt);
        modal = ZorGUIDialogCreateModal(main, 500, 200, "Modal", nullptr, onOk, nullptr, onCancel, nullptr);
        ZorGUIDialogLaunch(main);
    }
    void TearDown() override
    {
        ZorUtilLockFinish(1);
        HostFixture::TearDown();
    }

    static zorsim::WidgetModel& widgets() { return host().widgets; }
    static const zorsim::Control& control(int id) { return widgets().control(id); }

    int main = 0, button = 0, label = 0, field = 0, spin = 0, toggle = 0, radio = 0, menu = 0;
    int bar = 0, options = 0, item = 0, menuToggle = 0, modal = 0;
};

TEST_F(WidgetControlsTest, MisusedCallsAreRefusedCountedAndChangeNothing)
{
    allowHostMisuse();
    ZorGUILabelSetText(field, "wrong kind");
    ZorGUITextFieldSetString(label, "wrong kind");
    ZorGUIToggleSet(menuToggle, true);
    ZorGUIMenuSetToggle(toggle, true);
    ZorGUIRadioBoxSetToggle(radio, 4);
    ZorGUIRadioBoxSetToggle(radio, 0);
    ZorGUIOptionMenuSet(menu, 3);
    ZorGUIOptionMenuAppendItem(radio, "z");
    EXPECT_FALSE(ZorGUIToggleGet(radio));
    EXPECT_EQ(ZOR_NO_CONTROL, ZorGUIMenuAddItem(bar, "not in a bar", "", nullptr));
    EXPECT_EQ(ZOR_NO_CONTROL, ZorGUIMenuAdd(button, "not in a button"));
    EXPECT_EQ(ZOR_NO_CONTROL, ZorGUILabelAdd(999, 0, 0, "no dialog"));
    EXPECT_EQ(12u, widgets().refusedCalls().size());
    EXPECT_EQ("ZorGUILabelSetText: control " + std::to_string(field) + " is a TextField",
              widgets().refusedCalls().front());
    EXPECT_EQ("", control(field).text);
    EXPECT_EQ("Count:", control(label).text);
    EXPECT_FALSE(control(menuToggle).on || control(toggle).on);
    EXPECT_EQ(3u, control(radio).items.size());
    EXPECT_EQ(1, control(radio).chosen);
    EXPECT_EQ(1, control(menu).chosen);
    freshHost();
    ZorUtilLockStart(1);
}

TEST_F(WidgetControlsTest, UserCannotActWhereNothingIsShownOrBehindAModalDialog)
{
    EXPECT_THROW(widgets().choose(radio, 4), std::logic_error);
    EXPECT_THROW(widgets().pressButton(label), std::logic_error);
    EXPECT_THROW(widgets().pressOk(main), std::logic_error);
    EXPECT_THROW(widgets().pickMenuEntry(item + 1), std::logic_error);
    ZorGUISetSensitivity(options, false);
    EXPECT_THROW(widgets().pickMenuEntry(item), std::logic_error);
    ZorGUISetSensitivity(options, true);
    ZorGUISetSensitivity(spin, false);
    EXPECT_THROW(widgets().spinUp(spin), std::logic_error);

    EXPECT_THROW(widgets().pressOk(modal), std::logic_error);
    ZorGUIDialogLaunch(modal);
    EXPECT_THAT(widgets().dialogsUp(), ElementsAre(main, modal));
    EXPECT_THROW(widgets().pressButton(button), std::logic_error);
    EXPECT_THROW(widgets().closeDialog(modal), std::logic_error);
    EXPECT_THROW(widgets().pressHelp(modal), std::logic_error);
    widgets().pressCancel(modal);
    widgets().pressOk(modal);
    ZorGUIDialogDrop(modal);
    widgets().pressButton(button);
    EXPECT_THAT(heard, ElementsAre("cancel", "ok", "button"));
}

TEST_F(WidgetControlsTest, ObserversHearEveryKindOfChange)
{
    struct Recorder : zorsim::WidgetObserver {
        void widgetChanged(int id) override { ids.push_back(id); }
        std::vector<int> ids;
    } recorder;
    widgets().addObserver(&recorder);
    ZorGUILabelSetText(label, "x");
    ZorGUIOptionMenuAppendItem(menu, "z");
    widgets().choose(radio, 3);
    widgets().clickToggle(toggle);
    ZorGUIDialogLaunch(modal);
    widgets().removeObserver(&recorder);
    EXPECT_THAT(recorder.ids, ElementsAre(label, menu, radio, toggle, modal));
}

}  // namespace
