// Where the frames of a movie export go. The export model keeps the
// bookkeeping (settings, state, the temporary file and its rename); a sink
// turns the frames the host shows into the movie's content. zorhost plugs a
// renderer and a movie writer in here; tests plug in a recorder.
#ifndef ZORSIM_FRAME_SINK_H
#define ZORSIM_FRAME_SINK_H

#include <string>

#include "zorsim/ExportValues.h"

namespace zorsim {

class FrameSink {
public:
    virtual ~FrameSink() = default;

    // A movie starts with `values`; its content goes to `path`, a temporary
    // file beside the target that already exists and is empty. Returns false
    // when the sink cannot write such a movie (the export then fails).
    virtual bool beginMovie(const ExportValues& values, const std::string& path) = 0;
    // The frame the host shows now is frame `index` of the movie (0: the
    // first, taken when the export starts). Returns false when it was lost.
    virtual bool addFrame(int index) = 0;
    // Completes and closes the movie. Returns false when that failed; the
    // model then removes the file instead of renaming it.
    virtual bool endMovie() = 0;
    // Closes the movie without completing it; the model removes the file.
    virtual void abandonMovie() = 0;
};

}  // namespace zorsim

#endif
