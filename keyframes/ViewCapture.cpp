#include "keyframes/ViewCapture.h"

#include <cmath>

#include "ArgList.h"
#include "StyleValue.h"
#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/KeyFrameError.h"
#include "addon/SuspendGraphics.h"

namespace {

constexpr double degreesPerRadian = 57.29577951308232;
// Beyond this many degrees normalizeAngle does not step turn by turn.
constexpr double largestSteppedAngle = 360.0 * 1024.0;

// A plain assignment to the current objects.
ArgList plainAssignment()
{
    ArgList args;
    args.appendInt(SV_OFFSET1, -1);
    args.appendInt(SV_OFFSET2, -1);
    args.appendInt(SV_ASSIGNOP, AssignOp_PlainAssign);
    return args;
}

}  // namespace

ThreeDView_s captureCurrentView()
{
    if (ZorUtilFrameGetPlotType() != ZOR_PLOT_CARTESIAN3D)
        throw KeyFrameError("The current frame must be in 3D Cartesian mode.");

    ThreeDView_s view;
    ZorUtilThreeDViewGetViewerPos(&view.x, &view.y, &view.z);

    double psi = 0.0;
    double theta = 0.0;
    double alpha = 0.0;
    ZorUtilThreeDViewGetViewerAngle(&psi, &theta, &alpha);
    view.psi = psi * degreesPerRadian;
    view.theta = theta * degreesPerRadian;
    view.alpha = alpha * degreesPerRadian;

    double fieldOfView = 0.0;
    bool isInPerspective = false;
    ZorUtilThreeDViewGetProjection(&fieldOfView, &view.width, &isInPerspective);
    return view;
}

void applyView(const ThreeDView_s& view)
{
    AddOnLock lock;
    SuspendGraphics noDrawing;

    StyleValue threeDView(StringList{"THREEDVIEW"});
    const ArgList assign = plainAssignment();
    threeDView.set(view.psi, StringList{"PSIANGLE"}, assign);
    threeDView.set(view.theta, StringList{"THETAANGLE"}, assign);
    threeDView.set(view.alpha, StringList{"ALPHAANGLE"}, assign);
    threeDView.set(view.x, StringList{"VIEWERPOSITION", "X"}, assign);
    threeDView.set(view.y, StringList{"VIEWERPOSITION", "Y"}, assign);
    threeDView.set(view.z, StringList{"VIEWERPOSITION", "Z"}, assign);

    // The host takes a view width only while it draws without perspective.
    bool wasInPerspective = false;
    if (!StyleValue::returnCodeOk(threeDView.get(wasInPerspective, StringList{"DRAWINPERSPECTIVE"})))
        wasInPerspective = false;
    threeDView.set(false, StringList{"DRAWINPERSPECTIVE"}, assign);
    threeDView.set(view.width, StringList{"VIEWWIDTH"}, assign);
    threeDView.set(wasInPerspective, StringList{"DRAWINPERSPECTIVE"}, assign);
}

void normalizeAngle(double& angle)
{
    // An angle read from a file may be huge or not finite: stepping by 360
    // would then never end. Whole turns are taken off at once first (fmod
    // is exact), which leaves ordinary angles to the stepping below.
    if (!std::isfinite(angle))
        return;
    if (std::fabs(angle) > largestSteppedAngle)
        angle = std::fmod(angle, 360.0);
    while (angle > 180.0)
        angle -= 360.0;
    while (angle < -180.0)
        angle += 360.0;
}
