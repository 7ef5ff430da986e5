#include "animation/AnimatorToFile.h"

#include "StyleValue.h"
#include "ZorUtil.h"
#include "addon/KeyFrameError.h"
#include "export/EnumNames.h"

namespace {

// A format the host does not report is judged not to be a movie format.
bool isHostFormatAnimation()
{
    int format = 0;
    const StyleValue exportSetup(StringList{"EXPORTSETUP"});
    return StyleValue::returnCodeOk(exportSetup.get(format, StringList{"EXPORTFORMAT"})) && isAnimationFormat(format);
}

}  // namespace

AnimatorToFile::AnimatorToFile(const std::vector<KeyFrame_s>& keyFrames) : AnimatorAbstract(keyFrames, nullptr) {}

AnimatorToFile::~AnimatorToFile()
{
    if (isOwnExportRunning())
        ZorUtilExportFinish();
}

void AnimatorToFile::cancel()
{
    if (isOwnExportRunning())
        ZorUtilExportCancel();
}

void AnimatorToFile::finish()
{
    if (isOwnExportRunning() && !ZorUtilExportFinish())
        throw KeyFrameError("Unable to finish animation export. The movie file could not be written.");
}

void AnimatorToFile::doAnimateFrame(uint32_t)
{
    if (exportPending_)
        startExport();
    else
        ZorUtilExportNextFrame();
}

bool AnimatorToFile::isOwnExportRunning() const
{
    return !exportPending_ && ZorUtilExportIsRecording();
}

void AnimatorToFile::startExport()
{
    if (ZorUtilExportIsRecording())
        throw KeyFrameError("Unable to start animation export. Another export is already in progress.");
    if (!isHostFormatAnimation())
        throw KeyFrameError("The export file format must be set to an animation format \nbefore animating to file.");
    if (!ZorUtilExportStart())
        throw KeyFrameError("Unable to start animation export.");
    exportPending_ = false;
}
