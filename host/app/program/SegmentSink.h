// The export's frame sink while zorhost renders one segment of a movie
// (--frames-range) or counts a movie's frames (--count-frames). It lets
// through to the movie only the frames of its range; the others are stepped
// through, the host showing their views, fade and time, but nothing draws
// or encodes them. A run takes one movie, and a Flash (SWF) movie, which
// cannot be joined from parts, is refused.
//
//   SegmentSink segment(host, &recorder, range, report);  // after recorder.attach()
//   ... play the macros ...
//   segment.frames();  // the movie's frames, all of them, written or not
//
// Without a movie sink nothing is written: the export model runs dry and
// the sink counts. The destructor cancels a movie still running and
// unplugs the sink.
#ifndef ZORHOST_SEGMENT_SINK_H
#define ZORHOST_SEGMENT_SINK_H

#include <functional>
#include <string>

#include "program/FrameRange.h"
#include "zorsim/FrameSink.h"

namespace zorsim {
class Host;
}

namespace zorhost {

class SegmentSink : public zorsim::FrameSink {
public:
    using Reporter = std::function<void(const std::string& message)>;

    // `movie` (not owned, null: count only) is the sink that writes the
    // range's frames; the segment is written to segmentFileName(...).
    // `report` hears why a movie was refused or left empty.
    SegmentSink(zorsim::Host& host, zorsim::FrameSink* movie, const FrameRange& range, Reporter report);
    ~SegmentSink() override;
    SegmentSink(const SegmentSink&) = delete;
    SegmentSink& operator=(const SegmentSink&) = delete;

    // The frames of the run's movie, -1 before it started.
    int frames() const { return frames_; }
    // The export file name of the run's movie, empty before it started.
    const std::string& movieName() const { return movieName_; }
    // Its frames per second.
    double framesPerSecond() const { return framesPerSecond_; }

    bool beginMovie(const zorsim::ExportValues& values, const std::string& path) override;
    bool addFrame(int index) override;
    bool endMovie() override;
    void abandonMovie() override;

private:
    zorsim::Host& host_;
    zorsim::FrameSink* movie_;
    FrameRange range_;
    Reporter report_;
    std::string movieName_;
    double framesPerSecond_ = 0.0;
    int frames_ = -1;
    int written_ = 0;
};

}  // namespace zorhost

#endif
