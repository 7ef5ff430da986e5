#include <string>
#include <vector>

#include "ZorUtil.h"
#include "addon/AddOnEntry.h"
#include "addon/AddOnId.h"
#include "macro/MacroCommandCallback.h"
#include "support/HostFixture.h"

namespace {

const std::string MenuLabel = "&Key Frame Animation...";

class AddOnEntryTest : public HostFixture {
protected:
    // A fresh host, prepared by `prepare`, into which the add-on is loaded.
    void loadInto(void (*prepare)(zorsim::Registry&))
    {
        freshHost();
        prepare(host().registry);
        InitZorAddOn113();
    }
};

TEST_F(AddOnEntryTest, RegistersItselfItsMenuOptionAndItsMacroCommands)
{
    ASSERT_EQ(1u, host().registry.addOns().size());
    const zorsim::RegisteredAddOn& addOn = host().registry.addOns().front();
    EXPECT_EQ("V13.1.0.15185(13.1.0.15185) Mar 30 2011", addOn.versionText);
    EXPECT_EQ("Zorvan, Inc.", addOn.company);
    EXPECT_EQ(addOn.id, AddOnId);
    const zorsim::MenuOption* option = host().registry.findOption(MenuLabel);
    ASSERT_NE(nullptr, option);
    EXPECT_NE(nullptr, option->sensitivity);
    EXPECT_TRUE(host().registry.hasMacroCallback("Key Frame Animation"));
}

TEST_F(AddOnEntryTest, WithoutMenuOrOptionStillRegistersTheMacroCommandsSilently)
{
    for (const auto prepare : {+[](zorsim::Registry& registry) { registry.removeStandardMenu(10); },
                               +[](zorsim::Registry& registry) { registry.setRefuseMenuOptions(true); }}) {
        loadInto(prepare);
        EXPECT_EQ(nullptr, host().registry.findOption(MenuLabel));
        EXPECT_TRUE(host().registry.hasMacroCallback("Key Frame Animation"));
        EXPECT_TRUE(host().messages.errors().empty());
        EXPECT_TRUE(host().messages.messageBoxes().empty());
        EXPECT_TRUE(hostInvariantsHold());
    }
}

TEST_F(AddOnEntryTest, OptionIsAvailableOnlyForA3DCartesianCurrentFrame)
{
    struct Case {
        std::vector<int> plotTypesBottomToTop;
        bool available;
    };
    const Case cases[] = {
        {{}, false},
        {{ZOR_PLOT_CARTESIAN3D}, true},
        {{ZOR_PLOT_CARTESIAN2D}, false},
        {{ZOR_PLOT_SKETCH}, false},
        {{0}, false},
        {{ZOR_PLOT_CARTESIAN2D, ZOR_PLOT_CARTESIAN3D}, true},
        {{ZOR_PLOT_CARTESIAN3D, ZOR_PLOT_XYLINE}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.plotTypesBottomToTop));
        loadInto([](zorsim::Registry&) {});
        for (int plotType : c.plotTypesBottomToTop)
            addFrame(plotType);
        const int startsBefore = host().lock.starts();
        EXPECT_EQ(c.available, host().registry.isOptionSensitive(MenuLabel));
        EXPECT_GT(host().lock.starts(), startsBefore) << "asked under the lock";
    }
}

TEST_F(AddOnEntryTest, MenuOptionAndMacroCallbackLeaveTheLockBalanced)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    host().registry.pickOption(MenuLabel);
    host().registry.pickOption(MenuLabel);
    EXPECT_TRUE(host().lock.isBalanced());
    char* errorText = nullptr;
    EXPECT_FALSE(macroCommandCallback("NoSuchCommand", &errorText));
    ZorUtilStringDealloc(&errorText);
}

}  // namespace
