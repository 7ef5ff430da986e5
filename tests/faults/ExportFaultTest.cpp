// A movie export that cannot start, loses a frame on the way or cannot be
// completed: the user is told, the Animate command is not recorded, and an
// older movie of the same name stays as it was.
#include <fstream>
#include <functional>
#include <string>

#include "faults/FaultFixture.h"

namespace {

// A movie writer that fails where a test says.
class FailingSink : public zorsim::FrameSink {
public:
    bool beginMovie(const zorsim::ExportValues&, const std::string&) override { return !failBegin; }
    bool addFrame(int index) override { return index != lostFrame; }
    bool endMovie() override { return !failEnd; }
    void abandonMovie() override {}

    bool failBegin = false;
    int lostFrame = -1;
    bool failEnd = false;
};

class ExportFaultTest : public FaultFixture {
protected:
    void TearDown() override
    {
        host().exports.setSink(nullptr);
        FaultFixture::TearDown();
    }
    FailingSink sink;
};

TEST_F(ExportFaultTest, AMovieThatFailsIsReportedAndLeavesTheOldMovieAsItWas)
{
    const std::string unableToStart = "Unable to start animation export.";
    const std::string unableToFinish = "Unable to finish animation export. The movie file could not be written.";
    const struct {
        const char* fault;
        std::function<void(FailingSink&)> arrange;
        std::string message;
    } cases[] = {
        {"start refused", [](FailingSink&) { zorsim::host().exports.refuseStarts(true); }, unableToStart},
        {"writer refuses", [](FailingSink& s) { s.failBegin = true; }, unableToStart},
        {"frame lost", [](FailingSink& s) { s.lostFrame = 3; }, unableToFinish},
        {"not completed", [](FailingSink& s) { s.failEnd = true; }, unableToFinish},
    };
    appendKeyFrames(4);
    const std::string movie = file("flight.avi");
    std::ofstream(movie) << "an older movie";
    host().exports.setSink(&sink);
    host().macro.setRecording(true);
    for (const auto& c : cases) {
        host().exports.refuseStarts(false);
        sink = FailingSink();
        c.arrange(sink);
        const Files files = filesInFolder();
        animateToFile(movie);
        EXPECT_EQ(c.message, lastError()) << c.fault;
        EXPECT_TRUE(hostRestored()) << c.fault;
        EXPECT_EQ(files, filesInFolder()) << c.fault;
        for (const std::string& line : host().macro.lines())
            EXPECT_EQ(std::string::npos, line.find("Animate AnimationDestination")) << c.fault;
    }
}

}  // namespace
