#include "animation/FrameNumbering.h"

#include <limits>
#include <stdexcept>

uint32_t countFrames(const std::vector<KeyFrame_s>& keyFrames)
{
    uint64_t frames = 1;
    for (std::size_t k = 0; k + 1 < keyFrames.size(); ++k)
        frames += keyFrames[k].frameCount;
    if (frames > std::numeric_limits<uint32_t>::max())
        throw std::length_error("too many frames in the key frame list");
    return static_cast<uint32_t>(frames);
}

uint32_t frameOfKeyFrame(const std::vector<KeyFrame_s>& keyFrames, std::size_t k)
{
    if (k >= keyFrames.size())
        throw std::out_of_range("key frame index beyond the list");
    uint32_t frame = 0;
    for (std::size_t j = 0; j < k; ++j)
        frame += keyFrames[j].frameCount;
    return frame;
}
