// A temporary file holding zones' bytes while their data set is loaded. It
// is removed from its folder as soon as it is made, so that nothing is left
// behind when zorhost ends in any way; the space is freed when the object
// goes.
#ifndef ZORHOST_ZONE_CACHE_FILE_H
#define ZORHOST_ZONE_CACHE_FILE_H

#include <cstdint>
#include <string>

namespace zorhost {

class ZoneCacheFile {
public:
    // In $TMPDIR, or /tmp. Throws std::runtime_error when it cannot be made.
    ZoneCacheFile();
    ~ZoneCacheFile();
    ZoneCacheFile(const ZoneCacheFile&) = delete;
    ZoneCacheFile& operator=(const ZoneCacheFile&) = delete;

    // Appends `bytes` and returns where they begin. Throws
    // std::runtime_error when they cannot be written (a full disk).
    std::uint64_t append(const std::string& bytes);
    // Throws std::runtime_error when the bytes cannot be read back.
    std::string read(std::uint64_t offset, std::uint64_t length) const;
    std::uint64_t size() const { return size_; }

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

}  // namespace zorhost

#endif
