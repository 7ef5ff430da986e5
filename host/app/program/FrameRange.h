// The frames of a movie that one zorhost writes when a movie is rendered in
// segments: FIRST to LAST, both counted from 0 for the animation's first
// frame and both included.
//
//   const FrameRange range = parseFrameRange("100:199");
//   segmentFileName("out/fly.mp4", range);  // "out/fly.frames-100-199.mp4"
#ifndef ZORHOST_FRAME_RANGE_H
#define ZORHOST_FRAME_RANGE_H

#include <stdexcept>
#include <string>

namespace zorhost {

struct FrameRange {
    int first = 0;
    int last = 0;

    bool contains(int frame) const { return frame >= first && frame <= last; }
    std::string text() const { return std::to_string(first) + ":" + std::to_string(last); }
};

class FrameRangeError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// "FIRST:LAST"; throws FrameRangeError saying what is wrong with `text`.
FrameRange parseFrameRange(const std::string& text);

// The file a segment of the movie `movie` is written to: beside it, its
// range between its name and its extension, so that segments rendered at
// once in one folder never meet and none takes the movie's own name.
std::string segmentFileName(const std::string& movie, const FrameRange& range);

}  // namespace zorhost

#endif
