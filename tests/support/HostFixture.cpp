#include "support/HostFixture.h"

#include "addon/AddOnEntry.h"

void HostFixture::SetUp()
{
    zorsim::resetHost();
    InitZorAddOn113();
    host().calls.clear();
}

void HostFixture::TearDown()
{
    EXPECT_TRUE(host().lock.isBalanced()) << "add-on lock left unbalanced";
}

void HostFixture::addFrame(int plotType)
{
    host().frames.addFrame(plotType);
}
