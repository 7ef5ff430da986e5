// The host's movie export: the export settings, and one movie at a time
// from start through its frames to finish or cancel.
//
// A movie is written under a temporary name beside the target file
// (".NAME.partial", NAME shortened when the whole would be longer than a
// file name may be) and renamed to the target only when it is complete, so a failed or cancelled
// export never leaves a broken file under the user's name. The content is
// the frame sink's business; without a sink the movie file stays empty.
#ifndef ZORSIM_EXPORT_MODEL_H
#define ZORSIM_EXPORT_MODEL_H

#include <cstdint>
#include <functional>
#include <string>

#include "zorsim/ExportValues.h"
#include "zorsim/FrameSink.h"
#include "zorsim/StyleModel.h"

namespace zorsim {

class ExportModel : public StyleProvider {
public:
    // Serves the style values below "EXPORTSETUP" from the export values.
    explicit ExportModel(StyleModel& styles);
    // Abandons a movie still running.
    ~ExportModel() override;
    ExportModel(const ExportModel&) = delete;
    ExportModel& operator=(const ExportModel&) = delete;

    // One export value as ZorUtilExportSetup passes it: doubles in
    // `doubleValue`; integers and Booleans in `intValue`; for a text the
    // address of its characters in `intValue`. False for an unknown keyword
    // or a null text.
    bool setup(const std::string& keyword, double doubleValue, std::intptr_t intValue);

    // Starts a movie and takes the frame shown now as its first frame. False
    // (nothing started) while a movie runs, for a format that is not an
    // animation format, an empty file name or one of a folder, a file that
    // cannot be created, a sink that refuses, or while starts are refused.
    bool start();
    // False when no movie runs or the sink lost the frame.
    bool nextFrame();
    // Completes the movie and renames it to its target. False when no movie
    // runs, a frame was lost or it could not be completed (nothing is left
    // behind then).
    bool finish();
    // Abandons the running movie and removes its file; no-op when none runs.
    void cancel();
    bool isRecording() const { return recording_; }

    // Control face.
    ExportValues& values() { return values_; }
    const ExportValues& values() const { return values_; }
    // The sink that receives the frames (not owned; null: none).
    void setSink(FrameSink* sink) { sink_ = sink; }
    // Told why a start failed, in words (zorhost prints it).
    std::function<void(const std::string& reason)> onStartFailed;
    // Told why a movie the sink completed could not be renamed to its
    // target, in words (zorhost prints it).
    std::function<void(const std::string& reason)> onFinishFailed;
    // Fault injection: every start fails while set.
    void refuseStarts(bool refuse) { refuseStarts_ = refuse; }

    int starts() const { return starts_; }
    int finishes() const { return finishes_; }
    // Finishes that wrote the movie under its name.
    int completions() const { return completions_; }
    int cancels() const { return cancels_; }
    // Frames of the running or last movie.
    int movieFrames() const { return movieFrames_; }

    StyleReturnCode_e get(const StylePath& rest, StyleData& value) const override;
    StyleReturnCode_e set(const StylePath& rest, const StyleData& value) override;

private:
    // Why a movie cannot start now, or empty when it can.
    std::string refusal() const;
    bool refuse(const std::string& reason);
    bool createTemporaryFile();
    // False when the sink lost the frame.
    bool addFrame();
    void endRecording();

    ExportValues values_;
    FrameSink* sink_ = nullptr;
    bool refuseStarts_ = false;
    bool recording_ = false;
    bool frameLost_ = false;
    std::string targetPath_;
    std::string temporaryPath_;
    int starts_ = 0;
    int finishes_ = 0;
    int completions_ = 0;
    int cancels_ = 0;
    int movieFrames_ = 0;
};

}  // namespace zorsim

#endif
