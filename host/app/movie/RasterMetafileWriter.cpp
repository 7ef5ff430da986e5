#include "movie/RasterMetafileWriter.h"

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zorhost {

RasterMetafileWriter::RasterMetafileWriter(const std::string& path) : path_(path)
{
    file_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file_ < 0)
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
    if (file_ < 0)
        throw MovieError("the movie is closed");
    if (frames_ == 0) {
        width_ = frame.width;
        height_ = frame.height;
    }
    const bool sized = frame.width == width_ && frame.height == height_;
    if (!sized)
        resizeInto(frame, width_, height_, resized_);
    const std::string header = "P6\n" + std::to_string(width_) + " " + std::to_string(height_) + "\n255\n";
    errno = 0;
    if (!writeFrame(header, sized ? frame : resized_))
        fail("write to");
    ++frames_;
}

bool RasterMetafileWriter::writeFrame(const std::string& header, const Image& frame)
{
    iovec pieces[2] = {{const_cast<char*>(header.data()), header.size()},
                       {const_cast<std::uint8_t*>(frame.rgb.data()), frame.rgb.size()}};
    iovec* piece = pieces;
    int left = 2;
    while (left > 0) {
        const ssize_t written = ::writev(file_, piece, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        std::size_t done = static_cast<std::size_t>(written);
        while (left > 0 && done >= piece->iov_len) {
            done -= piece->iov_len;
            ++piece;
            --left;
        }
        if (left > 0) {
            piece->iov_base = static_cast<char*>(piece->iov_base) + done;
            piece->iov_len -= done;
        }
    }
    return true;
}

void RasterMetafileWriter::finish()
{
    if (file_ < 0)
        throw MovieError("the movie is closed");
    errno = 0;
    const bool closed = ::close(file_) == 0;
    file_ = -1;
    if (!closed) {
        std::remove(path_.c_str());
        throw MovieError(std::string("cannot complete the file: ") + std::strerror(errno));
    }
}

void RasterMetafileWriter::abandon()
{
    if (file_ < 0)
        return;
    ::close(file_);
    file_ = -1;
    std::remove(path_.c_str());
}

}  // namespace zorhost
