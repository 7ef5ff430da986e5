// A settings file that cannot be written completely: the old file stays and
// the user is told.
#include <fstream>
#include <string>

#include "faults/FaultFixture.h"
#include "support/FileSystemFaults.h"

namespace {

class SettingsWriteFaultTest : public FaultFixture {};

TEST_F(SettingsWriteFaultTest, ASaveThatCannotBeWrittenKeepsTheOldFileAndSaysSo)
{
    appendKeyFrames(3);
    const std::string settings = file("flight.keyframe");
    std::ofstream(settings) << "#!KeyFrame 1\n";
    const Files files = filesInFolder();
    host().fileDialog.answerWith(settings);
    host().messages.answerQuestion(true);
    {
        const FileSizeLimit diskFull(64);
        pick("&File", "Save Animation File &As...");
    }
    EXPECT_EQ("Unable to write file.", lastError());
    EXPECT_TRUE(hostRestored());
    EXPECT_EQ(files, filesInFolder());
}

}  // namespace
