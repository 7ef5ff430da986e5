#include "zorsim/FrameModel.h"

#include <algorithm>
#include <stdexcept>

#include "StateChange.h"
#include "zorsim/Host.h"

namespace zorsim {

void FrameModel::announce(int code)
{
    host().stateChanges.notify(code);
    drawing_.noteChange();
}

ZorUniqueId FrameModel::addFrame(int plotType)
{
    Frame frame{nextId_++, plotType};
    frame.width = newWidth_;
    frame.height = newHeight_;
    frames_.insert(frames_.begin(), frame);
    announce(StateChange_FrameCreated);
    announce(StateChange_CurrentFrameChanged);
    return frame.id;
}

void FrameModel::deleteCurrentFrame()
{
    if (frames_.empty())
        throw std::out_of_range("no frame to delete");
    frames_.erase(frames_.begin());
    announce(StateChange_FrameDeleted);
    announce(StateChange_CurrentFrameChanged);
}

void FrameModel::setPlotType(int plotType)
{
    current().plotType = plotType;
    announce(StateChange_PlotTypeChanged);
}

void FrameModel::showIn(int width, int height)
{
    newWidth_ = width / pixelsPerUnit;
    newHeight_ = height / pixelsPerUnit;
    for (Frame& frame : frames_) {
        frame.width = newWidth_;
        frame.height = newHeight_;
    }
    workAreaWidth = width;
    workAreaHeight = height;
}

Frame& FrameModel::current()
{
    if (frames_.empty())
        throw std::out_of_range("no frame");
    return frames_[popIndex_ >= 0 ? static_cast<std::size_t>(popIndex_) : 0];
}

const Frame& FrameModel::current() const
{
    return const_cast<FrameModel*>(this)->current();
}

bool FrameModel::pushTop()
{
    if (frames_.size() < 2)
        return !frames_.empty();
    std::rotate(frames_.begin(), frames_.begin() + 1, frames_.end());
    announce(StateChange_CurrentFrameChanged);
    return true;
}

bool FrameModel::lightweightPopStart()
{
    if (frames_.empty())
        return false;
    popIndex_ = 0;
    return true;
}

int FrameModel::lightweightPopNext()
{
    if (popIndex_ < 0)
        return 0;
    if (popIndex_ + 1 >= count())
        return 0;
    ++popIndex_;
    return 1;
}

void FrameModel::lightweightPopEnd()
{
    popIndex_ = -1;
}

}  // namespace zorsim
