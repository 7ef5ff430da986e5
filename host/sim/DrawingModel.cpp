#include "zorsim/DrawingModel.h"

namespace zorsim {

void DrawingModel::setDrawing(bool on)
{
    if (!on) {
        ++offDepth_;
        return;
    }
    if (offDepth_ == 0) {
        ++unmatchedOns_;
        return;
    }
    --offDepth_;
}

bool DrawingModel::redraw(bool full)
{
    if (!isDrawing())
        return false;
    ++redraws_;
    if (full)
        ++fullRedraws_;
    if (onRedraw)
        onRedraw(full);
    return true;
}

}  // namespace zorsim
