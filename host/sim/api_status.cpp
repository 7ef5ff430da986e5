// The percent-done status line.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

bool ZorUtilStatusStartPercentDone(const char* text, bool showStopButton, bool showProgressBar)
{
    return guarded(callText("ZorUtilStatusStartPercentDone", textOrEmpty(text)), false,
                   [&] { return host().status.start(textOrEmpty(text), showStopButton, showProgressBar); });
}

void ZorUtilStatusSetPercentDoneText(const char* text)
{
    guardedVoid(callText("ZorUtilStatusSetPercentDoneText", textOrEmpty(text)),
                [&] { host().status.setText(textOrEmpty(text)); });
}

bool ZorUtilStatusCheckPercentDone(int percentDone)
{
    return guarded(callText("ZorUtilStatusCheckPercentDone", percentDone), true,
                   [&] { return host().status.check(percentDone); });
}

void ZorUtilStatusFinishPercentDone(void)
{
    guardedVoid("ZorUtilStatusFinishPercentDone", [] { host().status.finish(); });
}
