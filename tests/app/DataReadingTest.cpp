// Data files read into a frame through the reading helper: every format the
// host offers brings its zones, times, variables and lines; damaged files,
// and helpers that crash, hang, talk nonsense or are cancelled, end in one
// message naming the file while the frame keeps what it showed.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <regex>

#include "player/FrameDataStore.h"
#include "player/HostScene.h"
#include "support/TempFolder.h"
#include "support/ZorhostRun.h"
#include "zorsim/Host.h"

using namespace zorhost;

namespace {

// The data files the tests read, each made once per test program.
class DataFiles {
public:
    // `name` made by the data set maker with `arguments` (or, for a name
    // starting with "cgns3", by the CGNS 3.x writer); made again when a test
    // asks for it with other arguments, whichever test ran first.
    std::string file(const std::string& name, const std::string& arguments = "")
    {
        const std::string path = folder_.path(name);
        const auto made = made_.find(name);
        if (made == made_.end() || made->second != arguments) {
            made_[name] = arguments;
            const bool old = name.rfind("cgns3", 0) == 0;
            const ProgramRun run =
                runCommand(std::string(old ? MAKEDATA_CGNS3_PATH : MAKEDATA_PATH) + " " + path + " " + arguments);
            EXPECT_EQ(0, run.status) << run.output;
        }
        return path;
    }
    std::string path(const std::string& name) const { return folder_.path(name); }

private:
    TempFolder folder_;
    std::map<std::string, std::string> made_;
};

DataFiles& dataFiles()
{
    static DataFiles files;
    return files;
}

class DataReadingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        zorsim::resetHost();
        host().frames.addFrame();
        store_.loadWave(host(), 3, 0.0, 1.0);
    }

    static zorsim::Host& host() { return zorsim::host(); }

    static ReaderLimits limits(const std::string& program = ZORHOST_READ_PATH, int seconds = 60)
    {
        ReaderLimits limits = defaultReaderLimits();
        limits.program = program;
        limits.seconds = seconds;
        return limits;
    }

    // Reads `path` into the frame; the error's text, or empty.
    std::string read(const std::string& path, const std::string& colourBy = "")
    {
        try {
            store_.loadDataFile(host(), path, colourBy);
        } catch (const DataReadError& error) {
            return error.what();
        }
        return "";
    }

    // The frame still shows the sample it was given.
    void expectSampleKept() const
    {
        EXPECT_EQ(3u, host().dataSet.current().zones.size());
        EXPECT_EQ(nullptr, store_.currentDataFile(host()));
    }

    FrameDataStore store_{limits()};
};

// A fake reading helper: a shell script.
std::string fakeHelper(const TempFolder& folder, const std::string& script)
{
    const std::string path = writeFile(folder.path("fake-reader"), "#!/bin/sh\n" + script + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    return path;
}

}  // namespace

TEST_F(DataReadingTest, EveryFormatBringsItsZonesTimesVariablesAndLines)
{
    const struct {
        const char* name;
        const char* arguments;
        std::size_t zones;
        std::size_t steps;
        std::vector<std::string> variables;
        bool lines;
    } formats[] = {
        {"unsteady.cgns", "--steps 3", 6, 3, {"Pressure", "Velocity"}, false},
        {"adf.cgns", "--adf", 2, 0, {"Pressure"}, false},
        {"cgns3.cgns", "3", 6, 3, {"Pressure"}, false},
        {"cgns3adf.cgns", "1 adf", 2, 0, {"Velocity"}, false},
        {"grid.vtu", "", 1, 0, {"pressure", "velocity", "temperature"}, false},
        {"grid.vts", "", 1, 0, {"pressure", "temperature"}, false},
        {"box.vti", "", 1, 0, {"pressure"}, false},
        {"floor.vtp", "", 1, 0, {"pressure"}, true},
        {"blocks.vtm", "", 2, 0, {"velocity"}, true},
        {"series.pvd", "--steps 3", 6, 3, {"pressure"}, true},
        {"legacy.vtk", "", 1, 0, {"temperature"}, false},
        {"grid.xyz", "", 1, 0, {"Density", "Momentum"}, false},
        {"series.p3d", "--steps 2", 2, 2, {"Density"}, false},
        {"floor.stl", "", 1, 0, {}, false},
        {"floor.obj", "", 1, 0, {}, false},
        {"floor.ply", "", 1, 0, {}, false},
        {"floor.gltf", "", 1, 0, {}, false},
        {"floor.glb", "", 1, 0, {}, false},
    };
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        ASSERT_EQ("", read(dataFiles().file(format.name, format.arguments)));
        const LoadedDataSet& file = *store_.currentDataFile(host());
        EXPECT_EQ(format.steps, file.times().size());
        const std::vector<zorsim::Zone>& zones = host().dataSet.current().zones;
        ASSERT_EQ(format.zones, zones.size());
        // Time steps make strands, one a zone of the file, each zone at its step's time.
        for (std::size_t z = 0; z < zones.size(); ++z) {
            const std::uint32_t step = file.zones()[z].summary.step;
            EXPECT_EQ(format.steps == 0 ? 0 : static_cast<int>(file.zones()[z].summary.block) + 1, zones[z].strand);
            EXPECT_DOUBLE_EQ(format.steps == 0 ? 0.0 : file.times()[step], zones[z].solutionTime);
        }
        for (const std::string& name : format.variables)
            EXPECT_LE(0, file.variableNamed(name)) << name;
        EXPECT_EQ(file.variableNamed("IntegrationTime"), -1);
        // The frame draws a surface, coloured by the first variable when
        // there is one, and its lines as streamtraces.
        const Scene scene = currentScene(host(), store_);
        ASSERT_FALSE(scene.zones.empty());
        bool surface = false;
        bool lines = false;
        for (const ZoneGeometry* zone : scene.zones) {
            surface = surface || !zone->triangles.indices.empty();
            lines = lines || !zone->streamtraces.empty();
        }
        EXPECT_TRUE(surface);
        EXPECT_EQ(format.lines, lines);
        EXPECT_EQ(format.variables.empty(), scene.colourVariable.empty());
        EXPECT_EQ(ZOR_PLOT_CARTESIAN3D, host().frames.current().plotType);
    }
}

