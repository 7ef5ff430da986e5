#include <string>
#include <vector>

#include "addon/AddOnEntry.h"
#include "addon/AddOnId.h"
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

TEST_F(AddOnEntryTest, RegistersItselfAndItsMacroCommandsAndItsMenuOptionWhereThereIsRoom)
{
    ASSERT_EQ(1u, host().registry.addOns().size());
    const zorsim::RegisteredAddOn& addOn = host().registry.addOns().front();
    EXPECT_EQ("V13.1.0.15185(13.1.0.15185) Mar 30 2011", addOn.versionText);
    EXPECT_EQ("Zorvan, Inc.", addOn.company);
    EXPECT_EQ(addOn.id, AddOnId);
    const std::pair<void (*)(zorsim::Registry&), bool> hosts[] = {
        {[](zorsim::Registry&) {}, true},
        {[](zorsim::Registry& registry) { registry.removeStandardMenu(10); }, false},
        {[](zorsim::Registry& registry) { registry.setRefuseMenuOptions(true); }, false},
    };
    for (const auto& [prepare, hasOption] : hosts) {
        loadInto(prepare);
        const zorsim::MenuOption* option = host().registry.findOption(MenuLabel);
        EXPECT_EQ(hasOption, option != nullptr);
        EXPECT_TRUE(option == nullptr || option->sensitivity != nullptr);
        EXPECT_TRUE(host().registry.hasMacroCallback("Key Frame Animation"));
        EXPECT_TRUE(host().messages.errors().empty() && host().messages.messageBoxes().empty()) << "silently";
        EXPECT_TRUE(hostInvariantsHold());
    }
}

TEST_F(AddOnEntryTest, OptionIsAvailableOnlyForA3DCartesianCurrentFrame)
{
    const std::pair<std::vector<int>, bool> cases[] = {
        {{}, false},
        {{ZOR_PLOT_CARTESIAN3D}, true},
        {{ZOR_PLOT_SKETCH}, false},
        {{ZOR_PLOT_CARTESIAN2D, ZOR_PLOT_CARTESIAN3D}, true},
        {{ZOR_PLOT_CARTESIAN3D, ZOR_PLOT_XYLINE}, false},
    };
    for (const auto& [plotTypesBottomToTop, available] : cases) {
        SCOPED_TRACE(testing::PrintToString(plotTypesBottomToTop));
        loadInto([](zorsim::Registry&) {});
        for (int plotType : plotTypesBottomToTop)
            addFrame(plotType);
        const int startsBefore = host().lock.starts();
        EXPECT_EQ(available, host().registry.isOptionSensitive(MenuLabel));
        EXPECT_GT(host().lock.starts(), startsBefore) << "asked under the lock";
    }
}

}  // namespace
