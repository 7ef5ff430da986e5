// The user cancels at every check of the progress lines of a small
// animation, on screen and into a movie, until it plays to its end.
#include <filesystem>
#include <string>

#include "faults/FaultFixture.h"

namespace {

class CancelFaultTest : public FaultFixture {
protected:
    // Cancels at check 1, 2, ... until `animate` ends without a cancel;
    // returns the number of cancels. The first `computedViews` checks are
    // those of the views' computation.
    template <typename Animate>
    int cancelAtEveryCheck(Animate animate, int computedViews)
    {
        bool axisAtRedraw = false;
        host().drawing.onRedraw = [&axisAtRedraw](bool) {
            axisAtRedraw = host().styles.boolValue("THREEDAXIS FRAMEAXIS SHOW");
        };
        int n = 1;
        for (;; ++n) {
            const Files files = filesInFolder();
            const std::size_t errorsBefore = errors().size();
            const int redraws = host().drawing.fullRedraws();
            const double usersPsi = host().view.current().psi;
            host().status.cancelAtCheck(n);
            animate();
            if (errors().size() == errorsBefore)
                break;
            EXPECT_EQ("Animation canceled.", lastError()) << "check " << n;
            EXPECT_TRUE(hostRestored()) << "check " << n;
            EXPECT_EQ(files, filesInFolder()) << "check " << n;
            EXPECT_TRUE(axisAtRedraw) << "the host is restored before the redraw, check " << n;
            if (n <= computedViews) {
                EXPECT_NEAR(usersPsi, host().view.current().psi, 1e-9) << "the user's view is back, check " << n;
                EXPECT_EQ(redraws + 1, host().drawing.fullRedraws()) << "check " << n;
            }
        }
        host().drawing.onRedraw = nullptr;
        return n - 1;
    }
};

TEST_F(CancelFaultTest, EveryCancelRestoresTheHostAndKeepsTheOldMovie)
{
    appendKeyFrames(3);
    // Four views computed between the key frames, seven frames played.
    EXPECT_EQ(11, cancelAtEveryCheck([] { animateOnScreen(); }, 4));

    const std::string movie = olderFile("flight.avi", "an older movie");
    EXPECT_EQ(11, cancelAtEveryCheck([&] { animateToFile(movie); }, 4));
    EXPECT_EQ(1, host().exports.finishes());
    EXPECT_NE(std::filesystem::file_size(movie), std::string("an older movie").size());
}

}  // namespace
