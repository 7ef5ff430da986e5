#include "support/HostFixture.h"

#include "addon/AddOnEntry.h"
#include "addon/ProcessWide.h"

void HostFixture::SetUp()
{
    freshHost();
    InitZorAddOn113();
    host().calls.clear();
}

void HostFixture::TearDown()
{
    EXPECT_TRUE(host().lock.isBalanced()) << "add-on lock left unbalanced";
    discardProcessWideObjects();
}

void HostFixture::addFrame(int plotType)
{
    host().frames.addFrame(plotType);
}

void HostFixture::freshHost() const
{
    discardProcessWideObjects();
    zorsim::resetHost();
    host().setLogging(logging_ == HostLogging::On);
}
