#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "AddOnDescription.h"
#include "AddOnLoader.h"
#include "StateChange.h"
#include "zorsim/Host.h"

using ::testing::Contains;
using ::testing::HasSubstr;

class AddOnLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { zorsim::resetHost(); }
    static zorsim::Host& host() { return zorsim::host(); }
};

TEST_F(AddOnLoaderTest, LoadedModuleRegistersTellsWhenItServesAndHearsOfItsUnload)
{
    {
        zorhost::AddOnLoader addOn(KFA_MODULE_PATH);
        ASSERT_EQ(1u, host().registry.addOns().size());
        EXPECT_EQ("Key Frame Animation", host().registry.addOns().front().name);
        const std::string option = "\"&Key Frame Animation...\" in standard menu 10, position -1, ";
        EXPECT_THAT(zorhost::describeAddOns(host()), HasSubstr(option + "not available now"));
        host().frames.addFrame(ZOR_PLOT_CARTESIAN3D);
        EXPECT_THAT(zorhost::describeAddOns(host()), HasSubstr(option + "available now"));
        EXPECT_TRUE(host().lock.isBalanced());
    }
    EXPECT_THAT(host().stateChanges.notified(), Contains(StateChange_UnloadAddOns));
}

TEST_F(AddOnLoaderTest, ModuleWithoutTheEntryPointIsReportedByName)
{
    try {
        zorhost::AddOnLoader addOn(ZOR_LIBRARY_PATH);
        ADD_FAILURE() << "loaded";
    } catch (const zorhost::AddOnLoadError& error) {
        EXPECT_THAT(error.what(), HasSubstr("has no entry point InitZorAddOn113"));
    }
    EXPECT_TRUE(host().registry.addOns().empty());
}
