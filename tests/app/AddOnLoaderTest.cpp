#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "AddOnDescription.h"
#include "AddOnLoader.h"
#include "StateChange.h"
#include "zorsim/Host.h"

class AddOnLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { zorsim::resetHost(); }
    static zorsim::Host& host() { return zorsim::host(); }
};

TEST_F(AddOnLoaderTest, LoadedModuleRegistersAndHearsOfItsUnload)
{
    {
        zorhost::AddOnLoader addOn(KFA_MODULE_PATH);
        ASSERT_EQ(1u, host().registry.addOns().size());
        EXPECT_EQ("Key Frame Animation", host().registry.addOns().front().name);
        EXPECT_TRUE(host().lock.isBalanced());
    }
    const std::vector<int>& notified = host().stateChanges.notified();
    EXPECT_NE(notified.end(), std::find(notified.begin(), notified.end(), StateChange_UnloadAddOns));
}

TEST_F(AddOnLoaderTest, ModuleThatCannotServeIsReportedByName)
{
    struct Case {
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {"/nonexistent/module.so", "cannot load the add-on /nonexistent/module.so"},
        {ZOR_LIBRARY_PATH, "has no entry point InitZorAddOn113"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            zorhost::AddOnLoader addOn(c.path);
            ADD_FAILURE() << "loaded";
        } catch (const zorhost::AddOnLoadError& error) {
            EXPECT_NE(std::string::npos, std::string(error.what()).find(c.reason)) << error.what();
        }
        EXPECT_TRUE(host().registry.addOns().empty());
    }
}

TEST_F(AddOnLoaderTest, DescriptionTellsWhetherTheOptionIsAvailableNow)
{
    zorhost::AddOnLoader addOn(KFA_MODULE_PATH);
    const std::string option = "\"&Key Frame Animation...\" in standard menu 10, position -1, ";
    EXPECT_NE(std::string::npos, zorhost::describeAddOns(host()).find(option + "not available now"));
    host().frames.addFrame(ZOR_PLOT_CARTESIAN3D);
    EXPECT_NE(std::string::npos, zorhost::describeAddOns(host()).find(option + "available now"));
    EXPECT_TRUE(host().lock.isBalanced());
}
