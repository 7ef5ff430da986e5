// The host model as the add-on, the fixture and zorhost's users rely on it:
// the lock, the status line, handed-out memory, which zones a frame draws
// and the movie export.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ZorUtil.h"
#include "support/FakeSink.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace {

using ::testing::ElementsAre;

// Movies go to a FakeSink that notes the light intensity shown at each frame.
class HostModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        sink.sample = [] { return host().styles.doubleValue("GLOBALTHREED LIGHTSOURCE INTENSITY"); };
        host().exports.setSink(&sink);
    }
    void TearDown() override
    {
        host().exports.setSink(nullptr);
        HostFixture::TearDown();
    }

    static void setUpMovie(zorsim::ExportFormat format, const std::string& fileName)
    {
        ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, static_cast<int>(format));
        ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, reinterpret_cast<ZorArbParam>(fileName.c_str()));
    }

    FakeSink sink;
    TempFolder folder;
    const std::string target = folder.path("movie.avi");
};

TEST_F(HostModelTest, LockNestsAndCountsUnmatchedFinishes)
{
    ZorUtilLockStart(7);
    ZorUtilLockStart(7);
    ZorUtilLockFinish(7);
    EXPECT_FALSE(host().lock.isBalanced());
    ZorUtilLockFinish(7);
    EXPECT_TRUE(host().lock.isBalanced());
    ZorUtilLockFinish(7);
    EXPECT_EQ(1, host().lock.unmatchedFinishes());
    freshHost();
}

TEST_F(HostModelTest, StatusLineCancelsAtTheAskedCheckUntilANewLineStarts)
{
    host().status.cancelAtCheck(2);
    ZorUtilStatusStartPercentDone("Working", true, true);
    EXPECT_TRUE(ZorUtilStatusCheckPercentDone(10));
    EXPECT_FALSE(ZorUtilStatusCheckPercentDone(20));
    EXPECT_FALSE(ZorUtilStatusCheckPercentDone(30));
    ZorUtilStatusStartPercentDone("Again", true, true);
    EXPECT_TRUE(ZorUtilStatusCheckPercentDone(50));
    ZorUtilStatusFinishPercentDone();
}

// The fixture's leak and misuse checks trust this bookkeeping: a block is out
// until freed, and a second free or a free of something never handed out is
// a fault that releases nothing, also after further allocations.
TEST_F(HostModelTest, HandedOutBlocksAreTrackedUntilFreedOnce)
{
    char* string = ZorUtilStringAlloc(14, nullptr);
    std::strcpy(string, "text");
    char* stringCopy = string;
    ZorUtilStringDealloc(&string);
    EXPECT_EQ(nullptr, string);
    EXPECT_EQ('X', stringCopy[0]) << "a freed string must not keep its text";
    char* other = ZorUtilStringAlloc(14, nullptr);
    ZorUtilStringDealloc(&stringCopy);
    EXPECT_EQ(1U, host().memory.stringsOut());
    ZorUtilStringDealloc(&other);

    addFrame(ZOR_PLOT_CARTESIAN3D);
    host().dataSet.addZone(0, 0.0);
    ZorSet set = nullptr;
    ASSERT_TRUE(ZorUtilZoneGetEnabled(&set));
    ZorSet setCopy = set;
    ZorUtilSetDealloc(&set);
    EXPECT_EQ(0, ZorUtilSetGetNextMember(setCopy, 0)) << "a freed set walked";
    ZorUtilSetDealloc(&setCopy);

    char foreign[] = "not handed out";
    char* foreignPointer = foreign;
    ZorUtilStringDealloc(&foreignPointer);
    EXPECT_TRUE(host().memory.nothingOut());
    EXPECT_EQ(1, host().memory.doubleFrees());
    EXPECT_EQ(4, host().memory.faults());
    freshHost();
}

