// Everything zorhost does with a frame drawn for the user: a row in the
// frame log, a picture for the contact sheet and one in the frame folder,
// and, while a movie is exported, the picture encoded into the movie. It is the host model's
// frame sink and hears its full redraws.
#ifndef ZORHOST_FRAME_RECORDER_H
#define ZORHOST_FRAME_RECORDER_H

#include <functional>
#include <memory>
#include <string>

#include "log/FrameLog.h"
#include "movie/MoviePipeline.h"
#include "movie/MovieWriter.h"
#include "player/FrameDataStore.h"
#include "render/Renderer.h"
#include "sheet/ContactSheet.h"
#include "sheet/FrameFolder.h"
#include "zorsim/FrameSink.h"

namespace zorsim {
class Host;
}

namespace zorhost {

// The movie settings that the export values give.
MovieSettings movieSettingsOf(const zorsim::ExportValues& values);

class FrameRecorder : public zorsim::FrameSink {
public:
    using Reporter = std::function<void(const std::string& message)>;

    // `log`, `sheet` and `folder` may be null (not kept); none is owned and
    // all must outlive the recorder. `report` hears every failure, in words.
    FrameRecorder(zorsim::Host& host, const FrameDataStore& frameData, FrameLog* log, ContactSheet* sheet,
                  const FrameFolder* folder, Reporter report);
    ~FrameRecorder() override;
    FrameRecorder(const FrameRecorder&) = delete;
    FrameRecorder& operator=(const FrameRecorder&) = delete;

    // Plugs the recorder into the host: its export sink and redraw observer.
    void attach();
    // Why a movie may not be written under a name (empty: it may); a movie
    // refused is reported and not started.
    std::function<std::string(const std::string& movieName)> refuseMovieName;
    // Whether a picture could not be drawn or a movie not be written.
    bool failed() const { return failed_; }
    // A full redraw happened.
    void redrawn();

    bool beginMovie(const zorsim::ExportValues& values, const std::string& path) override;
    bool addFrame(int index) override;
    bool endMovie() override;
    void abandonMovie() override;

private:
    // The renderer, made on first use; null when OpenGL is not available.
    Renderer* renderer();
    // Counts a frame drawn for the user and logs it; its frame number.
    int countFrame(const std::string& event);
    // Hands a picture to the contact sheet and the frame folder.
    void showPicture(int frameNumber, const Image& picture);
    // Reports a failure the run's status must show.
    void fail(const std::string& message);
    void failMovie(const std::string& message);
    // Drops the movie; a signal no longer needs to remove its file.
    void closeMovie();

    zorsim::Host& host_;
    const FrameDataStore& frameData_;
    FrameLog* log_;
    ContactSheet* sheet_;
    const FrameFolder* folder_;
    Reporter report_;
    int framesDrawn_ = 0;
    bool folderFailed_ = false;
    std::unique_ptr<Renderer> renderer_;
    bool rendererFailed_ = false;
    // The movie's frames are encoded on its worker thread while the next
    // one is drawn into `picture_`, a buffer of the pipeline's pool.
    std::unique_ptr<MoviePipeline> movie_;
    Image picture_;
    // The user's name of the movie, for messages.
    std::string movieName_;
    // The movie's temporary file, removed by a signal that ends zorhost.
    int moviePartialSlot_ = -1;
    bool movieFailed_ = false;
    bool failed_ = false;
};

}  // namespace zorhost

#endif
