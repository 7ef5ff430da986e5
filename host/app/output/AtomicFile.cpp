#include "output/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "output/PartialFiles.h"

namespace zorhost {

namespace {

constexpr const char* temporarySuffix = ".XXXXXX.partial";
// The part of the suffix after the six X that mkstemps fills in.
constexpr int suffixAfterPattern = 8;

// At most the first `size` bytes of `name`, not cut inside a UTF-8 character.
std::string prefixOf(const std::string& name, std::size_t size)
{
    if (name.size() <= size)
        return name;
    while (size > 0 && (static_cast<unsigned char>(name[size]) & 0xC0) == 0x80)
        --size;
    return name.substr(0, size);
}

// ".NAME.XXXXXX.partial" beside `target`, no longer than a file name may be.
std::string temporaryPattern(const std::filesystem::path& target)
{
    const std::size_t room = NAME_MAX - 1 - std::strlen(temporarySuffix);
    return (target.parent_path() / ("." + prefixOf(target.filename().string(), room) + temporarySuffix)).string();
}

mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// 0, or the errno of synchronising the folder that holds `file`. File
// systems that cannot synchronise a folder (EINVAL) need not.
int syncFolderOf(const std::string& file)
{
    const std::string folder = std::filesystem::path(file).parent_path().string();
    const int handle = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return errno;
    const int error = fsync(handle) == 0 || errno == EINVAL ? 0 : errno;
    close(handle);
    return error;
}

// The open file that a name such as /dev/stdout or /proc/self/fd/3 stands
// for, or -1. Writing through the descriptor itself keeps the place the
// shell writes at, where opening the name anew would start at the file's
// beginning.
int descriptorNamed(const std::string& path)
{
    if (path == "/dev/stdout")
        return STDOUT_FILENO;
    if (path == "/dev/stderr")
        return STDERR_FILENO;
    for (const std::string prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        const std::string number = path.substr(std::min(path.size(), prefix.size()));
        if (path.rfind(prefix, 0) == 0 && !number.empty() && number.size() < 6 &&
            number.find_first_not_of("0123456789") == std::string::npos)
            return std::stoi(number);
    }
    return -1;
}

}  // namespace

int AtomicFile::Buffer::overflow(int c)
{
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int AtomicFile::Buffer::sync()
{
    return drain() ? 0 : -1;
}

bool AtomicFile::Buffer::drain()
{
    for (const char* next = pbase(); error_ == 0 && next < pptr();) {
        const ssize_t written = ::write(file_, next, static_cast<std::size_t>(pptr() - next));
        if (written > 0)
            next += written;
        else if (written == 0)
            error_ = EIO;
        else if (errno != EINTR)
            error_ = errno;
    }
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    return error_ == 0;
}

AtomicFile::AtomicFile(const std::string& path, const std::string& what) : path_(path), what_(what), target_(path)
{
    struct stat status {};
    const bool exists = stat(path.c_str(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode))
        fail("create", "it is a folder");
    if (const int descriptor = descriptorNamed(path); descriptor >= 0) {
        file_ = fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
        if (file_ < 0)
            fail("create", std::strerror(errno));
    } else if (exists && !S_ISREG(status.st_mode)) {
        file_ = open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (file_ < 0)
            fail("create", std::strerror(errno));
    } else {
        std::error_code error;
        if (exists && std::filesystem::is_symlink(path, error))
            target_ = std::filesystem::canonical(path, error).string();
        if (error)
            target_ = path;
        createTemporary();
        fchmod(file_, exists ? status.st_mode & 07777 : newFileMode());
    }
    buffer_.attach(file_);
}

AtomicFile::~AtomicFile()
{
    discard();
}

void AtomicFile::createTemporary()
{
    std::string name = temporaryPattern(target_);
    file_ = mkostemps(name.data(), suffixAfterPattern, O_CLOEXEC);
    if (file_ < 0)
        fail("create", std::strerror(errno));
    temporary_ = name;
    partialSlot_ = partialFiles::remember(temporary_);
}

void AtomicFile::commit()
{
    stream_.flush();
    if (buffer_.error() != 0)
        fail("write", std::strerror(buffer_.error()));
    if (!temporary_.empty() && fsync(file_) != 0)
        fail("write", std::strerror(errno));
    const int file = file_;
    file_ = -1;
    if (close(file) != 0)
        fail("write", std::strerror(errno));
    if (!temporary_.empty())
        replaceTarget();
}

void AtomicFile::replaceTarget()
{
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        fail("write", std::strerror(errno));
    partialFiles::forget(partialSlot_);
    partialSlot_ = -1;
    temporary_.clear();
    if (const int error = syncFolderOf(target_); error != 0)
        fail("write", std::strerror(error));
}

void AtomicFile::discard()
{
    if (file_ >= 0)
        close(file_);
    file_ = -1;
    if (!temporary_.empty())
        unlink(temporary_.c_str());
    temporary_.clear();
    partialFiles::forget(partialSlot_);
    partialSlot_ = -1;
}

void AtomicFile::fail(const std::string& verb, const std::string& reason)
{
    discard();
    throw OutputFileError("cannot " + verb + " the " + what_ + " " + path_ + ": " + reason);
}

}  // namespace zorhost
