#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "StyleValue.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace {

// Writes, for every frame the export takes, the light intensity the host
// shows at that moment into the movie.
class RecordingSink : public zorsim::FrameSink {
public:
    bool beginMovie(const zorsim::ExportValues&, const std::string& path) override
    {
        file.open(path);
        return acceptMovies;
    }
    bool addFrame(int index) override
    {
        file << index << ':' << zorsim::host().styles.doubleValue("GLOBALTHREED LIGHTSOURCE INTENSITY") << '\n';
        return true;
    }
    bool endMovie() override
    {
        file.close();
        return completeMovies;
    }
    void abandonMovie() override { file.close(); }

    bool acceptMovies = true;
    bool completeMovies = true;
    std::ofstream file;
};

class ExportModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
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

    RecordingSink sink;
    TempFolder folder;
    const std::string target = folder.path("movie.avi");
};

TEST_F(ExportModelTest, SetupValuesAreTypedAndReadableAsStyleValues)
{
    StyleValue exportSetup(StringList{"EXPORTSETUP"});
    int format = -1;
    exportSetup.get(format, StringList{"EXPORTFORMAT"});
    EXPECT_FALSE(zorsim::isAnimationFormat(format)) << "a fresh host exports PNG";
    bool wrongType = true;
    EXPECT_FALSE(StyleValue::returnCodeOk(exportSetup.get(wrongType, StringList{"EXPORTFORMAT"})));
    EXPECT_TRUE(wrongType) << "a failed get leaves its output alone";
    EXPECT_TRUE(ZorUtilExportSetup("ANIMATIONSPEED", nullptr, 29.97, 0));
    EXPECT_FALSE(ZorUtilExportSetup("NOSUCHKEYWORD", nullptr, 0.0, 1));
    EXPECT_FALSE(ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, 0)) << "a null text is refused";
    double speed = 0.0;
    exportSetup.get(speed, StringList{"ANIMATIONSPEED"});
    EXPECT_EQ(29.97, speed);
}

TEST_F(ExportModelTest, StartRefusesWhatCannotBecomeAMovie)
{
    using zorsim::ExportFormat;
    const std::vector<std::pair<ExportFormat, std::string>> refused = {
        {ExportFormat::PNG, target}, {ExportFormat::AVI, ""}, {ExportFormat::AVI, folder.path("no/m.avi")}};
    for (const auto& [format, fileName] : refused) {
        setUpMovie(format, fileName);
        EXPECT_FALSE(ZorUtilExportStart()) << static_cast<int>(format) << " " << fileName;
    }
    setUpMovie(ExportFormat::AVI, target);
    sink.acceptMovies = false;
    EXPECT_FALSE(ZorUtilExportStart()) << "the sink refused";
    sink.acceptMovies = true;
    host().exports.refuseStarts(true);
    EXPECT_FALSE(ZorUtilExportStart()) << "starts refused";
    EXPECT_FALSE(ZorUtilExportIsRecording());
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(ExportModelTest, MovieTakesTheFrameShownAtEachCallAndAppearsWhenComplete)
{
    setUpMovie(zorsim::ExportFormat::RasterMetafile, target);
    for (double intensity : {10.0, 20.0, 30.0}) {
        host().styles.setValue("GLOBALTHREED LIGHTSOURCE INTENSITY", intensity);
        keepHostStyles();
        EXPECT_TRUE(intensity == 10.0 ? ZorUtilExportStart() : ZorUtilExportNextFrame());
    }
    EXPECT_TRUE(ZorUtilExportIsRecording());
    EXPECT_FALSE(ZorUtilExportStart()) << "one movie at a time";
    EXPECT_FALSE(std::filesystem::exists(target)) << "an unfinished movie is not under its name";

    EXPECT_TRUE(ZorUtilExportFinish());
    EXPECT_FALSE(ZorUtilExportIsRecording());
    EXPECT_EQ(std::vector<std::string>{"movie.avi"}, folder.entries());
    EXPECT_EQ("0:10\n1:20\n2:30\n", readFile(target));
    EXPECT_FALSE(ZorUtilExportNextFrame()) << "no movie runs any more";
    EXPECT_FALSE(ZorUtilExportFinish());
}

TEST_F(ExportModelTest, CancelledOrFailedMoviesLeaveNoFileAndKeepAnOldOne)
{
    writeFile(target, "older movie");
    setUpMovie(zorsim::ExportFormat::AVI, target);
    ASSERT_TRUE(ZorUtilExportStart());
    ZorUtilExportNextFrame();
    ZorUtilExportCancel();
    EXPECT_FALSE(ZorUtilExportIsRecording());

    sink.completeMovies = false;
    ASSERT_TRUE(ZorUtilExportStart());
    EXPECT_FALSE(ZorUtilExportFinish());
    EXPECT_EQ(std::vector<std::string>{"movie.avi"}, folder.entries());
    EXPECT_EQ("older movie", readFile(target));
}

}  // namespace
