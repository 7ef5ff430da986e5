#include <memory>
#include <vector>

#include "addon/AddOnId.h"
#include "addon/FramePopper.h"
#include "support/HostFixture.h"

class FramePopperTest : public HostFixture {
protected:
    // Frames a (top), b, c.
    void addThreeFrames()
    {
        c = host().frames.addFrame();
        b = host().frames.addFrame(ZOR_PLOT_XYLINE);
        a = host().frames.addFrame();
    }
    std::vector<ZorUniqueId> order() const
    {
        std::vector<ZorUniqueId> ids;
        for (const zorsim::Frame& frame : host().frames.frames())
            ids.push_back(frame.id);
        return ids;
    }
    // Works on every frame through `popper` and returns the current frames
    // seen, giving up after `limit` steps.
    std::vector<ZorUniqueId> visit(FramePopperAbstract& popper, int limit = 20)
    {
        std::vector<ZorUniqueId> seen;
        do {
            seen.push_back(host().frames.current().id);
        } while (popper.next() && --limit > 0);
        return seen;
    }

    ZorUniqueId a = 0;
    ZorUniqueId b = 0;
    ZorUniqueId c = 0;
};

TEST_F(FramePopperTest, CreateChoosesThePopperByFull)
{
    host().frames.addFrame();
    EXPECT_NE(nullptr, dynamic_cast<FramePopper*>(FramePopperAbstract::create(true).get()));
    EXPECT_NE(nullptr, dynamic_cast<FramePopperLightweight*>(FramePopperAbstract::create(false).get()));
}

TEST_F(FramePopperTest, VisitsEveryFrameOnceAndRestoresTopAndDrawing)
{
    for (bool full : {true, false}) {
        SCOPED_TRACE(full);
        freshHost();
        addThreeFrames();
        const std::vector<ZorUniqueId> before = order();
        {
            std::unique_ptr<FramePopperAbstract> popper = FramePopperAbstract::create(full);
            EXPECT_EQ(1, host().lock.depth(AddOnId));
            EXPECT_EQ(full, !host().drawing.isDrawing());
            EXPECT_EQ((std::vector<ZorUniqueId>{a, b, c}), visit(*popper));
            EXPECT_FALSE(popper->next());
        }
        EXPECT_EQ(before, order());
        EXPECT_EQ(a, host().frames.current().id);
        EXPECT_FALSE(host().frames.isLightweightPopping());
        EXPECT_TRUE(host().drawing.isDrawing());
        EXPECT_TRUE(host().lock.isBalanced());
    }
}

TEST_F(FramePopperTest, DestructionCompletesAnUnfinishedCycle)
{
    for (int stepsTaken : {0, 1, 2}) {
        for (bool full : {true, false}) {
            SCOPED_TRACE(testing::Message() << "steps " << stepsTaken << " full " << full);
            freshHost();
            addThreeFrames();
            {
                std::unique_ptr<FramePopperAbstract> popper = FramePopperAbstract::create(full);
                for (int step = 0; step < stepsTaken; ++step)
                    popper->next();
            }
            EXPECT_EQ((std::vector<ZorUniqueId>{a, b, c}), order());
            EXPECT_EQ(a, host().frames.current().id);
            EXPECT_FALSE(host().frames.isLightweightPopping());
            EXPECT_TRUE(host().drawing.isDrawing());
            EXPECT_TRUE(host().lock.isBalanced());
        }
    }
}

TEST_F(FramePopperTest, CycleEndsWhenTheFirstFrameIsDeletedOnTheWay)
{
    addThreeFrames();
    {
        FramePopper popper;
        host().frames.deleteCurrentFrame();
        EXPECT_EQ((std::vector<ZorUniqueId>{b, c}), order());
        visit(popper);
        EXPECT_FALSE(popper.next());
    }
    EXPECT_EQ(2, host().frames.count());
    EXPECT_TRUE(host().drawing.isDrawing());
    EXPECT_TRUE(host().lock.isBalanced());
}

TEST_F(FramePopperTest, WithoutFramesThereIsNothingToVisit)
{
    for (bool full : {true, false}) {
        SCOPED_TRACE(full);
        {
            std::unique_ptr<FramePopperAbstract> popper = FramePopperAbstract::create(full);
            EXPECT_FALSE(popper->next());
        }
        EXPECT_TRUE(host().drawing.isDrawing());
        EXPECT_TRUE(host().lock.isBalanced());
    }
}
