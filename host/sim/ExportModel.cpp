#include "zorsim/ExportModel.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace zorsim {

namespace {

// ".name.partial" in the target's folder.
std::string temporaryPathFor(const std::string& target)
{
    const std::filesystem::path path(target);
    return (path.parent_path() / ("." + path.filename().string() + ".partial")).string();
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

bool ExportModel::canStart() const
{
    return !refuseStarts_ && !recording_ && isAnimationFormat(values_.format()) && !values_.fileName().empty();
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
    if (!canStart())
        return false;
    targetPath_ = values_.fileName();
    if (!createTemporaryFile())
        return false;
    if (sink_ != nullptr && !sink_->beginMovie(values_, temporaryPath_)) {
        removeQuietly(temporaryPath_);
        temporaryPath_.clear();
        return false;
    }
    recording_ = true;
    ++starts_;
    movieFrames_ = 0;
    addFrame();
    return true;
}

void ExportModel::addFrame()
{
    if (sink_ != nullptr)
        sink_->addFrame(movieFrames_);
    ++movieFrames_;
}

bool ExportModel::nextFrame()
{
    if (!recording_)
        return false;
    ++nextFrames_;
    addFrame();
    return true;
}

bool ExportModel::finish()
{
    if (!recording_)
        return false;
    ++finishes_;
    bool complete = sink_ == nullptr || sink_->endMovie();
    if (complete) {
        std::error_code error;
        std::filesystem::rename(temporaryPath_, targetPath_, error);
        complete = !error;
    }
    if (!complete)
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
