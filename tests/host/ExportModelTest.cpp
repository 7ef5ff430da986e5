#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "StyleValue.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

namespace fs = std::filesystem;

// Records, for every frame the export takes, the light intensity the host
// shows at that moment, and writes one line per frame into the movie.
class RecordingSink : public zorsim::FrameSink {
public:
    bool beginMovie(const zorsim::ExportValues& values, const std::string& path) override
    {
        format = values.format();
        file.open(path);
        return acceptMovies;
    }
    bool addFrame(int index) override
    {
        indices.push_back(index);
        intensities.push_back(zorsim::host().styles.doubleValue("GLOBALTHREED LIGHTSOURCE INTENSITY"));
        file << index << '\n';
        return true;
    }
    bool endMovie() override
    {
        file.close();
        ++ended;
        return completeMovies;
    }
    void abandonMovie() override
    {
        file.close();
        ++abandoned;
    }

    bool acceptMovies = true;
    bool completeMovies = true;
    int format = -1;
    std::vector<int> indices;
    std::vector<double> intensities;
    int ended = 0;
    int abandoned = 0;
    std::ofstream file;
};

class ExportModelTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        folder = fs::temp_directory_path() / ("kfa-export-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        target = (folder / "movie.avi").string();
        host().exports.setSink(&sink);
    }
    void TearDown() override
    {
        host().exports.setSink(nullptr);
        fs::remove_all(folder);
        HostFixture::TearDown();
    }

    void setUpMovie(int format, const std::string& fileName)
    {
        ASSERT_TRUE(ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, format));
        ASSERT_TRUE(ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, reinterpret_cast<ZorArbParam>(fileName.c_str())));
    }
    static void showIntensity(double intensity)
    {
        host().styles.setValue("GLOBALTHREED LIGHTSOURCE INTENSITY", intensity);
    }
    std::vector<fs::path> filesInFolder() const
    {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path().filename());
        return files;
    }

    static std::string fileContent(const std::string& path)
    {
        std::ifstream file(path);
        std::ostringstream content;
        content << file.rdbuf();
        return content.str();
    }

    RecordingSink sink;
    fs::path folder;
    std::string target;
};

TEST_F(ExportModelTest, SetupValuesAreTypedAndReadableAsStyleValues)
{
    StyleValue exportSetup(StringList{"EXPORTSETUP"});
    int format = -1;
    ASSERT_TRUE(StyleValue::returnCodeOk(exportSetup.get(format, StringList{"EXPORTFORMAT"})));
    EXPECT_FALSE(zorsim::isAnimationFormat(format)) << "a fresh host exports PNG";
    std::string fileName = "unset";
    ASSERT_TRUE(StyleValue::returnCodeOk(exportSetup.get(fileName, StringList{"EXPORTFNAME"})));
    EXPECT_EQ("", fileName);

    EXPECT_TRUE(ZorUtilExportSetup("ANIMATIONSPEED", nullptr, 29.97, 0));
    EXPECT_TRUE(ZorUtilExportSetup("USESUPERSAMPLEANTIALIASING", nullptr, 0.0, 1));
    EXPECT_TRUE(ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, 21));
    EXPECT_FALSE(ZorUtilExportSetup("NOSUCHKEYWORD", nullptr, 0.0, 1));
    EXPECT_FALSE(ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, 0)) << "a null text is refused";

    double speed = 0.0;
    bool antialiasing = false;
    exportSetup.get(speed, StringList{"ANIMATIONSPEED"});
    exportSetup.get(antialiasing, StringList{"USESUPERSAMPLEANTIALIASING"});
    exportSetup.get(format, StringList{"EXPORTFORMAT"});
    EXPECT_EQ(29.97, speed);
    EXPECT_TRUE(antialiasing);
    EXPECT_EQ(21, format);
    bool wrongType = false;
    EXPECT_FALSE(StyleValue::returnCodeOk(exportSetup.get(wrongType, StringList{"EXPORTFORMAT"})));
}