TEST_F(DataReadingTest, TheColourVariableIsChosenByNameAndSpansEveryStep)
{
    const std::string series = dataFiles().file("colours.pvd", "--steps 4 --part .vtu");
    ASSERT_EQ("", read(series, "temperature"));
    const LoadedDataSet& file = *store_.currentDataFile(host());
    // The range covers the temperature of all four steps, which warms and cools.
    double low = 1e300;
    double high = -1e300;
    for (double time : file.times()) {
        host().dataSet.setSolutionTime(time);
        const Scene scene = currentScene(host(), store_);
        EXPECT_EQ("temperature", scene.colourVariable);
        const TriangleSurface& surface = scene.zones.at(0)->triangles;
        EXPECT_TRUE(surface.valuePerTriangle);
        EXPECT_EQ(surface.indices.size() / 3, surface.values.size());
        const auto [min, max] = std::minmax_element(surface.values.begin(), surface.values.end());
        low = std::min(low, static_cast<double>(*min));
        high = std::max(high, static_cast<double>(*max));
        EXPECT_DOUBLE_EQ(file.range(file.variableNamed("temperature")).min, scene.colourMin);
        // Only the steps drawn lately are held in memory.
        EXPECT_LE(file.zonesInMemory(), 2u);
    }
    EXPECT_NEAR(low, file.range(file.variableNamed("temperature")).min, 1e-3);
    EXPECT_NEAR(high, file.range(file.variableNamed("temperature")).max, 1e-3);

    // A name the file does not have keeps the data as it was.
    const std::string refusal = read(series, "vorticity");
    EXPECT_EQ(0u, refusal.find("cannot colour " + series + " by \"vorticity\": its variables are \"pressure\""))
        << refusal;
    EXPECT_EQ(&file, store_.currentDataFile(host()));

    // The window's Colour By: height, then another variable, each with its
    // legend; a variable the file lacks changes nothing. The legend's style
    // value hides it.
    const int pressure = file.variableNamed("pressure");
    for (const int variable : {-1, pressure, 99}) {
        SCOPED_TRACE(variable);
        if (variable == 99)
            EXPECT_THROW(store_.colourBy(host(), variable), std::out_of_range);
        else
            store_.colourBy(host(), variable);
        const Scene scene = currentScene(host(), store_);
        const VariableRange range = file.range(pressure);
        EXPECT_EQ(variable == -1 ? "" : "pressure", scene.colourVariable);
        EXPECT_EQ(variable == -1 ? "Z (height)" : "pressure", scene.legend.title);
        EXPECT_DOUBLE_EQ(variable == -1 ? scene.heightMin : range.min, scene.legend.min);
        EXPECT_DOUBLE_EQ(variable == -1 ? scene.heightMax : range.max, scene.legend.max);
        EXPECT_TRUE(scene.legend.show);
    }
    host().styles.setValue("COLORLEGEND SHOW", false);
    EXPECT_FALSE(currentScene(host(), store_).legend.show);
}

