// Drawing on and off, redraws.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

void ZorUtilDrawGraphics(bool doDraw)
{
    guardedVoid(callText("ZorUtilDrawGraphics", doDraw), [&] { host().drawing.setDrawing(doDraw); });
}

bool ZorUtilRedraw(bool doFullRedraw)
{
    return guarded(callText("ZorUtilRedraw", doFullRedraw), false, [&] { return host().drawing.redraw(doFullRedraw); });
}
