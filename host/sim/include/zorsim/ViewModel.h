// The 3D view of the current frame as the host API and the "THREEDVIEW"
// style values see it.
//
// Style values below "THREEDVIEW": "PSIANGLE", "THETAANGLE", "ALPHAANGLE"
// (degrees), "VIEWERPOSITION" "X"/"Y"/"Z", "VIEWWIDTH", "FIELDOFVIEW" and
// "DRAWINPERSPECTIVE". Each reads and writes one field; setting one never
// changes another. A set of "VIEWWIDTH" is refused while the frame draws in
// perspective; the stored width survives switching perspective on and off.
#ifndef ZORSIM_VIEW_MODEL_H
#define ZORSIM_VIEW_MODEL_H

#include "zorsim/StyleModel.h"
#include "zorsim/ViewState.h"

namespace zorsim {

class DrawingModel;
class FrameModel;

class ViewModel : public StyleProvider {
public:
    // A rotation is noted in `drawing`; the style values are noted by the
    // style model that serves them.
    ViewModel(FrameModel& frames, DrawingModel& drawing) : frames_(frames), drawing_(drawing) {}

    // True when the current frame is a 3D Cartesian plot.
    bool hasThreeDView() const;
    // The current frame's view; throws std::out_of_range when there is no
    // frame. Frames of any plot type keep one.
    ViewState& current();
    const ViewState& current() const;

    // ZorUtilViewRotate3D: only the standard axes about the rotation origin
    // (a zero vector and origin code 0) are modelled; false for anything
    // else and when the current frame has no 3D view.
    bool rotate(int axis, double degrees, const Vector3& vector, int originCode);

    StyleReturnCode_e get(const StylePath& rest, StyleData& value) const override;
    StyleReturnCode_e set(const StylePath& rest, const StyleData& value) override;

private:
    FrameModel& frames_;
    DrawingModel& drawing_;
};

}  // namespace zorsim

#endif
