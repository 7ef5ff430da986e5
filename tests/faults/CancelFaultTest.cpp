// The user cancels at every check of the progress lines of a small
// animation, on screen and into a movie, until it plays to its end.
#include <filesystem>
#include <fstream>
#include <string>

#include "faults/FaultFixture.h"

namespace {

class CancelFaultTest : public FaultFixture {
protected:
    // Cancels at check 1, 2, ... until `animate` ends without a cancel;
    // returns the number of cancels.
    template <typename Animate>
    int cancelAtEveryCheck(Animate animate)
    {
        int n = 1;
        for (;; ++n) {
            HostUnchanged before;
            before.keepFolder(folder);
            const std::size_t errors = host().messages.errors().size();
            host().status.cancelAtCheck(n);
            animate();
            if (host().messages.errors().size() == errors)
                return n - 1;
            EXPECT_EQ("Animation canceled.", lastError()) << "check " << n;
            EXPECT_TRUE(before.unchanged()) << "check " << n;
        }
    }
};

TEST_F(CancelFaultTest, EveryCancelRestoresTheHostAndKeepsTheOldMovie)
{
    appendKeyFrames(3);
    // Four views computed between the key frames, seven frames played.
    EXPECT_EQ(11, cancelAtEveryCheck([] { animateOnScreen(); }));

    const std::string movie = file("flight.avi");
    std::ofstream(movie) << "an older movie";
    EXPECT_EQ(11, cancelAtEveryCheck([&] { animateToFile(movie); }));
    EXPECT_EQ(1, host().exports.finishes());
    EXPECT_NE(std::filesystem::file_size(movie), std::string("an older movie").size());
}

}  // namespace
