#include "zorsim/ViewModel.h"

#include "ZorTypes.h"
#include "zorsim/DrawingModel.h"
#include "zorsim/FrameModel.h"

namespace zorsim {

namespace {

// The double field named by a path below "THREEDVIEW", or null; `View` is
// ViewState or const ViewState.
template <typename View>
auto doubleField(View& view, const StylePath& rest) -> decltype(&view.psi)
{
    if (rest.size() == 1) {
        const std::string& name = rest[0];
        if (name == "PSIANGLE")
            return &view.psi;
        if (name == "THETAANGLE")
            return &view.theta;
        if (name == "ALPHAANGLE")
            return &view.alpha;
        if (name == "VIEWWIDTH")
            return &view.width;
        if (name == "FIELDOFVIEW")
            return &view.fieldOfView;
    }
    if (rest.size() == 2 && rest[0] == "VIEWERPOSITION") {
        const std::string& coordinate = rest[1];
        if (coordinate == "X")
            return &view.position[0];
        if (coordinate == "Y")
            return &view.position[1];
        if (coordinate == "Z")
            return &view.position[2];
    }
    return nullptr;
}

bool isPerspectiveFlag(const StylePath& rest)
{
    return rest.size() == 1 && rest[0] == "DRAWINPERSPECTIVE";
}

bool isViewWidth(const StylePath& rest)
{
    return rest.size() == 1 && rest[0] == "VIEWWIDTH";
}

}  // namespace

bool ViewModel::hasThreeDView() const
{
    return !frames_.empty() && frames_.current().plotType == ZOR_PLOT_CARTESIAN3D;
}

ViewState& ViewModel::current()
{
    return frames_.current().view;
}

const ViewState& ViewModel::current() const
{
    return frames_.current().view;
}

bool ViewModel::rotate(int axis, double degrees, const Vector3& vector, int originCode)
{
    const bool standardAxis = vector[0] == 0.0 && vector[1] == 0.0 && vector[2] == 0.0 && originCode == 0;
    if (!standardAxis || !hasThreeDView() || !current().rotate(axis, degrees))
        return false;
    drawing_.noteChange();
    return true;
}

StyleReturnCode_e ViewModel::get(const StylePath& rest, StyleData& value) const
{
    if (frames_.empty())
        return StyleReturnCode_Refused;
    const ViewState& view = current();
    if (isPerspectiveFlag(rest)) {
        value = view.perspective;
        return StyleReturnCode_Ok;
    }
    if (const double* field = doubleField(view, rest)) {
        value = *field;
        return StyleReturnCode_Ok;
    }
    return StyleReturnCode_UnknownPath;
}

StyleReturnCode_e ViewModel::set(const StylePath& rest, const StyleData& value)
{
    if (frames_.empty())
        return StyleReturnCode_Refused;
    ViewState& view = current();
    StyleData converted;
    if (isPerspectiveFlag(rest)) {
        if (!convertStyleData(StyleData(false), value, converted))
            return StyleReturnCode_WrongType;
        view.perspective = std::get<bool>(converted);
        return StyleReturnCode_Ok;
    }
    double* field = doubleField(view, rest);
    if (field == nullptr)
        return StyleReturnCode_UnknownPath;
    if (!convertStyleData(StyleData(0.0), value, converted))
        return StyleReturnCode_WrongType;
    if (isViewWidth(rest) && view.perspective)
        return StyleReturnCode_Refused;
    *field = std::get<double>(converted);
    return StyleReturnCode_Ok;
}

}  // namespace zorsim
