// Frames: count, identity, plot type, visiting, geometry.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

int ZorUtilFrameGetCount(void)
{
    return guarded("ZorUtilFrameGetCount", 0, [] { return host().frames.count(); });
}

ZorUniqueId ZorUtilFrameGetUniqueID(void)
{
    return guarded("ZorUtilFrameGetUniqueID", ZorUniqueId(0),
                   [] { return host().frames.empty() ? ZorUniqueId(0) : host().frames.current().id; });
}

int ZorUtilFrameGetPlotType(void)
{
    return guarded("ZorUtilFrameGetPlotType", 0,
                   [] { return host().frames.empty() ? 0 : host().frames.current().plotType; });
}

bool ZorUtilFramePushTop(void)
{
    return guarded("ZorUtilFramePushTop", false, [] { return host().frames.pushTop(); });
}

bool ZorUtilFrameLightweightPopStart(void)
{
    return guarded("ZorUtilFrameLightweightPopStart", false, [] { return host().frames.lightweightPopStart(); });
}

int ZorUtilFrameLightweightPopNext(void)
{
    return guarded("ZorUtilFrameLightweightPopNext", 0, [] { return host().frames.lightweightPopNext(); });
}

void ZorUtilFrameLightweightPopEnd(void)
{
    guardedVoid("ZorUtilFrameLightweightPopEnd", [] { host().frames.lightweightPopEnd(); });
}

void ZorUtilFrameGetPosAndSize(double* x, double* y, double* width, double* height)
{
    guardedVoid("ZorUtilFrameGetPosAndSize", [&] {
        if (x == nullptr || y == nullptr || width == nullptr || height == nullptr || host().frames.empty())
            return;
        const Frame& frame = host().frames.current();
        *x = frame.x;
        *y = frame.y;
        *width = frame.width;
        *height = frame.height;
    });
}

namespace {

double convertLength(int fromSystem, int toSystem, double value)
{
    const double pixelsPerUnit = host().frames.pixelsPerUnit;
    if (fromSystem == toSystem)
        return value;
    if (fromSystem == ZOR_COORDS_FRAME && toSystem == ZOR_COORDS_SCREEN)
        return value * pixelsPerUnit;
    if (fromSystem == ZOR_COORDS_SCREEN && toSystem == ZOR_COORDS_FRAME)
        return value / pixelsPerUnit;
    return value;
}

}  // namespace

double ZorUtilConvertXDimension(int fromSystem, int toSystem, double value)
{
    return guarded(callText("ZorUtilConvertXDimension", fromSystem, toSystem, value), value,
                   [&] { return convertLength(fromSystem, toSystem, value); });
}

double ZorUtilConvertYDimension(int fromSystem, int toSystem, double value)
{
    return guarded(callText("ZorUtilConvertYDimension", fromSystem, toSystem, value), value,
                   [&] { return convertLength(fromSystem, toSystem, value); });
}

void ZorUtilWorkAreaGetDimensions(int* width, int* height)
{
    guardedVoid("ZorUtilWorkAreaGetDimensions", [&] {
        if (width != nullptr)
            *width = host().frames.workAreaWidth;
        if (height != nullptr)
            *height = host().frames.workAreaHeight;
    });
}
