#include "zorsim/DrawingModel.h"

namespace zorsim {

void DrawingModel::setDrawing(bool on)
{
    const bool waited = isChangeWaiting();
    if (!on) {
        ++offDepth_;
        return;
    }
    if (offDepth_ == 0) {
        ++unmatchedOns_;
        return;
    }
    --offDepth_;
    tellIfWaiting(waited);
}

bool DrawingModel::redraw(bool full)
{
    if (!isDrawing())
        return false;
    changesShown();
    ++redraws_;
    if (full)
        ++fullRedraws_;
    if (onRedraw)
        onRedraw(full);
    return true;
}

void DrawingModel::noteChange()
{
    const bool waited = isChangeWaiting();
    ++changes_;
    tellIfWaiting(waited);
}

void DrawingModel::tellIfWaiting(bool waitedBefore)
{
    if (!waitedBefore && isChangeWaiting() && onChangeWaiting)
        onChangeWaiting();
}

}  // namespace zorsim
