#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "AddOnDescription.h"
#include "AddOnLoader.h"
#include "StateChange.h"
#include "zorsim/Host.h"

using namespace zorhost;
using ::testing::HasSubstr;

TEST(AddOnLoaderTest, LoadedModuleRegistersTellsWhenItServesAndHearsOfItsUnload)
{
    zorsim::resetHost();
    zorsim::Host& host = zorsim::host();
    // A module without the entry point is reported by name and leaves nothing registered.
    EXPECT_THAT([] { AddOnLoader addOn(ZOR_LIBRARY_PATH); },
                ::testing::ThrowsMessage<AddOnLoadError>(HasSubstr("has no entry point InitZorAddOn113")));
    EXPECT_TRUE(host.registry.addOns().empty());
    {
        AddOnLoader addOn(KFA_MODULE_PATH);
        EXPECT_EQ("Add-ons:\n"
                  "  \"Key Frame Animation\"\n"
                  "    version: V13.1.0.15185(13.1.0.15185) Mar 30 2011\n"
                  "    company: Zorvan, Inc.\n"
                  "    host interface: 110\n"
                  "Menu options:\n"
                  "  \"&Key Frame Animation...\" in standard menu 10, position -1, not available now\n"
                  "Macro commands for:\n"
                  "  \"Key Frame Animation\"\n",
                  describeAddOns(host));
        host.frames.addFrame(ZOR_PLOT_CARTESIAN3D);
        EXPECT_THAT(describeAddOns(host), HasSubstr("position -1, available now"));
        EXPECT_TRUE(host.lock.isBalanced());
    }
    EXPECT_THAT(host.stateChanges.notified(), ::testing::Contains(StateChange_UnloadAddOns));
}
