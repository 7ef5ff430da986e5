#include "program/FrameRange.h"

#include <cctype>
#include <filesystem>

namespace zorhost {

namespace {

// A frame number of decimal digits alone; throws FrameRangeError.
int frameNumberOf(const std::string& digits, const std::string& range)
{
    if (!digits.empty() && digits.front() == '-')
        throw FrameRangeError(range + ": frame numbers start at 0, the animation's first frame");
    bool isNumber = !digits.empty() && digits.size() <= 9;
    for (const char digit : digits)
        isNumber = isNumber && std::isdigit(static_cast<unsigned char>(digit)) != 0;
    if (!isNumber)
        throw FrameRangeError(range + ": FIRST:LAST takes two frame numbers, as in 0:99");
    return std::stoi(digits);
}

}  // namespace

FrameRange parseFrameRange(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        throw FrameRangeError(text + ": FIRST:LAST takes two frame numbers, as in 0:99");
    const FrameRange range{frameNumberOf(text.substr(0, colon), text), frameNumberOf(text.substr(colon + 1), text)};
    if (range.last < range.first)
        throw FrameRangeError(text + ": the last frame comes before the first");
    return range;
}

std::string segmentFileName(const std::string& movie, const FrameRange& range)
{
    const std::filesystem::path path(movie);
    const std::string segment =
        path.stem().string() + ".frames-" + std::to_string(range.first) + "-" + std::to_string(range.last);
    return (path.parent_path() / (segment + path.extension().string())).string();
}

}  // namespace zorhost
