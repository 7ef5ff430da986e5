// Memory running out while the animation stores its views and solution
// times: this program replaces operator new so that the n-th allocation of
// at least 1 KiB made by the add-on (not by the host model) fails.
#include <cstdlib>
#include <new>

#include "faults/FaultFixture.h"

namespace {

constexpr std::size_t Large = 1024;
// 0: no allocation fails.
long failingAllocation = 0;
long largeAllocations = 0;

bool mustFail(std::size_t size)
{
    return failingAllocation > 0 && size >= Large && !zorsim::isInsideHostCall() &&
           ++largeAllocations == failingAllocation;
}

}  // namespace

// The replacements pair malloc with free, as the standard ones do; the
// compiler cannot see that they belong together.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    if (mustFail(size))
        throw std::bad_alloc();
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

#pragma GCC diagnostic pop

namespace {

const char* const NotEnoughMemory =
    "Not enough memory to produce the animation.\nTry reducing the number of total frames in the animation.";

class MemoryFaultTest : public FaultFixture {};

TEST_F(MemoryFaultTest, EveryLargeAllocationThatFailsShowsTheMemoryMessageAndRestoresTheHost)
{
    appendKeyFrames(100);
    long n = 1;
    for (bool failed = true; failed; ++n) {
        const std::size_t errorsBefore = errors().size();
        largeAllocations = 0;
        failingAllocation = n;
        animateOnScreen();
        failingAllocation = 0;
        failed = largeAllocations >= n;
        EXPECT_EQ(errorsBefore + (failed ? 1u : 0u), errors().size()) << "allocation " << n;
        EXPECT_TRUE(!failed || lastError() == NotEnoughMemory) << "allocation " << n << ": " << lastError();
        EXPECT_TRUE(hostRestored()) << "allocation " << n;
    }
    EXPECT_GE(n, 4) << "views and solution times are stored in large blocks";
}

}  // namespace
