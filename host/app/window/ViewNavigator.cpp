#include "window/ViewNavigator.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "ZorTypes.h"
#include "render/ViewTransform.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

// The viewer's right (0) or up (1) axis in data coordinates.
zorsim::Vector3 viewerAxis(const zorsim::ViewState& view, std::size_t axis)
{
    Camera camera;
    camera.psi = view.psi;
    camera.theta = view.theta;
    camera.alpha = view.alpha;
    // Row `axis` of the turn from data to viewer coordinates.
    const Matrix4 turn = rotationMatrix(camera);
    return {turn[axis], turn[4 + axis], turn[8 + axis]};
}

}  // namespace

std::string macroNumber(double value)
{
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

bool ViewNavigator::canNavigate() const
{
    return host_.view.hasThreeDView();
}

zorsim::ViewState& ViewNavigator::view()
{
    return host_.view.current();
}

void ViewNavigator::redraw()
{
    host_.drawing.redraw(true);
}

void ViewNavigator::turn(int dx, int dy)
{
    if (!canNavigate() || (dx == 0 && dy == 0))
        return;
    const double theta = -dx * degreesPerPixel;
    const double psi = -dy * degreesPerPixel;
    host_.view.rotate(ZOR_ROTATE_THETA, theta, {0.0, 0.0, 0.0}, 0);
    host_.view.rotate(ZOR_ROTATE_PSI, psi, {0.0, 0.0, 0.0}, 0);
    thetaTurned_ += theta;
    psiTurned_ += psi;
    redraw();
}

void ViewNavigator::move(int dx, int dy, int viewWidth)
{
    if (!canNavigate() || viewWidth < 1 || (dx == 0 && dy == 0))
        return;
    zorsim::ViewState& shown = view();
    const double shownWidth =
        shown.perspective ? 2.0 * shown.distanceToOrigin() * std::tan(0.5 * shown.fieldOfView * degree) : shown.width;
    const double unitsPerPixel = shownWidth / viewWidth;
    const zorsim::Vector3 right = viewerAxis(shown, 0);
    const zorsim::Vector3 up = viewerAxis(shown, 1);
    // The viewer moves against the drag, so the data moves with it.
    for (std::size_t i = 0; i < 3; ++i)
        shown.position[i] -= (dx * right[i] - dy * up[i]) * unitsPerPixel;
    moved_ = true;
    redraw();
}

void ViewNavigator::zoom(double steps)
{
    if (!canNavigate() || steps == 0.0)
        return;
    zorsim::ViewState& shown = view();
    const double factor = std::pow(zoomPerStep, steps);
    if (shown.perspective) {
        for (std::size_t i = 0; i < 3; ++i)
            shown.position[i] = shown.rotationOrigin[i] + (shown.position[i] - shown.rotationOrigin[i]) * factor;
        recordPosition();
    } else {
        shown.width *= factor;
        recordStyle("VIEWWIDTH", shown.width);
    }
    redraw();
}

bool ViewNavigator::fit()
{
    return showChanged(canNavigate() && frameData_.fitView(host_));
}

bool ViewNavigator::reset()
{
    return showChanged(canNavigate() && frameData_.resetView(host_));
}

bool ViewNavigator::showChanged(bool changed)
{
    if (changed) {
        recordWholeView();
        redraw();
    }
    return changed;
}

void ViewNavigator::finishGesture()
{
    if (thetaTurned_ != 0.0)
        record("$!ROTATE3D AXIS = THETA ANGLE = " + macroNumber(thetaTurned_));
    if (psiTurned_ != 0.0)
        record("$!ROTATE3D AXIS = PSI ANGLE = " + macroNumber(psiTurned_));
    if (moved_ && canNavigate())
        recordPosition();
    thetaTurned_ = psiTurned_ = 0.0;
    moved_ = false;
}

void ViewNavigator::record(const std::string& line)
{
    host_.macro.recordRaw(line);
}

void ViewNavigator::recordStyle(const std::string& path, double value)
{
    record("$!STYLE PATH = \"THREEDVIEW " + path + "\" VALUE = " + macroNumber(value));
}

void ViewNavigator::recordPosition()
{
    const zorsim::ViewState& shown = view();
    recordStyle("VIEWERPOSITION X", shown.position[0]);
    recordStyle("VIEWERPOSITION Y", shown.position[1]);
    recordStyle("VIEWERPOSITION Z", shown.position[2]);
}

void ViewNavigator::recordWholeView()
{
    const zorsim::ViewState& shown = view();
    recordStyle("PSIANGLE", shown.psi);
    recordStyle("THETAANGLE", shown.theta);
    recordStyle("ALPHAANGLE", shown.alpha);
    recordPosition();
    if (!shown.perspective)
        recordStyle("VIEWWIDTH", shown.width);
}

}  // namespace zorhost
