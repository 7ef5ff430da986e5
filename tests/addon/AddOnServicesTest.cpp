// The add-on's own services on the host: the frame popper, the idle job,
// the progress line, the scopes that suspend drawing and display lists,
// and the state change listener. Each must give back what it took,
// whatever happens in between.
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "addon/AddOnId.h"
#include "addon/AddOnLock.h"
#include "addon/FramePopper.h"
#include "addon/KeyFrameError.h"
#include "addon/OnIdleManager.h"
#include "addon/PercentDoneStatus.h"
#include "addon/StateChangeListener.h"
#include "addon/SuspendDisplayLists.h"
#include "addon/SuspendGraphics.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;

const char* const DisplayLists = "INTERFACE USEDISPLAYLISTS";

class AddOnServicesTest : public HostFixture {};

TEST_F(AddOnServicesTest, FramePoppersVisitEveryFrameOnceAndRestoreTheOrderHoweverFarTheyGot)
{
    for (const bool full : {true, false}) {
        for (const int stepsTaken : {0, 1, 99}) {
            SCOPED_TRACE(testing::Message() << "full " << full << ", steps " << stepsTaken);
            freshHost();
            std::vector<ZorUniqueId> order(3);
            for (std::size_t place = 3; place-- > 0;)
                order[place] = host().frames.addFrame(place == 1 ? ZOR_PLOT_XYLINE : ZOR_PLOT_CARTESIAN3D);
            std::vector<ZorUniqueId> seen{order[0]};
            {
                const std::unique_ptr<FramePopperAbstract> popper = FramePopperAbstract::create(full);
                EXPECT_EQ(full, !host().drawing.isDrawing());
                for (int step = 0; step < stepsTaken && popper->next(); ++step)
                    seen.push_back(host().frames.current().id);
            }
            EXPECT_TRUE(stepsTaken < 99 || seen == order);
            for (std::size_t place = 0; place < 3; ++place)
                EXPECT_EQ(order[place], host().frames.frames().at(place).id);
            EXPECT_EQ(order[0], host().frames.current().id);
            EXPECT_TRUE(hostInvariantsHold());
        }
        freshHost();
        EXPECT_FALSE(FramePopperAbstract::create(full)->next()) << "no frames";
    }
    // A frame lost on the way ends the cycle all the same.
    for (int frame = 0; frame < 3; ++frame)
        host().frames.addFrame();
    FramePopper popper;
    host().frames.deleteCurrentFrame();
}

TEST_F(AddOnServicesTest, IdleManagerRunsOneJobAtATimeUnderTheLockAndSurvivesThrowingJobs)
{
    OnIdleManager manager;
    std::vector<std::string> ran;
    const std::function<void()> jobs[] = {
        [&] { ran.push_back("first " + std::to_string(host().lock.depth(AddOnId))); },
        [&] { manager.add([&] { ran.push_back("added while running"); }); },
        [] { throw KeyFrameError("Refresh failed."); },
        [] { throw std::runtime_error("not for the user"); },
        [&] { ran.push_back("after the throws"); },
    };
    for (const auto& job : jobs) {
        manager.add(job);
        manager.add([&] { ran.push_back("second while one is pending"); });
        host().idle.runIdle();
    }
    EXPECT_THAT(ran, ElementsAre("first 1", "after the throws"));
    EXPECT_THAT(errors(), ElementsAre("Refresh failed."));

    {
        OnIdleManager gone;
        gone.add([&] { ran.push_back("of a destroyed manager"); });
    }
    host().idle.runIdle();
    EXPECT_EQ(2u, ran.size());
}

TEST_F(AddOnServicesTest, ProgressLineShowsTruncatedPercentsAndKeepsACancel)
{
    AddOnLock lock;
    host().status.setPercentLog(true);
    {
        PercentDoneStatus status("Animating....", 1, 3U);
        EXPECT_EQ("Animating....", host().status.text()) << "no hint asked for";
        host().status.cancelAtCheck(2);
        for (int step = 0; step < 4; ++step) {
            status.step();
            host().status.forgetCancel();
            EXPECT_EQ(step >= 1, status.isCanceled()) << "a cancel once seen stays";
        }
    }
    EXPECT_THAT(host().status.percents(), ElementsAre(33, 66, 100, 100));
    PercentDoneStatus idle("Working", 0, 0U);
    EXPECT_FALSE(host().status.hasStopButton());
    host().status.requestCancel();
    idle.step();
    EXPECT_FALSE(idle.isCanceled()) << "without work the host is never asked";
}

TEST_F(AddOnServicesTest, ScopesCloseInReverseWhenAnExceptionPassesAndRestoreWhatTheyFound)
{
    for (const bool found : {true, false}) {
        host().styles.setValue(DisplayLists, found);
        keepHostStyles();
        try {
            AddOnLock lock;
            SuspendGraphics noDrawing;
            SuspendDisplayLists noDisplayLists;
            SuspendDisplayLists again;
            EXPECT_FALSE(host().styles.boolValue(DisplayLists));
            EXPECT_EQ(2, host().lock.depth(AddOnId));
            throw KeyFrameError("stop");
        } catch (const KeyFrameError&) {
        }
        EXPECT_TRUE(hostInvariantsHold()) << found;
    }
    host().styles.failGets(DisplayLists);
    SuspendDisplayLists();
    EXPECT_FALSE(host().styles.boolValue(DisplayLists)) << "an unreadable value is taken as off";
    keepHostStyles();
}

TEST_F(AddOnServicesTest, StateChangeListenerHearsUnderTheLockUntilUnloadAndShowsWhatItsCallbackThrows)
{
    std::vector<int> heard;
    auto listener = std::make_unique<StateChangeListener>(
        [&heard](const StateChangeEventInterface& event, StateChangeNotifierInterface&) {
            heard.push_back(event.getStateChange() * 10 + host().lock.depth(AddOnId));
            throw KeyFrameError("Cannot close the dialog.");
        });
    listener->startListening();
    host().stateChanges.notify(StateChange_UnloadAddOns);
    host().stateChanges.notify(StateChange_CurrentFrameChanged);
    EXPECT_THAT(heard, ElementsAre(StateChange_UnloadAddOns * 10 + 1));
    EXPECT_THAT(errors(), ElementsAre("Cannot close the dialog."));

    listener->startListening();
    listener.reset();
    EXPECT_EQ(0u, host().stateChanges.listenerCount());
}

}  // namespace
