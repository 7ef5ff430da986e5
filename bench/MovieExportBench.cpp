// What a movie export costs against its two halves, measured in one run on
// the 300 frames of the fly-through's key frames (bench/movie), 800 and 1920
// pixels wide (the frame's 4:3: 800 x 600 and 1920 x 1440):
//
//   R  drawing and reading back the frames, into pictures already in memory;
//   E  converting and encoding those pictures, MPEG-4 and AVI, from memory;
//   M  the whole export, Animate to file through the add-on in zorhost.
//
// With drawing and encoding overlapped on two cores, M approaches the larger
// of R and E; run one after the other it is R + E. It also counts, on the
// export path run in this process (the add-on, the host model, zorhost's
// frame recorder, renderer and movie writer) after its first 40 frames,
// the heap blocks of at least a picture's pixel count in bytes, and reads
// zorhost's page faults and processor time.
//
//   build/bench/MovieExportBench [--zorhost PATH] [--width W]...
//
// Not a Google Benchmark: M is a program of its own, and each part runs once
// (a few seconds of 300 frames), so the fastest-of-repetitions machinery
// would only multiply the run time.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "BenchHost.h"
#include "LargeAllocationCounter.h"
#include "macro/MacroLanguage.h"
#include "movie/MovieWriter.h"
#include "player/FrameDataStore.h"
#include "player/FrameRecorder.h"
#include "player/HostScene.h"
#include "player/MacroPlayer.h"
#include "render/Renderer.h"
#include "zorsim/Host.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double secondsOf(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Processor time, user and system, of every thread of this process so far.
double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
}

// A part's time on the clock and on the processors: on a machine that other
// work shares, the clock says little and the processor time still tells
// how much work a part made.
struct Timing {
    double seconds = 0.0;
    double processor = 0.0;
};

// Times `part` on the clock and on this process's processors.
template <typename Part>
Timing timed(Part&& part)
{
    const double processorStart = processorSeconds();
    const Clock::time_point start = Clock::now();
    part();
    return {secondsSince(start), processorSeconds() - processorStart};
}

struct Format {
    const char* name;
    const char* keyword;
    const char* extension;
    zorhost::MovieFormat format;
};

const Format formats[] = {{"MPEG-4", "MPEG4", "mp4", zorhost::MovieFormat::MPEG4},
                          {"AVI", "AVI", "avi", zorhost::MovieFormat::AVI}};

// The commands that animate the fly-through into `file`, `width` pixels wide.
std::string movieCommands(const Format& format, int width, const std::filesystem::path& file)
{
    std::ostringstream macro;
    macro << "$!LOADSAMPLE NAME = WAVE STEPS = 21 TIMEMIN = 0 TIMEMAX = 2\n"
             "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING SHOWMARKERS\" VALUE = TRUE\n"
             "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"OpenSettingsFile FileName="
          << KFA_SOURCE_DIR << "/bench/movie/movie.keyframe\"\n"
          << "$!EXPORTSETUP EXPORTFORMAT = " << format.keyword << "\n"
          << "$!EXPORTSETUP EXPORTREGION = CURRENTFRAME\n"
          << "$!EXPORTSETUP IMAGEWIDTH = " << width << "\n"
          << "$!EXPORTSETUP ANIMATIONSPEED = 30\n"
          << "$!EXPORTSETUP EXPORTFNAME = \"" << file.string() << "\"\n"
          << "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"Animate AnimationDestination=ToFile\"\n";
    return macro.str();
}

// Frames that may allocate: the encoder opens, x264 fills its pool of frames
// as deep as its look-ahead and threads reach, and the pipeline's pool fills.
constexpr int warmUpFrames = 40;

// The export's frames as scenes, while zorhost's frame recorder writes the
// movie as zorhost does and the large allocations of that path are counted.
class CapturingSink : public zorsim::FrameSink {
public:
    CapturingSink(zorhost::FrameRecorder& recorder, const zorhost::FrameDataStore& frameData)
        : recorder_(recorder), frameData_(frameData)
    {
    }

    bool beginMovie(const zorsim::ExportValues& values, const std::string& path) override
    {
        return recorder_.beginMovie(values, path);
    }
    bool addFrame(int index) override
    {
        scenes.push_back(zorhost::currentScene(zorsim::host(), frameData_));
        if (index == warmUpFrames) {
            const zorhost::Scene& scene = scenes.front();
            countAllocationsOf(static_cast<std::size_t>(scene.width) * static_cast<std::size_t>(scene.height));
        }
        return recorder_.addFrame(index);
    }
    bool endMovie() override
    {
        const bool ended = recorder_.endMovie();
        allocations = largeAllocations();
        countAllocationsOf(static_cast<std::size_t>(-1));
        return ended;
    }
    void abandonMovie() override { recorder_.abandonMovie(); }

    std::vector<zorhost::Scene> scenes;
    std::size_t allocations = 0;

private:
    zorhost::FrameRecorder& recorder_;
    const zorhost::FrameDataStore& frameData_;
};

// The scenes point into the data sets of `frameData`, which lives as long.
struct Capture {
    std::unique_ptr<zorhost::FrameDataStore> frameData;
    std::vector<zorhost::Scene> scenes;
    std::size_t allocations = 0;
};

