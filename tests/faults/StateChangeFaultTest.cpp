// The host announces that it unloads its add-ons (state change 15) while
// the main dialog is up.
#include "faults/FaultFixture.h"

namespace {

class StateChangeFaultTest : public FaultFixture {};

TEST_F(StateChangeFaultTest, UnloadNoticeStopsListeningAndAPendingCloseStillCloses)
{
    host().stateChanges.notify(15);
    idle();
    EXPECT_TRUE(isDialogUp()) << "the frame is still a 3D frame";
    EXPECT_EQ(0u, host().stateChanges.listenerCount());

    openDialog();
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    host().stateChanges.notify(15);
    idle();
    EXPECT_FALSE(isDialogUp()) << "the close queued before the notice";
    EXPECT_EQ(0u, host().stateChanges.listenerCount());
    EXPECT_TRUE(hostRestored());

    host().frames.setPlotType(ZOR_PLOT_CARTESIAN3D);
    openDialog();
    EXPECT_EQ(1u, host().stateChanges.listenerCount()) << "listening again once the dialog is up";
}

}  // namespace
