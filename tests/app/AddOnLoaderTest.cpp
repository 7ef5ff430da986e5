#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "AddOnDescription.h"
#include "AddOnLoader.h"
#include "StateChange.h"
#include "zorsim/Host.h"

using ::testing::HasSubstr;

TEST(AddOnLoaderTest, LoadedModuleRegistersTellsWhenItServesAndHearsOfItsUnload)
{
    zorsim::resetHost();
    zorsim::Host& host = zorsim::host();
    {
        zorhost::AddOnLoader addOn(KFA_MODULE_PATH);
        ASSERT_EQ(1u, host.registry.addOns().size());
        EXPECT_THAT(zorhost::describeAddOns(host), HasSubstr("not available now"));
        host.frames.addFrame(ZOR_PLOT_CARTESIAN3D);
        EXPECT_THAT(zorhost::describeAddOns(host), HasSubstr("position -1, available now"));
        EXPECT_TRUE(host.lock.isBalanced());
    }
    EXPECT_THAT(host.stateChanges.notified(), ::testing::Contains(StateChange_UnloadAddOns));
}

TEST(AddOnLoaderTest, ModuleWithoutTheEntryPointIsReportedByName)
{
    zorsim::resetHost();
    try {
        zorhost::AddOnLoader addOn(ZOR_LIBRARY_PATH);
        ADD_FAILURE() << "loaded";
    } catch (const zorhost::AddOnLoadError& error) {
        EXPECT_THAT(error.what(), HasSubstr("has no entry point InitZorAddOn113"));
    }
    EXPECT_TRUE(zorsim::host().registry.addOns().empty());
}
