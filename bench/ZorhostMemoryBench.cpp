// zorhost's peak memory over long animations: one animation of 10 000 and
// one of 100 000 frames, each played on screen by a zorhost of its own with
// time animated and the light faded. From the shorter to the longer run
// the peak may grow by the views the add-on stores for the extra frames (a
// view and a solution time each) and a small constant, and by nothing
// that the host keeps per frame.
//
//   build/bench/ZorhostMemoryBench
//   zorhost peak memory from 10000 to 100000 frames: +4048 KiB, stored views 5625 KiB
//   (target <= views + 1024 KiB) HOLDS
//
// A measurement, not a timed test: bench/run.sh runs it with the others.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "ZorhostPeak.h"

#include "keyframes/ThreeDView.h"

namespace {

constexpr long ShortRun = 10000;
constexpr long LongRun = 100000;
constexpr long BytesPerFrame = sizeof(ThreeDView_s) + sizeof(double);
// Room for the allocator's rounding and the pages it keeps.
constexpr long ConstantKiB = 1024;

// Two key frames `frames` frames apart, with time, fade in and fade out.
void writeKeyFrames(const std::filesystem::path& path, long frames)
{
    std::ofstream file(path);
    file << "#!KeyFrame 1\n\n%Settings\n AnimateTime true\n TimeAnimationOperation Forward\n NumCycles 1\n"
            " AnimateStreamtraces false\n FadeIn true\n FadeOut true\n%Settings\n\n"
            "%KeyFrameView\n Name \"From\"\n Position 12.6743 -21.9525 14.65\n Angle 60 30 0\n Width 15.7\n"
            " FrameCount "
         << frames - 1
         << "\n SolutionTime 0\n%KeyFrameView\n\n"
            "%KeyFrameView\n Name \"To\"\n Position 19.4181 11.2111 18.8294\n Angle 50 120 0\n Width 11\n"
            " FrameCount 1\n SolutionTime 2\n%KeyFrameView";
    if (!file.flush())
        throw std::runtime_error("cannot write " + path.string());
}

// A macro that animates those key frames on screen over a transient data set.
std::filesystem::path writeAnimation(const std::filesystem::path& folder, long frames)
{
    const std::filesystem::path keyFrames = folder / ("long" + std::to_string(frames) + ".keyframe");
    writeKeyFrames(keyFrames, frames);
    const std::filesystem::path macro = folder / ("long" + std::to_string(frames) + ".mcr");
    std::ofstream file(macro);
    file << "$!NEWFRAME PLOTTYPE = CARTESIAN3D\n"
            "$!LOADSAMPLE NAME = WAVE STEPS = 21 TIMEMIN = 0 TIMEMAX = 2\n"
            "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"OpenSettingsFile FileName="
         << keyFrames.string()
         << "\"\n$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"Animate AnimationDestination=OnScreen\"\n";
    if (!file.flush())
        throw std::runtime_error("cannot write " + macro.string());
    return macro;
}

std::filesystem::path newFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kfa-memory.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a folder in " + std::filesystem::temp_directory_path().string());
    return pattern;
}

}  // namespace

int main()
{
    const std::filesystem::path folder = newFolder();
    try {
        const long shortPeak = zorhostPeakKiB(ZORHOST_PATH, writeAnimation(folder, ShortRun));
        const long longPeak = zorhostPeakKiB(ZORHOST_PATH, writeAnimation(folder, LongRun));
        std::filesystem::remove_all(folder);
        const long growth = longPeak - shortPeak;
        const long viewsKiB = (LongRun - ShortRun) * BytesPerFrame / 1024;
        std::printf("zorhost peak memory from %ld to %ld frames: %+ld KiB, stored views %ld KiB "
                    "(target <= views + %ld KiB) %s\n",
                    ShortRun, LongRun, growth, viewsKiB, ConstantKiB,
                    growth <= viewsKiB + ConstantKiB ? "HOLDS" : "DOES NOT HOLD");
        std::fprintf(stderr, "peak resident memory: %ld KiB at %ld frames, %ld KiB at %ld frames\n", shortPeak,
                     ShortRun, longPeak, LongRun);
        return 0;
    } catch (const std::exception& error) {
        std::filesystem::remove_all(folder);
        std::fprintf(stderr, "ZorhostMemoryBench: %s\n", error.what());
        return 1;
    }
}