TEST_F(ExportModelTest, StartRefusesWhatCannotBecomeAMovie)
{
    struct Case {
        const char* what;
        int format;
        std::string fileName;
    };
    const std::vector<Case> cases = {
        {"an image format", static_cast<int>(zorsim::ExportFormat::PNG), target},
        {"an empty file name", static_cast<int>(zorsim::ExportFormat::AVI), ""},
        {"a folder that does not exist", static_cast<int>(zorsim::ExportFormat::AVI),
         (folder / "missing" / "movie.avi").string()},
    };
    for (const Case& c : cases) {
        setUpMovie(c.format, c.fileName);
        EXPECT_FALSE(ZorUtilExportStart()) << c.what;
        EXPECT_FALSE(ZorUtilExportIsRecording()) << c.what;
    }
    setUpMovie(static_cast<int>(zorsim::ExportFormat::AVI), target);
    sink.acceptMovies = false;
    EXPECT_FALSE(ZorUtilExportStart()) << "the sink refused";
    sink.acceptMovies = true;
    host().exports.refuseStarts(true);
    EXPECT_FALSE(ZorUtilExportStart()) << "starts refused";
    EXPECT_TRUE(filesInFolder().empty());
    EXPECT_EQ(0, host().exports.starts());
}

TEST_F(ExportModelTest, MovieTakesTheFrameShownAtEachCallAndAppearsWhenComplete)
{
    setUpMovie(static_cast<int>(zorsim::ExportFormat::RasterMetafile), target);
    showIntensity(10.0);
    ASSERT_TRUE(ZorUtilExportStart());
    EXPECT_TRUE(ZorUtilExportIsRecording());
    EXPECT_FALSE(ZorUtilExportStart()) << "one movie at a time";
    showIntensity(20.0);
    EXPECT_TRUE(ZorUtilExportNextFrame());
    showIntensity(30.0);
    EXPECT_TRUE(ZorUtilExportNextFrame());
    EXPECT_FALSE(fs::exists(target)) << "an unfinished movie is not under its name";

    EXPECT_TRUE(ZorUtilExportFinish());
    EXPECT_FALSE(ZorUtilExportIsRecording());
    EXPECT_EQ(sink.format, static_cast<int>(zorsim::ExportFormat::RasterMetafile));
    EXPECT_EQ((std::vector<int>{0, 1, 2}), sink.indices);
    EXPECT_EQ((std::vector<double>{10.0, 20.0, 30.0}), sink.intensities);
    EXPECT_EQ((std::vector<fs::path>{"movie.avi"}), filesInFolder());
    EXPECT_EQ("0\n1\n2\n", fileContent(target));
    EXPECT_FALSE(ZorUtilExportNextFrame()) << "no movie runs any more";
    EXPECT_FALSE(ZorUtilExportFinish());
}

TEST_F(ExportModelTest, CancelledOrFailedMoviesLeaveNoFileAndKeepAnOldOne)
{
    { std::ofstream(target) << "older movie"; }
    setUpMovie(static_cast<int>(zorsim::ExportFormat::AVI), target);
    ASSERT_TRUE(ZorUtilExportStart());
    ZorUtilExportNextFrame();
    ZorUtilExportCancel();
    EXPECT_FALSE(ZorUtilExportIsRecording());
    EXPECT_EQ(1, sink.abandoned);

    sink.completeMovies = false;
    ASSERT_TRUE(ZorUtilExportStart());
    EXPECT_FALSE(ZorUtilExportFinish());

    EXPECT_EQ((std::vector<fs::path>{"movie.avi"}), filesInFolder());
    EXPECT_EQ("older movie", fileContent(target));
}

TEST_F(ExportModelTest, ResettingTheHostAbandonsARunningMovie)
{
    setUpMovie(static_cast<int>(zorsim::ExportFormat::WMV), target);
    ASSERT_TRUE(ZorUtilExportStart());
    zorsim::resetHost();
    EXPECT_EQ(1, sink.abandoned);
    EXPECT_TRUE(filesInFolder().empty());
}

}  // namespace