// Exports the MPEG-4 movie in this process, keeping its scenes.
Capture exportInProcess(int width, const std::filesystem::path& folder)
{
    freshHostWithAddOn();
    zorsim::Host& host = zorsim::host();
    auto frameData = std::make_unique<zorhost::FrameDataStore>();
    std::string failure;
    zorhost::FrameRecorder recorder(host, *frameData, nullptr, nullptr, nullptr,
                                    [&failure](const std::string& message) { failure = message; });
    recorder.attach();
    CapturingSink sink(recorder, *frameData);
    host.exports.setSink(&sink);
    std::istringstream commands(movieCommands(formats[0], width, folder / "inprocess.mp4"));
    zorhost::MacroPlayer(host, *frameData).play(zorhost::readMacro(commands));
    host.exports.setSink(nullptr);
    if (!failure.empty() || sink.scenes.empty())
        throw std::runtime_error("the export in this process failed: " + failure);
    return {std::move(frameData), std::move(sink.scenes), sink.allocations};
}

// R: every scene drawn into its own picture, allocated beforehand.
Timing drawing(const std::vector<zorhost::Scene>& scenes, std::vector<zorhost::Image>& pictures)
{
    std::unique_ptr<zorhost::Renderer> renderer = zorhost::createGlRenderer();
    pictures.resize(scenes.size());
    for (std::size_t i = 0; i < scenes.size(); ++i)
        pictures[i].resize(scenes[i].width, scenes[i].height);
    renderer->renderInto(scenes.front(), pictures.front());
    return timed([&] {
        for (std::size_t i = 0; i < scenes.size(); ++i)
            renderer->renderInto(scenes[i], pictures[i]);
    });
}

// E: the pictures converted and encoded into a movie file.
Timing encoding(const Format& format, const std::vector<zorhost::Image>& pictures, const std::filesystem::path& file)
{
    zorhost::MovieSettings settings;
    settings.format = format.format;
    settings.framesPerSecond = 30.0;
    const Timing timing = timed([&] {
        std::unique_ptr<zorhost::MovieWriter> movie = zorhost::openMovie(settings, file.string());
        for (const zorhost::Image& picture : pictures)
            movie->addFrame(picture);
        movie->finish();
    });
    std::filesystem::remove(file);
    return timing;
}

struct ProgramRun {
    Timing timing;
    long pageFaults;
};

// M: zorhost playing `macro`.
ProgramRun zorhostRun(const std::string& zorhost, const std::filesystem::path& macro)
{
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot start zorhost");
    if (child == 0) {
        execl(zorhost.c_str(), "zorhost", "--no-progress", macro.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("zorhost failed on " + macro.string());
    return {{secondsSince(start), secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime)}, usage.ru_minflt};
}

void writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream file(path);
    if (!(file << content).flush())
        throw std::runtime_error("cannot write " + path.string());
}

void measure(int width, const std::string& zorhost, const std::filesystem::path& folder)
{
    const Capture capture = exportInProcess(width, folder);
    const std::vector<zorhost::Scene>& scenes = capture.scenes;
    const double frames = static_cast<double>(scenes.size());
    const int height = scenes.front().height;
    std::vector<zorhost::Image> pictures;
    const Timing r = drawing(scenes, pictures);
    const double cores = static_cast<double>(std::max(1U, std::thread::hardware_concurrency()));
    std::printf("%d x %d, %zu frames: R %.2f s (%.0f fps, %.2f s processor time)\n", width, height, scenes.size(),
                r.seconds, frames / r.seconds, r.processor);
    for (const Format& format : formats) {
        const Timing e = encoding(format, pictures, folder / (std::string("encoded.") + format.extension));
        const std::filesystem::path macro = folder / (std::string("movie-") + format.keyword + ".mcr");
        writeFile(macro, "$!NEWFRAME PLOTTYPE = CARTESIAN3D\n" +
                             movieCommands(format, width, folder / (std::string("zorhost.") + format.extension)));
        const ProgramRun movie = zorhostRun(zorhost, macro);
        const Timing& m = movie.timing;
        // Drawing and encoding each keep every core busy by themselves, so
        // no overlap can make the export take less than their processor
        // time spread over the cores.
        const double bound = (r.processor + e.processor) / cores;
        std::printf("%d x %d %s: E %.2f s (%.0f fps), M %.2f s (%.0f fps), bound (cpu(R) + cpu(E)) / %.0f cores "
                    "%.2f s: M / bound %.2f\n",
                    width, height, format.name, e.seconds, frames / e.seconds, m.seconds, frames / m.seconds, cores,
                    bound, m.seconds / bound);
        std::printf("%d x %d %s: processor time E %.2f s, M %.2f s, M/(R+E) %.2f; zorhost %.0f page faults a frame\n",
                    width, height, format.name, e.processor, m.processor, m.processor / (r.processor + e.processor),
                    static_cast<double>(movie.pageFaults) / frames);
    }
    std::printf("%d x %d export path after %d frames: %zu allocations of %d bytes or more, %.2f a frame\n", width,
                height, warmUpFrames, capture.allocations, width * height,
                static_cast<double>(capture.allocations) / (frames - warmUpFrames));
    std::fflush(stdout);
}

std::filesystem::path newFolder()
{
    // The encoded movies stay in memory where there is a memory file system.
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "kfa-movie.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a folder in " + base.string());
    return pattern;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string zorhost = ZORHOST_PATH;
    std::vector<int> widths;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--zorhost")
            zorhost = argv[i + 1];
        else if (option == "--width")
            widths.push_back(std::atoi(argv[i + 1]));
    }
    if (widths.empty())
        widths = {800, 1920};
    const std::filesystem::path folder = newFolder();
    try {
        for (const int width : widths)
            measure(width, zorhost, folder);
        std::filesystem::remove_all(folder);
        return 0;
    } catch (const std::exception& error) {
        std::filesystem::remove_all(folder);
        std::fprintf(stderr, "MovieExportBench: %s\n", error.what());
        return 1;
    }
}
