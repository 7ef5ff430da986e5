#include "animation/AnimationDriver.h"

#include <new>
#include <stdexcept>

#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/KeyFrameError.h"
#include "addon/PercentDoneStatus.h"
#include "addon/SuspendDisplayLists.h"
#include "animation/AnimationManager.h"
#include "export/EnumNames.h"
#include "macro/MacroCommandManager.h"

namespace {

const char* const NotEnoughMemory =
    "Not enough memory to produce the animation.\nTry reducing the number of total frames in the animation.";

void requireThreeDCartesianFrame()
{
    if (ZorUtilFrameGetPlotType() != ZOR_PLOT_CARTESIAN3D)
        throw KeyFrameError("The current frame must be in 3D Cartesian mode.");
}

// Plays every frame of the manager, one progress step each; returns whether
// the user cancelled, also when the cancel was seen at the last frame.
bool playFrames(AnimationManager& manager, PercentDoneStatus& progress)
{
    bool canceled = false;
    while (manager.hasNextFrame() && !canceled) {
        manager.animateNextFrame();
        progress.step();
        canceled = progress.isCanceled();
    }
    return canceled;
}

void recordAnimation(const AnimationSettings_s& settings)
{
    if (!ZorUtilMacroIsRecordingActive())
        return;
    macroCommandManager().recordCommand(
        Animate, {{AnimationDestination, enumNameMap<Destination_e>().toString(settings.destination)}});
}

void buildPlayAndRecord(const std::vector<KeyFrame_s>& keyFrames, std::size_t firstKeyFrame, std::size_t numSegments,
                        const AnimationSettings_s& settings, MacroOption_e macroOption)
{
    AnimationManager manager(keyFrames, firstKeyFrame, numSegments, settings);
    const uint32_t total = manager.getNumFrames();
    PercentDoneStatus progress("Animating....", 0, total);
    SuspendDisplayLists noDisplayLists;
    if (playFrames(manager, progress)) {
        manager.cancel();
        ZorUtilRedraw(true);
        throw KeyFrameError("Animation canceled.");
    }
    manager.finish();
    if (macroOption == Record)
        recordAnimation(settings);
}

}  // namespace

void animateKeyFrames(const std::vector<KeyFrame_s>& keyFrames, std::size_t firstKeyFrame, std::size_t numSegments,
                      const AnimationSettings_s& settings, MacroOption_e macroOption)
{
    AddOnLock lock;
    requireThreeDCartesianFrame();
    try {
        buildPlayAndRecord(keyFrames, firstKeyFrame, numSegments, settings, macroOption);
    } catch (const KeyFrameError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw KeyFrameError(NotEnoughMemory);
    } catch (const std::logic_error&) {
        throw KeyFrameError(NotEnoughMemory);
    }
}
