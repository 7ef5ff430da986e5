#include <string>
#include <vector>

#include "addon/AddOnEntry.h"
#include "addon/AddOnId.h"
#include "support/HostFixture.h"

namespace {

const std::string MenuLabel = "&Key Frame Animation...";

class AddOnEntryTest : public HostFixture {};

TEST_F(AddOnEntryTest, RegistersUnderItsIdItsMacroCommandsAndItsMenuOptionWhereThereIsRoom)
{
    EXPECT_EQ(AddOnId, host().registry.addOns().at(0).id);
    const std::pair<void (*)(zorsim::Registry&), bool> hosts[] = {
        {[](zorsim::Registry&) {}, true},
        {[](zorsim::Registry& registry) { registry.removeStandardMenu(10); }, false},
        {[](zorsim::Registry& registry) { registry.setRefuseMenuOptions(true); }, false},
    };
    for (const auto& [prepare, hasOption] : hosts) {
        freshHost();
        prepare(host().registry);
        InitZorAddOn113();
        EXPECT_EQ(hasOption, host().registry.findOption(MenuLabel) != nullptr);
        EXPECT_TRUE(host().registry.hasMacroCallback("Key Frame Animation"));
        EXPECT_TRUE(errors().empty() && messageBoxTexts().empty()) << "silently";
        EXPECT_TRUE(hostInvariantsHold());
    }
}

TEST_F(AddOnEntryTest, OptionIsAvailableOnlyForA3DCartesianCurrentFrame)
{
    const std::pair<std::vector<int>, bool> cases[] = {{{}, false},
                                                       {{ZOR_PLOT_CARTESIAN3D}, true},
                                                       {{ZOR_PLOT_SKETCH}, false},
                                                       {{ZOR_PLOT_CARTESIAN2D, ZOR_PLOT_CARTESIAN3D}, true},
                                                       {{ZOR_PLOT_CARTESIAN3D, ZOR_PLOT_XYLINE}, false}};
    for (const auto& [plotTypesBottomToTop, available] : cases) {
        SCOPED_TRACE(testing::PrintToString(plotTypesBottomToTop));
        freshHost();
        InitZorAddOn113();
        for (int plotType : plotTypesBottomToTop)
            addFrame(plotType);
        const int startsBefore = host().lock.starts();
        EXPECT_EQ(available, host().registry.isOptionSensitive(MenuLabel));
        EXPECT_GT(host().lock.starts(), startsBefore) << "asked under the lock";
    }
}

}  // namespace
