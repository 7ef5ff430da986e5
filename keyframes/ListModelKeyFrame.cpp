#include "keyframes/ListModelKeyFrame.h"

#include <numeric>
#include <stdexcept>

#include "ZorUtil.h"
#include "addon/AddOnLock.h"

namespace {

[[noreturn]] void throwInvalidSubscript()
{
    throw std::out_of_range("invalid vector<T> subscript");
}

}  // namespace

KeyFrame_s& ListModelKeyFrame::at(unsigned index)
{
    if (index >= keyFrames.size())
        throwInvalidSubscript();
    return keyFrames[index];
}

const KeyFrame_s& ListModelKeyFrame::at(unsigned index) const
{
    if (index >= keyFrames.size())
        throwInvalidSubscript();
    return keyFrames[index];
}

std::string ListModelKeyFrame::getDisplayString(unsigned index) const
{
    return at(index).name;
}

const KeyFrame_s& ListModelKeyFrame::getItem(unsigned index) const
{
    return at(index);
}

void ListModelKeyFrame::setItem(unsigned index, const KeyFrame_s& keyFrame)
{
    at(index) = keyFrame;
    notifyChange(ListModelChange_s{Changed, {index}});
}

void ListModelKeyFrame::insertItem(unsigned index, const KeyFrame_s& keyFrame)
{
    insertItems(index, std::vector<KeyFrame_s>{keyFrame});
}

void ListModelKeyFrame::insertItems(unsigned index, const std::vector<KeyFrame_s>& items)
{
    if (index > getInvalidIndex())
        throwInvalidSubscript();
    const bool append = index > getCount();
    const unsigned first = append ? index - 1 : index;
    keyFrames.insert(keyFrames.begin() + first, items.begin(), items.end());
    std::vector<unsigned> positions(items.size());
    std::iota(positions.begin(), positions.end(), first);
    notifyChange(ListModelChange_s{Inserted, positions});
}

void ListModelKeyFrame::removeItem(unsigned index)
{
    removeItems(index, 1);
}

void ListModelKeyFrame::removeItems(unsigned index, unsigned count)
{
    if (index > keyFrames.size() || count > keyFrames.size() - index)
        throwInvalidSubscript();
    keyFrames.erase(keyFrames.begin() + index, keyFrames.begin() + index + count);
    std::vector<unsigned> positions(count);
    std::iota(positions.begin(), positions.end(), index);
    notifyChange(ListModelChange_s{Removed, positions});
}

void ListModelKeyFrame::setKeyFrames(const std::vector<KeyFrame_s>& items)
{
    std::vector<KeyFrame_s> copy(items);
    keyFrames.swap(copy);
    notifyReset();
}

const std::string& ListModelKeyFrame::getName(unsigned index) const
{
    return at(index).name;
}

void ListModelKeyFrame::setName(unsigned index, const std::string& name)
{
    at(index).name = name;
    notifyChange(ListModelChange_s{Changed, {index}});
}

uint32_t ListModelKeyFrame::getFrameCount(unsigned index) const
{
    return at(index).frameCount;
}

void ListModelKeyFrame::setFrameCount(unsigned index, uint32_t frameCount)
{
    at(index).frameCount = frameCount;
}

void ListModelKeyFrame::updateView(unsigned index, const ThreeDView_s& view)
{
    KeyFrame_s& keyFrame = at(index);
    keyFrame.view = view;
    AddOnLock lock;
    keyFrame.solutionTime = ZorUtilSolutionTimeGetCurrent();
}
