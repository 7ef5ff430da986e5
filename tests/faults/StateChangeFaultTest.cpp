// The host announces that it unloads its add-ons (state change 15) while
// the main dialog is up.
#include "faults/FaultFixture.h"

namespace {

const int Unloading = 15;

class StateChangeFaultTest : public FaultFixture {};

TEST_F(StateChangeFaultTest, UnloadNoticeStopsListeningAndAPendingCloseStillCloses)
{
    host().stateChanges.notify(Unloading);
    idle();
    EXPECT_TRUE(isDialogUp()) << "the frame is still a 3D frame";
    EXPECT_EQ(0u, host().stateChanges.listenerCount());
    EXPECT_TRUE(hostRestored());

    openDialog();
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    host().stateChanges.notify(Unloading);
    idle();
    EXPECT_FALSE(isDialogUp()) << "the close queued before the notice";
    EXPECT_EQ(0u, host().stateChanges.listenerCount());
    EXPECT_TRUE(hostRestored());

    host().frames.setPlotType(ZOR_PLOT_CARTESIAN3D);
    openDialog();
    EXPECT_TRUE(isDialogUp());
    EXPECT_EQ(1u, host().stateChanges.listenerCount()) << "listening again once the dialog is up";
}

}  // namespace
