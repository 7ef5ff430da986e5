// A settings file of 10 000 key frames: KeyFrameFile writing and reading it
// against a plain baseline that writes the same text with fprintf and reads
// the same numbers back with fscanf. Both writers flush the file to the
// disk before closing it, as a settings file must be; both readers read the
// file's content from memory, so that reading is measured without the disk.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "BenchHost.h"
#include "RatioReport.h"
#include "keyframes/ListModelKeyFrame.h"
#include "settingsfile/KeyFrameFile.h"

namespace {

constexpr unsigned numKeyFrames = 10000;

std::string benchFile(const char* name)
{
    return (std::filesystem::temp_directory_path() / (std::string("kfa-bench-") + name)).string();
}

std::vector<KeyFrame_s> manyKeyFrames()
{
    std::vector<KeyFrame_s> keyFrames;
    for (unsigned i = 0; i < numKeyFrames; ++i) {
        const double t = i * 0.731;
        const ThreeDView_s view(t - 3000.0, 12.5 - t, t * 0.25, -170.0 + i % 340, 90.0 - i % 180, i % 45, 1.5 + t);
        keyFrames.emplace_back(view, "Key Frame " + std::to_string(i + 1), 10 + i % 90, t * 0.01);
    }
    return keyFrames;
}

ListModelKeyFrame listOf(const std::vector<KeyFrame_s>& keyFrames)
{
    ListModelKeyFrame list;
    list.setKeyFrames(keyFrames);
    return list;
}

const char* word(bool value)
{
    return value ? "true" : "false";
}

// The file KeyFrameFile writes, through stdio. False when a write failed.
bool writePlainly(const std::string& fileName, const std::vector<KeyFrame_s>& keyFrames)
{
    std::FILE* file = std::fopen(fileName.c_str(), "w");
    if (file == nullptr)
        return false;
    const AnimationSettings_s settings;
    std::fprintf(file,
                 "#!KeyFrame 1\n\n%%Settings\n AnimateTime %s\n TimeAnimationOperation Forward\n NumCycles %d\n"
                 " AnimateStreamtraces %s\n FadeIn %s\n FadeOut %s\n%%Settings",
                 word(settings.animateTime), settings.numCycles, word(settings.animateStreamtraces),
                 word(settings.fadeIn), word(settings.fadeOut));
    for (const KeyFrame_s& keyFrame : keyFrames) {
        const ThreeDView_s& view = keyFrame.view;
        std::fprintf(file,
                     "\n\n%%KeyFrameView\n Name \"%s\"\n Position %g %g %g\n Angle %g %g %g\n Width %g\n"
                     " FrameCount %u\n SolutionTime %g\n%%KeyFrameView",
                     keyFrame.name.c_str(), view.x, view.y, view.z, view.psi, view.theta, view.alpha, view.width,
                     keyFrame.frameCount, keyFrame.solutionTime);
    }
    const bool written = std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && written;
}

// The key frames of a file's content that writePlainly wrote; fewer when it
// is not such a file.
std::vector<KeyFrame_s> readPlainly(const std::string& content)
{
    std::vector<KeyFrame_s> keyFrames;
    // Opened for reading only, the buffer is never written.
    std::FILE* file = ::fmemopen(const_cast<char*>(content.data()), content.size(), "r");
    if (file == nullptr)
        return keyFrames;
    int version = 0;
    int numCycles = 0;
    char words[5][16];
    std::fscanf(file,
                " #!KeyFrame %d %%Settings AnimateTime %15s TimeAnimationOperation %15s NumCycles %d"
                " AnimateStreamtraces %15s FadeIn %15s FadeOut %15s %%Settings",
                &version, words[0], words[1], &numCycles, words[2], words[3], words[4]);
    char name[256];
    ThreeDView_s view;
    unsigned frameCount = 0;
    double solutionTime = 0.0;
    while (std::fscanf(file,
                       " %%KeyFrameView Name \"%255[^\"]\" Position %lg %lg %lg Angle %lg %lg %lg Width %lg"
                       " FrameCount %u SolutionTime %lg %%KeyFrameView",
                       name, &view.x, &view.y, &view.z, &view.psi, &view.theta, &view.alpha, &view.width, &frameCount,
                       &solutionTime) == 10)
        keyFrames.emplace_back(view, name, frameCount, solutionTime);
    std::fclose(file);
    return keyFrames;
}

std::string contentOf(const std::string& fileName)
{
    std::ostringstream content;
    content << std::ifstream(fileName).rdbuf();
    return content.str();
}

void keyFrameFileWrite(benchmark::State& state)
{
    freshHostWithAddOn();
    const ListModelKeyFrame list = listOf(manyKeyFrames());
    const std::string fileName = benchFile("written.keyframe");
    for (auto _ : state)
        KeyFrameFile().write(fileName, AnimationSettings_s(), list);
    if (!writePlainly(benchFile("plain.keyframe"), list.getKeyFrames()) ||
        contentOf(fileName) != contentOf(benchFile("plain.keyframe")))
        state.SkipWithError("the plain writer does not write what KeyFrameFile writes");
}

void plainWrite(benchmark::State& state)
{
    const std::vector<KeyFrame_s> keyFrames = manyKeyFrames();
    const std::string fileName = benchFile("plain.keyframe");
    for (auto _ : state)
        if (!writePlainly(fileName, keyFrames))
            state.SkipWithError("cannot write the plain file");
}

void keyFrameFileRead(benchmark::State& state)
{
    freshHostWithAddOn();
    const std::string fileName = benchFile("read.keyframe");
    KeyFrameFile().write(fileName, AnimationSettings_s(), listOf(manyKeyFrames()));
    const std::string content = contentOf(fileName);
    for (auto _ : state) {
        std::istringstream file(content);
        AnimationSettings_s settings;
        std::vector<KeyFrame_s> keyFrames;
        KeyFrameFile().read(file, settings, keyFrames);
        benchmark::DoNotOptimize(keyFrames.data());
    }
}

void plainRead(benchmark::State& state)
{
    freshHostWithAddOn();
    const std::string fileName = benchFile("read.keyframe");
    KeyFrameFile().write(fileName, AnimationSettings_s(), listOf(manyKeyFrames()));
    const std::string content = contentOf(fileName);
    for (auto _ : state)
        if (readPlainly(content).size() != numKeyFrames)
            state.SkipWithError("the plain reader does not read the file KeyFrameFile writes");
}

}  // namespace

BENCHMARK(keyFrameFileWrite)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(plainWrite)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(keyFrameFileRead)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(plainRead)->Unit(benchmark::kMillisecond)->Repetitions(3);

int main(int argc, char** argv)
{
    const int status =
        runRatioBenchmarks(argc, argv,
                           {{"settings file writing", "keyFrameFileWrite", "plainWrite", "writing with fprintf", 2.0},
                            {"settings file reading", "keyFrameFileRead", "plainRead", "reading with fscanf", 2.0}},
                           {});
    for (const char* name : {"written.keyframe", "plain.keyframe", "read.keyframe"})
        std::filesystem::remove(benchFile(name));
    return status;
}