TEST_F(DataReadingTest, DamagedFilesOfEveryFormatGiveOneMessageAndKeepTheFrame)
{
    // Each format, and the text in its header that promises a count.
    const std::vector<std::pair<std::string, std::string>> formats = {
        {"unsteady.cgns", ""},
        {"grid.vtu", "NumberOfPoints=\"\\d+"},
        {"grid.vts", "WholeExtent=\"0 \\d+"},
        {"box.vti", "WholeExtent=\"0 \\d+"},
        {"floor.vtp", "NumberOfPoints=\"\\d+"},
        {"blocks.vtm", ""},
        {"series.pvd", ""},
        {"legacy.vtk", "POINTS \\d+"},
        {"grid.xyz", ""},
        {"series.p3d", ""},
        {"floor.stl", ""},
        {"floor.obj", ""},
        {"floor.ply", "element vertex \\d+"},
        {"floor.gltf", "\"count\":\\d+"},
        {"floor.glb", "\"count\":\\d+"},
    };
    std::mt19937 random(28);
    for (const auto& [name, count] : formats) {
        const std::string whole = readFile(dataFiles().file(name, name.find("series") == 0 ? "--steps 2" : ""));
        std::string garbage(whole.size(), '\0');
        for (char& c : garbage)
            c = static_cast<char>(random());
        std::string damaged = whole;
        for (int n = 0; n < 20; ++n)
            damaged[random() % damaged.size()] = static_cast<char>(random());
        const struct {
            const char* kind;
            std::string content;
            bool mayBeRead;
        } damages[] = {
            {"empty", "", false},
            {"truncated", whole.substr(0, whole.size() * 2 / 5), name == "series.pvd"},
            {"garbage", garbage, false},
            {"randomly damaged", damaged, true},
            {"promising more",
             std::regex_replace(whole, std::regex(count.empty() ? "$^" : count), "$&0000000",
                                std::regex_constants::format_first_only),
             count.empty()},
        };
        for (const auto& damage : damages) {
            SCOPED_TRACE(name + ", " + damage.kind);
            const std::string path = writeFile(dataFiles().path("damaged-" + name), damage.content);
            const std::string message = read(path);
            if (message.empty() && damage.mayBeRead) {
                store_.loadWave(host(), 3, 0.0, 1.0);
                continue;
            }
            EXPECT_EQ(0u, message.find("cannot read " + path + ": ")) << message;
            EXPECT_EQ(std::string::npos, message.find('\n')) << message;
            // In a sanitized build a fault of the helper's own code ends it too.
            EXPECT_EQ(std::string::npos, message.find("ABORTING")) << message;
            EXPECT_EQ(std::string::npos, message.find("Sanitizer")) << message;
            expectSampleKept();
        }
    }
}

TEST_F(DataReadingTest, AHelperThatFailsOrIsCancelledEndsInOneMessageAndKeepsTheFrame)
{
    const std::string file = dataFiles().file("floor.stl");
    const std::string header = "printf 'ZORREAD\\n\\001\\000\\000\\000'; ";
    const struct {
        const char* what;
        std::string script;
        int cancelAtCheck;
        std::string message;
    } cases[] = {
        {"crashes", header + "kill -SEGV $$", 0, "the reader stopped with a segmentation fault"},
        {"is killed mid-read", header + "sleep 0.2; kill -KILL $$", 0, "the reader was killed"},
        {"talks nonsense", "echo Hello", 0, "the reader sent data that cannot be used (it does not begin"},
        {"stops early", "echo 'no such library' >&2; exit 3", 0,
         "the reader ended with exit status 3 (it said: no such library)"},
        {"ends without its data", header, 0, "the reader ended before it sent all the data"},
        {"hangs", header + "sleep 30 & sleep 30", 0, "the reader took longer than 1 seconds and was stopped"},
        {"is cancelled", header + "sleep 30", 3, "the reading was cancelled"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        FrameDataStore store(limits(fakeHelper(folder, c.script), 1));
        if (c.cancelAtCheck > 0)
            host().status.cancelAtCheck(c.cancelAtCheck);
        const auto start = std::chrono::steady_clock::now();
        try {
            store.loadDataFile(host(), file, "");
            ADD_FAILURE() << "read";
        } catch (const DataReadError& error) {
            EXPECT_EQ(0u, std::string(error.what()).find("cannot read " + file + ": " + c.message)) << error.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_FALSE(host().status.isShown());
        expectSampleKept();
    }
}
