#include "data/ZoneCacheFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace zorhost {

namespace {

std::runtime_error failure(const std::string& what)
{
    return std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

ZoneCacheFile::ZoneCacheFile()
{
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/zorhost-data.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0)
        throw failure("cannot make a temporary file in " + pattern.substr(0, pattern.rfind('/')));
    unlink(name.data());
}

ZoneCacheFile::~ZoneCacheFile()
{
    close(fd_);
}

std::uint64_t ZoneCacheFile::append(const std::string& bytes)
{
    const std::uint64_t offset = size_;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw failure("cannot keep the data in a temporary file");
        done += static_cast<std::size_t>(n);
    }
    size_ += bytes.size();
    return offset;
}

std::string ZoneCacheFile::read(std::uint64_t offset, std::uint64_t length) const
{
    std::string bytes(length, '\0');
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = pread(fd_, bytes.data() + done, length - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw failure("cannot read the data back from its temporary file");
        done += static_cast<std::size_t>(n);
    }
    return bytes;
}

}  // namespace zorhost
