#include <memory>
#include <vector>

#include "addon/AddOnId.h"
#include "addon/KeyFrameError.h"
#include "addon/StateChangeListener.h"
#include "support/HostFixture.h"

class StateChangeListenerTest : public HostFixture {
protected:
    // A listener that notes every code it hears and the lock depth then.
    std::unique_ptr<StateChangeListener> recordingListener()
    {
        return std::make_unique<StateChangeListener>(
            [this](const StateChangeEventInterface& event, StateChangeNotifierInterface&) {
                codes.push_back(event.getStateChange());
                depths.push_back(host().lock.depth(AddOnId));
            });
    }

    std::vector<int> codes;
    std::vector<int> depths;
};

TEST_F(StateChangeListenerTest, HearsChangesOnlyWhileListening)
{
    auto listener = recordingListener();
    host().frames.addFrame();
    EXPECT_TRUE(codes.empty());

    listener->startListening();
    host().frames.addFrame();
    host().frames.setPlotType(ZOR_PLOT_XYLINE);
    EXPECT_EQ((std::vector<int>{StateChange_FrameCreated, StateChange_CurrentFrameChanged,
                                StateChange_PlotTypeChanged}),
              codes);
    EXPECT_EQ((std::vector<int>{1, 1, 1}), depths);

    listener->stopListening();
    host().frames.deleteCurrentFrame();
    EXPECT_EQ(3u, codes.size());
    EXPECT_TRUE(host().lock.isBalanced());
}

TEST_F(StateChangeListenerTest, UnloadCodeIsHeardThenListeningStops)
{
    auto listener = recordingListener();
    listener->startListening();
    host().stateChanges.notify(StateChange_UnloadAddOns);
    EXPECT_EQ(std::vector<int>{StateChange_UnloadAddOns}, codes);
    EXPECT_FALSE(host().stateChanges.isListening(listener.get()));

    host().stateChanges.notify(StateChange_CurrentFrameChanged);
    EXPECT_EQ(1u, codes.size());
    EXPECT_TRUE(host().lock.isBalanced());
}

TEST_F(StateChangeListenerTest, ThrowingCallbackStaysInsideAndUnloadStillStops)
{
    StateChangeListener listener([](const StateChangeEventInterface&, StateChangeNotifierInterface&) {
        throw KeyFrameError("Cannot close the dialog.");
    });
    listener.startListening();
    EXPECT_NO_THROW(host().stateChanges.notify(StateChange_CurrentFrameChanged));
    EXPECT_NO_THROW(host().stateChanges.notify(StateChange_UnloadAddOns));
    EXPECT_FALSE(host().stateChanges.isListening(&listener));
    EXPECT_EQ(2u, host().messages.errors().size());
    EXPECT_TRUE(host().lock.isBalanced());
}

TEST_F(StateChangeListenerTest, DestroyedListenerIsNoLongerRegistered)
{
    auto listener = recordingListener();
    listener->startListening();
    listener.reset();
    EXPECT_EQ(0u, host().stateChanges.listenerCount());
    host().frames.addFrame();
    EXPECT_TRUE(codes.empty());
}
