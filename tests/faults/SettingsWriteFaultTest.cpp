// A settings file that cannot be written completely: the old file stays and
// the user is told.
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <string>

#include "faults/FaultFixture.h"

namespace {

// Files written while it lives cannot grow past `bytes`, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

class SettingsWriteFaultTest : public FaultFixture {};

TEST_F(SettingsWriteFaultTest, ASaveThatCannotBeWrittenKeepsTheOldFileAndSaysSo)
{
    appendKeyFrames(3);
    const std::string settings = file("flight.keyframe");
    std::ofstream(settings) << "#!KeyFrame 1\n";
    HostUnchanged before;
    before.keepFolder(folder);
    host().fileDialog.answerWith(settings);
    host().messages.answerQuestion(true);
    {
        const FileSizeLimit diskFull(64);
        pick("&File", "Save Animation File &As...");
    }
    EXPECT_EQ("Unable to write file.", lastError());
    EXPECT_TRUE(before.unchanged());
}

}  // namespace
