// A movie or a settings file that cannot be written completely: the user is
// told, the Animate command is not recorded, and an older file of the same
// name stays as it was.
#include <functional>
#include <string>

#include "faults/FaultFixture.h"
#include "support/FakeSink.h"
#include "support/FileSystemFaults.h"

namespace {

using WriteFaultTest = FaultFixture;

TEST_F(WriteFaultTest, AMovieThatFailsIsReportedAndLeavesTheOldMovieAsItWas)
{
    const std::string unableToStart = "Unable to start animation export.";
    const std::string unableToFinish = "Unable to finish animation export. The movie file could not be written.";
    const struct {
        const char* fault;
        std::function<void(FakeSink&)> arrange;
        std::string message;
    } cases[] = {
        {"start refused", [](FakeSink&) { zorsim::host().exports.refuseStarts(true); }, unableToStart},
        {"writer refuses", [](FakeSink& s) { s.failBegin = true; }, unableToStart},
        {"frame lost", [](FakeSink& s) { s.lostFrame = 3; }, unableToFinish},
        {"not completed", [](FakeSink& s) { s.failEnd = true; }, unableToFinish},
    };
    appendKeyFrames(4);
    const std::string movie = olderFile("flight.avi", "an older movie");
    FakeSink sink;
    host().exports.setSink(&sink);
    host().macro.setRecording(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        host().exports.refuseStarts(false);
        sink = FakeSink();
        c.arrange(sink);
        const Files files = filesInFolder();
        const Outcome outcome = animateToFile(movie);
        EXPECT_THAT(outcome.errors, ::testing::ElementsAre(c.message));
        EXPECT_THAT(outcome.recorded, ::testing::Each(::testing::Not(::testing::HasSubstr("AnimationDestination"))));
        EXPECT_TRUE(hostRestored());
        EXPECT_EQ(files, filesInFolder());
    }
    host().exports.setSink(nullptr);
}

TEST_F(WriteFaultTest, ASaveOnAFullDiskKeepsTheOldSettingsFileAndSaysSo)
{
    appendKeyFrames(3);
    host().fileDialog.answerWith(olderFile("flight.keyframe", "#!KeyFrame 1\n"));
    host().messages.answerQuestion(true);
    const Files files = filesInFolder();
    {
        const FileSizeLimit diskFull(64);
        pick("&File", "Save Animation File &As...");
    }
    EXPECT_EQ("Unable to write file.", lastError());
    EXPECT_TRUE(hostRestored());
    EXPECT_EQ(files, filesInFolder());
}

}  // namespace
