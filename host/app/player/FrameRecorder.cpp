#include "player/FrameRecorder.h"

#include <variant>

#include "output/AtomicFile.h"
#include "output/PartialFiles.h"
#include "player/HostScene.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

int intOf(const zorsim::ExportValues& values, const std::string& keyword)
{
    return std::get<int>(values.value(keyword));
}

// The contact sheet's tiles are drawn at their own size when no movie
// needs the full picture.
constexpr int sheetTileWidth = 200;

}  // namespace

MovieSettings movieSettingsOf(const zorsim::ExportValues& values)
{
    MovieSettings settings;
    settings.format = static_cast<MovieFormat>(values.format());
    settings.aviCompression = static_cast<AviCompression>(intOf(values, "AVICOMPRESSION"));
    settings.flashImageType = static_cast<FlashImageType>(intOf(values, "FLASHIMAGETYPE"));
    settings.flashCompression = static_cast<FlashCompression>(intOf(values, "FLASHCOMPRESSIONTYPE"));
    settings.framesPerSecond = std::get<double>(values.value("ANIMATIONSPEED"));
    return settings;
}

FrameRecorder::FrameRecorder(zorsim::Host& host, const FrameDataStore& frameData, FrameLog* log, ContactSheet* sheet,
                             const FrameFolder* folder, Reporter report)
    : host_(host), frameData_(frameData), log_(log), sheet_(sheet), folder_(folder), report_(std::move(report))
{
}

FrameRecorder::~FrameRecorder()
{
    if (host_.exports.isRecording())
        host_.exports.cancel();
    host_.exports.setSink(nullptr);
    host_.exports.onFinishFailed = nullptr;
    host_.drawing.onRedraw = nullptr;
}

void FrameRecorder::attach()
{
    host_.exports.setSink(this);
    host_.exports.onFinishFailed = [this](const std::string& reason) { failMovie(reason); };
    host_.drawing.onRedraw = [this](bool full) {
        if (full)
            redrawn();
    };
}

Renderer* FrameRecorder::renderer()
{
    if (renderer_ == nullptr && !rendererFailed_) {
        try {
            renderer_ = createGlRenderer();
        } catch (const RenderError& error) {
            rendererFailed_ = true;
            fail(std::string("cannot draw: ") + error.what());
        }
    }
    return renderer_.get();
}

int FrameRecorder::countFrame(const std::string& event)
{
    if (log_ != nullptr)
        log_->write(currentFrameLogRow(host_, event));
    return framesDrawn_++;
}

void FrameRecorder::showPicture(int frameNumber, const Image& picture)
{
    if (sheet_ != nullptr)
        sheet_->addFrame(frameNumber, picture);
    if (folder_ == nullptr || folderFailed_)
        return;
    try {
        folder_->write(frameNumber, picture);
    } catch (const OutputFileError& error) {
        folderFailed_ = true;
        fail(std::string(error.what()) + "; no further frames are written");
    }
}

void FrameRecorder::redrawn()
{
    const int frameNumber = countFrame("redraw");
    if ((sheet_ == nullptr && folder_ == nullptr) || renderer() == nullptr)
        return;
    Scene scene = currentScene(host_, frameData_);
    // The sheet alone needs no more than its tile.
    if (folder_ == nullptr) {
        scene.height = std::max(1, scene.height * sheetTileWidth / scene.width);
        scene.width = sheetTileWidth;
        scene.supersample = 1;
    }
    try {
        showPicture(frameNumber, renderer_->render(scene));
    } catch (const RenderError& error) {
        fail(std::string("cannot draw: ") + error.what());
    }
}

bool FrameRecorder::beginMovie(const zorsim::ExportValues& values, const std::string& path)
{
    movieFailed_ = false;
    closeMovie();
    movieName_ = values.fileName();
    if (refuseMovieName) {
        if (const std::string refusal = refuseMovieName(movieName_); !refusal.empty()) {
            fail(refusal);
            return false;
        }
    }
    moviePartialSlot_ = partialFiles::remember(path);
    try {
        if (renderer() != nullptr)
            movie_ = std::make_unique<MoviePipeline>(openMovie(movieSettingsOf(values), path));
    } catch (const MovieError& error) {
        fail("cannot write the movie " + movieName_ + ": " + error.what());
    }
    if (movie_ == nullptr)
        closeMovie();
    return movie_ != nullptr;
}

void FrameRecorder::closeMovie()
{
    movie_.reset();
    partialFiles::forget(moviePartialSlot_);
    moviePartialSlot_ = -1;
}

void FrameRecorder::fail(const std::string& message)
{
    failed_ = true;
    report_(message);
}

void FrameRecorder::failMovie(const std::string& message)
{
    if (!movieFailed_)
        fail("cannot write the movie " + movieName_ + ": " + message);
    movieFailed_ = true;
    if (movie_ != nullptr)
        movie_->abandon();
    closeMovie();
}

bool FrameRecorder::addFrame(int index)
{
    const int frameNumber = countFrame(index == 0 ? "exportstart" : "exportnext");
    // A movie that failed is not drawn for, unless the pictures are wanted.
    if (renderer_ == nullptr || (movie_ == nullptr && sheet_ == nullptr && folder_ == nullptr))
        return false;
    try {
        renderer_->renderInto(currentScene(host_, frameData_), picture_);
        showPicture(frameNumber, picture_);
        if (movie_ == nullptr)
            return false;
        movie_->add(picture_);
        return true;
    } catch (const std::exception& error) {
        failMovie(error.what());
    }
    return false;
}

bool FrameRecorder::endMovie()
{
    if (movie_ == nullptr)
        return false;
    try {
        movie_->finish();
        closeMovie();
        return true;
    } catch (const MovieError& error) {
        failMovie(error.what());
    }
    return false;
}

void FrameRecorder::abandonMovie()
{
    if (movie_ != nullptr)
        movie_->abandon();
    closeMovie();
}

}  // namespace zorhost