TEST_F(HostModelTest, AFrameDrawsItsStaticZonesAndTheDueZoneOfEachStrand)
{
    addFrame(ZOR_PLOT_CARTESIAN3D);
    ZorSet set = nullptr;
    EXPECT_FALSE(ZorUtilZoneGetEnabled(&set)) << "no data set, no set";
    for (const auto& [strand, time] : {std::pair{0, 0.0}, {1, 1.0}, {1, 2.0}, {1, 3.0}, {2, 5.0}, {2, 4.0}})
        host().dataSet.addZone(strand, time);
    host().dataSet.addZone(1, 2.5, false);
    const struct {
        double time;
        std::vector<int> drawn;
    } cases[] = {
        {0.0, {1, 2, 6}},  // all of each strand later: the earliest
        {2.0, {1, 3, 6}},  // a zone of the current time is due
        {2.5, {1, 3, 6}}, {4.0, {1, 4, 6}}, {9.0, {1, 4, 5}},
    };
    for (const auto& each : cases) {
        ASSERT_TRUE(ZorUtilSolutionTimeSetCurrent(each.time));
        EXPECT_EQ(each.time, ZorUtilSolutionTimeGetCurrent());
        EXPECT_EQ(each.drawn, host().dataSet.drawnZones()) << "at time " << each.time;
    }
    ASSERT_TRUE(ZorUtilZoneGetEnabled(&set));
    std::vector<int> members;
    for (ZorSetIndex zone = ZorUtilSetGetNextMember(set, 0); zone != 0; zone = ZorUtilSetGetNextMember(set, zone))
        members.push_back(zone);
    ZorUtilSetDealloc(&set);
    EXPECT_THAT(members, ElementsAre(1, 2, 3, 4, 5, 6)) << "the disabled zone 7 is left out";
}

TEST_F(HostModelTest, ExportStartRefusesWhatCannotBecomeAMovie)
{
    using zorsim::ExportFormat;
    EXPECT_FALSE(ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, 0)) << "a null text";
    EXPECT_FALSE(ZorUtilExportSetup("NOSUCHKEYWORD", nullptr, 0.0, 1));
    const std::pair<ExportFormat, std::string> refused[] = {{ExportFormat::PNG, target},
                                                            {ExportFormat::AVI, ""},
                                                            {ExportFormat::AVI, folder.path("no/m.avi")},
                                                            {ExportFormat::AVI, folder.root()}};
    for (const auto& [format, fileName] : refused) {
        setUpMovie(format, fileName);
        EXPECT_FALSE(ZorUtilExportStart()) << static_cast<int>(format) << " " << fileName;
    }
    setUpMovie(ExportFormat::AVI, target);
    sink.failBegin = true;
    EXPECT_FALSE(ZorUtilExportStart()) << "the sink refused";
    EXPECT_FALSE(ZorUtilExportIsRecording());
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(HostModelTest, AMovieTakesTheFrameShownAtEachCallAndAppearsUnderItsNameWhenComplete)
{
    setUpMovie(zorsim::ExportFormat::RasterMetafile, target);
    for (double intensity : {10.0, 20.0, 30.0}) {
        host().styles.setValue("GLOBALTHREED LIGHTSOURCE INTENSITY", intensity);
        EXPECT_TRUE(intensity == 10.0 ? ZorUtilExportStart() : ZorUtilExportNextFrame());
    }
    keepHostStyles();
    EXPECT_FALSE(ZorUtilExportStart()) << "one movie at a time";
    EXPECT_FALSE(std::filesystem::exists(target)) << "an unfinished movie is not under its name";
    EXPECT_TRUE(ZorUtilExportFinish());
    EXPECT_THAT(folder.entries(), ElementsAre("movie.avi"));
    EXPECT_THAT(sink.frames, ElementsAre(10.0, 20.0, 30.0));
    EXPECT_FALSE(ZorUtilExportNextFrame()) << "no movie runs any more";
    EXPECT_FALSE(ZorUtilExportFinish());
}

TEST_F(HostModelTest, ACancelledOrFailedMovieLeavesNoFileAndKeepsAnOldOne)
{
    writeFile(target, "older movie");
    setUpMovie(zorsim::ExportFormat::AVI, target);
    for (const std::string end : {"cancel", "lost frame", "failed end"}) {
        SCOPED_TRACE(end);
        sink.lostFrame = end == "lost frame" ? 1 : -1;
        sink.failEnd = end == "failed end";
        ASSERT_TRUE(ZorUtilExportStart());
        ZorUtilExportNextFrame();
        if (end == "cancel")
            ZorUtilExportCancel();
        else
            EXPECT_FALSE(ZorUtilExportFinish());
        EXPECT_FALSE(ZorUtilExportIsRecording());
        EXPECT_THAT(folder.entries(), ElementsAre("movie.avi"));
        EXPECT_EQ("older movie", readFile(target));
    }
}

}  // namespace
