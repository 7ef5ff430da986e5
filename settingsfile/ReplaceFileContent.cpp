#include "settingsfile/ReplaceFileContent.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "addon/KeyFrameError.h"

namespace {

const char* const UnableToOpenText = "Unable to open file for writing.";
const char* const UnableToWriteText = "Unable to write file.";
const char* const UnsyncedFolderText = "The file was saved, but its folder could not be synchronized to the disk: "
                                       "the save may not survive a crash.";

// Saving through a symbolic link replaces the file it points at, as writing
// into the link would, and keeps the link.
std::string followLink(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_symlink(fileName, error))
        return fileName;
    const std::filesystem::path target = std::filesystem::weakly_canonical(fileName, error);
    return error ? fileName : target.string();
}

// A new name, or an existing regular file that the user may write: the
// rename would otherwise replace a file that its permissions protect.
bool mayReplace(const std::string& fileName)
{
    struct stat status {};
    if (::stat(fileName.c_str(), &status) != 0)
        return errno == ENOENT;
    return S_ISREG(status.st_mode) && ::faccessat(AT_FDCWD, fileName.c_str(), W_OK, AT_EACCESS) == 0;
}

// The rename lives in the folder, not in the file: only synchronising the
// folder makes it survive a crash. File systems that cannot synchronise a
// folder (EINVAL) need not.
bool syncFolderOf(const std::string& fileName)
{
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0 || errno == EINVAL;
    ::close(descriptor);
    return synced;
}

// The new content under a name of its own beside the target; removed again
// unless it was renamed over the target.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void write(const std::string& content);
    // Flushes to the disk, closes and renames over `target`.
    void commit(const std::string& target);

private:
    void copyPermissionsOf(const std::string& target);

    std::string name_;
    int descriptor_ = -1;
    bool renamed_ = false;
};

TemporaryFile::TemporaryFile(const std::string& target)
{
    // The process number and a count make the name unique among writers;
    // O_EXCL makes sure an existing file is never taken over.
    static unsigned count = 0;
    for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
        name_ = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++count);
        descriptor_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ < 0 && errno != EEXIST)
            break;
    }
    if (descriptor_ < 0)
        throw KeyFrameError(UnableToOpenText);
    copyPermissionsOf(target);
}

TemporaryFile::~TemporaryFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    if (!renamed_)
        ::unlink(name_.c_str());
}

void TemporaryFile::copyPermissionsOf(const std::string& target)
{
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0 && ::fchmod(descriptor_, status.st_mode & 07777) != 0)
        throw KeyFrameError(UnableToWriteText);
}

void TemporaryFile::write(const std::string& content)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(descriptor_, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw KeyFrameError(UnableToWriteText);
        done += static_cast<std::size_t>(written);
    }
}

void TemporaryFile::commit(const std::string& target)
{
    if (::fsync(descriptor_) != 0)
        throw KeyFrameError(UnableToWriteText);
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0 || ::rename(name_.c_str(), target.c_str()) != 0)
        throw KeyFrameError(UnableToWriteText);
    renamed_ = true;
}

}  // namespace

void replaceFileContent(const std::string& fileName, const std::string& content)
{
    const std::string target = followLink(fileName);
    if (target.empty() || !mayReplace(target))
        throw KeyFrameError(UnableToOpenText);
    TemporaryFile file(target);
    file.write(content);
    file.commit(target);
    if (!syncFolderOf(target))
        throw KeyFrameError(UnsyncedFolderText);
}
