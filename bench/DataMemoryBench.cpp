// zorhost's peak memory playing and exporting a series of many steps: a
// .pvd series of a 1-million-point zone, 20 and then 200 steps, each read
// by a zorhost of its own that animates the whole time range into a movie.
// The host keeps the steps in a temporary file and the steps drawn lately
// in memory, so from 20 to 200 steps its peak may grow by a little index
// a step and nothing of the steps themselves; the target is less than one
// step's zone as the helper sends it.
//
//   build/bench/DataMemoryBench [STEPS]     (default 200)
//   zorhost peak memory from 20 to 200 steps: +812 KiB, one step 2540 KiB (target <= one step) HOLDS
//
// Writes about 8 MB a step into the temporary folder. A measurement, not a
// timed test: bench/run.sh runs it with the others.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "ZorhostPeak.h"

namespace {

namespace fs = std::filesystem;

void run(const std::string& command)
{
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("failed: " + command);
}

// A series of `steps` steps of the zone, in a folder of its own.
fs::path makeSeries(const fs::path& folder, int steps)
{
    const fs::path series = folder / ("steps" + std::to_string(steps)) / "series.pvd";
    fs::create_directories(series.parent_path());
    run(std::string(MAKEDATA_PATH) + " --cells 1000000 --part .vti --steps " + std::to_string(steps) + " " +
        series.string());
    return series;
}

// Reads the series and animates its whole time range into an MPEG-4 movie
// over as many frames as it has steps.
fs::path writeMacro(const fs::path& series, int steps)
{
    const fs::path folder = series.parent_path();
    std::ofstream(folder / "play.keyframe")
        << "#!KeyFrame 1\n%Settings\n AnimateTime true\n%Settings\n"
           "%KeyFrameView\n Position 8.495 -10.75 8\n Angle 60 30 0\n Width 9\n FrameCount "
        << steps - 1
        << "\n SolutionTime 0\n%KeyFrameView\n"
           "%KeyFrameView\n Position 8.495 -10.75 8\n Angle 60 30 0\n Width 6\n FrameCount 1\n SolutionTime 0\n"
           "%KeyFrameView\n";
    const fs::path macro = folder / "play.mcr";
    const std::string addOn = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";
    std::ofstream(macro) << "$!NEWFRAME\n$!READDATASET FILENAME = \"" << series.string()
                         << "\"\n$!EXPORTSETUP EXPORTFORMAT = MPEG4\n$!EXPORTSETUP IMAGEWIDTH = 400\n"
                            "$!EXPORTSETUP EXPORTFNAME = \""
                         << (folder / "movie.mp4").string() << "\"\n"
                         << addOn << "OpenSettingsFile FileName=" << (folder / "play.keyframe").string() << "\"\n"
                         << addOn << "Animate AnimationDestination=ToFile\"\n";
    return macro;
}

// One step's zone as the helper sends it, in KiB.
long stepKiB(const fs::path& series)
{
    const fs::path stream = series.parent_path() / "step.stream";
    run(std::string(ZORHOST_READ_PATH) + " " + (series.parent_path() / "series_0.vti").string() + " > " +
        stream.string());
    return static_cast<long>(fs::file_size(stream) / 1024);
}

}  // namespace

int main(int argc, char** argv)
{
    const int longRun = argc > 1 ? std::atoi(argv[1]) : 200;
    const int shortRun = longRun / 10;
    std::string pattern = (fs::temp_directory_path() / "kfa-data-memory.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "DataMemoryBench: cannot make a folder\n");
        return 1;
    }
    const fs::path folder = pattern;
    try {
        const fs::path shortSeries = makeSeries(folder, shortRun);
        const long shortPeak = zorhostPeakKiB(ZORHOST_PATH, writeMacro(shortSeries, shortRun));
        const fs::path longSeries = makeSeries(folder, longRun);
        const long longPeak = zorhostPeakKiB(ZORHOST_PATH, writeMacro(longSeries, longRun));
        const long step = stepKiB(longSeries);
        fs::remove_all(folder);
        const long growth = longPeak - shortPeak;
        std::printf("zorhost peak memory from %d to %d steps: %+ld KiB, one step %ld KiB (target <= one step) %s\n",
                    shortRun, longRun, growth, step, growth <= step ? "HOLDS" : "DOES NOT HOLD");
        std::fprintf(stderr, "peak resident memory: %ld KiB at %d steps, %ld KiB at %d steps\n", shortPeak, shortRun,
                     longPeak, longRun);
        return 0;
    } catch (const std::exception& error) {
        fs::remove_all(folder);
        std::fprintf(stderr, "DataMemoryBench: %s\n", error.what());
        return 1;
    }
}
