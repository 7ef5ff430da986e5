#include "fuzz/KeyFrameFileProperty.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <sstream>
#include <vector>

#include "addon/KeyFrameError.h"
#include "settingsfile/KeyFrameFile.h"

namespace {

// The file this process writes what it read to, in memory where the system
// offers a folder for it, removed when the process ends normally.
struct ScratchFiles {
    ScratchFiles()
    {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm", error)
                                                 ? std::filesystem::path("/dev/shm")
                                                 : std::filesystem::temp_directory_path();
        rewritten = (folder / ("kfa-fuzz-" + std::to_string(::getpid()) + "-rewritten.keyframe")).string();
    }
    ~ScratchFiles() { std::remove(rewritten.c_str()); }
    std::string rewritten;
};

const ScratchFiles& scratchFiles()
{
    static const ScratchFiles files;
    return files;
}

// Differs from the defaults in every field, so that a change shows.
AnimationSettings_s sentinelSettings()
{
    AnimationSettings_s settings;
    settings.animateTime = true;
    settings.timeAnimationOperation = AsCaptured;
    settings.numCycles = 9;
    settings.destination = ToFile;
    settings.animateStreamtraces = true;
    settings.fadeIn = true;
    settings.fadeOut = true;
    return settings;
}

std::vector<KeyFrame_s> sentinelKeyFrames()
{
    return {KeyFrame_s(ThreeDView_s(1, 2, 3, 4, 5, 6, 7), "sentinel", 8, 9.5)};
}

// The value the text "%g" makes of `value` stands for.
double roundedToSixDigits(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return std::strtod(text, nullptr);
}

std::vector<KeyFrame_s> roundedToSixDigits(std::vector<KeyFrame_s> keyFrames)
{
    for (KeyFrame_s& keyFrame : keyFrames) {
        ThreeDView_s& view = keyFrame.view;
        for (double* field : {&view.x, &view.y, &view.z, &view.psi, &view.theta, &view.alpha, &view.width})
            *field = roundedToSixDigits(*field);
        keyFrame.solutionTime = roundedToSixDigits(keyFrame.solutionTime);
    }
    return keyFrames;
}

std::string refusalViolation(const AnimationSettings_s& settings, const std::vector<KeyFrame_s>& keyFrames)
{
    if (settings != sentinelSettings())
        return "a refused file changed the settings";
    if (keyFrames != sentinelKeyFrames())
        return "a refused file changed the key frames";
    return {};
}

std::string emptyListViolation(const AnimationSettings_s& settings, const std::string& rewritten)
{
    try {
        KeyFrameFile().write(rewritten, settings, ListModelKeyFrame());
    } catch (const KeyFrameError& error) {
        if (std::string(error.what()) != "No Key Frames established.")
            return std::string("writing no key frames failed with: ") + error.what();
        if (std::filesystem::exists(rewritten))
            return "writing no key frames left a file";
        return {};
    }
    return "writing no key frames was not refused";
}

// Writes what was read and reads it back into other values.
std::string roundTripViolation(const AnimationSettings_s& settings, const std::vector<KeyFrame_s>& keyFramesRead)
{
    ListModelKeyFrame keyFrames;
    keyFrames.setKeyFrames(keyFramesRead);
    const std::string& rewritten = scratchFiles().rewritten;
    std::remove(rewritten.c_str());
    if (keyFrames.getCount() == 0)
        return emptyListViolation(settings, rewritten);
    AnimationSettings_s settingsBack;
    ListModelKeyFrame keyFramesBack;
    try {
        KeyFrameFile().write(rewritten, settings, keyFrames);
        KeyFrameFile().read(rewritten, settingsBack, keyFramesBack);
    } catch (const KeyFrameError& error) {
        return std::string("the rewritten file failed with: ") + error.what();
    }
    settingsBack.destination = settings.destination;
    if (settingsBack != settings)
        return "the rewritten file gave other settings";
    if (keyFramesBack.getKeyFrames() != roundedToSixDigits(keyFrames.getKeyFrames()))
        return "the rewritten file gave other key frames";
    return {};
}

// What reading a file holding some text into the sentinels gave.
struct ReadOutcome {
    // A rule the read broke; empty when it kept them.
    std::string violation;
    // The add-on's message for a refused file; empty when the file read.
    std::string refusal;
    AnimationSettings_s settings;
    std::vector<KeyFrame_s> keyFrames;

    bool readsAs(const ReadOutcome& other) const
    {
        return refusal == other.refusal && settings == other.settings && keyFrames == other.keyFrames;
    }
};

ReadOutcome readText(const std::string& fileText)
{
    ReadOutcome outcome;
    std::istringstream file(fileText);
    AnimationSettings_s settings = sentinelSettings();
    std::vector<KeyFrame_s> keyFrames = sentinelKeyFrames();
    try {
        KeyFrameFile().read(file, settings, keyFrames);
        if (settings.destination != ToFile)
            outcome.violation = "reading changed the destination";
    } catch (const KeyFrameError& error) {
        outcome.refusal = error.what();
        outcome.violation = refusalViolation(settings, keyFrames);
    } catch (const std::exception& error) {
        outcome.violation = std::string("reading raised another error: ") + error.what();
    }
    outcome.settings = settings;
    outcome.keyFrames = keyFrames;
    return outcome;
}

}  // namespace

std::string keyFrameFilePropertyViolation(const std::string& fileText)
{
    const ReadOutcome outcome = readText(fileText);
    if (!outcome.violation.empty())
        return outcome.violation;
    if (!readText(fileText + "\n").readsAs(outcome))
        return "a line end after the last line changed what the file reads as";
    if (!outcome.refusal.empty())
        return {};
    return roundTripViolation(outcome.settings, outcome.keyFrames);
}
