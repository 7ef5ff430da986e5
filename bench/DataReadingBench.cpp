// Reading a data file into a frame, against the reading it rests on: the
// host's whole load (the helper started, its VTK reader and surface
// extraction, the stream over the pipe, the host's checks and its
// temporary file) of a 1-million-cell unstructured zone and of a
// 1-million-point structured zone, each against the same reading and
// extraction done in this process alone.
//
//   build/bench/DataReadingBench
//   loading a 1M-cell unstructured zone: 1.05x the helper's reading and extraction (target <= 1.3x) HOLDS
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "RatioReport.h"
#include "ReaderMessages.h"
#include "StepSources.h"
#include "ZoneExtraction.h"
#include "player/FrameDataStore.h"
#include "zorsim/Host.h"

namespace {

// The two files, made once in a folder of their own.
class BenchFiles {
public:
    BenchFiles()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kfa-reading.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a folder for the data files");
        folder_ = pattern;
        for (const char* name : {"unstructured.vtu", "structured.vts"})
            if (std::system((std::string(MAKEDATA_PATH) + " --cells 1000000 " + path(name)).c_str()) != 0)
                throw std::runtime_error(std::string("cannot make ") + name);
    }
    ~BenchFiles() { std::filesystem::remove_all(folder_); }
    BenchFiles(const BenchFiles&) = delete;
    BenchFiles& operator=(const BenchFiles&) = delete;

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

private:
    std::filesystem::path folder_;
};

const BenchFiles& files()
{
    static const BenchFiles made;
    return made;
}

void hostLoad(benchmark::State& state, const char* name)
{
    zorsim::resetHost();
    zorsim::host().frames.addFrame();
    zorhost::ReaderLimits limits = zorhost::defaultReaderLimits();
    limits.program = ZORHOST_READ_PATH;
    zorhost::FrameDataStore store(limits);
    for (auto _ : state)
        store.loadDataFile(zorsim::host(), files().path(name), "");
}

// What the helper does but for sending: VTK's reader, then the zones'
// surfaces, lines and values extracted.
void helperReading(benchmark::State& state, const char* name)
{
    const int nowhere = open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        zorhost::DataStreamWriter out(nowhere);
        zorhost::ReaderMessages messages;
        auto source =
            zorhost::openStepSource(files().path(name), *zorhost::dataFormatOf(name), messages, [](double) {});
        zorhost::ZoneExtractor extractor(out, messages);
        for (const auto& zone : source->read(0))
            benchmark::DoNotOptimize(extractor.extract(*zone));
    }
    close(nowhere);
}

}  // namespace

BENCHMARK_CAPTURE(hostLoad, unstructured, "unstructured.vtu")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK_CAPTURE(helperReading, unstructured, "unstructured.vtu")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK_CAPTURE(hostLoad, structured, "structured.vts")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK_CAPTURE(helperReading, structured, "structured.vts")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

int main(int argc, char** argv)
{
    return runRatioBenchmarks(argc, argv,
                              {{"loading a 1M-cell unstructured zone", "hostLoad/unstructured",
                                "helperReading/unstructured", "the helper's reading and extraction", 1.3},
                               {"loading a 1M-point structured zone", "hostLoad/structured", "helperReading/structured",
                                "the helper's reading and extraction", 1.3}},
                              {});
}
