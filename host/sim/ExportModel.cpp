#include "zorsim/ExportModel.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace zorsim {

namespace {

constexpr const char* temporarySuffix = ".partial";

// At most the first `size` bytes of `name`, not cut inside a UTF-8 character.
std::string prefixOf(const std::string& name, std::size_t size)
{
    if (name.size() <= size)
        return name;
    while (size > 0 && (static_cast<unsigned char>(name[size]) & 0xC0) == 0x80)
        --size;
    return name.substr(0, size);
}

// ".name.partial" in the target's folder, the name shortened so that the
// temporary name fits wherever the target's does.
std::string temporaryPathFor(const std::string& target)
{
    const std::filesystem::path path(target);
    const std::size_t room = NAME_MAX - 1 - std::strlen(temporarySuffix);
    return (path.parent_path() / ("." + prefixOf(path.filename().string(), room) + temporarySuffix)).string();
}

void removeQuietly(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

}  // namespace

ExportModel::ExportModel(StyleModel& styles)
{
    styles.mount("EXPORTSETUP", this);
}

ExportModel::~ExportModel()
{
    cancel();
}

bool ExportModel::setup(const std::string& keyword, double doubleValue, std::intptr_t intValue)
{
    if (!values_.knows(keyword))
        return false;
    const StyleData& held = values_.value(keyword);
    if (std::holds_alternative<double>(held))
        return values_.set(keyword, doubleValue);
    if (std::holds_alternative<bool>(held))
        return values_.set(keyword, intValue != 0);
    if (std::holds_alternative<int>(held))
        return values_.set(keyword, static_cast<int>(intValue));
    const char* text = reinterpret_cast<const char*>(intValue);
    return text != nullptr && values_.set(keyword, std::string(text));
}

std::string ExportModel::refusal() const
{
    if (refuseStarts_)
        return "the host refuses to start movies";
    if (recording_)
        return "a movie is already being written";
    if (!isAnimationFormat(values_.format()))
        return "the export format is not a movie format";
    if (values_.fileName().empty())
        return "no export file name is set";
    std::error_code ignored;
    if (std::filesystem::is_directory(values_.fileName(), ignored))
        return "the export file name " + values_.fileName() + " is a folder";
    return std::string();
}

bool ExportModel::refuse(const std::string& reason)
{
    if (onStartFailed)
        onStartFailed(reason);
    return false;
}

bool ExportModel::createTemporaryFile()
{
    temporaryPath_ = temporaryPathFor(targetPath_);
    std::ofstream file(temporaryPath_, std::ios::binary | std::ios::trunc);
    if (file)
        return true;
    temporaryPath_.clear();
    return false;
}

bool ExportModel::start()
{
    if (const std::string reason = refusal(); !reason.empty())
        return refuse(reason);
    targetPath_ = values_.fileName();
    if (!createTemporaryFile())
        return refuse("cannot create the movie file " + targetPath_ + ": " + std::strerror(errno));
    if (sink_ != nullptr && !sink_->beginMovie(values_, temporaryPath_)) {
        removeQuietly(temporaryPath_);
        temporaryPath_.clear();
        return refuse("cannot write the movie " + targetPath_);
    }
    recording_ = true;
    frameLost_ = false;
    ++starts_;
    movieFrames_ = 0;
    addFrame();
    return true;
}

bool ExportModel::addFrame()
{
    const bool added = sink_ == nullptr || sink_->addFrame(movieFrames_);
    frameLost_ = frameLost_ || !added;
    ++movieFrames_;
    return added;
}

bool ExportModel::nextFrame()
{
    if (!recording_)
        return false;
    return addFrame();
}

bool ExportModel::finish()
{
    if (!recording_)
        return false;
    ++finishes_;
    // A movie that lost a frame is not complete, whatever the sink says.
    bool complete = !frameLost_ && (sink_ == nullptr || sink_->endMovie());
    if (complete) {
        std::error_code error;
        std::filesystem::rename(temporaryPath_, targetPath_, error);
        complete = !error;
        if (error && onFinishFailed)
            onFinishFailed(error.message());
    }
    if (complete)
        ++completions_;
    else
        removeQuietly(temporaryPath_);
    endRecording();
    return complete;
}

void ExportModel::cancel()
{
    if (!recording_)
        return;
    ++cancels_;
    if (sink_ != nullptr)
        sink_->abandonMovie();
    removeQuietly(temporaryPath_);
    endRecording();
}

void ExportModel::endRecording()
{
    recording_ = false;
    temporaryPath_.clear();
    targetPath_.clear();
}

StyleReturnCode_e ExportModel::get(const StylePath& rest, StyleData& value) const
{
    if (rest.size() != 1 || !values_.knows(rest.front()))
        return StyleReturnCode_UnknownPath;
    return values_.get(rest.front(), value) ? StyleReturnCode_Ok : StyleReturnCode_WrongType;
}

StyleReturnCode_e ExportModel::set(const StylePath& rest, const StyleData& value)
{
    if (rest.size() != 1 || !values_.knows(rest.front()))
        return StyleReturnCode_UnknownPath;
    return values_.set(rest.front(), value) ? StyleReturnCode_Ok : StyleReturnCode_WrongType;
}

}  // namespace zorsim
