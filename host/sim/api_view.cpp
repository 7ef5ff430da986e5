// The 3D view of the current frame.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

namespace {

constexpr double radiansPerDegree = 3.14159265358979323846 / 180.0;

}  // namespace

void ZorUtilThreeDViewGetViewerPos(double* x, double* y, double* z)
{
    guardedVoid("ZorUtilThreeDViewGetViewerPos", [&] {
        if (x == nullptr || y == nullptr || z == nullptr || !host().view.hasThreeDView())
            return;
        const ViewState& view = host().view.current();
        *x = view.position[0];
        *y = view.position[1];
        *z = view.position[2];
    });
}

void ZorUtilThreeDViewGetViewerAngle(double* psi, double* theta, double* alpha)
{
    guardedVoid("ZorUtilThreeDViewGetViewerAngle", [&] {
        if (psi == nullptr || theta == nullptr || alpha == nullptr || !host().view.hasThreeDView())
            return;
        const ViewState& view = host().view.current();
        *psi = view.psi * radiansPerDegree;
        *theta = view.theta * radiansPerDegree;
        *alpha = view.alpha * radiansPerDegree;
    });
}

void ZorUtilThreeDViewGetProjection(double* fieldOfView, double* viewWidth, bool* isInPerspective)
{
    guardedVoid("ZorUtilThreeDViewGetProjection", [&] {
        if (fieldOfView == nullptr || viewWidth == nullptr || isInPerspective == nullptr ||
            !host().view.hasThreeDView())
            return;
        const ViewState& view = host().view.current();
        *fieldOfView = view.fieldOfView;
        *viewWidth = view.width;
        *isInPerspective = view.perspective;
    });
}

bool ZorUtilViewRotate3D(int axis, double amount, double vectorX, double vectorY, double vectorZ, int originCode)
{
    return guarded(callText("ZorUtilViewRotate3D", axis, amount), false, [&] {
        return host().view.rotate(axis, amount, {vectorX, vectorY, vectorZ}, originCode);
    });
}
