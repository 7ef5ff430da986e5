#include <string>
#include <vector>

#include "ZorUtil.h"
#include "addon/AddOnEntry.h"
#include "addon/AddOnId.h"
#include "macro/MacroCommandCallback.h"
#include "support/HostFixture.h"

namespace {

const std::string menuLabel = "&Key Frame Animation...";

}  // namespace

class AddOnEntryTest : public HostFixture {
protected:
    AddOnEntryTest() : HostFixture(HostLogging::On) {}

    // A fresh host, prepared by `prepare`, into which the add-on is loaded.
    template <typename Prepare>
    void loadInto(Prepare prepare)
    {
        freshHost();
        prepare(host().registry);
        InitZorAddOn113();
    }
    void load()
    {
        loadInto([](zorsim::Registry&) {});
    }
};

TEST_F(AddOnEntryTest, RegistersWithItsLiteralsInOrder)
{
    load();
    const std::vector<std::string> expected = {
        "ZorUtilLockOn",
        "ZorUtilAddOnRegister 110 Key Frame Animation",
        "ZorUtilMenuGetStandard 10",
        "ZorUtilMenuInsertOption 1010 -1 &Key Frame Animation...",
        "ZorUtilMenuRegisterSensitivityCallback 1",
        "ZorUtilMacroAddCommandCallback Key Frame Animation",
        "ZorUtilLockOff",
    };
    EXPECT_EQ(expected, host().calls.all());

    ASSERT_EQ(1u, host().registry.addOns().size());
    const zorsim::RegisteredAddOn& addOn = host().registry.addOns().front();
    EXPECT_EQ("V13.1.0.15185(13.1.0.15185) Mar 30 2011", addOn.versionText);
    EXPECT_EQ("Zorvan, Inc.", addOn.company);
    EXPECT_EQ(addOn.id, AddOnId);

    const zorsim::MenuOption* option = host().registry.findOption(menuLabel);
    ASSERT_NE(nullptr, option);
    EXPECT_EQ(0, option->clientData);
    EXPECT_NE(nullptr, option->sensitivity);
    EXPECT_EQ(0, option->sensitivityData);
    EXPECT_TRUE(host().registry.hasMacroCallback("Key Frame Animation"));
}

TEST_F(AddOnEntryTest, WithoutMenuOrOptionStillRegistersMacroCallbackSilently)
{
    struct Case {
        const char* what;
        void (*prepare)(zorsim::Registry&);
    };
    const Case cases[] = {
        {"no standard menu 10", [](zorsim::Registry& registry) { registry.removeStandardMenu(10); }},
        {"option refused", [](zorsim::Registry& registry) { registry.setRefuseMenuOptions(true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loadInto(c.prepare);
        EXPECT_EQ(nullptr, host().registry.findOption(menuLabel));
        EXPECT_EQ(0, host().calls.count("ZorUtilMenuRegisterSensitivityCallback"));
        EXPECT_TRUE(host().registry.hasMacroCallback("Key Frame Animation"));
        EXPECT_EQ(1, host().calls.count("ZorUtilLockOff"));
        EXPECT_TRUE(host().messages.errors().empty());
        EXPECT_TRUE(host().messages.messageBoxes().empty());
        EXPECT_TRUE(host().lock.isBalanced());
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
        {{ZOR_PLOT_XYLINE}, false},
        {{ZOR_PLOT_POLAR}, false},
        {{ZOR_PLOT_SKETCH}, false},
        {{0}, false},
        {{ZOR_PLOT_CARTESIAN2D, ZOR_PLOT_CARTESIAN3D}, true},
        {{ZOR_PLOT_CARTESIAN3D, ZOR_PLOT_XYLINE}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.plotTypesBottomToTop));
        load();
        for (int plotType : c.plotTypesBottomToTop)
            addFrame(plotType);
        host().calls.clear();
        const int startsBefore = host().lock.starts();

        EXPECT_EQ(c.available, host().registry.isOptionSensitive(menuLabel));
        EXPECT_EQ(c.plotTypesBottomToTop.empty() ? 0 : 1, host().calls.count("ZorUtilFrameGetPlotType"));
        EXPECT_GT(host().lock.starts(), startsBefore);
        EXPECT_TRUE(host().lock.isBalanced());
    }
}

TEST_F(AddOnEntryTest, EveryCallbackLeavesTheLockBalanced)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    host().registry.pickOption(menuLabel);
    host().registry.pickOption(menuLabel);
    EXPECT_TRUE(host().lock.isBalanced());

    char* errorText = nullptr;
    EXPECT_FALSE(macroCommandCallback("NoSuchCommand", &errorText));
    ZorUtilStringDealloc(&errorText);
    EXPECT_TRUE(host().lock.isBalanced());
    EXPECT_GT(host().lock.starts(), 0);
}
