#include "movie/RasterMetafileWriter.h"

#include <cerrno>
#include <cstring>

namespace zorhost {

RasterMetafileWriter::RasterMetafileWriter(const std::string& path) : path_(path)
{
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr)
        throw MovieError(std::string("cannot create the file: ") + std::strerror(errno));
}

RasterMetafileWriter::~RasterMetafileWriter()
{
    abandon();
}

void RasterMetafileWriter::fail(const std::string& what)
{
    const std::string reason = errno != 0 ? std::string(": ") + std::strerror(errno) : std::string();
    abandon();
    throw MovieError("cannot " + what + " the file" + reason);
}

void RasterMetafileWriter::addFrame(const Image& frame)
{
    if (file_ == nullptr)
        throw MovieError("the movie is closed");
    if (frames_ == 0) {
        width_ = frame.width;
        height_ = frame.height;
    }
    const Image sized = frame.width == width_ && frame.height == height_ ? frame : resized(frame, width_, height_);
    errno = 0;
    if (std::fprintf(file_, "P6\n%d %d\n255\n", width_, height_) < 0 ||
        std::fwrite(sized.rgb.data(), 1, sized.rgb.size(), file_) != sized.rgb.size())
        fail("write to");
    ++frames_;
}

void RasterMetafileWriter::finish()
{
    if (file_ == nullptr)
        throw MovieError("the movie is closed");
    errno = 0;
    const bool flushed = std::fflush(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) {
        std::remove(path_.c_str());
        throw MovieError("cannot complete the file");
    }
}

void RasterMetafileWriter::abandon()
{
    if (file_ == nullptr)
        return;
    std::fclose(file_);
    file_ = nullptr;
    std::remove(path_.c_str());
}

}  // namespace zorhost
