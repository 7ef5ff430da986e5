#include "program/SegmentSink.h"

#include <variant>

#include "movie/MovieWriter.h"
#include "zorsim/Host.h"

namespace zorhost {

SegmentSink::SegmentSink(zorsim::Host& host, zorsim::FrameSink* movie, const FrameRange& range, Reporter report)
    : host_(host), movie_(movie), range_(range), report_(std::move(report))
{
    host_.exports.setSink(this);
    host_.exports.setDryRun(movie_ == nullptr);
    if (movie_ != nullptr)
        host_.exports.targetOf = [range](const std::string& name) { return segmentFileName(name, range); };
}

SegmentSink::~SegmentSink()
{
    host_.exports.cancel();
    host_.exports.setSink(nullptr);
    host_.exports.setDryRun(false);
    host_.exports.targetOf = nullptr;
}

bool SegmentSink::beginMovie(const zorsim::ExportValues& values, const std::string& path)
{
    if (frames_ >= 0) {
        report_("a run cut into segments takes one movie: " + values.fileName() + " would be a second after " +
                movieName_);
        return false;
    }
    if (static_cast<MovieFormat>(values.format()) == MovieFormat::Flash) {
        report_("a Flash (SWF) movie cannot be joined from segments; AVI, MPEG-4, WMV, FLV and the Raster "
                "Metafile can");
        return false;
    }
    movieName_ = values.fileName();
    framesPerSecond_ = std::get<double>(values.value("ANIMATIONSPEED"));
    frames_ = 0;
    written_ = 0;
    return movie_ == nullptr || movie_->beginMovie(values, path);
}

bool SegmentSink::addFrame(int index)
{
    ++frames_;
    if (movie_ == nullptr || !range_.contains(index))
        return true;
    ++written_;
    return movie_->addFrame(index);
}

bool SegmentSink::endMovie()
{
    if (movie_ == nullptr)
        return true;
    if (written_ > 0)
        return movie_->endMovie();
    movie_->abandonMovie();
    report_("the frame range " + range_.text() + " holds none of the movie's " + std::to_string(frames_) +
            " frames (0 to " + std::to_string(frames_ - 1) + ")");
    return false;
}

void SegmentSink::abandonMovie()
{
    if (movie_ != nullptr)
        movie_->abandonMovie();
}

}  // namespace zorhost
